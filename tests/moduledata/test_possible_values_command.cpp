#include "coding/save_manipulation_file.h"
#include "support/test_files.h"
#include "common/busy_state.h"
#include "moduledata/possible_values_command.h"
#include "moduledata/value_search_state.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"
#include "value_search_check.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

using TestFiles::bytes;

// LICHT has the values aktiv, nicht_aktiv and aus; BREMSE is not in the keyword data.
ModuleData lichtData()
{
    const QByteArray fsw = "SWTFSW" + bytes({0, 0x05, 0x06}) + "LICHT" + bytes({0});
    const QByteArray psw = "KEYWORD" + bytes({0, 0, 1, 0, 0xA1, 0xB1}) + "aktiv" + bytes({0, 1, 0, 0xA2, 0xB2})
                           + "nicht_aktiv" + bytes({0, 1, 0, 0xA3, 0xB3}) + "aus" + bytes({0});
    QByteArray module = QByteArray(6, '\x55') + bytes({0x12, 0x00, 0x01, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x05, 0x06});
    for (const int id : {0xA2, 0xA1, 0xA3})
        module += bytes({0x0C, 0x10, 0x00, id, id + 0x10, 0x08, 0x55});
    return makeModuleData(fsw, psw, module);
}

struct Fixture {
    TraceSession session;
    ModuleData data = lichtData();
    ValueSearchState state;
    BusyState busy;
    ScriptedDialogs dialogs;
    QStringList toggles; // the tree's first value text each time the translation was switched

    explicit Fixture(const QStringList& lines = {u"LICHT"_qs, u"\taktiv"_qs})
    {
        BuildTraceTree(session.tree(), lines, &session.TraceLines);
        session.showTree();
    }

    void press(ModuleData* moduleData)
    {
        ShowPossibleValues(session, moduleData, state, busy, dialogs, [this] {
            session.Translated = !session.Translated;
            toggles.append(QStringLiteral("%1:%2").arg(session.Translated).arg(session.tree().count()));
        });
    }
    void press() { press(&data); }

    QStringList values(int function = 1) const
    {
        QStringList out;
        const TraceTree& tree = session.tree();
        for (const int child : tree.children(function))
            out.append(QStringLiteral("%1|%2").arg(tree.text(child)).arg(tree.image(child)));
        return out;
    }
};

} // namespace

class TestPossibleValuesCommand : public QObject {
    Q_OBJECT
private slots:
    void guards_data()
    {
        QTest::addColumn<bool>("traceLoaded");
        QTest::addColumn<bool>("treeShown");
        QTest::addColumn<bool>("moduleChosen");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing loaded") << false << true << false << u"Load TRC-file first."_qs;
        QTest::newRow("no trace, module chosen") << false << true << true << u"Load TRC-file first."_qs;
        QTest::newRow("list shown instead of the tree") << true << false << false << u"Load TRC-file first."_qs;
        QTest::newRow("trace, no module") << true << true << false << u"Select chassis and module first."_qs;
    }

    void guards()
    {
        QFETCH(bool, traceLoaded);
        QFETCH(bool, treeShown);
        QFETCH(bool, moduleChosen);
        QFETCH(QString, message);
        Fixture fixture(traceLoaded ? QStringList{u"LICHT"_qs, u"\taktiv"_qs} : QStringList());
        if (!treeShown)
            fixture.session.showList();
        if (!moduleChosen)
            fixture.data.ModuleHex.clear();
        fixture.press();
        QCOMPARE(fixture.dialogs.texts(), QStringList{message});
        QCOMPARE(fixture.dialogs.messages.first().icon, MessageIcon::Exclamation);
        QVERIFY(!fixture.session.ValuesShown);
        QCOMPARE(fixture.session.tree().count(), traceLoaded ? 2 : 0);
    }

    void noModuleDataAtAll()
    {
        Fixture fixture;
        fixture.press(nullptr);
        QCOMPARE(fixture.dialogs.texts(), QStringList{u"Select chassis and module first."_qs});
    }

    void busyDoesNothing()
    {
        Fixture fixture;
        fixture.busy.setBusy(true);
        fixture.press();
        QVERIFY(fixture.dialogs.messages.isEmpty());
        QVERIFY(!fixture.session.ValuesShown);
        QCOMPARE(fixture.session.tree().count(), 2);
        QVERIFY(fixture.busy.isBusy());
    }

    // The first press keeps a value changed before it, chosen, but no longer as a change.
    void firstPressKeepsChanges()
    {
        Fixture fixture;
        TraceTree& tree = fixture.session.tree();
        tree.setText(2, u"nicht_aktiv"_qs);
        tree.setTag(2, u"aktiv"_qs);
        tree.setBold(1, true);
        fixture.session.ChangeCount = 1;
        fixture.press();
        QCOMPARE(fixture.values(), (QStringList{u"aktiv|0"_qs, u"aus|0"_qs, u"nicht_aktiv|1"_qs}));
        QVERIFY(!tree.bold(1));
        QCOMPARE(fixture.session.ChangeCount, 0);
        QVERIFY(fixture.session.ValuesShown);
        QVERIFY(!fixture.session.ValuesIncomplete);
        QVERIFY(fixture.dialogs.messages.isEmpty());
        QVERIFY(!fixture.busy.isBusy());
        QCOMPARE(fixture.state.MarkerDistance, 27);
    }

