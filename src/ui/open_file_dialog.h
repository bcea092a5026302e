#pragma once

#include <QString>

struct PanelContext;

// OpenFileDialog: the one open-file dialog of the main window, chosen by mode: 1 any file
// for the editor, 2 a trace to load, 3 and 4 trace files 1 and 2 of a comparison, 5 a
// picture. Closes the search window first. Returns the chosen path, empty after a cancel.
QString OpenFileDialog(int mode, const PanelContext& context);
