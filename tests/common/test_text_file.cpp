#include "common/ansi_codec.h"
#include "common/text_file.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    // Every byte but the line ends reads as one character and writes back unchanged.
    void everyByteSurvivesTheRoundTrip()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            if (b != '\r' && b != '\n')
                all.append(static_cast<char>(b));
        QCOMPARE(Ansi::decode(all).size(), all.size());
        QCOMPARE(Ansi::charFromByte(0x80), QChar(0x20AC));
        QCOMPARE(Ansi::charFromByte(0x81), QChar(0x0081)); // undefined in 1252, kept
        QCOMPARE(Ansi::byteFromChar(QChar(0x4E2D)), '?');
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("in.txt"));
        const QString out = dir.filePath(QStringLiteral("out.txt"));
        QVERIFY(TestFiles::write(in, all + "\r\n" + all + "\r\n"));
        const auto lines = TextFile::readLines(in);
        QVERIFY(lines.ok());
        QCOMPARE(lines->size(), 2);
        QVERIFY(TextFile::writeLinesAtomically(out, lines.value()).ok());
        QCOMPARE(TestFiles::read(out), TestFiles::read(in));
    }

    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd") << QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs};
        QTest::newRow("empty lines kept") << QByteArray("\r\na\r\n\n") << QStringList{u""_qs, u"a"_qs, u""_qs};
        QTest::newRow("cr cr lf is two ends") << QByteArray("a\r\r\nb") << QStringList{u"a"_qs, u""_qs, u"b"_qs};
        QTest::newRow("cr at the very end") << QByteArray("\tx\ty\r") << QStringList{u"\tx\ty"_qs};
    }
    void lineEnds()
    {
        QFETCH(QByteArray, bytes);
        QTEST(TextFile::splitLines(bytes), "lines");
    }

    void writingAndAppendingEndEveryLineWithCrLf()
    {
        QCOMPARE(TextFile::joinLines({u"a"_qs, u""_qs, u"\tb"_qs}), QByteArray("a\r\n\r\n\tb\r\n"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.txt"));
        QVERIFY(TextFile::appendLines(path, {u"one"_qs}).ok());
        QVERIFY(TextFile::appendLines(path, {u"two"_qs}).ok());
        QCOMPARE(TestFiles::read(path), QByteArray("one\r\ntwo\r\n"));
    }

    // Failures that meet every user, root included: the message names the file and nothing
    // half-written is left behind (a full disk: test_file_writes).
    void failuresLeaveNothing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing folder") << u"gone/out.txt"_qs;
        QTest::newRow("a folder in the file's place") << u"out.txt"_qs;
    }
    void failuresLeaveNothing()
    {
        QFETCH(QString, path);
        QTemporaryDir dir;
        QVERIFY(path.contains(u'/') || QDir().mkpath(dir.filePath(path)));
        const Status written = TextFile::writeLinesAtomically(dir.filePath(path), {u"a line"_qs});
        QVERIFY2(!written.ok() && written.error().contains(u"out.txt"_qs), qPrintable(written.error()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        const auto read = TextFile::readLines(dir.filePath(u"gone/file.trc"_qs));
        QVERIFY(!read.ok() && read.error().contains(QStringLiteral("file.trc")));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_text_file.moc"
