#pragma once

#include <QStringList>

#include <array>

class TraceTree;
class ValueSearch;
struct ModuleData;
struct ValueSearchState;

// The marker distance that three of the five samples share; without such a majority the
// fifth sample.
int VoteMarkerDistance(const std::array<int, 5>& samples);

// The marker distance the search of traceLines uses: sampled on up to five functions spaced
// six trace lines apart, then voted. markerDistance is the distance before the run, which
// a function not found repeats.
int CalibrateMarkerDistance(ValueSearch& search, const QStringList& traceLines, int markerDistance);

// The search of "Show values" on a tree built from traceLines: calibrates MarkerDistance on
// up to five functions spaced six trace lines apart, votes, then adds every value found to
// each function and marks the functions not found. Returns how many were not found.
int SearchPossibleValues(TraceTree& tree, const QStringList& traceLines, ModuleData& data, ValueSearchState& state);
