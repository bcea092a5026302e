#include "common/clock.h"
#include "common/paths.h"
#include "support/data_table.h"
#include "updatecheck/family_files.h"
#include "updatecheck/update_check.h"
#include "updatecheck/update_plan.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Columns: 1-7 number, 9-15 anything, 17-23 hardware.
QString listLine(const QString& number, const QString& hardware)
{
    return number + QStringLiteral(" 0000000 ") + hardware + QStringLiteral(" demo");
}

QString hisLine(const QString& from, const QString& to)
{
    return from + u' ' + to + QStringLiteral(" 20240101");
}

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
    return "Date\t\t: " + DateText::general(kWhen).toLatin1()
           + "\r\n"
             "\r\n"
             "Assembly number\t: "
           + number
           + "\r\n"
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

class TestUpdateCheck : public QObject {
    Q_OBJECT
private slots:
    void check_data()
    {
        addColumns<QStringList, QString, QString, QString, QString>("files", "number", "pathText", "hardwareText",
                                                                    "updateText");

        const QString a = u"7000001"_qs, b = u"7000002"_qs, c = u"7000003"_qs;
        const QString hw = u"7100000"_qs, otherHw = u"7100009"_qs;
        const QString dat = u"FAM/FAM.DAT|"_qs, his = u"FAM/FAM.HIS|"_qs;
        const QString found = u"Found in ECU family FAM"_qs, hwText = u"Hardware nr: 7100000"_qs;
        const QString noUpdate = u"No update available"_qs;
        const QStringList listABC = {dat + listLine(a, hw) + u'|' + listLine(b, hw) + u'|' + listLine(c, hw)};

        QTest::newRow("eight characters") << listABC << u"70000011"_qs << u"Nothing found..."_qs << QString()
                                          << u"Assembly number must be 7 digit"_qs;
        QTest::newRow("chain A-B-C, same hardware") << listABC + QStringList{his + hisLine(a, b) + u'|' + hisLine(b, c)}
                                                    << a << found << hwText << u"Update available --> 7000003"_qs;
        QTest::newRow("chain A-B-C, C with other hardware only")
            << QStringList{dat + listLine(a, hw) + u'|' + listLine(b, hw) + u'|' + listLine(c, otherHw),
                           his + hisLine(a, b) + u'|' + hisLine(b, c)}
            << a << found << hwText << noUpdate;
        QTest::newRow("cycle A-B-A ends at B") << listABC + QStringList{his + hisLine(a, b) + u'|' + hisLine(b, a)} << a
                                               << found << hwText << u"Update available --> 7000002"_qs;
        QTest::newRow("cycle A-A") << listABC + QStringList{his + hisLine(a, a)} << a << found << hwText << noUpdate;

        // The first family in name order, compared in upper case as NTFS lists them, wins.
        QTest::newRow("two families list the number")
            << QStringList{u"B_FAM/B_FAM.DAT|"_qs + listLine(a, otherHw), u"a_fam/a_fam.DAT|"_qs + listLine(a, hw)} << a
            << u"Found in ECU family a_fam"_qs << hwText << noUpdate;
        QTest::newRow("family without list file is skipped")
            << QStringList{u"A_EMPTY/A_EMPTY.HIS|"_qs + hisLine(a, b), u"B_DIR/B_DIR.DAT/"_qs,
                           u"C_FAM/C_FAM.DAT|"_qs + listLine(a, hw)}
            << a << u"Found in ECU family C_FAM"_qs << hwText << noUpdate;

        // A short line yields what it has.
        QTest::newRow("line ends inside the hardware")
            << QStringList{dat + a + u" 0000000 7100"_qs} << a << found << u"Hardware nr: 7100"_qs << noUpdate;
        // Failures: DATA missing (before the length is tested), and a history that opens but
        // cannot be read: a link to this process's own memory fails its first read at
        // address 0, for the superuser as well. What was found so far stays shown.
        QTest::newRow("no DATA, six characters")
            << QStringList() << u"700000"_qs << QString() << QString() << QString();
#ifdef Q_OS_LINUX
        QTest::newRow("unreadable history") << QStringList{dat + listLine(a, hw), u"FAM/FAM.HIS>/proc/self/mem"_qs} << a
                                            << found << hwText << QString();
#endif
        QTest::newRow("history line without replacement")
            << QStringList{dat + listLine(a, hw) + u"||"_qs, his + a + u"|"_qs} << a << found << hwText << noUpdate;
    }

    void check()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, number);
        QFETCH(QString, hardwareText);
        QFETCH(QString, updateText);
        QTemporaryDir dir;
        QVERIFY(writeAssemblyData(dir.path(), files));

        const UpdateCheck result = CheckForUpdate(dir.path(), number);
        QTEST(result.familyText(), "pathText");
        QCOMPARE(result.hardwareText(), hardwareText);
        QCOMPARE(result.updateText(), updateText);
        const QString his = Paths::toNative(dir.filePath(u"DATA/FAM/FAM.HIS"_qs));
        const QString error =
            files.isEmpty() ? Paths::join(dir.path(), u"\\DATA"_qs) + u" not found.\r\nSet your default folders."_qs
            : updateText.isEmpty() ? his + u": "_qs
                                   : QString();
        QVERIFY2(result.error.startsWith(error) && result.error.isEmpty() == error.isEmpty(), qPrintable(result.error));
        QCOMPARE(result.outcome == UpdateCheck::Outcome::Failed, !error.isEmpty());
    }

    // A header only on a missing or empty plan; what the user wrote stays as it is. A plan
    // that cannot be written is left to the check-update command's test.
    void headerOnlyOnAnEmptyFile_data()
    {
        // before: null for no file
        addColumns<QByteArray, QByteArray>("before", "afterOne");
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

QTEST_GUILESS_MAIN(TestUpdateCheck)
#include "test_update_check.moc"
