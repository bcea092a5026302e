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

// The lines of a trace file as every trace is read: no larger than a trace can be, and
// one Ctrl-Z at the very end (an old end-of-file mark) left out.
Result<QStringList> ReadTraceFile(const QString& path);

// The same for comparing: any lines compare, but a file that is no trace at all (a line
// holding control characters) is refused, naming the line.
Result<QStringList> ReadTraceFileToCompare(const QString& path);

// Builds the tree from trace lines read as ReadTraceLines reads them: a root node per
// function keyed by its line, a child per value. Every node gets image 1. Stops at the
// first line a load stops at and returns its message; the nodes and trace lines added
// before it stay.
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
