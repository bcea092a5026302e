#include "common/ansi_codec.h"
#include "support/cli_run.h"
#include "support/test_files.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

using TestFiles::bytes;

// One module record: its function id, then one entry per value id.
QByteArray record(int id, std::initializer_list<int> valueIds)
{
    QByteArray out = bytes({0x12, 0x00, 0x00, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, id >> 8, id & 0xFF, 0x55});
    for (const int value : valueIds)
        out += bytes({0x0C, 0x10, 0x00, value >> 8, value & 0xFF, 0x08, 0x55});
    return out;
}

// An NCS Expert folder with one chassis: LICHT and GRÖSSE are in its data, BREMSE is not.
bool writeDaten(const QString& chassis)
{
    const QByteArray end = bytes({0x00});
    return TestFiles::write(chassis + u"/SWTFSW01.DAT"_qs, "FSW-Schluesselwoerter" + bytes({0x00, 0x05, 0x06})
                                                                + "LICHT" + bytes({0x00, 0x07, 0x08})
                                                                + Ansi::encode(u"GRÖSSE"_qs) + end)
           && TestFiles::write(chassis + u"/SWTPSW01.DAT"_qs,
                               "Kopf KEYWORD" + bytes({0x00, 0x01, 0x00, 0xA1, 0xB1}) + "aktiv"
                                   + bytes({0x00, 0x01, 0x00, 0xA2, 0xB2}) + "nicht_aktiv"
                                   + bytes({0x00, 0x01, 0x00, 0xA3, 0xB3}) + Ansi::encode(u"groß"_qs)
                                   + bytes({0x00, 0x01, 0x00, 0xA4, 0xB4}) + "klein" + end)
           && TestFiles::write(chassis + u"/LSZ.C04"_qs, "LSZ INDIVID 13 bytes here" + record(0x0506, {0xA2B2, 0xA1B1})
                                                             + record(0x0708, {0xA4B4, 0xA3B3}));
}

const QStringList kTrace = {u"LICHT"_qs, u"\taktiv"_qs, u"BREMSE"_qs, u"\tein"_qs, u"GRÖSSE"_qs, u"\tklein"_qs};

} // namespace

class TestCliValues : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString ncs() const { return m_dir.filePath(u"NCSEXPER"_qs); }
    QString trace(const QStringList& lines) const
    {
        const QString path = m_dir.filePath(u"trace%1.trc"_qs.arg(lines.size()));
        return TestFiles::write(path, TestFiles::crlf(lines)) ? path : QString();
    }
    CliRun values(const QStringList& arguments) const
    {
        return runCli(QStringList{u"values"_qs, u"--ncs"_qs, ncs(), u"--chassis"_qs, u"E99"_qs} + arguments);
    }

private slots:
    void initTestCase() { QVERIFY(writeDaten(ncs() + u"/DATEN/E99"_qs)); }

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
        const CliRun run = values({u"--module"_qs, u"LSZ.C04"_qs, trace(traceLines)});
        QCOMPARE(run.out, out);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.err.contains(u"Not all parameters are found."_qs), exitCode == 1);
    }

    void json()
    {
        const CliRun run = values({u"--json"_qs, u"--module"_qs, u"LSZ.C04"_qs, trace(kTrace)});
        QCOMPARE(run.exitCode, 1);
        const QJsonArray array = QJsonDocument::fromJson(run.out.toUtf8()).array();
        QCOMPARE(array.size(), 3);
        QCOMPARE(array[1].toObject(),
                 (QJsonObject{{u"function"_qs, u"BREMSE"_qs}, {u"values"_qs, QJsonArray()},
                              {u"loaded"_qs, QJsonArray{u"ein"_qs}},
                              {u"error"_qs, u"function not found in the function keyword file"_qs}}));
        QCOMPARE(array[2].toObject(), (QJsonObject{{u"function"_qs, u"GRÖSSE"_qs},
                                                   {u"values"_qs, QJsonArray{u"groß"_qs, u"klein"_qs}},
                                                   {u"loaded"_qs, QJsonArray{u"klein"_qs}},
                                                   {u"error"_qs, QJsonValue()}}));
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments"); // after --ncs and --chassis E99
        QTest::addColumn<QString>("message");
        const QString module = u"--module"_qs, lsz = u"LSZ.C04"_qs;
        QTest::newRow("no module") << QStringList{u"TRACE"_qs} << u"Usage:"_qs;
        QTest::newRow("option without value") << QStringList{module} << u"--module needs a value"_qs;
        QTest::newRow("unknown option") << QStringList{u"--fast"_qs} << u"unknown option --fast"_qs;
        QTest::newRow("two traces") << QStringList{module, lsz, u"TRACE"_qs, u"TRACE"_qs} << u"only one trace"_qs;
        QTest::newRow("missing trace") << QStringList{module, lsz, u"/nonexistent/x.trc"_qs} << u"x.trc"_qs;
        QTest::newRow("missing chassis") << QStringList{u"--chassis"_qs, u"E00"_qs, module, lsz, u"TRACE"_qs}
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
