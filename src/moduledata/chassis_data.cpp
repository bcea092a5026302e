#include "moduledata/chassis_data.h"

#include "common/logging.h"
#include "common/paths.h"
#include "common/text_file.h"
#include "moduledata/file_listing.h"
#include "moduledata/hex_text.h"
#include "moduledata/module_data.h"

#include <QCoreApplication>

namespace {

const QString kModulePattern = QStringLiteral("*.C*");
const QString kFunctionKeywords = QStringLiteral("SWTFSW*.DAT");
const QString kValueKeywords = QStringLiteral("SWTPSW*.DAT");

// The path of the first file of folder that matches pattern.
Result<QString> firstMatch(const QString& folder, const QString& pattern)
{
    const QStringList names = FileListing::files(folder, pattern);
    if (names.isEmpty())
        return Result<QString>::failure(
            QCoreApplication::translate("ChassisData", "%1 not found.").arg(Paths::join(folder, u'\\' + pattern)));
    return Paths::join(folder, u'\\' + names.first());
}

} // namespace

QString chassisFolder(const QString& folderNCS, const QString& chassis)
{
    return Paths::join(folderNCS, QStringLiteral("\\DATEN\\") + chassis);
}

QStringList FillChassisList(const QString& folderNCS)
{
    return FileListing::subfolders(Paths::join(folderNCS, QStringLiteral("\\DATEN")));
}

QStringList ChassisModules(const QString& folderNCS, const QString& chassis)
{
    return FileListing::files(chassisFolder(folderNCS, chassis), kModulePattern);
}

Status LoadKeywordFiles(const QString& folderNCS, const QString& chassis, ModuleData& data)
{
    qCDebug(lcModuleData) << "keyword files of chassis" << chassis << "in" << folderNCS;
    const QString folder = chassisFolder(folderNCS, chassis);
    data.FswData.clear();
    data.PswHex.clear();
    data.PswBytes.clear();

    const Result<QString> functionFile = firstMatch(folder, kFunctionKeywords);
    if (!functionFile)
        return Status::failure(functionFile.error());
    Result<QByteArray> functions = TextFile::readBytes(functionFile.value(), FileKinds::KeywordFile);
    if (!functions)
        return Status::failure(functions.error());
    data.FswData = std::move(functions).value();

    const Result<QString> valueFile = firstMatch(folder, kValueKeywords);
    if (!valueFile)
        return Status::failure(valueFile.error());
    Result<QByteArray> values = TextFile::readBytes(valueFile.value(), FileKinds::KeywordFile);
    if (!values)
        return Status::failure(values.error());
    QByteArray& bytes = values.value();
    const qsizetype keyword = bytes.indexOf("KEYWORD");
    if (keyword < 0)
        return Status::failure(
            QCoreApplication::translate("ChassisData", "\"KEYWORD\" not found in %1.").arg(valueFile.value()));
    bytes.remove(0, keyword);
    data.PswHex = HexText::TextToHex(bytes);
    data.PswBytes = bytes;
    return {};
}

Result<QStringList> LoadChassis(const QString& folderNCS, const QString& chassis, ModuleData& data)
{
    data.ModuleHex.clear();
    QStringList modules = ChassisModules(folderNCS, chassis);
    const Status keywords = LoadKeywordFiles(folderNCS, chassis, data);
    if (!keywords)
        return Result<QStringList>::failure(keywords.error());
    return modules;
}

Status LoadModule(const QString& folderNCS, const QString& chassis, const QString& module, ModuleData& data)
{
    qCDebug(lcModuleData) << "module" << module << "of chassis" << chassis;
    data.ValueNames.clear();
    data.ModuleHex.clear();
    data.ModuleBytes.clear();
    Result<QByteArray> file =
        TextFile::readBytes(Paths::join(chassisFolder(folderNCS, chassis), u'\\' + module), FileKinds::ModuleFile);
    if (!file)
        return Status::failure(file.error());
    QByteArray& bytes = file.value();
    // "INDIVID" and the 13 bytes after it open the data; without the mark the first 19
    // bytes are dropped.
    const qsizetype indivId = bytes.indexOf("INDIVID");
    const qsizetype start = indivId >= 0 ? indivId + 20 : 19;
    bytes.remove(0, std::min(start, bytes.size()));
    data.ModuleHex = HexText::TextToHex(bytes);
    data.ModuleBytes = bytes;
    return {};
}
