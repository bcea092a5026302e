#include "moduledata/module_structure.h"

#include "common/ansi_codec.h"
#include "common/paths.h"
#include "common/text_file.h"
#include "moduledata/chassis_data.h"
#include "moduledata/file_listing.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <tuple>

namespace {

const QString kKeywords = QStringLiteral("SWT_EINTRAG");
const QString kFunctionRow = QStringLiteral("PARZUWEISUNG_FSW");
const QString kValueRow = QStringLiteral("PARZUWEISUNG_PSW1");
const QString kContinuationRow = QStringLiteral("PARZUWEISUNG_PSW2");

int firstItem(const FrameBlock& block, const char* codes)
{
    for (std::size_t i = 0; i < block.items.size(); ++i) {
        if (block.items[i].code && std::strchr(codes, block.items[i].code))
            return int(i);
    }
    return -1;
}

// The bytes a value row writes: its first byte field other than skip, else its first number.
QByteArray writtenBytes(const QList<FrameField>& fields, int skip)
{
    for (const FrameField::Kind kind : {FrameField::Kind::Bytes, FrameField::Kind::Number}) {
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i != skip && fields[i].kind == kind)
                return fields[i].storedBytes();
        }
    }
    return {};
}

std::optional<quint32> numberField(const QList<FrameField>& fields, int index)
{
    if (index < 0 || index >= fields.size() || fields[index].kind != FrameField::Kind::Number)
        return std::nullopt;
    return fields[index].number;
}

CodingBits codingBits(const FrameBlock& block, const QList<FrameField>& fields, qsizetype length)
{
    CodingBits bits;
    const std::optional<quint32> number = numberField(fields, FrameFile::fieldIndex(block, u"BLOCKNR"));
    const std::optional<quint32> byte = numberField(fields, FrameFile::fieldIndex(block, u"BYTEADR"));
    if (!number || !byte)
        return bits;
    bits.known = true;
    bits.block = *number;
    bits.byte = *byte;
    bits.word = numberField(fields, FrameFile::fieldIndex(block, u"WORTADR")).value_or(0);
    const int maskField = FrameFile::fieldIndex(block, u"MASKE");
    const QByteArray mask = maskField >= 0 ? fields[maskField].storedBytes() : QByteArray();
    // Without a value the mask tells the length; bytes the mask does not reach count whole.
    if (length == 0)
        length = std::max<qsizetype>(mask.size(), 1);
    bits.mask = mask.left(length).leftJustified(length, char(0xFF));
    return bits;
}

// Functions overlap where they share a byte of one block and word address and a bit of it.
QList<QList<int>> sharedBits(const QList<ModuleFunction>& functions)
{
    std::map<std::tuple<quint32, quint32, quint64>, std::vector<std::pair<int, uchar>>> users;
    for (qsizetype f = 0; f < functions.size(); ++f) {
        const CodingBits& bits = functions[f].bits;
        for (qsizetype i = 0; bits.known && i < bits.mask.size(); ++i)
            users[{bits.block, bits.word, quint64(bits.byte) + quint64(i)}].push_back({int(f), uchar(bits.mask[i])});
    }
    std::vector<std::vector<int>> sharing(std::size_t(functions.size()));
    for (const auto& [where, list] : users) {
        for (const auto& [a, maskA] : list) {
            for (const auto& [b, maskB] : list) {
                if (a != b && (maskA & maskB))
                    sharing[std::size_t(a)].push_back(b);
            }
        }
    }
    QList<QList<int>> out;
    out.reserve(functions.size());
    for (std::vector<int>& list : sharing) {
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
        out.append(QList<int>(list.begin(), list.end()));
    }
    return out;
}

Result<FrameFile> readFrameFile(const QString& path)
{
    const Result<QByteArray> bytes = TextFile::readBytes(path);
    if (!bytes)
        return Result<FrameFile>::failure(bytes.error());
    return FrameFile::read(bytes.value(), Paths::nameOf(path));
}

Result<KeywordTable> readKeywords(const QString& folder, const QString& pattern)
{
    const QStringList names = FileListing::files(folder, pattern);
    if (names.isEmpty())
        return Result<KeywordTable>::failure(
            QCoreApplication::translate("ModuleStructure", "%1 not found.").arg(Paths::join(folder, u'\\' + pattern)));
    const Result<FrameFile> file = readFrameFile(Paths::join(folder, u'\\' + names.first()));
    if (!file)
        return Result<KeywordTable>::failure(file.error());
    return KeywordTable::from(file.value());
}

} // namespace

Result<KeywordTable> KeywordTable::from(const FrameFile& file)
{
    const int block = file.blockIndex(kKeywords);
    KeywordTable table;
    if (block >= 0) {
        table.m_idField = firstItem(file.blocks()[block], "BWL");
        table.m_keywordField = firstItem(file.blocks()[block], "S");
    }
    if (table.m_idField < 0 || table.m_keywordField < 0)
        return Result<KeywordTable>::failure(
            frameFault(file.name(), 0,
                       QCoreApplication::translate("ModuleStructure", "no block %1 with a keyword id and a keyword")
                           .arg(kKeywords)));
    table.m_file = file;
    table.m_rows.assign(0x10000, -1);
    const std::vector<FrameRow>& rows = file.rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].block != block)
            continue;
        const quint32 id = file.field(rows[i], table.m_idField).number;
        if (id < table.m_rows.size() && table.m_rows[id] < 0)
            table.m_rows[id] = qint32(i);
    }
    return table;
}

