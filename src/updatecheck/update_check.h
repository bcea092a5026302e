#pragma once

#include <QString>

class BusyState;

// The outcome of checking one assembly number against WinKFP's assembly-line data, with
// the three texts the update window shows for it.
struct UpdateCheck {
    enum class Outcome {
        Failed,          // DATA missing, or a folder or file could not be read: see error
        WrongLength,     // the number is not seven characters long
        NotFound,        // no family lists the number
        NoUpdate,        // found; no newer number with the same hardware
        UpdateAvailable, // found; newest holds the update
    };

    Outcome outcome = Outcome::Failed;
    // Set once a family listing the number was found, even when a later read failed.
    bool found = false;
    QString family;
    QString hardware; // columns 17-23 of the number's list line
    QString newest;   // where the replacement chain ends; the number itself without one
    QString error;    // the message for a failed check

    bool updateAvailable() const { return outcome == Outcome::UpdateAvailable; }

    // "Found in ECU family ...", "Nothing found..." or empty.
    QString familyText() const;
    // "Hardware nr: ..." or empty.
    QString hardwareText() const;
    // "Update available --> ...", "No update available", the reason nothing was found, or
    // empty for a failed check.
    QString updateText() const;
};

// Searches pathSearch's DATA folder for the family listing assemblyNumber, follows the
// replacement chain in the family's history and decides whether the newest number fits
// the same hardware. busy, when given, is set while files are read.
UpdateCheck CheckForUpdate(const QString& pathSearch, const QString& assemblyNumber, BusyState* busy = nullptr);

// The folder searched below pathSearch: its DATA, in whatever letter case.
QString assemblyDataFolder(const QString& pathSearch);
