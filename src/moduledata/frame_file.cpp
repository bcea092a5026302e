#include "moduledata/frame_file.h"

#include "common/ansi_codec.h"
#include "moduledata/hex_text.h"

#include <QCoreApplication>
#include <cstring>
#include <limits>

namespace {

using Items = std::vector<FormatItem>;

// What a walk over a payload returns instead of a position when the row does not fit.
constexpr qsizetype kEndsEarly = -1;
constexpr qsizetype kBadPresence = -2;

class FormatParser {
public:
    explicit FormatParser(const QByteArray& text) : m_text(text) {}

    // The items of the whole format; an unfinished bracket at the end becomes one absent
    // field. Empty and with error() set when the format cannot be read.
    Items parse()
    {
        Items items;
        if (sequence(items, 0) == Ended::Unfinished)
            items.push_back(FormatItem{});
        return items;
    }
    const QString& error() const { return m_error; }

private:
    enum class Ended { Closed, AtEnd, Unfinished, Failed };

    Ended fail(const QString& reason)
    {
        m_error = reason;
        return Ended::Failed;
    }

    Ended sequence(Items& out, char close)
    {
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos++];
            if (c == close)
                return Ended::Closed;
            if (c == 'B' || c == 'W' || c == 'L' || c == 'S' || c == 'A') {
                out.push_back(FormatItem{c, {}});
                continue;
            }
            if (c != '{' && c != '(')
                return fail(
                    QCoreApplication::translate("FrameFile", "unexpected character '%1'").arg(QChar::fromLatin1(c)));
            FormatItem item{c, {}};
            const Ended inner = sequence(item.inner, c == '{' ? '}' : ')');
            if (inner != Ended::Closed)
                return inner;
            if (item.inner.empty())
                return fail(QCoreApplication::translate("FrameFile", "empty brackets"));
            out.push_back(std::move(item));
        }
        return close == 0 ? Ended::AtEnd : Ended::Unfinished;
    }

    const QByteArray& m_text;
    qsizetype m_pos = 0;
    QString m_error;
};

qsizetype skipSequence(const Items& items, const uchar* p, qsizetype pos, qsizetype end);

// The position after the item, or kEndsEarly / kBadPresence.
qsizetype skipItem(const FormatItem& item, const uchar* p, qsizetype pos, qsizetype end)
{
    switch (item.code) {
    case 'B': return pos + 1 <= end ? pos + 1 : kEndsEarly;
    case 'W': return pos + 2 <= end ? pos + 2 : kEndsEarly;
    case 'L': return pos + 4 <= end ? pos + 4 : kEndsEarly;
    case 'S': {
        const void* nul = pos < end ? std::memchr(p + pos, 0, std::size_t(end - pos)) : nullptr;
        return nul ? static_cast<const uchar*>(nul) - p + 1 : kEndsEarly;
    }
    case 'A': return pos < end && pos + 1 + p[pos] <= end ? pos + 1 + p[pos] : kEndsEarly;
    case '{':
        if (pos >= end)
            return kEndsEarly;
        if (p[pos] > 1)
            return kBadPresence;
        return p[pos] == 0 ? pos + 1 : skipSequence(item.inner, p, pos + 1, end);
    case '(': {
        if (pos + 2 > end)
            return kEndsEarly;
        const int count = p[pos] | p[pos + 1] << 8;
        pos += 2;
        // Every item takes at least one byte, so a count beyond the payload ends early.
        for (int i = 0; i < count && pos >= 0; ++i)
            pos = skipSequence(item.inner, p, pos, end);
        return pos;
    }
    default: return pos; // the unfinished tail takes nothing
    }
}

qsizetype skipSequence(const Items& items, const uchar* p, qsizetype pos, qsizetype end)
{
    for (const FormatItem& item : items) {
        pos = skipItem(item, p, pos, end);
        if (pos < 0)
            break;
    }
    return pos;
}

FrameField decodeSequence(const Items& items, const uchar* p, qsizetype& pos);

