#pragma once

#include <QString>

class BusyState;
class Clock;
class Dialogs;
class ProgramFiles;
class SettingsStore;
class TraceSession;
class TranslationTable;
class WindowFrame;
class WindowRequests;
struct ModuleChoice;
struct ToolFolders;

// What a panel of the main window works with. The main window makes every member before
// it builds the first panel, and each outlives all panels: the injected services, the
// state of the run, and the two interfaces by which a panel asks the window for something.
struct PanelContext {
    SettingsStore& settings;
    ToolFolders& folders;
    Dialogs& dialogs;
    const Clock& clock;
    // Where Codinglog.txt, Translations.csv and Updateplan.txt are read and written.
    const ProgramFiles& programFiles;
    // Where every save keeps its snapshot; empty keeps none.
    const QString& historyFolder;
    // The language the window speaks ("en", "de"), chosen at start.
    const QString& language;
    BusyState& busy;
    TraceSession& session;
    // The chassis and module chosen in the "NCS coding" frame, with their data.
    ModuleChoice& modules;
    // The table the "Translation" button uses, read the first time it is switched on.
    TranslationTable& translations;
    WindowRequests& window;
    WindowFrame& frame;
};
