#include "install/restore_record.h"

#include "common/clock.h"
#include "common/paths.h"
#include "install/folder_tree.h"
#include "install/record_line.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QByteArray kMagic1 = "quillon restore record 1";
const QByteArray kMagic2 = "quillon restore record 2";
constexpr qsizetype kCheckSize = 8;

using RecordText::decode;
using RecordText::encode;
using RecordText::isInnerPath;

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

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

using Kind = RecordedChange::Kind;

struct ChangeWord {
    const char* word;
    Kind kind;
    int paths;
};
const ChangeWord kChangeWords[] = {
    {"folder", Kind::Folder, 1},     {"replaced", Kind::Replaced, 2}, {"new", Kind::New, 1},
    {"deleted", Kind::Deleted, 2},   {"moved", Kind::Moved, 2},       {"copied", Kind::Copied, 1},
    {"leftover", Kind::Leftover, 1},
};

const ChangeWord* changeWord(const QByteArray& word)
{
    for (const ChangeWord& c : kChangeWords)
        if (word == c.word)
            return &c;
    return nullptr;
}

// A record line split into its check and its fields.
struct Line {
    bool resumed = false; // the first line after one that was not written whole
    quint32 check = 0;
    QByteArray body;
    bool wellFormed = false;
};

Line splitLine(const QByteArray& text)
{
    Line line;
    qsizetype at = 0;
    if (text.startsWith('r')) {
        line.resumed = true;
        at = 1;
    }
    if (text.size() < at + kCheckSize + 1 || text[at + kCheckSize] != '\t')
        return line;
    bool ok = false;
    line.check = text.mid(at, kCheckSize).toUInt(&ok, 16);
    line.body = text.mid(at + kCheckSize + 1);
    line.wellFormed = ok;
    return line;
}

// The whole lines of a record; the bytes after the last line end are a torn line.
QList<QByteArray> wholeLines(const QByteArray& bytes, bool& tornTail)
{
    QList<QByteArray> lines = bytes.split('\n');
    tornTail = !lines.last().isEmpty();
    lines.removeLast();
    return lines;
}

QString lineError(qsizetype n, const QString& what)
{
    return QCoreApplication::translate("RestoreRecord", "line %1 %2").arg(QString::number(n + 1), what);
}

// Reads the fields of a record's lines into a record. Paths are given as they are
// written: one field (form 1) or a tool folder's number and a relative path (form 2).
class Reader {
public:
    Reader(RestoreRecord& record) : r(record) {}

