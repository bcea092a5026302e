#include "coding/translation_table.h"
#include "support/test_files.h"

#include <QTemporaryDir>
#include <QTest>

class TestTranslationTable : public QObject {
    Q_OBJECT
private slots:
    void lookup_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<int>("count");
        QTest::newRow("exact") << QStringList{u"TAGFAHRLICHT,Daytime lights"_qs} << u"TAGFAHRLICHT"_qs
                               << u"Daytime lights"_qs << 1;
        QTest::newRow("other case") << QStringList{u"TAGFAHRLICHT,Daytime lights"_qs} << u"tagFahrLicht"_qs
                                    << u"Daytime lights"_qs << 1;
        QTest::newRow("umlauts") << QStringList{u"KÜHLERLÜFTER_NACHLAUF,fan run-on"_qs}
                                 << u"kühlerlüfter_nachlauf"_qs << u"fan run-on"_qs << 1;
        QTest::newRow("umlauts upper in trace") << QStringList{u"größe_äöü,size"_qs} << u"GRÖßE_ÄÖÜ"_qs << u"size"_qs
                                                << 1;
        QTest::newRow("1252 letters") << QStringList{u"ŠKODA_ŒIL_ÿ,x"_qs} << u"škoda_œil_Ÿ"_qs << u"x"_qs << 1;
        QTest::newRow("accents are letters") << QStringList{u"CAFÉ,x"_qs} << u"CAFE"_qs << QString() << 1;
        QTest::newRow("first line wins") << QStringList{u"A,one"_qs, u"a,two"_qs, u"A,three"_qs} << u"A"_qs
                                         << u"one"_qs << 1;
        QTest::newRow("empty translation does not count")
            << QStringList{u"A,"_qs, u"A,two"_qs} << u"a"_qs << u"two"_qs << 1;
        QTest::newRow("empty second field of three") << QStringList{u"A,,three"_qs} << u"A"_qs << QString() << 0;
        QTest::newRow("no comma") << QStringList{u"A one"_qs, u"A"_qs} << u"A one"_qs << QString() << 0;
        QTest::newRow("third field ignored") << QStringList{u"A,one,two"_qs} << u"A"_qs << u"one"_qs << 1;
        QTest::newRow("no trimming") << QStringList{u"A , one "_qs} << u"A "_qs << u" one "_qs << 1;
        QTest::newRow("trimmed name misses") << QStringList{u"A , one "_qs} << u"A"_qs << QString() << 1;
        QTest::newRow("quotes are text") << QStringList{u"\"A\",\"one, two\""_qs} << u"\"A\""_qs << u"\"one"_qs << 1;
        QTest::newRow("empty lines") << QStringList{QString(), QString()} << QString() << QString() << 0;
        QTest::newRow("empty name") << QStringList{u",one"_qs} << QString() << QString() << 0;
        QTest::newRow("semicolons are not commas") << QStringList{u"A;one"_qs} << u"A"_qs << QString() << 0;
    }

    void lookup()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, name);
        QFETCH(QString, translation);
        QFETCH(int, count);
        TranslationTable table;
        table.addLines(lines);
        QCOMPARE(table.lookup(name), translation);
        QCOMPARE(table.count(), count);
        QCOMPARE(table.isEmpty(), count == 0);
    }

    void readsSingleByteFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("translation");
        QTest::newRow("crlf, 1252 umlaut") << QByteArray("K\xdcHLER,radiator\r\nB,b\r\n") << u"k\u00fchler"_qs
                                           << u"radiator"_qs;
        QTest::newRow("lf only") << QByteArray("A,one\nB,two") << u"b"_qs << u"two"_qs;
        QTest::newRow("translation with 1252 sign") << QByteArray("PREIS,\x80 price\r\n") << u"preis"_qs
                                                    << u"\u20ac price"_qs;
        QTest::newRow("no line end on last line") << QByteArray("A,one\r\nB,two") << u"B"_qs << u"two"_qs;
    }

    void readsSingleByteFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(QString, translation);
        QTemporaryDir dir;
        const QString path = translationsPath(dir.path());
        QVERIFY(TestFiles::write(path, bytes));
        const Result<TranslationTable> table = readTranslationTable(path);
        QVERIFY(table.ok());
        QCOMPARE(table->lookup(name), translation);
    }

    void missingFileFails()
    {
        QTemporaryDir dir;
        const Result<TranslationTable> table = readTranslationTable(translationsPath(dir.path()));
        QVERIFY(!table.ok());
        QVERIFY(table.error().contains(u"Translations.csv"_qs));
    }
};

QTEST_GUILESS_MAIN(TestTranslationTable)
#include "test_translation_table.moc"
