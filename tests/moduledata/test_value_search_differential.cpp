#include "value_data_generator.h"
#include "value_search_check.h"

#include <QTest>

// The fast search must give exactly the reference's answers: the same tree (texts, images,
// colours, order), the same MarkerDistance and the same value name cache, on many
// generated data sets, in a first run and in a second run that starts from the first
// run's state.
class TestValueSearchDifferential : public QObject {
    Q_OBJECT
private slots:
    void sameAnswers_data()
    {
        QTest::addColumn<int>("functions");
        QTest::addColumn<int>("valuePool");
        QTest::addColumn<int>("fillerBytes");
        QTest::addColumn<int>("seeds");
        QTest::newRow("tiny") << 3 << 4 << 0 << 400;
        QTest::newRow("small") << 12 << 20 << 0 << 300;
        QTest::newRow("with fillers") << 30 << 40 << 3000 << 120;
    }

    void sameAnswers()
    {
        QFETCH(int, functions);
        QFETCH(int, valuePool);
        QFETCH(int, fillerBytes);
        QFETCH(int, seeds);
        int valuesFound = 0;
        int failedRuns = 0;
        for (int seed = 1; seed <= seeds; ++seed) {
            ValueDataSize size;
            size.functions = functions;
            size.valuePool = valuePool;
            size.fswBytes = size.moduleBytes = size.pswBytes = fillerBytes;
            const GeneratedValueData generated = generateValueData(static_cast<quint32>(seed), size);
            ModuleData fastData = generated.data;
            ModuleData referenceData = generated.data;
            int fastDistance = generated.markerDistance;
            int referenceDistance = generated.markerDistance;
            for (int pass = 1; pass <= 2; ++pass) {
                const SearchOutcome expected = runReferenceSearch(generated.traceLines, referenceData, referenceDistance);
                const SearchOutcome actual = runFastSearch(generated.traceLines, fastData, fastDistance);
                QVERIFY2(expected == actual, qPrintable(QStringLiteral("seed %1 pass %2: ").arg(seed).arg(pass)
                                                        + describeDifference(expected, actual)));
                if (pass == 1) {
                    valuesFound += static_cast<int>(expected.tree.filter(QStringLiteral("[img 0,")).size());
                    failedRuns += expected.incomplete ? 1 : 0;
                }
            }
        }
        // The generated sets must exercise both outcomes, or the comparison proves little.
        QVERIFY2(valuesFound > seeds, qPrintable(QString::number(valuesFound)));
        QVERIFY(failedRuns > 0);
    }
};

QTEST_GUILESS_MAIN(TestValueSearchDifferential)
#include "test_value_search_differential.moc"
