#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The language of the window. Files the program writes and the command line stay English
// whatever it is, so a log reads the same in every workshop and scripts can read the output.
namespace Language {

// The languages the window speaks, by their code: "en" and "de".
const QStringList& available();

// The language to start in: the one given on the command line (--lang), else the one
// stored in the settings, else German on a German system and English elsewhere. A code
// that is not available counts as not given.
QString choose(const QString& commandLine, const QString& stored, const QLocale& system);

} // namespace Language
