#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

struct ModuleData;

// What the value pass found for one function: the value names in record order, and the
// reason the search stopped (empty when the whole record was read). Names found before a
// failure are kept: they were shown before the failure was known.
struct FunctionValues {
    QStringList names;
    QString error;
};

// The search for a function's possible values, on the raw bytes behind the hex texts of
// ModuleData. Every pattern of the hex-text search is byte-aligned, so searching bytes
// gives the same answers; indexes built once per run replace the scans from the start.
// Value names found are added to data.ValueNames, which is also read as the cache.
class ValueSearch {
public:
    // functionLines: the trace's function lines, indexed up front.
    ValueSearch(ModuleData& data, const QStringList& functionLines);
    ~ValueSearch();
    ValueSearch(const ValueSearch&) = delete;
    ValueSearch& operator=(const ValueSearch&) = delete;

    // The marker distance (in hex-text characters) at the function's first ID that has a
    // record marker 27 to 39 characters before it; nullopt when there is none.
    std::optional<int> probeMarkerDistance(const QString& functionLine);

    FunctionValues findValues(const QString& functionLine, int markerDistance);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
