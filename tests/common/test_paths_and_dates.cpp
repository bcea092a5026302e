#include "common/clock.h"
#include "common/paths.h"

#include <QTest>

class TestPathsAndDates : public QObject {
    Q_OBJECT
private slots:
    void folderAndName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::newRow("backslashes") << u"D:\\Backup\\FSW_PSW.TRC"_qs << u"D:\\Backup"_qs << u"FSW_PSW.TRC"_qs;
        QTest::newRow("slashes") << u"/home/u/a.trc"_qs << u"/home/u"_qs << u"a.trc"_qs;
        QTest::newRow("no folder") << u"a.trc"_qs << QString() << u"a.trc"_qs;
    }
    void folderAndName()
    {
        QFETCH(QString, path);
        QTEST(Paths::folderOf(path), "folder");
        QTEST(Paths::nameOf(path), "name");
    }

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
    // in the locale's order of day, month and year.
    void generalDateHasAFourDigitYear_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("German") << u"de_DE"_qs << u"31.12.2012 23:59:59"_qs;
        QTest::newRow("British") << u"en_GB"_qs << u"31/12/2012 23:59:59"_qs;
        QTest::newRow("Dutch") << u"nl_NL"_qs << u"31-12-2012 23:59:59"_qs;
    }
    void generalDateHasAFourDigitYear()
    {
        QFETCH(QString, locale);
        QTEST(DateText::general(QDateTime(QDate(2012, 12, 31), QTime(23, 59, 59)), QLocale(locale)), "text");
    }
};

QTEST_GUILESS_MAIN(TestPathsAndDates)
#include "test_paths_and_dates.moc"
