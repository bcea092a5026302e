#pragma once

#include <QString>

// The program's own files (Codinglog.txt, Translations.csv, Updateplan.txt) lie beside the
// program. Where that folder cannot be written (an installation under Program Files), the
// per-user application data folder stands in: a file is read from the first of the two
// folders that holds it and written into the first where it can be written, so a table
// placed beside the program is still read.
class ProgramFiles {
public:
    ProgramFiles() = default;
    // One folder for everything (chosen on the command line, or in tests).
    ProgramFiles(const QString& folder) : m_besideProgram(folder), m_perUser(folder) {}
    ProgramFiles(const QString& besideProgram, const QString& perUser)
        : m_besideProgram(besideProgram), m_perUser(perUser)
    {
    }

    // The executable's folder, then the per-user application data folder.
    static ProgramFiles forExecutable(const QString& executableFolder);
    // The per-user application data folder (not made here).
    static QString userDataFolder();

    // tail is "\Codinglog.txt" and the like. The folder that holds the file, the one
    // beside the program when neither does.
    QString readFolder(const QString& tail) const;
    // The first folder where the file exists and may be written, or where it may be
    // created; the per-user folder (made when missing) when neither.
    QString writeFolder(const QString& tail) const;

    // The folder whose copy of the file the user opens: the one the program writes to, when
    // it holds the file, so the user sees what was last written; else where it is read.
    QString openFolder(const QString& tail) const;

    // The per-user application data folder (the one folder, when only one was given).
    const QString& perUserFolder() const { return m_perUser; }

private:
    QString m_besideProgram;
    QString m_perUser;
};
