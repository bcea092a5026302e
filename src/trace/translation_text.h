#pragma once

#include <QString>

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
