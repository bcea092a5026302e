#include "trace/apply_values.h"

#include "trace/trace_session.h"
#include "trace/translation_text.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace ApplyValues {

namespace {

struct Target {
    const TraceSession& session;
    // Null for a preview: the same decisions are made and reported, nothing is changed.
    TraceSession* changing;
    const ValueEditing::TranslationLookup& lookup;
    Outcome& outcome;
};

void skip(Outcome& outcome, const TraceFunction& current, SkipReason reason, qsizetype wantedValues = 0)
{
    outcome.skipped.append({current.line, reason, current.values.size(), wantedValues});
}

QString plainText(const TraceTree& tree, int node)
{
    return TranslationText::plain(tree.text(node));
}

// Normal view: each value node takes the wanted value as if it had been typed in.
void applyTyped(Target& target, int function, const TraceFunction& current, const TraceFunction& wanted)
{
    const TraceTree& tree = target.session.tree();
    const QList<int> nodes = tree.children(function);
    if (nodes.size() != wanted.values.size()) {
        skip(target.outcome, current, SkipReason::ValueCount, wanted.values.size());
        return;
    }
    // Checked first, so that a function is changed either whole or not at all.
    for (qsizetype i = 0; i < nodes.size(); ++i) {
        if (wanted.values[i].isEmpty() && !plainText(tree, nodes[i]).isEmpty()) {
            skip(target.outcome, current, SkipReason::EmptyValue, wanted.values.size());
            return;
        }
    }
    for (qsizetype i = 0; i < nodes.size(); ++i) {
        const QString old = plainText(tree, nodes[i]);
        if (old == wanted.values[i])
            continue;
        if (TraceSession* session = target.changing) {
            const ValueEditing::ValueChange change = ValueEditing::BeginValueChange(session->tree(), nodes[i]);
            // The node was taken from the tree just now, so the change cannot miss it.
            static_cast<void>(ValueEditing::FinishValueChange(*session, change, wanted.values[i], target.lookup));
        }
        target.outcome.changed.append({current.line, old, wanted.values[i]});
    }
}

// Show-values view: the wanted value is chosen among the listed ones as if clicked. A
// value the module data did not list is added first, and reported.
void applyListed(Target& target, int function, const TraceFunction& current, const TraceFunction& wanted)
{
    const TraceTree& tree = target.session.tree();
    if (tree.image(function) == NodeImage::Warning) {
        skip(target.outcome, current, SkipReason::ValuesNotFound, wanted.values.size());
        return;
    }
    int chosen = 0;
    QStringList chosenValues;
    int listed = 0;
    for (int child : tree.children(function)) {
        if (tree.image(child) == NodeImage::Chosen) {
            chosen = child;
            chosenValues.append(plainText(tree, child));
        }
        if (wanted.values.size() == 1 && plainText(tree, child) == wanted.values[0])
            listed = child;
    }
    if (chosenValues == wanted.values)
        return;
    if (wanted.values.size() != 1 || chosenValues.size() != 1) {
        skip(target.outcome, current, SkipReason::SeveralListed, wanted.values.size());
        return;
    }
    const QString& value = wanted.values[0];
    if (value.isEmpty()) {
        skip(target.outcome, current, SkipReason::EmptyValue, 1);
        return;
    }
    const ChangedValue change{current.line, plainText(tree, chosen), value};
    if (listed == 0)
        target.outcome.unlisted.append(change);
    if (TraceSession* session = target.changing) {
        if (listed == 0) {
            TraceTree& changed = session->tree();
            const QString text = ValueEditing::valueText(*session, value, target.lookup);
            listed = changed.addChild(function, text, NodeImage::None).value();
            changed.setSortChildren(function, true);
        }
        ValueEditing::ChooseListedValue(*session, listed);
    }
    target.outcome.changed.append(change);
}

} // namespace

