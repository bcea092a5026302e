#include "install/real_file_ops.h"
#include "install/sgidc_file.h"
#include "faulty_file_ops.h"
#include "recording_view.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray line(qsizetype length, char fill = 'x')
{
    return QByteArray(length, fill);
}
} // namespace

class TestSgidcFile : public QObject {
    Q_OBJECT
private slots:
    void commentLongLines_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("305 stays, 306 commented")
            << line(305) + "\r\n" + line(306) + "\r\n" << line(305) + "\r\n;" + line(306) + "\r\n";
        QTest::newRow("length counted in bytes")
            << line(306, '\xe4') + "\r\n" << ";" + line(306, '\xe4') + "\r\n";
        QTest::newRow("bytes kept as read")
            << QByteArray("\x80\x81\x8d\x8f\x90\x9d\xff\x01;x=1\r\n", 14) << QByteArray("\x80\x81\x8d\x8f\x90\x9d\xff\x01;x=1\r\n", 14);
        QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\nb\r\n") << QByteArray("a\r\n\r\nb\r\n");
        QTest::newRow("last line without end") << QByteArray("a\r\nb") << QByteArray("a\r\nb\r\n");
        QTest::newRow("lone LF and CR") << QByteArray("a\nb\rc") << QByteArray("a\r\nb\r\nc\r\n");
        QTest::newRow("empty file") << QByteArray() << QByteArray();
        QTest::newRow("long last line") << line(400) << ";" + line(400) + "\r\n";
    }
    void commentLongLines()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, expected);
        QCOMPARE(SgidcFile::commentLongLines(input), expected);
    }

    void editsTheFileAndLogs()
    {
        QTemporaryDir dir;
        const QString folder = QDir::toNativeSeparators(dir.path());
        QFile file(dir.filePath(u"SGIDC.AS2"_qs));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(line(306) + "\r\nshort\r\n");
        file.close();
        RealFileOps ops;
        RecordingView view;
        QVERIFY(EditSgidcFile(ops, view, folder).ok());
        QCOMPARE(view.caption, u"Edit file SGIDC.AS2"_qs);
        QCOMPARE(view.lines, (QStringList{folder, u"edit --> SGIDC.AS2"_qs}));
        QCOMPARE(view.selectedLine, 1);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), ";" + line(306) + "\r\nshort\r\n");
    }

    void missingFileIsLoggedNotFailed()
    {
        QTemporaryDir dir;
        RealFileOps ops;
        RecordingView view;
        QVERIFY(EditSgidcFile(ops, view, dir.path()).ok());
        QCOMPARE(view.lines, (QStringList{dir.path(), u"edit --> SGIDC.AS2"_qs, u"NOT FOUND --> SGIDC.AS2"_qs}));
        QCOMPARE(view.selectedLine, 2);
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void failureLeavesTheFileWhole_data()
    {
        QTest::addColumn<int>("failAt");
        QTest::newRow("read") << 1;
        QTest::newRow("write") << 2;
    }
    void failureLeavesTheFileWhole()
    {
        QFETCH(int, failAt);
        QTemporaryDir dir;
        const QByteArray original = line(310) + "\r\n";
        QFile file(dir.filePath(u"SGIDC.AS2"_qs));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(original);
        file.close();
        RealFileOps real;
        FaultyFileOps ops(real, failAt);
        RecordingView view;
        QVERIFY(!EditSgidcFile(ops, view, dir.path()).ok());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), original);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"SGIDC.AS2"_qs});
    }
};

QTEST_GUILESS_MAIN(TestSgidcFile)
#include "test_sgidc_file.moc"
