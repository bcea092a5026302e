#pragma once

#include <QString>
#include <QStringList>

class Clock;
class Dialogs;
class SettingsStore;
struct ToolFolders;

// The modes of SaveFileAs.
namespace SaveMode {
constexpr int TraceCopy = 1;  // copy of WORK\FSW_PSW.TRC
constexpr int ManCopy = 2;    // copy of WORK\FSW_PSW.MAN
constexpr int ExportList = 3; // listItems as a text file
} // namespace SaveMode

struct SaveFileAsInputs {
    // The texts of cmbChassis and cmbModule: the label of a copy's proposed name.
    QString chassis;
    QString module;
    // The items of listItems, exported in mode 3.
    QStringList listItems;
};

struct SaveFileAsServices {
    ToolFolders& folders;
    SettingsStore& settings;
    Dialogs& dialogs;
    const Clock& clock;
};

// The proposed name of a copy: "FSW_PSW [chassis-module].TRC", or with the date stamp in
// the brackets while no module is chosen.
QString proposedCopyName(int mode, const QString& chassis, const QString& module, const Clock& clock);

// The one save dialog. Copies land under the chosen name in upper case, and their folder
// becomes FolderBackup (stored under "FolderBACKUP" when it changed); a trace copy's name
// goes into saveTag (cmdSave's tag). Mode 3 writes the header and the list items. A cancel
// or any failure ends it without a message; nothing already written is undone.
void SaveFileAs(int mode, const SaveFileAsInputs& inputs, const SaveFileAsServices& services, QString& saveTag);
