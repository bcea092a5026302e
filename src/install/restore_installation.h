#pragma once

#include "install/restore_run.h"

#include <QString>

class BusyState;
class Dialogs;
class FileOps;
class InstallView;

// "Restore an installation…" once the user has confirmed it: the restore runs in the
// frame's log with its progress, as an installation does, and the log ends with
// "RESTORE READY". A refusal or a stop is also told in a message, since the user has to
// act on it (put the named files back, or restore again to carry on).
Restore::Outcome RestoreInstallation(const QString& recordPath, FileOps& ops, InstallView& view, BusyState& busy,
                                     Dialogs& dialogs, const Restore::RunOptions& options = {});
