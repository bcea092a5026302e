#include "moduledata/value_search.h"

#include "common/ansi_codec.h"
#include "common/result.h"
#include "moduledata/hex_text.h"
#include "moduledata/module_data.h"
#include "moduledata/value_search_index.h"
#include "moduledata/value_search_messages.h"

#include <cstring>
#include <limits>

namespace {

// The raw bytes behind a hex text: the kept copy when it matches, otherwise decoded.
QByteArray rawBytes(const QByteArray& raw, const QByteArray& hex)
{
    if (raw.isEmpty() ? hex.isEmpty() : raw.size() * 3 - 1 == hex.size())
        return raw;
    return HexText::HexToText(hex);
}

quint16 idAt(const unsigned char* bytes, qsizetype at)
{
    return static_cast<quint16>(bytes[at] << 8 | bytes[at + 1]);
}

// A record of the module data: bytes [begin, end), and whether its text goes on with the
// first digit of the next marker ("1"), which the cut keeps.
struct Record {
    qsizetype begin = 0;
    qsizetype end = 0;
    bool markerDigit = false;
};

// A value ID as the record gives it: two bytes, or fewer where the record ends early.
struct ValueId {
    QByteArray hex;           // the cache key: what the hex text holds there
    int byteCount = 0;        // whole bytes known: 0, 1 or 2
    bool markerDigit = false; // the text goes on with the digit "1"
    unsigned char bytes[2] = {0, 0};
};

} // namespace

struct ValueSearch::Private {
    ModuleData& data;
    QByteArray fsw;
    QByteArray module;
    QByteArray psw;
    QList<QByteArray> names;
    std::optional<FunctionNameIndex> nameIndex;
    std::optional<ModuleMarkerIndex> markerIndex;
    std::optional<ValueEntryIndex> entryIndex;

    const unsigned char* moduleBytes() const { return reinterpret_cast<const unsigned char*>(module.constData()); }
    const unsigned char* pswBytes() const { return reinterpret_cast<const unsigned char*>(psw.constData()); }

    // Indexes the IDs of the functions given up front; others are found by a scan.
    const ModuleMarkerIndex& markers()
    {
        if (!markerIndex) {
            QList<quint16> ids;
            for (const QByteArray& name : names) {
                if (const Result<quint16> id = functionId(name))
                    ids.append(id.value());
            }
            markerIndex.emplace(module, ids);
        }
        return *markerIndex;
    }

    Result<quint16> functionId(const QByteArray& name);
    std::optional<Record> findRecord(quint16 id, int markerDistance);
    qsizetype firstMarkedId(quint16 id, int distance);
    Status readValues(const Record& record, QStringList& found);
    Result<QString> valueName(const ValueId& id);
    qsizetype findEntry(const ValueId& id);
};

ValueSearch::ValueSearch(ModuleData& data, const QStringList& functionLines)
    : d(new Private{data, {}, {}, {}, {}, {}, {}, {}})
{
    d->fsw = data.FswData;
    d->module = rawBytes(data.ModuleBytes, data.ModuleHex);
    d->psw = rawBytes(data.PswBytes, data.PswHex);
    d->names.reserve(functionLines.size());
    for (const QString& line : functionLines)
        d->names.append(Ansi::encode(line));
}

ValueSearch::~ValueSearch() = default;

// The function is the first occurrence of its name with a separator byte (or the end of
// the data) on both sides; its ID is the two bytes before it.
Result<quint16> ValueSearch::Private::functionId(const QByteArray& name)
{
    if (fsw.isEmpty())
        return Result<quint16>::failure(ValueSearchMessage::functionNotFound());
    // An occurrence at the very start has no byte before it to check: that ends the search.
    if (fsw.startsWith(name))
        return Result<quint16>::failure(ValueSearchMessage::functionIdMissing());
    for (const char c : name) {
        if (isNameSeparator(static_cast<unsigned char>(c)))
            return Result<quint16>::failure(ValueSearchMessage::functionNotFound());
    }
    if (!nameIndex)
        nameIndex.emplace(fsw, names);
    const std::optional<qsizetype> indexed = nameIndex->firstWord(name);
    const qsizetype at = indexed ? *indexed : FunctionNameIndex::scanFirstWord(fsw, name);
    if (at < 0)
        return Result<quint16>::failure(ValueSearchMessage::functionNotFound());
    if (at < 2)
        return Result<quint16>::failure(ValueSearchMessage::functionIdMissing());
    return idAt(reinterpret_cast<const unsigned char*>(fsw.constData()), at - 2);
}

