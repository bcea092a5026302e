#include "install/restore_run.h"

#include "common/paths.h"
#include "install/file_ops.h"
#include "install/folder_tree.h"
#include "install/install_observer.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace Restore {

namespace {

using Kind = RecordedChange::Kind;

bool present(FileOps& ops, const QString& path)
{
    return ops.fileExists(path) || ops.isLink(path) || ops.folderExists(path);
}

QString nameOf(const QString& path)
{
    return QFileInfo(QDir::fromNativeSeparators(path)).fileName();
}

// The paths the run created, which may lie in a folder it created.
QSet<QString> createdPaths(const RestoreRecord& record)
{
    QSet<QString> paths;
    for (const RecordedChange& c : record.changes) {
        if (c.kind == Kind::Kept || c.kind == Kind::Moved)
            paths.insert(c.other);
        else if (c.kind == Kind::New || c.kind == Kind::Copied || c.kind == Kind::Folder)
            paths.insert(c.path);
    }
    return paths;
}

// The saved original of a replaced or deleted file, or why it cannot be used.
QString backupProblem(const RestoreRecord& record, const QString& path, const QString& copy)
{
    const Fingerprint original = record.kept.value(copy);
    if (QFileInfo(path).exists() && Fingerprint::of(path) == original)
        return {}; // already put back
    if (!QFileInfo(copy).exists() && !QFileInfo(copy).isSymLink())
        return copy + QStringLiteral(": the backup of ") + path + QStringLiteral(" is missing");
    if (Fingerprint::of(copy) != original)
        return copy + QStringLiteral(": the backup of ") + path + QStringLiteral(" was changed");
    return {};
}

QString changedProblem(const RestoreRecord& record, const QString& path)
{
    const auto left = record.left.constFind(path);
    if (left == record.left.constEnd() || !QFileInfo(path).exists())
        return {};
    return Fingerprint::of(path) == *left ? QString() : path + QStringLiteral(": changed since the installation");
}

// Changes inside a folder that the run copied in are undone by removing that folder.
bool covered(const RestoreRecord& record, const QString& path)
{
    for (const RecordedChange& c : record.changes)
        if (c.kind == Kind::Copied && path.size() > c.path.size() && path.startsWith(c.path)
            && (path[c.path.size()] == u'/' || path[c.path.size()] == u'\\'))
            return true;
    return false;
}

} // namespace

QString recordsFolder(const QString& perUserFolder)
{
    return Paths::join(perUserFolder, QStringLiteral("\\installs"));
}

QList<RecordSummary> list(const QString& folder, FileOps* checkWith)
{
    QList<RecordSummary> summaries;
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        RecordSummary s;
        s.path = FolderTree::child(folder, name);
        const auto record = RestoreRecord::read(s.path);
        if (!record) {
            s.problems = QStringList{record.error()};
        } else {
            s.kind = record->kind;
            s.time = record->time;
            s.source = record->source;
            s.changes = record->changes.size();
            if (record->restored)
                s.problems = QStringList{QStringLiteral("already restored")};
            else if (checkWith)
                s.problems = check(record.value(), *checkWith);
        }
        if (!s.problems.isEmpty())
            s.refusal = s.problems.size() == 1
                            ? s.problems.first()
                            : QStringLiteral("%1 (and %2 more)").arg(s.problems.first()).arg(s.problems.size() - 1);
        summaries.append(s);
    }
    std::stable_sort(summaries.begin(), summaries.end(),
                     [](const RecordSummary& a, const RecordSummary& b) { return a.time > b.time; });
    return summaries;
}

QString messageText(const QStringList& problems)
{
    constexpr qsizetype shown = 10; // the whole list is in the log or the window
    QString text = problems.mid(0, shown).join(QStringLiteral("\r\n"));
    if (problems.size() > shown)
        text += QStringLiteral("\r\n… and %1 more").arg(problems.size() - shown);
    return text;
}