    // A second press starts again from the trace: the value picked in between is lost.
    void secondPressLosesPicks()
    {
        Fixture fixture;
        fixture.press();
        TraceTree& tree = fixture.session.tree();
        const QList<int> children = tree.children(1);
        tree.setImage(children[0], NodeImage::None); // aktiv, the loaded value
        tree.setColor(children[0], NodeColor::Blue);
        tree.setImage(children[1], NodeImage::Chosen); // aus, picked
        tree.setBold(1, true);
        fixture.session.ChangeCount = 1;
        fixture.press();
        QCOMPARE(fixture.values(), (QStringList{u"aktiv|1"_qs, u"aus|0"_qs, u"nicht_aktiv|0"_qs}));
        QVERIFY(!tree.bold(1));
        QCOMPARE(tree.color(tree.children(1).first()), NodeColor::Normal);
        QCOMPARE(fixture.session.ChangeCount, 0);
    }

    // The search runs on untranslated names; the translation comes back afterwards.
    void translationOffAndOn_data()
    {
        QTest::addColumn<bool>("secondPress");
        QTest::addColumn<bool>("translated");
        QTest::addColumn<QStringList>("toggles");
        QTest::newRow("not translated") << false << false << QStringList();
        // Before the search the tree has only the trace's two nodes; after it, four.
        QTest::newRow("first press, translated") << false << true << QStringList{u"0:2"_qs, u"1:4"_qs};
        QTest::newRow("second press, translated") << true << true << QStringList{u"1:4"_qs};
    }

    void translationOffAndOn()
    {
        QFETCH(bool, secondPress);
        QFETCH(bool, translated);
        QFETCH(QStringList, toggles);
        Fixture fixture;
        if (secondPress)
            fixture.press();
        fixture.toggles.clear();
        fixture.session.Translated = translated;
        fixture.press();
        QCOMPARE(fixture.toggles, toggles);
        QCOMPARE(fixture.session.Translated, translated);
    }

    // A function not found: its reason replaces its first value, its other values go, the
    // user is told, and the found functions keep their values.
    void functionNotFound()
    {
        // LICHT comes first: it is the one calibration sample.
        Fixture fixture({u"LICHT"_qs, u"\taktiv"_qs, u"BREMSE"_qs, u"\tein"_qs, u"\taus"_qs});
        fixture.press();
        QCOMPARE(fixture.dialogs.texts(),
                 QStringList{u"Not all parameters are found.\r\nSelect the right chassis and module."_qs});
        QCOMPARE(fixture.dialogs.messages.first().icon, MessageIcon::Exclamation);
        QVERIFY(fixture.session.ValuesIncomplete);
        const TraceTree& tree = fixture.session.tree();
        const int bremse = tree.indexOfKey(u"BREMSE"_qs);
        QCOMPARE(tree.image(bremse), NodeImage::Warning);
        QCOMPARE(fixture.values(bremse), QStringList{u"function not found in the function keyword file|3"_qs});
        QCOMPARE(tree.color(tree.firstChild(bremse)), NodeColor::Red);
        QCOMPARE(fixture.values(1), (QStringList{u"aktiv|1"_qs, u"aus|0"_qs, u"nicht_aktiv|0"_qs}));
    }

    // While a function is marked as not found, a picked value cannot be saved.
    void savingRefusedAfterAFailedFunction()
    {
        Fixture fixture({u"LICHT"_qs, u"\taktiv"_qs, u"BREMSE"_qs, u"\tein"_qs});
        fixture.press();
        QVERIFY(fixture.session.ValuesIncomplete);
        TraceTree& tree = fixture.session.tree();
        const QList<int> licht = tree.children(1);
        tree.setImage(licht[0], NodeImage::None);
        tree.setImage(licht[1], NodeImage::Chosen);
        tree.setBold(1, true);
        fixture.session.ChangeCount = 1;
        fixture.dialogs.messages.clear();

        QTemporaryDir dir;
        FixedClock clock;
        QString saveTag;
        SaveManipulationFile({dir.path(), dir.path(), u"DEM"_qs, u"LCM.C05"_qs}, fixture.session, fixture.dialogs,
                             clock, saveTag, {});
        QCOMPARE(fixture.dialogs.texts(),
                 QStringList{u"Errors found in list.\r\nSelect the right chassis and module."_qs});
        QVERIFY(!QFileInfo::exists(dir.filePath(u"WORK/FSW_PSW.MAN"_qs)));
    }
};

QTEST_GUILESS_MAIN(TestPossibleValuesCommand)
#include "test_possible_values_command.moc"
