#include "trace/trace_loader.h"
#include "trace/trace_session.h"
#include "trace/value_editing.h"

#include <QAbstractItemModelTester>
#include <QTest>

using namespace ValueEditing;

namespace {

// Every node in collection order: text, "*" when bold, "#image" for images other than
// the chosen mark, "~" when blue, "[tag]" when tagged.
QString snapshot(const TraceTree& tree)
{
    QStringList nodes;
    for (int i = 1; i <= tree.count(); ++i) {
        QString node = tree.text(i);
        if (tree.bold(i))
            node += u'*';
        if (tree.image(i) != NodeImage::Chosen)
            node += u'#' + QString::number(tree.image(i));
        if (tree.color(i) == NodeColor::Blue)
            node += u'~';
        if (!tree.tag(i).isEmpty())
            node += u'[' + tree.tag(i) + u']';
        nodes.append(node);
    }
    return nodes.join(u'|');
}

// Node 1 F1, 2 its value "aktiv", 3 F2, 4 its value "wert_1".
void loadTwoFunctions(TraceSession& session)
{
    BuildTraceTree(session.tree(), {u"F1"_qs, u"\taktiv"_qs, u"F2"_qs, u"\twert_1"_qs}, &session.TraceLines);
    session.showTree();
}

} // namespace

class TestValueEditing : public QObject {
    Q_OBJECT
private slots:
    // One step per edit through the change window: "node=typed text", an empty text for Cancel.
    void changeWindow_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("tree");
        QTest::addColumn<int>("changeCount");
        QTest::newRow("A to B") << QStringList{u"2=nicht_aktiv"_qs} << u"F1*|nicht_aktiv[aktiv]|F2|wert_1"_qs << 1;
        QTest::newRow("A to B to C to A")
            << QStringList{u"2=nicht_aktiv"_qs, u"2=x"_qs, u"2=aktiv"_qs} << u"F1|aktiv|F2|wert_1"_qs << 0;
        QTest::newRow("cancel") << QStringList{u"2="_qs} << u"F1|aktiv|F2|wert_1"_qs << 0;
        QTest::newRow("cancel after a change") << QStringList{u"2=x"_qs, u"2="_qs} << u"F1*|x[aktiv]|F2|wert_1"_qs << 1;
        QTest::newRow("unchanged") << QStringList{u"2=aktiv"_qs} << u"F1|aktiv|F2|wert_1"_qs << 0;
        QTest::newRow("two functions, one back")
            << QStringList{u"2=x"_qs, u"4=wert_2"_qs, u"2=aktiv"_qs} << u"F1|aktiv|F2*|wert_2[wert_1]"_qs << 1;
    }
    void changeWindow()
    {
        QFETCH(QStringList, steps);
        TraceSession session;
        QAbstractItemModelTester tester(&session.tree(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        loadTwoFunctions(session);
        for (const QString& step : steps) {
            const ValueChange change = BeginValueChange(session.tree(), step.section(u'=', 0, 0).toInt());
            QVERIFY(FinishValueChange(session, change, step.section(u'=', 1), {}).ok());
        }
        QTEST(snapshot(session.tree()), "tree");
        QTEST(session.ChangeCount, "changeCount");
    }

    // Nodes: 1 F1 with 2 its value, 3 a function without values.
    void clicksThatEdit_data()
    {
        QTest::addColumn<int>("node");
        QTest::addColumn<bool>("valuesShown");
        QTest::addColumn<bool>("red");
        QTest::addColumn<int>("action");
        const int none = int(ClickAction::None);
        QTest::newRow("value") << 2 << false << false << int(ClickAction::ChangeWindow);
        QTest::newRow("value after Show values") << 2 << true << false << int(ClickAction::ChooseListed);
        QTest::newRow("red failure line") << 2 << true << true << none;
        QTest::newRow("function with values") << 1 << false << false << none;
        QTest::newRow("function without values, listed") << 3 << true << false << none;
    }
    void clicksThatEdit()
    {
        QFETCH(int, node);
        QFETCH(bool, red);
        TraceSession session;
        BuildTraceTree(session.tree(), {u"F1"_qs, u"\taktiv"_qs, u"F3"_qs}, nullptr);
        QFETCH(bool, valuesShown);
        session.ValuesShown = valuesShown;
        if (red)
            session.tree().setColor(node, NodeColor::Red);
        QTEST(int(actionForClick(session, node, true)), "action");
    }

    // Show values listed more values under F1 (nodes 5, 6) and F2 (node 7); F3 (node 8) is a
    // function whose values were not found, node 9 its red failure line.
    void listedValues_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("tree");
        QTest::addColumn<int>("changeCount");
        const QString unchanged = u"F1|aktiv|F2|wert_1|nicht_aktiv#0|x#0|wert_2#0|F3#3|missing#3"_qs;
        QTest::newRow("A to B") << QList<int>{5} << u"F1*|aktiv#0~|F2|wert_1|nicht_aktiv|x#0|wert_2#0|F3#3|missing#3"_qs
                                << 1;
        QTest::newRow("A to B to C to A") << QList<int>{5, 6, 2} << unchanged << 0;
        QTest::newRow("two functions, one back")
            << QList<int>{6, 7, 4} << u"F1*|aktiv#0~|F2|wert_1|nicht_aktiv#0|x|wert_2#0|F3#3|missing#3"_qs << 1;
        QTest::newRow("failure line") << QList<int>{9} << unchanged << 0;
    }
    void listedValues()
    {
        QFETCH(QList<int>, clicks);
        TraceSession session;
        QAbstractItemModelTester tester(&session.tree(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        loadTwoFunctions(session);
        TraceTree& t = session.tree();
        t.addChild(1, u"nicht_aktiv"_qs, NodeImage::None);
        t.addChild(1, u"x"_qs, NodeImage::None);
        t.addChild(3, u"wert_2"_qs, NodeImage::None);
        const int f3 = t.addRoot(u"F3"_qs, u"F3"_qs, NodeImage::Warning).value();
        t.setColor(t.addChild(f3, u"missing"_qs, NodeImage::Warning).value(), NodeColor::Red);
        session.ValuesShown = true;
        for (int node : clicks)
            ChooseListedValue(session, node);
        // The red line keeps its colour; the snapshot shows the rest.
        QCOMPARE(t.color(t.count()), NodeColor::Red);
        t.setColor(t.count(), NodeColor::Normal);
        QTEST(snapshot(t), "tree");
        QTEST(session.ChangeCount, "changeCount");
    }
};

QTEST_GUILESS_MAIN(TestValueEditing)
#include "test_value_editing.moc"
