#include "common/paths.h"
#include "support/cli_run.h"
#include "support/data_table.h"
#include "support/test_files.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>

namespace {

const QString kDemo = QStringLiteral(QUILLON_SOURCE_DIR "/demo/");
const QString kNcs = kDemo + u"NCSEXPER"_qs;
const QString kNfs = kDemo + u"EC-APPS/NFS"_qs;
const QString kDemoTrace = kNcs + u"/WORK/FSW_PSW.TRC"_qs;

// A function name with a byte above 127, a function without values (never written to the
// MAN file) and one with two value lines.
const QStringList kCurrent{u"GRÖSSE"_qs, u"\tklein"_qs, u"LEER"_qs, u"ZWEI"_qs, u"\ta"_qs, u"\tb"_qs};
// TAGFAHRLICHT is in the demo's data, BREMSE in no keyword file, AKUSTIK_VERRIEGELN not in LCM_DEM.C04.
const QStringList kValues{u"TAGFAHRLICHT"_qs, u"\tnicht_aktiv"_qs,      u"BREMSE"_qs,
                          u"\tein"_qs,        u"AKUSTIK_VERRIEGELN"_qs, u"\taktiv"_qs};
const QStringList kCompared{u"FUNKTION_A"_qs, u"\taktiv"_qs, u"\t\twert_01"_qs, u"GRÖSSE"_qs, u"\t\tklein"_qs};

// A command line split at blanks; $demo/, $ncs, $nfs and $trace stand for the demo's folders and trace.
QStringList args(const char* line)
{
    QStringList arguments = QString::fromUtf8(line).split(u' ');
    for (QString& a : arguments)
        a.replace(u"$demo/"_qs, kDemo)
            .replace(u"$ncs"_qs, kNcs)
            .replace(u"$nfs"_qs, kNfs)
            .replace(u"$trace"_qs, kDemoTrace);
    return arguments;
}

QStringList replaced(QStringList lines, qsizetype index, const QString& line)
{
    lines[index] = line;
    return lines;
}

QStringList found(const QString& number, const QString& family, const QString& hardware, const QString& result)
{
    return {number, u"  ECU family      : "_qs + family, u"  Hardware number : "_qs + hardware,
            u"  Result          : "_qs + result};
}

} // namespace

// Every command run as a user runs it. "@name" in arguments is a file in the test's folder:
// current (kCurrent), link (a hard link of it), values (kValues), man (holding "old" before
// each test), picture (no trace) and empty.
class TestCli : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString at(const QString& name) const { return Paths::toNative(m_dir.filePath(name)); }
    CliRun run(QStringList arguments) const
    {
        for (QString& argument : arguments)
            if (argument.startsWith(u'@'))
                argument = at(argument.mid(1));
        return runCli(arguments);
    }

