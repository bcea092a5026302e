#include "common/clock.h"
#include "support/test_files.h"
#include "updatecheck/update_check.h"
#include "updatecheck/update_plan.h"

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

} // namespace

class TestUpdatePlan : public QObject {
    Q_OBJECT
private slots:
    // A header only on a missing or empty plan; what the user wrote stays as it is. A plan
    // that cannot be written is left to the check-update command's test.
    void headerOnlyOnAnEmptyFile_data()
    {
        QTest::addColumn<QByteArray>("before"); // null: no file
        QTest::addColumn<QByteArray>("afterOne");
        QTest::newRow("missing") << QByteArray() << header() + entry("7000001");
        QTest::newRow("empty") << QByteArray("") << header() + entry("7000001");
        QTest::newRow("the user's text kept as it is") << QByteArray("x") << QByteArray("x") + entry("7000001");
    }
    void headerOnlyOnAnEmptyFile()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, afterOne);
        QTemporaryDir dir;
        const QString plan = updatePlanPath(dir.path());
        QCOMPARE(QFileInfo(plan).fileName(), u"Updateplan.txt"_qs);
        QVERIFY(before.isNull() || TestFiles::write(plan, before));
        QVERIFY(AppendToUpdatePlan(dir.path(), planEntry(u"7000001"_qs), kWhen).ok());
        QCOMPARE(TestFiles::read(plan), afterOne);
        QVERIFY(AppendToUpdatePlan(dir.path(), planEntry(u"7000002"_qs), kWhen).ok());
        QCOMPARE(TestFiles::read(plan), afterOne + entry("7000002"));
    }
};

QTEST_GUILESS_MAIN(TestUpdatePlan)
#include "test_update_plan.moc"