// Decodes a payload that read() has already walked, so every item fits.
FrameField decodeItem(const FormatItem& item, const uchar* p, qsizetype& pos)
{
    FrameField field;
    switch (item.code) {
    case 'B':
    case 'W':
    case 'L':
        field.kind = FrameField::Kind::Number;
        field.width = item.code == 'B' ? 1 : item.code == 'W' ? 2 : 4;
        for (int i = field.width - 1; i >= 0; --i)
            field.number = field.number << 8 | p[pos + i];
        pos += field.width;
        break;
    case 'S': {
        field.kind = FrameField::Kind::String;
        const auto* start = reinterpret_cast<const char*>(p + pos);
        field.bytes = QByteArray(start, qsizetype(std::strlen(start)));
        pos += field.bytes.size() + 1;
        break;
    }
    case 'A':
        field.kind = FrameField::Kind::Bytes;
        field.bytes = QByteArray(reinterpret_cast<const char*>(p + pos + 1), p[pos]);
        pos += 1 + p[pos];
        break;
    case '{':
        if (p[pos++] == 1) {
            field = decodeSequence(item.inner, p, pos);
            // A present optional of an absent optional must not read as absent.
            if (item.inner.size() == 1 && item.inner.front().code == '{')
                field = FrameField{FrameField::Kind::List, 0, 0, {}, {field}};
        }
        break;
    case '(': {
        const int count = p[pos] | p[pos + 1] << 8;
        pos += 2;
        // A collection of single bytes is a byte string.
        if (item.inner.size() == 1 && item.inner.front().code == 'B') {
            field.kind = FrameField::Kind::Bytes;
            field.bytes = QByteArray(reinterpret_cast<const char*>(p + pos), count);
            pos += count;
            break;
        }
        field.kind = FrameField::Kind::List;
        for (int i = 0; i < count; ++i)
            field.items.append(decodeSequence(item.inner, p, pos));
        break;
    }
    default: break;
    }
    return field;
}

// One item gives its own value; several are a list.
FrameField decodeSequence(const Items& items, const uchar* p, qsizetype& pos)
{
    if (items.size() == 1)
        return decodeItem(items.front(), p, pos);
    FrameField group;
    group.kind = FrameField::Kind::List;
    for (const FormatItem& item : items)
        group.items.append(decodeItem(item, p, pos));
    return group;
}

QString hex(qsizetype value, int digits = 0)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(digits, u'0');
}

// The text before the payload's 00 byte; false when there is none.
bool terminated(const uchar* payload, qsizetype size, QByteArray& text)
{
    const void* nul = std::memchr(payload, 0, std::size_t(size));
    if (!nul)
        return false;
    text = QByteArray(reinterpret_cast<const char*>(payload), static_cast<const uchar*>(nul) - payload);
    return true;
}

} // namespace

QString frameFault(const QString& file, qsizetype offset, const QString& reason)
{
    return QCoreApplication::translate("FrameFile", "%1: offset %2 (%3): %4")
        .arg(file, QString::number(offset), hex(offset), reason);
}

QByteArray FrameField::storedBytes() const
{
    if (kind != Kind::Number)
        return bytes;
    QByteArray out;
    for (int i = 0; i < width; ++i)
        out.append(char(number >> (8 * i) & 0xFF));
    return out;
}

QString frameFieldText(const FrameField& field)
{
    switch (field.kind) {
    case FrameField::Kind::Absent: return QStringLiteral("-");
    case FrameField::Kind::Number: return hex(field.number, 2 * field.width);
    case FrameField::Kind::String: return Ansi::decode(field.bytes);
    case FrameField::Kind::Bytes: return QString::fromLatin1(HexText::TextToHex(field.bytes));
    case FrameField::Kind::List: {
        QStringList items;
        for (const FrameField& item : field.items)
            items.append(frameFieldText(item));
        return u'[' + items.join(QStringLiteral(", ")) + u']';
    }
    }
    return {};
}

