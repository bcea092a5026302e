#pragma once

#include "common/program_folder.h"

#include <QString>

#include <functional>

class QDialog;
class QSize;
class PictureList;

class BusyState;
class Clock;
class Dialogs;
class SettingsStore;
class TraceSession;
struct ToolFolders;
struct ModuleData;

// What the main window shares with the panels that handle its controls: the injected
// services and the state of the run. Everything here outlives every panel.
struct AppContext {
    SettingsStore& settings;
    ToolFolders& folders;
    Dialogs& dialogs;
    const Clock& clock;
    // Where Codinglog.txt, Translations.csv and Updateplan.txt are read and written.
    ProgramFiles programFiles;
    // Where every save keeps its snapshot; empty keeps none.
    QString historyFolder;
    BusyState& busy;
    TraceSession& session;

    // Operations one part of the window offers the others. The main window fills
    // loadTraceFile; the panel that owns each of the others sets it when it is built.
    // Callers check for an empty hook, which means that part does nothing yet.
    std::function<void(const QString& path)> loadTraceFile; // the whole "Load" sequence
    std::function<void()> closeSearchWindow;                // before any other work starts
    std::function<void()> toggleTranslation;                // the "Translation" button
    std::function<void()> traceAboutToLoad;                 // compare menu reset on a load
    std::function<void(int mode)> saveFileAs;               // copies (1, 2) and export (3)
    // Shows the prepared change window modally through the open search window, so the
    // floating search window does not cover it. False when the search window is closed.
    std::function<bool(QDialog* changeWindow)> showChangeWindowViaSearch;
    // After a trace is loaded, before anything else happens (the leftover-MAN question).
    std::function<void()> traceLoaded;
    // The chassis chosen in cmbChassis (empty while none), and a module choice made as if
    // the user picked it in cmbModule; both set by the chassis panel.
    std::function<QString()> chosenChassis;
    std::function<void(const QString& module)> chooseModule;
    // The translation of a name in the table the "Translation" button uses, empty when
    // none; set by the editing panel, which owns the table.
    std::function<QString(const QString& name)> translationOf;
    // The chassis and module data, owned by the chassis panel, which sets this when built.
    ModuleData* moduleData = nullptr;

    // The main window's layout and picture panel, which it fills before the panels are built.
    std::function<void(double layoutWidth)> setLayoutWidth; // and scales the controls to it
    std::function<QSize()> designedWindowSize;              // as stored at start-up
    PictureList* imageList2 = nullptr;
    int* pictureDefault = nullptr; // the number of the picture shown
    std::function<void(int index)> showPicture;
};

// Calls a hook when it is set.
template <typename Hook, typename... Args>
void callHook(const Hook& hook, Args&&... args)
{
    if (hook)
        hook(std::forward<Args>(args)...);
}
