#include "common/text_file.h"
#include "support/cli_run.h"
#include "updatecheck/update_check.h"

#include <QDir>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString demo(const QString& folder)
{
    return QStringLiteral(QUILLON_SOURCE_DIR "/demo/") + folder;
}

// What was printed for each number: its indented values joined with '|'.
QMap<QString, QString> answers(const CliRun& run)
{
    QMap<QString, QString> result;
    QString number;
    for (const QString& line : run.outLines()) {
        if (!line.startsWith(u"  "))
            number = line;
        else if (!line.startsWith(u"  Added to"))
            result[number] += line.section(u" : "_qs, 1) + u'|';
    }
    return result;
}

// What the core says about a number, in the same form.
QString coreAnswer(const QString& folder, const QString& number)
{
    const UpdateCheck check = CheckForUpdate(folder, number);
    if (!check.found)
        return check.familyText() + u' ' + check.updateText() + u'|';
    return check.family + u'|' + check.hardware + u'|' + check.updateText() + u'|';
}

// Every assembly number in the demo's list files, and one that is nowhere.
QStringList demoNumbers(const QString& folder)
{
    QStringList numbers{u"0000000"_qs, u"756102"_qs};
    const QDir data(folder + u"/DATA"_qs);
    for (const QString& family : data.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const auto lines = TextFile::readLines(data.filePath(family + u'/' + family + u".DAT"_qs));
        for (const QString& line : lines ? lines.value() : QStringList())
            numbers.append(line.left(7));
    }
    numbers.removeDuplicates();
    return numbers;
}

QStringList planNumbers(const QString& folder)
{
    QStringList numbers;
    const auto lines = TextFile::readLines(folder + u"/Updateplan.txt"_qs);
    for (const QString& line : lines ? lines.value() : QStringList())
        if (line.startsWith(u"Assembly number\t: "))
            numbers.append(line.mid(18));
    return numbers;
}

} // namespace

class TestCliCheckUpdate : public QObject {
    Q_OBJECT
private slots:
    // Every number of the demo, asked in one run, gets the answer the window's check gives;
    // SP-daten knows a newer number than the tools' NFS.
    void sameAnswersAsTheCore_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("answer"); // for 7561023
        QTest::newRow("NFS") << demo(u"EC-APPS/NFS"_qs) << u"DEMO_DME|7561000|Update available --> 7561025|"_qs;
        QTest::newRow("SP-daten") << demo(u"SP-DATEN-DEM"_qs) << u"DEMO_DME|7561000|Update available --> 7561026|"_qs;
    }
    void sameAnswersAsTheCore()
    {
        QFETCH(QString, folder);
        QFETCH(QString, answer);
        const QStringList numbers = demoNumbers(folder);
        QVERIFY(numbers.size() >= 8);
        const CliRun run = runCli(QStringList{u"check-update"_qs, u"--data"_qs, folder} + numbers);
        QCOMPARE(run.exitCode, 0);
        const auto printed = answers(run);
        QCOMPARE(printed.size(), numbers.size());
        QCOMPARE(printed.value(u"7561023"_qs), answer);
        for (const QString& number : numbers)
            QCOMPARE(printed.value(number), coreAnswer(folder, number));
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString nfs = demo(u"EC-APPS/NFS"_qs);
        QTest::newRow("no data folder") << QStringList{u"7561023"_qs} << u"--data"_qs;
        QTest::newRow("no number") << QStringList{u"--data"_qs, nfs} << u"assembly number"_qs;
        QTest::newRow("unknown option") << QStringList{u"--data"_qs, nfs, u"--fast"_qs, u"7561023"_qs} << u"--fast"_qs;
        QTest::newRow("DATA missing") << QStringList{u"--data"_qs, demo(u"NCSEXPER"_qs), u"7561023"_qs}
                                      << u"not found"_qs;
    }
    void badArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const CliRun run = runCli(QStringList{u"check-update"_qs} + arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    // Only numbers with an update go to the plan; a second run appends to it.
    void planGrowsWithEachUpdate()
    {
        QTemporaryDir program;
        const QStringList common{u"check-update"_qs, u"--data"_qs, demo(u"EC-APPS/NFS"_qs), u"--plan"_qs,
                                 u"--program-folder"_qs, program.path()};
        CliRun run = runCli(common + QStringList{u"7561023"_qs, u"6932480"_qs, u"1234567"_qs, u"6941010"_qs});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.count(u"Added to"_qs), 2);
        QCOMPARE(planNumbers(program.path()), (QStringList{u"7561023"_qs, u"6941010"_qs}));
        QCOMPARE(runCli(common + QStringList{u"7561024"_qs}).exitCode, 0);
        QCOMPARE(planNumbers(program.path()), (QStringList{u"7561023"_qs, u"6941010"_qs, u"7561024"_qs}));
    }

    void unwritablePlanExitsWithOne()
    {
        QTemporaryDir program;
        QVERIFY(QDir(program.path()).mkpath(u"Updateplan.txt"_qs));
        const CliRun run = runCli({u"check-update"_qs, u"--data"_qs, demo(u"EC-APPS/NFS"_qs), u"--plan"_qs,
                                   u"--program-folder"_qs, program.path(), u"7561023"_qs});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.contains(u"Update available --> 7561025"_qs));
        QVERIFY2(run.err.contains(u"Updateplan.txt"_qs), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestCliCheckUpdate)
#include "test_cli_check_update.moc"