bool FrameFile::beginsWithSignature(const QByteArray& bytes)
{
    return bytes.size() >= 4 && bytes[1] == char(FrameType::Signature & 0xFF)
           && bytes[2] == char(FrameType::Signature >> 8);
}

Result<FrameFile> FrameFile::read(const QByteArray& bytes, const QString& name)
{
    const auto fail = [&name](qsizetype offset, const QString& reason) {
        return Result<FrameFile>::failure(frameFault(name, offset, reason));
    };
    // Row positions are kept in 32 bits.
    if (bytes.size() > std::numeric_limits<quint32>::max() - 0x200)
        return fail(0, QCoreApplication::translate("FrameFile", "file too large"));
    if (!beginsWithSignature(bytes))
        return fail(
            0, QCoreApplication::translate("FrameFile", "not a frame file: it does not begin with a signature frame"));

    FrameFile file;
    file.m_name = name;
    file.m_bytes = bytes;
    const auto* p = reinterpret_cast<const uchar*>(file.m_bytes.constData());
    const qsizetype size = file.m_bytes.size();
    std::vector<qint32> blockOfType(0x10000, -1);
    file.m_rows.reserve(std::size_t(size / 16));
    bool definitions = true;
    int expected = 0; // the definition frame that must come next: 0 none, else its type
    for (qsizetype pos = 0; pos < size;) {
        const qsizetype n = p[pos];
        if (pos + n + 4 > size)
            return fail(pos, QCoreApplication::translate(
                                 "FrameFile", "frame cut short: its %1 payload bytes need %2 bytes, %3 are left")
                                 .arg(QString::number(n), QString::number(n + 4), QString::number(size - pos)));
        uchar check = 0;
        for (qsizetype i = pos; i < pos + n + 3; ++i)
            check ^= p[i];
        if (check != p[pos + n + 3])
            return fail(pos, QCoreApplication::translate("FrameFile", "check byte %1, but the frame's bytes give %2")
                                 .arg(hex(p[pos + n + 3], 2), hex(check, 2)));
        const quint16 type = quint16(p[pos + 1] | p[pos + 2] << 8);
        const uchar* payload = p + pos + 3;
        const qsizetype frame = pos;
        pos += n + 4;

        if (!definitions) {
            const qint32 block = blockOfType[type];
            if (block < 0)
                return fail(frame,
                            QCoreApplication::translate("FrameFile", "row of undefined block %1").arg(hex(type, 4)));
            const FrameBlock& definition = file.m_blocks[block];
            const qsizetype end = skipSequence(definition.items, p, frame + 3, frame + 3 + n);
            if (end == kBadPresence)
                return fail(frame, QCoreApplication::translate("FrameFile",
                                                               "row of block %1: a presence byte is neither 00 nor 01")
                                       .arg(definition.name));
            if (end == kEndsEarly)
                return fail(frame, QCoreApplication::translate("FrameFile",
                                                               "row of block %1 ends before its format \"%2\" does")
                                       .arg(definition.name, QString::fromLatin1(definition.format)));
            if (end != frame + 3 + n)
                return fail(
                    frame, QCoreApplication::translate("FrameFile", "row of block %1 has %2 bytes after its last field")
                               .arg(definition.name, QString::number(frame + 3 + n - end)));
            file.m_rows.push_back(FrameRow{quint32(frame + 3), quint16(block), quint8(n)});
            continue;
        }

        if (expected != 0 && type != expected)
            return fail(frame, QCoreApplication::translate(
                                   "FrameFile", "definition of block %1 incomplete: frame type %2 where %3 belongs")
                                   .arg(file.m_blocks.last().name, hex(type, 4), hex(expected, 4)));
        if (expected == 0 && (type == FrameType::BlockFormat || type == FrameType::BlockFields))
            return fail(
                frame,
                QCoreApplication::translate("FrameFile", "frame type %1 outside a block definition").arg(hex(type, 4)));
        QByteArray text;
        switch (type) {
        case FrameType::Signature:
        case FrameType::SecondSignature:
            if (!file.m_blocks.isEmpty())
                return fail(frame,
                            QCoreApplication::translate("FrameFile", "signature frame among the block definitions"));
            break;
        case FrameType::BlockName: {
            if (n < 3 || !terminated(payload + 2, n - 2, text))
                return fail(frame, QCoreApplication::translate("FrameFile", "block name without its 00 byte"));
            const quint16 id = quint16(payload[0] | payload[1] << 8);
            if (blockOfType[id] >= 0)
                return fail(frame,
                            QCoreApplication::translate("FrameFile", "block id %1 is defined twice").arg(hex(id, 4)));
            blockOfType[id] = qint32(file.m_blocks.size());
            file.m_blocks.append(FrameBlock{id, QString::fromLatin1(text), {}, {}, {}, frame});
            expected = FrameType::BlockFormat;
            break;
        }
        case FrameType::BlockFormat: {
            FrameBlock& block = file.m_blocks.last();
            if (!terminated(payload, n, block.format))
                return fail(
                    frame,
                    QCoreApplication::translate("FrameFile", "format of block %1 without its 00 byte").arg(block.name));
            FormatParser parser(block.format);
            block.items = parser.parse();
            if (!parser.error().isEmpty())
                return fail(frame, QCoreApplication::translate("FrameFile", "format \"%1\" of block %2: %3")
                                       .arg(QString::fromLatin1(block.format), block.name, parser.error()));
            expected = FrameType::BlockFields;
            break;
        }
        case FrameType::BlockFields: {
            FrameBlock& block = file.m_blocks.last();
            if (!terminated(payload, n, text))
                return fail(frame,
                            QCoreApplication::translate("FrameFile", "field names of block %1 without their 00 byte")
                                .arg(block.name));
            if (!text.isEmpty())
                block.fieldNames = QString::fromLatin1(text).split(u',');
            for (qsizetype i = block.fieldNames.size(); i < qsizetype(block.items.size()); ++i)
                block.fieldNames.append(QStringLiteral("#%1").arg(i + 1));
            expected = 0;
            break;
        }
        case FrameType::Divider: definitions = false; break;
        default:
            return fail(frame,
                        QCoreApplication::translate("FrameFile", "frame type %1 before the end of the definitions")
                            .arg(hex(type, 4)));
        }
    }
    if (definitions)
        return fail(size, QCoreApplication::translate("FrameFile", "the definitions never end: no divider frame (%1)")
                              .arg(hex(FrameType::Divider)));
    return file;
}

