#include "install/folder_sync.h"

#include "common/clock.h"
#include "install/file_ops.h"
#include "install/folder_tree.h"
#include "install/install_observer.h"
#include "install/restore_record.h"

#include "common/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace {

using FolderTree::child;

QList<FileOps::Entry> ofKind(const QList<FileOps::Entry>& entries, FileOps::Kind kind)
{
    QList<FileOps::Entry> result;
    std::copy_if(entries.begin(), entries.end(), std::back_inserter(result),
                 [kind](const FileOps::Entry& e) { return e.kind == kind; });
    return result;
}

// True when one folder lies inside the other or both are the same: replacing the
// target's subfolders would then delete or endlessly copy the source.
Result<bool> overlaps(FileOps& ops, const QString& source, const QString& target)
{
    const auto a = ops.canonicalPath(source);
    const auto b = a ? ops.canonicalPath(target) : a;
    if (!b)
        return Result<bool>::failure(b.error());
    const auto inside = [](const QString& inner, const QString& outer) {
        return inner == outer
               || inner.startsWith(outer.endsWith(QDir::separator()) ? outer : outer + QDir::separator());
    };
    return inside(a.value(), b.value()) || inside(b.value(), a.value());
}

// The progress list's words, shown in the window's language.
QString shown(const char* text)
{
    return QCoreApplication::translate("FolderSync", text);
}

const char* const kBackup = QT_TRANSLATE_NOOP("FolderSync", "backup --> ");
const char* const kUpdate = QT_TRANSLATE_NOOP("FolderSync", "update --> ");
const char* const kRemain = QT_TRANSLATE_NOOP("FolderSync", "remain --> ");
const char* const kCopy = QT_TRANSLATE_NOOP("FolderSync", "copy --> ");
const char* const kDelete = QT_TRANSLATE_NOOP("FolderSync", "delete --> ");
const char* const kSkipLink = QT_TRANSLATE_NOOP("FolderSync", "skip link --> ");
const char* const kSkipSpecial = QT_TRANSLATE_NOOP("FolderSync", "skip, not a regular file --> ");
const char* const kLeftover = QT_TRANSLATE_NOOP("FolderSync", "delete leftover --> ");

// The entries that replace or back up as subfolders: folders, and links wherever they
// point. A link is an entry of its own, never looked at through its target.
QList<FileOps::Entry> subfolders(const QList<FileOps::Entry>& entries)
{
    QList<FileOps::Entry> result;
    for (const FileOps::Entry& e : entries)
        if (e.kind == FileOps::Kind::Folder || e.kind == FileOps::Kind::Link)
            result.append(e);
    return result;
}

// The dated backup folders beside target ("ECU_20201231_235959", "ECU_20201231_235959_2").
QStringList datedBackups(const QString& target, const QList<FileOps::Entry>& siblings)
{
    static const QRegularExpression stamp(QStringLiteral("^_\\d{8}_\\d{6}(_\\d+)?$"));
    const QString name = Paths::nameOf(target);
    QStringList folders;
    for (const FileOps::Entry& e : siblings)
        if (e.kind == FileOps::Kind::Folder && e.name.startsWith(name)
            && stamp.match(e.name.mid(name.size())).hasMatch())
            folders.append(child(Paths::folderOf(target), e.name));
    return folders;
}

} // namespace

QString FolderSync::backupFolderFor(const QString& target)
{
    return FolderTree::unusedPath(m_ops, target + u'_' + DateText::stamp(m_clock.now()));
}

void FolderSync::step(int& counter, qsizetype total)
{
    ++counter;
    m_observer.setPercentage(total > 0 ? static_cast<int>(counter * 100 / total) : 0);
}

