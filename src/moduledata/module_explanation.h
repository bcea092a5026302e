#pragma once

#include "moduledata/module_structure.h"

#include <QStringList>

#include <functional>
#include <optional>

class TraceTree;
class ValueSearch;
struct FunctionValues;
struct ModuleData;

// What the structure of a module says about one function, for "Explain function…" and
// `quillon-cli module`; where it disagrees with the search of "Show values"; and the
// check of a coding against the module before it is saved.

struct NamedField {
    QString name;
    FrameField value;
};

// Where the structure and the search disagree about a function's values.
struct SearchComparison {
    QStringList onlyInStructure; // values the search does not find
    QStringList onlyInSearch;    // values the search finds and the module's rows do not hold
    QString searchError;         // why the search found nothing or stopped early
    bool agrees() const { return onlyInStructure.isEmpty() && onlyInSearch.isEmpty() && searchError.isEmpty(); }
};

struct ExplainedValue {
    QString name; // as the tree shows it
    quint32 id = 0;
    QList<NamedField> fields; // of its PARZUWEISUNG_PSW1 row
    QByteArray bytes;         // what it writes, continuations included
    bool loaded = false;      // a value of the trace
};

struct FunctionExplanation {
    QString function; // as the tree shows it
    quint32 id = 0;
    QList<NamedField> fields; // of its PARZUWEISUNG_FSW row
    QList<ExplainedValue> values;
    QStringList sharesBitsWith; // the functions whose bytes and mask bits overlap, as shown
    std::optional<SearchComparison> search;
};

// The translation of a name, empty when there is none.
using NameLookup = std::function<QString(const QString& name)>;

// Function `index` of the module; loaded are the trace's values of it. With a lookup the
// names are shown as the translated tree shows them ("NAME  -  TRANSLATION").
FunctionExplanation ExplainFunction(const ModuleStructure& module, int index, const QStringList& loaded = {},
                                    const NameLookup& translate = {});

// The explanation as text: the function and its id, its fields by name, one line per value
// ("* " marks a loaded one) with its bytes, "shares bits with: …" and any disagreement.
QStringList ExplanationLines(const FunctionExplanation& explanation);

SearchComparison CompareWithSearch(const ModuleFunction& function, const FunctionValues& found);

// The marker distance for searching a module without a trace, calibrated on its own
// functions the way "Find module" starts: from the first function found.
int CalibrateOnFunctions(ValueSearch& search, const QStringList& functions);

// The comparison for one function, the search run with markerDistance as "Show values"
// last ran it, or, before any run (0), calibrated on the module's own functions.
SearchComparison CompareFunctionWithSearch(const ModuleStructure& module, int index, ModuleData& data,
                                           int markerDistance);

struct FunctionDisagreement {
    QString function;
    SearchComparison comparison;
};

// The functions of the module (or of only, when given) whose values the structure and the
// search of data (the chassis and module as "Show values" reads them) disagree on.
QList<FunctionDisagreement> CrossCheckModule(const ModuleStructure& module, ModuleData& data,
                                             const QStringList& only = {});

// A value the module does not know for its function, or a function it does not have.
struct UnknownValue {
    QString function;
    QString value;
    QString module;
    bool functionKnown = true;
};

// "zwei_mal is not a value of KOMFORTBLINKEN_ANZAHL in LCM_DEM.C05", or for a function the
// module lacks "KOMFORTBLINKEN_ANZAHL is not a function of LCM_DEM.C05".
QString unknownValueText(const UnknownValue& unknown);

std::optional<UnknownValue> CheckValue(const ModuleStructure& module, const QString& function, const QString& value);

// Every changed value of the tree (a chosen value that differs from its trace line) that
// the module does not know, in trace order. Translated names count by their plain names.
// A tree that no longer lines up with the trace gives none: the save refuses it anyway.
QList<UnknownValue> CheckChangedValues(const ModuleStructure& module, const TraceTree& tree,
                                       const QStringList& traceLines);
