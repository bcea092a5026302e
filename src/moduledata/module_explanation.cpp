#include "moduledata/module_explanation.h"

#include "coding/manipulation_lines.h"
#include "coding/translation.h"
#include "moduledata/possible_values.h"
#include "moduledata/value_search.h"

#include <QCoreApplication>
#include <QSet>

namespace {

QList<NamedField> namedFields(const FrameFile& file, int row)
{
    const FrameRow& frameRow = file.rows()[std::size_t(row)];
    const QStringList& names = file.blocks()[frameRow.block].fieldNames;
    const QList<FrameField> fields = file.fields(frameRow);
    QList<NamedField> out;
    for (qsizetype i = 0; i < fields.size(); ++i)
        out.append({names.value(i), fields[i]});
    return out;
}

QString shown(const QString& name, bool isFunction, const NameLookup& translate)
{
    const QString translation = translate ? translate(name) : QString();
    return translation.isEmpty() ? name : TranslationText::withTranslation(name, translation, isFunction);
}

QStringList valueNames(const ModuleFunction& function)
{
    QStringList names;
    for (const ModuleValue& value : function.values)
        names.append(value.name);
    return names;
}

} // namespace

QString keywordIdText(quint32 id)
{
    return QStringLiteral("0x") + QString::number(id, 16).toUpper().rightJustified(4, u'0');
}

QString codingBitsText(const CodingBits& bits)
{
    if (!bits.known)
        return {};
    const auto hex = [](quint32 number) {
        return QStringLiteral("0x") + QString::number(number, 16).toUpper().rightJustified(4, u'0');
    };
    return QCoreApplication::translate("ModuleExplanation", "block %1, word %2, byte %3, %4 %5, mask %6")
        .arg(hex(bits.block), hex(bits.word), hex(bits.byte), QString::number(bits.mask.size()),
             bits.mask.size() == 1 ? QCoreApplication::translate("ModuleExplanation", "byte")
                                   : QCoreApplication::translate("ModuleExplanation", "bytes"),
             QString::fromLatin1(bits.mask.toHex(' ').toUpper()));
}

FunctionExplanation ExplainFunction(const ModuleStructure& module, int index, const QStringList& loaded,
                                    const NameLookup& translate)
{
    const ModuleFunction& function = module.functions[index];
    FunctionExplanation out;
    out.function = shown(function.name, true, translate);
    out.id = function.id;
    out.fields = namedFields(module.file, function.row);
    out.bits = function.bits;
    for (const ModuleValue& value : function.values)
        out.values.append({shown(value.name, false, translate), value.id, namedFields(module.file, value.row),
                           value.bytes, loaded.contains(value.name)});
    for (const int other : module.sharing[index])
        out.sharesBitsWith.append(shown(module.functions[other].name, true, translate));
    return out;
}

QStringList ExplanationLines(const FunctionExplanation& explanation)
{
    QStringList lines{explanation.function + QStringLiteral(" (id ") + keywordIdText(explanation.id) + u')'};
    QStringList fields;
    for (const NamedField& field : explanation.fields)
        fields.append(field.name + QStringLiteral(": ") + frameFieldText(field.value));
    lines.append(u'\t' + fields.join(QStringLiteral(", ")));
    if (const QString where = codingBitsText(explanation.bits); !where.isEmpty())
        lines.append(QStringLiteral("\tat ") + where);
    for (const ExplainedValue& value : explanation.values) {
        const QString bytes = value.bytes.isEmpty() ? QStringLiteral("(no bytes)")
                                                    : frameFieldText({FrameField::Kind::Bytes, 0, 0, value.bytes, {}});
        lines.append(QStringLiteral("\t%1%2 (id %3): %4")
                         .arg(value.loaded ? QStringLiteral("* ") : QStringLiteral("  "), value.name,
                              keywordIdText(value.id), bytes));
    }
    if (!explanation.sharesBitsWith.isEmpty())
        lines.append(QStringLiteral("\tshares bits with: ") + explanation.sharesBitsWith.join(QStringLiteral(", ")));
    if (const std::optional<SearchComparison>& search = explanation.search) {
        if (!search->searchError.isEmpty())
            lines.append(QStringLiteral("\tthe search of \"Show values\" stops: ") + search->searchError);
        if (!search->onlyInStructure.isEmpty())
            lines.append(QStringLiteral("\tnot found by the search of \"Show values\": ")
                         + search->onlyInStructure.join(QStringLiteral(", ")));
        if (!search->onlyInSearch.isEmpty())
            lines.append(QStringLiteral("\tfound only by the search of \"Show values\": ")
                         + search->onlyInSearch.join(QStringLiteral(", ")));
    }
    return lines;
}

SearchComparison CompareWithSearch(const ModuleFunction& function, const FunctionValues& found)
{
    SearchComparison comparison;
    comparison.searchError = found.error;
    const QStringList structure = valueNames(function);
    for (const QString& name : structure) {
        if (!found.names.contains(name) && !comparison.onlyInStructure.contains(name))
            comparison.onlyInStructure.append(name);
    }
    for (const QString& name : found.names) {
        if (!structure.contains(name) && !comparison.onlyInSearch.contains(name))
            comparison.onlyInSearch.append(name);
    }
    return comparison;
}

