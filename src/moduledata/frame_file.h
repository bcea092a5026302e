#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// NCS Expert's binary chassis files (keyword files, module files, BR_REF.DAT ...) read as
// what they are: a flat sequence of frames, each a payload length N, a 16-bit type
// (little-endian), N payload bytes and a check byte, the XOR of every byte before it in
// the frame. Signature frames open the file, block definitions follow, a divider ends
// them, and every later frame is a row of a defined block, decoded by its format string.

namespace FrameType {
constexpr quint16 Signature = 0x0100;
constexpr quint16 SecondSignature = 0x0200;
constexpr quint16 BlockName = 0x0300;
constexpr quint16 BlockFormat = 0x0400;
constexpr quint16 BlockFields = 0x0500;
constexpr quint16 Divider = 0xFF00;
} // namespace FrameType

// One decoded field of a row.
struct FrameField {
    enum class Kind : quint8 { Absent, Number, String, Bytes, List };
    Kind kind = Kind::Absent;
    quint8 width = 0;        // of a number: 1, 2 or 4 bytes
    quint32 number = 0;      // B, W, L
    QByteArray bytes;        // S without its 00 byte; A and a collection of single bytes
    QList<FrameField> items; // another collection, or an optional of several items

    // A number's bytes as the file stores them (little-endian), or the bytes themselves.
    QByteArray storedBytes() const;
    bool operator==(const FrameField&) const = default;
};

// How a field is shown: numbers in hex ("0x0007", as wide as the field), bytes as
// space-separated hex, strings as they are, an absent field as "-", lists in brackets.
QString frameFieldText(const FrameField& field);

// "<file>: offset N (0xN): <reason>", how every fault of a frame file is told.
QString frameFault(const QString& file, qsizetype offset, const QString& reason);

// A compiled format string: one item per field.
struct FormatItem {
    char code = 0; // B W L S A, '{' optional, '(' collection, 0 an unfinished tail (absent)
    std::vector<FormatItem> inner;
};

struct FrameBlock {
    quint16 id = 0;
    QString name;
    QByteArray format;
    QStringList fieldNames; // one per field; fields the names do not reach are numbered "#n"
    std::vector<FormatItem> items;
    qsizetype offset = 0; // of the definition's first frame
};

// Where a row's payload lies in the file.
struct FrameRow {
    quint32 payload = 0;
    quint16 block = 0; // index into blocks()
    quint8 size = 0;
};

class FrameFile {
public:
    // Verifies every frame's check byte and decodes every row; the first fault fails the
    // whole file with "<name>: offset N (0xN): <what is wrong>".
    static Result<FrameFile> read(const QByteArray& bytes, const QString& name);
    // Whether the bytes begin with a signature frame: the test for a binary chassis file.
    static bool beginsWithSignature(const QByteArray& bytes);

    const QString& name() const { return m_name; }
    const QList<FrameBlock>& blocks() const { return m_blocks; }
    const std::vector<FrameRow>& rows() const { return m_rows; }
    // -1 when there is none.
    int blockIndex(QStringView name) const;
    static int fieldIndex(const FrameBlock& block, QStringView field);

    QList<FrameField> fields(const FrameRow& row) const;
    // One field without decoding the others; Absent for an index past the last field.
    FrameField field(const FrameRow& row, int index) const;
    // The file offset of the row's frame.
    static qsizetype offsetOf(const FrameRow& row) { return qsizetype(row.payload) - 3; }

private:
    QString m_name;
    QByteArray m_bytes;
    QList<FrameBlock> m_blocks;
    std::vector<FrameRow> m_rows;
};
