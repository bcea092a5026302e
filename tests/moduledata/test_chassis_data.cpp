#include "moduledata/chassis_data.h"
#include "moduledata/file_listing.h"
#include "moduledata/module_data.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using FileMap = QMap<QString, QByteArray>;

namespace {

// A DATEN folder with one chassis "CH" holding the given files (relative names; a name
// ending in "/" is a folder).
QString makeChassis(const QTemporaryDir& dir, const FileMap& files)
{
    const QString ncs = dir.filePath(QStringLiteral("NCSEXPER"));
    QDir().mkpath(ncs + QStringLiteral("/DATEN/CH"));
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString path = ncs + QStringLiteral("/DATEN/CH/") + it.key();
        if (it.key().endsWith(u'/'))
            QDir().mkpath(path);
        else
            TestFiles::write(path, it.value());
    }
    return ncs;
}

} // namespace

class TestChassisData : public QObject {
    Q_OBJECT
private slots:
    void matchesPattern_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("matches");
        QTest::newRow("module") << u"LCM_DEM.C05"_qs << u"*.C*"_qs << true;
        QTest::newRow("module lower case") << u"kombi.c02"_qs << u"*.C*"_qs << true;
        QTest::newRow("later dot") << u"A.B.C1"_qs << u"*.C*"_qs << true;
        QTest::newRow("other extension") << u"README.TXT"_qs << u"*.C*"_qs << false;
        QTest::newRow("keyword file lower case") << u"swtfsw01.dat"_qs << u"SWTFSW*.DAT"_qs << true;
        QTest::newRow("empty run") << u"SWTFSW.DAT"_qs << u"SWTFSW*.DAT"_qs << true;
        QTest::newRow("trailing text") << u"SWTFSW01.DAT.BAK"_qs << u"SWTFSW*.DAT"_qs << false;
        QTest::newRow("other keyword file") << u"SWTPSW01.DAT"_qs << u"SWTFSW*.DAT"_qs << false;
        QTest::newRow("backtracking star") << u"a.dat.dat"_qs << u"*.DAT"_qs << true;
    }
    void matchesPattern()
    {
        QFETCH(QString, name);
        QFETCH(QString, pattern);
        QFETCH(bool, matches);
        QCOMPARE(FileListing::matchesPattern(name, pattern), matches);
    }

    void listingsAreInNameOrder()
    {
        QTemporaryDir dir;
        const QString ncs = makeChassis(dir, {{u"b.c01"_qs, "x"},
                                              {u"A.C02"_qs, "x"},
                                              {u"a.c03"_qs, "x"},
                                              {u"C.TXT"_qs, "x"},
                                              {u"D.C04/"_qs, {}}});
        QCOMPARE(ChassisModules(ncs, u"CH"_qs), (QStringList{u"A.C02"_qs, u"a.c03"_qs, u"b.c01"_qs}));

        QDir().mkpath(ncs + u"/DATEN/e39"_qs);
        QDir().mkpath(ncs + u"/DATEN/E46"_qs);
        TestFiles::write(ncs + u"/DATEN/BR_REF.DAT"_qs, "x");
        QCOMPARE(FillChassisList(ncs), (QStringList{u"CH"_qs, u"e39"_qs, u"E46"_qs}));
    }

    void missingDatenGivesNoChassis()
    {
        QTemporaryDir dir;
        QVERIFY(FillChassisList(dir.filePath(u"NCSEXPER"_qs)).isEmpty());
    }

    void loadChassis_data()
    {
        QTest::addColumn<FileMap>("files");
        QTest::addColumn<QStringList>("modules");
        QTest::addColumn<QByteArray>("fswData");
        QTest::addColumn<QByteArray>("pswHex");
        QTest::addColumn<QString>("error"); // the message's end, or empty

        const QByteArray fsw("\x01\x05NAME\x00", 7);
        const QByteArray psw("head\x00KEYWORD\x01\xFF", 14);
        const QByteArray pswHex("4B 45 59 57 4F 52 44 01 FF");
        QTest::newRow("complete") << FileMap{{u"SWTFSW01.DAT"_qs, fsw},
                                             {u"SWTPSW01.DAT"_qs, psw},
                                             {u"M.C01"_qs, "m"}}
                                  << QStringList{u"M.C01"_qs} << fsw << pswHex << QString();
        QTest::newRow("lower-case names") << FileMap{{u"swtfsw01.dat"_qs, fsw}, {u"swtpsw01.dat"_qs, psw}}
                                          << QStringList() << fsw << pswHex << QString();
        QTest::newRow("first keyword file by name")
            << FileMap{{u"SWTFSW02.DAT"_qs, "second"}, {u"SWTFSW01.DAT"_qs, fsw}, {u"SWTPSW01.DAT"_qs, psw}}
            << QStringList() << fsw << pswHex << QString();
        QTest::newRow("KEYWORD at the very start")
            << FileMap{{u"SWTFSW01.DAT"_qs, fsw}, {u"SWTPSW01.DAT"_qs, "KEYWORD"}} << QStringList() << fsw
            << QByteArray("4B 45 59 57 4F 52 44") << QString();
        QTest::newRow("first KEYWORD counts")
            << FileMap{{u"SWTFSW01.DAT"_qs, fsw}, {u"SWTPSW01.DAT"_qs, "KEYWORD KEYWORD"}} << QStringList()
            << fsw << QByteArray("4B 45 59 57 4F 52 44 20 4B 45 59 57 4F 52 44") << QString();
        QTest::newRow("function keywords missing")
            << FileMap{{u"SWTPSW01.DAT"_qs, psw}, {u"M.C01"_qs, "m"}} << QStringList{u"M.C01"_qs} << QByteArray()
            << QByteArray() << u"SWTFSW*.DAT not found."_qs;
        QTest::newRow("value keywords missing") << FileMap{{u"SWTFSW01.DAT"_qs, fsw}} << QStringList() << fsw
                                                << QByteArray() << u"SWTPSW*.DAT not found."_qs;
        QTest::newRow("no KEYWORD") << FileMap{{u"SWTFSW01.DAT"_qs, fsw}, {u"SWTPSW01.DAT"_qs, "keyword KEYWOR"}}
                                    << QStringList() << fsw << QByteArray() << u"SWTPSW01.DAT."_qs;
        QTest::newRow("a folder is no keyword file")
            << FileMap{{u"SWTFSW01.DAT/"_qs, {}}, {u"SWTPSW01.DAT"_qs, psw}} << QStringList() << QByteArray()
            << QByteArray() << u"SWTFSW*.DAT not found."_qs;
    }
    void loadChassis()
    {
        QFETCH(FileMap, files);
        QFETCH(QStringList, modules);
        QFETCH(QByteArray, fswData);
        QFETCH(QByteArray, pswHex);
        QFETCH(QString, error);

        QTemporaryDir dir;
        const QString ncs = makeChassis(dir, files);
        // Data of an earlier chassis and module must not survive the choice.
        ModuleData data;
        data.FswData = "old";
        data.PswHex = "6F 6C 64";
        data.ModuleHex = "6F 6C 64";

        const Result<QStringList> loaded = LoadChassis(ncs, u"CH"_qs, data);
        QCOMPARE(loaded.ok(), error.isEmpty());
        if (loaded)
            QCOMPARE(loaded.value(), modules);
        else
            QVERIFY2(loaded.error().endsWith(error), qPrintable(loaded.error()));
        QCOMPARE(ChassisModules(ncs, u"CH"_qs), modules);
        QCOMPARE(data.FswData, fswData);
        QCOMPARE(data.PswHex, pswHex);
        QVERIFY(data.ModuleHex.isEmpty());
    }

    void loadModule_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("moduleHex");
        const QByteArray thirteen("0123456789ABC");
        QTest::newRow("after INDIVID and 13 bytes")
            << QByteArray("head INDIVID" + thirteen + QByteArray("\x12\x00\x01", 3)) << QByteArray("12 00 01");
        QTest::newRow("first INDIVID counts")
            << QByteArray("INDIVID" + thirteen + "INDIVID") << QByteArray("49 4E 44 49 56 49 44");
        QTest::newRow("bytes of 128 and above") << QByteArray("INDIVID" + thirteen + "\x80\xFF")
                                                << QByteArray("80 FF");
        QTest::newRow("nothing after the mark") << QByteArray("INDIVID" + thirteen) << QByteArray();
        QTest::newRow("mark cut short") << QByteArray("xxINDIVID12") << QByteArray();
        QTest::newRow("no INDIVID: from the 20th byte")
            << QByteArray("ABCDEFGHIJKLMNOPQRSTUV") << QByteArray("54 55 56");
        QTest::newRow("no INDIVID, short file") << QByteArray("ABCDEFGHIJKLMNOPQR") << QByteArray();
        QTest::newRow("mark in lower case is no mark")
            << QByteArray("individ0123456789ABCDE") << QByteArray("43 44 45");
    }
    void loadModule()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, moduleHex);
        QTemporaryDir dir;
        const QString ncs = makeChassis(dir, {{u"M.C01"_qs, bytes}});
        ModuleData data;
        data.ValueNames.insert("01 02", u"aktiv"_qs);
        QVERIFY(LoadModule(ncs, u"CH"_qs, u"M.C01"_qs, data));
        QCOMPARE(data.ModuleHex, moduleHex);
        QVERIFY(data.ValueNames.isEmpty());
    }

    void missingModuleFileFails()
    {
        QTemporaryDir dir;
        const QString ncs = makeChassis(dir, {});
        ModuleData data;
        data.ModuleHex = "6F 6C 64";
        data.ValueNames.insert("01 02", u"aktiv"_qs);
        const Status loaded = LoadModule(ncs, u"CH"_qs, u"GONE.C01"_qs, data);
        QVERIFY(!loaded);
        QVERIFY2(loaded.error().contains(u"GONE.C01"_qs), qPrintable(loaded.error()));
        QVERIFY(data.ModuleHex.isEmpty());
        QVERIFY(data.ValueNames.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestChassisData)
#include "test_chassis_data.moc"
