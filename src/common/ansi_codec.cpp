#include "common/ansi_codec.h"

#include <array>
#include <unordered_map>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

const std::unordered_map<char16_t, unsigned char>& reverseHighControls()
{
    static const auto table = [] {
        std::unordered_map<char16_t, unsigned char> map;
        for (std::size_t i = 0; i < kHighControls.size(); ++i)
            map.emplace(kHighControls[i], static_cast<unsigned char>(0x80 + i));
        return map;
    }();
    return table;
}

} // namespace

namespace Ansi {

QChar charFromByte(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(kHighControls[byte - 0x80]);
    return QChar(static_cast<char16_t>(byte));
}

char byteFromChar(QChar ch)
{
    const char16_t code = ch.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    const auto& reverse = reverseHighControls();
    if (auto it = reverse.find(code); it != reverse.end())
        return static_cast<char>(it->second);
    return '?';
}

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = charFromByte(static_cast<unsigned char>(bytes[i]));
    return text;
}

QByteArray encode(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = byteFromChar(text[i]);
    return bytes;
}

namespace {

bool hasSingleByteForm(QChar ch)
{
    return ch == u'?' || byteFromChar(ch) != '?';
}

template <typename Convert>
QString convertLetters(const QString& text, Convert convert)
{
    QString result = text;
    for (QChar& ch : result) {
        const QChar converted = convert(ch);
        if (converted != ch && hasSingleByteForm(converted))
            ch = converted;
    }
    return result;
}

} // namespace

QString upper(const QString& text)
{
    return convertLetters(text, [](QChar ch) { return ch.toUpper(); });
}

QString lower(const QString& text)
{
    return convertLetters(text, [](QChar ch) { return ch.toLower(); });
}

} // namespace Ansi
