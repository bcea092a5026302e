#include "coding/translation.h"
#include "coding/translation_table.h"
#include "common/ansi_codec.h"
#include "common/text_file.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList texts(const TraceTree& tree)
{
    QStringList result;
    for (int i = 1; i <= tree.count(); ++i)
        result.append(tree.text(i));
    return result;
}

QByteArray bytes(const TraceTree& tree)
{
    return Ansi::encode(texts(tree).join(u'\n'));
}

// A program folder with a table, a trace in the session, and a place for messages.
struct Fixture {
    QTemporaryDir program;
    TraceSession session;
    TranslationTable table;
    ScriptedDialogs dialogs;

    explicit Fixture(const QByteArray& csv, const QStringList& trace = {})
    {
        if (!csv.isNull())
            TestFiles::write(translationsPath(program.path()), csv);
        BuildTraceTree(session.tree(), trace, &session.TraceLines);
        session.showTree();
    }
    void toggle() { ToggleTranslation(session, table, program.path(), dialogs); }
};

const QByteArray kCsv = "TAGFAHRLICHT,Daytime running Lights\r\n"
                        "aktiv,On\r\n"
                        "NICHT_AKTIV,Off\r\n"
                        "k\xfchlerl\xfc" "fter,Radiator fan\r\n"
                        "ohne_werte,Without Values\r\n"
                        "wert_1,\r\n"
                        "STRASSE\r\n";

const QStringList kTrace = {u"TAGFAHRLICHT"_qs, u"\taktiv"_qs, u"K\u00dcHLERL\u00dc" "FTER"_qs, u"\tnicht_aktiv"_qs,
                            u"STRASSE"_qs,      u"\twert_1"_qs, u"OHNE_WERTE"_qs};

} // namespace

class TestTranslation : public QObject {
    Q_OBJECT
private slots:
    void switchesOnAndBackExactly()
    {
        Fixture f(kCsv, kTrace);
        QAbstractItemModelTester tester(&f.session.tree(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        f.session.tree().setSorted(true);
        const QByteArray plain = bytes(f.session.tree());

        f.toggle();
        QVERIFY(f.session.Translated);
        QCOMPARE(texts(f.session.tree()),
                 (QStringList{u"TAGFAHRLICHT  -  DAYTIME RUNNING LIGHTS"_qs, u"aktiv  -  on"_qs,
                              u"K\u00dcHLERL\u00dc" "FTER  -  RADIATOR FAN"_qs, u"nicht_aktiv  -  off"_qs,
                              u"STRASSE"_qs, u"wert_1"_qs,
                              // Only nodes with children count as functions for the capitals.
                              u"OHNE_WERTE  -  without values"_qs}));

        f.toggle();
        QVERIFY(!f.session.Translated);
        QCOMPARE(bytes(f.session.tree()), plain);
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void refusals_data()
    {
        QTest::addColumn<bool>("treeVisible");
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<QString>("message"); // %1: the table's path
        QTest::newRow("tree hidden") << false << true << u"Load TRC-file first."_qs;
        QTest::newRow("no table") << true << false << u"%1 not found."_qs;
    }

    void refusals()
    {
        QFETCH(bool, treeVisible);
        QFETCH(bool, fileExists);
        QFETCH(QString, message);
        Fixture f(fileExists ? kCsv : QByteArray(), kTrace);
        if (!treeVisible)
            f.session.showList();
        const QStringList before = texts(f.session.tree());
        f.toggle();
        QCOMPARE(f.dialogs.texts(), QStringList{message.replace(u"%1"_qs, translationsPath(f.program.path()))});
        QCOMPARE(f.dialogs.messages.first().icon, MessageIcon::Exclamation);
        QCOMPARE(f.dialogs.messages.first().title, u"Quillon"_qs);
        QVERIFY(!f.session.Translated);
        QCOMPARE(texts(f.session.tree()), before);
    }

    void tableIsReadOncePerRun()
    {
        Fixture f("A,first\r\n", {u"A"_qs, u"\t1"_qs});
        f.toggle();
        f.toggle();
        TestFiles::write(translationsPath(f.program.path()), "A,second\r\n");
        f.toggle();
        QCOMPARE(f.session.tree().text(1), u"A  -  FIRST"_qs);
    }

    void emptyTableIsReadAgain()
    {
        Fixture f("no comma here\r\n", {u"A"_qs, u"\t1"_qs});
        f.toggle();
        QVERIFY(f.session.Translated);
        QCOMPARE(f.session.tree().text(1), u"A"_qs);
        f.toggle();
        TestFiles::write(translationsPath(f.program.path()), "A,now\r\n");
        f.toggle();
        QCOMPARE(f.session.tree().text(1), u"A  -  NOW"_qs);
    }

    // The demo's table translates every name of the demo trace, and switching back gives
    // the trace's own names.
    void demoTableCoversTheDemoTrace()
    {
        const QString demo = QStringLiteral(QUILLON_SOURCE_DIR "/demo");
        const Result<QStringList> trace = TextFile::readLines(demo + u"/NCSEXPER/WORK/FSW_PSW.TRC"_qs);
        QVERIFY(trace.ok());
        Fixture f(TestFiles::read(demo + u"/program-files/Translations.csv"_qs), trace.value());
        const QByteArray plain = bytes(f.session.tree());
        f.toggle();
        QStringList untranslated;
        for (int i = 1; i <= f.session.tree().count(); ++i)
            if (!f.session.tree().text(i).contains(TranslationText::separator()))
                untranslated.append(f.session.tree().text(i));
        QCOMPARE(untranslated, QStringList());
        QCOMPARE(f.session.tree().text(1), u"CODIERINDEX  -  CODING INDEX"_qs);
        QCOMPARE(f.session.tree().text(2), u"wert_04  -  4"_qs);
        f.toggle();
        QCOMPARE(bytes(f.session.tree()), plain);
    }

    void letterCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");
        QTest::newRow("ascii") << u"Fog Lights"_qs << u"FOG LIGHTS"_qs << u"fog lights"_qs;
        QTest::newRow("umlauts") << u"Kühler Öl"_qs << u"KÜHLER ÖL"_qs << u"kühler öl"_qs;
        QTest::newRow("1252 only letters") << u"šœÿ"_qs << u"ŠŒŸ"_qs << u"šœÿ"_qs;
        // ß and µ have no single-byte capital; they stay as they are.
        QTest::newRow("no single-byte capital") << u"Maß µs"_qs << u"MAß µS"_qs << u"maß µs"_qs;
        QTest::newRow("digits and signs") << u"50 % / 2-x"_qs << u"50 % / 2-X"_qs << u"50 % / 2-x"_qs;
    }

    void letterCase()
    {
        QFETCH(QString, text);
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        QCOMPARE(TranslationText::ansiUpper(text), upper);
        QCOMPARE(TranslationText::ansiLower(text), lower);
        QCOMPARE(Ansi::decode(Ansi::encode(TranslationText::ansiUpper(text))), upper);
    }
};

QTEST_GUILESS_MAIN(TestTranslation)
#include "test_translation.moc"