int FrameFile::blockIndex(QStringView name) const
{
    for (qsizetype i = 0; i < m_blocks.size(); ++i) {
        if (m_blocks[i].name == name)
            return int(i);
    }
    return -1;
}

int FrameFile::fieldIndex(const FrameBlock& block, QStringView field)
{
    return int(block.fieldNames.indexOf(field));
}

QList<FrameField> FrameFile::fields(const FrameRow& row) const
{
    const FrameBlock& block = m_blocks[row.block];
    const auto* p = reinterpret_cast<const uchar*>(m_bytes.constData());
    qsizetype pos = row.payload;
    QList<FrameField> out;
    for (const FormatItem& item : block.items)
        out.append(decodeItem(item, p, pos));
    // Names beyond the format are absent fields.
    while (out.size() < block.fieldNames.size())
        out.append(FrameField{});
    return out;
}

FrameField FrameFile::field(const FrameRow& row, int index) const
{
    const FrameBlock& block = m_blocks[row.block];
    if (index < 0 || index >= int(block.items.size()))
        return {};
    const auto* p = reinterpret_cast<const uchar*>(m_bytes.constData());
    qsizetype pos = row.payload;
    for (int i = 0; i < index; ++i)
        pos = skipItem(block.items[std::size_t(i)], p, pos, qsizetype(row.payload) + row.size);
    return decodeItem(block.items[std::size_t(index)], p, pos);
}
