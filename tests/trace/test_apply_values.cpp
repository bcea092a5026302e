#include "trace/apply_values.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"

#include <QAbstractItemModelTester>
#include <QTest>

using namespace ApplyValues;

namespace {

QList<TraceFunction> functions(const QStringList& lines)
{
    return ReadTraceFunctions(lines).value();
}

// Nodes in collection order: text, "*" bold, "[tag]", "#image" unless chosen, "~" blue.
QString marks(const TraceTree& tree)
{
    QStringList nodes;
    for (int i = 1; i <= tree.count(); ++i) {
        QString node = tree.text(i) + (tree.bold(i) ? u"*"_qs : QString());
        if (!tree.tag(i).isEmpty())
            node += u'[' + tree.tag(i) + u']';
        if (tree.image(i) != NodeImage::Chosen)
            node += u'#' + QString::number(tree.image(i));
        if (tree.color(i) == NodeColor::Blue)
            node += u'~';
        nodes.append(node);
    }
    return nodes.join(u'|');
}

QString lookup(const QString& name)
{
    return name == u"aus"_qs ? u"Off"_qs : QString();
}

const QStringList kCurrent{u"F1"_qs, u"\tein"_qs, u"F2"_qs, u"\twert_1"_qs, u"\twert_2"_qs};

} // namespace

class TestApplyValues : public QObject {
    Q_OBJECT
private slots:
    // Normal view. byHand: "node=value" changes typed in before the apply.
    void typed_data()
    {
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QStringList>("byHand");
        QTest::addColumn<QStringList>("report");
        QTest::addColumn<QString>("tree");
        QTest::addColumn<int>("changeCount");
        QTest::addColumn<bool>("complete");
        QTest::newRow("nothing to change") << kCurrent << QStringList() << QStringList{u"0 values changed"_qs}
                                           << u"F1|ein|F2|wert_1|wert_2"_qs << 0 << true;
        QTest::newRow("changes, tabs inside a value ignored")
            << QStringList{u"F2"_qs, u"\twert_1"_qs, u"\t\twert_9\t"_qs, u"F1"_qs, u"\taus"_qs} << QStringList()
            << QStringList{u"F1: ein --> aus"_qs, u"F2: wert_2 --> wert_9"_qs, u"2 values changed"_qs}
            << u"F1*|aus[ein]|F2*|wert_1|wert_9[wert_2]"_qs << 2 << true;
        QTest::newRow("back to the loaded value undoes a change by hand")
            << kCurrent << QStringList{u"2=aus"_qs} << QStringList{u"F1: aus --> ein"_qs, u"1 value changed"_qs}
            << u"F1|ein|F2|wert_1|wert_2"_qs << 0 << true;
        QTest::newRow("functions on one side only")
            << QStringList{u"F2"_qs, u"\twert_1"_qs, u"\twert_2"_qs, u"F3"_qs, u"\tx"_qs} << QStringList()
            << QStringList{u"not applied: F1 (only in the current trace)"_qs,
                           u"not applied: F3 (only in the wanted trace)"_qs, u"0 values changed"_qs}
            << u"F1|ein|F2|wert_1|wert_2"_qs << 0 << false;
        QTest::newRow("different value counts, empty value")
            << QStringList{u"F1"_qs, u"\t"_qs, u"F2"_qs, u"\twert_3"_qs} << QStringList()
            << QStringList{u"not applied: F1 (empty value in the wanted trace)"_qs,
                           u"not applied: F2 (2 value lines, 1 in the wanted trace)"_qs, u"0 values changed"_qs}
            << u"F1|ein|F2|wert_1|wert_2"_qs << 0 << false;
    }
    void typed()
    {
        QFETCH(QStringList, wanted);
        QFETCH(QStringList, byHand);
        TraceSession session;
        QAbstractItemModelTester tester(&session.tree(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        BuildTraceTree(session.tree(), kCurrent, &session.TraceLines);
        for (const QString& step : byHand) {
            const auto change = ValueEditing::BeginValueChange(session.tree(), step.section(u'=', 0, 0).toInt());
            QVERIFY(ValueEditing::FinishValueChange(session, change, step.section(u'=', 1), {}).ok());
        }
        const Outcome outcome = ApplyTraceValues(session, functions(wanted), {});
        QTEST(outcome.report(), "report");
        QTEST(marks(session.tree()), "tree");
        QTEST(session.ChangeCount, "changeCount");
        QTEST(outcome.complete(), "complete");
    }

    // After "Show values": F1 lists ein (loaded) and aus; F2 was not found in the module data.
    void listed_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QStringList>("report");
        QTest::addColumn<QString>("tree");
        QTest::addColumn<int>("changeCount");
        QTest::newRow("listed value") << u"aus"_qs << QStringList{u"F1: ein --> aus"_qs}
                                      << u"F1*|ein#0~|F2#3|missing#3|aus"_qs << 1;
        QTest::newRow("unlisted value")
            << u"an"_qs
            << QStringList{u"F1: ein --> an"_qs, u"warning: F1: an is not among the possible values"_qs}
            << u"F1*|ein#0~|F2#3|missing#3|aus#0|an"_qs << 1;
        QTest::newRow("loaded value") << u"ein"_qs << QStringList() << u"F1|ein|F2#3|missing#3|aus#0"_qs << 0;
    }
    void listed()
    {
        QFETCH(QString, wanted);
        QFETCH(QStringList, report);
        TraceSession session;
        BuildTraceTree(session.tree(), {u"F1"_qs, u"\tein"_qs, u"F2"_qs, u"\tx"_qs}, &session.TraceLines);
        TraceTree& tree = session.tree();
        tree.setImage(3, NodeImage::Warning);
        tree.setImage(4, NodeImage::Warning);
        tree.setText(4, u"missing"_qs);
        tree.addChild(1, u"aus"_qs, NodeImage::None);
        session.ValuesShown = true;

        const Outcome outcome =
            ApplyTraceValues(session, functions({u"F1"_qs, u"\t"_qs + wanted, u"F2"_qs, u"\ty"_qs}), {});
        const QStringList tail{u"not applied: F2 (its values were not found in the module data)"_qs,
                               outcome.changed.isEmpty() ? u"0 values changed"_qs : u"1 value changed"_qs};
        QCOMPARE(outcome.report(), report + tail);
        QTEST(marks(tree), "tree");
        QTEST(session.ChangeCount, "changeCount");
    }

    // With the translation on, the plain values are compared and the new one is shown
    // translated, in both views.
    void translated()
    {
        for (const bool valuesShown : {false, true}) {
            TraceSession session;
            BuildTraceTree(session.tree(), {u"F1"_qs, u"\tein"_qs}, &session.TraceLines);
            session.tree().setText(1, u"F1  -  FUNCTION"_qs);
            session.tree().setText(2, u"ein  -  on"_qs);
            session.Translated = true;
            session.ValuesShown = valuesShown;
            const Outcome outcome = ApplyTraceValues(session, functions({u"F1"_qs, u"\taus"_qs}), lookup);
            QCOMPARE(outcome.report().first(), u"F1: ein --> aus"_qs);
            QCOMPARE(session.tree().text(valuesShown ? 3 : 2), u"aus  -  off"_qs);
            QCOMPARE(session.ChangeCount, 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestApplyValues)
#include "test_apply_values.moc"
