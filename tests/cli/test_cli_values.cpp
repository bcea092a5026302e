#include "support/cli_run.h"
#include "support/test_files.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

// TAGFAHRLICHT is in the demo's data, BREMSE in no keyword file, AKUSTIK_VERRIEGELN not in
// the module.
const QStringList kTrace = {u"TAGFAHRLICHT"_qs, u"\tnicht_aktiv"_qs, u"BREMSE"_qs,
                            u"\tein"_qs,        u"AKUSTIK_VERRIEGELN"_qs, u"\taktiv"_qs};

} // namespace

class TestCliValues : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString trace(const QStringList& lines) const
    {
        const QString path = m_dir.filePath(u"trace%1.trc"_qs.arg(lines.size()));
        return TestFiles::write(path, TestFiles::crlf(lines)) ? path : QString();
    }
    CliRun values(const QStringList& arguments) const
    {
        return runCli(QStringList{u"values"_qs, u"--ncs"_qs, QStringLiteral(QUILLON_SOURCE_DIR "/demo/NCSEXPER"),
                                  u"--chassis"_qs, u"DEM"_qs}
                      + arguments);
    }

private slots:
    void text_data()
    {
        QTest::addColumn<QStringList>("traceLines");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::newRow("functions missing")
            << kTrace << 1
            << u"TAGFAHRLICHT\n\t  aktiv\n\t* nicht_aktiv\nBREMSE\n\t! function not found in the function keyword "
               u"file\nAKUSTIK_VERRIEGELN\n\t! function not found in the module file\n"_qs;
        QTest::newRow("all found") << kTrace.mid(0, 2) << 0 << u"TAGFAHRLICHT\n\t  aktiv\n\t* nicht_aktiv\n"_qs;
    }
    void text()
    {
        QFETCH(QStringList, traceLines);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        const CliRun run = values({u"--module"_qs, u"LCM_DEM.C05"_qs, trace(traceLines)});
        QCOMPARE(run.out, out);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.err.contains(u"Not all parameters are found."_qs), exitCode == 1);
    }

    void json()
    {
        const CliRun run = values({u"--json"_qs, u"--module"_qs, u"LCM_DEM.C05"_qs, trace(kTrace)});
        QCOMPARE(run.exitCode, 1);
        const QJsonArray array = QJsonDocument::fromJson(run.out.toUtf8()).array();
        QCOMPARE(array.size(), 3);
        QCOMPARE(array[0].toObject(), (QJsonObject{{u"function"_qs, u"TAGFAHRLICHT"_qs},
                                                   {u"values"_qs, QJsonArray{u"aktiv"_qs, u"nicht_aktiv"_qs}},
                                                   {u"loaded"_qs, QJsonArray{u"nicht_aktiv"_qs}},
                                                   {u"error"_qs, QJsonValue()}}));
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments"); // after --ncs and --chassis DEM
        QTest::addColumn<QString>("message");
        const QString module = u"--module"_qs, lcm = u"LCM_DEM.C05"_qs;
        QTest::newRow("no module") << QStringList{u"TRACE"_qs} << u"Usage:"_qs;
        QTest::newRow("option without value") << QStringList{module} << u"--module needs a value"_qs;
        QTest::newRow("unknown option") << QStringList{u"--fast"_qs} << u"unknown option --fast"_qs;
        QTest::newRow("two traces") << QStringList{module, lcm, u"TRACE"_qs, u"TRACE"_qs} << u"only one trace"_qs;
        QTest::newRow("missing trace") << QStringList{module, lcm, u"/nonexistent/x.trc"_qs} << u"x.trc"_qs;
        QTest::newRow("missing chassis") << QStringList{u"--chassis"_qs, u"E00"_qs, module, lcm, u"TRACE"_qs}
                                         << u"SWTFSW*.DAT not found."_qs;
        QTest::newRow("missing module") << QStringList{module, u"XYZ.C01"_qs, u"TRACE"_qs} << u"XYZ.C01"_qs;
    }
    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        arguments.replaceInStrings(u"TRACE"_qs, trace(kTrace));
        const CliRun run = values(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliValues)
#include "test_cli_values.moc"
