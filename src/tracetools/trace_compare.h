#pragma once

#include <QString>
#include <QStringList>

// The line-by-line comparison of two trace files, as listed below the "File 2 --> "
// header line of the output list.
struct TraceComparison {
    enum class Outcome {
        Compared,       // every line was looked at; the count line closes the list
        LengthMismatch, // different line counts: the message line and the functions only one file has
        Failed,         // stopped part-way; lines holds what was listed before the stop
    };

    Outcome outcome = Outcome::Compared;
    QStringList lines;
    int differences = 0;
    QString error;
};

namespace TraceCompare {

// How far above a differing line its function line is looked for.
constexpr int kLookBack = 20;

QString lengthMismatchLine();
// What the list says below the mismatch line: the functions only one of the files has,
// the first kShownFunctions of each and how many in all, or that both have the same.
constexpr int kShownFunctions = 10;
QStringList functionsOnlyInOneLines(const QStringList& CompareLines1, const QStringList& CompareLines2);
// "1 difference", "0 differences", "12 differences".
QString countLine(int differences);

// The header lines the list starts with once file 1 is chosen, and the two added with
// file 2.
QStringList file1Header(const QString& path1);
QStringList file2Header(const QString& path2);

// Compares CompareLines1 with CompareLines2. Every differing line is listed under the
// nearest line above it in file 1 that does not start with a tab. The search for that
// line may not pass line 1: that stops the comparison (Failed).
TraceComparison compareLines(const QStringList& CompareLines1, const QStringList& CompareLines2);

} // namespace TraceCompare
