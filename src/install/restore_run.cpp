#include "install/restore_run.h"

#include "common/logging.h"
#include "common/paths.h"
#include "install/file_ops.h"
#include "install/folder_tree.h"
#include "install/install_lock.h"
#include "install/install_observer.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace Restore {

namespace {

using Kind = RecordedChange::Kind;

bool present(FileOps& ops, const QString& path)
{
    return ops.fileExists(path) || ops.isLink(path) || ops.folderExists(path);
}

bool isLeftover(const QString& name)
{
    const QString suffix = FileOps::partialSuffix();
    return name.size() > suffix.size() && name.endsWith(suffix);
}

bool inside(const QString& path, const QString& folder)
{
    return path == folder
           || (path.size() > folder.size() && path.startsWith(folder)
               && (path[folder.size()] == u'/' || path[folder.size()] == u'\\'));
}

// Inside a folder that the run copied in: the run's own file, which goes with that folder.
bool inCopiedFolder(const RestoreRecord& record, const QString& path)
{
    return std::any_of(record.copied.cbegin(), record.copied.cend(),
                       [&path](const QString& folder) { return path != folder && inside(path, folder); });
}

// Changes inside a folder that the run copied in are undone by removing that folder.
bool covered(const RestoreRecord& record, const RecordedChange& change)
{
    return (change.kind == Kind::Replaced || change.kind == Kind::Deleted) && inCopiedFolder(record, change.path);
}

// Looks at the files a record names, each read at most once however often it is asked.
class Files {
public:
    enum class Verdict { Same, Changed, Missing, Unreadable };

    Files(FileOps& ops, const RestoreRecord& record, QHash<QString, SeenFile>& seen)
        : m_ops(ops), m_record(record), m_seen(seen)
    {
    }

    // Size and time first: a difference is a change; only when both agree are the bytes
    // read, so an edit that kept them is still seen.
    Verdict compare(const QString& path, const Fingerprint& want, QString* reason = nullptr)
    {
        if (!present(m_ops, path))
            return Verdict::Missing;
        const auto stat = m_ops.stat(path);
        if (!stat)
            return unreadable(stat.error(), reason);
        if (want.size == -1)
            return stat->kind == FileOps::Kind::Link ? Verdict::Same : Verdict::Changed;
        if (stat->kind != FileOps::Kind::File || stat->size != want.size
            || (want.modified != -1 && !sameTime(stat->modified, want.modified)))
            return Verdict::Changed;
        if (want.hash.isEmpty())
            return Verdict::Same;
        SeenFile& seen = m_seen[path];
        if (seen.hash.isEmpty() || seen.size != stat->size || seen.modified != stat->modified) {
            const auto hash = m_ops.hashFile(path, m_record.hash);
            if (!hash) {
                m_seen.remove(path);
                return unreadable(hash.error(), reason);
            }
            seen = {stat->size, stat->modified, hash.value()};
        }
        return seen.hash == want.hash ? Verdict::Same : Verdict::Changed;
    }

    // Size and time alone, for a backup whose bytes are checked as it is copied back. A
    // file that cannot be looked at is a failure, not a difference.
    Result<bool> looksSame(const QString& path, const Fingerprint& want)
    {
        if (!present(m_ops, path))
            return false;
        const auto stat = m_ops.stat(path);
        if (!stat)
            return Result<bool>::failure(stat.error());
        if (want.size == -1)
            return stat->kind == FileOps::Kind::Link;
        return stat->kind == FileOps::Kind::File && stat->size == want.size && sameTime(stat->modified, want.modified);
    }

    // The problem with a file the run left, or nothing.
    QString leftProblem(const QString& path)
    {
        const auto left = m_record.left.constFind(path);
        if (left == m_record.left.constEnd())
            return {};
        QString reason;
        switch (compare(path, *left, &reason)) {
        case Verdict::Changed:
            return QCoreApplication::translate("RestoreRun", "%1: changed since the installation").arg(path);
        case Verdict::Unreadable:
            return QCoreApplication::translate("RestoreRun", "%1: cannot be read: %2").arg(path, reason);
        case Verdict::Same:
        case Verdict::Missing: break;
        }
        return {};
    }

