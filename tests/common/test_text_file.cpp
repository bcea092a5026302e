#include "common/ansi_codec.h"
#include "common/text_file.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

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
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{u"a"_qs, u"b"_qs};
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

    // Failures that meet every user, root included: the message names the file, the old
    // file stays as it was, and nothing half-written is left beside it.
    void failuresKeepTheOldFile_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("missing folder") << u"missing"_qs;
        QTest::newRow("a folder in the file's place") << u"folder"_qs;
#ifdef Q_OS_UNIX
        QTest::newRow("disk full while writing") << u"full"_qs;
#endif
    }
    void failuresKeepTheOldFile()
    {
        QFETCH(QString, failure);
        QTemporaryDir dir;
        const QString path = dir.filePath(failure == u"missing" ? u"gone/out.txt"_qs : u"out.txt"_qs);
        if (failure == u"folder")
            QVERIFY(QDir().mkpath(path));
        if (failure == u"full")
            QVERIFY(TestFiles::write(path, "old\r\n"));
        const QStringList lines{u"a line much longer than the eight bytes the full disk takes"_qs};
        std::optional<TestFiles::FileSizeLimit> limit;
        if (failure == u"full")
            limit.emplace();
        const Status written = TextFile::writeLinesAtomically(path, lines);
        limit.reset();
        QVERIFY(!written.ok());
        QVERIFY2(written.error().contains(QStringLiteral("out.txt")), qPrintable(written.error()));
        QCOMPARE(TestFiles::read(path), failure == u"full" ? QByteArray("old\r\n") : QByteArray());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 failure == u"full" ? QStringList{u"out.txt"_qs} : QStringList());
        const auto read = TextFile::readLines(dir.filePath(u"gone/file.trc"_qs));
        QVERIFY(!read.ok() && read.error().contains(QStringLiteral("file.trc")));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_text_file.moc"
