#pragma once

#include <QString>

// The state of the data installation that outlives a single click.
struct InstallState {
    // The chosen SP-daten folder, without a trailing separator; empty until one is chosen.
    QString FolderSPdaten;
    // Items copied in the current run; reset at the start of each run.
    qint32 UpdateCount = 0;
};
