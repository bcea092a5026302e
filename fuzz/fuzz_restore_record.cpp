// Arbitrary bytes read as a restore record, and a record written with arbitrary paths,
// read back whole and torn at any byte. What was written reads back change for change;
// a torn record gives the changes written before the tear or refuses, never others.

#include "fuzz_support.h"
#include "install/real_file_ops.h"
#include "install/restore_record.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QByteArray raw = Fuzz::take(input, 1024);
    const Result<RestoreRecord> parsed = RestoreRecord::parse(raw);
    if (parsed) {
        Fuzz::check(!parsed->kind.isEmpty(), "a record without an installation is accepted");
        for (const qsizetype index : parsed->undone)
            Fuzz::check(index >= 0 && index < parsed->changes.size(), "an undone change that does not exist");
    }

    const QString folder = Fuzz::freshFolder(QStringLiteral("records"));
    RealFileOps ops;
    const QString kind = input.ConsumeBool() ? QStringLiteral("winkfp") : QStringLiteral("sp-daten");
    const QDateTime time(QDate(2026, 12, 7), QTime(1, 2, 3));
    auto writer = RestoreRecordWriter::create(ops, folder, kind, time, QString::fromUtf8(Fuzz::take(input, 32)));
    Fuzz::check(writer.ok(), "no record", writer.error());
    RestoreRecordWriter& record = *writer.value();
    QList<RecordedChange> written;
    const auto path = [&input] { return QString::fromUtf8(Fuzz::take(input, 24)); };
    for (int count = input.ConsumeIntegralInRange(0, 12); count > 0; --count) {
        const auto kind = static_cast<RecordedChange::Kind>(input.ConsumeIntegralInRange(0, 6));
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
        }
        Fuzz::check(noted.ok(), "a change is not noted", noted.error());
        written.append({kind, a, b});
    }
    const bool ended = input.ConsumeBool();
    const QString failure = QString::fromUtf8(Fuzz::take(input, 24));
    if (ended)
        record.end(failure);
    QSet<qsizetype> undone;
    if (!written.isEmpty() && input.ConsumeBool()) {
        undone.insert(input.ConsumeIntegralInRange<qsizetype>(0, written.size() - 1));
        record.undone(*undone.begin());
    }

    const QByteArray bytes = Fuzz::readFile(record.path());
    const Result<RestoreRecord> read = RestoreRecord::parse(bytes);
    Fuzz::check(read.ok() && read->kind == kind && read->time == time && sameChanges(read->changes, written)
                    && read->ended == ended && read->failure == (ended ? failure : QString()) && read->undone == undone,
                "the record does not read back as written", read.ok() ? QString() : read.error());

    const Result<RestoreRecord> torn =
        RestoreRecord::parse(bytes.left(input.ConsumeIntegralInRange<qsizetype>(0, bytes.size())));
    Fuzz::check(!torn
                    || (torn->changes.size() <= written.size()
                        && sameChanges(torn->changes, written.mid(0, torn->changes.size()))),
                "a torn record gives other changes");
    return 0;
}
