#include "trace/trace_loader.h"
#include "trace/trace_tree.h"
#include "trace/tree_search.h"

#include <QTest>

namespace {

// Node numbers in collection order:
//  1 ABC_FUNC      2 aktiv      3 nicht_aktiv
//  4 XABC          5 abc_value
//  6 EMPTY_ABC     (no values)
//  7 ABCDE         8 wert
const QStringList kTrace = {
    u"ABC_FUNC"_qs, u"\taktiv"_qs, u"\tnicht_aktiv"_qs, u"XABC"_qs, u"\t\tabc_value"_qs,
    u"EMPTY_ABC"_qs, u"ABCDE"_qs, u"\twert"_qs,
};

// One step of a script: "<mode><direction> <text>" with mode s (starts with) or a (any
// part) and direction d or u; "mode" alone stands for choosing another match mode.
struct Step {
    SearchMatch match = SearchMatch::StartsWith;
    SearchDirection direction = SearchDirection::Down;
    QString text;
    bool modeChange = false;
};

Step parseStep(const QString& step)
{
    if (step == u"mode")
        return {SearchMatch::StartsWith, SearchDirection::Down, {}, true};
    return {step[0] == u'a' ? SearchMatch::AnyPart : SearchMatch::StartsWith,
            step[1] == u'u' ? SearchDirection::Up : SearchDirection::Down, step.mid(3), false};
}

QList<int> yellowNodes(const TraceTree& tree)
{
    QList<int> nodes;
    for (int i = 1; i <= tree.count(); ++i)
        if (tree.background(i) == NodeBackground::Yellow)
            nodes.append(i);
    return nodes;
}

void buildTree(TraceTree& tree)
{
    QVERIFY(BuildTraceTree(tree, kTrace, nullptr).isEmpty());
    QCOMPARE(tree.count(), 8);
}

} // namespace

class TestTreeSearch : public QObject {
    Q_OBJECT
private slots:
    void sequences_data()
    {
        QTest::addColumn<QStringList>("steps");
        // Per step: the hit, or "miss" and the FoundIndex that remains.
        QTest::addColumn<QStringList>("results");

        QTest::newRow("down, down, not found, up")
            << QStringList{u"sd abc"_qs, u"sd abc"_qs, u"sd abc"_qs, u"su abc"_qs}
            << QStringList{u"1"_qs, u"7"_qs, u"miss 7"_qs, u"1"_qs};
        QTest::newRow("any part finds inner text, skips values and empty functions")
            << QStringList{u"ad abc"_qs, u"ad abc"_qs, u"ad abc"_qs, u"ad abc"_qs}
            << QStringList{u"1"_qs, u"4"_qs, u"7"_qs, u"miss 7"_qs};
        QTest::newRow("starts with does not find inner text")
            << QStringList{u"sd xab"_qs, u"sd bc"_qs} << QStringList{u"4"_qs, u"miss 0"_qs};
        QTest::newRow("new text restarts from the top going down")
            << QStringList{u"sd abc"_qs, u"sd abc"_qs, u"su x"_qs} << QStringList{u"1"_qs, u"7"_qs, u"4"_qs};
        QTest::newRow("new text after a hit, nothing found")
            << QStringList{u"sd abc"_qs, u"sd zzz"_qs} << QStringList{u"1"_qs, u"miss 0"_qs};
        QTest::newRow("match mode change restarts")
            << QStringList{u"sd abc"_qs, u"mode"_qs, u"ad abc"_qs} << QStringList{u"1"_qs, u""_qs, u"1"_qs};
        QTest::newRow("without a mode change any part goes on")
            << QStringList{u"sd abc"_qs, u"ad abc"_qs} << QStringList{u"1"_qs, u"4"_qs};
        QTest::newRow("letter case change does not restart")
            << QStringList{u"sd abc"_qs, u"sd ABC"_qs, u"sd aBc"_qs} << QStringList{u"1"_qs, u"7"_qs, u"miss 7"_qs};
        QTest::newRow("up on a new search still goes down")
            << QStringList{u"su abcde"_qs} << QStringList{u"7"_qs};
        QTest::newRow("up above the first hit finds nothing")
            << QStringList{u"sd abc"_qs, u"su abc"_qs} << QStringList{u"1"_qs, u"miss 1"_qs};
        QTest::newRow("value nodes are never found")
            << QStringList{u"sd aktiv"_qs, u"ad wert"_qs} << QStringList{u"miss 0"_qs, u"miss 0"_qs};
        QTest::newRow("a function without values is never found")
            << QStringList{u"sd empty"_qs} << QStringList{u"miss 0"_qs};
        QTest::newRow("search text longer than the node text")
            << QStringList{u"sd abcdefgh"_qs} << QStringList{u"miss 0"_qs};
    }

