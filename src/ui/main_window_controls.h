#pragma once

#include <QList>

class QMainWindow;
class QWidget;

// Builds the controls of frmMain at their designed places (pixels, 15 twips each) and
// returns them in the window's control collection order, which the layout scaling walks.
QList<QWidget*> createMainWindowControls(QWidget* clientArea);

// Builds the menu bar with its entries, captions, shortcuts and initial states. The
// actions carry objectNames sFile_1 .. sInfo_1; their handlers are connected elsewhere.
void createMainWindowMenus(QMainWindow* window);