    QString backupProblem(const QString& path, const QString& copy)
    {
        if (!present(m_ops, copy))
            return QCoreApplication::translate("RestoreRun", "%1: the backup of %2 is missing").arg(copy, path);
        const auto same = looksSame(copy, m_record.kept.value(copy));
        if (!same)
            return QCoreApplication::translate("RestoreRun", "%1: cannot be read: %2").arg(copy, same.error());
        if (!same.value())
            return QCoreApplication::translate("RestoreRun", "%1: the backup of %2 was changed").arg(copy, path);
        return {};
    }

private:
    bool sameTime(qint64 nanoseconds, qint64 recorded) const
    {
        if (m_record.form == 1)
            return nanoseconds / 1000000 == recorded
                   || (nanoseconds < 0 && (nanoseconds + 1) / 1000000 - 1 == recorded);
        return nanoseconds == recorded;
    }
    Verdict unreadable(const QString& error, QString* reason)
    {
        if (reason) {
            // The system's reason without the path, which the problem names already.
            const qsizetype colon = error.lastIndexOf(QStringLiteral(": "));
            *reason = colon < 0 ? error : error.mid(colon + 2);
        }
        return Verdict::Unreadable;
    }

    FileOps& m_ops;
    const RestoreRecord& m_record;
    QHash<QString, SeenFile>& m_seen;
};

// Every path must stay inside its tool folder once the links of the folders above it are
// resolved, and the tool folders must be those the record names.
class Confinement {
public:
    Confinement(FileOps& ops, const RestoreRecord& record) : m_ops(ops), m_record(record)
    {
        for (const QString& root : record.roots) {
            const auto canonical = m_ops.folderExists(root) ? m_ops.canonicalPath(root) : Result<QString>(QString());
            m_canonical.append(canonical ? canonical.value() : QString());
        }
    }

    void rootProblems(QStringList& problems) const
    {
        for (qsizetype i = 0; i < m_record.roots.size(); ++i) {
            const QString& root = m_record.roots[i];
            if (m_canonical[i].isEmpty())
                problems.append(
                    QCoreApplication::translate("RestoreRun", "%1: a folder the record names is missing").arg(root));
            else if (m_record.form == 2 && m_canonical[i] != root)
                problems.append(
                    QCoreApplication::translate("RestoreRun", "%1: a folder the record names now leads to %2")
                        .arg(root, m_canonical[i]));
        }
    }

