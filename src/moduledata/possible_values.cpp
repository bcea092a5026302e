#include "moduledata/possible_values.h"

#include "moduledata/possible_values_tree.h"
#include "moduledata/value_search.h"
#include "moduledata/value_search_state.h"

#include <algorithm>

namespace {

bool isFunctionLine(const QString& line)
{
    return !line.startsWith(u'\t');
}

} // namespace

int VoteMarkerDistance(const std::array<int, 5>& samples)
{
    for (const int sample : samples) {
        if (std::count(samples.begin(), samples.end(), sample) >= 3)
            return sample;
    }
    return samples.back();
}

// The distance is probed on a few functions spread over the trace: one module file has one
// layout, and a majority outvotes a function whose ID also occurs elsewhere.
int CalibrateMarkerDistance(ValueSearch& search, const QStringList& traceLines, int markerDistance)
{
    std::array<int, 5> samples{};
    std::size_t counter = 0;
    for (qsizetype i = 0; i < traceLines.size();) {
        if (!isFunctionLine(traceLines[i])) {
            ++i;
            continue;
        }
        // A function not found keeps the earlier distance, so the sample repeats it.
        if (const std::optional<int> distance = search.probeMarkerDistance(traceLines[i]))
            markerDistance = *distance;
        samples[counter] = markerDistance;
        if (counter == 0)
            samples.fill(samples[0]);
        if (counter == samples.size() - 1)
            break;
        ++counter;
        i += 6;
    }
    return VoteMarkerDistance(samples);
}

int SearchPossibleValues(TraceTree& tree, const QStringList& traceLines, ModuleData& data, ValueSearchState& state)
{
    QStringList functionLines;
    for (const QString& line : traceLines) {
        if (isFunctionLine(line))
            functionLines.append(line);
    }
    ValueSearch search(data, functionLines);
    state.MarkerDistance = CalibrateMarkerDistance(search, traceLines, state.MarkerDistance);

    int notFound = 0;
    for (qsizetype i = 0; i < traceLines.size(); ++i) {
        if (!isFunctionLine(traceLines[i]))
            continue;
        const int index = static_cast<int>(i + 1);
        const FunctionValues values = search.findValues(traceLines[i], state.MarkerDistance);
        for (const QString& name : values.names)
            AddValueNode(tree, traceLines, name, index);
        if (!values.error.isEmpty()) {
            MarkFunctionNotFound(tree, index, values.error);
            ++notFound;
        }
    }
    return notFound;
}
