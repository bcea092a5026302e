#include "coding/translation_table.h"
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

// One edit through the change window: "node=typed text", an empty text for Cancel.
void edit(TraceSession& session, const QString& step, const TranslationLookup& lookup = {})
{
    const qsizetype eq = step.indexOf(u'=');
    const ValueChange change = BeginValueChange(session.tree(), step.left(eq).toInt());
    QCOMPARE(session.tree().color(change.node), NodeColor::Blue);
    QVERIFY(FinishValueChange(session, change, step.mid(eq + 1), lookup).ok());
}

} // namespace

class TestValueEditing : public QObject {
    Q_OBJECT
private slots:
    void changeWindowBookkeeping_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("tree");
        QTest::addColumn<int>("changeCount");
        QTest::newRow("A to B") << QStringList{u"2=nicht_aktiv"_qs} << u"F1*|nicht_aktiv[aktiv]|F2|wert_1"_qs << 1;
        QTest::newRow("A to B to A") << QStringList{u"2=nicht_aktiv"_qs, u"2=aktiv"_qs} << u"F1|aktiv|F2|wert_1"_qs
                                     << 0;
        QTest::newRow("A to B to C") << QStringList{u"2=nicht_aktiv"_qs, u"2=x"_qs} << u"F1*|x[aktiv]|F2|wert_1"_qs
                                     << 1;
        QTest::newRow("A to B to C to A")
            << QStringList{u"2=nicht_aktiv"_qs, u"2=x"_qs, u"2=aktiv"_qs} << u"F1|aktiv|F2|wert_1"_qs << 0;
        QTest::newRow("A to B to B") << QStringList{u"2=x"_qs, u"2=x"_qs} << u"F1*|x[aktiv]|F2|wert_1"_qs << 1;
        QTest::newRow("cancel") << QStringList{u"2="_qs} << u"F1|aktiv|F2|wert_1"_qs << 0;
        QTest::newRow("cancel after a change")
            << QStringList{u"2=x"_qs, u"2="_qs} << u"F1*|x[aktiv]|F2|wert_1"_qs << 1;
        QTest::newRow("unchanged") << QStringList{u"2=aktiv"_qs} << u"F1|aktiv|F2|wert_1"_qs << 0;
        QTest::newRow("letter case is a change") << QStringList{u"2=Aktiv"_qs} << u"F1*|Aktiv[aktiv]|F2|wert_1"_qs
                                                 << 1;
        QTest::newRow("blanks are kept") << QStringList{u"2= aktiv "_qs} << u"F1*| aktiv [aktiv]|F2|wert_1"_qs << 1;
        QTest::newRow("two functions")
            << QStringList{u"2=x"_qs, u"4=wert_2"_qs} << u"F1*|x[aktiv]|F2*|wert_2[wert_1]"_qs << 2;
        QTest::newRow("two functions, one back")
            << QStringList{u"2=x"_qs, u"4=wert_2"_qs, u"2=aktiv"_qs} << u"F1|aktiv|F2*|wert_2[wert_1]"_qs << 1;
    }

    void changeWindowBookkeeping()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, tree);
        QFETCH(int, changeCount);
        TraceSession session;
        QAbstractItemModelTester tester(&session.tree(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        loadTwoFunctions(session);
        for (const QString& step : steps)
            edit(session, step);
        QCOMPARE(snapshot(session.tree()), tree);
        QCOMPARE(session.ChangeCount, changeCount);
    }

    void changeWindowStartsFromThePlainNames_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("plainFunction");
        QTest::addColumn<QString>("plainValue");
        QTest::addColumn<bool>("quickChange");
        QTest::newRow("aktiv") << u"F"_qs << u"aktiv"_qs << u"F"_qs << u"aktiv"_qs << true;
        QTest::newRow("nicht_aktiv") << u"F"_qs << u"nicht_aktiv"_qs << u"F"_qs << u"nicht_aktiv"_qs << true;
        QTest::newRow("other case") << u"F"_qs << u"Aktiv"_qs << u"F"_qs << u"Aktiv"_qs << false;
        QTest::newRow("other value") << u"F"_qs << u"wert_01"_qs << u"F"_qs << u"wert_01"_qs << false;
        QTest::newRow("translated") << u"TAGFAHRLICHT  -  DAYLIGHT"_qs << u"aktiv  -  on"_qs << u"TAGFAHRLICHT"_qs
                                    << u"aktiv"_qs << true;
        QTest::newRow("first separator counts")
            << u"F  -  A  -  B"_qs << u"v  -  w  -  x"_qs << u"F"_qs << u"v"_qs << false;
    }

    void changeWindowStartsFromThePlainNames()
    {
        QFETCH(QString, function);
        QFETCH(QString, value);
        QFETCH(QString, plainFunction);
        QFETCH(QString, plainValue);
        QFETCH(bool, quickChange);
        TraceTree tree;
        const int f = tree.addRoot(u"F"_qs, function, NodeImage::Chosen).value();
        const int v = tree.addChild(f, value, NodeImage::Chosen).value();
        const ValueChange change = BeginValueChange(tree, v);
        QCOMPARE(change.function, plainFunction);
        QCOMPARE(change.oldValue, plainValue);
        QCOMPARE(change.quickChange, quickChange);
        QCOMPARE(tree.color(v), NodeColor::Blue);
    }

    void changedValueShowsItsTranslation_data()
    {
        QTest::addColumn<bool>("translated");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("tree");
        QTest::newRow("translation off") << false << QStringList{u"2=nicht_aktiv"_qs}
                                         << u"F1*|nicht_aktiv[aktiv]|F2|wert_1"_qs;
        QTest::newRow("entry in other case") << true << QStringList{u"2=nicht_aktiv"_qs}
                                             << u"F1*|nicht_aktiv  -  not active[aktiv]|F2|wert_1"_qs;
        QTest::newRow("no entry") << true << QStringList{u"2=wert_9"_qs} << u"F1*|wert_9[aktiv]|F2|wert_1"_qs;
        QTest::newRow("back to a translated value")
            << true << QStringList{u"2=nicht_aktiv"_qs, u"2=aktiv"_qs} << u"F1|aktiv  -  active|F2|wert_1"_qs;
    }

    void changedValueShowsItsTranslation()
    {
        QFETCH(bool, translated);
        QFETCH(QStringList, steps);
        QFETCH(QString, tree);
        TranslationTable table;
        table.addLines({u"NICHT_AKTIV,Not Active"_qs, u"aktiv,ACTIVE"_qs});
        TraceSession session;
        loadTwoFunctions(session);
        session.Translated = translated;
        for (const QString& step : steps)
            edit(session, step, [&table](const QString& name) { return table.lookup(name); });
        QCOMPARE(snapshot(session.tree()), tree);
    }

    void clicksThatEdit_data()
    {
        QTest::addColumn<int>("node");
        QTest::addColumn<bool>("valuesShown");
        QTest::addColumn<bool>("mouseDown");
        QTest::addColumn<bool>("red");
        QTest::addColumn<int>("action");
        const int none = int(ClickAction::None);
        // Nodes: 1 F1 with 2 its value, 3 a function without values, 4 no node.
        QTest::newRow("value") << 2 << false << true << false << int(ClickAction::ChangeWindow);
        QTest::newRow("value after Show values") << 2 << true << true << false << int(ClickAction::ChooseListed);
        QTest::newRow("keyboard move") << 2 << false << false << false << none;
        QTest::newRow("keyboard move after Show values") << 2 << true << false << false << none;
        QTest::newRow("red failure line") << 2 << true << true << true << none;
        QTest::newRow("red line, normal view") << 2 << false << true << true << none;
        QTest::newRow("function with values") << 1 << false << true << false << none;
        QTest::newRow("function without values") << 3 << false << true << false << none;
        QTest::newRow("function without values, listed") << 3 << true << true << false << none;
        QTest::newRow("no such node") << 4 << false << true << false << none;
    }

    void clicksThatEdit()
    {
        QFETCH(int, node);
        QFETCH(bool, valuesShown);
        QFETCH(bool, mouseDown);
        QFETCH(bool, red);
        QFETCH(int, action);
        TraceSession session;
        BuildTraceTree(session.tree(), {u"F1"_qs, u"\taktiv"_qs, u"F3"_qs}, nullptr);
        session.ValuesShown = valuesShown;
        if (red)
            session.tree().setColor(node, NodeColor::Red);
        QCOMPARE(int(actionForClick(session, node, mouseDown)), action);
    }

    // Show values listed more values under F1 (nodes 5, 6) and F2 (node 7); F3 (node 8) is a
    // function whose values were not found, node 9 its red failure line.
    void listedValues_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("tree");
        QTest::addColumn<int>("changeCount");
        const QString unchanged = u"F1|aktiv|F2|wert_1|nicht_aktiv#0|x#0|wert_2#0|F3#3|missing#3"_qs;
        QTest::newRow("none") << QList<int>{} << unchanged << 0;
        QTest::newRow("A to B") << QList<int>{5} << u"F1*|aktiv#0~|F2|wert_1|nicht_aktiv|x#0|wert_2#0|F3#3|missing#3"_qs
                                << 1;
        QTest::newRow("A to B to C") << QList<int>{5, 6}
                                     << u"F1*|aktiv#0~|F2|wert_1|nicht_aktiv#0|x|wert_2#0|F3#3|missing#3"_qs << 1;
        QTest::newRow("A to B to A") << QList<int>{5, 2} << unchanged << 0;
        QTest::newRow("A to B to C to A") << QList<int>{5, 6, 2} << unchanged << 0;
        QTest::newRow("chosen value again") << QList<int>{2} << unchanged << 0;
        QTest::newRow("B twice") << QList<int>{5, 5}
                                 << u"F1*|aktiv#0~|F2|wert_1|nicht_aktiv|x#0|wert_2#0|F3#3|missing#3"_qs << 1;
        QTest::newRow("two functions") << QList<int>{6, 7}
                                       << u"F1*|aktiv#0~|F2*|wert_1#0~|nicht_aktiv#0|x|wert_2|F3#3|missing#3"_qs << 2;
        QTest::newRow("two functions, one back")
            << QList<int>{6, 7, 4} << u"F1*|aktiv#0~|F2|wert_1|nicht_aktiv#0|x|wert_2#0|F3#3|missing#3"_qs << 1;
        QTest::newRow("failure line") << QList<int>{9} << unchanged << 0;
    }

    void listedValues()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, tree);
        QFETCH(int, changeCount);
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
        QCOMPARE(snapshot(t), tree);
        QCOMPARE(session.ChangeCount, changeCount);
    }

    void goneNodeIsReported()
    {
        TraceSession session;
        loadTwoFunctions(session);
        const ValueChange change = BeginValueChange(session.tree(), 4);
        session.tree().clear();
        const Status finished = FinishValueChange(session, change, u"x"_qs, {});
        QVERIFY(!finished.ok());
        QCOMPARE(session.ChangeCount, 0);
    }
};

QTEST_GUILESS_MAIN(TestValueEditing)
#include "test_value_editing.moc"
