#pragma once

#include "common/result.h"
#include "moduledata/module_data.h"
#include "moduledata/module_structure.h"
#include "moduledata/value_search_state.h"

#include <QString>

#include <optional>

// The chassis and module chosen in cmbChassis and cmbModule, as their texts show them
// (empty while nothing is chosen), and what is read and kept for them.
struct ModuleChoice {
    QString chassis;
    QString module;
    ModuleData data;
    // What "Show values" keeps between presses, whatever is chosen.
    ValueSearchState search;

    // The chosen chassis once the user picked one; empty before.
    QString chosenChassis() const { return data.ChassisIndex >= 0 ? chassis : QString(); }
    bool moduleChosen() const { return !chosenChassis().isEmpty() && !module.isEmpty(); }

    // The chosen module read by its structure, the first time it is asked for after a
    // choice; a damaged file fails with where and what. Only while moduleChosen().
    const Result<ModuleStructure>& structure(const QString& folderNCS);
    // A new choice: the structure is read again when next asked for.
    void forgetStructure() { m_structure.reset(); }

private:
    std::optional<Result<ModuleStructure>> m_structure;
};
