#include "install/real_file_ops.h"
#include "install/sgidc_file.h"
#include "recording_view.h"
#include "support/data_table.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestSgidcFile : public QObject {
    Q_OBJECT
private slots:
    void commentLongLines_data()
    {
        addColumns<QByteArray, QByteArray>("input", "expected");
        const QByteArray l305(305, 'x'), l306(306, 'x'), umlauts(306, '\xe4');
        QTest::newRow("305 stays, 306 commented") << l305 + "\r\n" + l306 + "\r\n" << l305 + "\r\n;" + l306 + "\r\n";
        QTest::newRow("length counted in bytes") << umlauts + "\r\n"
                                                 << ";" + umlauts + "\r\n";
        const QByteArray raw("\x80\x81\x8d\x8f\x90\x9d\xff\x01;x=1\r\n", 14);
        QTest::newRow("bytes kept as read") << raw << raw;
        QTest::newRow("empty lines kept, last line ended") << QByteArray("a\r\n\r\nb") << QByteArray("a\r\n\r\nb\r\n");
        QTest::newRow("lone LF and CR") << QByteArray("a\nb\rc") << QByteArray("a\r\nb\r\nc\r\n");
        QTest::newRow("empty file") << QByteArray() << QByteArray();
        QTest::newRow("long last line") << l306 << ";" + l306 + "\r\n";
    }
    void commentLongLines()
    {
        QFETCH(QByteArray, input);
        QTEST(SgidcFile::commentLongLines(input), "expected");
    }

    // A missing file is logged, not a failure. The edit itself is in the installer's golden
    // run, and faults in its read or write in the installer's fault-injection runs.
    void missingFileIsLogged()
    {
        QTemporaryDir dir;
        const QString folder = QDir::toNativeSeparators(dir.path());
        RealFileOps ops;
        RecordingView view;
        QVERIFY(EditSgidcFile(ops, view, folder).ok());
        QVERIFY(QDir(folder).isEmpty());
        QCOMPARE(view.caption, u"Edit file SGIDC.AS2"_qs);
        QCOMPARE(view.lines, (QStringList{folder, u"edit --> SGIDC.AS2"_qs, u"NOT FOUND --> SGIDC.AS2"_qs}));
        QCOMPARE(view.selectedLine, 2);
    }
};

QTEST_GUILESS_MAIN(TestSgidcFile)
#include "test_sgidc_file.moc"