    QString line(qsizetype n, const QList<QByteArray>& f)
    {
        m_line = n;
        const QByteArray& word = f[0];
        const int width = r.form == 1 ? 1 : 2; // fields per path
        bool ok = true;
        if (n == 1) {
            ok = word == "run" && f.size() == (r.form == 1 ? 4 : 5);
            if (ok) {
                r.kind = decode(f[1]);
                r.time = QDateTime::fromString(QString::fromLatin1(f[2]), Qt::ISODate);
                r.source = decode(f[3]);
                ok = r.time.isValid() && !r.kind.isEmpty() && (r.form == 1 || FileHashes::fromName(f[4], r.hash));
            }
        } else if (word == "tool" && r.form == 2) {
            const QString root = decode(f.value(1));
            ok = f.size() == 2 && QDir::isAbsolutePath(root);
            r.roots.append(root);
        } else if (word == "kept") {
            // The first form holds the copy's fingerprint here; the second in a left line
            // written once the copy is made.
            Fingerprint fp;
            ok = r.form == 1 ? f.size() == 6 && parseFingerprint(f, 3, fp) : f.size() == 5;
            if (ok) {
                RecordedChange c{Kind::Kept, {}, {}};
                if (QString e = paths(f, c, 2); !e.isEmpty())
                    return e;
                if (r.form == 1)
                    r.kept.insert(c.other, fp);
                r.changes.append(c);
            }
        } else if (word == "left") {
            Fingerprint fp;
            ok = f.size() == 1 + width + 3 && parseFingerprint(f, 1 + width, fp);
            RecordedChange c{Kind::Folder, {}, {}};
            if (ok) {
                if (QString e = paths(f, c, 1); !e.isEmpty())
                    return e;
                r.left.insert(c.path, fp);
            }
        } else if (word == "end") {
            ok = !r.ended && (r.form == 1 ? f.size() <= 2 : f.size() == 2 || f.size() == 3);
            r.ended = true;
            qint64 count = -1;
            if (r.form == 2)
                ok = ok && toNumber(f[1], count);
            r.count = qint32(count);
            const qsizetype at = r.form == 1 ? 1 : 2;
            r.failure = f.size() > at ? decode(f[at]) : QString();
        } else if (word == "undone") {
            qint64 index = -1;
            ok = f.size() == 2 && toNumber(f[1], index) && index >= 0 && index < r.changes.size();
            if (ok)
                r.undone.insert(index);
        } else if (word == "restored") {
            ok = f.size() == 1;
            r.restored = true;
        } else if (const ChangeWord* c = changeWord(word); c && f.size() == 1 + c->paths * width) {
            RecordedChange change{c->kind, {}, {}};
            if (QString e = paths(f, change, c->paths); !e.isEmpty())
                return e;
            r.changes.append(change);
        } else {
            ok = false;
        }
        return ok ? QString() : QCoreApplication::translate("RestoreRecord", "cannot be read");
    }

    // Form 1 names no tool folders: the folders its paths lie in are those the run made
    // dated backups beside, and the records folder.
    void rootsOfFirstForm(const QList<QByteArray>& lines, const QString& recordPath)
    {
        static const QRegularExpression stamp(QStringLiteral("_\\d{8}_\\d{6}$"));
        r.roots.append(Paths::folderOf(QDir::toNativeSeparators(QDir::cleanPath(QDir().absoluteFilePath(recordPath)))));
        for (const QByteArray& text : lines) {
            const QList<QByteArray> f = text.split('\t');
            if (f.size() != 2 || f[0] != "folder")
                continue;
            const QString path = decode(f[1]);
            if (stamp.match(path).hasMatch())
                r.roots.append(Paths::folderOf(Paths::folderOf(path) + u'/' + Paths::nameOf(path).chopped(16)));
        }
        r.roots.removeAll(QString());
        r.roots.removeDuplicates();
    }

private:
    // Fills path (and other) of a change; an error when a path is not inside a tool folder.
    QString paths(const QList<QByteArray>& f, RecordedChange& c, int count)
    {
        c.line = m_line;
        for (int i = 0; i < count; ++i) {
            QString& path = i == 0 ? c.path : c.other;
            int& root = i == 0 ? c.root : c.otherRoot;
            if (r.form == 2) {
                qint64 index = -1;
                const QString relative = decode(f[1 + 2 * i + 1]);
                if (!toNumber(f[1 + 2 * i], index) || index < 0 || index >= r.roots.size())
                    return QCoreApplication::translate("RestoreRecord", "cannot be read");
                if (!isInnerPath(relative))
                    return QCoreApplication::translate("RestoreRecord", "%1: not a path inside its tool folder")
                        .arg(relative);
                root = int(index);
                path = FolderTree::child(r.roots[root], QDir::toNativeSeparators(relative));
                continue;
            }
            path = decode(f[1 + i]);
            root = firstFormRoot(path);
            if (root < 0)
                return QCoreApplication::translate("RestoreRecord",
                                                   "%1: not inside the folders this installation changed")
                    .arg(path);
        }
        return {};
    }

