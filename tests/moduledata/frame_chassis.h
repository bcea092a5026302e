#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QStringList>

// Chassis folders in the frame layout, written for tests and benchmarks: two keyword files
// and a module M.C01 that the module reader and the search of "Show values" both read.
namespace FrameChassis {

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

struct Chassis {
    QMap<QString, QByteArray> files;
    QList<Function> functions; // of M.C01, in file order
};

// Each function has two to five values of 1, 2, 4 or 10 bytes (PSW1 rows carry eight, PSW2
// rows the rest); the seed picks one of three field orders. With mixedLengths the second
// value of the first function writes one byte more than the others.
Chassis generate(quint32 seed, int functions, bool mixedLengths = false);

} // namespace FrameChassis
