#include "common/ansi_codec.h"
#include "common/text_file.h"
#include "support/test_files.h"

#include <QTemporaryDir>
#include <QTest>

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    void everyByteSurvivesTheRoundTrip()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            if (b != '\r' && b != '\n')
                all.append(static_cast<char>(b));
        const QString text = Ansi::decode(all);
        QCOMPARE(text.size(), all.size());
        QCOMPARE(Ansi::encode(text), all);

        // Through a file as well: read the lines, write them back, same bytes.
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

    void displayMappingIsWindows1252()
    {
        QCOMPARE(Ansi::charFromByte(0x80), QChar(0x20AC));
        QCOMPARE(Ansi::charFromByte(0xE4), QChar(0x00E4)); // ä
        QCOMPARE(Ansi::charFromByte(0x81), QChar(0x0081)); // undefined in 1252, kept
        QCOMPARE(Ansi::byteFromChar(QChar(0x20AC)), static_cast<char>(0x80));
        QCOMPARE(Ansi::byteFromChar(QChar(0x4E2D)), '?');
    }

    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{u"a"_qs, u"b"_qs};
        QTest::newRow("lf") << QByteArray("a\nb\n") << QStringList{u"a"_qs, u"b"_qs};
        QTest::newRow("lone cr") << QByteArray("a\rb\r") << QStringList{u"a"_qs, u"b"_qs};
        QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd") << QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs};
        QTest::newRow("last line without end") << QByteArray("a\r\nb") << QStringList{u"a"_qs, u"b"_qs};
        QTest::newRow("empty lines kept") << QByteArray("\r\na\r\n\r\n") << QStringList{u""_qs, u"a"_qs, u""_qs};
        QTest::newRow("cr cr lf is two ends") << QByteArray("a\r\r\nb") << QStringList{u"a"_qs, u""_qs, u"b"_qs};
        QTest::newRow("tabs kept") << QByteArray("\tx\ty\r\n") << QStringList{u"\tx\ty"_qs};
    }

    void lineEnds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(TextFile::splitLines(bytes), lines);
    }

    void writingEndsEveryLineWithCrLf()
    {
        QCOMPARE(TextFile::joinLines({u"a"_qs, u""_qs, u"\tb"_qs}), QByteArray("a\r\n\r\n\tb\r\n"));
    }

    void appendCreatesAndExtends()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.txt"));
        QVERIFY(TextFile::appendLines(path, {u"one"_qs}).ok());
        QVERIFY(TextFile::appendLines(path, {u"two"_qs}).ok());
        QCOMPARE(TestFiles::read(path), QByteArray("one\r\ntwo\r\n"));
    }

    void failedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing-folder/out.txt"));
        const Status status = TextFile::writeLinesAtomically(path, {u"x"_qs});
        QVERIFY(!status.ok());
        QVERIFY(status.error().contains(QStringLiteral("out.txt")));

        const QString existing = dir.filePath(QStringLiteral("keep.txt"));
        QVERIFY(TestFiles::write(existing, "old\r\n"));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        const Status denied = TextFile::writeLinesAtomically(existing, {u"new"_qs});
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (denied.ok())
            QSKIP("running with rights that ignore folder permissions (root)");
        QCOMPARE(TestFiles::read(existing), QByteArray("old\r\n"));
    }

    void readingAMissingFileSaysWhich()
    {
        const auto lines = TextFile::readLines(QStringLiteral("/nonexistent/quillon/file.trc"));
        QVERIFY(!lines.ok());
        QVERIFY(lines.error().contains(QStringLiteral("file.trc")));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_text_file.moc"