    int firstFormRoot(const QString& path) const
    {
        if (!QDir::isAbsolutePath(path))
            return -1;
        const QStringList steps = QDir::fromNativeSeparators(path).split(u'/');
        if (steps.contains(u".."_qs) || steps.contains(u"."_qs))
            return -1;
        int best = -1;
        for (int i = 0; i < r.roots.size(); ++i) {
            const QString& root = r.roots[i];
            if (path.size() > root.size() + 1 && path.startsWith(root) && isSeparator(path[root.size()])
                && (best < 0 || root.size() > r.roots[best].size()))
                best = i;
        }
        return best;
    }

    RestoreRecord& r;
    qsizetype m_line = 0;
};

} // namespace

Result<RestoreRecord> RestoreRecord::parse(const QByteArray& bytes, const QString& recordPath)
{
    using R = Result<RestoreRecord>;
    RestoreRecord record;
    QList<QByteArray> lines = wholeLines(bytes, record.tornTail);
    if (lines.isEmpty() || (lines[0] != kMagic1 && lines[0] != kMagic2))
        return R::failure(QCoreApplication::translate("RestoreRecord", "not a restore record"));
    record.form = lines[0] == kMagic1 ? 1 : 2;
    if (record.form == 1)
        record.hash = HashKind::Sha256;
    Reader reader(record);
    if (record.form == 1)
        reader.rootsOfFirstForm(lines, recordPath);

    quint32 chain = 0, before = 0; // the checks of the last two whole lines
    for (qsizetype n = 1; n < lines.size(); ++n) {
        QByteArray body = lines[n];
        if (record.form == 2) {
            // A line that fails its check is a torn one only when the writer said so by
            // starting the next line afresh; otherwise the record was changed.
            const Line line = splitLine(lines[n]);
            const bool onChain = line.wellFormed && line.check == chainCheck(chain, line.body);
            const bool onBefore =
                !onChain && line.wellFormed && line.resumed && n > 1 && line.check == chainCheck(before, line.body);
            if (!onChain && !onBefore) {
                if (n + 1 < lines.size() && splitLine(lines[n + 1]).resumed)
                    continue;
                return R::failure(lineError(n, QCoreApplication::translate("RestoreRecord", "was changed or damaged")));
            }
            // On the line before: the writer missed that the line in between was written.
            if (onChain)
                before = chain;
            chain = line.check;
            body = line.body;
        } else if (body.isEmpty()) {
            continue; // begun afresh after a torn line
        }
        if (n == 1 && record.form == 2 && !body.startsWith("run\t"))
            return R::failure(lineError(n, QCoreApplication::translate("RestoreRecord", "cannot be read")));
        if (const QString e = reader.line(n, body.split('\t')); !e.isEmpty())
            return R::failure(lineError(n, e));
    }
    if (record.kind.isEmpty())
        return R::failure(QCoreApplication::translate("RestoreRecord", "the record names no installation"));
    record.lastCheck = chain;
    for (const RecordedChange& c : record.changes) {
        if (c.kind == Kind::Kept && record.form == 2 && record.left.contains(c.other))
            record.kept.insert(c.other, record.left.value(c.other));
        if (c.kind == Kind::Copied)
            record.copied.append(c.path);
    }
    if (record.form == 1 && record.ended) {
        qint32 count = 0;
        for (const RecordedChange& c : record.changes)
            count +=
                record.kind == u"winkfp" ? c.kind == Kind::Copied : c.kind == Kind::New || c.kind == Kind::Replaced;
        record.count = count;
    }
    return record;
}

Result<RestoreRecord> RestoreRecord::read(FileOps& ops, const QString& path)
{
    const auto bytes = ops.readFile(path);
    if (!bytes)
        return Result<RestoreRecord>::failure(bytes.error());
    auto record = parse(bytes.value(), path);
    if (!record)
        return Result<RestoreRecord>::failure(Paths::toNative(path) + QStringLiteral(": ") + record.error());
    return record;
}

