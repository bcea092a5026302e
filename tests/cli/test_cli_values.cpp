#include "common/ansi_codec.h"
#include "support/test_files.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

using TestFiles::bytes;

QByteArray valueEntry(int idHigh, int idLow)
{
    return bytes({0x0C, 0x10, 0x00, idHigh, idLow, 0x08, 0x55});
}

QByteArray record(int idHigh, int idLow, const QByteArray& entries)
{
    return bytes({0x12, 0x00, 0x00, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, idHigh, idLow, 0x55}) + entries;
}

// An NCS Expert folder with one chassis: LICHT and GRÖSSE are in its data, BREMSE is not.
void writeDaten(const QString& ncs)
{
    const QString chassis = ncs + QStringLiteral("/DATEN/E99/");
    QDir().mkpath(chassis);
    TestFiles::write(chassis + QStringLiteral("SWTFSW01.DAT"),
                     "FSW-Schluesselwoerter" + bytes({0x00, 0x05, 0x06}) + "LICHT" + bytes({0x00, 0x07, 0x08})
                         + Ansi::encode(QStringLiteral("GRÖSSE")) + bytes({0x00}));
    TestFiles::write(chassis + QStringLiteral("SWTPSW01.DAT"),
                     "Kopf KEYWORD" + bytes({0x00, 0x01, 0x00, 0xA1, 0xB1}) + "aktiv" + bytes({0x00, 0x01, 0x00, 0xA2, 0xB2})
                         + "nicht_aktiv" + bytes({0x00, 0x01, 0x00, 0xA3, 0xB3}) + Ansi::encode(QStringLiteral("groß"))
                         + bytes({0x00, 0x01, 0x00, 0xA4, 0xB4}) + "klein" + bytes({0x00}));
    TestFiles::write(chassis + QStringLiteral("LSZ.C04"),
                     "LSZ INDIVID 13 bytes here" + record(0x05, 0x06, valueEntry(0xA2, 0xB2) + valueEntry(0xA1, 0xB1))
                         + record(0x07, 0x08, valueEntry(0xA4, 0xB4) + valueEntry(0xA3, 0xB3)));
}

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run runCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUILLON_CLI), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

const QStringList kTrace = {u"LICHT"_qs, u"\taktiv"_qs, u"BREMSE"_qs, u"\tein"_qs, u"GRÖSSE"_qs, u"\tklein"_qs};

} // namespace

class TestCliValues : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString ncs() const { return m_dir.filePath(QStringLiteral("NCSEXPER")); }
    QString trace(const QStringList& lines)
    {
        const QString path = m_dir.filePath(QStringLiteral("trace%1.trc").arg(++m_traces));
        TestFiles::write(path, TestFiles::crlf(lines));
        return path;
    }
    int m_traces = 0;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        writeDaten(ncs());
    }

    void text_data()
    {
        QTest::addColumn<QStringList>("traceLines");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::newRow("one function missing")
            << kTrace << 1
            << u"LICHT\n\t* aktiv\n\t  nicht_aktiv\nBREMSE\n\t! function not found in the function keyword file\n"
               u"GRÖSSE\n\t  groß\n\t* klein\n"_qs;
        QTest::newRow("all found") << kTrace.mid(0, 2) << 0 << u"LICHT\n\t* aktiv\n\t  nicht_aktiv\n"_qs;
    }

    void text()
    {
        QFETCH(QStringList, traceLines);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        const Run run = runCli({u"values"_qs, u"--ncs"_qs, ncs(), u"--chassis"_qs, u"E99"_qs, u"--module"_qs,
                                u"LSZ.C04"_qs, trace(traceLines)});
        QCOMPARE(run.out, out);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.err.contains(u"Not all parameters are found."_qs), exitCode == 1);
    }

    void json()
    {
        const Run run = runCli({u"values"_qs, u"--json"_qs, u"--ncs"_qs, ncs(), u"--chassis"_qs, u"E99"_qs,
                                u"--module"_qs, u"LSZ.C04"_qs, trace(kTrace)});
        QCOMPARE(run.exitCode, 1);
        const QJsonArray array = QJsonDocument::fromJson(run.out.toUtf8()).array();
        QCOMPARE(array.size(), 3);
        const QJsonObject bremse = array[1].toObject();
        QCOMPARE(bremse.value(u"function"_qs).toString(), u"BREMSE"_qs);
        QCOMPARE(bremse.value(u"values"_qs).toArray(), QJsonArray());
        QCOMPARE(bremse.value(u"loaded"_qs).toArray(), QJsonArray{u"ein"_qs});
        QCOMPARE(bremse.value(u"error"_qs).toString(), u"function not found in the function keyword file"_qs);
        const QJsonObject groesse = array[2].toObject();
        QCOMPARE(groesse.value(u"function"_qs).toString(), u"GRÖSSE"_qs);
        QCOMPARE(groesse.value(u"values"_qs).toArray(), (QJsonArray{u"groß"_qs, u"klein"_qs}));
        QCOMPARE(groesse.value(u"loaded"_qs).toArray(), QJsonArray{u"klein"_qs});
        QVERIFY(groesse.value(u"error"_qs).isNull());
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no module") << QStringList{u"--ncs"_qs, u"NCS"_qs, u"--chassis"_qs, u"E99"_qs, u"t.trc"_qs}
                                   << u"Usage:"_qs;
        QTest::newRow("option without value") << QStringList{u"--ncs"_qs} << u"--ncs needs a value"_qs;
        QTest::newRow("unknown option") << QStringList{u"--fast"_qs} << u"unknown option --fast"_qs;
        QTest::newRow("missing trace") << QStringList{u"--ncs"_qs, u"NCS"_qs, u"--chassis"_qs, u"E99"_qs, u"--module"_qs,
                                                      u"LSZ.C04"_qs, u"/nonexistent/x.trc"_qs}
                                       << u"x.trc"_qs;
        QTest::newRow("missing chassis") << QStringList{u"--ncs"_qs, u"NCS"_qs, u"--chassis"_qs, u"E00"_qs,
                                                        u"--module"_qs, u"LSZ.C04"_qs, u"TRACE"_qs}
                                         << u"SWTFSW*.DAT not found."_qs;
        QTest::newRow("missing module") << QStringList{u"--ncs"_qs, u"NCS"_qs, u"--chassis"_qs, u"E99"_qs,
                                                       u"--module"_qs, u"XYZ.C01"_qs, u"TRACE"_qs}
                                        << u"XYZ.C01"_qs;
    }

    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        arguments.replaceInStrings(QStringLiteral("NCS"), ncs());
        arguments.replaceInStrings(QStringLiteral("TRACE"), trace(kTrace));
        const Run run = runCli(QStringList{u"values"_qs} + arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliValues)
#include "test_cli_values.moc"
