#include "support/data_table.h"
#include "support/tree_text.h"
#include "trace/trace_loader.h"
#include "trace/trace_tree.h"
#include "trace/tree_search.h"

#include <QAbstractItemModelTester>
#include <QTest>

namespace {

// Node numbers in collection order:
//  1 ABC_FUNC      2 aktiv      3 nicht_aktiv
//  4 XABC  -  Sprache (as shown translated)     5 abc_value
//  6 EMPTY_ABC     (no values)
//  7 ABCDE         8 wert
const QStringList kSearchTrace = {
    u"ABC_FUNC"_qs,      u"\taktiv"_qs,   u"\tnicht_aktiv"_qs, u"XABC"_qs,
    u"\t\tabc_value"_qs, u"EMPTY_ABC"_qs, u"ABCDE"_qs,         u"\twert"_qs,
};

QList<int> yellowNodes(const TraceTree& tree)
{
    QList<int> nodes;
    for (int i = 1; i <= tree.count(); ++i)
        if (tree.background(i) == NodeBackground::Yellow)
            nodes.append(i);
    return nodes;
}

} // namespace

class TestTraceTree : public QObject {
    Q_OBJECT
private slots:
    // Sorting changes the display order only, ignores letter case and keeps equal texts in
    // collection order; new and renamed nodes move to their sorted place.
    void sortingChangesDisplayOrderOnly()
    {
        TraceTree tree;
        QAbstractItemModelTester tester(&tree, QAbstractItemModelTester::FailureReportingMode::QtTest);
        BuildTraceTree(tree, {u"zeta"_qs, u"\t1"_qs, u"Alpha"_qs, u"\tmitte"_qs, u"beta"_qs}, nullptr);
        const QStringList collection = TreeText::texts(tree);
        tree.setSorted(true);
        QCOMPARE(tree.roots(), (QList<int>{3, 5, 1}));
        QCOMPARE(TreeText::texts(tree), collection);
        QVERIFY(tree.addRoot(u"gamma"_qs, u"gamma"_qs, 1).ok());
        QCOMPARE(tree.roots(), (QList<int>{3, 5, 6, 1}));
        const QPersistentModelIndex selected(tree.modelIndex(3)); // as a view's selection holds it
        tree.setText(3, u"zz"_qs);
        QCOMPARE(tree.roots(), (QList<int>{5, 6, 1, 3}));
        QCOMPARE(selected.row(), 3);
        tree.setSorted(false);
        QCOMPARE(tree.roots(), (QList<int>{1, 3, 5, 6}));

        tree.setSortChildren(3, true);
        QVERIFY(tree.addChild(3, u"zuletzt"_qs, 0));
        QVERIFY(tree.addChild(3, u"Anfang"_qs, 0));
        QVERIFY(tree.addChild(3, u"anfang"_qs, 0));
        QList<int> walked;
        for (int c = tree.firstChild(3); c != 0; c = tree.nextSibling(c))
            walked.append(c);
        QCOMPARE(walked, (QList<int>{8, 9, 4, 7}));
        QCOMPARE(tree.children(3), walked);
        QCOMPARE(tree.nodeIndex(tree.index(3, 0, tree.modelIndex(3))), 7);
        QVERIFY(!tree.index(4, 0, tree.modelIndex(3)).isValid());
        QList<int> changed; // outside a batch, a change reaches the views at once
        QObject::connect(&tree, &TraceTree::nodeChanged, [&](int index) { changed.append(index); });
        tree.setText(4, tree.text(4)); // the same text, and a node that does not exist: no change
        tree.setText(99, u"x"_qs);
        tree.setColor(4, NodeColor::Blue);
        QCOMPARE(changed, QList<int>{4});
        QVERIFY(tree.addRoot(u"Aaa"_qs, u"Aaa"_qs, 1).ok()); // unsorted: it goes last
        QCOMPARE(tree.roots().last(), tree.count());
    }

