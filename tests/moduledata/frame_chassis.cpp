#include "frame_chassis.h"

#include <random>

namespace FrameChassis {

namespace {

QByteArray little(quint32 value, int width)
{
    QByteArray out;
    for (int i = 0; i < width; ++i)
        out.append(char(value >> (8 * i) & 0xFF));
    return out;
}

} // namespace

QByteArray frame(quint16 type, const QByteArray& payload)
{
    QByteArray out;
    out.append(char(payload.size())).append(char(type & 0xFF)).append(char(type >> 8)).append(payload);
    char check = 0;
    for (const char byte : out)
        check ^= byte;
    return out.append(check);
}

QByteArray header(const QList<Block>& blocks)
{
    QByteArray out = frame(0x0100, "GEN") + frame(0x0200, QByteArray("INDIVID\0", 8) + QByteArray(13, '\x01'));
    for (const Block& block : blocks) {
        out += frame(0x0300, little(block.id, 2) + block.name + '\0') + frame(0x0400, block.format + '\0')
               + frame(0x0500, block.fields + '\0');
    }
    return out + frame(0xFF00, {});
}

namespace {

// Function rows are always 18 bytes (the search's record marker is their length byte and
// block id); FSW lies 6, 9 or 10 bytes into them.
const std::pair<QByteArray, QByteArray> kLayouts[] = {
    {"WWWWLWWBB", "BLOCKNR,WORTADR,BYTEADR,FSW,MASKE,GRUPPE,INDEX,KENNUNG,REST"},
    {"BWLWWLBW", "INDEX,BLOCKNR,WORTADR,BYTEADR,FSW,MASKE,KENNUNG,GRUPPE"},
    {"LWBWBWLBB", "BLOCKNR,BYTEADR,INDEX,WORTADR,KENNUNG,FSW,MASKE,GRUPPE,REST"}};

QByteArray keywordFile(const QList<std::pair<QByteArray, QByteArray>>& entries)
{
    QByteArray out = header({{0x0001, "SWT_EINTRAG", "WS", "ID,KEYWORD"}});
    for (const auto& [id, keyword] : entries)
        out += frame(0x0001, id + keyword + '\0');
    return out;
}

} // namespace

Chassis generate(quint32 seed, int functions, bool mixedLengths)
{
    std::mt19937 random(seed);
    const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    // Bytes 0x10 and 0x12 would make value entries and record markers of their own.
    const auto safe = [&pick] {
        const int byte = pick(0x01, 0xFF);
        return char(byte == 0x10 || byte == 0x12 ? 0x33 : byte);
    };
    const auto& [format, fields] = kLayouts[seed % 3];
    const QByteArrayList names = fields.split(',');
    const quint16 functionBlock = seed % 2 ? 0x0100 : 0x0000;
    QByteArray module = header({{functionBlock, "PARZUWEISUNG_FSW", format, fields},
                                {0x0010, "PARZUWEISUNG_PSW1", "W(B)", "PSW,DATEN"},
                                {0x0011, "PARZUWEISUNG_PSW2", "(B)", "DATEN"}});
    QList<std::pair<QByteArray, QByteArray>> functionKeywords, valueKeywords;
    for (int v = 0; v < 300; ++v)
        valueKeywords.append(
            {little(quint32(0x30 + v / 200 + (0x30 + v % 200) * 0x100), 2), "wert_" + QByteArray::number(v)});
    Chassis chassis;
    for (int f = 0; f < functions; ++f) {
        // The id's second byte stands just before the name: a separator byte (1-36).
        const int low = 1 + f % 34, high = 0x40 + f / 34;
        const QByteArray id = little(quint32(high + (low + (low >= 0x10) + (low >= 0x11)) * 0x100), 2);
        Function function{QStringLiteral("FUNKTION_%1").arg(f), {}, {}};
        functionKeywords.append({id, function.name.toLatin1()});
        const int length = mixedLengths && f == 0 ? 1 : QList<int>{1, 2, 4, 10}[pick(0, 3)];
        QByteArray row;
        for (qsizetype i = 0; i < names.size(); ++i) {
            const int width = format[i] == 'B' ? 1 : format[i] == 'W' ? 2 : 4;
            if (names[i] == "FSW")
                row += id;
            else if (names[i] == "MASKE")
                row += QByteArray().append(safe()).append(safe()).append(safe()).append(safe());
            else
                row += little(names[i] == "WORTADR"   ? 0x3000
                              : names[i] == "BYTEADR" ? pick(0x20, 0x40) + (0x20 + f / 8 % 0xC0) * 0x100
                              : names[i] == "BLOCKNR" ? pick(1, 2)
                                                      : pick(0x41, 0x4F),
                              width);
        }
        module += frame(functionBlock, row);
        const int first = pick(0, 290), count = pick(2, 5);
        for (int v = 0; v < count; ++v) {
            const auto& [valueId, name] = valueKeywords[first + v];
            QByteArray bytes;
            while (bytes.size() < length + (mixedLengths && f == 0 && v == 1))
                bytes += safe();
            module += frame(0x0010, valueId + little(quint32(qMin(bytes.size(), 8)), 2) + bytes.left(8));
            if (bytes.size() > 8)
                module += frame(0x0011, little(quint32(bytes.size() - 8), 2) + bytes.mid(8));
            function.values.append(QString::fromLatin1(name));
            function.bytes.append(bytes);
        }
        chassis.functions.append(function);
    }
    chassis.files = {{QStringLiteral("SWTFSW01.DAT"), keywordFile(functionKeywords)},
                     {QStringLiteral("SWTPSW01.DAT"), keywordFile(valueKeywords)},
                     {QStringLiteral("M.C01"), module}};
    return chassis;
}

} // namespace FrameChassis
