#pragma once

#include <QString>

class BusyState;
class Clock;
class Dialogs;
class SettingsStore;
class TraceSession;
struct ToolFolders;

// What the main window shares with the panels that handle its controls: the injected
// services and the state of the run. Everything here outlives every panel.
struct AppContext {
    SettingsStore& settings;
    ToolFolders& folders;
    Dialogs& dialogs;
    const Clock& clock;
    // Where Codinglog.txt, Translations.csv and Updateplan.txt live.
    QString programFolder;
    BusyState& busy;
    TraceSession& session;
};
