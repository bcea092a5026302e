#pragma once

#include <QString>

// Emptying FSW_PSW.MAN, from the File menu and when the window closes. NCS Expert expects
// the file to be there, so it is cut to nothing in place, never deleted or replaced.
namespace ManipulationFile {

// The file exists and holds something: closing the window offers to empty it.
bool holdsSomething(const QString& path);

struct EmptyOutcome {
    enum class Kind { Emptied, NotFound, Failed };
    Kind kind = Kind::Emptied;
    // NotFound: "<path> not found."; Failed: the path and the system's reason.
    QString message;
};

// Nothing is created when there is no such file.
EmptyOutcome empty(const QString& path);

} // namespace ManipulationFile
