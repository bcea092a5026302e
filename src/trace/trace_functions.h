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

// The functions of trace lines in file order, without building a tree. Fails with the
// loader's own message where loading the lines would fail (a function line twice, a value
// line before the first function line).
Result<QList<TraceFunction>> ReadTraceFunctions(const QStringList& lines);