QString KeywordTable::keyword(quint32 id) const
{
    if (id >= m_rows.size() || m_rows[id] < 0)
        return {};
    return Ansi::decode(m_file.field(m_file.rows()[std::size_t(m_rows[id])], m_keywordField).bytes);
}

QString unknownKeyword(quint32 id)
{
    return QStringLiteral("(keyword 0x%1 unknown)").arg(QString::number(id, 16).toUpper().rightJustified(4, u'0'));
}

Result<ModuleStructure> BuildModuleStructure(const FrameFile& module, const KeywordTable& functions,
                                             const KeywordTable& values)
{
    const auto fail = [&module](qsizetype offset, const QString& reason) {
        return Result<ModuleStructure>::failure(frameFault(module.name(), offset, reason));
    };
    const int functionBlock = module.blockIndex(kFunctionRow);
    const int valueBlock = module.blockIndex(kValueRow);
    const int continuationBlock = module.blockIndex(kContinuationRow);
    if (functionBlock < 0)
        return fail(0,
                    QCoreApplication::translate("ModuleStructure", "no block %1: not a module file").arg(kFunctionRow));
    const int fswField = FrameFile::fieldIndex(module.blocks()[functionBlock], u"FSW");
    const int pswField = valueBlock >= 0 ? FrameFile::fieldIndex(module.blocks()[valueBlock], u"PSW") : 0;
    if (fswField < 0 || pswField < 0)
        return fail(0, QCoreApplication::translate("ModuleStructure",
                                                   "the function or value rows have no keyword id (FSW, PSW)"));

    ModuleStructure structure;
    structure.module = module.name();
    structure.file = module;
    QList<QList<FrameField>> functionFields;
    const std::vector<FrameRow>& rows = module.rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const FrameRow& row = rows[i];
        const qsizetype offset = FrameFile::offsetOf(row);
        if (row.block == functionBlock) {
            const QList<FrameField> fields = module.fields(row);
            const std::optional<quint32> id = numberField(fields, fswField);
            if (!id)
                return fail(offset, QCoreApplication::translate("ModuleStructure", "field FSW is not a number"));
            const QString name = functions.keyword(*id);
            structure.functions.append(
                ModuleFunction{*id, name.isEmpty() ? unknownKeyword(*id) : name, int(i), {}, {}});
            functionFields.append(fields);
        } else if (row.block == valueBlock) {
            if (structure.functions.isEmpty())
                return fail(offset,
                            QCoreApplication::translate("ModuleStructure", "value row before the first function"));
            const QList<FrameField> fields = module.fields(row);
            const std::optional<quint32> id = numberField(fields, pswField);
            if (!id)
                return fail(offset, QCoreApplication::translate("ModuleStructure", "field PSW is not a number"));
            const QString name = values.keyword(*id);
            structure.functions.last().values.append(
                ModuleValue{*id, name.isEmpty() ? unknownKeyword(*id) : name, int(i), writtenBytes(fields, pswField)});
        } else if (row.block == continuationBlock) {
            if (structure.functions.isEmpty() || structure.functions.last().values.isEmpty())
                return fail(offset, QCoreApplication::translate("ModuleStructure",
                                                                "continuation row without a value before it"));
            structure.functions.last().values.last().bytes += writtenBytes(module.fields(row), -1);
        }
    }
    for (qsizetype f = 0; f < structure.functions.size(); ++f) {
        ModuleFunction& function = structure.functions[f];
        qsizetype length = 0;
        for (const ModuleValue& value : function.values)
            length = std::max(length, value.bytes.size());
        function.bits = codingBits(module.blocks()[functionBlock], functionFields[f], length);
        if (!structure.byName.contains(function.name))
            structure.byName.insert(function.name, int(f));
    }
    structure.sharing = sharedBits(structure.functions);
    return structure;
}

Result<ModuleStructure> ReadModuleStructure(const QString& folderNCS, const QString& chassis, const QString& module)
{
    const QString folder = chassisFolder(folderNCS, chassis);
    const Result<KeywordTable> functions = readKeywords(folder, QStringLiteral("SWTFSW*.DAT"));
    if (!functions)
        return Result<ModuleStructure>::failure(functions.error());
    const Result<KeywordTable> values = readKeywords(folder, QStringLiteral("SWTPSW*.DAT"));
    if (!values)
        return Result<ModuleStructure>::failure(values.error());
    const Result<FrameFile> file = readFrameFile(Paths::join(folder, u'\\' + module));
    if (!file)
        return Result<ModuleStructure>::failure(file.error());
    return BuildModuleStructure(file.value(), functions.value(), values.value());
}

Result<QList<FileCheck>> CheckChassisFiles(const QString& folderNCS, const QString& chassis)
{
    const QString folder = chassisFolder(folderNCS, chassis);
    if (chassis.isEmpty() || !QDir(folder).exists())
        return Result<QList<FileCheck>>::failure(
            QCoreApplication::translate("ModuleStructure", "%1 not found.").arg(folder));
    QList<FileCheck> checks;
    for (const QString& name : FileListing::files(folder, QStringLiteral("*"))) {
        const Result<QByteArray> bytes = TextFile::readBytes(Paths::join(folder, u'\\' + name));
        if (!bytes) {
            checks.append({name, bytes.error()});
            continue;
        }
        if (!FrameFile::beginsWithSignature(bytes.value()))
            continue;
        const Result<FrameFile> file = FrameFile::read(bytes.value(), name);
        checks.append({name, file ? QString() : file.error()});
    }
    return checks;
}