Status FolderSync::removeLeftovers(const QString& folder)
{
    auto entries = m_ops.list(folder);
    if (!entries)
        return Status::failure(entries.error());
    const QString suffix = FileOps::partialSuffix();
    for (const FileOps::Entry& entry : entries.value()) {
        if (entry.kind == FileOps::Kind::Folder || entry.name.size() <= suffix.size() || !entry.name.endsWith(suffix))
            continue;
        m_observer.addLine(shown(kLeftover) + entry.name);
        const QString path = child(folder, entry.name);
        if (Status noted = record([&](RestoreRecordWriter& r) { return r.leftover(path); }); !noted)
            return noted;
        if (Status removed = m_ops.removeFile(path); !removed)
            return removed;
    }
    return {};
}

// The partial copies killed runs left in the target, in its dated backups beside it and,
// for folders replaced whole, one level down.
Status FolderSync::removeAllLeftovers(const QString& target, bool inSubfolders)
{
    QStringList folders{target};
    if (auto siblings = m_ops.list(Paths::folderOf(target)); siblings)
        folders += datedBackups(target, siblings.value());
    else
        return Status::failure(siblings.error());
    if (inSubfolders) {
        auto entries = m_ops.list(target);
        if (!entries)
            return Status::failure(entries.error());
        for (const FileOps::Entry& e : entries.value())
            if (e.kind == FileOps::Kind::Folder)
                folders.append(child(target, e.name));
    }
    for (const QString& folder : folders)
        if (Status cleaned = removeLeftovers(folder); !cleaned)
            return cleaned;
    return {};
}

Status FolderSync::eachSourceItem(const QString& source, FileOps::Kind kind,
                                  const std::function<Status(const QString& name)>& work)
{
    auto entries = m_ops.list(source);
    if (!entries)
        return Status::failure(entries.error());
    const qsizetype total = ofKind(entries.value(), kind).size();
    int counter = 0;
    for (const FileOps::Entry& entry : entries.value()) {
        if (entry.kind != kind && entry.kind != FileOps::Kind::Link && entry.kind != FileOps::Kind::Special)
            continue;
        m_observer.processPendingEvents();
        if (entry.kind != kind) {
            // A link in a data set is not a file of it (following it could copy anything);
            // a FIFO or device is never opened.
            m_observer.addLine(shown(entry.kind == FileOps::Kind::Link ? kSkipLink : kSkipSpecial) + entry.name);
            m_observer.selectLastLine();
            continue;
        }
        if (Status done = work(entry.name); !done)
            return done;
        step(counter, total);
    }
    m_observer.addLine(QString());
    return {};
}

// savedIn: the backup folder that already holds the target's files; without one, a file
// about to be overwritten is first kept aside for the restore record.
Status FolderSync::copyWhereNewer(const QString& source, const QString& target, const QString& name,
                                  const QString& savedIn)
{
    const QString from = child(source, name);
    const QString to = child(target, name);
    const bool exists = m_ops.fileExists(to);
    if (exists) {
        auto sourceTime = m_ops.modifiedTime(from);
        if (!sourceTime)
            return Status::failure(sourceTime.error());
        auto targetTime = m_ops.modifiedTime(to);
        if (!targetTime)
            return Status::failure(targetTime.error());
        if (sourceTime.value() <= targetTime.value()) {
            m_observer.addLine(shown(kRemain) + name);
            return {};
        }
        m_observer.addLine(shown(kUpdate) + name);
        if (Status noted = record([&](RestoreRecordWriter& r) {
                if (!savedIn.isEmpty())
                    return r.replaced(to, child(savedIn, name));
                const Result<QString> copy = r.keepAside(to);
                return copy ? r.replaced(to, copy.value()) : Status::failure(copy.error());
            });
            !noted)
            return noted;
    } else {
        m_observer.addLine(shown(kCopy) + name);
        if (Status noted = record([&](RestoreRecordWriter& r) { return r.created(to); }); !noted)
            return noted;
    }
    Fingerprint written;
    FileOps::CopyOptions options{m_record ? &written : nullptr};
    options.targetAbsent = !exists;
    if (Status copied = m_ops.copyFile(from, to, options); !copied)
        return copied;
    ++m_updateCount;
    return record([&](RestoreRecordWriter& r) { return r.left(to, written); });
}

