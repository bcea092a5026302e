#pragma once

#include "common/result.h"

#include <QString>
#include <QStringList>

class BusyState;
class Dialogs;
class TraceSession;
class TraceTree;

// Where the default trace of NCS Expert lies.
QString defaultTracePath(const QString& folderNCS);
QString manipulationFilePath(const QString& folderNCS);

// Why trace lines cannot be read as a tree; lineNumber counts from 1.
QString duplicateFunctionMessage(qsizetype lineNumber, const QString& line);
QString valueBeforeFunctionMessage(qsizetype lineNumber);
QString notATraceMessage(qsizetype lineNumber);

// The lines of a trace file as every trace is read: no larger than a trace can be, and
// one Ctrl-Z at the very end (an old end-of-file mark) left out.
Result<QStringList> ReadTraceFile(const QString& path);

// Builds the tree from trace lines: a line not starting with a tab is a function (root
// node keyed by the raw line), a tab-led line a value of the function above it (text
// without any tab). Every node gets image 1. Stops at the first line that cannot be
// added, or that holds control characters, and returns its message; the nodes and trace
// lines added before it stay.
// Returns an empty string on success.
QString BuildTraceTree(TraceTree& tree, const QStringList& lines, QStringList* acceptedLines);

struct TraceLoadOutcome {
    bool loaded = false;
    // The translation was on before the load and must be switched on again.
    bool retranslate = false;
};

// Reads a trace file into the session. Missing file: the not-found message, nothing
// changes. Any other failure: the error message, the partial tree stays and the
// visibility of tree and list is left as it was.
TraceLoadOutcome LoadTraceFile(const QString& path, const QString& folderNCS, TraceSession& session, BusyState& busy,
                               Dialogs& dialogs);
