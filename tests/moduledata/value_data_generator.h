#pragma once

#include "moduledata/module_data.h"

#include <QStringList>

// Generated keyword, module and trace data for comparing the value searches: records at
// several marker distances, IDs without markers, names hidden inside longer names, length
// bytes near 252, missing and broken value names, truncated records and noise bytes.
struct ValueDataSize {
    int functions = 40;        // functions in the trace
    int valuePool = 60;        // distinct values the functions share
    qsizetype fswBytes = 0;    // filler entries up to this size (0: none)
    qsizetype moduleBytes = 0; // filler records up to this size
    qsizetype pswBytes = 0;    // filler entries up to this size
    bool clean = false;        // only well-formed data (for the benchmark)
};

struct GeneratedValueData {
    ModuleData data;
    QStringList traceLines;
    int markerDistance = 0; // the state before the run
};

GeneratedValueData generateValueData(quint32 seed, const ValueDataSize& size);

// Module data from the raw keyword and module bytes, with the hex texts filled in.
ModuleData moduleDataFrom(const QByteArray& fsw, const QByteArray& psw, const QByteArray& module);
