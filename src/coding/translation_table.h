#pragma once

#include "common/result.h"

#include <QHash>
#include <QString>
#include <QStringList>

// Translations.csv: "name,translation" per line, as the user writes it. No quoting and
// no trimming, so a name matches only when written exactly as in the trace apart from
// letter case. Unusable lines (no comma, empty translation, a name seen before) are
// skipped without a word: the user's table must never stop the translation.
class TranslationTable {
public:
    // Adds the usable lines; earlier entries win over later ones.
    void addLines(const QStringList& lines);

    bool isEmpty() const { return m_entries.isEmpty(); }
    int count() const { return static_cast<int>(m_entries.size()); }

    // The translation of a name, compared without regard to case; empty when none.
    QString lookup(const QString& name) const;

private:
    static QString keyOf(const QString& name);

    QHash<QString, QString> m_entries;
};

// The table file in the program's folder.
QString translationsPath(const QString& programFolder);

// Reads the table file (single-byte text, any line end).
Result<TranslationTable> readTranslationTable(const QString& path);

// The table file of the program folder as it is now: where it is looked for, whether it is
// there, and what it holds (nothing when it is not there). Fails only when it is there
// and cannot be read.
struct TranslationTableFile {
    QString path;
    bool found = false;
    TranslationTable table;
};
Result<TranslationTableFile> readTranslationTableIn(const QString& programFolder);
