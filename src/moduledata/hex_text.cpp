#include "moduledata/hex_text.h"

namespace HexText {

namespace {
constexpr char kDigits[] = "0123456789ABCDEF";

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}
} // namespace

QByteArray TextToHex(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    // Written straight into a buffer of the final size: this runs over multi-megabyte
    // keyword files on every chassis choice.
    QByteArray hex(bytes.size() * 3 - 1, ' ');
    char* out = hex.data();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        out[3 * i] = kDigits[in[i] >> 4];
        out[3 * i + 1] = kDigits[in[i] & 0x0F];
    }
    return hex;
}

QByteArray HexToText(const QByteArray& hex)
{
    QByteArray bytes;
    bytes.reserve(hex.size() / 3 + 1);
    for (qsizetype i = 0; i + 1 < hex.size(); i += 3) {
        const int high = digitValue(hex[i]);
        const int low = digitValue(hex[i + 1]);
        bytes.append(static_cast<char>(high < 0 || low < 0 ? 0 : high * 16 + low));
    }
    return bytes;
}

} // namespace HexText
