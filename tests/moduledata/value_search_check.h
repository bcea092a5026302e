#pragma once

#include "moduledata/module_data.h"

#include <QStringList>

class TraceTree;

// The whole visible state of a tree, one line per node in display order:
// depth, text, image, colour, bold, and the node's collection index.
QStringList treeSnapshot(const TraceTree& tree);

// What one search run leaves behind, for comparing the two implementations.
struct SearchOutcome {
    QStringList tree;
    int markerDistance = 0;
    bool incomplete = false;
    QStringList valueNames; // the cache, sorted "id=name"
    bool operator==(const SearchOutcome&) const = default;
};

// Runs the search on a fresh tree of traceLines, with the fast implementation or the
// reference; data and markerDistance carry over between calls like the window's state.
SearchOutcome runFastSearch(const QStringList& traceLines, ModuleData& data, int& markerDistance);
SearchOutcome runReferenceSearch(const QStringList& traceLines, ModuleData& data, int& markerDistance);

// The first differing line of two outcomes, for failure messages.
QString describeDifference(const SearchOutcome& expected, const SearchOutcome& actual);

// Module data from raw bytes, both as hex text and raw copies.
ModuleData makeModuleData(const QByteArray& fsw, const QByteArray& psw, const QByteArray& module);
