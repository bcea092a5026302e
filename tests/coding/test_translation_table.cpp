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
        QTest::newRow("other case") << QStringList{u"TAGFAHRLICHT,Daytime lights"_qs} << u"tagFahrLicht"_qs
                                    << u"Daytime lights"_qs << 1;
        QTest::newRow("umlauts upper in trace") << QStringList{u"größe_äöü,size"_qs} << u"GRÖßE_ÄÖÜ"_qs << u"size"_qs
                                                << 1;
        QTest::newRow("duplicate: first line wins") << QStringList{u"A,one"_qs, u"a,two"_qs, u"A,three"_qs} << u"A"_qs
                                                    << u"one"_qs << 1;
        QTest::newRow("empty translation does not count")
            << QStringList{u"A,"_qs, u"A,two"_qs} << u"a"_qs << u"two"_qs << 1;
        QTest::newRow("no comma") << QStringList{u"A one"_qs, u"A"_qs} << u"A one"_qs << QString() << 0;
        QTest::newRow("empty name") << QStringList{u",one"_qs} << QString() << QString() << 0;
    }
    void lookup()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, count);
        TranslationTable table;
        table.addLines(lines);
        QFETCH(QString, name);
        QTEST(table.lookup(name), "translation");
        QCOMPARE(table.count(), count);
        QCOMPARE(table.isEmpty(), count == 0);
    }

    void readsSingleByteFiles()
    {
        QTemporaryDir dir;
        const QString path = translationsPath(dir.path());
        QVERIFY(!readTranslationTable(path).ok());
        QVERIFY(TestFiles::write(path, "K\xdcHLER,radiator\r\nB,\x80 two"));
        const Result<TranslationTable> table = readTranslationTable(path);
        QVERIFY(table.ok());
        QCOMPARE(table->lookup(u"k\u00fchler"_qs), u"radiator"_qs);
        QCOMPARE(table->lookup(u"b"_qs), u"\u20ac two"_qs);
    }
};

QTEST_GUILESS_MAIN(TestTranslationTable)
#include "test_translation_table.moc"
