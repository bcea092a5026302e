#include "common/clock.h"
#include "support/test_files.h"
#include "updatecheck/update_check.h"
#include "updatecheck/update_plan.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime kWhen(QDate(2024, 3, 9), QTime(14, 5, 7));

QByteArray header()
{
    return "===================================================\r\n"
           "       Generated with Quillon\r\n"
           "===================================================\r\n"
           "\r\n";
}

QByteArray entry(const QByteArray& number)
{
    return "Date\t\t: " + DateText::general(kWhen).toLatin1() + "\r\n"
           "\r\n"
           "Assembly number\t: " + number + "\r\n"
           "Hardware number\t: 7100000\r\n"
           "\r\n"
           "ECU family\t: DEMO_DME\r\n"
           "Update to\t: 7000003\r\n"
           "===================================================\r\n"
           "\r\n";
}

UpdatePlanEntry planEntry(const QString& number)
{
    return {number, u"7100000"_qs, u"DEMO_DME"_qs, u"7000003"_qs};
}

// The column a character lands in when tabs stop every eight columns.
int columnOf(const QString& line, QChar wanted)
{
    int column = 0;
    for (QChar c : line) {
        if (c == wanted)
            return column;
        column = c == u'\t' ? (column / 8 + 1) * 8 : column + 1;
    }
    return -1;
}

} // namespace

class TestUpdatePlan : public QObject {
    Q_OBJECT
private slots:
    void headerOnlyOnAnEmptyFile_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("afterOne");

        QTest::newRow("missing") << false << QByteArray() << header() + entry("7000001");
        QTest::newRow("empty") << true << QByteArray() << header() + entry("7000001");
        QTest::newRow("kept as the user left it")
            << true << QByteArrayLiteral("my notes\r\n") << QByteArrayLiteral("my notes\r\n") + entry("7000001");
        QTest::newRow("no line end at the end")
            << true << QByteArrayLiteral("x") << QByteArrayLiteral("x") + entry("7000001");
    }

    void headerOnlyOnAnEmptyFile()
    {
        QFETCH(bool, exists);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, afterOne);
        QTemporaryDir dir;
        const QString plan = updatePlanPath(dir.path());
        QCOMPARE(QFileInfo(plan).fileName(), u"Updateplan.txt"_qs);
        if (exists)
            QVERIFY(TestFiles::write(plan, before));

        QVERIFY(AppendToUpdatePlan(dir.path(), planEntry(u"7000001"_qs), kWhen).ok());
        QCOMPARE(TestFiles::read(plan), afterOne);
        QVERIFY(AppendToUpdatePlan(dir.path(), planEntry(u"7000002"_qs), kWhen).ok());
        QCOMPARE(TestFiles::read(plan), afterOne + entry("7000002"));
    }

    void labelsLineUpOnOneTabStop()
    {
        const QStringList lines = updatePlanEntryLines(planEntry(u"7000001"_qs), kWhen);
        QCOMPARE(lines.size(), 9);
        QList<int> columns;
        for (const QString& line : lines)
            if (line.contains(u':') && !line.startsWith(u'='))
                columns.append(columnOf(line, u':'));
        QCOMPARE(columns.size(), 5);
        for (int column : columns)
            QCOMPARE(column, 16);
    }

    void entryFromACheck()
    {
        UpdateCheck check;
        check.outcome = UpdateCheck::Outcome::UpdateAvailable;
        check.found = true;
        check.family = u"DEMO_DME"_qs;
        check.hardware = u"7100000"_qs;
        check.newest = u"7000003"_qs;
        // The number comes from the entry field, which the user may have edited.
        const UpdatePlanEntry e = UpdatePlanEntry::fromCheck(check, u"edited!"_qs);
        QCOMPARE(e.assemblyNumber, u"edited!"_qs);
        QCOMPARE(e.hardwareNumber, u"7100000"_qs);
        QCOMPARE(e.family, u"DEMO_DME"_qs);
        QCOMPARE(e.updateTo, u"7000003"_qs);
    }

    void unwritablePlanReportsAndKeepsTheFile_data()
    {
        QTest::addColumn<QString>("programFolder");
        QTest::newRow("folder missing") << u"missing"_qs;
        QTest::newRow("plan is a folder") << u"blocked"_qs;
    }

    void unwritablePlanReportsAndKeepsTheFile()
    {
        QFETCH(QString, programFolder);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(u"blocked/Updateplan.txt"_qs));
        const QString folder = dir.filePath(programFolder);
        const Status status = AppendToUpdatePlan(folder, planEntry(u"7000001"_qs), kWhen);
        QVERIFY(!status.ok());
        QVERIFY2(status.error().contains(u"Updateplan.txt"), qPrintable(status.error()));
        QVERIFY(!QFileInfo(updatePlanPath(folder)).isFile());
    }
};

QTEST_GUILESS_MAIN(TestUpdatePlan)
#include "test_update_plan.moc"
