// Arbitrary bytes read as a restore record, and a record written with arbitrary paths
// inside two tool folders, read back whole, torn at any byte and with one bit flipped.
// An accepted record names only paths inside its tool folders; what was written reads
// back change for change; a torn or damaged record gives the changes written before the
// damage or refuses, never others.

#include "fuzz_support.h"
#include "install/real_file_ops.h"
#include "install/restore_record.h"

#include <QDir>

namespace {

bool sameChanges(const QList<RecordedChange>& a, const QList<RecordedChange>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].kind != b[i].kind || a[i].path != b[i].path || a[i].other != b[i].other)
            return false;
    return true;
}

bool prefixOf(const Result<RestoreRecord>& read, const QList<RecordedChange>& written)
{
    return !read
           || (read->changes.size() <= written.size()
               && sameChanges(read->changes, written.mid(0, read->changes.size())));
}

bool insideRoots(const RestoreRecord& record, const QString& path, int root)
{
    if (root < 0 || root >= record.roots.size())
        return false;
    const QString& folder = record.roots[root];
    const QString rest = path.mid(folder.size() + 1);
    return path.startsWith(folder) && !QDir::fromNativeSeparators(rest).split(u'/').contains(u".."_qs);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QByteArray raw = Fuzz::take(input, 1024);
    const Result<RestoreRecord> parsed = RestoreRecord::parse(raw, QStringLiteral("/records/r.txt"));
    if (parsed) {
        Fuzz::check(!parsed->kind.isEmpty(), "a record without an installation is accepted");
        for (const qsizetype index : parsed->undone)
            Fuzz::check(index >= 0 && index < parsed->changes.size(), "an undone change that does not exist");
        for (const RecordedChange& c : parsed->changes)
            Fuzz::check(insideRoots(parsed.value(), c.path, c.root)
                            && (c.other.isEmpty() || insideRoots(parsed.value(), c.other, c.otherRoot)),
                        "a path outside the record's folders is accepted", c.path + u' ' + c.other);
    }

    const QString folder = Fuzz::freshFolder(QStringLiteral("records"));
    const QString tools[] = {folder + QStringLiteral("/T0"), folder + QStringLiteral("/T1")};
    RealFileOps ops;
    for (const QString& tool : tools)
        Fuzz::check(ops.makePath(tool).ok(), "no tool folder");
    const QString kind = input.ConsumeBool() ? QStringLiteral("winkfp") : QStringLiteral("sp-daten");
    const QDateTime time(QDate(2026, 12, 7), QTime(1, 2, 3));
    auto writer = RestoreRecordWriter::create(ops, folder, kind, time, QString::fromUtf8(Fuzz::take(input, 32)));
    Fuzz::check(writer.ok(), "no record", writer.error());
    RestoreRecordWriter& record = *writer.value();
    for (const QString& tool : tools)
        Fuzz::check(record.tool(tool).ok(), "a tool folder is not named");
    QList<RecordedChange> written;
    const auto path = [&input, &tools] {
        return tools[input.ConsumeBool() ? 1 : 0] + u'/' + QString::fromUtf8(Fuzz::take(input, 24));
    };
    for (int count = input.ConsumeIntegralInRange(0, 12); count > 0; --count) {
        const auto kind = static_cast<RecordedChange::Kind>(input.ConsumeIntegralInRange(0, 7));
        const QString a = path();
        const QString b = kind == RecordedChange::Kind::Kept || kind == RecordedChange::Kind::Replaced
                                  || kind == RecordedChange::Kind::Deleted || kind == RecordedChange::Kind::Moved
                              ? path()
                              : QString();
        Status noted;
        switch (kind) {
        case RecordedChange::Kind::Folder: noted = record.folder(a); break;
        case RecordedChange::Kind::Kept: noted = record.kept(a, b); break;
        case RecordedChange::Kind::Replaced: noted = record.replaced(a, b); break;
        case RecordedChange::Kind::New: noted = record.created(a); break;
        case RecordedChange::Kind::Deleted: noted = record.deleted(a, b); break;
        case RecordedChange::Kind::Moved: noted = record.moved(a, b); break;
        case RecordedChange::Kind::Copied: noted = record.copied(a); break;
        case RecordedChange::Kind::Leftover: noted = record.leftover(a); break;
        }
        // A path that is not a clean one inside its folder is refused by the writer too.
        if (noted)
            written.append({kind, QDir::toNativeSeparators(a), QDir::toNativeSeparators(b)});
    }
    const bool ended = input.ConsumeBool();
    const QString failure = QString::fromUtf8(Fuzz::take(input, 24));
    if (ended)
        Fuzz::check(record.end(7, failure).ok(), "the end is not written");
    QSet<qsizetype> undone;
    if (!written.isEmpty() && input.ConsumeBool()) {
        undone.insert(input.ConsumeIntegralInRange<qsizetype>(0, written.size() - 1));
        Fuzz::check(record.undone(*undone.begin()).ok(), "an undone change is not written");
    }

    const QByteArray bytes = Fuzz::readFile(record.path());
    const Result<RestoreRecord> read = RestoreRecord::parse(bytes, record.path());
    Fuzz::check(read.ok() && read->kind == kind && read->time == time && sameChanges(read->changes, written)
                    && read->ended == ended && read->failure == (ended ? failure : QString()) && read->undone == undone
                    && (!ended || read->count == 7),
                "the record does not read back as written", read.ok() ? QString() : read.error());

    const qsizetype cut = input.ConsumeIntegralInRange<qsizetype>(0, bytes.size());
    Fuzz::check(prefixOf(RestoreRecord::parse(bytes.left(cut), record.path()), written),
                "a torn record gives other changes");
    QByteArray flipped = bytes;
    const qsizetype at = input.ConsumeIntegralInRange<qsizetype>(0, bytes.size() - 1);
    flipped[at] = char(flipped[at] ^ (1 << input.ConsumeIntegralInRange(0, 7)));
    Fuzz::check(prefixOf(RestoreRecord::parse(flipped, record.path()), written),
                "a damaged record gives other changes");
    return 0;
}
