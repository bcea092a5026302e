#pragma once

#include "common/result.h"

#include <QList>
#include <QString>
#include <QStringList>

// One function of a trace file: its line exactly as read, and its values as the tree
// shows them (each value line without any tab).
struct TraceFunction {
    QString line;
    QStringList values;
};

// Control characters other than tab never stand in a trace: a line holding one shows the
// file is something else (a picture renamed, random bytes).
bool holdsControlCharacters(const QString& line);

// The functions of trace lines in file order, without building a tree. Fails with the
// loader's own message where loading the lines would fail (control characters, a function
// line twice, a value line before the first function line).
Result<QList<TraceFunction>> ReadTraceFunctions(const QStringList& lines);
