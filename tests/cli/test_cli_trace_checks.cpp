#include "support/cli_run.h"
#include "support/test_files.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The demo data: its trace was read from LCM_DEM.C05; the chassis holds look-alikes.
const QString kDemo = QStringLiteral(QUILLON_SOURCE_DIR "/demo/");
const QString kNcs = kDemo + u"NCSEXPER"_qs;
const QString kTrace = kDemo + u"NCSEXPER/WORK/FSW_PSW.TRC"_qs;
const QString kTable = kDemo + u"program-files/Translations.csv"_qs;

} // namespace

// find-module and translations, run as a user runs them.
class TestCliTraceChecks : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private slots:
    void findModuleOnTheDemo()
    {
        const CliRun run = runCli({u"find-module"_qs, u"--ncs"_qs, kNcs, u"--chassis"_qs, u"DEM"_qs, kTrace});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.outLines(), (QStringList{u"LCM_DEM.C05\t39\t39"_qs, u"LCM_DEM.C06\t37\t40"_qs,
                                              u"LCM_DEM.C04\t36\t39"_qs, u"LCM_DEM.C03\t29\t30"_qs,
                                              u"KOMBI.C02\t8\t8"_qs, u"ZKE_DEM.C07\t7\t7"_qs}));

        const CliRun json =
            runCli({u"find-module"_qs, u"--json"_qs, u"--ncs"_qs, kNcs, u"--chassis"_qs, u"DEM"_qs, kTrace});
        const QJsonObject best = QJsonDocument::fromJson(json.out.toUtf8()).array().first().toObject();
        QCOMPARE(best.value(u"module"_qs).toString(), u"LCM_DEM.C05"_qs);
        QCOMPARE(best.value(u"functions"_qs).toInt(), 40);
        QVERIFY(best.value(u"error"_qs).isNull());
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("error"); // part of the message on standard error
        const QString missing = m_dir.filePath(u"missing.trc"_qs);
        QTest::newRow("find-module, no such chassis")
            << QStringList{u"find-module"_qs, u"--ncs"_qs, kNcs, u"--chassis"_qs, u"E99"_qs, kTrace}
            << u"E99 not found."_qs;
        QTest::newRow("find-module, unreadable trace")
            << QStringList{u"find-module"_qs, u"--ncs"_qs, kNcs, u"--chassis"_qs, u"DEM"_qs, missing}
            << u"missing.trc"_qs;
        QTest::newRow("translations, unreadable table")
            << QStringList{u"translations"_qs, u"--table"_qs, missing, kTrace} << u"missing.trc"_qs;
    }
    void refusals()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, error);
        const CliRun run = runCli(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(error), qPrintable(run.err));
        QCOMPARE(run.out, QString());
    }

    void translationsExport()
    {
        const QString missing = m_dir.filePath(u"missing.csv"_qs);
        const CliRun run = runCli({u"translations"_qs, u"--table"_qs, kTable, u"--missing"_qs, missing, kTrace});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.outLines(), (QStringList{u"functions: 38 of 40 translated"_qs, u"values: 13 of 15 translated"_qs,
                                              u"missing: 4 names written to "_qs + missing}));
        QCOMPARE(TestFiles::read(missing),
                 QByteArray("einmal,\r\nLICHTHUPE_ANZAHL,\r\nREGENSENSOR_EMPFINDLICHKEIT,\r\nstufe_2,\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestCliTraceChecks)
#include "test_cli_trace_checks.moc"
