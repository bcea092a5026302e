#include "cli/cli_command.h"
#include "common/ansi_codec.h"
#include "common/paths.h"
#include "moduledata/chassis_data.h"
#include "moduledata/file_listing.h"
#include "moduledata/hex_text.h"
#include "moduledata/module_data.h"
#include "moduledata/module_explanation.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

struct ModuleOptions {
    QString folderNCS;
    QString chassis;
    QString module;
    QStringList functions;
    bool json = false;
    bool check = false;
};

// The folder and the files the structure is read from must be there; what is in them is
// the reader's business.
QString missingInput(const ModuleOptions& options)
{
    const QString folder = chassisFolder(options.folderNCS, options.chassis);
    if (!QDir(folder).exists())
        return folder + QStringLiteral(" not found.");
    for (const QString& pattern : {QStringLiteral("SWTFSW*.DAT"), QStringLiteral("SWTPSW*.DAT")}) {
        if (FileListing::files(folder, pattern).isEmpty())
            return Paths::join(folder, u'\\' + pattern) + QStringLiteral(" not found.");
    }
    const QString module = Paths::join(folder, u'\\' + options.module);
    if (!QFileInfo(module).isFile())
        return module + QStringLiteral(" not found.");
    return {};
}

QJsonValue jsonValue(const FrameField& field)
{
    switch (field.kind) {
    case FrameField::Kind::Number: return qint64(field.number);
    case FrameField::Kind::String: return Ansi::decode(field.bytes);
    case FrameField::Kind::Bytes: return QString::fromLatin1(HexText::TextToHex(field.bytes));
    case FrameField::Kind::List: {
        QJsonArray items;
        for (const FrameField& item : field.items)
            items.append(jsonValue(item));
        return items;
    }
    case FrameField::Kind::Absent: break;
    }
    return QJsonValue();
}

QJsonObject jsonFields(const QList<NamedField>& fields)
{
    QJsonObject object;
    for (const NamedField& field : fields)
        object.insert(field.name, jsonValue(field.value));
    return object;
}

QJsonObject jsonFunction(const FunctionExplanation& explanation)
{
    QJsonArray values;
    for (const ExplainedValue& value : explanation.values)
        values.append(QJsonObject{{QStringLiteral("value"), value.name},
                                  {QStringLiteral("id"), qint64(value.id)},
                                  {QStringLiteral("fields"), jsonFields(value.fields)},
                                  {QStringLiteral("bytes"), QString::fromLatin1(HexText::TextToHex(value.bytes))}});
    return QJsonObject{{QStringLiteral("function"), explanation.function},
                       {QStringLiteral("id"), qint64(explanation.id)},
                       {QStringLiteral("fields"), jsonFields(explanation.fields)},
                       {QStringLiteral("values"), values},
                       {QStringLiteral("shares_bits_with"), QJsonArray::fromStringList(explanation.sharesBitsWith)}};
}

// --check, first part: every binary file of the chassis. The number of damaged files, or
// -1 when the folder cannot be listed.
int checkFiles(const ModuleOptions& options, QStringList& faults, QTextStream& out, QTextStream& err)
{
    const Result<QList<FileCheck>> files = CheckChassisFiles(options.folderNCS, options.chassis);
    if (!files) {
        err << files.error() << '\n';
        return -1;
    }
    for (const FileCheck& file : files.value()) {
        if (!file.error.isEmpty())
            faults.append(file.error);
    }
    for (const QString& fault : faults)
        out << fault << '\n';
    out << files->size() << " binary files checked, " << faults.size() << " damaged\n";
    return int(faults.size());
}

// --check, second part: the module's structure against the search of "Show values".
int crossCheck(const ModuleOptions& options, const ModuleStructure& module, QTextStream& out)
{
    ModuleData data;
    const Result<QStringList> chassis = LoadChassis(options.folderNCS, options.chassis, data);
    const Status loaded = chassis ? LoadModule(options.folderNCS, options.chassis, options.module, data)
                                  : Status::failure(chassis.error());
    if (!loaded) {
        out << "the search of \"Show values\" cannot read the chassis: " << loaded.error() << '\n';
        return 1;
    }
    const QList<FunctionDisagreement> disagreements = CrossCheckModule(module, data, options.functions);
    for (const FunctionDisagreement& disagreement : disagreements) {
        FunctionExplanation explanation;
        explanation.search = disagreement.comparison;
        // Only the disagreement: the function's own lines belong to the listing.
        out << disagreement.function << '\n' << ExplanationLines(explanation).mid(2).join(u'\n') << '\n';
    }
    out << module.module << ": " << module.functions.size() << " functions, "
        << (disagreements.isEmpty()
                ? QStringLiteral("the structure and the search agree")
                : QStringLiteral("%1 where the structure and the search disagree").arg(disagreements.size()))
        << '\n';
    return disagreements.isEmpty() ? 0 : 1;
}

} // namespace

// quillon-cli module: a module file read by its structure, function by function; with
// --check every binary file of the chassis verified and the structure set against the
// search of "Show values".
int runModule(const CommandLine& line, QTextStream& out, QTextStream& err)
{
    const ModuleOptions options{line.value("--ncs"), line.value("--chassis"), line.value("--module"),
                                line.arguments(),    line.isSet("--json"),    line.isSet("--check")};
    if (options.json && options.check)
        return line.refuse(err, u"--json lists the functions; --check prints its findings as text"_qs);
    if (const QString missing = missingInput(options); !missing.isEmpty()) {
        err << missing << '\n';
        return 2;
    }
    const Result<ModuleStructure> module = ReadModuleStructure(options.folderNCS, options.chassis, options.module);
    QStringList faults;
    const int damaged = options.check ? checkFiles(options, faults, out, err) : 0;
    if (damaged < 0)
        return 2;
    // A damaged file is a finding; the structure of a damaged module is not used.
    if (!module) {
        if (!faults.contains(module.error()))
            (options.check ? out : err) << module.error() << '\n';
        return 1;
    }
    int status = damaged > 0 ? 1 : 0;
    QList<int> chosen;
    for (const QString& function : options.functions) {
        const int index = module->indexOf(function);
        if (index < 0) {
            err << unknownValueText({function, {}, module->module, false}) << '\n';
            status = 1;
        }
        chosen.append(index);
    }
    if (options.check)
        return std::max(status, crossCheck(options, module.value(), out));
    if (options.functions.isEmpty()) {
        for (int i = 0; i < module->functions.size(); ++i)
            chosen.append(i);
    }
    QJsonArray array;
    for (const int index : chosen) {
        if (index < 0)
            continue;
        const FunctionExplanation explanation = ExplainFunction(module.value(), index);
        if (options.json)
            array.append(jsonFunction(explanation));
        else
            out << ExplanationLines(explanation).join(u'\n') << '\n';
    }
    if (options.json)
        out << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
    return status;
}