    QString problem(const RecordedChange& c, const QString& path, int root)
    {
        const QString& folder = m_canonical.value(root);
        if (folder.isEmpty())
            return {}; // told once for the folder
        // The deepest folder above the path that is there, with its links resolved.
        QString above = Paths::folderOf(path);
        while (above.size() > m_record.roots[root].size() && !m_ops.folderExists(above) && !m_ops.isLink(above))
            above = Paths::folderOf(above);
        auto resolved = m_resolved.constFind(above);
        if (resolved == m_resolved.constEnd()) {
            const auto canonical = m_ops.canonicalPath(above);
            resolved = m_resolved.insert(above, canonical ? canonical.value() : QString());
        }
        if (inside(*resolved, folder))
            return {};
        return QCoreApplication::translate("RestoreRun", "line %1: %2: leads out of %3")
            .arg(QString::number(c.line + 1), path, m_record.roots[root]);
    }

private:
    FileOps& m_ops;
    const RestoreRecord& m_record;
    QStringList m_canonical;
    QHash<QString, QString> m_resolved;
};

QStringList checkRecord(const RestoreRecord& record, FileOps& ops, Files& files, const CheckControl& control,
                        bool& cancelled)
{
    if (record.restored)
        return {QCoreApplication::translate("RestoreRun", "this installation was already restored")};
    QStringList problems;
    const auto add = [&problems](const QString& problem) {
        if (!problem.isEmpty())
            problems.append(problem);
    };
    Confinement confinement(ops, record);
    confinement.rootProblems(problems);
    for (const RecordedChange& c : record.changes) {
        add(confinement.problem(c, c.path, c.root));
        if (c.otherRoot >= 0)
            add(confinement.problem(c, c.other, c.otherRoot));
    }
    if (!problems.isEmpty())
        return problems; // nothing named in the record is read before it is known to be inside

    QSet<QString> created;
    QHash<QString, QString> replacedBy; // the copy of a replaced file, by its path
    for (const RecordedChange& c : record.changes) {
        if (c.kind == Kind::Replaced)
            replacedBy.insert(c.path, c.other);
        if (c.kind == Kind::Kept || c.kind == Kind::Moved)
            created.insert(c.other);
        else if (c.kind == Kind::New || c.kind == Kind::Copied || c.kind == Kind::Folder)
            created.insert(c.path);
    }
    const qsizetype total = record.changes.size();
    for (qsizetype i = 0; i < total; ++i) {
        if (control.cancel && control.cancel->load()) {
            cancelled = true;
            return problems;
        }
        if (control.progress)
            control.progress(i, total);
        const RecordedChange& c = record.changes[i];
        if (record.undone.contains(i) || covered(record, c))
            continue;
        switch (c.kind) {
        case Kind::Replaced:
            if (files.compare(c.path, record.kept.value(c.other)) == Files::Verdict::Same)
                break; // already put back
            add(files.backupProblem(c.path, c.other));
            add(files.leftProblem(c.path));
            break;
        case Kind::Deleted:
            if (!present(ops, c.path))
                add(files.backupProblem(c.path, c.other));
            break;
        case Kind::New: add(files.leftProblem(c.path)); break;
        case Kind::Moved:
            // A folder of the same name that the run copied in goes before this is undone.
            if (present(ops, c.path) && present(ops, c.other) && !created.contains(c.path))
                add(QCoreApplication::translate("RestoreRun", "%1: in the way of %2").arg(c.path, c.other));
            else if (!present(ops, c.path) && !present(ops, c.other))
                add(QCoreApplication::translate("RestoreRun", "%1: the backup of %2 is missing").arg(c.other, c.path));
            break;
        case Kind::Copied: {
            // Without the folder's own line the copy stopped half-way: nothing to compare with.
            if (!ops.folderExists(c.path) || ops.isLink(c.path) || !record.left.contains(c.path))
                break;
            const auto below = RestoreFiles::below(ops, c.path);
            if (!below) {
                add(below.error());
                break;
            }
            for (const QString& file : below.value()) {
                if (!record.left.contains(file)) {
                    if (!isLeftover(file))
                        add(QCoreApplication::translate("RestoreRun", "%1: added after the installation").arg(file));
                    continue;
                }
                // A file the run went on to edit may still be as it was copied in.
                const QString problem = files.leftProblem(file);
                const QString copy = replacedBy.value(file);
                if (copy.isEmpty() || files.compare(file, record.kept.value(copy)) != Files::Verdict::Same)
                    add(problem);
            }
            break;
        }
        case Kind::Folder: {
            if (!ops.folderExists(c.path) || ops.isLink(c.path))
                break;
            const auto entries = ops.list(c.path);
            if (!entries) {
                add(entries.error());
                break;
            }
            for (const FileOps::Entry& entry : entries.value()) {
                const QString path = FolderTree::child(c.path, entry.name);
                if (!created.contains(path) && !isLeftover(entry.name))
                    add(QCoreApplication::translate("RestoreRun", "%1: added after the installation").arg(path));
            }
            break;
        }
        case Kind::Kept:
        case Kind::Leftover: break;
        }
    }
    return problems;
}

// Undoes the changes of a record newest first; each step is safe to repeat after a
// restore that stopped half-way.
class Undo {
public:
    Undo(const RestoreRecord& record, FileOps& ops, Files& files, InstallObserver& observer)
        : m_record(record), m_ops(ops), m_files(files), m_observer(observer)
    {
    }

