#pragma once

#include "moduledata/module_explanation.h"

#include <QDialog>

// "Explain function": what the module's own structure says of one function of the trace:
// the fields of its row, each possible value with the bytes it writes (the trace's value
// marked), the functions that share its bits, and whether "Show values" finds the same.
class FrmExplain : public QDialog {
    Q_OBJECT
public:
    FrmExplain(const FunctionExplanation& explanation, const QString& module, QWidget* parent = nullptr);
};
