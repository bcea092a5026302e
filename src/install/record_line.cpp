#include "install/record_line.h"

#include <QDir>

#include <array>
#include <charconv>
#include <string_view>

namespace {

#ifdef Q_OS_WIN
constexpr bool kWindowsSeparators = true;
#else
constexpr bool kWindowsSeparators = false;
#endif

// The bytes a field keeps as they are: letters, digits and the punctuation of paths. A tab,
// a line end and '%' itself are always encoded.
constexpr std::array<bool, 256> keptBytes()
{
    std::array<bool, 256> kept{};
    for (int c = '0'; c <= '9'; ++c)
        kept[c] = true;
    for (int c = 'A'; c <= 'Z'; ++c)
        kept[c] = kept[c + 'a' - 'A'] = true;
    for (const char c : std::string_view(" !#$&'()*+,-./:;=@[\\]^_`{|}~"))
        kept[static_cast<unsigned char>(c)] = true;
    return kept;
}
constexpr std::array<bool, 256> kKept = keptBytes();

void appendEncodedBytes(QByteArray& out, QByteArrayView bytes)
{
    static const char hex[] = "0123456789ABCDEF";
    const qsizetype at = out.size();
    out.resize(at + 3 * bytes.size());
    char* to = out.data() + at;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (kKept[b]) {
            *to++ = c;
            continue;
        }
        *to++ = '%';
        *to++ = hex[b >> 4];
        *to++ = hex[b & 15];
    }
    out.truncate(to - out.constData());
}

// Whether the file system would take text for an absolute path. Only a leading separator,
// ':' (Qt's resources) or a drive letter makes one, so most paths need no look by Qt.
bool looksAbsolute(QStringView text)
{
    const bool maybe = text.startsWith(u'/') || text.startsWith(u'\\') || text.startsWith(u':')
                       || (text.size() > 1 && text[1] == u':');
    return maybe && QDir::isAbsolutePath(text.toString());
}

void appendEncoded(QByteArray& out, QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80 || !kKept[c.unicode()]) {
            appendEncodedBytes(out, text.toUtf8());
            return;
        }
    }
    // The common case, nothing to encode: the characters are the bytes.
    const qsizetype at = out.size();
    out.resize(at + text.size());
    char* to = out.data() + at;
    for (const QChar c : text)
        *to++ = char(c.unicode());
}

} // namespace

namespace RecordText {

QByteArray encode(QStringView text)
{
    QByteArray out;
    appendEncoded(out, text);
    return out;
}

QString decode(QByteArrayView field)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(field.toByteArray()));
}

bool isInnerPath(QStringView relative, bool nativeSeparators)
{
    if (relative.isEmpty() || looksAbsolute(relative))
        return false;
    const bool backslashSeparates = nativeSeparators && kWindowsSeparators;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= relative.size(); ++i) {
        const QChar c = i < relative.size() ? relative[i] : u'/';
        if (c == u'/' || (backslashSeparates && c == u'\\')) {
            const QStringView step = relative.mid(start, i - start);
            if (step.isEmpty() || step == u"." || step == u"..")
                return false;
            start = i + 1;
        } else if (kWindowsSeparators && (c == u'\\' || c == u':')) {
            return false;
        }
    }
    return true;
}

void appendPortablePath(QByteArray& out, QStringView relative)
{
    if (!kWindowsSeparators || !relative.contains(u'\\')) {
        appendEncoded(out, relative);
        return;
    }
    appendEncoded(out, QDir::fromNativeSeparators(relative.toString()));
}

} // namespace RecordText

void RecordLine::start(QByteArrayView word)
{
    m_body.resize(0);
    m_body.append(word);
}

void RecordLine::add(QByteArrayView field)
{
    m_body.append('\t');
    m_body.append(field);
}

void RecordLine::add(qint64 number)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    add(QByteArrayView(digits, end - digits));
}

QByteArray& RecordLine::field()
{
    m_body.append('\t');
    return m_body;
}

void RecordLine::appendTo(QByteArray& out, bool checked, quint32 check) const
{
    static const char hex[] = "0123456789abcdef";
    if (checked) {
        char digits[9];
        for (int i = 7; i >= 0; --i, check >>= 4)
            digits[i] = hex[check & 15];
        digits[8] = '\t';
        out.append(digits, 9);
    }
    out.append(m_body);
    out.append('\n');
}