Result<RecordHeading> RecordHeading::read(const QByteArray& bytes, const QString& recordPath)
{
    using R = Result<RecordHeading>;
    const qsizetype firstEnd = bytes.indexOf('\n');
    const QByteArray magic = bytes.left(firstEnd);
    if (firstEnd < 0 || (magic != kMagic1 && magic != kMagic2))
        return R::failure(QCoreApplication::translate("RestoreRecord", "not a restore record"));
    const bool first = magic == kMagic1;
    const auto fieldsOf = [first](const QByteArray& text) { return (first ? text : splitLine(text).body).split('\t'); };
    // The run line and the tool folders lead the record.
    RecordHeading h;
    qsizetype at = firstEnd + 1;
    for (qsizetype n = 1;; ++n) {
        const qsizetype end = bytes.indexOf('\n', at);
        if (end < 0)
            break;
        const QList<QByteArray> f = fieldsOf(bytes.mid(at, end - at));
        at = end + 1;
        if (n == 1 && f[0] == "run" && f.size() >= 4) {
            h.kind = decode(f[1]);
            h.time = QDateTime::fromString(QString::fromLatin1(f[2]), Qt::ISODate);
            h.source = decode(f[3]);
        } else if (n > 1 && f[0] == "tool" && f.size() == 2) {
            h.roots.append(decode(f[1]));
        } else {
            break;
        }
    }
    if (h.kind.isEmpty() || !h.time.isValid())
        return R::failure(QCoreApplication::translate("RestoreRecord", "the record names no installation"));
    // A restore adds its lines after the end line: read back to it.
    qsizetype end = bytes.endsWith('\n') ? bytes.size() - 1 : bytes.lastIndexOf('\n');
    while (end > firstEnd) {
        const qsizetype start = bytes.lastIndexOf('\n', end - 1) + 1;
        const QByteArray text = bytes.mid(start, end - start);
        const QList<QByteArray> f = fieldsOf(text);
        end = start - 1;
        if (f[0] == "restored")
            h.restored = true;
        // Past a restore's lines, and any torn one among them, to the end line.
        if (f[0] != "end") {
            if (changeWord(f[0]) || f[0] == "left" || f[0] == "kept" || f[0] == "tool" || f[0] == "run")
                break;
            continue;
        }
        if (!first) {
            // A torn end line is no end: its check must follow from the line before.
            const Line line = splitLine(text);
            const qsizetype before = bytes.lastIndexOf('\n', end - 1) + 1;
            if (line.check != chainCheck(splitLine(bytes.mid(before, end - before)).check, line.body))
                break;
        }
        h.ended = true;
        const qsizetype reason = first ? 1 : 2;
        h.failure = f.size() > reason ? decode(f[reason]) : QString();
        h.count = first ? -1 : f.value(1).toInt();
        break;
    }
    if (first && h.ended) {
        // The first form kept no count: the whole record says what was copied.
        const auto record = RestoreRecord::parse(bytes, recordPath);
        h.count = record ? record->count : -1;
        h.roots = record ? record->roots : QStringList();
    }
    return h;
}

RestoreRecordWriter::RestoreRecordWriter(FileOps& ops, const QString& path, int form)
    : m_ops(ops), m_path(path), m_form(form)
{
}

Result<std::unique_ptr<RestoreRecordWriter>> RestoreRecordWriter::create(FileOps& ops, const QString& folder,
                                                                         const QString& kind, const QDateTime& time,
                                                                         const QString& source)
{
    using R = Result<std::unique_ptr<RestoreRecordWriter>>;
    if (Status made = ops.makePath(folder); !made)
        return R::failure(made.error());
    const QString path = FolderTree::unusedPath(ops, FolderTree::child(folder, DateText::stamp(time) + u'_' + kind),
                                                QStringLiteral(".txt"));
    std::unique_ptr<RestoreRecordWriter> writer(new RestoreRecordWriter(ops, path, 2));
    auto file = ops.openAppend(path, true);
    if (!file)
        return R::failure(file.error());
    writer->m_file = std::move(file.value());
    if (Status s = writer->m_file->append(kMagic2 + '\n'); !s)
        return R::failure(s.error());
    if (Status s = writer->line({"run", encode(kind), time.toString(Qt::ISODateWithMs).toLatin1(), encode(source),
                                 FileHashes::name(HashKind::Xxh128)});
        !s)
        return R::failure(s.error());
    if (Status s = writer->tool(folder); !s)
        return R::failure(s.error());
    return R(std::move(writer));
}

