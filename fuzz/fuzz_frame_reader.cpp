// Arbitrary bytes read as a binary chassis file; when the first input byte is odd, with
// every check byte set right first, so that changes reach past the check. A file the reader accepts has, by a plain
// walk of its frames, a right check byte in every frame and one row per frame after the
// divider; every row's fields written back by its format give its payload byte for byte.
// The same file read as keyword table and module gives functions whose values carry the
// bytes of their rows, overlaps that go both ways, and an explanation of each.

#include "fuzz_support.h"
#include "moduledata/frame_file.h"
#include "moduledata/module_explanation.h"
#include "moduledata/module_structure.h"

namespace {

using Items = std::vector<FormatItem>;

void encodeSequence(const Items& items, const FrameField& field, QByteArray& out);

void encodeItem(const FormatItem& item, const FrameField& field, QByteArray& out)
{
    switch (item.code) {
    case 'B':
    case 'W':
    case 'L': out += field.storedBytes(); break;
    case 'S': out += field.bytes + '\0'; break;
    case 'A': out += char(field.bytes.size()) + field.bytes; break;
    case '{':
        if (field.kind == FrameField::Kind::Absent) {
            out += '\0';
            break;
        }
        out += '\1';
        if (item.inner.size() == 1 && item.inner.front().code == '{')
            encodeSequence(item.inner, field.items.value(0), out);
        else
            encodeSequence(item.inner, field, out);
        break;
    case '(': {
        const bool bytes = item.inner.size() == 1 && item.inner.front().code == 'B';
        const qsizetype count = bytes ? field.bytes.size() : field.items.size();
        out += char(count & 0xFF);
        out += char(count >> 8);
        if (bytes)
            out += field.bytes;
        for (qsizetype i = 0; !bytes && i < count; ++i)
            encodeSequence(item.inner, field.items[i], out);
        break;
    }
    default: break;
    }
}

void encodeSequence(const Items& items, const FrameField& field, QByteArray& out)
{
    if (items.size() == 1)
        return encodeItem(items.front(), field, out);
    for (std::size_t i = 0; i < items.size(); ++i)
        encodeItem(items[i], field.items.value(qsizetype(i)), out);
}

// The frames after the divider, by a walk that checks nothing but the check bytes.
qsizetype plainRowCount(const QByteArray& bytes)
{
    qsizetype rows = -1; // -1 until the divider
    for (qsizetype pos = 0; pos < bytes.size();) {
        const auto n = qsizetype(uchar(bytes[pos]));
        Fuzz::check(pos + n + 4 <= bytes.size(), "an accepted file ends inside a frame");
        uchar check = 0;
        for (qsizetype i = pos; i < pos + n + 3; ++i)
            check ^= uchar(bytes[i]);
        Fuzz::check(check == uchar(bytes[pos + n + 3]), "an accepted frame has a wrong check byte");
        if (rows >= 0)
            ++rows;
        else if (bytes[pos + 1] == 0 && uchar(bytes[pos + 2]) == 0xFF)
            rows = 0;
        pos += n + 4;
    }
    return rows;
}

// Sets each frame's check byte to the XOR of the bytes before it, as far as whole frames go.
void repairChecks(QByteArray& bytes)
{
    for (qsizetype pos = 0; pos < bytes.size() && pos + uchar(bytes[pos]) + 4 <= bytes.size();) {
        const qsizetype end = pos + uchar(bytes[pos]) + 3;
        char check = 0;
        for (qsizetype i = pos; i < end; ++i)
            check ^= bytes[i];
        bytes[end] = check;
        pos = end + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    if (data[0] & 1)
        repairChecks(bytes);
    const QString name = QStringLiteral("FUZZ.C01");
    const Result<FrameFile> file = FrameFile::read(bytes, name);
    if (!file) {
        Fuzz::check(file.error().startsWith(name + QStringLiteral(": offset ")), "fault without its place",
                    file.error());
        return 0;
    }
    Fuzz::check(FrameFile::beginsWithSignature(bytes), "accepted without a signature frame");
    Fuzz::check(plainRowCount(bytes) == qsizetype(file->rows().size()), "rows miscounted");
    for (const FrameRow& row : file->rows()) {
        const FrameBlock& block = file->blocks()[row.block];
        const QList<FrameField> fields = file->fields(row);
        Fuzz::check(fields.size() == block.fieldNames.size(), "a field without a name");
        QByteArray encoded;
        for (std::size_t i = 0; i < block.items.size(); ++i)
            encodeItem(block.items[i], fields[qsizetype(i)], encoded);
        Fuzz::check(encoded == bytes.mid(row.payload, row.size), "a row does not read back",
                    QString::fromLatin1(block.format));
        for (int i = 0; i < fields.size(); ++i)
            Fuzz::check(file->field(row, i) == fields[i], "one field differs from all fields");
    }

    // A module file holds no keywords: its functions and values then go by their ids.
    const Result<KeywordTable> keywords = KeywordTable::from(file.value());
    const KeywordTable table = keywords ? keywords.value() : KeywordTable();
    const Result<ModuleStructure> module = BuildModuleStructure(file.value(), table, table);
    if (!module)
        return 0;
    for (int f = 0; f < module->functions.size(); ++f) {
        const ModuleFunction& function = module->functions[f];
        Fuzz::check(file->rows()[std::size_t(function.row)].block == file->blockIndex(u"PARZUWEISUNG_FSW"),
                    "a function from another block");
        for (const int other : module->sharing[f])
            Fuzz::check(module->sharing[other].contains(f), "shared bits one way only");
        const FunctionExplanation explanation = ExplainFunction(module.value(), f, {QStringLiteral("x")});
        Fuzz::check(explanation.values.size() == function.values.size(), "values lost in the explanation");
        Fuzz::check(ExplanationLines(explanation).size() >= 2 + function.values.size(), "explanation lines missing");
    }
    return 0;
}
