#pragma once

#include <QString>

#include <functional>

class BusyState;
class Clock;
class Dialogs;
class FileOps;
class InstallView;
struct InstallState;
struct ToolFolders;

// What the buttons of the "SP daten" frame work with. The window and quillon-cli each
// fill one; folders are read right before each step, so a change during a run applies
// to its later steps.
struct InstallContext {
    InstallState& state;
    const ToolFolders& folders;
    Dialogs& dialogs;
    const Clock& clock;
    BusyState& busy;
    FileOps& ops;
    InstallView& view;
    std::function<void()> closeSearchWindow;
    // Where a run with backups keeps its restore record; none is kept when empty.
    QString recordsFolder = {};
};

struct InstallRunResult {
    enum class Outcome {
        NotStarted, // a check or an answer stopped it; nothing changed
        Ready,      // every step done, the ready caption shown
        Failed,     // a step failed; the run was closed without its ready caption
    };
    Outcome outcome = Outcome::NotStarted;
    // On failure: the caption of the failing step and the file system's error.
    QString failedStep;
    QString error;
    // The restore record of a run with backups, once the run has ended.
    QString restoreRecord;
};

// "Select SP-source": picks and checks the SP-daten folder. True when it was taken.
bool cmdFolder_Click(InstallContext& context);

// "Update SP-daten" (index 0) and "Update WinKFP" (index 1).
InstallRunResult cmdUpdate_Click(InstallContext& context, int index);

// The chassis a data set is for: the last three characters of its folder, upper case.
QString chassisOf(const QString& folderSPdaten);
