#pragma once

#include <QStringList>

// What listItems shows after a save: "Changed values:", an empty item, then for every
// line that differs between the trace and the written file: the function line above it,
// "old --> new" with the tabs removed, an empty item. A changed line whose function line
// lies more than 20 lines above it is not listed. Both lists have the same length.
QStringList BuildSaveSummary(const QStringList& traceLines, const QStringList& outputLines);

// The steps that code the module with the new file in NCS Expert, in the window's language.
QStringList ncsExpertSteps();