    Status change(const RecordedChange& c)
    {
        if (c.kind != Kind::Folder && c.kind != Kind::Moved && c.kind != Kind::Copied) {
            const QString& own = c.kind == Kind::Kept ? c.other : c.path;
            if (Status s = removeLeftover(own + FileOps::partialSuffix()); !s)
                return s;
        }
        switch (c.kind) {
        case Kind::Folder: return folder(c.path);
        case Kind::Kept: return kept(c);
        case Kind::Replaced:
        case Kind::Deleted: return putBack(c);
        case Kind::New:
            if (!m_ops.fileExists(c.path) && !m_ops.isLink(c.path))
                return {};
            say(QCoreApplication::translate("RestoreRun", "remove --> "), c.path);
            return m_ops.removeFile(c.path);
        case Kind::Moved:
            if (present(m_ops, c.path) || !present(m_ops, c.other))
                return {};
            say(QCoreApplication::translate("RestoreRun", "move back --> "), c.path);
            return m_ops.moveFolder(c.other, c.path);
        case Kind::Copied:
            if (m_ops.isLink(c.path)) {
                say(QCoreApplication::translate("RestoreRun", "remove --> "), c.path);
                return m_ops.removeFile(c.path);
            }
            if (!m_ops.folderExists(c.path))
                return {};
            say(QCoreApplication::translate("RestoreRun", "remove --> "), c.path);
            return FolderTree::remove(m_ops, c.path);
        case Kind::Leftover: return {};
        }
        return {};
    }

private:
    void say(const QString& text, const QString& path)
    {
        m_observer.processPendingEvents();
        m_observer.addLine(text + Paths::nameOf(path));
        m_observer.selectLastLine();
    }

    Status removeLeftover(const QString& path)
    {
        if (!m_ops.fileExists(path) && !m_ops.isLink(path))
            return {};
        say(QCoreApplication::translate("RestoreRun", "delete leftover --> "), path);
        return m_ops.removeFile(path);
    }

    // A folder the run made goes once the undo has emptied it of what the record lists;
    // anything else in it stays, and is named.
    Status folder(const QString& path)
    {
        if (!m_ops.folderExists(path) || m_ops.isLink(path))
            return {};
        auto entries = m_ops.list(path);
        if (!entries)
            return Status::failure(entries.error());
        QStringList staying;
        for (const FileOps::Entry& entry : entries.value()) {
            if (!isLeftover(entry.name) || entry.kind == FileOps::Kind::Folder)
                staying.append(entry.name);
            else if (Status s = removeLeftover(FolderTree::child(path, entry.name)); !s)
                return s;
        }
        if (!staying.isEmpty()) {
            say(QCoreApplication::translate("RestoreRun", "keep, not empty --> "), path);
            for (const QString& name : staying)
                say(QCoreApplication::translate("RestoreRun", "left there --> "), name);
            return {};
        }
        say(QCoreApplication::translate("RestoreRun", "remove folder --> "), path);
        return m_ops.removeFolder(path);
    }

    // A backup copy goes only while the original is back in its place.
    Status kept(const RecordedChange& c)
    {
        if (!m_ops.fileExists(c.other) && !m_ops.isLink(c.other))
            return {};
        if (inCopiedFolder(m_record, c.path)) {
            // A copy of the run's own file.
        } else if (!m_record.kept.contains(c.other)) {
            // The run stopped before the copy's fingerprint was written, so it changed
            // nothing after it: the copy goes when it holds the original's bytes.
            if (!present(m_ops, c.path)) {
                say(QCoreApplication::translate("RestoreRun", "keep backup --> "), c.other);
                return {};
            }
            const auto copy = m_ops.hashFile(c.other, m_record.hash);
            const auto original = copy ? m_ops.hashFile(c.path, m_record.hash) : copy;
            if (!original)
                return Status::failure(original.error());
            if (copy.value() != original.value()) {
                say(QCoreApplication::translate("RestoreRun", "keep backup --> "), c.other);
                return {};
            }
        } else if (!m_putBack.contains(c.path)) {
            const auto same = m_files.looksSame(c.path, m_record.kept.value(c.other));
            if (!same)
                return Status::failure(same.error());
            if (!same.value()) {
                say(QCoreApplication::translate("RestoreRun", "keep backup --> "), c.other);
                return {};
            }
        }
        say(QCoreApplication::translate("RestoreRun", "delete backup --> "), c.other);
        return m_ops.removeFile(c.other);
    }

