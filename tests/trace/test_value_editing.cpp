#include "support/data_table.h"
#include "support/tree_text.h"
#include "trace/apply_values.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"
#include "trace/value_editing.h"

#include <QAbstractItemModelTester>
#include <QTest>

#include <optional>

using namespace ValueEditing;
using namespace ApplyValues;

namespace {

QList<TraceFunction> functions(const QStringList& lines)
{
    return ReadTraceFunctions(lines).value();
}

QString lookup(const QString& name)
{
    return name == u"aus"_qs ? u"Off"_qs : QString();
}

const QStringList kCurrent{u"F1"_qs, u"\tein"_qs, u"F2"_qs, u"\twert_1"_qs, u"\twert_2"_qs};

} // namespace

class TestValueEditing : public QObject {
    Q_OBJECT
private:
    std::optional<QAbstractItemModelTester> m_tester;
    std::optional<TraceSession> m_session;

    // Show values listed more values under F1 (nodes 5, 6) and F2 (node 7); F3 (node 8) is a
    // function whose values were not found, node 9 its red failure line.
    void showListedValues()
    {
        TraceTree& t = m_session->tree();
        QVERIFY(t.addChild(1, u"nicht_aktiv"_qs, NodeImage::None));
        QVERIFY(t.addChild(1, u"x"_qs, NodeImage::None));
        QVERIFY(t.addChild(3, u"wert_2"_qs, NodeImage::None));
        const int f3 = t.addRoot(u"F3"_qs, u"F3"_qs, NodeImage::Warning).value();
        t.setColor(t.addChild(f3, u"missing"_qs, NodeImage::Warning).value(), NodeColor::Red);
        m_session->TraceLines += {u"F3"_qs, u"\tein"_qs}; // its value line now shows the failure
        m_session->ValuesShown = true;
    }

private slots:
    // Node 1 F1, 2 its value "aktiv", 3 F2, 4 its value "wert_1".
    void init()
    {
        m_tester.reset();
        m_session.emplace();
        m_tester.emplace(&m_session->tree(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        BuildTraceTree(m_session->tree(), {u"F1"_qs, u"\taktiv"_qs, u"F2"_qs, u"\twert_1"_qs}, &m_session->TraceLines);
        m_session->showTree();
    }

    // One step per edit through the change window: "node=typed text", an empty text for Cancel.
    void changeWindow_data()
    {
        addColumns<QStringList, QString, int>("steps", "tree", "changeCount");
        QTest::newRow("A to B") << QStringList{u"2=nicht_aktiv"_qs} << u"F1*|nicht_aktiv[aktiv]|F2|wert_1"_qs << 1;
        QTest::newRow("A to B to C to A")
            << QStringList{u"2=nicht_aktiv"_qs, u"2=x"_qs, u"2=aktiv"_qs} << u"F1|aktiv|F2|wert_1"_qs << 0;
        QTest::newRow("cancel") << QStringList{u"2="_qs} << u"F1|aktiv|F2|wert_1"_qs << 0;
        QTest::newRow("unchanged") << QStringList{u"2=aktiv"_qs} << u"F1|aktiv|F2|wert_1"_qs << 0;
    }
    void changeWindow()
    {
        QFETCH(QStringList, steps);
        for (const QString& step : steps) {
            const ValueChange change = BeginValueChange(m_session->tree(), step.section(u'=', 0, 0).toInt());
            QCOMPARE(change.quickChange, change.oldValue.contains(u"aktiv"));
            QVERIFY(FinishValueChange(*m_session, change, step.section(u'=', 1), {}).ok());
        }
        QTEST(TreeText::marks(m_session->tree()), "tree");
        QTEST(m_session->ChangeCount, "changeCount");
        QCOMPARE(quickChanged(u"aktiv"_qs), u"nicht_aktiv"_qs);
        QCOMPARE(quickChanged(u"nicht_aktiv"_qs), u"aktiv"_qs);
    }

    // Node 3 here is a function without values; "up" clicks come without a mouse button.
    void clicksThatEdit_data()
    {
        addColumns<int, QString, int>("node", "state", "action");
        QTest::newRow("value") << 2 << QString() << int(ClickAction::ChangeWindow);
        QTest::newRow("value after Show values") << 2 << u"shown"_qs << int(ClickAction::ChooseListed);
        QTest::newRow("red failure line") << 2 << u"shown red"_qs << int(ClickAction::None);
        QTest::newRow("no mouse button") << 2 << u"up"_qs << int(ClickAction::None);
        QTest::newRow("function with values") << 1 << QString() << int(ClickAction::None);
        QTest::newRow("function without values") << 3 << u"shown"_qs << int(ClickAction::None);
    }
    void clicksThatEdit()
    {
        QFETCH(int, node);
        QFETCH(QString, state);
        m_session->tree().removeNode(4);
        m_session->ValuesShown = state.contains(u"shown");
        if (state.contains(u"red"))
            m_session->tree().setColor(node, NodeColor::Red);
        QTEST(int(actionForClick(*m_session, node, state != u"up")), "action");
    }

    // Clicks in the listed values, then a wanted value applied as if it were clicked.
    void listedValues_data()
    {
        addColumns<QList<int>, QString, QStringList, QString, int>("clicks", "wanted", "report", "tree", "changeCount");
        const QString unchanged = u"F1|aktiv|F2|wert_1|nicht_aktiv#0|x#0|wert_2#0|F3#3|missing#3"_qs;
        const QString aToB = u"F1*|aktiv#0~|F2|wert_1|nicht_aktiv|x#0|wert_2#0|F3#3|missing#3"_qs;
        const QString notFound = u"not applied: F3 (its values were not found in the module data)"_qs;
        const QList<int> none;
        QTest::newRow("A to B") << QList<int>{5} << QString() << QStringList() << aToB << 1;
        QTest::newRow("A to B to C to A") << QList<int>{5, 6, 2} << QString() << QStringList() << unchanged << 0;
        QTest::newRow("two functions, one back")
            << QList<int>{6, 7, 4} << QString() << QStringList()
            << u"F1*|aktiv#0~|F2|wert_1|nicht_aktiv#0|x|wert_2#0|F3#3|missing#3"_qs << 1;
        QTest::newRow("failure line") << QList<int>{9} << QString() << QStringList() << unchanged << 0;
        QTest::newRow("listed value applied")
            << none << u"nicht_aktiv"_qs
            << QStringList{u"F1: aktiv --> nicht_aktiv"_qs, notFound, u"1 value changed"_qs} << aToB << 1;
        QTest::newRow("unlisted value applied")
            << none << u"an"_qs
            << QStringList{u"F1: aktiv --> an"_qs, u"warning: F1: an is not among the possible values"_qs, notFound,
                           u"1 value changed"_qs}
            << u"F1*|aktiv#0~|F2|wert_1|nicht_aktiv#0|x#0|wert_2#0|F3#3|missing#3|an"_qs << 1;
        QTest::newRow("loaded value applied")
            << none << u"aktiv"_qs << QStringList{notFound, u"0 values changed"_qs} << unchanged << 0;
    }
    void listedValues()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, wanted);
        showListedValues();
        for (int node : clicks)
            ChooseListedValue(*m_session, node);
        const QStringList lines{u"F1"_qs, u"\t"_qs + wanted, u"F2"_qs, u"\twert_1"_qs, u"F3"_qs, u"\ty"_qs};
        // The preview reports what the apply does, and changes nothing itself.
        const QString before = TreeText::marks(m_session->tree());
        QTEST(wanted.isEmpty() ? QStringList() : PreviewTraceValues(*m_session, functions(lines)).report(), "report");
        QCOMPARE(TreeText::marks(m_session->tree()), before);
        QTEST(wanted.isEmpty() ? QStringList() : ApplyTraceValues(*m_session, functions(lines), {}).report(), "report");
        QCOMPARE(m_session->tree().color(9), NodeColor::Red); // the failure line keeps its colour
        QTEST(TreeText::marks(m_session->tree()), "tree");
        QTEST(m_session->ChangeCount, "changeCount");
    }

