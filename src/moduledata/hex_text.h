#pragma once

#include <QByteArray>

// Hex text: every byte as two upper-case hex digits, pairs separated by one blank
// ("61 62 63" for "abc"). Byte N starts at character 3N (0-based) of the hex text.
namespace HexText {

QByteArray TextToHex(const QByteArray& bytes);

// The inverse: reads the pairs at characters 0, 3, 6, ...; a pair that is not hex
// digits gives the byte 0, as a lenient reader of another tool's data should.
QByteArray HexToText(const QByteArray& hex);

} // namespace HexText
