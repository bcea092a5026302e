#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QStringList>

// Chassis folders in the frame layout, written for tests and benchmarks: two keyword files
// and a module M.C01 that the module reader and the search of "Show values" both read.
namespace FrameChassis {

// One frame: length, type, payload and check byte.
QByteArray frame(quint16 type, const QByteArray& payload);

struct Block {
    quint16 id;
    QByteArray name, format, fields;
};
// Signature frames, the block definitions and the divider.
QByteArray header(const QList<Block>& blocks);

struct Function {
    QString name;
    QStringList values;
    QList<QByteArray> bytes; // per value
};

struct Size {
    int functions = 40;
    int fillerBytes = 0;       // the value keyword file's size (the function keywords': a quarter)
    bool mixedLengths = false; // the first function's later values write one byte more
};

struct Chassis {
    QMap<QString, QByteArray> files;
    QList<Function> functions; // of M.C01, in file order
};

// Every function has two to five values of 1, 2, 4 or 10 bytes (PSW1 rows carry eight,
// PSW2 rows the rest); the seed also picks one of three field orders of the function rows.
Chassis generate(quint32 seed, const Size& size);

} // namespace FrameChassis
