#include "coding/translation_coverage.h"
#include "coding/translation_table.h"
#include "support/test_files.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// Functions LICHT (translated), Gong and BLINKER; values aktiv (twice, once as AKTIV),
// laut, blinker, a comma name, an empty value and "zwei" written with a tab inside.
const QStringList kTrace = {u"LICHT"_qs, u"\taktiv"_qs, u"Gong"_qs,   u"\tlaut"_qs, u"\tAKTIV"_qs,
                            u"BLINKER"_qs, u"\tblinker"_qs, u"\tzw\tei"_qs, u"\t"_qs, u"\tlinks,rechts"_qs, u"\tGröße"_qs};
const QStringList kTable = {u"licht,light"_qs, u"AKTIV,on"_qs, u"laut,"_qs, u"zwei,two"_qs};

} // namespace

class TestTranslationCoverage : public QObject {
    Q_OBJECT
private slots:
    void coverage()
    {
        TranslationTable table;
        table.addLines(kTable);
        const TranslationCoverage coverage = MeasureTranslationCoverage(kTrace, table);
        QCOMPARE(DescribeTranslationCoverage(coverage),
                 (QStringList{u"functions: 1 of 3 translated"_qs, u"values: 2 of 6 translated"_qs}));
        QCOMPARE(coverage.missingFunctions, (QStringList{u"BLINKER"_qs, u"Gong"_qs}));
        QCOMPARE(coverage.missingValues, (QStringList{u"blinker"_qs, u"Größe"_qs, u"laut"_qs, u"links,rechts"_qs}));
    }

    void exportBytes_data()
    {
        QTest::addColumn<QByteArray>("table"); // null: no table file
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::newRow("no table") << QByteArray() << QByteArray("\r\n");
        QTest::newRow("LF table") << QByteArray("a,b\nc,d\r\n") << QByteArray("\n");
        QTest::newRow("CR table") << QByteArray("a,b\rc,d") << QByteArray("\r");
        QTest::newRow("one line, no end") << QByteArray("a,b") << QByteArray("\r\n");
    }
    // The export takes the table's line end so that it can be pasted into it.
    void exportBytes()
    {
        QFETCH(QByteArray, table);
        QFETCH(QByteArray, lineEnd);
        QTemporaryDir dir;
        const QString tablePath = dir.filePath(u"Translations.csv"_qs);
        if (!table.isNull())
            QVERIFY(TestFiles::write(tablePath, table));
        TranslationTable known;
        known.addLines(kTable);
        const QString exportPath = dir.filePath(u"missing.csv"_qs);
        QVERIFY(ExportMissingTranslations(exportPath, MeasureTranslationCoverage(kTrace, known), tablePath).ok());
        QCOMPARE(TestFiles::read(exportPath),
                 "BLINKER," + lineEnd + "Gong," + lineEnd + "Gr\xF6\xDF" "e," + lineEnd + "laut," + lineEnd);
    }
};

QTEST_GUILESS_MAIN(TestTranslationCoverage)
#include "test_translation_coverage.moc"
