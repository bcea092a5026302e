#include "trace/trace_loader.h"
#include "trace/trace_tree.h"

#include <QAbstractItemModelTester>
#include <QTest>

namespace {

QStringList displayTexts(const TraceTree& tree)
{
    QStringList texts;
    for (int root : tree.roots()) {
        texts.append(tree.text(root));
        for (int child : tree.children(root))
            texts.append(u"  "_qs + tree.text(child));
    }
    return texts;
}

QStringList collectionTexts(const TraceTree& tree)
{
    QStringList texts;
    for (int i = 1; i <= tree.count(); ++i)
        texts.append(tree.text(i));
    return texts;
}

} // namespace

class TestTraceTree : public QObject {
    Q_OBJECT
private slots:
    void keysAreUnique()
    {
        TraceTree tree;
        QVERIFY(tree.addRoot(u"A"_qs, u"A"_qs, 1).ok());
        QVERIFY(!tree.addRoot(u"A"_qs, u"other"_qs, 1).ok());
        QCOMPARE(tree.count(), 1);
        QCOMPARE(tree.indexOfKey(u"A"_qs), 1);
        QCOMPARE(tree.indexOfKey(u"a"_qs), 0);
    }

    void sortingChangesDisplayOrderOnly()
    {
        TraceTree tree;
        QAbstractItemModelTester tester(&tree, QAbstractItemModelTester::FailureReportingMode::QtTest);
        BuildTraceTree(tree, {u"zeta"_qs, u"\t1"_qs, u"Alpha"_qs, u"\t2"_qs, u"beta"_qs}, nullptr);
        const QStringList collection = collectionTexts(tree);

        tree.setSorted(true);
        QCOMPARE(displayTexts(tree), (QStringList{u"Alpha"_qs, u"  2"_qs, u"beta"_qs, u"zeta"_qs, u"  1"_qs}));
        QCOMPARE(collectionTexts(tree), collection);

        // A new root goes to its sorted place; a renamed one moves.
        QVERIFY(tree.addRoot(u"gamma"_qs, u"gamma"_qs, 1).ok());
        QCOMPARE(tree.roots(), (QList<int>{3, 5, 6, 1}));
        tree.setText(3, u"zz"_qs);
        QCOMPARE(tree.roots(), (QList<int>{5, 6, 1, 3}));

        tree.setSorted(false);
        QCOMPARE(tree.roots(), (QList<int>{1, 3, 5, 6}));
    }

    void sortedChildrenAndSiblingWalk()
    {
        TraceTree tree;
        QAbstractItemModelTester tester(&tree, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const int f = tree.addRoot(u"F"_qs, u"F"_qs, 1).value();
        tree.addChild(f, u"mitte"_qs, 1);
        tree.setSortChildren(f, true);
        tree.addChild(f, u"zuletzt"_qs, 0);
        tree.addChild(f, u"Anfang"_qs, 0);
        QList<int> walked;
        for (int c = tree.firstChild(f); c != 0; c = tree.nextSibling(c))
            walked.append(c);
        QCOMPARE(walked, (QList<int>{4, 2, 3}));
        QCOMPARE(tree.children(f), walked);
    }

    void removingRenumbersTheCollection()
    {
        TraceTree tree;
        QAbstractItemModelTester tester(&tree, QAbstractItemModelTester::FailureReportingMode::QtTest);
        BuildTraceTree(tree, {u"A"_qs, u"\ta1"_qs, u"\ta2"_qs, u"B"_qs, u"\tb1"_qs}, nullptr);
        tree.removeNode(2); // a1
        QCOMPARE(collectionTexts(tree), (QStringList{u"A"_qs, u"a2"_qs, u"B"_qs, u"b1"_qs}));
        QCOMPARE(tree.indexOfKey(u"B"_qs), 3);
        QCOMPARE(tree.parentIndex(4), 3);
        tree.removeNode(1); // A with its child
        QCOMPARE(collectionTexts(tree), (QStringList{u"B"_qs, u"b1"_qs}));
        QCOMPARE(tree.indexOfKey(u"A"_qs), 0);
        QVERIFY(tree.addRoot(u"A"_qs, u"A"_qs, 1).ok()); // its key is free again
        tree.clear();
        QCOMPARE(tree.count(), 0);
        QCOMPARE(tree.addRoot(u"X"_qs, u"X"_qs, 1).value(), 1);
    }

    void nodeStateIsKeptPerNode()
    {
        TraceTree tree;
        BuildTraceTree(tree, {u"A"_qs, u"\tv"_qs}, nullptr);
        tree.setTag(2, u"old"_qs);
        tree.setBold(1, true);
        tree.setColor(2, NodeColor::Blue);
        tree.setBackground(1, NodeBackground::Yellow);
        tree.setImage(2, NodeImage::Warning);
        QCOMPARE(tree.tag(2), u"old"_qs);
        QVERIFY(tree.bold(1) && !tree.bold(2));
        QCOMPARE(tree.color(2), NodeColor::Blue);
        QCOMPARE(tree.background(1), NodeBackground::Yellow);
        QCOMPARE(tree.data(tree.modelIndex(2), TraceTree::ImageRole).toInt(), NodeImage::Warning);
        QCOMPARE(tree.nodeIndex(tree.modelIndex(2)), 2);
    }
};

QTEST_GUILESS_MAIN(TestTraceTree)
#include "test_trace_tree.moc"
