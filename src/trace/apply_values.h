#pragma once

#include "trace/trace_functions.h"
#include "trace/value_editing.h"

#include <QList>
#include <QString>
#include <QStringList>

class TraceSession;

// Taking the values of another trace ("the wanted trace") into the loaded one: undoing a
// coding from an earlier copy, or moving a coding onto a replaced module. Every value
// that changes goes through the same bookkeeping as a change by hand, so saving, the
// summary and the coding log treat it like one.
namespace ApplyValues {

struct ChangedValue {
    QString function;
    QString oldValue;
    QString newValue;
};

enum class SkipReason {
    OnlyCurrent,    // the wanted trace lacks the function
    OnlyWanted,     // the loaded trace lacks it
    ValueCount,     // the two have a different number of value lines
    EmptyValue,     // an empty value cannot be typed in either
    ValuesNotFound, // "Show values" marked the function as not found
    SeveralListed,  // after "Show values" only one listed value can be chosen
};

struct SkippedFunction {
    QString function;
    SkipReason reason;
    qsizetype currentValues = 0;
    qsizetype wantedValues = 0;
};

struct Outcome {
    QList<ChangedValue> changed;
    // Applied values that "Show values" had not listed for their function.
    QList<ChangedValue> unlisted;
    QList<SkippedFunction> skipped;
    // Functions of the loaded trace that the wanted trace has too.
    int matched = 0;

    // Everything of the wanted trace was applied or already equal; functions that only
    // the loaded trace has do not count against it.
    bool complete() const;
    // For the user, in this order: "FUNCTION: old --> new" per changed value, a warning
    // per unlisted value, "not applied: FUNCTION (reason)" per skipped function, and the
    // number of changed values.
    QStringList report() const;
};

QString reasonText(const SkippedFunction& skipped);

// Applies to the tree of session in either view. Values are compared and set without
// their translation; with the translation on, a set value gets its translation as a
// change by hand does.
Outcome ApplyTraceValues(TraceSession& session, const QList<TraceFunction>& wanted,
                         const ValueEditing::TranslationLookup& lookup);

// What ApplyTraceValues would do, reported the same way, without changing anything.
Outcome PreviewTraceValues(const TraceSession& session, const QList<TraceFunction>& wanted);

} // namespace ApplyValues
