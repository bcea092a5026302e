#pragma once

#include <QByteArray>
#include <QStringList>

class TraceTree;
struct ModuleData;

// The search for possible values written as plainly as possible on the hex texts, with
// 1-based positions, one search from the start (or the last match) at a time. Slow; it is
// the oracle the fast byte search is compared with.
namespace Reference {

// Calibration, vote and value pass; returns whether a function was not found.
bool SearchPossibleValues(TraceTree& tree, const QStringList& traceLines, ModuleData& data, int& markerDistance);

} // namespace Reference