// The first occurrence of the ID whose marker starts `distance` bytes before it, for any
// distance: the calibrated ones come from the index, others (0 before any calibration)
// from a scan.
qsizetype ValueSearch::Private::firstMarkedId(quint16 id, int distance)
{
    if (distance >= ModuleMarkerIndex::kNearest && distance <= ModuleMarkerIndex::kFarthest && markers().covers(id))
        return markers().idAfterMarker(id, distance);
    const unsigned char* bytes = moduleBytes();
    const qsizetype size = module.size();
    const unsigned char first = static_cast<unsigned char>(id >> 8);
    for (qsizetype i = 0; i + 1 < size;) {
        const void* hit = std::memchr(bytes + i, first, static_cast<std::size_t>(size - 1 - i));
        if (!hit)
            break;
        const qsizetype at = static_cast<const unsigned char*>(hit) - bytes;
        i = at + 1;
        const qsizetype marker = at - distance;
        if (idAt(bytes, at) == id && at >= distance && marker + 2 < size && bytes[marker] == 0x12
            && bytes[marker + 1] == 0x00 && bytes[marker + 2] <= 0x01)
            return at;
    }
    return -1;
}

std::optional<Record> ValueSearch::Private::findRecord(quint16 id, int markerDistance)
{
    // Marker and ID both start at byte boundaries: other distances never match.
    if (markerDistance % 3 != 0)
        return std::nullopt;
    const int distance = markerDistance / 3;
    const qsizetype at = firstMarkedId(id, distance);
    if (at < 0)
        return std::nullopt;
    // The record reaches to the next marker of the same kind after the ID.
    const qsizetype next = markers().nextMarker(moduleBytes()[at - distance + 2], at + 2);
    if (next < 0)
        return Record{at, module.size(), false};
    return Record{at, next, true};
}

std::optional<int> ValueSearch::probeMarkerDistance(const QString& functionLine)
{
    const Result<quint16> id = d->functionId(Ansi::encode(functionLine));
    if (!id)
        return std::nullopt;
    qsizetype best = -1;
    int bestDistance = 0;
    // At the earliest ID with a marker, the farthest marker wins.
    for (int distance = ModuleMarkerIndex::kNearest; distance <= ModuleMarkerIndex::kFarthest; ++distance) {
        const qsizetype at = d->firstMarkedId(id.value(), distance);
        if (at >= 0 && (best < 0 || at <= best)) {
            best = at;
            bestDistance = distance;
        }
    }
    if (best < 0)
        return std::nullopt;
    return bestDistance * 3;
}

FunctionValues ValueSearch::findValues(const QString& functionLine, int markerDistance)
{
    FunctionValues result;
    const Result<quint16> id = d->functionId(Ansi::encode(functionLine));
    if (!id) {
        result.error = id.error();
        return result;
    }
    const std::optional<Record> record = d->findRecord(id.value(), markerDistance);
    if (!record) {
        result.error = ValueSearchMessage::recordNotFound();
        return result;
    }
    const Status read = d->readValues(*record, result.names);
    if (!read)
        result.error = read.error();
    return result;
}

namespace {

qsizetype findPair(const unsigned char* bytes, qsizetype from, qsizetype end, unsigned char a, unsigned char b)
{
    for (qsizetype i = from; i + 1 < end;) {
        const void* hit = std::memchr(bytes + i, a, static_cast<std::size_t>(end - 1 - i));
        if (!hit)
            return -1;
        const qsizetype at = static_cast<const unsigned char*>(hit) - bytes;
        if (bytes[at + 1] == b)
            return at;
        i = at + 1;
    }
    return -1;
}

qsizetype findTriple(const unsigned char* bytes, qsizetype from, qsizetype end, unsigned char a)
{
    for (qsizetype i = from; i + 2 < end;) {
        const qsizetype at = findPair(bytes, i, end - 1, a, 0x10);
        if (at < 0)
            return -1;
        if (bytes[at + 2] == 0x00)
            return at;
        i = at + 1;
    }
    return -1;
}

QByteArray hexPair(unsigned char byte)
{
    return HexText::TextToHex(QByteArray(1, static_cast<char>(byte)));
}

} // namespace