int CalibrateOnFunctions(ValueSearch& search, const QStringList& functions)
{
    int start = 0;
    for (const QString& function : functions) {
        if (const std::optional<int> distance = search.probeMarkerDistance(function)) {
            start = *distance;
            break;
        }
    }
    return CalibrateMarkerDistance(search, functions, start);
}

namespace {

QStringList functionNames(const ModuleStructure& module)
{
    QStringList names;
    for (const ModuleFunction& function : module.functions)
        names.append(function.name);
    return names;
}

} // namespace

SearchComparison CompareFunctionWithSearch(const ModuleStructure& module, int index, ModuleData& data,
                                           int markerDistance)
{
    const ModuleFunction& function = module.functions[index];
    const QStringList names = markerDistance == 0 ? functionNames(module) : QStringList{function.name};
    ValueSearch search(data, names);
    const int distance = markerDistance == 0 ? CalibrateOnFunctions(search, names) : markerDistance;
    return CompareWithSearch(function, search.findValues(function.name, distance));
}

Result<FunctionExplanation> ExplainTraceFunction(const ModuleStructure& module, ModuleData& data, int markerDistance,
                                                 const QString& function, const QStringList& traceLines,
                                                 const NameLookup& translate)
{
    const int index = module.indexOf(function);
    if (index < 0)
        return Result<FunctionExplanation>::failure(unknownValueText({function, {}, module.module, false}));
    QStringList loaded;
    const qsizetype line = traceLines.indexOf(function);
    for (qsizetype i = line + 1; line >= 0 && i < traceLines.size() && traceLines[i].startsWith(u'\t'); ++i)
        loaded.append(QString(traceLines[i]).remove(u'\t'));
    FunctionExplanation explanation = ExplainFunction(module, index, loaded, translate);
    explanation.search = CompareFunctionWithSearch(module, index, data, markerDistance);
    return explanation;
}

QList<FunctionDisagreement> CrossCheckModule(const ModuleStructure& module, ModuleData& data, const QStringList& only)
{
    const QStringList names = functionNames(module);
    ValueSearch search(data, names);
    const int distance = CalibrateOnFunctions(search, names);
    QList<FunctionDisagreement> out;
    for (const ModuleFunction& function : module.functions) {
        if (!only.isEmpty() && !only.contains(function.name))
            continue;
        const SearchComparison comparison = CompareWithSearch(function, search.findValues(function.name, distance));
        if (!comparison.agrees())
            out.append({function.name, comparison});
    }
    return out;
}

QString unknownValueText(const UnknownValue& unknown)
{
    if (!unknown.functionKnown)
        return QCoreApplication::translate("ModuleExplanation", "%1 is not a function of %2")
            .arg(unknown.function, unknown.module);
    return QCoreApplication::translate("ModuleExplanation", "%1 is not a value of %2 in %3")
        .arg(unknown.value, unknown.function, unknown.module);
}

std::optional<UnknownValue> CheckValue(const ModuleStructure& module, const QString& function, const QString& value)
{
    const int index = module.indexOf(function);
    if (index < 0)
        return UnknownValue{function, value, module.module, false};
    if (valueNames(module.functions[index]).contains(value))
        return std::nullopt;
    return UnknownValue{function, value, module.module, true};
}

QString unknownValuesQuestion(const QList<UnknownValue>& unknown)
{
    QStringList lines;
    for (const UnknownValue& value : unknown)
        lines.append(unknownValueText(value));
    return QCoreApplication::translate("ModuleExplanation",
                                       "%1\r\n\r\nNCS Expert would code what the module does not define. Save anyway?")
        .arg(lines.join(QStringLiteral("\r\n")));
}

QStringList unknownValueWarnings(const ModuleStructure& module, const QList<std::pair<QString, QString>>& values)
{
    QStringList warnings;
    for (const auto& [function, value] : values)
        if (std::optional<UnknownValue> check = CheckValue(module, function, value))
            warnings.append(
                QCoreApplication::translate("ModuleExplanation", "warning: %1").arg(unknownValueText(*check)));
    return warnings;
}

QList<UnknownValue> CheckChangedValues(const ModuleStructure& module, const TraceTree& tree,
                                       const QStringList& traceLines)
{
    const QStringList lines = BuildManipulationLines(tree);
    QList<UnknownValue> unknown;
    if (lines.size() != traceLines.size())
        return unknown;
    QString function;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = TranslationText::plain(lines[i]);
        if (!line.startsWith(u'\t')) {
            function = line;
            continue;
        }
        const QString value = QString(line).remove(u'\t');
        if (value == QString(traceLines[i]).remove(u'\t'))
            continue;
        if (std::optional<UnknownValue> check = CheckValue(module, function, value))
            unknown.append(*check);
    }
    return unknown;
}