    // The backup goes back through a copy hashed on the way, which replaces the file only
    // when its bytes are those recorded.
    Status putBack(const RecordedChange& c)
    {
        const Fingerprint original = m_record.kept.value(c.other);
        const bool back = c.kind == Kind::Replaced ? m_files.compare(c.path, original) == Files::Verdict::Same
                                                   : present(m_ops, c.path);
        if (back) {
            m_putBack.insert(c.path);
            return {};
        }
        say(QCoreApplication::translate("RestoreRun", "restore --> "), c.path);
        Status copied;
        if (m_ops.isLink(c.other)) {
            copied = m_ops.copyLink(c.other, c.path);
        } else {
            FileOps::CopyOptions options;
            options.hash = m_record.hash;
            options.expectedHash = original.hash;
            copied = m_ops.copyFile(c.other, c.path, options);
            if (!copied && copied.error().endsWith(QStringLiteral("its bytes are not those recorded")))
                return Status::failure(
                    QCoreApplication::translate("RestoreRun",
                                                "%1: the backup of %2 was changed; it did not replace anything")
                        .arg(Paths::toNative(c.other), Paths::toNative(c.path)));
        }
        if (copied)
            m_putBack.insert(c.path);
        return copied;
    }

    const RestoreRecord& m_record;
    FileOps& m_ops;
    Files& m_files;
    InstallObserver& m_observer;
    QSet<QString> m_putBack;
};

} // namespace

QString recordsFolder(const QString& perUserFolder)
{
    return Paths::join(perUserFolder, QStringLiteral("\\installs"));
}

QList<RecordSummary> list(const QString& folder, FileOps& ops)
{
    QList<RecordSummary> summaries;
    const auto entries = ops.list(folder);
    if (!entries)
        return summaries;
    for (const FileOps::Entry& entry : entries.value()) {
        if (entry.kind != FileOps::Kind::File || !entry.name.endsWith(u".txt"))
            continue;
        RecordSummary s;
        s.path = FolderTree::child(folder, entry.name);
        const auto bytes = ops.readFile(s.path);
        const auto heading =
            bytes ? RecordHeading::read(bytes.value(), s.path) : Result<RecordHeading>::failure(bytes.error());
        if (!heading) {
            s.unreadable = heading.error();
        } else {
            s.kind = heading->kind;
            s.time = heading->time;
            s.source = heading->source;
            s.toolFolders = heading->roots.mid(heading->roots.isEmpty() ? 0 : 1); // the first holds the records
            s.count = heading->count;
            s.ended = heading->ended;
            s.failure = heading->failure;
            s.restored = heading->restored;
        }
        summaries.append(s);
    }
    std::sort(summaries.begin(), summaries.end(), [](const RecordSummary& a, const RecordSummary& b) {
        return a.time != b.time ? a.time > b.time : a.path > b.path;
    });
    return summaries;
}

QString kindText(const QString& kind)
{
    if (kind == u"sp-daten")
        return QCoreApplication::translate("RestoreRun", "Update SP-daten");
    if (kind == u"winkfp")
        return QCoreApplication::translate("RestoreRun", "Update WinKFP");
    return kind;
}

QString countText(const RecordSummary& record)
{
    if (!record.ended || record.count < 0)
        return QCoreApplication::translate("RestoreRun", "stopped");
    return (record.kind == u"winkfp" ? QCoreApplication::translate("RestoreRun", "%1 folders updated")
                                     : QCoreApplication::translate("RestoreRun", "%1 files updated"))
        .arg(record.count);
}

QString statusText(const RecordSummary& record)
{
    if (!record.unreadable.isEmpty())
        return QCoreApplication::translate("RestoreRun", "cannot be read: %1").arg(record.unreadable);
    if (record.restored)
        return QCoreApplication::translate("RestoreRun", "already restored");
    if (!record.ended)
        return QCoreApplication::translate("RestoreRun", "stopped before it ended");
    return QCoreApplication::translate("RestoreRun", "restorable");
}

