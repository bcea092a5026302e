#pragma once

#include <functional>

class BusyState;
class Dialogs;
class TraceSession;
struct ModuleData;
struct ValueSearchState;

// "Show values": checks that a trace is shown and a module chosen, prepares the tree (a
// second press rebuilds it from the trace, dropping picks), switches the translation off
// for the search and on again, adds every possible value and reports the functions not
// found. toggleTranslation is the "Translation" button's action. data may be null while no
// module data exists.
void ShowPossibleValues(TraceSession& session, ModuleData* data, ValueSearchState& state, BusyState& busy,
                        Dialogs& dialogs, const std::function<void()>& toggleTranslation);
