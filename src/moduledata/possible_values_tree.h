#pragma once

#include <QString>
#include <QStringList>

class TraceTree;

// What "Show values" does to the trace tree. Function nodes are addressed by their trace
// line's position (1-based), which is their node index: the trace's nodes come first.

// Adds name as a value of the function at index unless a value with exactly that text is
// shown; the function's values are then shown sorted.
void AddValueNode(TraceTree& tree, const QStringList& traceLines, const QString& name, int index);

// Marks the function at index as not found: warning image on it, and its first value from
// the trace turns into the red reason line. A function without a value line of its own
// gets the reason as a new line, so the next function is never overwritten.
void MarkFunctionNotFound(TraceTree& tree, int index, const QString& description);

// After a run with failures: removes every value without children that is not a reason
// line and belongs to a function marked as not found (values found before the failure and
// the trace's other values of that function).
void RemovePartialValues(TraceTree& tree);
