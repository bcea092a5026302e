#include "common/text_file.h"
#include "moduledata/chassis_data.h"
#include "moduledata/module_data.h"
#include "moduledata/module_ranking.h"
#include "support/test_files.h"
#include "tree_snapshot.h"

#include <QFile>
#include <QMutex>
#include <QTemporaryDir>
#include <QTest>

using ExtraFiles = QMap<QString, QByteArray>;

namespace {

const QString kDemo = QStringLiteral(QUILLON_SOURCE_DIR "/demo/NCSEXPER");

// A copy of the demo's NCS Expert folder (chassis DEM: the module its trace was read from,
// LCM_DEM.C05, and look-alikes) with extra files in DEM.
QString demoCopy(const QTemporaryDir& dir, const ExtraFiles& extra = {})
{
    const QString ncs = dir.filePath(u"NCSEXPER"_qs);
    TreeFiles::copyTree(kDemo + u"/DATEN/DEM"_qs, ncs + u"/DATEN/DEM"_qs);
    TreeFiles::build(ncs + u"/DATEN/DEM"_qs, extra);
    return ncs;
}

QStringList traceLines()
{
    return TextFile::readLines(kDemo + u"/WORK/FSW_PSW.TRC"_qs).value();
}

QStringList summary(const QList<ModuleFit>& fits)
{
    QStringList out;
    for (const ModuleFit& fit : fits)
        out.append(fit.error.isEmpty() ? QStringLiteral("%1 %2/%3").arg(fit.module).arg(fit.matching).arg(fit.found)
                                       : fit.module + u" !"_qs);
    return out;
}

} // namespace

class TestModuleRanking : public QObject {
    Q_OBJECT
private slots:
    // The demo's look-alikes, a tie broken by name, empty and data-less files last. C04 and
    // C06 lack current values (C06 has more functions than C05 and places the ID at another
    // marker distance); KOMBI and ZKE share a few functions, none at a calibration sample.
    void ranking()
    {
        const QByteArray lcm = TestFiles::read(kDemo + u"/DATEN/DEM/LCM_DEM.C05"_qs);
        QTemporaryDir dir;
        const QString ncs =
            demoCopy(dir, {{u"A_COPY.C05"_qs, lcm}, {u"0_EMPTY.C01"_qs, ""}, {u"HEADER.C01"_qs, lcm.left(40)}});
        const QStringList expected = {u"A_COPY.C05 39/39"_qs, u"LCM_DEM.C05 39/39"_qs, u"LCM_DEM.C06 37/40"_qs,
                                      u"LCM_DEM.C04 36/39"_qs, u"LCM_DEM.C03 29/30"_qs, u"KOMBI.C02 8/8"_qs,
                                      u"ZKE_DEM.C07 7/7"_qs, u"0_EMPTY.C01 !"_qs, u"HEADER.C01 !"_qs};
        for (const int threads : {1, 2}) {
            QList<int> progress;
            QMutex lock;
            RankingControl control;
            control.threads = threads;
            control.progress = [&](int done, int total) {
                QMutexLocker locker(&lock);
                progress.append(done * 100 + total);
            };
            const Result<ModuleRanking> ranking = RankModules(ncs, u"DEM"_qs, traceLines(), control);
            QVERIFY2(ranking.ok(), qPrintable(ranking.error()));
            QCOMPARE(summary(ranking->modules), expected);
            QCOMPARE(ranking->functions, 40);
            QVERIFY(!ranking->cancelled);
            std::sort(progress.begin(), progress.end());
            QCOMPARE(progress.size(), expected.size());
            QCOMPARE(progress.last(), int(expected.size() * 101));
        }
    }

    void failures()
    {
        QTemporaryDir dir;
        const QString ncs = demoCopy(dir);
        ModuleData keywords;
        QVERIFY(LoadKeywordFiles(ncs, u"DEM"_qs, keywords).ok());
        QHash<QByteArray, QString> names;
        const ModuleFit fit = FitModule(keywords, ncs, u"DEM"_qs, u"GONE.C01"_qs, traceLines(), names);
        QVERIFY(fit.error.contains(u"GONE.C01"_qs));
        QCOMPARE(DescribeModuleFit(fit, 40), u"GONE.C01   not searched: "_qs + fit.error);

        QVERIFY(QFile::remove(ncs + u"/DATEN/DEM/SWTFSW01.DAT"_qs));
        QVERIFY(RankModules(ncs, u"DEM"_qs, traceLines()).error().endsWith(u"SWTFSW*.DAT not found."_qs));
    }

    void cancelStopsBeforeTheNextModule()
    {
        QTemporaryDir dir;
        const QString ncs = demoCopy(dir);
        std::atomic<bool> cancel{false};
        RankingControl control;
        control.threads = 1;
        control.cancel = &cancel;
        control.progress = [&cancel](int, int) { cancel = true; };
        const Result<ModuleRanking> ranking = RankModules(ncs, u"DEM"_qs, traceLines(), control);
        QVERIFY(ranking->cancelled);
        QCOMPARE(summary(ranking->modules), QStringList{u"KOMBI.C02 8/8"_qs});
    }

    void describe()
    {
        const ModuleFit fit{u"CAS.C32"_qs, 6612, 6648, {}};
        QCOMPARE(DescribeModuleFit(fit, 6783, 9), u"CAS.C32     6,612 of 6,783 values, 6,648 functions"_qs);
    }
};

QTEST_GUILESS_MAIN(TestModuleRanking)
#include "test_module_ranking.moc"
