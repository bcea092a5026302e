#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class TranslationTable;

// How much of a trace the translation table covers. Names are counted once each, without
// regard to case, as the table looks them up; empty names are never translated and are
// left out.
struct TranslationCoverage {
    int functions = 0;
    int translatedFunctions = 0;
    int values = 0;
    int translatedValues = 0;
    QStringList missingFunctions; // sorted
    QStringList missingValues;    // sorted
};

TranslationCoverage MeasureTranslationCoverage(const QStringList& traceLines, const TranslationTable& table);

// "functions: 30 of 40 translated" and the same for values.
QStringList DescribeTranslationCoverage(const TranslationCoverage& coverage);

// The untranslated names as lines for Translations.csv: "name," with the translation left
// for the user to fill in; sorted, each name once. A name with a comma cannot stand in the
// table and is left out.
QStringList MissingTranslationLines(const TranslationCoverage& coverage);

// The line end the table file uses (CR LF when it has none yet or cannot be read), so the
// exported lines can be pasted into it as they are.
QByteArray tableLineEnd(const QString& tablePath);

// Writes MissingTranslationLines in the table's single-byte encoding with its line end.
Status ExportMissingTranslations(const QString& path, const TranslationCoverage& coverage, const QString& tablePath);