QStringList check(const RestoreRecord& record, FileOps& ops)
{
    if (record.restored)
        return {QStringLiteral("this installation was already restored")};
    const QSet<QString> created = createdPaths(record);
    QStringList problems;
    const auto add = [&problems](const QString& problem) {
        if (!problem.isEmpty())
            problems.append(problem);
    };
    for (qsizetype i = 0; i < record.changes.size(); ++i) {
        if (record.undone.contains(i))
            continue;
        const RecordedChange& c = record.changes[i];
        if ((c.kind == Kind::Replaced || c.kind == Kind::Deleted) && covered(record, c.path))
            continue;
        switch (c.kind) {
        case Kind::Replaced:
            add(backupProblem(record, c.path, c.other));
            if (!(QFileInfo(c.path).exists() && Fingerprint::of(c.path) == record.kept.value(c.other)))
                add(changedProblem(record, c.path));
            break;
        case Kind::Deleted:
            if (!present(ops, c.path))
                add(backupProblem(record, c.path, c.other));
            break;
        case Kind::New: add(changedProblem(record, c.path)); break;
        case Kind::Moved:
            // A folder of the same name that the run copied in goes before this is undone.
            if (present(ops, c.path) && present(ops, c.other) && !created.contains(c.path))
                add(c.path + QStringLiteral(": in the way of ") + c.other);
            else if (!present(ops, c.path) && !present(ops, c.other))
                add(c.other + QStringLiteral(": the backup of ") + c.path + QStringLiteral(" is missing"));
            break;
        case Kind::Copied:
            // Without the folder's own line the copy stopped half-way: nothing to compare with.
            if (ops.folderExists(c.path) && record.left.contains(c.path))
                for (const QString& file : RestoreFiles::below(c.path))
                    add(record.left.contains(file) ? changedProblem(record, file)
                                                   : file + QStringLiteral(": added after the installation"));
            break;
        case Kind::Folder: {
            const QStringList names =
                QDir(c.path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
            for (const QString& name : names) {
                const QString path = FolderTree::child(c.path, name);
                if (!created.contains(path))
                    add(path + QStringLiteral(": added after the installation"));
            }
            break;
        }
        case Kind::Kept: break;
        }
    }
    return problems;
}

namespace {

// Undoes one change; each is safe to repeat after a restore that stopped half-way.
Status undo(const RestoreRecord& record, const RecordedChange& c, FileOps& ops, InstallObserver& observer)
{
    const auto say = [&observer](const QString& text, const QString& path) {
        observer.processPendingEvents();
        observer.addLine(text + nameOf(path));
        observer.selectLastLine();
    };
    switch (c.kind) {
    case Kind::Folder: {
        if (!ops.folderExists(c.path))
            return {};
        auto entries = ops.list(c.path);
        if (!entries)
            return Status::failure(entries.error());
        if (!entries->isEmpty()) {
            say(QStringLiteral("keep, not empty --> "), c.path);
            return {};
        }
        say(QStringLiteral("remove folder --> "), c.path);
        return ops.removeFolder(c.path);
    }
    case Kind::Kept:
        if (!ops.fileExists(c.other) && !ops.isLink(c.other))
            return {};
        say(QStringLiteral("delete backup --> "), c.other);
        return ops.removeFile(c.other);
    case Kind::Replaced:
    case Kind::Deleted: {
        // Already back when a stopped restore got this far: a replaced file matches its saved
        // original, a deleted one is simply there again.
        const bool back = c.kind == Kind::Replaced
                              ? QFileInfo(c.path).exists() && Fingerprint::of(c.path) == record.kept.value(c.other)
                              : present(ops, c.path);
        if (back)
            return {};
        say(QStringLiteral("restore --> "), c.path);
        return ops.isLink(c.other) ? ops.copyLink(c.other, c.path) : ops.copyFile(c.other, c.path);
    }
    case Kind::New:
        if (!ops.fileExists(c.path) && !ops.isLink(c.path))
            return {};
        say(QStringLiteral("remove --> "), c.path);
        return ops.removeFile(c.path);
    case Kind::Moved:
        if (present(ops, c.path) || !present(ops, c.other))
            return {};
        say(QStringLiteral("move back --> "), c.path);
        return ops.moveFolder(c.other, c.path);
    case Kind::Copied:
        if (ops.isLink(c.path)) {
            say(QStringLiteral("remove --> "), c.path);
            return ops.removeFile(c.path);
        }
        if (!ops.folderExists(c.path))
            return {};
        say(QStringLiteral("remove --> "), c.path);
        return FolderTree::remove(ops, c.path);
    }
    return {};
}

} // namespace

Outcome run(const QString& recordPath, FileOps& ops, InstallObserver& observer)
{
    const auto failed = [](const QString& error) { return Outcome{Outcome::Kind::Failed, {error}}; };
    const auto record = RestoreRecord::read(recordPath);
    if (!record)
        return failed(record.error());
    observer.setCaption(QStringLiteral("Check ") + recordPath);
    const QStringList problems = check(record.value(), ops);
    if (!problems.isEmpty())
        return {Outcome::Kind::Refused, problems};
    auto writer = RestoreRecordWriter::append(ops, recordPath);
    if (!writer)
        return failed(writer.error());

    observer.setCaption(QStringLiteral("Restore ") + record->source);
    observer.addLine(recordPath);
    const qsizetype total = record->changes.size();
    int done = 0;
    for (qsizetype i = total - 1; i >= 0; --i) {
        const RecordedChange& c = record->changes[i];
        const bool coveredChange =
            (c.kind == Kind::Replaced || c.kind == Kind::Deleted) && covered(record.value(), c.path);
        if (!record->undone.contains(i) && !coveredChange) {
            if (Status s = undo(record.value(), record->changes[i], ops, observer); !s)
                return failed(s.error());
            if (Status s = writer.value()->undone(i); !s)
                return failed(s.error());
        }
        ++done;
        observer.setPercentage(static_cast<int>(done * 100 / total));
    }
    if (Status s = writer.value()->restored(); !s)
        return failed(s.error());
    observer.addLine(QString());
    return {Outcome::Kind::Restored, {}};
}

} // namespace Restore
