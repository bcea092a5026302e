#include "coding/translation.h"
#include "coding/translation_table.h"
#include "common/ansi_codec.h"
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
                        "k\xfchlerl\xfc" "fter,K\xfchler-L\xfc" "fter\r\n"
                        "ohne_werte,Without Values\r\nwert_1,\r\nSTRASSE\r\n";

const QStringList kTrace = {u"TAGFAHRLICHT"_qs, u"\taktiv"_qs, u"K\u00dcHLERL\u00dc" "FTER"_qs, u"\tnicht_aktiv"_qs,
                            u"STRASSE"_qs,      u"\twert_1"_qs, u"OHNE_WERTE"_qs};

// A program folder with a table (none for a null csv), the trace in a session, and the messages.
struct Fixture {
    QTemporaryDir program;
    TraceSession session;
    TranslationTable table;
    ScriptedDialogs dialogs;

    explicit Fixture(const QByteArray& csv)
    {
        if (!csv.isNull())
            TestFiles::write(translationsPath(program.path()), csv);
        BuildTraceTree(session.tree(), kTrace, &session.TraceLines);
        session.showTree();
    }
    void toggle() { ToggleTranslation(session, table, program.path(), dialogs); }
};

} // namespace

class TestTranslation : public QObject {
    Q_OBJECT
private slots:
    void lookup_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<int>("count");
        QTest::newRow("other case, umlauts") << QStringList{u"größe_äöü,Size"_qs} << u"GRÖßE_ÄÖÜ"_qs << u"Size"_qs << 1;
        QTest::newRow("duplicate: first line wins") << QStringList{u"A,one"_qs, u"a,two"_qs, u"A,three"_qs} << u"A"_qs
                                                    << u"one"_qs << 1;
        QTest::newRow("empty translation does not count")
            << QStringList{u"A,"_qs, u"A,two"_qs} << u"a"_qs << u"two"_qs << 1;
        QTest::newRow("no comma") << QStringList{u"A one"_qs, u"A"_qs} << u"A one"_qs << QString() << 0;
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
        Fixture f(kCsv);
        QAbstractItemModelTester tester(&f.session.tree(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        f.session.tree().setSorted(true);
        const QByteArray plain = Ansi::encode(TreeText::texts(f.session.tree()).join(u'\n'));
        f.toggle();
        QVERIFY(f.session.Translated);
        QCOMPARE(TreeText::texts(f.session.tree()),
                 (QStringList{u"TAGFAHRLICHT  -  DAYTIME RUNNING LIGHTS"_qs, u"aktiv  -  \u00f6lpumpe an"_qs,
                              u"K\u00dcHLERL\u00dc" "FTER  -  K\u00dcHLER-L\u00dc" "FTER"_qs, u"nicht_aktiv  -  off"_qs,
                              u"STRASSE"_qs, u"wert_1"_qs, u"OHNE_WERTE  -  without values"_qs}));
        f.toggle();
        QVERIFY(!f.session.Translated);
        QCOMPARE(Ansi::encode(TreeText::texts(f.session.tree()).join(u'\n')), plain);
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void refusals_data()
    {
        QTest::addColumn<bool>("treeVisible");
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("message"); // %1: the table's path
        QTest::newRow("tree hidden") << false << kCsv << u"Load TRC-file first."_qs;
        QTest::newRow("no table") << true << QByteArray() << u"%1 not found."_qs;
    }
    void refusals()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, message);
        QFETCH(bool, treeVisible);
        Fixture f(csv);
        if (!treeVisible)
            f.session.showList();
        f.toggle();
        QCOMPARE(f.dialogs.texts(), QStringList{message.replace(u"%1"_qs, translationsPath(f.program.path()))});
        QCOMPARE(f.dialogs.messages.first().icon, MessageIcon::Exclamation);
        QVERIFY(!f.session.Translated);
        QCOMPARE(TreeText::texts(f.session.tree()), QStringList(kTrace).replaceInStrings(u"\t"_qs, QString()));
    }
};

QTEST_GUILESS_MAIN(TestTranslation)
#include "test_translation.moc"
