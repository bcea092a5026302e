#pragma once

#include "common/result.h"

#include <QString>
#include <QStringList>

struct ModuleData;

// Reading NCS Expert's DATEN folder: one subfolder per chassis, holding the module files
// ("*.C*") and the two keyword files ("SWTFSW*.DAT", "SWTPSW*.DAT").

// FolderNCS + "\DATEN\" + chassis.
QString chassisFolder(const QString& folderNCS, const QString& chassis);

// The chassis names: the subfolders of DATEN in name order; empty when DATEN is missing.
QStringList FillChassisList(const QString& folderNCS);

// The module file names of a chassis, in name order.
QStringList ChassisModules(const QString& folderNCS, const QString& chassis);

// Reads the chassis's keyword files: FswData = the first "SWTFSW*.DAT" whole, PswHex = the
// first "SWTPSW*.DAT" from its first "KEYWORD" on, as hex text. Both are emptied first, so
// a failure never leaves another chassis's data behind; what was read before the failure
// stays.
Status LoadKeywordFiles(const QString& folderNCS, const QString& chassis, ModuleData& data);

// A chassis choice: forgets the module data (ModuleHex), reads the keyword files and
// returns the module list. On failure the message; what was done before it stays done.
Result<QStringList> LoadChassis(const QString& folderNCS, const QString& chassis, ModuleData& data);

// A module choice: empties ValueNames and reads the module file into ModuleHex from 20
// bytes after the start of its first "INDIVID" on ("INDIVID" and the 13 bytes after it
// are dropped); without "INDIVID", from its 20th byte on. ModuleHex is empty on failure.
Status LoadModule(const QString& folderNCS, const QString& chassis, const QString& module, ModuleData& data);