Status FolderSync::UpdateFiles(const QString& source, const QString& target, MessageAnswer backup)
{
    if (Status cleaned = removeAllLeftovers(target, false); !cleaned)
        return cleaned;
    QString backupFolder; // holds the target's files once they are backed up
    if (backup == MessageAnswer::Yes) {
        m_observer.setCaption(QCoreApplication::translate("FolderSync", "Backup %1").arg(target));
        backupFolder = backupFolderFor(target);
        // Noted first: a folder that fails to be made because it exists is only ever
        // removed by a restore once it is empty.
        if (Status noted = record([&](RestoreRecordWriter& r) { return r.folder(backupFolder); }); !noted)
            return noted;
        if (Status made = m_ops.makeFolder(backupFolder); !made)
            return made;
        m_observer.addLine(target);
        auto entries = m_ops.list(target);
        if (!entries)
            return Status::failure(entries.error());
        // Links are saved as links: the update may replace one by a file of the same name.
        QList<FileOps::Entry> files = entries.value();
        files.removeIf([](const FileOps::Entry& e) { return e.kind == FileOps::Kind::Folder; });
        int counter = 0;
        for (const FileOps::Entry& file : files) {
            m_observer.processPendingEvents();
            if (file.kind == FileOps::Kind::Special) {
                m_observer.addLine(shown(kSkipSpecial) + file.name);
                m_observer.selectLastLine();
                continue;
            }
            m_observer.addLine(shown(kBackup) + file.name);
            m_observer.selectLastLine();
            const QString from = child(target, file.name);
            const QString to = child(backupFolder, file.name);
            if (Status noted = record([&](RestoreRecordWriter& r) { return r.kept(from, to); }); !noted)
                return noted;
            Fingerprint written{-1, 0, {}};
            FileOps::CopyOptions options{m_record ? &written : nullptr};
            options.targetAbsent = true; // the backup folder was made just now
            Status copied =
                file.kind == FileOps::Kind::Link ? m_ops.copyLink(from, to) : m_ops.copyFile(from, to, options);
            if (copied)
                copied = record([&](RestoreRecordWriter& r) { return r.left(to, written); });
            if (!copied)
                return copied;
            step(counter, files.size());
        }
        m_observer.addLine(QString());
    }

    m_observer.setCaption(QCoreApplication::translate("FolderSync", "Update %1").arg(target));
    m_observer.addLine(target);
    return eachSourceItem(source, FileOps::Kind::File, [&](const QString& name) {
        const Status done = copyWhereNewer(source, target, name, backupFolder);
        m_observer.selectLastLine();
        return done;
    });
}

