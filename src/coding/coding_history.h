#pragma once

#include "common/result.h"
#include "trace/trace_functions.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// The coding history: every save keeps, without asking, the trace as it was loaded and
// the MAN file written, so the state before a coding can always be brought back even
// when the user declined the backups. One folder per save, named by date and time,
// chassis and module, holding FSW_PSW.TRC and FSW_PSW.MAN.
namespace CodingHistory {

constexpr int kKept = 200;

// The history's place in the per-user data folder.
QString defaultFolder();

struct Snapshot {
    QString folder;
    QDateTime time;
    // "chassis - module" as chosen at the save; empty when none was chosen.
    QString module;
};

QString tracePath(const Snapshot& snapshot);
QString manipulationPath(const Snapshot& snapshot);

// Writes one snapshot (each file replaced in one step; a failure leaves no half snapshot
// behind), then removes the oldest beyond kKept.
Status KeepSnapshot(const QString& historyFolder, const QDateTime& time, const QString& chassis, const QString& module,
                    const QStringList& traceLines, const QStringList& manipulationLines);

// The snapshots, newest first. Folders of other names are not the history's and are
// left alone.
QList<Snapshot> ListSnapshots(const QString& historyFolder);

// What the history window shows of a snapshot next to the loaded trace.
struct SnapshotDetails {
    QList<TraceFunction> trace;
    // Values of the MAN file that differ from the trace's.
    int changedValues = 0;
    // Functions of the loaded trace that the snapshot's trace has too.
    int sharedFunctions = 0;
};

Result<SnapshotDetails> ReadSnapshot(const Snapshot& snapshot, const QList<TraceFunction>& loaded);

// How the snapshot's functions compare with the loaded trace's, as the history lists it:
// "match" when both hold the same functions, "38 of 40 functions" where the snapshot
// holds only part of them; empty while no trace is loaded.
QString MatchText(const SnapshotDetails& details, qsizetype loadedFunctions);

// A state of another module would change little and skip much, so restoring it needs the
// user's word first: the snapshot holds less than 90 % of the loaded trace's functions.
bool LooksLikeOtherModule(const SnapshotDetails& details, qsizetype loadedFunctions);
QString OtherModuleQuestion(const SnapshotDetails& details, qsizetype loadedFunctions);

} // namespace CodingHistory
