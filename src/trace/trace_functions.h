#pragma once

#include "common/result.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The one reading of a trace's lines into functions and values. A line not led by a tab
// is a function, its whole line its name and identity; a tab-led line is a value of the
// function above it, every tab removed.

// One function of a trace file: its line exactly as read, and its values as the tree
// shows them (each value line without any tab).
struct TraceFunction {
    QString line;
    QStringList values;
};

// Control characters other than tab never stand in a trace: a line holding one shows the
// file is something else (a picture renamed, random bytes).
bool holdsControlCharacters(const QString& line);

// Why trace lines cannot be loaded; lineNumber counts from 1.
QString duplicateFunctionMessage(qsizetype lineNumber, const QString& line);
QString valueBeforeFunctionMessage(qsizetype lineNumber);
QString notATraceMessage(qsizetype lineNumber);

// Where reading stopped: the lines read (all of them when error is empty) and why.
struct TraceStop {
    qsizetype linesRead = 0;
    QString error;
};

// Lines read as the loader reads them, for a reader that builds something of its own (the
// tree): addFunction gets each function line and answers false when it has it already;
// addValue gets each value. Reading stops at the first line a load stops at (control
// characters, a function line twice, a value line before the first function line).
TraceStop ReadTraceLines(const QStringList& lines, const std::function<bool(const QString& line)>& addFunction,
                         const std::function<void(QString value)>& addValue);

// The functions of lines that load, or the message where the load would stop.
Result<QList<TraceFunction>> ReadTraceFunctions(const QStringList& lines);

// The functions of lines that need not load (a MAN file left in WORK): every function
// line is kept, repeats too; value lines before the first function are left out.
QList<TraceFunction> SplitTraceFunctions(const QStringList& lines);
