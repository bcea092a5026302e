#include "trace/trace_loader.h"
#include "trace/trace_tree.h"
#include "trace/tree_search.h"

#include <QTest>

namespace {

// Node numbers in collection order:
//  1 ABC_FUNC      2 aktiv      3 nicht_aktiv
//  4 XABC  -  Sprache (as shown translated)     5 abc_value
//  6 EMPTY_ABC     (no values)
//  7 ABCDE         8 wert
const QStringList kTrace = {
    u"ABC_FUNC"_qs, u"\taktiv"_qs, u"\tnicht_aktiv"_qs, u"XABC"_qs, u"\t\tabc_value"_qs,
    u"EMPTY_ABC"_qs, u"ABCDE"_qs, u"\twert"_qs,
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

class TestTreeSearch : public QObject {
    Q_OBJECT
private slots:
    // A step is "<mode><direction> <text>": mode s (starts with) or a (any part), direction d
    // or u; "mode" alone chooses another match mode. A result is the hit, or "miss" and the
    // FoundIndex that remains.
    void sequences_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("results");
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
        QTest::newRow("value nodes are never found")
            << QStringList{u"sd aktiv"_qs, u"ad wert"_qs} << QStringList{u"miss 0"_qs, u"miss 0"_qs};
        QTest::newRow("a function without values is never found")
            << QStringList{u"sd empty"_qs} << QStringList{u"miss 0"_qs};
        QTest::newRow("translated text as displayed") << QStringList{u"ad sprache"_qs} << QStringList{u"4"_qs};
    }
    void sequences()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, results);
        TraceTree tree;
        QVERIFY(BuildTraceTree(tree, kTrace, nullptr).isEmpty());
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

QTEST_GUILESS_MAIN(TestTreeSearch)
#include "test_tree_search.moc"
