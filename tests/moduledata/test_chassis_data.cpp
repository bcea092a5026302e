#include "moduledata/chassis_data.h"
#include "moduledata/module_data.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using FileMap = QMap<QString, QByteArray>;

namespace {

// A DATEN folder with one chassis "CH" holding the given files.
QString makeChassis(const QTemporaryDir& dir, const FileMap& files)
{
    const QString ncs = dir.filePath(QStringLiteral("NCSEXPER"));
    QDir().mkpath(ncs + QStringLiteral("/DATEN/CH"));
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        TestFiles::write(ncs + QStringLiteral("/DATEN/CH/") + it.key(), it.value());
    return ncs;
}

} // namespace

class TestChassisData : public QObject {
    Q_OBJECT
private slots:
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
        QTest::newRow("lower-case names") << FileMap{{u"swtfsw01.dat"_qs, fsw}, {u"swtpsw01.dat"_qs, psw},
                                                     {u"m.c02"_qs, "m"}, {u"README.TXT"_qs, "r"}}
                                          << QStringList{u"m.c02"_qs} << fsw << pswHex << QString();
        QTest::newRow("value keywords missing") << FileMap{{u"SWTFSW01.DAT"_qs, fsw}} << QStringList() << fsw
                                                << QByteArray() << u"SWTPSW*.DAT not found."_qs;
        QTest::newRow("no KEYWORD") << FileMap{{u"SWTFSW01.DAT"_qs, fsw}, {u"SWTPSW01.DAT"_qs, "keyword KEYWOR"}}
                                    << QStringList() << fsw << QByteArray() << u"SWTPSW01.DAT."_qs;
    }
    void loadChassis()
    {
        QFETCH(FileMap, files);
        QFETCH(QStringList, modules);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString ncs = makeChassis(dir, files);
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
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("moduleHex");
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
        const QString ncs = makeChassis(dir, {{u"M.C01"_qs, bytes}});
        ModuleData data;
        data.ValueNames.insert("01 02", u"aktiv"_qs);
        QVERIFY(LoadModule(ncs, u"CH"_qs, u"M.C01"_qs, data));
        QTEST(data.ModuleHex, "moduleHex");
        QVERIFY(data.ValueNames.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestChassisData)
#include "test_chassis_data.moc"
