#include "support/tree_text.h"
#include "trace/trace_loader.h"
#include "trace/trace_tree.h"

#include <QAbstractItemModelTester>
#include <QTest>

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
        tree.setText(3, u"zz"_qs);
        QCOMPARE(tree.roots(), (QList<int>{5, 6, 1, 3}));
        tree.setSorted(false);
        QCOMPARE(tree.roots(), (QList<int>{1, 3, 5, 6}));

        tree.setSortChildren(3, true);
        tree.addChild(3, u"zuletzt"_qs, 0);
        tree.addChild(3, u"Anfang"_qs, 0);
        tree.addChild(3, u"anfang"_qs, 0);
        QList<int> walked;
        for (int c = tree.firstChild(3); c != 0; c = tree.nextSibling(c))
            walked.append(c);
        QCOMPARE(walked, (QList<int>{8, 9, 4, 7}));
        QCOMPARE(tree.children(3), walked);
        QCOMPARE(tree.nodeIndex(tree.index(3, 0, tree.modelIndex(3))), 7);
        QVERIFY(!tree.index(4, 0, tree.modelIndex(3)).isValid());
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

    // Changes inside a batch reach a view as one reset; outside it as a change of the node.
    void batchesResetOnce()
    {
        TraceTree tree;
        BuildTraceTree(tree, {u"A"_qs, u"\tv"_qs}, nullptr);
        int resets = 0;
        QList<int> changed;
        QObject::connect(&tree, &TraceTree::modelReset, [&] { ++resets; });
        QObject::connect(&tree, &TraceTree::nodeChanged, [&](int index) { changed.append(index); });
        {
            TraceTree::Batch outer(tree);
            TraceTree::Batch inner(tree);
            tree.setImage(2, NodeImage::Warning);
        }
        QCOMPARE(resets, 1);
        QVERIFY(changed.isEmpty());
        tree.setColor(2, NodeColor::Blue);
        QCOMPARE(changed, QList<int>{2});
        QCOMPARE(tree.data(tree.modelIndex(2), TraceTree::ImageRole).toInt(), NodeImage::Warning);
    }
};

QTEST_GUILESS_MAIN(TestTraceTree)
#include "test_trace_tree.moc"