Result<std::unique_ptr<RestoreRecordWriter>> RestoreRecordWriter::append(FileOps& ops, const QString& path,
                                                                         const RestoreRecord& record)
{
    using R = Result<std::unique_ptr<RestoreRecordWriter>>;
    std::unique_ptr<RestoreRecordWriter> writer(new RestoreRecordWriter(ops, path, record.form));
    auto file = ops.openAppend(path, false);
    if (!file)
        return R::failure(file.error());
    writer->m_file = std::move(file.value());
    writer->m_check = record.lastCheck;
    writer->m_torn = record.tornTail;
    return R(std::move(writer));
}

Status RestoreRecordWriter::line(const QList<QByteArray>& fields)
{
    m_line.start(fields[0]);
    for (qsizetype i = 1; i < fields.size(); ++i)
        m_line.add(fields[i]);
    return write(Timing::Now);
}

RestoreRecordWriter::~RestoreRecordWriter()
{
    static_cast<void>(flush());
}

Status RestoreRecordWriter::write(Timing timing)
{
    // One line waits at most: when a write fails, the lines it held are the last whole one
    // the writer knows of and at most one more, which is as far back as a reader looks.
    if (timing == Timing::WithNext)
        if (Status s = flush(); !s)
            return s;
    if (m_unwritten.isEmpty()) {
        m_unwrittenFrom = m_check;
        if (m_torn)
            m_unwritten.append(m_form == 2 ? "\nr" : "\n");
    }
    m_check = chainCheck(m_check, m_line.body());
    m_line.appendTo(m_unwritten, m_form == 2, m_check);
    return timing == Timing::WithNext ? Status() : flush();
}

Status RestoreRecordWriter::flush()
{
    if (m_unwritten.isEmpty())
        return {};
    const Status s = m_file->append(m_unwritten);
    m_unwritten.resize(0);
    // How much of a failed write reached the file is unknown: the next line starts afresh
    // and chains to the last line known whole. A reader also takes it as following the
    // line after that one, in case that line was written whole.
    m_torn = !s;
    if (!s)
        m_check = m_unwrittenFrom;
    return s;
}

Status RestoreRecordWriter::place(const QString& path)
{
    qsizetype best = -1;
    for (qsizetype i = 0; i < m_roots.size(); ++i) {
        const QString& given = m_roots[i].given;
        if (path.size() > given.size() + 1 && path.startsWith(given) && isSeparator(path[given.size()])
            && (best < 0 || given.size() > m_roots[best].given.size()))
            best = i;
    }
    if (best < 0)
        return Status::failure(Paths::toNative(path)
                               + QStringLiteral(": not inside the tool folders of this installation"));
    const QStringView relative = QStringView(path).mid(m_roots[best].given.size() + 1);
    if (!isInnerPath(relative, true))
        return Status::failure(Paths::toNative(path) + QStringLiteral(": not a path inside its tool folder"));
    m_line.add(best);
    RecordText::appendPortablePath(m_line.field(), relative);
    return {};
}

Status RestoreRecordWriter::note(const char* word, std::initializer_list<QString> paths, const Fingerprint* fingerprint,
                                 Timing timing)
{
    m_line.start(word);
    for (const QString& path : paths)
        if (Status placed = place(path); !placed)
            return placed;
    if (fingerprint) {
        m_line.add(fingerprint->size);
        m_line.add(fingerprint->modified);
        m_line.add(fingerprint->hash.isEmpty() ? QByteArrayView("-") : QByteArrayView(fingerprint->hash));
    }
    return write(timing);
}