    // Keys are unique and exact; removing renumbers the collection and frees the keys.
    void keysAndRemoval()
    {
        TraceTree tree;
        QAbstractItemModelTester tester(&tree, QAbstractItemModelTester::FailureReportingMode::QtTest);
        BuildTraceTree(tree, {u"A"_qs, u"\ta1"_qs, u"\ta2"_qs, u"B"_qs, u"\tb1"_qs}, nullptr);
        QVERIFY(!tree.addRoot(u"A"_qs, u"other"_qs, 1).ok());
        QCOMPARE(tree.indexOfKey(u"a"_qs), 0);
        tree.removeNode(2); // a1
        QCOMPARE(TreeText::texts(tree), (QStringList{u"A"_qs, u"a2"_qs, u"B"_qs, u"b1"_qs}));
        QCOMPARE(tree.indexOfKey(u"B"_qs), 3);
        QCOMPARE(tree.parentIndex(4), 3);
        tree.removeNode(1); // A with its child
        QCOMPARE(TreeText::texts(tree), (QStringList{u"B"_qs, u"b1"_qs}));
        QCOMPARE(tree.indexOfKey(u"A"_qs), 0);
        QVERIFY(tree.addRoot(u"A"_qs, u"A"_qs, 1).ok());
        tree.clear();
        QCOMPARE(tree.count(), 0);
        QCOMPARE(tree.addRoot(u"X"_qs, u"X"_qs, 1).value(), 1);
        QVERIFY(tree.addRoot(QString(), QString(), 1).ok()); // an empty name is a key too
        tree.removeNode(2);
        QVERIFY(tree.addRoot(QString(), QString(), 1).ok());
    }

    // A step is "<mode><direction> <text>": mode s (starts with) or a (any part), direction d
    // or u; "mode" alone chooses another match mode. A result is the hit, or "miss" and the
    // FoundIndex that remains.
    void sequences_data()
    {
        addColumns<QStringList, QStringList>("steps", "results");
        QTest::newRow("down, down, not found, up")
            << QStringList{u"sd abc"_qs, u"sd abc"_qs, u"sd abc"_qs, u"su abc"_qs}
            << QStringList{u"1"_qs, u"7"_qs, u"miss 7"_qs, u"1"_qs};
        QTest::newRow("any part finds inner text, skips values and empty functions")
            << QStringList{u"ad abc"_qs, u"ad abc"_qs, u"ad abc"_qs, u"ad abc"_qs}
            << QStringList{u"1"_qs, u"4"_qs, u"7"_qs, u"miss 7"_qs};
        QTest::newRow("new text restarts from the top going down")
            << QStringList{u"sd abc"_qs, u"sd abc"_qs, u"su x"_qs} << QStringList{u"1"_qs, u"7"_qs, u"4"_qs};
        QTest::newRow("match mode change restarts")
            << QStringList{u"sd abc"_qs, u"mode"_qs, u"ad abc"_qs} << QStringList{u"1"_qs, u""_qs, u"1"_qs};
        QTest::newRow("letter case change does not restart")
            << QStringList{u"sd abc"_qs, u"sd ABC"_qs, u"sd aBc"_qs} << QStringList{u"1"_qs, u"7"_qs, u"miss 7"_qs};
        QTest::newRow("a function without values is never found")
            << QStringList{u"sd empty"_qs} << QStringList{u"miss 0"_qs};
        QTest::newRow("translated text as displayed") << QStringList{u"ad sprache"_qs} << QStringList{u"4"_qs};
    }
    void sequences()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, results);
        TraceTree tree;
        QVERIFY(BuildTraceTree(tree, kSearchTrace, nullptr).isEmpty());
        tree.setText(4, u"XABC  -  Sprache"_qs);
        TreeSearch search(tree);
        for (qsizetype i = 0; i < steps.size(); ++i) {
            if (steps[i] == u"mode") {
                search.forgetLastText();
                continue;
            }
            const QString text = steps[i].mid(3);
            const TreeSearchStep result =
                search.next(text, steps[i][0] == u'a' ? SearchMatch::AnyPart : SearchMatch::StartsWith,
                            steps[i][1] == u'u' ? SearchDirection::Up : SearchDirection::Down);
            const bool miss = results[i].startsWith(u"miss");
            const int node = results[i].mid(miss ? 5 : 0).toInt();
            QVERIFY2(result.error.isEmpty(), qPrintable(steps[i]));
            QCOMPARE(result.found, !miss);
            QCOMPARE(result.caption, miss ? u"Search - not found "_qs + text : u"Search"_qs);
            QCOMPARE(search.FoundIndex(), node);
            // A miss keeps the previous hit marked and selects it again.
            QCOMPARE(yellowNodes(tree), node ? QList<int>{node} : QList<int>{});
            QCOMPARE(result.selectNodes, (node ? QList<int>{node + 1, node} : QList<int>{}));
        }
    }
};

QTEST_GUILESS_MAIN(TestTraceTree)
#include "test_trace_tree.moc"
