#include "install/restore_record.h"

#include "common/clock.h"
#include "install/file_ops.h"
#include "install/folder_tree.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace {

const QByteArray kMagic = "quillon restore record 1";

// Fields are separated by tabs; a path keeps every character but these few.
QByteArray encode(const QString& text)
{
    return text.toUtf8().toPercentEncoding(" !#$&'()*+,-./:;=@[\\]^_`{|}~");
}

QString decode(const QByteArray& field)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(field));
}

QList<QByteArray> fingerprintFields(const Fingerprint& f)
{
    return {QByteArray::number(f.size), QByteArray::number(f.modified), f.hash.isEmpty() ? "-" : f.hash};
}

bool toNumber(const QByteArray& field, qint64& number)
{
    bool ok = false;
    number = field.toLongLong(&ok);
    return ok;
}

bool parseFingerprint(const QList<QByteArray>& fields, qsizetype at, Fingerprint& f)
{
    if (fields.size() != at + 3 || !toNumber(fields[at], f.size) || !toNumber(fields[at + 1], f.modified))
        return false;
    f.hash = fields[at + 2] == "-" ? QByteArray() : fields[at + 2];
    return true;
}

struct ChangeWord {
    const char* word;
    RecordedChange::Kind kind;
    int paths;
};
const ChangeWord kChangeWords[] = {
    {"folder", RecordedChange::Kind::Folder, 1}, {"replaced", RecordedChange::Kind::Replaced, 2},
    {"new", RecordedChange::Kind::New, 1},       {"deleted", RecordedChange::Kind::Deleted, 2},
    {"moved", RecordedChange::Kind::Moved, 2},   {"copied", RecordedChange::Kind::Copied, 1},
};

} // namespace

Fingerprint Fingerprint::of(const QString& path)
{
    const QFileInfo info(path);
    Fingerprint f;
    if (info.isSymLink()) {
        f.size = -1;
        f.hash = QFile::encodeName(info.symLinkTarget()).toHex();
        return f;
    }
    f.size = info.size();
    f.modified = info.lastModified().toMSecsSinceEpoch();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return f;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    f.hash = hash.result().toHex();
    return f;
}

Result<RestoreRecord> RestoreRecord::parse(const QByteArray& bytes)
{
    using R = Result<RestoreRecord>;
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast(); // empty after the last line end, or a line torn by a crash
    if (lines.isEmpty() || lines[0] != kMagic)
        return R::failure(QStringLiteral("not a restore record"));
    RestoreRecord record;
    for (qsizetype n = 1; n < lines.size(); ++n) {
        const QList<QByteArray> f = lines[n].split('\t');
        const QByteArray& word = f[0];
        bool ok = true;
        if (n == 1) {
            ok = word == "run" && f.size() == 4;
            if (ok) {
                record.kind = decode(f[1]);
                record.time = QDateTime::fromString(QString::fromLatin1(f[2]), Qt::ISODate);
                record.source = decode(f[3]);
                ok = record.time.isValid();
            }
        } else if (word == "kept") {
            Fingerprint fp;
            ok = f.size() == 6 && parseFingerprint(f, 3, fp);
            if (ok) {
                record.changes.append({RecordedChange::Kind::Kept, decode(f[1]), decode(f[2])});
                record.kept.insert(decode(f[2]), fp);
            }
        } else if (word == "left") {
            Fingerprint fp;
            ok = f.size() == 5 && parseFingerprint(f, 2, fp);
            if (ok)
                record.left.insert(decode(f[1]), fp);
        } else if (word == "end") {
            ok = f.size() <= 2 && !record.ended;
            record.ended = true;
            record.failure = f.size() == 2 ? decode(f[1]) : QString();
        } else if (word == "undone") {
            qint64 index = -1;
            ok = f.size() == 2 && toNumber(f[1], index) && index >= 0 && index < record.changes.size();
            if (ok)
                record.undone.insert(index);
        } else if (word == "restored") {
            ok = f.size() == 1;
            record.restored = true;
        } else {
            ok = false;
            for (const ChangeWord& c : kChangeWords) {
                if (word != c.word)
                    continue;
                ok = f.size() == 1 + c.paths;
                if (ok)
                    record.changes.append({c.kind, decode(f[1]), c.paths == 2 ? decode(f[2]) : QString()});
            }
        }
        if (!ok)
            return R::failure(QStringLiteral("line ") + QString::number(n + 1) + QStringLiteral(" cannot be read"));
    }
    if (record.kind.isEmpty())
        return R::failure(QStringLiteral("the record names no installation"));
    return record;
}

Result<RestoreRecord> RestoreRecord::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<RestoreRecord>::failure(path + QStringLiteral(": ") + file.errorString());
    auto record = parse(file.readAll());
    if (!record)
        return Result<RestoreRecord>::failure(path + QStringLiteral(": ") + record.error());
    return record;
}

RestoreRecordWriter::RestoreRecordWriter(FileOps& ops, const QString& path) : m_ops(ops), m_path(path), m_file(path) {}

