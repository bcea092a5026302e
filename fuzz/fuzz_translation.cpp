// Arbitrary bytes as Translations.csv, switched on and off over a small trace whose names
// are often the table's own, and the coverage report over the same trace. Every name gets
// the first usable translation of its table line, compared without case; switching off
// gives back every name as loaded; the coverage counts add up.

#include "coding/translation.h"
#include "coding/translation_coverage.h"
#include "coding/translation_table.h"
#include "common/text_file.h"
#include "fuzz_support.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"

#include <QHash>

namespace {

struct PlainTable {
    QStringList names;
    QStringList translations;

    QString lookup(const QString& name) const
    {
        for (qsizetype i = 0; i < names.size(); ++i)
            if (names[i].toCaseFolded() == name.toCaseFolded())
                return translations[i];
        return {};
    }
};

// Name, comma, translation up to the next comma; a line without a comma or without a
// translation is not an entry (an empty name is one, and translates the empty name).
PlainTable readPlain(const QStringList& lines)
{
    PlainTable table;
    for (const QString& line : lines) {
        const QStringList fields = line.split(u',');
        if (fields.size() < 2 || fields[1].isEmpty())
            continue;
        table.names.append(fields[0]);
        table.translations.append(fields[1]);
    }
    return table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QByteArray tableBytes = Fuzz::take(input, 2048);
    const QStringList tableLines = TextFile::splitLines(tableBytes);
    QStringList names;
    for (const QString& line : tableLines)
        names.append(line.section(u',', 0, 0));
    QStringList trace = Fuzz::traceLines(input, names, 24);
    if (!trace.isEmpty() && trace.first().startsWith(u'\t'))
        trace.removeFirst();

    TraceSession session;
    if (!BuildTraceTree(session.tree(), trace, &session.TraceLines).isEmpty())
        return 0;
    session.showTree();
    TraceTree& tree = session.tree();
    QStringList loaded;
    for (int node = 1; node <= tree.count(); ++node)
        loaded.append(tree.text(node));

    const QString programFolder = Fuzz::freshFolder(QStringLiteral("program"));
    Fuzz::writeFile(translationsPath(programFolder), tableBytes);
    TranslationTable table;
    Fuzz::RecordingDialogs dialogs;
    ToggleTranslation(session, table, programFolder, dialogs);
    Fuzz::check(dialogs.messages.isEmpty() && session.Translated, "the translation did not switch on",
                dialogs.messages.join(u'\n'));

    const PlainTable plain = readPlain(tableLines);
    Fuzz::check(table.count() <= plain.names.size(), "more entries than usable lines");
    for (int node = 1; node <= tree.count(); ++node) {
        const QString translation = plain.lookup(loaded[node - 1]);
        const QString expected = translation.isEmpty() ? loaded[node - 1]
                                                       : TranslationText::withTranslation(loaded[node - 1], translation,
                                                                                          tree.childCount(node) > 0);
        Fuzz::check(tree.text(node) == expected, "wrong translated name", tree.text(node) + u'|' + expected);
    }

    ToggleTranslation(session, table, programFolder, dialogs);
    for (int node = 1; node <= tree.count(); ++node)
        Fuzz::check(tree.text(node) == loaded[node - 1], "switching off changed a name",
                    loaded[node - 1] + u'|' + tree.text(node));

    const TranslationCoverage coverage = MeasureTranslationCoverage(session.TraceLines, table);
    Fuzz::check(coverage.translatedFunctions + coverage.missingFunctions.size() == coverage.functions
                    && coverage.translatedValues + coverage.missingValues.size() == coverage.values,
                "the coverage counts do not add up");
    for (const QString& name : coverage.missingFunctions + coverage.missingValues)
        Fuzz::check(plain.lookup(name).isEmpty() && !name.isEmpty(), "a translated name is reported missing", name);
    for (const QString& line : MissingTranslationLines(coverage))
        Fuzz::check(line.endsWith(u',') && line.count(u',') == 1, "an exported line cannot stand in the table", line);
    return 0;
}
