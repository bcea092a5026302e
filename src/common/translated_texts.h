#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <span>

// A table of texts marked with QT_TRANSLATE_NOOP (and untranslated ones, such as the names
// of another program's buttons), translated in context when it is shown.
inline QStringList translatedTexts(const char* context, std::span<const char* const> texts)
{
    QStringList translated;
    translated.reserve(qsizetype(texts.size()));
    for (const char* text : texts)
        translated.append(QCoreApplication::translate(context, text));
    return translated;
}
