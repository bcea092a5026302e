#pragma once

#include <QString>

// The folder that holds the program's own files (Codinglog.txt, Translations.csv,
// Updateplan.txt): the executable's folder when it is writable, else the per-user
// application data folder, so an installation under Program Files still works.
namespace ProgramFolder {

QString resolve(const QString& executableFolder);

} // namespace ProgramFolder
