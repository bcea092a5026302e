#include "moduledata/chassis_data.h"
#include "moduledata/module_data.h"
#include "moduledata/module_ranking.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QTemporaryDir>
#include <QTest>

using ModuleSpecs = QMap<QString, QString>; // file name -> moduleFile spec

namespace {

using TestFiles::bytes;

const QStringList kFunctions = {u"LICHT"_qs, u"BLINKER"_qs, u"SPIEGEL"_qs, u"GONG"_qs};
const QStringList kValues = {u"aktiv"_qs, u"nicht_aktiv"_qs, u"drei"_qs, u"vier"_qs, u"laut"_qs};
// The trace: every function with one value; SPIEGEL with two.
const QStringList kTrace = {u"LICHT"_qs, u"\taktiv"_qs,   u"BLINKER"_qs, u"\tdrei"_qs, u"SPIEGEL"_qs,
                            u"\taktiv"_qs, u"\tvier"_qs, u"GONG"_qs,    u"\tlaut"_qs};

QByteArray functionId(int f)
{
    return bytes({0x40 + f, 0x01 + f});
}

QByteArray valueId(int v)
{
    return bytes({0x30, 0x40 + v});
}

// A module file: "<distance>|LICHT=0,1;BLINKER=2" gives records with the marker's start
// <distance> bytes before the function ID and the value IDs given by their number.
QByteArray moduleFile(const QString& spec)
{
    if (spec.isEmpty())
        return {};
    const QStringList parts = spec.split(u'|');
    const int distance = parts[0].toInt();
    QByteArray out = "module INDIVID" + QByteArray(13, '\x55');
    for (const QString& record : parts[1].split(u';', Qt::SkipEmptyParts)) {
        const QStringList nameValues = record.split(u'=');
        out += bytes({0x12, 0x00, 0x01}) + QByteArray(distance - 3, '\x55')
               + functionId(int(kFunctions.indexOf(nameValues[0])));
        for (const QString& value : nameValues.value(1).split(u',', Qt::SkipEmptyParts))
            out += bytes({0x08, 0x10, 0x00}) + valueId(value.toInt()) + bytes({0x04, 0x01, 0x00});
        out += bytes({0xFF, 0xFF});
    }
    return out;
}

// NCS Expert's folder with chassis CH: keyword files for the names above and the modules.
QString writeChassis(const QTemporaryDir& dir, const ModuleSpecs& modules)
{
    const QString ncs = dir.filePath(u"NCSEXPER"_qs);
    const QString folder = ncs + u"/DATEN/CH/"_qs;
    QByteArray fsw = "SWTFSW";
    for (int f = 0; f < kFunctions.size(); ++f)
        fsw += functionId(f) + kFunctions[f].toLatin1() + bytes({0});
    QByteArray psw = "head KEYWORD" + bytes({0, 2, 0});
    for (int v = 0; v < kValues.size(); ++v)
        psw += bytes({1, 0}) + valueId(v) + kValues[v].toLatin1() + bytes({0});
    TestFiles::write(folder + u"SWTFSW01.DAT"_qs, fsw);
    TestFiles::write(folder + u"SWTPSW01.DAT"_qs, psw);
    for (auto it = modules.cbegin(); it != modules.cend(); ++it)
        TestFiles::write(folder + it.key(), moduleFile(it.value()));
    return ncs;
}

QStringList summary(const QList<ModuleFit>& fits)
{
    QStringList out;
    for (const ModuleFit& fit : fits)
        out.append(fit.error.isEmpty() ? QStringLiteral("%1 %2/%3").arg(fit.module).arg(fit.matching).arg(fit.found)
                                       : fit.module + u" !"_qs);
    return out;
}

const QString kTrue = u"10|LICHT=0,1;BLINKER=2,3;SPIEGEL=0,1,3;GONG=4"_qs;

} // namespace