private slots:
    void init()
    {
        QVERIFY(TestFiles::write(at(u"current"_qs), TestFiles::crlf(kCurrent)));
        QVERIFY(TestFiles::write(at(u"values"_qs), TestFiles::crlf(kValues)));
        QVERIFY(TestFiles::write(at(u"man"_qs), "old"));
        QVERIFY(TestFiles::write(at(u"picture"_qs), QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)));
        QVERIFY(TestFiles::write(at(u"empty"_qs), ""));
        std::error_code error;
        std::filesystem::remove(at(u"link"_qs).toStdU16String(), error);
        std::filesystem::create_hard_link(at(u"current"_qs).toStdU16String(), at(u"link"_qs).toStdU16String(), error);
        QVERIFY2(!error, error.message().c_str());
    }

    // Exit status 2, the reason on standard error, nothing on standard output (compare: its
    // header only), nothing written; a bad command line in one wording for every command.
    void refusals_data()
    {
        addColumns<QStringList, QString>("arguments", "message");
        const char* const rows[][3] = {
            {"unknown option", "apply --from @values --output @man @current --fast", "apply: unknown option --fast."},
            {"missing option", "check-update 7561023", "check-update: missing option --data <folder>."},
            {"missing argument", "compare @current", "compare: missing argument <trace 2>."},
            {"extra argument", "find-module a b", "find-module: unexpected argument b."},
            {"value not a choice", "install winkfp --backup maybe", "install: --backup is yes or no, not maybe."},
            {"argument not a choice", "install update", "install: <installation> is sp-daten or winkfp, not update."},
            {"record and --list", "restore @man --list", "restore: give a record or --list."},
            {"option in place of a value", "translations --table --missing x", "translations: --table needs a value."},
            // The whole of standard error.
            {"value left out", "values --ncs $ncs --chassis DEM @values --module",
             "quillon-cli values: --module needs a value. See quillon-cli values --help.\n"},
            {"apply, unreadable wanted trace", "apply --from @missing --output @man @current", "missing"},
            {"apply, wanted file not a trace", "apply --from @picture --output @man @current", "Line 2 holds control"},
            {"apply, MAN file over the current trace", "apply --from @values --output @current @current",
             "must not be"},
            {"apply, MAN file onto a hard link of the current trace", "apply --from @values --output @link @current",
             "must not be"},
            {"check-update, DATA missing", "check-update --data $ncs 7561023", "not found"},
            {"compare, unreadable files", "compare @a.trc @b.trc", "a.trc"},
            {"compare, output onto a trace", "compare @values @link --output @current", "must not be"},
            {"compare, not a trace", "compare @current @picture", "picture: Line 2 holds control characters"},
            {"find-module, no such chassis", "find-module --ncs $ncs --chassis E99 $trace", "E99 not found."},
            {"find-module, unreadable trace", "find-module --ncs $ncs --chassis DEM @missing.trc", "missing.trc"},
            {"find-module, not a trace", "find-module --ncs $ncs --chassis DEM @picture", "not an NCS Expert trace"},
            {"find-module, no functions", "find-module --ncs $ncs --chassis DEM @empty", "holds no functions"},
            {"translations, unreadable table", "translations --table @missing.csv $trace", "missing.csv"},
            {"translations, not a trace", "translations --table @x @picture", "not an NCS Expert trace"},
            {"translations, missing names onto the trace", "translations --table @x --missing @link @current",
             "must not go into the trace"},
            {"values, not a trace", "values --ncs $ncs --chassis DEM --module LCM_DEM.C05 @picture", "Line 2 holds"},
            {"values, missing chassis", "values --ncs $ncs --chassis E00 --module LCM_DEM.C05 @values",
             "SWTFSW*.DAT not found."},
            {"values, missing module", "values --ncs $ncs --chassis DEM --module XYZ.C01 @values", "XYZ.C01"},
            {"module, JSON and check", "module --ncs $ncs --chassis DEM --module LCM_DEM.C05 --json --check",
             "--check"},
            {"module, missing module", "module --ncs $ncs --chassis DEM --module XYZ.C01", "XYZ.C01 not found."},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << args(row[1]) << QString::fromUtf8(row[2]);
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const CliRun result = run(arguments);
        QCOMPARE(result.exitCode, 2);
        if (message.endsWith(u'\n'))
            QCOMPARE(result.err, message);
        else
            QVERIFY2(result.err.contains(message), qPrintable(result.err));
        if (arguments[0] != u"compare") // compare prints its header before it reads the files
            QCOMPARE(result.out, QString());
        QCOMPARE(TestFiles::read(at(u"man"_qs)), QByteArray("old"));
        QCOMPARE(TestFiles::read(at(u"current"_qs)), TestFiles::crlf(kCurrent));
    }

    void apply_data()
    {
        addColumns<QByteArray, int, QStringList, QByteArray>("wanted", "exitCode", "out", "man");
        const QString leer = u"not applied: LEER (only in the current trace)"_qs;
        QTest::newRow("not everything applied")
            << TestFiles::crlf({u"ZWEI"_qs, u"\tx"_qs, u"NEU"_qs, u"\tja"_qs}) << 1
            << QStringList{u"not applied: GRÖSSE (only in the current trace)"_qs, leer,
                           u"not applied: ZWEI (2 value lines, 1 in the wanted trace)"_qs,
                           u"not applied: NEU (only in the wanted trace)"_qs, u"0 values changed"_qs}
            << TestFiles::crlf({u"GRÖSSE"_qs, u"\tklein"_qs, u"ZWEI"_qs, u"\ta"_qs, u"\tb"_qs});
    }
    void apply()
    {
        QFETCH(QByteArray, wanted);
        QVERIFY(TestFiles::write(at(u"from"_qs), wanted));
        const CliRun result = run({u"apply"_qs, u"--from"_qs, u"@from"_qs, u"--output"_qs, u"@man"_qs, u"@current"_qs});
        QTEST(result.exitCode, "exitCode");
        QTEST(result.outLines(), "out");
        QCOMPARE(result.err, QString());
        QTEST(TestFiles::read(at(u"man"_qs)), "man");
        QCOMPARE(TestFiles::read(at(u"current"_qs)), TestFiles::crlf(kCurrent)); // the traces are only read
    }

    // SP-daten knows a newer number than the tools' NFS.
    void checkUpdate_data()
    {
        addColumns<QString, QStringList, QStringList>("folder", "numbers", "out");
        const QString dme = u"DEMO_DME"_qs, result = u"  Result          : Nothing found... "_qs;
        QTest::newRow("NFS") << kNfs << QStringList{u"7561023"_qs, u"6932480"_qs, u"1234567"_qs, u"756102"_qs}
                             << found(u"7561023"_qs, dme, u"7561000"_qs, u"Update available --> 7561025"_qs)
                                    + found(u"6932480"_qs, u"DEMO_LCM"_qs, u"6932400"_qs, u"No update available"_qs)
                                    + QStringList{u"1234567"_qs, result + u"Check assembly line data"_qs, u"756102"_qs,
                                                  result + u"Assembly number must be 7 digit"_qs};
        QTest::newRow("SP-daten") << kDemo + u"SP-DATEN-DEM"_qs << QStringList{u"7561023"_qs}
                                  << found(u"7561023"_qs, dme, u"7561000"_qs, u"Update available --> 7561026"_qs);
    }
    void checkUpdate()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, numbers);
        const CliRun result = run(QStringList{u"check-update"_qs, u"--data"_qs, folder} + numbers);
        QTEST(result.outLines(), "out");
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.err, QString());
    }

    // Compared with kCompared; the export is written only after a complete comparison.
    void compare_data()
    {
        addColumns<QStringList, int, QStringList>("file2", "exitCode", "result");
        QTest::newRow("identical") << kCompared << 0 << QStringList{u"0 differences"_qs};
        QTest::newRow("one changed value, non-ASCII function")
            << replaced(kCompared, 4, u"\t\tgroß"_qs) << 1
            << QStringList{u"GRÖSSE"_qs, u"File 1 --> klein"_qs, u"File 2 --> groß"_qs, QString(), u"1 difference"_qs};
        // Lines that differ only in their tabs are listed; each under its function's line.
        QTest::newRow("tabs only, two lines of one function")
            << replaced(replaced(kCompared, 1, u"\t\taktiv"_qs), 2, u"\twert_02"_qs) << 1
            << QStringList{u"FUNKTION_A"_qs,   u"File 1 --> aktiv"_qs,   u"File 2 --> aktiv"_qs,   QString(),
                           u"FUNKTION_A"_qs,   u"File 1 --> wert_01"_qs, u"File 2 --> wert_02"_qs, QString(),
                           u"2 differences"_qs};
        // Of different lengths: the functions only one file has, empty lines and repeats not counted.
        const QString mismatch = u"Comparison not possible, trace files do not match!"_qs;
        QTest::newRow("different length, same functions")
            << kCompared.mid(0, 4) << 2
            << QStringList{mismatch, QString(),
                           u"Both files hold the same functions; their other lines differ in number."_qs};
        QStringList others{u"FUNKTION_A"_qs, u"\taktiv"_qs, u"NEU"_qs, QString()};
        for (int i = 1; i <= 11; ++i)
            others << u"X%1"_qs.arg(i, 2, 10, QChar(u'0'));
        QTest::newRow("different length, functions only in one file")
            << others + QStringList{u"X01"_qs} << 2
            << QStringList{mismatch,     QString(), u"Only in file 1: 1 function"_qs,
                           u"GRÖSSE"_qs, QString(), u"Only in file 2: 12 functions"_qs,
                           u"NEU"_qs}
                   + others.mid(4, 9) + QStringList{u"... and 2 more"_qs};
        QTest::newRow("first line differs") << replaced(kCompared, 0, u"FUNKTION_Z"_qs) << 2 << QStringList();
    }
    void compare()
    {
        QFETCH(QStringList, file2);
        QFETCH(int, exitCode);
        QFETCH(QStringList, result);
        QVERIFY(TestFiles::write(at(u"one.trc"_qs), TestFiles::crlf(kCompared)));
        QVERIFY(TestFiles::write(at(u"two.trc"_qs), TestFiles::crlf(file2)));
        QFile::remove(at(u"export.txt"_qs));
        const CliRun ran = run({u"compare"_qs, u"@one.trc"_qs, u"@two.trc"_qs, u"--output"_qs, u"@export.txt"_qs});
        QCOMPARE(ran.exitCode, exitCode);
        const QStringList expected =
            QStringList{u"Trace differences:"_qs, QString(), u"File 1 --> "_qs + at(u"one.trc"_qs),
                        u"File 2 --> "_qs + at(u"two.trc"_qs), QString()}
            + result;
        QCOMPARE(ran.outLines(), expected);
        QCOMPARE(ran.err.isEmpty(), exitCode != 2 || !result.isEmpty());
        const QString rule(51, u'=');
        QCOMPARE(TestFiles::read(at(u"export.txt"_qs)),
                 exitCode == 2 ? QByteArray()
                               : TestFiles::crlf(QStringList{rule, u"       Generated with Quillon"_qs, rule, QString()}
                                                 + expected));
    }

    void findModule()
    {
        const QStringList arguments = args("find-module --ncs $ncs --chassis DEM $trace");
        const CliRun text = run(arguments);
        QCOMPARE(text.exitCode, 0);
        QCOMPARE(text.outLines(),
                 (QStringList{u"LCM_DEM.C05\t40\t40"_qs, u"LCM_DEM.C06\t37\t40"_qs, u"LCM_DEM.C04\t36\t39"_qs,
                              u"LCM_DEM.C03\t29\t30"_qs, u"KOMBI.C02\t8\t8"_qs, u"ZKE_DEM.C07\t7\t7"_qs}));
        const CliRun json = run(QStringList{u"find-module"_qs, u"--json"_qs} + arguments.mid(1));
        const QJsonArray modules = QJsonDocument::fromJson(json.out.toUtf8()).array();
        const QJsonObject best = modules.first().toObject();
        QCOMPARE(best.value(u"module"_qs).toString(), u"LCM_DEM.C05"_qs);
        QVERIFY(best.value(u"error"_qs).isNull());
        for (const QJsonValue& m : modules) { // what a module lacks is what its counts leave out
            QCOMPARE(m[u"missing"_qs].toArray().size(), m[u"functions"_qs].toInt() - m[u"found"_qs].toInt());
            QCOMPARE(m[u"unknownValues"_qs].toArray().size(), m[u"found"_qs].toInt() - m[u"matching"_qs].toInt());
        }
    }

    // The demo's modules by their structure: the last of two functions as JSON; the check of
    // the whole chassis; a function the module lacks; a keyword file given as module.
    void module_data()
    {
        addColumns<QString, int, QStringList>("arguments", "exitCode", "out");
        QTest::newRow("JSON, another field order")
            << u"LCM_DEM.C06 --json CODIERINDEX TACHO_EINHEIT"_qs << 0
            << QStringList{
                   uR"({"fields":{"BLOCKNR":3,"BYTEADR":73,"FSW":2624,"GRUPPE":null,"INDEX":33,"KENNUNG":23130,)"
                   uR"("MASKE":1,"WORTADR":12288},"function":"TACHO_EINHEIT","id":2624,"shares_bits_with":[],)"
                   uR"("values":[{"bytes":"01","fields":{"DATEN":"01","PSW":20016},"id":20016,"value":"kmh"},)"
                   uR"({"bytes":"00","fields":{"DATEN":"00","PSW":21040},"id":21040,"value":"mph"}]})"_qs};
        QTest::newRow("check") << u"LCM_DEM.C04 --check"_qs << 0
                               << QStringList{u"8 binary files checked, 0 damaged"_qs,
                                              u"LCM_DEM.C04: 39 functions, the structure and the search agree"_qs};
        QTest::newRow("function not in the module") << u"LCM_DEM.C04 AKUSTIK_VERRIEGELN"_qs << 1 << QStringList();
        QTest::newRow("not a module file") << u"SWTFSW01.DAT"_qs << 1 << QStringList();
    }
    void module()
    {
        QFETCH(QString, arguments);
        const CliRun result = run(args("module --ncs $ncs --chassis DEM --module") + arguments.split(u' '));
        QTEST(result.exitCode, "exitCode");
        const QJsonDocument json = QJsonDocument::fromJson(result.out.toUtf8());
        QTEST(json.isArray() ? QStringList{QString::fromUtf8(
                  QJsonDocument(json.array().last().toObject()).toJson(QJsonDocument::Compact))}
                             : result.outLines(),
              "out");
        QCOMPARE(result.err.isEmpty(), result.exitCode == 0);
    }

    // A damaged module beside a text table: --check names the frame.
    void moduleDamaged()
    {
        const QString ncs = at(u"ncs"_qs), folder = ncs + u"/DATEN/DEM/"_qs;
        for (const QString& name : QDir(kNcs + u"/DATEN/DEM"_qs).entryList(QDir::Files))
            QVERIFY(TestFiles::write(folder + name, TestFiles::read(kNcs + u"/DATEN/DEM/"_qs + name)));
        QByteArray module = TestFiles::read(folder + u"LCM_DEM.C03"_qs);
        module[module.size() - 1] = char(module.back() ^ 0x01);
        QVERIFY(TestFiles::write(folder + u"LCM_DEM.C03"_qs, module) && TestFiles::write(folder + u"INFO.TXT"_qs, "x"));
        const CliRun check = run({u"module"_qs, u"--ncs"_qs, ncs, u"--chassis"_qs, u"DEM"_qs, u"--module"_qs,
                                  u"LCM_DEM.C05"_qs, u"--check"_qs});
        QCOMPARE(check.exitCode, 1);
        QVERIFY2(check.out.startsWith(u"LCM_DEM.C03: offset "_qs) && check.out.contains(u"check byte"_qs),
                 qPrintable(check.out));
        QCOMPARE(check.outLines().value(1), u"8 binary files checked, 1 damaged"_qs);
    }

    void translations()
    {
        const CliRun result =
            run(args("translations --table $demo/program-files/Translations.csv --missing @missing.csv $trace"));
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.outLines(),
                 (QStringList{u"functions: 38 of 40 translated"_qs, u"values: 13 of 15 translated"_qs,
                              u"missing: 4 names written to "_qs + at(u"missing.csv"_qs)}));
        QCOMPARE(TestFiles::read(at(u"missing.csv"_qs)),
                 QByteArray("einmal,\r\nLICHTHUPE_ANZAHL,\r\nREGENSENSOR_EMPFINDLICHKEIT,\r\nstufe_2,\r\n"));
    }

    void values_data()
    {
        addColumns<QStringList, int, QString>("traceLines", "exitCode", "out");
        QTest::newRow("functions missing")
            << kValues << 1
            << u"TAGFAHRLICHT\n\t  aktiv\n\t* nicht_aktiv\nBREMSE\n\t! function not found in the function keyword "
               u"file\nAKUSTIK_VERRIEGELN\n\t! function not found in the module file\n"_qs;
        QTest::newRow("all found") << kValues.mid(0, 2) << 0 << u"TAGFAHRLICHT\n\t  aktiv\n\t* nicht_aktiv\n"_qs;
    }
    void values()
    {
        QFETCH(QStringList, traceLines);
        QFETCH(int, exitCode);
        QVERIFY(TestFiles::write(at(u"values"_qs), TestFiles::crlf(traceLines)));
        const QStringList arguments = args("values --ncs $ncs --chassis DEM --module LCM_DEM.C04 @values");
        const CliRun result = run(arguments);
        QTEST(result.out, "out");
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.err.contains(u"Not all parameters are found."_qs), exitCode == 1);
        if (exitCode == 0)
            return;
        const CliRun json = run(arguments.mid(0, 5) + QStringList{u"--json"_qs} + arguments.mid(5));
        QCOMPARE(json.exitCode, 1);
        const QJsonArray array = QJsonDocument::fromJson(json.out.toUtf8()).array();
        QCOMPARE(array.size(), 3);
        QCOMPARE(array[0].toObject(), (QJsonObject{{u"function"_qs, u"TAGFAHRLICHT"_qs},
                                                   {u"values"_qs, QJsonArray{u"aktiv"_qs, u"nicht_aktiv"_qs}},
                                                   {u"loaded"_qs, QJsonArray{u"nicht_aktiv"_qs}},
                                                   {u"error"_qs, QJsonValue()}}));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
