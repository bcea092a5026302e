#pragma once

#include "common/result.h"

#include <QString>
#include <QStringList>

class SettingsStore;
class Dialogs;

// The three tool folders and the backup folder, as full paths without a trailing separator.
struct ToolFolders {
    QString FolderNCS;
    QString FolderEDIABAS;
    QString FolderNFS;
    QString FolderBackup;

    // The folders from the store, with the defaults (under winePrefix off Windows) where
    // it has no entry.
    static ToolFolders read(const SettingsStore& store, const QString& winePrefix);
};

namespace DefaultToolFolders {

// C:\NCSEXPER, C:\EDIABAS and C:\EC-APPS\NFS on Windows. Elsewhere the same folders under
// the Wine prefix's drive_c ($WINEPREFIX, else ~/.wine), which is where NCS Expert lives
// for a Linux user. Both inputs are parameters so tests never read the real environment.
QString ncs(const QString& winePrefix);
QString ediabas(const QString& winePrefix);
QString nfs(const QString& winePrefix);

// $WINEPREFIX when set, else ~/.wine.
QString winePrefixFromEnvironment();

} // namespace DefaultToolFolders

// The kinds of SetDefaultFolder.
enum class ToolFolderKind { NcsExpert = 1, Ediabas = 2, WinKfp = 3 };

struct ToolFolderRule {
    QString pickerTitle;
    QStringList requiredSubfolders; // tails such as "\DATEN"
    QString invalidMessageTail;     // appended to the path
    QString settingsKey;
};

// The rule for kind 1 to 3, or nullptr for any other kind.
const ToolFolderRule* toolFolderRule(int kind);

// True when every required subfolder of the kind exists below folder.
bool hasToolFolderLayout(const QString& folder, const ToolFolderRule& rule);

// Picks a folder for the kind, checks its layout and stores it. A cancelled picker
// changes nothing; an invalid folder is reported and changes nothing.
void SetDefaultFolder(int kind, ToolFolders& folders, SettingsStore& store, Dialogs& dialogs);
