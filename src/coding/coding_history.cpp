#include "coding/coding_history.h"

#include "common/clock.h"
#include "common/logging.h"
#include "common/paths.h"
#include "common/program_folder.h"
#include "common/text_file.h"
#include "trace/trace_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace CodingHistory {

namespace {

const QString kTraceTail = QStringLiteral("\\FSW_PSW.TRC");
const QString kManipulationTail = QStringLiteral("\\FSW_PSW.MAN");
// As DateText::stamp writes it.
const QString kStampFormat = QStringLiteral("yyyyMMdd_HHmmss");

// Stamp, an optional "_n" for a second save in the same second, then " chassis - module".
const QRegularExpression& namePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{8}_\\d{6})(?:_(\\d+))?(?: (.*))?$"));
    return pattern;
}

// Chassis and module come from folder and file names, but a name must survive every
// file system the program runs on.
QString safeName(const QString& text)
{
    QString safe;
    for (const QChar c : text)
        safe += c < u' ' || QStringLiteral("\\/:*?\"<>|").contains(c) ? u'_' : c;
    return safe.trimmed();
}

QString folderName(const QDateTime& time, const QString& chassis, const QString& module, int number)
{
    QString name = DateText::stamp(time);
    if (number > 1)
        name += u'_' + QString::number(number);
    const QString label = safeName(chassis + QStringLiteral(" - ") + module);
    if (label != u"-")
        name += u' ' + label;
    return name;
}

void removeSnapshot(const QString& folder)
{
    // Only the history's own files: anything the user put there stays.
    QFile::remove(Paths::join(folder, kTraceTail));
    QFile::remove(Paths::join(folder, kManipulationTail));
    QDir().rmdir(folder);
}

struct Listed {
    Snapshot snapshot;
    int number = 1;
};

QList<Listed> listNewestFirst(const QString& historyFolder)
{
    QList<Listed> listed;
    // Only real folders: pruning through a link would delete files in the folder it
    // points to, which the history never made.
    const QFileInfoList entries = QDir(historyFolder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink() || entry.isJunction())
            continue;
        const QString name = entry.fileName();
        const QRegularExpressionMatch match = namePattern().match(name);
        if (!match.hasMatch())
            continue;
        const QDateTime time = QDateTime::fromString(match.captured(1), kStampFormat);
        if (!time.isValid())
            continue;
        const int number = match.captured(2).isEmpty() ? 1 : match.captured(2).toInt();
        listed.append({{Paths::join(historyFolder, u'\\' + name), time, match.captured(3)}, number});
    }
    std::sort(listed.begin(), listed.end(), [](const Listed& a, const Listed& b) {
        return a.snapshot.time != b.snapshot.time ? a.snapshot.time > b.snapshot.time : a.number > b.number;
    });
    return listed;
}

} // namespace

QString defaultFolder()
{
    return Paths::join(ProgramFiles::userDataFolder(), QStringLiteral("\\History"));
}

QString tracePath(const Snapshot& snapshot)
{
    return Paths::join(snapshot.folder, kTraceTail);
}

QString manipulationPath(const Snapshot& snapshot)
{
    return Paths::join(snapshot.folder, kManipulationTail);
}

Status KeepSnapshot(const QString& historyFolder, const QDateTime& time, const QString& chassis, const QString& module,
                    const QStringList& traceLines, const QStringList& manipulationLines)
{
    // A second save within the same second numbers its folder, so it sorts as the newer.
    const QString stamp = DateText::stamp(time);
    int number = 1;
    for (const Listed& listed : listNewestFirst(historyFolder))
        if (DateText::stamp(listed.snapshot.time) == stamp)
            number = std::max(number, listed.number + 1);
    QString folder = Paths::join(historyFolder, u'\\' + folderName(time, chassis, module, number));
    while (QFileInfo::exists(folder))
        folder = Paths::join(historyFolder, u'\\' + folderName(time, chassis, module, ++number));
    if (!QDir().mkpath(folder))
        return Status::failure(Paths::describeFileError(
            folder, QCoreApplication::translate("CodingHistory", "the folder cannot be created.")));

    const Snapshot snapshot{folder, time, QString()};
    Status written = TextFile::writeLinesAtomically(tracePath(snapshot), traceLines);
    if (written)
        written = TextFile::writeLinesAtomically(manipulationPath(snapshot), manipulationLines);
    if (!written) {
        removeSnapshot(folder);
        return written;
    }

    qCDebug(lcCoding) << "kept snapshot" << folder;
    const QList<Listed> listed = listNewestFirst(historyFolder);
    for (qsizetype i = kKept; i < listed.size(); ++i)
        removeSnapshot(listed[i].snapshot.folder);
    return {};
}

QList<Snapshot> ListSnapshots(const QString& historyFolder)
{
    QList<Snapshot> snapshots;
    for (const Listed& listed : listNewestFirst(historyFolder))
        snapshots.append(listed.snapshot);
    return snapshots;
}

Result<SnapshotDetails> ReadSnapshot(const Snapshot& snapshot, const QList<TraceFunction>& loaded)
{
    const Result<QStringList> traceLines = ReadTraceFile(tracePath(snapshot));
    if (!traceLines)
        return Result<SnapshotDetails>::failure(traceLines.error());
    Result<QList<TraceFunction>> trace = ReadTraceFunctions(traceLines.value());
    if (!trace)
        return Result<SnapshotDetails>::failure(tracePath(snapshot) + QStringLiteral(":\r\n") + trace.error());

    SnapshotDetails details;
    details.trace = std::move(trace).value();
    QHash<QString, const QStringList*> traceValues;
    traceValues.reserve(details.trace.size());
    for (const TraceFunction& function : details.trace)
        traceValues.insert(function.line, &function.values);

    // A MAN file that cannot be read leaves the snapshot usable: its trace is what a
    // restore needs.
    const Result<QStringList> manLines = ReadTraceFile(manipulationPath(snapshot));
    const Result<QList<TraceFunction>> written =
        manLines ? ReadTraceFunctions(manLines.value()) : Result<QList<TraceFunction>>(QList<TraceFunction>());
    for (const TraceFunction& function : written ? written.value() : QList<TraceFunction>()) {
        const QStringList* before = traceValues.value(function.line, nullptr);
        if (!before || before->size() != function.values.size())
            continue;
        for (qsizetype i = 0; i < before->size(); ++i)
            details.changedValues += before->at(i) != function.values[i] ? 1 : 0;
    }
    for (const TraceFunction& function : loaded)
        details.sharedFunctions += traceValues.contains(function.line) ? 1 : 0;
    return details;
}

QString MatchText(const SnapshotDetails& details, qsizetype loadedFunctions)
{
    if (loadedFunctions == 0)
        return {};
    if (details.sharedFunctions == loadedFunctions && details.trace.size() == loadedFunctions)
        return QCoreApplication::translate("CodingHistory", "match");
    return QCoreApplication::translate("CodingHistory", "%1 of %2 functions")
        .arg(details.sharedFunctions)
        .arg(loadedFunctions);
}

bool LooksLikeOtherModule(const SnapshotDetails& details, qsizetype loadedFunctions)
{
    return details.sharedFunctions * 10 < loadedFunctions * 9;
}

QString OtherModuleQuestion(const SnapshotDetails& details, qsizetype loadedFunctions)
{
    return QCoreApplication::translate(
               "CodingHistory", "Only %1 of %2 functions of this trace are in the snapshot. Is this the same module?")
        .arg(details.sharedFunctions)
        .arg(loadedFunctions);
}

} // namespace CodingHistory