Result<std::unique_ptr<RestoreRecordWriter>> RestoreRecordWriter::create(FileOps& ops, const QString& folder,
                                                                         const QString& kind, const QDateTime& time,
                                                                         const QString& source)
{
    using R = Result<std::unique_ptr<RestoreRecordWriter>>;
    if (!QDir().mkpath(folder))
        return R::failure(folder + QStringLiteral(": the folder for restore records cannot be made"));
    // Two runs within one second get numbered names.
    const QString base = FolderTree::child(folder, DateText::stamp(time) + u'_' + kind);
    QString path = base + QStringLiteral(".txt");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = base + u'_' + QString::number(n) + QStringLiteral(".txt");
    std::unique_ptr<RestoreRecordWriter> writer(new RestoreRecordWriter(ops, path));
    if (!writer->m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return R::failure(path + QStringLiteral(": ") + writer->m_file.errorString());
    writer->m_file.write(kMagic + '\n');
    if (Status s = writer->line({"run", encode(kind), time.toString(Qt::ISODateWithMs).toLatin1(), encode(source)}); !s)
        return R::failure(s.error());
    return R(std::move(writer));
}

Result<std::unique_ptr<RestoreRecordWriter>> RestoreRecordWriter::append(FileOps& ops, const QString& path)
{
    using R = Result<std::unique_ptr<RestoreRecordWriter>>;
    std::unique_ptr<RestoreRecordWriter> writer(new RestoreRecordWriter(ops, path));
    if (!writer->m_file.open(QIODevice::WriteOnly | QIODevice::Append))
        return R::failure(path + QStringLiteral(": ") + writer->m_file.errorString());
    return R(std::move(writer));
}

Status RestoreRecordWriter::line(const QList<QByteArray>& fields)
{
    const QByteArray text = fields.join('\t') + '\n';
    if (m_file.write(text) != text.size() || !m_file.flush())
        return Status::failure(m_path + QStringLiteral(": ") + m_file.errorString());
    return {};
}

Status RestoreRecordWriter::folder(const QString& path)
{
    return line({"folder", encode(path)});
}
Status RestoreRecordWriter::replaced(const QString& path, const QString& copy)
{
    return line({"replaced", encode(path), encode(copy)});
}
Status RestoreRecordWriter::created(const QString& path)
{
    return line({"new", encode(path)});
}
Status RestoreRecordWriter::deleted(const QString& path, const QString& copy)
{
    return line({"deleted", encode(path), encode(copy)});
}
Status RestoreRecordWriter::moved(const QString& from, const QString& to)
{
    return line({"moved", encode(from), encode(to)});
}
Status RestoreRecordWriter::copied(const QString& folder)
{
    return line({"copied", encode(folder)});
}

Status RestoreRecordWriter::left(const QString& path)
{
    if (m_ops.folderExists(path) && !m_ops.isLink(path)) {
        // The folder's own line says that its copy was complete when the files were listed.
        Fingerprint folder;
        folder.size = -2;
        if (Status s = line(QList<QByteArray>{"left", encode(path)} + fingerprintFields(folder)); !s)
            return s;
    }
    const QStringList files =
        m_ops.folderExists(path) && !m_ops.isLink(path) ? RestoreFiles::below(path) : QStringList{path};
    for (const QString& file : files)
        if (Status s = line(QList<QByteArray>{"left", encode(file)} + fingerprintFields(Fingerprint::of(file))); !s)
            return s;
    return {};
}

Status RestoreRecordWriter::kept(const QString& original, const QString& copy)
{
    return line(QList<QByteArray>{"kept", encode(original), encode(copy)}
                + fingerprintFields(Fingerprint::of(original)));
}

Result<QString> RestoreRecordWriter::keepAside(const QString& original)
{
    QString folder = m_path;
    folder.chop(4); // ".txt"
    if (m_asideCount == 0 && !m_ops.folderExists(folder)) {
        if (Status made = m_ops.makeFolder(folder); !made)
            return Result<QString>::failure(made.error());
        if (Status s = this->folder(folder); !s)
            return Result<QString>::failure(s.error());
    }
    const QString copy =
        FolderTree::child(folder, QString::number(++m_asideCount) + u'_' + QFileInfo(original).fileName());
    if (Status s = kept(original, copy); !s)
        return Result<QString>::failure(s.error());
    const Status copied = m_ops.isLink(original) ? m_ops.copyLink(original, copy) : m_ops.copyFile(original, copy);
    if (!copied)
        return Result<QString>::failure(copied.error());
    return copy;
}

Status RestoreRecordWriter::end(const QString& failure)
{
    return failure.isEmpty() ? line({"end"}) : line({"end", encode(failure)});
}
Status RestoreRecordWriter::undone(qsizetype index)
{
    return line({"undone", QByteArray::number(index)});
}
Status RestoreRecordWriter::restored()
{
    return line({"restored"});
}

namespace RestoreFiles {

QStringList below(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isSymLink() || !info.isDir())
            files.append(QDir::toNativeSeparators(info.filePath()));
    }
    return files;
}

} // namespace RestoreFiles
