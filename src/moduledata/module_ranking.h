#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

struct ModuleData;

// How well one module file of a chassis fits a trace, by the search "Show values" runs.
struct ModuleFit {
    QString module;   // the file name, as cmbModule lists it
    int matching = 0; // functions found whose every trace value is among the module's values
    int found = 0;    // functions found at all
    QString error;    // why the module could not be searched; empty when it was
    // What it lacks, in trace order: the trace's functions it does not have, and those it
    // has without knowing every one of their current values.
    QStringList missingFunctions;
    QStringList unknownValues;
};

struct ModuleRanking {
    QList<ModuleFit> modules; // best first
    int functions = 0;        // the trace's functions
    bool cancelled = false;   // stopped early: modules holds only those searched
};

struct RankingControl {
    int threads = 0; // 0: one per core
    // Called from the worker threads after each module, with the modules done so far.
    std::function<void(int done, int total)> progress;
    const std::atomic<bool>* cancel = nullptr;
};

// Best first: more matching functions, then more functions found, then the name; modules
// that could not be searched come last, by name.
bool RanksBefore(const ModuleFit& a, const ModuleFit& b);

// What "Find module" says of the module the user selects: what keeps it from fitting the
// trace, the first `shown` names of each kind and how many there are in all.
QStringList DescribeModuleLacks(const ModuleFit& fit, int shown = 10);

// Searches one module of the chassis whose keyword data is in keywords, with a calibration
// of its own, and counts what it finds for the trace. valueNames is the value name cache of
// the chassis: it starts the search and gets the names found.
ModuleFit FitModule(const ModuleData& keywords, const QString& folderNCS, const QString& chassis, const QString& module,
                    const QStringList& traceLines, QHash<QByteArray, QString>& valueNames);

// Every module file of the chassis, searched in parallel and ranked for the trace. Fails
// only when the chassis itself cannot be read (folder or keyword files); a module that
// cannot be searched is ranked last with its reason.
Result<ModuleRanking> RankModules(const QString& folderNCS, const QString& chassis, const QStringList& traceLines,
                                  const RankingControl& control = {});
