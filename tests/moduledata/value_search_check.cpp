#include "value_search_check.h"

#include "moduledata/hex_text.h"
#include "moduledata/possible_values.h"
#include "moduledata/value_search_state.h"
#include "reference_value_search.h"
#include "trace/trace_loader.h"
#include "trace/trace_tree.h"

namespace {

void appendNodes(const TraceTree& tree, const QList<int>& nodes, int depth, QStringList& out)
{
    for (const int index : nodes) {
        out.append(QStringLiteral("%1%2 [img %3, color %4%5] #%6")
                       .arg(QString(depth * 2, u' '), tree.text(index))
                       .arg(tree.image(index))
                       .arg(static_cast<int>(tree.color(index)))
                       .arg(tree.bold(index) ? QStringLiteral(", bold") : QString())
                       .arg(index));
        appendNodes(tree, tree.children(index), depth + 1, out);
    }
}

QStringList cacheLines(const ModuleData& data)
{
    QStringList lines;
    for (auto it = data.ValueNames.cbegin(); it != data.ValueNames.cend(); ++it)
        lines.append(QString::fromLatin1(it.key()) + u'=' + it.value());
    lines.sort();
    return lines;
}

} // namespace

QStringList treeSnapshot(const TraceTree& tree)
{
    QStringList out;
    appendNodes(tree, tree.roots(), 0, out);
    return out;
}

SearchOutcome runFastSearch(const QStringList& traceLines, ModuleData& data, int& markerDistance)
{
    TraceTree tree;
    BuildTraceTree(tree, traceLines, nullptr);
    ValueSearchState state{markerDistance};
    SearchOutcome outcome;
    outcome.incomplete = SearchPossibleValues(tree, traceLines, data, state) > 0;
    markerDistance = state.MarkerDistance;
    outcome.tree = treeSnapshot(tree);
    outcome.markerDistance = markerDistance;
    outcome.valueNames = cacheLines(data);
    return outcome;
}

SearchOutcome runReferenceSearch(const QStringList& traceLines, ModuleData& data, int& markerDistance)
{
    TraceTree tree;
    BuildTraceTree(tree, traceLines, nullptr);
    SearchOutcome outcome;
    outcome.incomplete = Reference::SearchPossibleValues(tree, traceLines, data, markerDistance);
    outcome.tree = treeSnapshot(tree);
    outcome.markerDistance = markerDistance;
    outcome.valueNames = cacheLines(data);
    return outcome;
}

QString describeDifference(const SearchOutcome& expected, const SearchOutcome& actual)
{
    if (expected.markerDistance != actual.markerDistance)
        return QStringLiteral("MarkerDistance %1 != %2").arg(expected.markerDistance).arg(actual.markerDistance);
    if (expected.incomplete != actual.incomplete)
        return QStringLiteral("ValuesIncomplete differs");
    for (qsizetype i = 0; i < std::max(expected.tree.size(), actual.tree.size()); ++i) {
        if (expected.tree.value(i) != actual.tree.value(i))
            return QStringLiteral("tree line %1: '%2' != '%3'").arg(i).arg(expected.tree.value(i), actual.tree.value(i));
    }
    if (expected.valueNames != actual.valueNames)
        return QStringLiteral("value name cache differs: ") + expected.valueNames.join(u',') + QStringLiteral(" / ")
               + actual.valueNames.join(u',');
    return {};
}

ModuleData makeModuleData(const QByteArray& fsw, const QByteArray& psw, const QByteArray& module)
{
    ModuleData data;
    data.FswData = fsw;
    data.PswBytes = psw;
    data.PswHex = HexText::TextToHex(psw);
    data.ModuleBytes = module;
    data.ModuleHex = HexText::TextToHex(module);
    return data;
}
