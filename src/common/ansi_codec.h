#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The tools' text files are single-byte. We show them with the Windows-1252 mapping and
// keep every byte 0-255 reversible: the five bytes 1252 leaves undefined map to the
// C1 control characters of the same value, so bytes -> text -> bytes is the identity.
namespace Ansi {

QString decode(QByteArrayView bytes);
QByteArray encode(const QString& text);

// The character a single byte stands for, and back. A character outside the mapping
// becomes '?', as a Windows ANSI conversion does.
QChar charFromByte(unsigned char byte);
char byteFromChar(QChar ch);

// Upper or lower case letter by letter, keeping every letter whose other case has no
// single-byte form, so the text stays writable in the tools' code page ("straße-µ"
// becomes "STRAßE-µ", not "STRASSE-Μ").
QString upper(const QString& text);
QString lower(const QString& text);

} // namespace Ansi
