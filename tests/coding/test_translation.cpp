#include "coding/translation.h"
#include "coding/translation_coverage.h"
#include "coding/translation_table.h"
#include "common/ansi_codec.h"
#include "support/data_table.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"
#include "support/tree_text.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kCsv = "TAGFAHRLICHT,Daytime running Lights\r\naktiv,\xd6lpumpe An\r\nNICHT_AKTIV,Off\r\n"
                        "k\xfchlerl\xfc"
                        "fter,K\xfchler-L\xfc"
                        "fter\r\n"
                        "ohne_werte,Without Values\r\nwert_1,\r\nSTRASSE\r\n";

const QStringList kTrace = {u"TAGFAHRLICHT"_qs,
                            u"\taktiv"_qs,
                            u"K\u00dcHLERL\u00dc"
                            "FTER"_qs,
                            u"\tnicht_aktiv"_qs,
                            u"STRASSE"_qs,
                            u"\twert_1"_qs,
                            u"OHNE_WERTE"_qs};

// Functions LICHT (translated), Gong and BLINKER; values aktiv (twice, once as AKTIV),
// laut, blinker, a comma name, an empty value and "zwei" written with a tab inside.
const QStringList kCoverageTrace = {u"LICHT"_qs,   u"\taktiv"_qs,        u"Gong"_qs,      u"\tlaut"_qs,
                                    u"\tAKTIV"_qs, u"BLINKER"_qs,        u"\tblinker"_qs, u"\tzw\tei"_qs,
                                    u"\t"_qs,      u"\tlinks,rechts"_qs, u"\tGröße"_qs};
const QStringList kCoverageTable = {u"licht,light"_qs, u"AKTIV,on"_qs, u"laut,"_qs, u"zwei,two"_qs};

} // namespace

class TestTranslation : public QObject {
    Q_OBJECT
private slots:
    // Letter case, a missing comma and an empty translation meet the switch below.
    void lookup_data()
    {
        addColumns<QStringList, QString, QString, int>("lines", "name", "translation", "count");
        QTest::newRow("duplicate: first line wins")
            << QStringList{u"A,one"_qs, u"a,two"_qs, u"A,three"_qs} << u"A"_qs << u"one"_qs << 1;
        QTest::newRow("a second comma ends the translation")
            << QStringList{u"A,one,two"_qs} << u"a"_qs << u"one"_qs << 1;
        QTest::newRow("empty name") << QStringList{u",one"_qs, u""_qs} << QString() << u"one"_qs << 1;
    }
    void lookup()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, count);
        TranslationTable table;
        table.addLines(lines);
        QFETCH(QString, name);
        QTEST(table.lookup(name), "translation");
        QCOMPARE(table.isEmpty() ? 0 : table.count(), count);
    }

    // Functions (nodes with children) in capitals, values in small letters, letters without
    // a single-byte form unchanged; switching back gives exactly the loaded texts.
    void switchesOnAndBackExactly()
    {
        QTemporaryDir program;
        QVERIFY(TestFiles::write(translationsPath(program.path()), kCsv));
        TraceSession session;
        QAbstractItemModelTester tester(&session.tree(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        BuildTraceTree(session.tree(), kTrace, &session.TraceLines);
        session.showTree();
        session.tree().setSorted(true);
        TranslationTable table;
        ScriptedDialogs dialogs;
        const auto toggle = [&] { ToggleTranslation(session, table, program.path(), dialogs); };
        const QByteArray plain = Ansi::encode(TreeText::texts(session.tree()).join(u'\n'));
        toggle();
        QVERIFY(session.Translated);
        QCOMPARE(
            TreeText::texts(session.tree()),
            (QStringList{u"TAGFAHRLICHT  -  DAYTIME RUNNING LIGHTS"_qs, u"aktiv  -  \u00f6lpumpe an"_qs,
                         u"K\u00dcHLERL\u00dc"
                         "FTER  -  K\u00dcHLER-L\u00dc"
                         "FTER"_qs,
                         u"nicht_aktiv  -  off"_qs, u"STRASSE"_qs, u"wert_1"_qs, u"OHNE_WERTE  -  without values"_qs}));
        toggle();
        QVERIFY(!session.Translated);
        QCOMPARE(Ansi::encode(TreeText::texts(session.tree()).join(u'\n')), plain);
        QVERIFY(dialogs.messages.isEmpty());
    }

    void exportBytes_data()
    {
        // table: null for no table file
        addColumns<QByteArray, QByteArray>("table", "lineEnd");
        QTest::newRow("no table") << QByteArray() << QByteArray("\r\n");
        QTest::newRow("LF table") << QByteArray("a,b\nc,d\r\n") << QByteArray("\n");
        QTest::newRow("CR table") << QByteArray("a,b\rc,d") << QByteArray("\r");
        QTest::newRow("one line, no end") << QByteArray("a,b") << QByteArray("\r\n");
    }
    // What the table misses, and its export in the table's line end so that it can be pasted in.
    void exportBytes()
    {
        QFETCH(QByteArray, table);
        QFETCH(QByteArray, lineEnd);
        QTemporaryDir dir;
        const QString tablePath = dir.filePath(u"Translations.csv"_qs);
        if (!table.isNull())
            QVERIFY(TestFiles::write(tablePath, table));
        TranslationTable known;
        known.addLines(kCoverageTable);
        const QString exportPath = dir.filePath(u"missing.csv"_qs);
        const TranslationCoverage coverage = MeasureTranslationCoverage(kCoverageTrace, known);
        QCOMPARE(DescribeTranslationCoverage(coverage),
                 (QStringList{u"functions: 1 of 3 translated"_qs, u"values: 2 of 6 translated"_qs}));
        QCOMPARE(coverage.missingFunctions, (QStringList{u"BLINKER"_qs, u"Gong"_qs}));
        QCOMPARE(coverage.missingValues, (QStringList{u"blinker"_qs, u"Größe"_qs, u"laut"_qs, u"links,rechts"_qs}));
        QVERIFY(ExportMissingTranslations(exportPath, coverage, tablePath).ok());
        QCOMPARE(TestFiles::read(exportPath), "BLINKER," + lineEnd + "Gong," + lineEnd
                                                  + "Gr\xF6\xDF"
                                                    "e,"
                                                  + lineEnd + "laut," + lineEnd);
    }
};

QTEST_GUILESS_MAIN(TestTranslation)
#include "test_translation.moc"
