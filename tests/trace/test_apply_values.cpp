#include "support/tree_text.h"
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

QString lookup(const QString& name)
{
    return name == u"aus"_qs ? u"Off"_qs : QString();
}

const QStringList kCurrent{u"F1"_qs, u"\tein"_qs, u"F2"_qs, u"\twert_1"_qs, u"\twert_2"_qs};

} // namespace

class TestApplyValues : public QObject {
    Q_OBJECT
private slots:
    // Normal view. byHand: "node=value" changes typed in before the apply; with the
    // translation on every node shows "  -  t" and "aus" translates as "Off".
    void typed_data()
    {
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QStringList>("byHand");
        QTest::addColumn<bool>("translated");
        QTest::addColumn<QStringList>("report");
        QTest::addColumn<QString>("tree");
        QTest::addColumn<int>("changeCount");
        const QStringList none;
        QTest::newRow("changes, tabs inside a value ignored")
            << QStringList{u"F2"_qs, u"\twert_1"_qs, u"\t\twert_9\t"_qs, u"F1"_qs, u"\taus"_qs} << none << false
            << QStringList{u"F1: ein --> aus"_qs, u"F2: wert_2 --> wert_9"_qs, u"2 values changed"_qs}
            << u"F1*|aus[ein]|F2*|wert_1|wert_9[wert_2]"_qs << 2;
        QTest::newRow("back to the loaded value undoes a change by hand")
            << kCurrent << QStringList{u"2=aus"_qs} << false
            << QStringList{u"F1: aus --> ein"_qs, u"1 value changed"_qs} << u"F1|ein|F2|wert_1|wert_2"_qs << 0;
        QTest::newRow("translation on")
            << QStringList{u"F1"_qs, u"\taus"_qs, u"F2"_qs, u"\twert_1"_qs, u"\twert_3"_qs} << none << true
            << QStringList{u"F1: ein --> aus"_qs, u"F2: wert_2 --> wert_3"_qs, u"2 values changed"_qs}
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
            const auto change = ValueEditing::BeginValueChange(session.tree(), step.section(u'=', 0, 0).toInt());
            QVERIFY(ValueEditing::FinishValueChange(session, change, step.section(u'=', 1), {}).ok());
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

    // After "Show values": F1 lists ein (loaded) and aus; F2 was not found in the module data.
    void listed_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QStringList>("report");
        QTest::addColumn<QString>("tree");
        QTest::addColumn<int>("changeCount");
        const QString notFound = u"not applied: F2 (its values were not found in the module data)"_qs;
        QTest::newRow("listed value") << u"aus"_qs
                                      << QStringList{u"F1: ein --> aus"_qs, notFound, u"1 value changed"_qs}
                                      << u"F1*|ein#0~|F2#3|missing#3|aus"_qs << 1;
        QTest::newRow("unlisted value")
            << u"an"_qs
            << QStringList{u"F1: ein --> an"_qs, u"warning: F1: an is not among the possible values"_qs, notFound,
                           u"1 value changed"_qs}
            << u"F1*|ein#0~|F2#3|missing#3|aus#0|an"_qs << 1;
        QTest::newRow("loaded value") << u"ein"_qs << QStringList{notFound, u"0 values changed"_qs}
                                      << u"F1|ein|F2#3|missing#3|aus#0"_qs << 0;
    }
    void listed()
    {
        QFETCH(QString, wanted);
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
        QTEST(outcome.report(), "report");
        QTEST(TreeText::marks(tree), "tree");
        QTEST(session.ChangeCount, "changeCount");
    }
};

QTEST_GUILESS_MAIN(TestApplyValues)
#include "test_apply_values.moc"