Status RestoreRecordWriter::tool(const QString& folder)
{
    for (const Root& root : m_roots)
        if (root.given == folder)
            return {};
    const auto canonical = m_ops.canonicalPath(folder);
    if (!canonical)
        return Status::failure(canonical.error());
    if (Status s = line({"tool", encode(canonical.value())}); !s)
        return s;
    m_roots.append({folder, canonical.value()});
    return {};
}

Status RestoreRecordWriter::folder(const QString& path)
{
    return note("folder", {path});
}
Status RestoreRecordWriter::replaced(const QString& path, const QString& copy)
{
    return note("replaced", {path, copy});
}
Status RestoreRecordWriter::created(const QString& path)
{
    return note("new", {path});
}
Status RestoreRecordWriter::deleted(const QString& path, const QString& copy)
{
    return note("deleted", {path, copy});
}
Status RestoreRecordWriter::moved(const QString& from, const QString& to)
{
    return note("moved", {from, to});
}
Status RestoreRecordWriter::copied(const QString& folder)
{
    return note("copied", {folder});
}
Status RestoreRecordWriter::leftover(const QString& path)
{
    return note("leftover", {path});
}
Status RestoreRecordWriter::left(const QString& path, const Fingerprint& fingerprint)
{
    // What a finished copy holds goes out with the line that follows it, which names the
    // next change before it is made: a run that dies in between has changed nothing since.
    return note("left", {path}, &fingerprint, Timing::WithNext);
}
Status RestoreRecordWriter::leaving(const QString& path, const Fingerprint& fingerprint)
{
    return note("left", {path}, &fingerprint);
}
Status RestoreRecordWriter::leftFolder(const QString& path)
{
    return left(path, Fingerprint{-2, 0, {}});
}
Status RestoreRecordWriter::kept(const QString& original, const QString& copy)
{
    return note("kept", {original, copy});
}

Result<QString> RestoreRecordWriter::keepAside(const QString& original)
{
    using R = Result<QString>;
    QString folder = m_path;
    folder.chop(4); // ".txt"
    if (m_asideCount == 0 && !m_ops.folderExists(folder)) {
        if (Status s = this->folder(folder); !s)
            return R::failure(s.error());
        if (Status made = m_ops.makeFolder(folder); !made)
            return R::failure(made.error());
    }
    const QString copy = FolderTree::child(folder, QString::number(++m_asideCount) + u'_' + Paths::nameOf(original));
    if (Status s = kept(original, copy); !s)
        return R::failure(s.error());
    Fingerprint fingerprint{-1, 0, {}};
    Status copied =
        m_ops.isLink(original) ? m_ops.copyLink(original, copy) : m_ops.copyFile(original, copy, {&fingerprint});
    if (copied)
        copied = left(copy, fingerprint);
    if (!copied)
        return R::failure(copied.error());
    return copy;
}

Status RestoreRecordWriter::end(qint32 count, const QString& failure)
{
    QList<QByteArray> fields{"end", QByteArray::number(count)};
    if (!failure.isEmpty())
        fields.append(encode(failure));
    return line(fields);
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

Result<QStringList> below(FileOps& ops, const QString& folder)
{
    auto entries = ops.list(folder);
    if (!entries)
        return Result<QStringList>::failure(entries.error());
    QStringList files;
    for (const FileOps::Entry& entry : entries.value()) {
        const QString path = FolderTree::child(folder, entry.name);
        if (entry.kind != FileOps::Kind::Folder) {
            files.append(path);
            continue;
        }
        auto inner = below(ops, path);
        if (!inner)
            return inner;
        files += inner.value();
    }
    return files;
}

} // namespace RestoreFiles
