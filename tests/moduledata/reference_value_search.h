#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class TraceTree;
struct ModuleData;

// The search for possible values written as plainly as possible on the hex texts, with
// 1-based positions, one search from the start (or the last match) at a time. Slow; it is
// the oracle the fast byte search is compared with.
namespace Reference {

QByteArray HexToText(const QByteArray& hex);
QString LookupValueName(const ModuleData& data, const QByteArray& id);

struct Run {
    TraceTree& tree;
    const QStringList& TraceLines;
    ModuleData& data;
    int& MarkerDistance;
    bool ValuesIncomplete = false;
};

void FindFunctionValues(Run& run, const QString& name, int index, bool calibrate);

// Calibration, vote and value pass; returns whether a function was not found.
bool SearchPossibleValues(TraceTree& tree, const QStringList& traceLines, ModuleData& data, int& markerDistance);

} // namespace Reference
