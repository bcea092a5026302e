#include "common/text_file.h"
#include "moduledata/chassis_data.h"
#include "moduledata/module_data.h"
#include "moduledata/module_ranking.h"
#include "support/data_table.h"
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

// A DATEN folder with one chassis "CH" holding the given files.
QString chassisCH(const QTemporaryDir& dir, const ExtraFiles& files)
{
    const QString ncs = dir.filePath(u"NCSEXPER"_qs);
    TreeFiles::build(ncs + u"/DATEN/CH"_qs, files);
    return ncs;
}

// A generated chassis "CH": keyword files of the functions ALPHA, BETA, GAMMA and the values
// aktiv, wert_2, ein, aus, and a module M.C01 that has ALPHA with aktiv and GAMMA with aus.
ExtraFiles generatedChassis()
{
    QByteArray fsw("SWTFSW01 CH"), psw("SWTPSW01 KEYWORD\0\2\0", 19);
    for (const char* name : {"ALPHA", "BETA", "GAMMA"})
        fsw += QByteArray("\x20") + char(fsw.count('\0') + 1) + name + '\0';
    for (const char* name : {"aktiv", "wert_2", "ein", "aus"})
        psw += QByteArray("\1\0\x31", 3) + char(psw.count('\1') + 0x41) + name + '\0';
    // A record: its marker, the function's ID 9 bytes on, one value entry of 12 bytes.
    const auto record = [](char function, char value) {
        return QByteArray("\x12\0\1UUUUUUUU\x20", 12) + function + QByteArray("\x0C\x10\0\x31", 4) + value
               + "\x08UUUUUU\xFF\xFF";
    };
    return {{u"SWTFSW01.DAT"_qs, fsw},
            {u"SWTPSW01.DAT"_qs, psw},
            {u"M.C01"_qs, "CH module INDIVID" + QByteArray(13, 'U') + record(1, 0x41) + record(3, 0x44)}};
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

class TestModuleData : public QObject {
    Q_OBJECT
private slots:
    // The demo's look-alikes, a tie broken by name in any case, empty and data-less files last.
    // C04 and C06 lack current values (C04 also a function; C06 places the ID at another
    // marker distance); KOMBI and ZKE share a few functions, none at a calibration sample.
    void ranking()
    {
        const QByteArray lcm = TestFiles::read(kDemo + u"/DATEN/DEM/LCM_DEM.C05"_qs);
        QTemporaryDir dir;
        const QString ncs =
            demoCopy(dir, {{u"lcm_copy.C05"_qs, lcm}, {u"0_EMPTY.C01"_qs, ""}, {u"HEADER.C01"_qs, lcm.left(40)}});
        const QStringList expected = {u"lcm_copy.C05 40/40"_qs, u"LCM_DEM.C05 40/40"_qs, u"LCM_DEM.C06 37/40"_qs,
                                      u"LCM_DEM.C04 36/39"_qs,  u"LCM_DEM.C03 29/30"_qs, u"KOMBI.C02 8/8"_qs,
                                      u"ZKE_DEM.C07 7/7"_qs,    u"0_EMPTY.C01 !"_qs,     u"HEADER.C01 !"_qs};
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

    // What a module lacks, from the same search that counts what it has.
    void lacks()
    {
        QTemporaryDir dir;
        const QString ncs = chassisCH(dir, generatedChassis());
        const QStringList trace{u"ALPHA"_qs, u"\taktiv"_qs, u"BETA"_qs, u"\twert_2"_qs, u"GAMMA"_qs, u"\tein"_qs};
        const Result<ModuleRanking> ranking = RankModules(ncs, u"CH"_qs, trace);
        const ModuleFit& best = ranking->modules.value(0);
        QCOMPARE(best.missingFunctions, QStringList{u"BETA"_qs});
        QCOMPARE(best.unknownValues, QStringList{u"GAMMA"_qs});
        QCOMPARE(DescribeModuleLacks(best, 0),
                 (QStringList{best.module + u':', u"Functions of the trace it does not have (1):  and 1 more"_qs,
                              u"Functions whose current value it does not know (1):  and 1 more"_qs}));
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
        QCOMPARE(DescribeModuleLacks(fit), QStringList{u"GONE.C01 could not be searched: "_qs + fit.error});

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

    // Names that differ only in case still get a fixed order, so a ranking never flickers.
    void tieOfNamesInAnyCase()
    {
        ModuleFit upper, lower;
        upper.module = u"A.C01"_qs;
        lower.module = u"a.c01"_qs;
        QVERIFY(RanksBefore(upper, lower) && !RanksBefore(lower, upper));
    }

    void loadChassis_data()
    {
        // error: the message's end, or empty
        addColumns<ExtraFiles, QStringList, QByteArray, QByteArray, QString>("files", "modules", "fswData", "pswHex",
                                                                             "error");
        const QByteArray fsw("\x01\x05NAME\x00", 7);
        const QByteArray psw("head\x00KEYWORD\x01\xFF", 14);
        const QByteArray pswHex("4B 45 59 57 4F 52 44 01 FF");
        QTest::newRow("lower-case names") << ExtraFiles{{u"swtfsw01.dat"_qs, fsw},
                                                        {u"swtpsw01.dat"_qs, psw},
                                                        {u"m.c02"_qs, "m"},
                                                        {u"README.TXT"_qs, "r"}}
                                          << QStringList{u"m.c02"_qs} << fsw << pswHex << QString();
        QTest::newRow("value keywords missing") << ExtraFiles{{u"SWTFSW01.DAT"_qs, fsw}} << QStringList() << fsw
                                                << QByteArray() << u"SWTPSW*.DAT not found."_qs;
        QTest::newRow("no KEYWORD") << ExtraFiles{{u"SWTFSW01.DAT"_qs, fsw}, {u"SWTPSW01.DAT"_qs, "keyword KEYWOR"}}
                                    << QStringList() << fsw << QByteArray() << u"SWTPSW01.DAT."_qs;
    }
    void loadChassis()
    {
        QFETCH(ExtraFiles, files);
        QFETCH(QStringList, modules);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString ncs = chassisCH(dir, files);
        // Data of an earlier chassis and module must not survive the choice.
        ModuleData data;
        data.FswData = data.PswHex = data.ModuleHex = "6F 6C 64";
        const Result<QStringList> loaded = LoadChassis(ncs, u"CH"_qs, data);
        QCOMPARE(loaded.ok(), error.isEmpty());
        if (loaded)
            QCOMPARE(loaded.value(), modules);
        else
            QVERIFY2(loaded.error().endsWith(error), qPrintable(loaded.error()));
        QCOMPARE(ChassisModules(ncs, u"CH"_qs), modules);
        QTEST(data.FswData, "fswData");
        QTEST(data.PswHex, "pswHex");
        QVERIFY(data.ModuleHex.isEmpty());
    }

    void loadModule_data()
    {
        addColumns<QByteArray, QByteArray>("bytes", "moduleHex");
        QTest::newRow("after INDIVID and 13 bytes")
            << QByteArray("head INDIVID0123456789ABC" + QByteArray("\x12\x00\xFF", 3)) << QByteArray("12 00 FF");
        QTest::newRow("no INDIVID: from the 20th byte")
            << QByteArray("ABCDEFGHIJKLMNOPQRSTUV") << QByteArray("54 55 56");
        QTest::newRow("no INDIVID, short file") << QByteArray("ABCDEFGHIJKLMNOPQR") << QByteArray();
    }
    void loadModule()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString ncs = chassisCH(dir, {{u"M.C01"_qs, bytes}});
        ModuleData data;
        data.ValueNames.insert("01 02", u"aktiv"_qs);
        QVERIFY(LoadModule(ncs, u"CH"_qs, u"M.C01"_qs, data));
        QTEST(data.ModuleHex, "moduleHex");
        QVERIFY(data.ValueNames.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestModuleData)
#include "test_module_data.moc"