bool Outcome::complete() const
{
    return std::all_of(skipped.cbegin(), skipped.cend(),
                       [](const SkippedFunction& s) { return s.reason == SkipReason::OnlyCurrent; });
}

QString reasonText(const SkippedFunction& skipped)
{
    switch (skipped.reason) {
    case SkipReason::OnlyCurrent: return QCoreApplication::translate("ApplyValues", "only in the current trace");
    case SkipReason::OnlyWanted: return QCoreApplication::translate("ApplyValues", "only in the wanted trace");
    case SkipReason::ValueCount:
        return QCoreApplication::translate("ApplyValues", "%1 value lines, %2 in the wanted trace")
            .arg(skipped.currentValues)
            .arg(skipped.wantedValues);
    case SkipReason::EmptyValue: return QCoreApplication::translate("ApplyValues", "empty value in the wanted trace");
    case SkipReason::ValuesNotFound:
        return QCoreApplication::translate("ApplyValues", "its values were not found in the module data");
    case SkipReason::SeveralListed:
        return QCoreApplication::translate("ApplyValues", "several value lines after Show values");
    }
    return {};
}

QStringList Outcome::report() const
{
    QStringList lines;
    for (const ChangedValue& c : changed)
        lines.append(c.function + QStringLiteral(": ") + c.oldValue + QStringLiteral(" --> ") + c.newValue);
    for (const ChangedValue& u : unlisted)
        lines.append(QCoreApplication::translate("ApplyValues", "warning: %1: %2 is not among the possible values")
                         .arg(u.function, u.newValue));
    for (const SkippedFunction& s : skipped)
        lines.append(QCoreApplication::translate("ApplyValues", "not applied: %1 (%2)").arg(s.function, reasonText(s)));
    lines.append(changed.size() == 1
                     ? QCoreApplication::translate("ApplyValues", "1 value changed")
                     : QCoreApplication::translate("ApplyValues", "%1 values changed").arg(changed.size()));
    return lines;
}

namespace {

Outcome applyOrPreview(const TraceSession& session, TraceSession* changing, const QList<TraceFunction>& wanted,
                       const ValueEditing::TranslationLookup& lookup)
{
    Outcome outcome;
    // The loaded trace passed the same checks when it was loaded.
    const Result<QList<TraceFunction>> current = ReadTraceFunctions(session.TraceLines);
    if (!current)
        return outcome;

    QHash<QString, const TraceFunction*> wantedByLine;
    wantedByLine.reserve(wanted.size());
    for (const TraceFunction& function : wanted)
        wantedByLine.insert(function.line, &function);

    Target target{session, changing, lookup, outcome};
    QSet<QString> currentLines;
    currentLines.reserve(current->size());
    for (const TraceFunction& function : current.value()) {
        currentLines.insert(function.line);
        const TraceFunction* other = wantedByLine.value(function.line, nullptr);
        if (!other) {
            skip(outcome, function, SkipReason::OnlyCurrent);
            continue;
        }
        ++outcome.matched;
        const int node = session.tree().indexOfKey(function.line);
        if (node == 0)
            continue;
        if (other->values.size() != function.values.size())
            skip(outcome, function, SkipReason::ValueCount, other->values.size());
        else if (session.ValuesShown)
            applyListed(target, node, function, *other);
        else
            applyTyped(target, node, function, *other);
    }
    for (const TraceFunction& function : wanted) {
        if (!currentLines.contains(function.line))
            outcome.skipped.append({function.line, SkipReason::OnlyWanted, 0, function.values.size()});
    }
    return outcome;
}

} // namespace

Outcome ApplyTraceValues(TraceSession& session, const QList<TraceFunction>& wanted,
                         const ValueEditing::TranslationLookup& lookup)
{
    return applyOrPreview(session, &session, wanted, lookup);
}

Outcome PreviewTraceValues(const TraceSession& session, const QList<TraceFunction>& wanted)
{
    return applyOrPreview(session, nullptr, wanted, {});
}

} // namespace ApplyValues
