#pragma once

#include "trace/translation_text.h"

#include <QString>

class Dialogs;
class TraceSession;
class TranslationTable;

// The "Translation" button: switches the tree between plain and translated names. The
// table is read from the program folder the first time it is needed while empty, and
// kept for the rest of the run.
void ToggleTranslation(TraceSession& session, TranslationTable& table, const QString& programFolder, Dialogs& dialogs);
