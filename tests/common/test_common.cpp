#include "common/clock.h"
#include "common/paths.h"
#include "common/single_instance.h"
#include "common/window_layout.h"
#include "support/data_table.h"
#include "support/test_files.h"

#include <QCoreApplication>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace WindowLayout;

class TestCommon : public QObject {
    Q_OBJECT
private slots:
    void joinNormalizeAndStamp()
    {
#ifdef Q_OS_WIN
        QCOMPARE(Paths::join(u"C:\\NCSEXPER"_qs, u"\\WORK\\FSW_PSW.TRC"_qs), u"C:\\NCSEXPER\\WORK\\FSW_PSW.TRC"_qs);
        // A picked folder is shown and stored with backslashes; a drive's root keeps its own.
        QCOMPARE(Paths::normalizeFolder(u"C:/NCSEXPER/"_qs), u"C:\\NCSEXPER"_qs);
        QCOMPARE(Paths::normalizeFolder(u"D:/"_qs), u"D:\\"_qs);
#else
        QCOMPARE(Paths::join(u"/x/NCSEXPER"_qs, u"\\WORK\\FSW_PSW.TRC"_qs), u"/x/NCSEXPER/WORK/FSW_PSW.TRC"_qs);
        QCOMPARE(Paths::normalizeFolder(u"/tmp/x/"_qs), u"/tmp/x"_qs);
        QCOMPARE(Paths::normalizeFolder(u"/"_qs), u"/"_qs);
#endif
        QCOMPARE(DateText::stamp(QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5))), u"20240102_030405"_qs);
    }

    // The coding log and the update plan are kept for years: the year has four digits,
    // in the locale's order of day, month and year. What the code page cannot hold is
    // written with digits.
    void generalDateHasAFourDigitYear_data()
    {
        addColumns<QString, QString>("locale", "text");
        QTest::newRow("American") << u"en_US"_qs << u"12/31/2012 11:59:59 PM"_qs;
        QTest::newRow("Canadian French") << u"fr_CA"_qs << u"2012-12-31 23 h 59 min 59 s"_qs;
        QTest::newRow("Japanese") << u"ja_JP"_qs << u"2012/12/31 23:59:59"_qs;
        QTest::newRow("Arabic") << u"ar_EG"_qs << u"2012-12-31 23:59:59"_qs;
    }
    void generalDateHasAFourDigitYear()
    {
        QFETCH(QString, locale);
        QTEST(DateText::general(QDateTime(QDate(2012, 12, 31), QTime(23, 59, 59)), QLocale(locale)), "text");
    }

    // A second instance is refused while the first runs, and gets in once it has ended or
    // when the lock names a process that is gone (what a crashed run leaves behind).
    void oneInstanceAtATime()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("quillon.lock"));
        {
            SingleInstance first(lock);
            QVERIFY(first.acquire());
            QVERIFY(!SingleInstance(lock).acquire());
        }
        QVERIFY(SingleInstance(lock).acquire());
#ifdef Q_OS_WIN
        const QByteArray host = qgetenv("COMPUTERNAME"); // how QLockFile names the machine there