qsizetype firstChoice(const QList<RecordSummary>& records)
{
    for (bool ended : {true, false})
        for (qsizetype i = 0; i < records.size(); ++i)
            if (records[i].unreadable.isEmpty() && !records[i].restored && records[i].ended == ended)
                return i;
    return records.isEmpty() ? -1 : 0;
}

QString messageText(const QStringList& problems)
{
    constexpr qsizetype shown = 10; // the whole list is in the log or the window
    QString text = problems.mid(0, shown).join(QStringLiteral("\r\n"));
    if (problems.size() > shown)
        text += QCoreApplication::translate("RestoreRun", "\r\n… and %1 more").arg(problems.size() - shown);
    return text;
}

Result<CheckResult> check(const QString& recordPath, FileOps& ops, const CheckControl& control)
{
    using R = Result<CheckResult>;
    CheckResult result;
    result.recordPath = recordPath;
    auto bytes = ops.readFile(recordPath);
    if (!bytes)
        return R::failure(bytes.error());
    result.recordBytes = bytes.value();
    const auto record = RestoreRecord::parse(result.recordBytes, recordPath);
    if (!record)
        return R::failure(Paths::toNative(recordPath) + QStringLiteral(": ") + record.error());
    Files files(ops, record.value(), result.seen);
    result.problems = checkRecord(record.value(), ops, files, control, result.cancelled);
    return result;
}

Outcome run(const QString& recordPath, FileOps& ops, InstallObserver& observer, const RunOptions& options)
{
    const auto failed = [](const QString& error) { return Outcome{Outcome::Kind::Failed, {error}}; };
    InstallLock lock(QFileInfo(recordPath).absolutePath());
    if (const QString held = lock.take(); !held.isEmpty())
        return {Outcome::Kind::Refused, {held}};
    observer.setCaption(QCoreApplication::translate("RestoreRun", "Check %1").arg(recordPath));
    const auto bytes = ops.readFile(recordPath);
    if (!bytes)
        return failed(bytes.error());
    const auto parsed = RestoreRecord::parse(bytes.value(), recordPath);
    if (!parsed)
        return {Outcome::Kind::Refused, {Paths::toNative(recordPath) + QStringLiteral(": ") + parsed.error()}};
    const RestoreRecord& record = parsed.value();
    if (!record.ended && !record.restored && !options.stoppedRun)
        return {
            Outcome::Kind::Refused,
            {QCoreApplication::translate("RestoreRun", "the installation stopped before it ended; its record can be "
                                                       "restored as far as it goes, as a stopped run")}};
    QHash<QString, SeenFile> seen;
    if (options.checked && options.checked->recordPath == recordPath && options.checked->recordBytes == bytes.value())
        seen = options.checked->seen;
    Files files(ops, record, seen);
    bool cancelled = false;
    const QStringList problems = checkRecord(record, ops, files, {}, cancelled);
    qCDebug(lcInstall) << "restore of" << recordPath << "checked:" << problems.size() << "problems";
    if (!problems.isEmpty())
        return {Outcome::Kind::Refused, problems};
    auto writer = RestoreRecordWriter::append(ops, recordPath, record);
    if (!writer)
        return failed(writer.error());

    observer.setCaption(QCoreApplication::translate("RestoreRun", "Restore %1").arg(record.source));
    observer.addLine(recordPath);
    Undo undo(record, ops, files, observer);
    const qsizetype total = record.changes.size();
    for (qsizetype i = total - 1; i >= 0; --i) {
        const RecordedChange& c = record.changes[i];
        if (!record.undone.contains(i) && !covered(record, c)) {
            if (Status s = undo.change(c); !s)
                return failed(s.error());
            if (Status s = writer.value()->undone(i); !s)
                return failed(s.error());
        }
        observer.setPercentage(static_cast<int>((total - i) * 100 / total));
    }
    if (Status s = writer.value()->restored(); !s)
        return failed(s.error());
    observer.addLine(QString());
    return {Outcome::Kind::Restored, {}};
}

} // namespace Restore
