#include "common/busy_state.h"
#include "moduledata/possible_values_command.h"
#include "moduledata/value_search_state.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"
#include "value_data_generator.h"

#include <QTest>

namespace {

using TestFiles::bytes;

// LICHT has the values aktiv, nicht_aktiv and aus.
ModuleData lichtData()
{
    const QByteArray fsw = "SWTFSW" + bytes({0, 0x05, 0x06}) + "LICHT" + bytes({0});
    const QByteArray psw = "KEYWORD" + bytes({0, 0, 1, 0, 0xA1, 0xB1}) + "aktiv" + bytes({0, 1, 0, 0xA2, 0xB2})
                           + "nicht_aktiv" + bytes({0, 1, 0, 0xA3, 0xB3}) + "aus" + bytes({0});
    QByteArray module = QByteArray(6, '\x55') + bytes({0x12, 0x00, 0x01, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x05, 0x06});
    for (const int id : {0xA2, 0xA1, 0xA3})
        module += bytes({0x0C, 0x10, 0x00, id, id + 0x10, 0x08, 0x55});
    return moduleDataFrom(fsw, psw, module);
}

struct Fixture {
    TraceSession session;
    ModuleData data = lichtData();
    ValueSearchState state;
    BusyState busy;
    ScriptedDialogs dialogs;
    QStringList toggles; // "translated:node count" each time the translation was switched

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
    // The function's values as "text|image".
    QStringList values(int function = 1) const
    {
        QStringList out;
        for (const int child : session.tree().children(function))
            out.append(QStringLiteral("%1|%2").arg(session.tree().text(child)).arg(session.tree().image(child)));
        return out;
    }
};

} // namespace

class TestPossibleValuesCommand : public QObject {
    Q_OBJECT
private slots:
    void refused_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QStringList>("messages");
        const QStringList noTrace{u"Load TRC-file first."_qs};
        const QStringList noModule{u"Select chassis and module first."_qs};
        QTest::newRow("no trace, module chosen") << u"no trace"_qs << noTrace;
        QTest::newRow("list shown instead of the tree") << u"list, no module"_qs << noTrace;
        QTest::newRow("trace, no module") << u"no module"_qs << noModule;
        QTest::newRow("no module data at all") << u"no data"_qs << noModule;
        QTest::newRow("busy: silently nothing") << u"busy"_qs << QStringList();
    }
    void refused()
    {
        QFETCH(QString, setup);
        Fixture f(setup.startsWith(u"no trace") ? QStringList() : QStringList{u"LICHT"_qs, u"\taktiv"_qs});
        if (setup.startsWith(u"list"))
            f.session.showList();
        if (setup.endsWith(u"no module"))
            f.data.ModuleHex.clear();
        f.busy.setBusy(setup == u"busy");
        f.press(setup == u"no data" ? nullptr : &f.data);
        QTEST(f.dialogs.texts(), "messages");
        for (const ScriptedDialogs::Message& message : std::as_const(f.dialogs.messages))
            QCOMPARE(message.icon, MessageIcon::Exclamation);
        QVERIFY(!f.session.ValuesShown);
        QCOMPARE(f.session.tree().count(), setup.startsWith(u"no trace") ? 0 : 2);
        QCOMPARE(f.busy.isBusy(), setup == u"busy");
    }

    // The first press keeps a value changed before it, chosen, but no longer as a change; a
    // second press starts again from the trace and loses the value picked in between. The
    // search runs on untranslated names: translation off before it (two nodes), on after it
    // (four); the second press rebuilds the tree untranslated, so it only switches back on.
    void pressesAndChanges()
    {
        Fixture f;
        TraceTree& tree = f.session.tree();
        tree.setText(2, u"nicht_aktiv"_qs);
        tree.setTag(2, u"aktiv"_qs);
        tree.setBold(1, true);
        f.session.ChangeCount = 1;
        f.session.Translated = true;
        f.press();
        QCOMPARE(f.values(), (QStringList{u"aktiv|0"_qs, u"aus|0"_qs, u"nicht_aktiv|1"_qs}));
        QCOMPARE(f.toggles, (QStringList{u"0:2"_qs, u"1:4"_qs}));
        QVERIFY(!tree.bold(1));
        QCOMPARE(f.session.ChangeCount, 0);
        QVERIFY(f.session.ValuesShown && !f.session.ValuesIncomplete);
        QVERIFY(f.dialogs.messages.isEmpty());
        QVERIFY(!f.busy.isBusy());
        QCOMPARE(f.state.MarkerDistance, 27);

        const QList<int> values = tree.children(1); // aus picked as a change
        for (const int value : values)
            tree.setImage(value, value == values[1] ? NodeImage::Chosen : NodeImage::None);
        tree.setColor(values[0], NodeColor::Blue);
        tree.setBold(1, true);
        f.session.ChangeCount = 1;
        f.toggles.clear();
        f.press();
        QCOMPARE(f.values(), (QStringList{u"aktiv|1"_qs, u"aus|0"_qs, u"nicht_aktiv|0"_qs}));
        QCOMPARE(f.toggles, QStringList{u"1:4"_qs});
        QVERIFY(!tree.bold(1) && f.session.Translated);
        QCOMPARE(tree.color(tree.children(1).first()), NodeColor::Normal);
        QCOMPARE(f.session.ChangeCount, 0);
        f.toggles.clear();
        f.session.Translated = false;
        f.press();
        QVERIFY(f.toggles.isEmpty() && !f.session.Translated);
    }
};

QTEST_GUILESS_MAIN(TestPossibleValuesCommand)
#include "test_possible_values_command.moc"
