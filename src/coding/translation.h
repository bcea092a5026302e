#pragma once

#include <QString>

class Dialogs;
class TraceSession;
class TranslationTable;

// How a translated name is shown in the tree: the plain name, the separator, then the
// translation, in capitals for a function and small letters for a value.
namespace TranslationText {

inline QString separator()
{
    return QStringLiteral("  -  ");
}

// The name without its translation: everything before the first separator.
QString plain(const QString& text);

QString withTranslation(const QString& text, const QString& translation, bool isFunction);

} // namespace TranslationText

// The "Translation" button: switches the tree between plain and translated names. The
// table is read from the program folder the first time it is needed while empty, and
// kept for the rest of the run.
void ToggleTranslation(TraceSession& session, TranslationTable& table, const QString& programFolder, Dialogs& dialogs);