class TestModuleRanking : public QObject {
    Q_OBJECT
private slots:
    void ranking_data()
    {
        QTest::addColumn<ModuleSpecs>("modules");
        QTest::addColumn<QStringList>("expected");
        // The sibling has every function but not every current value: found 4, matching 2.
        QTest::newRow("sibling lacking values ranks below")
            << ModuleSpecs{{u"A_SIB.C01"_qs, u"10|LICHT=1;BLINKER=2,3;SPIEGEL=0,1;GONG=4"_qs},
                                      {u"Z_TRUE.C02"_qs, kTrue}}
            << QStringList{u"Z_TRUE.C02 4/4"_qs, u"A_SIB.C01 2/4"_qs};
        // Each module is calibrated on its own: another layout is still searched right.
        QTest::newRow("own marker distance, ties by name")
            << ModuleSpecs{{u"B.C01"_qs, QString(u"13|"_qs + kTrue.mid(3))}, {u"A.C01"_qs, kTrue}}
            << QStringList{u"A.C01 4/4"_qs, u"B.C01 4/4"_qs};
        QTest::newRow("equal matching, more found first")
            << ModuleSpecs{{u"A.C01"_qs, u"10|LICHT=0;GONG=4"_qs},
                                      {u"B.C01"_qs, u"10|LICHT=0;GONG=4;BLINKER=3"_qs}}
            << QStringList{u"B.C01 2/3"_qs, u"A.C01 2/2"_qs};
        QTest::newRow("empty file last, the others go on")
            << ModuleSpecs{{u"A_EMPTY.C01"_qs, QString()}, {u"B_OTHER.C03"_qs, u"10|GONG=4"_qs},
                                      {u"C.C01"_qs, u"10|LICHT"_qs}}
            << QStringList{u"B_OTHER.C03 1/1"_qs, u"C.C01 0/1"_qs, u"A_EMPTY.C01 !"_qs};
    }
    void ranking()
    {
        QFETCH(ModuleSpecs, modules);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const QString ncs = writeChassis(dir, modules);
        for (const int threads : {1, 2}) {
            QList<int> progress;
            QMutex lock;
            RankingControl control;
            control.threads = threads;
            control.progress = [&](int done, int total) {
                QMutexLocker locker(&lock);
                progress.append(done * 100 + total);
            };
            const Result<ModuleRanking> ranking = RankModules(ncs, u"CH"_qs, kTrace, control);
            QVERIFY2(ranking.ok(), qPrintable(ranking.error()));
            QCOMPARE(summary(ranking->modules), expected);
            QCOMPARE(ranking->functions, 4);
            QVERIFY(!ranking->cancelled);
            std::sort(progress.begin(), progress.end());
            QCOMPARE(progress.size(), expected.size());
            QCOMPARE(progress.last(), int(expected.size() * 101));
        }
    }

    void unreadableModuleHasItsReason()
    {
        QTemporaryDir dir;
        const QString ncs = writeChassis(dir, {});
        ModuleData keywords;
        QVERIFY(LoadKeywordFiles(ncs, u"CH"_qs, keywords).ok());
        QHash<QByteArray, QString> names;
        const ModuleFit fit = FitModule(keywords, ncs, u"CH"_qs, u"GONE.C01"_qs, kTrace, names);
        QVERIFY(fit.error.contains(u"GONE.C01"_qs));
        QCOMPARE(DescribeModuleFit(fit, 4), u"GONE.C01   not searched: "_qs + fit.error);
    }

    void chassisFailures_data()
    {
        QTest::addColumn<QString>("chassis");
        QTest::addColumn<bool>("keywords");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing folder") << u"XX"_qs << true << u"XX not found."_qs;
        QTest::newRow("no keyword files") << u"CH"_qs << false << u"SWTFSW*.DAT not found."_qs;
    }
    void chassisFailures()
    {
        QFETCH(QString, chassis);
        QFETCH(bool, keywords);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString ncs = writeChassis(dir, {{u"A.C01"_qs, kTrue}});
        if (!keywords)
            QVERIFY(QFile::remove(ncs + u"/DATEN/CH/SWTFSW01.DAT"_qs));
        const Result<ModuleRanking> ranking = RankModules(ncs, chassis, kTrace);
        QVERIFY(!ranking.ok());
        QVERIFY2(ranking.error().endsWith(error), qPrintable(ranking.error()));
    }

    void cancelStopsBeforeTheNextModule()
    {
        QTemporaryDir dir;
        const QString ncs = writeChassis(dir, {{u"A.C01"_qs, kTrue}, {u"B.C01"_qs, kTrue}, {u"C.C01"_qs, kTrue}});
        std::atomic<bool> cancel{false};
        RankingControl control;
        control.threads = 1;
        control.cancel = &cancel;
        control.progress = [&cancel](int, int) { cancel = true; };
        const Result<ModuleRanking> ranking = RankModules(ncs, u"CH"_qs, kTrace, control);
        QVERIFY(ranking->cancelled);
        QCOMPARE(summary(ranking->modules), QStringList{u"A.C01 4/4"_qs});
    }

    void describe()
    {
        const ModuleFit fit{u"CAS.C32"_qs, 6612, 6648, {}};
        QCOMPARE(DescribeModuleFit(fit, 6783, 9), u"CAS.C32     6,612 of 6,783 values, 6,648 functions"_qs);
    }
};

QTEST_GUILESS_MAIN(TestModuleRanking)
#include "test_module_ranking.moc"
