#pragma once

#include <QString>

#include <functional>

class Clock;
class Dialogs;
class TraceSession;

struct ManipulationSaveInputs {
    QString folderNCS;
    // Where Codinglog.txt lives.
    QString programFolder;
    // The texts of cmbChassis and cmbModule.
    QString chassis;
    QString module;
    // Where the coding history keeps a snapshot of every save; empty keeps none.
    QString historyFolder = {};
};

// What the save asks of the rest of the window.
struct ManipulationSaveCalls {
    // The "Translation" button: puts the trace's own names back and clears Translated.
    std::function<void()> toggleTranslation;
    // SaveFileAs: 1 copies the trace, 2 the manipulation file.
    std::function<void(int mode)> saveFileAs;
    // Asked once there is something to save, before anything is written: false stops the
    // save (the user went back to values the chosen module does not define).
    std::function<bool()> confirmValues;
};

// "Save MAN-file": writes the chosen values of the tree to FSW_PSW.MAN, offers the
// backups, shows the changes in listItems, appends them to Codinglog.txt and lists the
// NCS Expert steps. saveTag is cmdSave's tag: emptied after the MAN file is written,
// saveFileAs(1) puts the name of the trace copy there, and the log records it.
// The MAN file is replaced in one step, and the log is written only once it is in place.
// A snapshot for the coding history is kept right after the MAN file is written; when it
// cannot be kept the save goes on unchanged and the user is told at its end.
void SaveManipulationFile(const ManipulationSaveInputs& inputs, TraceSession& session, Dialogs& dialogs,
                          const Clock& clock, QString& saveTag, const ManipulationSaveCalls& calls);