Status FolderSync::ReplaceFolders(const QString& source, const QString& target, MessageAnswer backup)
{
    const bool replace = backup == MessageAnswer::Yes || backup == MessageAnswer::No;
    const bool keep = backup == MessageAnswer::Yes;
    m_observer.setCaption((!replace ? QCoreApplication::translate("FolderSync", "Update %1")
                           : keep   ? QCoreApplication::translate("FolderSync", "Backup %1")
                                    : QCoreApplication::translate("FolderSync", "Delete %1"))
                              .arg(target));
    const auto overlap = overlaps(m_ops, source, target);
    if (!overlap)
        return Status::failure(overlap.error());
    if (overlap.value())
        return Status::failure(source + QStringLiteral(" and ") + target
                               + QStringLiteral(" overlap: one would replace the other."));

    if (Status cleaned = removeAllLeftovers(target, true); !cleaned)
        return cleaned;
    if (replace) {
        m_observer.addLine(target);
        QString backupFolder;
        if (keep) {
            backupFolder = backupFolderFor(target);
            if (Status noted = record([&](RestoreRecordWriter& r) { return r.folder(backupFolder); }); !noted)
                return noted;
            if (Status made = m_ops.makeFolder(backupFolder); !made)
                return made;
        }
        auto entries = m_ops.list(target);
        if (!entries)
            return Status::failure(entries.error());
        const QList<FileOps::Entry> folders = subfolders(entries.value());
        int counter = 0;
        for (const FileOps::Entry& folder : folders) {
            m_observer.processPendingEvents();
            m_observer.addLine(shown(keep ? kBackup : kDelete) + folder.name);
            m_observer.selectLastLine();
            const QString path = child(target, folder.name);
            if (keep) {
                if (Status noted =
                        record([&](RestoreRecordWriter& r) { return r.moved(path, child(backupFolder, folder.name)); });
                    !noted)
                    return noted;
            }
            Status done = keep ? m_ops.moveFolder(path, child(backupFolder, folder.name))
                          : folder.kind == FileOps::Kind::Link ? m_ops.removeFile(path)
                                                               : FolderTree::remove(m_ops, path);
            if (!done)
                return done;
            step(counter, folders.size());
        }
    }

    m_observer.addLine(QString());
    m_observer.setCaption(QCoreApplication::translate("FolderSync", "Update %1").arg(target));
    m_observer.addLine(target);
    return eachSourceItem(source, FileOps::Kind::Folder, [&](const QString& name) {
        m_observer.addLine(shown(kCopy) + name);
        m_observer.selectLastLine();
        const QString to = child(target, name);
        if (Status noted = record([&](RestoreRecordWriter& r) { return r.copied(to); }); !noted)
            return noted;
        FolderTree::CopiedFile left;
        if (m_record)
            left = [this](const QString& path, const Fingerprint& written) { return m_record->left(path, written); };
        if (Status copied = FolderTree::copy(m_ops, child(source, name), to, left); !copied)
            return copied;
        if (Status noted = record([&](RestoreRecordWriter& r) { return r.leftFolder(to); }); !noted)
            return noted;
        ++m_updateCount;
        return Status();
    });
}

Status FolderSync::UpdateDatenFiles(const QString& source, const QString& target, const QString& chassis)
{
    m_observer.setCaption(QCoreApplication::translate("FolderSync", "Update files in %1").arg(target));
    if (Status cleaned = removeAllLeftovers(target, false); !cleaned)
        return cleaned;
    m_observer.addLine(target);
    const QString names[] = {
        QStringLiteral("BR_REF.DAT"),        chassis + QStringLiteral("AEDOC.000"), chassis + QStringLiteral("AT.000"),
        chassis + QStringLiteral("ZST.000"), QStringLiteral("SELECT.ASC"),          QStringLiteral("SELECT.DAT"),
        QStringLiteral("VARIABLE.ASC"),      QStringLiteral("VARIABLE.DAT"),
    };
    for (const QString& name : names) {
        if (!m_ops.fileExists(child(source, name)))
            continue;
        if (Status done = copyWhereNewer(source, target, name, QString()); !done)
            return done;
        m_observer.selectLastLine();
    }
    return {};
}

Status FolderSync::DeleteAtsFiles(const QString& folder)
{
    m_observer.setCaption(QCoreApplication::translate("FolderSync", "Check files"));
    auto entries = m_ops.list(folder);
    if (!entries)
        return Status::failure(entries.error());
    for (const FileOps::Entry& sub : ofKind(entries.value(), FileOps::Kind::Folder)) {
        const QString subPath = child(folder, sub.name);
        auto files = m_ops.list(subPath);
        if (!files)
            return Status::failure(files.error());
        for (const FileOps::Entry& file : ofKind(files.value(), FileOps::Kind::File)) {
            m_observer.processPendingEvents();
            if (file.name.right(4).toUpper() != u".ATS")
                continue;
            const QString path = child(subPath, file.name);
            if (Status noted = record([&](RestoreRecordWriter& r) {
                    const Result<QString> copy = r.keepAside(path);
                    return copy ? r.deleted(path, copy.value()) : Status::failure(copy.error());
                });
                !noted)
                return noted;
            if (Status removed = m_ops.removeFile(path); !removed)
                return removed;
        }
    }
    return {};
}