    void sequences()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, results);
        TraceTree tree;
        buildTree(tree);
        TreeSearch search(tree);
        for (qsizetype i = 0; i < steps.size(); ++i) {
            const Step step = parseStep(steps[i]);
            if (step.modeChange) {
                search.forgetLastText();
                continue;
            }
            const TreeSearchStep result = search.next(step.text, step.match, step.direction);
            const QString context = QStringLiteral("step %1").arg(i + 1);
            QVERIFY2(result.error.isEmpty(), qPrintable(context));
            if (results[i].startsWith(u"miss")) {
                const int kept = results[i].mid(5).toInt();
                QVERIFY2(!result.found, qPrintable(context));
                QCOMPARE(result.caption, u"Search - not found "_qs + step.text);
                QCOMPARE(search.FoundIndex(), kept);
                // The previous hit stays marked and is selected again.
                QCOMPARE(yellowNodes(tree), kept ? QList<int>{kept} : QList<int>{});
                QCOMPARE(result.selectNodes, (kept ? QList<int>{kept + 1, kept} : QList<int>{}));
            } else {
                const int hit = results[i].toInt();
                QVERIFY2(result.found, qPrintable(context));
                QCOMPARE(result.caption, u"Search"_qs);
                QCOMPARE(search.FoundIndex(), hit);
                QCOMPARE(search.lastText(), step.text);
                QCOMPARE(yellowNodes(tree), QList<int>{hit});
                QCOMPARE(result.selectNodes, (QList<int>{hit + 1, hit}));
            }
        }
    }

    void translatedTextIsSearchedAsDisplayed()
    {
        TraceTree tree;
        buildTree(tree);
        tree.setText(4, u"XABC  -  Sprache"_qs);
        TreeSearch search(tree);
        const TreeSearchStep step = search.next(u"sprache"_qs, SearchMatch::AnyPart, SearchDirection::Down);
        QVERIFY(step.found);
        QCOMPARE(search.FoundIndex(), 4);
    }

    void sortingDoesNotChangeTheOrder()
    {
        TraceTree tree;
        buildTree(tree);
        tree.setSorted(true);
        TreeSearch search(tree);
        // Collection order, not display order: XABC (4) comes before ABCDE (7).
        QCOMPARE(search.next(u"abc"_qs, SearchMatch::AnyPart, SearchDirection::Down).found, true);
        QCOMPARE(search.next(u"abc"_qs, SearchMatch::AnyPart, SearchDirection::Down).found, true);
        QCOMPARE(search.FoundIndex(), 4);
    }

    void clearMarkRestoresTheBackground()
    {
        TraceTree tree;
        buildTree(tree);
        TreeSearch search(tree);
        search.next(u"abcde"_qs, SearchMatch::StartsWith, SearchDirection::Down);
        QCOMPARE(yellowNodes(tree), QList<int>{7});
        search.clearMark();
        QVERIFY(yellowNodes(tree).isEmpty());
    }

    void reloadedTreeStopsTheStep_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("caption");
        // A new text gives the old hit its background back first: that node is gone.
        QTest::newRow("new search") << u"b"_qs << int(SearchDirection::Down) << QString();
        // The same text going down has nothing left to visit and reselects the old hit.
        QTest::newRow("not found") << u"abcde"_qs << int(SearchDirection::Down)
                                   << u"Search - not found abcde"_qs;
    }

    void reloadedTreeStopsTheStep()
    {
        QFETCH(QString, text);
        QFETCH(int, direction);
        QFETCH(QString, caption);
        TraceTree tree;
        buildTree(tree);
        TreeSearch search(tree);
        QVERIFY(search.next(u"abcde"_qs, SearchMatch::StartsWith, SearchDirection::Down).found);
        tree.clear();
        QVERIFY(BuildTraceTree(tree, {u"B"_qs, u"\tx"_qs}, nullptr).isEmpty());
        const TreeSearchStep step = search.next(text, SearchMatch::StartsWith, SearchDirection(direction));
        QVERIFY(!step.error.isEmpty());
        QVERIFY(!step.found);
        QCOMPARE(step.caption, caption);
        QVERIFY(step.selectNodes.isEmpty());
        QCOMPARE(search.FoundIndex(), 7);
    }
};

QTEST_GUILESS_MAIN(TestTreeSearch)
#include "test_tree_search.moc"
