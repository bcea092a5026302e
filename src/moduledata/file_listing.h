#pragma once

#include <QString>
#include <QStringList>

// Folder listings by wildcard, as NCS Expert's own platform lists them: "*" is any run of
// characters and letters match without regard to case on every platform (a Linux
// user's DATEN folder holds the same upper-case names). Results come in a stable name
// order: case-insensitive, ties broken by the exact spelling.
namespace FileListing {

bool matchesPattern(const QString& name, const QString& pattern);

// Names of the plain files of folder that match pattern; empty for a missing folder.
QStringList files(const QString& folder, const QString& pattern);

// Names of the subfolders of folder; empty for a missing folder.
QStringList subfolders(const QString& folder);

} // namespace FileListing