// Value entries are L 10 00 <ID>, where L is the byte four bytes after the first 10 of a
// run plus 4; a run whose L does not occur is skipped at its first 10 00.
Status ValueSearch::Private::readValues(const Record& record, QStringList& found)
{
    const unsigned char* bytes = moduleBytes();
    qsizetype start = record.begin;
    const qsizetype end = record.end;
    int length = -1;
    for (;;) {
        const qsizetype first = findPair(bytes, start, end, 0x10, 0x00);
        if (first < 0)
            return {};
        if (length < 0) {
            const qsizetype at = first + 4;
            if (at < end)
                length = bytes[at] + 4;
            else if (at == end && record.markerDigit)
                length = 1 + 4;
            else
                return Status::failure(ValueSearchMessage::valueEntryCut());
        }
        // A length of 256 or more has three hex digits and never matches.
        const qsizetype entry = length <= 0xFF ? findTriple(bytes, start, end, static_cast<unsigned char>(length)) : -1;
        if (entry < 0) {
            start = first + 2;
            length = -1;
            continue;
        }
        start = entry + 3;
        ValueId id;
        id.byteCount = static_cast<int>(std::min<qsizetype>(end - start, 2));
        id.markerDigit = id.byteCount < 2 && record.markerDigit;
        for (int i = 0; i < id.byteCount; ++i) {
            id.bytes[i] = bytes[start + i];
            if (i > 0)
                id.hex += ' ';
            id.hex += hexPair(id.bytes[i]);
        }
        if (id.markerDigit)
            id.hex += id.byteCount > 0 ? QByteArrayLiteral(" 1") : QByteArrayLiteral("1");
        const Result<QString> name = valueName(id);
        if (!name)
            return Status::failure(name.error());
        found.append(name.value());
    }
}

// The first value entry 01 00 <ID> from byte 3 on. A shortened ID matches as its hex text
// would: a lone byte, or a byte whose first digit is 1, or any byte after 01 00.
qsizetype ValueSearch::Private::findEntry(const ValueId& id)
{
    if (id.byteCount == 2 && !id.markerDigit && psw.size() <= std::numeric_limits<qint32>::max()) {
        if (!entryIndex)
            entryIndex.emplace(psw);
        return entryIndex->firstEntry(idAt(id.bytes, 0));
    }
    const unsigned char* bytes = pswBytes();
    const qsizetype size = psw.size();
    const qsizetype wanted = 2 + id.byteCount + (id.markerDigit ? 1 : 0);
    const qsizetype needed = std::max<qsizetype>(wanted, 3); // "01 00 " needs a byte after it
    for (qsizetype h = ValueEntryIndex::kFirstEntry; h + needed <= size; ++h) {
        h = findPair(bytes, h, size, 0x01, 0x00);
        if (h < 0 || h + needed > size)
            return -1;
        bool match = true;
        for (int i = 0; i < id.byteCount && match; ++i)
            match = bytes[h + 2 + i] == id.bytes[i];
        if (match && id.markerDigit)
            match = (bytes[h + 2 + id.byteCount] >> 4) == 0x1;
        if (match)
            return h;
    }
    return -1;
}

Result<QString> ValueSearch::Private::valueName(const ValueId& id)
{
    const QString cached = data.ValueNames.value(id.hex);
    if (!cached.isEmpty())
        return cached;
    const qsizetype entry = findEntry(id);
    if (entry < 0)
        return Result<QString>::failure(ValueSearchMessage::valueNameNotFound());
    // The name runs from four bytes after the entry's start to the next 00 byte.
    const qsizetype start = entry + 4;
    const char* terminator = start < psw.size() ? static_cast<const char*>(
                                 std::memchr(psw.constData() + start, 0, static_cast<std::size_t>(psw.size() - start)))
                                                : nullptr;
    if (!terminator || terminator == psw.constData() + start)
        return Result<QString>::failure(ValueSearchMessage::valueNameBroken());
    const QString name = Ansi::decode(psw.sliced(start, terminator - (psw.constData() + start)));
    data.ValueNames.insert(id.hex, name);
    return name;
}
