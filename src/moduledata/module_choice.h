#pragma once

#include "moduledata/module_data.h"

#include <QString>

// The chassis and module chosen in cmbChassis and cmbModule, as their texts show them
// (empty while nothing is chosen), and the data read for them.
struct ModuleChoice {
    QString chassis;
    QString module;
    ModuleData data;

    // The chosen chassis once the user picked one; empty before.
    QString chosenChassis() const { return data.ChassisIndex >= 0 ? chassis : QString(); }
};
