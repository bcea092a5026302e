// Feeds arbitrary keyword, module and trace bytes to the value search and compares its
// answers with the plain reference search; any difference, crash or hang is a finding.

#include "common/ansi_codec.h"
#include "fuzz_support.h"
#include "moduledata/hex_text.h"
#include "moduledata/module_data.h"
#include "moduledata/possible_values.h"
#include "moduledata/possible_values_tree.h"
#include "moduledata/value_search_state.h"
#include "reference_value_search.h"
#include "trace/trace_loader.h"
#include "trace/trace_tree.h"

#include <cstdio>
#include <cstdlib>

namespace {

using Fuzz::take;

// Function names that the keyword data may really hold: its words, plus a few raw strings.
QStringList traceFor(FuzzedDataProvider& input, const QByteArray& fsw)
{
    QList<QByteArray> candidates;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= fsw.size(); ++i) {
        const bool word = i < fsw.size() && static_cast<unsigned char>(fsw[i]) > 0x24;
        if (word && start < 0)
            start = i;
        if (!word && start >= 0) {
            candidates.append(fsw.mid(start, i - start));
            start = -1;
        }
    }
    QStringList lines;
    const int functions = input.ConsumeIntegralInRange(1, 8);
    for (int f = 0; f < functions; ++f) {
        QByteArray name = !candidates.isEmpty() && input.ConsumeBool()
                              ? candidates[input.ConsumeIntegralInRange<qsizetype>(0, candidates.size() - 1)]
                              : take(input, 12);
        if (name.startsWith('\t'))
            name.remove(0, 1);
        const QString line = Ansi::decode(name);
        if (lines.contains(line))
            continue;
        lines.append(line);
        for (int v = input.ConsumeIntegralInRange(0, 2); v > 0; --v)
            lines.append(u'\t' + Ansi::decode(take(input, 8)));
    }
    return lines;
}

QStringList snapshot(const TraceTree& tree)
{
    QStringList out;
    for (int index = 1; index <= tree.count(); ++index)
        out.append(QStringLiteral("%1|%2|%3|%4|%5")
                       .arg(tree.parentIndex(index))
                       .arg(tree.text(index))
                       .arg(tree.image(index))
                       .arg(static_cast<int>(tree.color(index)))
                       .arg(tree.children(index).size()));
    for (const int root : tree.roots())
        for (const int child : tree.children(root))
            out.append(QString::number(child));
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    static const int kDistances[] = {0, 27, 30, 33, 36, 39, 3, 1, -3};
    const int distance = kDistances[input.ConsumeIntegralInRange<int>(0, 8)];
    const QByteArray fsw = take(input, 512);
    const QByteArray psw = "KEYWORD" + take(input, 1024);
    const QStringList trace = traceFor(input, fsw);
    const QByteArray module = take(input, 4096) + take(input, 4096);

    ModuleData fast;
    fast.FswData = fsw;
    fast.PswBytes = psw;
    fast.PswHex = HexText::TextToHex(psw);
    fast.ModuleBytes = module;
    fast.ModuleHex = HexText::TextToHex(module);
    ModuleData reference = fast;

    TraceTree fastTree;
    if (!BuildTraceTree(fastTree, trace, nullptr).isEmpty())
        return 0;
    ValueSearchState state{distance};
    const bool fastIncomplete = SearchPossibleValues(fastTree, trace, fast, state) > 0;

    TraceTree referenceTree;
    BuildTraceTree(referenceTree, trace, nullptr);
    int referenceDistance = distance;
    const bool referenceIncomplete =
        Reference::SearchPossibleValues(referenceTree, trace, reference, referenceDistance);

    if (fastIncomplete != referenceIncomplete || state.MarkerDistance != referenceDistance
        || snapshot(fastTree) != snapshot(referenceTree) || fast.ValueNames != reference.ValueNames) {
        std::fprintf(stderr, "value search differs from the reference (MarkerDistance %d / %d)\n", state.MarkerDistance,
                     referenceDistance);
        std::abort();
    }
    RemovePartialValues(fastTree);
    return 0;
}
