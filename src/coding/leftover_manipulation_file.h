#pragma once

#include <QString>
#include <QStringList>

class Dialogs;

// A FSW_PSW.MAN left in WORK from another module would be coded into the one just read.
// It belongs to the trace when its function lines are the trace's, in the same order.
struct ManipulationFileCheck {
    bool foreign = false; // a non-empty file that was not written for the trace
    int missing = 0;      // its functions that the trace does not have
    int functions = 0;    // its functions
};

ManipulationFileCheck CheckManipulationFile(const QStringList& manLines, const QStringList& traceLines);

QString leftoverQuestion(const ManipulationFileCheck& check);

// After the default trace is loaded: when the MAN file in WORK is not empty and not written
// for the trace, asks whether to empty it and does so on Yes, atomically, then says so.
// A missing, empty or unreadable file asks nothing. Returns true when it emptied the file.
bool GuardLeftoverManipulationFile(const QString& folderNCS, const QStringList& traceLines, Dialogs& dialogs);