    // Normal view. byHand: "node=value" changes typed in before the apply; with the
    // translation on every node shows "  -  t" and "aus" translates as "Off".
    void typed_data()
    {
        addColumns<QStringList, QStringList, bool, QStringList, QString, int>("wanted", "byHand", "translated",
                                                                              "report", "tree", "changeCount");
        const QStringList none;
        QTest::newRow("changes, tabs inside a value ignored")
            << QStringList{u"F2"_qs, u"\twert_1"_qs, u"\t\twert_9\t"_qs, u"F1"_qs, u"\taus"_qs} << none << false
            << QStringList{u"F1: ein --> aus"_qs, u"F2: wert_2 --> wert_9"_qs, u"2 values changed"_qs}
            << u"F1*|aus[ein]|F2*|wert_1|wert_9[wert_2]"_qs << 2;
        QTest::newRow("back to the loaded value undoes a change by hand")
            << kCurrent << QStringList{u"2=aus"_qs} << false
            << QStringList{u"F1: aus --> ein"_qs, u"1 value changed"_qs} << u"F1|ein|F2|wert_1|wert_2"_qs << 0;
        QTest::newRow("translation on") << QStringList{u"F1"_qs, u"\taus"_qs, u"F2"_qs, u"\twert_1"_qs, u"\twert_3"_qs}
                                        << none << true
                                        << QStringList{u"F1: ein --> aus"_qs, u"F2: wert_2 --> wert_3"_qs,
                                                       u"2 values changed"_qs}
                                        << u"F1  -  t*|aus  -  off[ein]|F2  -  t*|wert_1  -  t|wert_3[wert_2]"_qs << 2;
        QTest::newRow("different value counts, empty value")
            << QStringList{u"F1"_qs, u"\t"_qs, u"F2"_qs, u"\twert_3"_qs} << none << false
            << QStringList{u"not applied: F1 (empty value in the wanted trace)"_qs,
                           u"not applied: F2 (2 value lines, 1 in the wanted trace)"_qs, u"0 values changed"_qs}
            << u"F1|ein|F2|wert_1|wert_2"_qs << 0;
    }
    void typed()
    {
        QFETCH(QStringList, wanted);
        QFETCH(QStringList, byHand);
        QFETCH(bool, translated);
        TraceSession session;
        QAbstractItemModelTester tester(&session.tree(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        BuildTraceTree(session.tree(), kCurrent, &session.TraceLines);
        for (const QString& step : byHand) {
            const auto change = BeginValueChange(session.tree(), step.section(u'=', 0, 0).toInt());
            QVERIFY(FinishValueChange(session, change, step.section(u'=', 1), {}).ok());
        }
        for (int node = 1; translated && node <= session.tree().count(); ++node)
            session.tree().setText(node, session.tree().text(node) + u"  -  t"_qs);
        session.Translated = translated;
        const Outcome outcome = ApplyTraceValues(session, functions(wanted), lookup);
        QTEST(outcome.report(), "report");
        QTEST(TreeText::marks(session.tree()), "tree");
        QTEST(session.ChangeCount, "changeCount");
        QCOMPARE(outcome.complete(), !outcome.report().first().startsWith(u"not applied"_qs));
    }
};

QTEST_GUILESS_MAIN(TestValueEditing)
#include "test_value_editing.moc"
