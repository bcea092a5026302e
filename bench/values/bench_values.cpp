// "Show values" on a large generated set: a trace of 1,000 functions, a 2 MB module file,
// a 1 MB function keyword file and a 4 MB value keyword file. Measures the byte search,
// the plain reference search on the hex texts, and one plain pass over the same bytes.
#include "moduledata/possible_values.h"
#include "moduledata/value_search_state.h"
#include "reference_value_search.h"
#include "trace/trace_loader.h"
#include "trace/trace_tree.h"
#include "value_data_generator.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

const GeneratedValueData& largeSet()
{
    static const GeneratedValueData set = [] {
        ValueDataSize size;
        size.functions = 1000;
        size.valuePool = 400;
        size.fswBytes = 1 << 20;
        size.moduleBytes = 2 << 20;
        size.pswBytes = 4 << 20;
        size.clean = true;
        return generateValueData(2026, size);
    }();
    return set;
}

template <typename Search>
void runSearch(benchmark::State& state, Search search)
{
    const GeneratedValueData& set = largeSet();
    int found = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TraceTree tree;
        BuildTraceTree(tree, set.traceLines, nullptr);
        // The first run after a module choice: the value name cache is empty.
        ModuleData data = set.data;
        state.ResumeTiming();
        {
            TraceTree::Batch batch(tree);
            search(tree, data);
        }
        state.PauseTiming();
        found = tree.count() - static_cast<int>(set.traceLines.size());
        state.ResumeTiming();
    }
    state.counters["values added"] = found;
}

void ValueSearchFast(benchmark::State& state)
{
    runSearch(state, [](TraceTree& tree, ModuleData& data) {
        ValueSearchState searchState;
        SearchPossibleValues(tree, largeSet().traceLines, data, searchState);
    });
}

void ValueSearchReference(benchmark::State& state)
{
    runSearch(state, [](TraceTree& tree, ModuleData& data) {
        int markerDistance = 0;
        Reference::SearchPossibleValues(tree, largeSet().traceLines, data, markerDistance);
    });
}

// One plain pass over the raw bytes the search reads (keyword and module files).
void PlainPassRaw(benchmark::State& state)
{
    const ModuleData& data = largeSet().data;
    for (auto _ : state) {
        qsizetype count = 0;
        for (const QByteArray* bytes : {&data.FswData, &data.PswBytes, &data.ModuleBytes})
            count += std::count(bytes->cbegin(), bytes->cend(), '\x12');
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(state.iterations()
                            * (data.FswData.size() + data.PswBytes.size() + data.ModuleBytes.size()));
}

// The same over the texts the reference reads (the keyword data and the two hex texts).
void PlainPassHex(benchmark::State& state)
{
    const ModuleData& data = largeSet().data;
    for (auto _ : state) {
        qsizetype count = 0;
        for (const QByteArray* bytes : {&data.FswData, &data.PswHex, &data.ModuleHex})
            count += std::count(bytes->cbegin(), bytes->cend(), '\x12');
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(state.iterations() * (data.FswData.size() + data.PswHex.size() + data.ModuleHex.size()));
}

} // namespace

BENCHMARK(ValueSearchFast)->Unit(benchmark::kMillisecond);
BENCHMARK(ValueSearchReference)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(PlainPassRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainPassHex)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
