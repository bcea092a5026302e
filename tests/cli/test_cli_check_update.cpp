#include "common/text_file.h"
#include "support/test_files.h"
#include "updatecheck/family_files.h"
#include "updatecheck/update_check.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run runCli(const QStringList& arguments, const QString& program = QStringLiteral(QUILLON_CLI))
{
    QProcess process;
    process.start(program, QStringList{u"check-update"_qs} + arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString demo(const QString& folder)
{
    return QStringLiteral(QUILLON_SOURCE_DIR "/demo/") + folder;
}

// The answer printed for each number: "family|hardware|result".
QMap<QString, QString> answers(const QString& out)
{
    QMap<QString, QString> result;
    QString number;
    QStringList fields{QString(), QString(), QString()};
    const auto flush = [&] {
        if (!number.isEmpty())
            result.insert(number, fields.join(u'|'));
        fields = {QString(), QString(), QString()};
    };
    for (const QString& line : out.split(u'\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith(u"  ")) {
            flush();
            number = line;
            continue;
        }
        const QString value = line.section(u" : "_qs, 1);
        if (line.startsWith(u"  ECU family"))
            fields[0] = value;
        else if (line.startsWith(u"  Hardware number"))
            fields[1] = value;
        else if (line.startsWith(u"  Result"))
            fields[2] = value;
    }
    flush();
    return result;
}

// What the core says about a number, in the same form.
QString coreAnswer(const QString& folder, const QString& number)
{
    const UpdateCheck check = CheckForUpdate(folder, number);
    if (!check.found)
        return u"||"_qs + check.familyText() + u' ' + check.updateText();
    return check.family + u'|' + check.hardware + u'|' + check.updateText();
}

// Every assembly number the demo's list files hold.
QStringList listedNumbers(const QString& folder)
{
    QStringList numbers;
    const QDir data(folder + u"/DATA"_qs);
    for (const QString& family : data.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const auto lines = TextFile::readLines(data.filePath(family + u'/' + family + u".DAT"_qs));
        if (lines)
            for (const QString& line : lines.value())
                numbers.append(line.left(7));
    }
    numbers.removeDuplicates();
    return numbers;
}

QStringList planNumbers(const QString& planPath)
{
    const auto lines = TextFile::readLines(planPath);
    QStringList numbers;
    if (lines)
        for (const QString& line : lines.value())
            if (line.startsWith(u"Assembly number\t: "))
                numbers.append(line.mid(18));
    return numbers;
}

} // namespace

class TestCliCheckUpdate : public QObject {
    Q_OBJECT
private slots:
    void demoAnswers_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("answer");
        const QString nfs = u"EC-APPS/NFS"_qs, sp = u"SP-DATEN-DEM"_qs;
        QTest::newRow("chain of two") << nfs << u"7561023"_qs << u"DEMO_DME|7561000|Update available --> 7561025"_qs;
        QTest::newRow("newer in SP-daten") << sp << u"7561023"_qs << u"DEMO_DME|7561000|Update available --> 7561026"_qs;
        QTest::newRow("newest already") << nfs << u"7561025"_qs << u"DEMO_DME|7561000|No update available"_qs;
        QTest::newRow("other hardware only") << nfs << u"7545200"_qs << u"DEMO_EGS|7545100|No update available"_qs;
        QTest::newRow("no history file") << nfs << u"6932480"_qs << u"DEMO_LCM|6932400|No update available"_qs;
        QTest::newRow("only in SP-daten") << nfs << u"6911350"_qs << u"||Nothing found... Check assembly line data"_qs;
        QTest::newRow("six characters") << nfs << u"756102"_qs
                                        << u"||Nothing found... Assembly number must be 7 digit"_qs;
    }

    void demoAnswers()
    {
        QFETCH(QString, folder);
        QFETCH(QString, number);
        QFETCH(QString, answer);
        const Run run = runCli({u"--data"_qs, demo(folder), number});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(answers(run.out).value(number), answer);
    }

    // Every number of the demo, asked in one run, gets the answer the window's check gives.
    void sameAnswersAsTheCore_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("NFS") << demo(u"EC-APPS/NFS"_qs);
        QTest::newRow("SP-daten") << demo(u"SP-DATEN-DEM"_qs);
    }

    void sameAnswersAsTheCore()
    {
        QFETCH(QString, folder);
        const QStringList numbers = listedNumbers(folder) + QStringList{u"0000000"_qs};
        QVERIFY(numbers.size() >= 6);
        const Run run = runCli(QStringList{u"--data"_qs, folder} + numbers);
        QCOMPARE(run.exitCode, 0);
        const auto printed = answers(run.out);
        QCOMPARE(printed.size(), numbers.size());
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
        QTest::newRow("--data without value") << QStringList{u"7561023"_qs, u"--data"_qs} << u"--data"_qs;
        QTest::newRow("unknown option") << QStringList{u"--data"_qs, nfs, u"--fast"_qs, u"7561023"_qs}
                                        << u"--fast"_qs;
        QTest::newRow("DATA missing") << QStringList{u"--data"_qs, demo(u"NCSEXPER"_qs), u"7561023"_qs}
                                      << u"not found"_qs;
    }

    void badArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run run = runCli(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    void planGrowsWithEachUpdate()
    {
        QTemporaryDir program;
        const QString plan = program.filePath(u"Updateplan.txt"_qs);
        const QStringList common{u"--data"_qs, demo(u"EC-APPS/NFS"_qs), u"--plan"_qs, u"--program-folder"_qs,
                                 program.path()};
        Run run = runCli(common + QStringList{u"7561023"_qs, u"6932480"_qs, u"1234567"_qs, u"6941010"_qs});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.count(u"Added to"_qs), 2);
        QCOMPARE(planNumbers(plan), (QStringList{u"7561023"_qs, u"6941010"_qs}));

        run = runCli(common + QStringList{u"7561024"_qs});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(planNumbers(plan), (QStringList{u"7561023"_qs, u"6941010"_qs, u"7561024"_qs}));

        const QStringList lines = TextFile::readLines(plan).value();
        QCOMPARE(lines.count(u"       Generated with Quillon"_qs), 1);
        QCOMPARE(lines.mid(0, 5).join(u'\n'),
                 QString(51, u'=') + u"\n       Generated with Quillon\n"_qs + QString(51, u'=') + u"\n\nDate\t\t: "_qs
                     + lines[4].mid(8));
        QVERIFY(lines.contains(u"Update to\t: 7561025"_qs));
        QVERIFY(lines.contains(u"ECU family\t: DEMO_KOMBI"_qs));
        QVERIFY(lines.contains(u"Hardware number\t: 6941000"_qs));
        QVERIFY(TestFiles::read(plan).endsWith("===================================================\r\n\r\n"));
    }

    // Without --program-folder the plan lies next to the program.
    void planNextToTheProgram()
    {
        QTemporaryDir bin;
        const QString copy = bin.filePath(u"quillon-cli"_qs);
        QVERIFY(QFile::copy(QStringLiteral(QUILLON_CLI), copy));
        QVERIFY(QFile::setPermissions(copy, QFile::permissions(QStringLiteral(QUILLON_CLI))));
        const Run run = runCli({u"--data"_qs, demo(u"SP-DATEN-DEM"_qs), u"--plan"_qs, u"6911350"_qs}, copy);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(planNumbers(bin.filePath(u"Updateplan.txt"_qs)), QStringList{u"6911350"_qs});
    }

    void unwritablePlanFails()
    {
        QTemporaryDir program;
        QVERIFY(QDir(program.path()).mkpath(u"Updateplan.txt"_qs));
        const Run run = runCli({u"--data"_qs, demo(u"EC-APPS/NFS"_qs), u"--plan"_qs, u"--program-folder"_qs,
                                program.path(), u"7561023"_qs});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.contains(u"Update available --> 7561025"_qs));
        QVERIFY2(run.err.contains(u"Updateplan.txt"_qs), qPrintable(run.err));
    }

    // A tangled history in the user's data must not hang the tool.
    void cycleInTheDataEnds()
    {
        QTemporaryDir dir;
        QVERIFY(writeAssemblyData(dir.path(), {u"F/F.DAT|1000001 0000000 2000000|1000002 0000000 2000000"_qs,
                                               u"F/F.HIS|1000001 1000002|1000002 1000001"_qs}));
        const Run run = runCli({u"--data"_qs, dir.path(), u"1000001"_qs, u"1000002"_qs});
        QCOMPARE(run.exitCode, 0);
        const auto printed = answers(run.out);
        QCOMPARE(printed.value(u"1000001"_qs), u"F|2000000|Update available --> 1000002"_qs);
        QCOMPARE(printed.value(u"1000002"_qs), u"F|2000000|Update available --> 1000001"_qs);
    }
};

QTEST_GUILESS_MAIN(TestCliCheckUpdate)
#include "test_cli_check_update.moc"