#else
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
#endif
        QVERIFY(
            TestFiles::write(lock, "999999999\n" + QCoreApplication::applicationName().toUtf8() + '\n' + host + '\n'));
        QVERIFY(SingleInstance(lock).acquire());
    }

    // Scale factors for a window size, never below three quarters of the designed size.
    void factorsHaveAFloor_data()
    {
        addColumns<QList<double>, double, double>("sizeAndLayoutWidth", "fx", "fy");
        QTest::newRow("twice") << QList<double>{1776, 1058, kFullWidth} << 2.0 << 2.0;
        QTest::newRow("below three quarters") << QList<double>{400, 300, kFullWidth} << 0.75 << 0.75;
        QTest::newRow("exactly three quarters") << QList<double>{666, 396.75, kFullWidth} << 0.75 << 0.75;
        QTest::newRow("ncs coding only") << QList<double>{888, 529, kNcsOnlyWidth} << 888.0 / 448.0 << 1.0;
    }
    void factorsHaveAFloor()
    {
        QFETCH(QList<double>, sizeAndLayoutWidth);
        const Factors f = factors(sizeAndLayoutWidth[0], sizeAndLayoutWidth[1], sizeAndLayoutWidth[2], kDesignedHeight);
        QTEST(f.x, "fx");
        QTEST(f.y, "fy");
    }

    // Designed 10,20,100,30; factors 2 x 1.5; current size 55 x 21; cmdShow ends at 400.
    void placement_data()
    {
        // placed: left, top, width, height
        addColumns<int, QString, QList<double>>("kind", "tag", "placed");
        const int other = int(ControlKind::Other);
        QTest::newRow("scaled") << other << QString() << QList<double>{20, 30, 200, 45};
        QTest::newRow("combo keeps height")
            << int(ControlKind::ComboBox) << QString() << QList<double>{20, 30, 200, 21};
        QTest::newRow("NR keeps size") << other << u"NR"_qs << QList<double>{20, 30, 55, 21};
        QTest::newRow("NS aligns right to cmdShow") << other << u"NS"_qs << QList<double>{400 - 55 - 8, 30, 55, 21};
        QTest::newRow("line scales both ends") << int(ControlKind::Line) << QString() << QList<double>{20, 30, 220, 75};
    }
    void placement()
    {
        QFETCH(int, kind);
        QFETCH(QString, tag);
        const Placement p = place({10, 20, 100, 30}, ControlKind(kind), tag, {2.0, 1.5}, 55, 21, 400);
        QTEST((QList<double>{p.left, p.top, p.width, p.height}), "placed");
    }

    // Screen 28800 x 16200 twips, designed window 13320 x 7935.
    void startUpPosition_data()
    {
        // applied: "left,top,width,height" with - for not applied
        addColumns<QString, int, QString>("text", "mode", "applied");
        QTest::newRow("normal") << u"Normal"_qs << 0 << u"-,-,-,-"_qs;
        QTest::newRow("maximized") << u"Maximized"_qs << 1 << u"-,-,-,-"_qs;
        QTest::newRow("valid") << u"1200,900,13560,8640"_qs << 2 << u"1200,900,13560,8640"_qs;
        QTest::newRow("zero keeps designed place") << u"0,0,13560,8640"_qs << 2 << u"-,-,13560,8640"_qs;
        QTest::newRow("right and bottom edge") << u"15480,8265,13560,8640"_qs << 2 << u"-,-,13560,8640"_qs;
        QTest::newRow("just inside") << u"15479,8264,13560,8640"_qs << 2 << u"15479,8264,13560,8640"_qs;
        QTest::newRow("missing parts") << u"1200,900"_qs << 2 << u"1200,900,-,-"_qs;
        QTest::newRow("not numbers") << u"a,b,c,d"_qs << 2 << u"-,-,-,-"_qs;
    }
    void startUpPosition()
    {
        QFETCH(QString, text);
        const StartUpPosition p = parseStartUpPosition(text, 28800, 16200, 13320, 7935);
        QTEST(int(p.mode), "mode");
        auto show = [](const std::optional<double>& v) { return v ? QString::number(*v) : u"-"_qs; };
        QTEST(show(p.left) + u',' + show(p.top) + u',' + show(p.width) + u',' + show(p.height), "applied");
        QCOMPARE(formatStartUpPosition(WindowState::Normal, 1200, 900, 13560, 8640), u"1200,900,13560,8640"_qs);
        QCOMPARE(formatStartUpPosition(WindowState::Minimized, 1, 2, 3, 4), u"Normal"_qs);
        QCOMPARE(formatStartUpPosition(WindowState::Maximized, 1, 2, 3, 4), u"Maximized"_qs);
    }
};

QTEST_GUILESS_MAIN(TestCommon)
#include "test_common.moc"
