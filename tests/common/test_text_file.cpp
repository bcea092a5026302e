#include "coding/coding_history.h"
#include "coding/translation_table.h"
#include "common/ansi_codec.h"
#include "common/busy_state.h"
#include "common/paths.h"
#include "common/program_folder.h"
#include "common/text_file.h"
#include "install/real_file_ops.h"
#include "moduledata/chassis_data.h"
#include "moduledata/module_data.h"
#include "support/data_table.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"
#include "updatecheck/update_check.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <future>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr auto kAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                      | QFile::ReadOther | QFile::ExeOther;
constexpr auto kReadOnlyFolder = kAll & ~QFile::WriteOwner;
constexpr auto kWritableByAll =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;

// Runs work without the superuser's rights, so that folder permissions count also where
// the tests run as root. The real user changes too: access checks ask for it.
template <typename Work>
auto asOrdinaryUser(Work work)
{
#ifndef Q_OS_UNIX
    return work();
#else
    const bool root = geteuid() == 0;
    if (root && (setresgid(65534, 65534, 0) != 0 || setresuid(65534, 65534, 0) != 0))
        qFatal("cannot drop the superuser's rights");
    auto result = work();
    if (root && (setresuid(0, 0, 0) != 0 || setresgid(0, 0, 0) != 0))
        qFatal("cannot take the superuser's rights back");
    return result;
#endif
}

struct Folder {
    QTemporaryDir dir;
    Folder() { QFile::setPermissions(dir.path(), kAll); }
    ~Folder() { QFile::setPermissions(dir.filePath(u"tools"_qs), kAll); }
    QString at(const QString& relative) const { return Paths::toNative(dir.filePath(relative)); }
};

// What the reader (or writer) of a kind of file says about the file at path, below ncs.
QString readerMessage(const QString& reader, const QString& ncs, const QString& path)
{
    ModuleData data;
    TraceSession session;
    BusyState busy;
    ScriptedDialogs dialogs;
    if (reader == u"trace") {
        LoadTraceFile(path, ncs, session, busy, dialogs);
        return dialogs.texts().join(u'\n');
    }
    if (reader == u"module")
        return LoadModule(ncs, u"E60"_qs, u"X.C01"_qs, data).error();
    if (reader == u"keywords")
        return LoadKeywordFiles(ncs, u"E60"_qs, data).error();
    if (reader == u"table")
        return readTranslationTable(path).error();
    if (reader == u"assembly")
        return CheckForUpdate(ncs, u"1234567"_qs).error;
    if (reader == u"snapshot")
        return CodingHistory::ReadSnapshot({Paths::folderOf(path), {}, {}}, {}).error();
    if (reader == u"replace")
        return TextFile::writeBytesAtomically(path, "x").error();
    return TextFile::appendLines(path, {}).error();
}

} // namespace

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
        const QStringList lines = TextFile::splitLines(all + "\r\n" + all + "\r\n");
        QCOMPARE(lines.size(), 2);
        QCOMPARE(TextFile::joinLines(lines), all + "\r\n" + all + "\r\n");
    }

    void lineEnds_data()
    {
        addColumns<QByteArray, QStringList>("bytes", "lines");
        QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd") << QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs};
        QTest::newRow("cr at the very end") << QByteArray("\tx\ty\r") << QStringList{u"\tx\ty"_qs};
    }
    void lineEnds()
    {
        QFETCH(QByteArray, bytes);
        QTEST(TextFile::splitLines(bytes), "lines");
    }

    // A shared folder the user may not create files in, holding a file they may write, or
    // one they may not: that says why once, with the path once.
    void fileInAReadOnlyFolder_data()
    {
        addColumns<bool, bool>("copy", "writable");
        QTest::newRow("replace a file") << false << true;
        QTest::newRow("copy over a file") << true << true;
        QTest::newRow("replace a read-only file") << false << false;
    }
    void fileInAReadOnlyFolder()
    {
        QFETCH(bool, copy);
        QFETCH(bool, writable);
        Folder f;
        const QString target = f.at(u"tools/FSW_PSW.MAN"_qs);
        QVERIFY(TestFiles::write(target, "old") && TestFiles::write(f.at(u"source"_qs), "new"));
        QFile::setPermissions(target, writable ? kWritableByAll : QFile::ReadOwner | QFile::ReadOther);
        QFile::setPermissions(f.at(u"source"_qs), kWritableByAll);
        QFile::setPermissions(f.at(u"tools"_qs), kReadOnlyFolder);
#ifdef Q_OS_WIN
        // Wine, run as root, lets a file marked read-only be opened for writing all the same.
        if (QFile probe(target); !writable && probe.open(QIODevice::WriteOnly | QIODevice::Append))
            QSKIP("no read-only file can be made here");
#endif
        const Status written = asOrdinaryUser([&] {
            return copy ? RealFileOps().copyFile(f.at(u"source"_qs), target)
                        : TextFile::writeBytesAtomically(target, "new");
        });
        if (!writable) { // "Permission denied", or "Access is denied." on Windows
            QVERIFY2(written.error().startsWith(target + u": "_qs) && written.error().count(u"FSW_PSW.MAN"_qs) == 1
                         && written.error().contains(u"denied"_qs),
                     qPrintable(written.error()));
            QCOMPARE(TestFiles::read(target), QByteArray("old"));
            return;
        }
        QVERIFY2(written.ok(), qPrintable(written.error()));
        QCOMPARE(TestFiles::read(target), QByteArray("new"));
        QCOMPARE(QDir(f.at(u"tools"_qs)).entryList(QDir::Files | QDir::Hidden), QStringList{u"FSW_PSW.MAN"_qs});
    }

    // A file marked read-only (data sets copied from a CD often are) is replaced and
    // deleted all the same: Windows refuses both until the mark is cleared.
    void readOnlyFileIsReplacedAndDeleted()
    {
        Folder f;
        const QString target = f.at(u"FSW_PSW.MAN"_qs);
        QVERIFY(TestFiles::write(target, "old") && TestFiles::write(f.at(u"source"_qs), "new"));
        QFile::setPermissions(target, QFile::ReadOwner);
        const Status copied = RealFileOps().copyFile(f.at(u"source"_qs), target);
        QVERIFY2(copied.ok(), qPrintable(copied.error()));
        QCOMPARE(TestFiles::read(target), QByteArray("new"));
        QFile::setPermissions(target, QFile::ReadOwner);
        const Status removed = RealFileOps().removeFile(target);
        QVERIFY2(removed.ok(), qPrintable(removed.error()));
        QVERIFY(!QFileInfo::exists(target));
    }

    // Failures name the file and the cause, and leave the old file whole with nothing
    // half-written beside it. All but the full disk meet root as well.
    void failuresNameTheFileAndTheCause_data()
    {
        // named: the file the message must begin with
        addColumns<QString, QString, QString>("operation", "named", "cause");
#ifdef Q_OS_WIN
        QTest::newRow("copy from a folder") << u"copy folder"_qs << u"source"_qs << u"Access denied"_qs;
#else
        QTest::newRow("copy from a folder") << u"copy folder"_qs << u"source"_qs << u"directory"_qs;
#endif
        QTest::newRow("replace a folder") << u"replace"_qs << u"tools"_qs << QString();
        QTest::newRow("replace in a missing folder") << u"replace"_qs << u"gone/T"_qs << QString();
        QTest::newRow("read a missing file") << u"read"_qs << u"gone/T"_qs << QString();
#ifdef Q_OS_UNIX
        QTest::newRow("copy onto a full disk") << u"copy"_qs << u"tools/T"_qs << u"File too large"_qs;
        QTest::newRow("replace on a full disk") << u"replace"_qs << u"tools/T"_qs << u"File too large"_qs;
        QTest::newRow("append on a full disk") << u"append"_qs << u"tools/T"_qs << u"File too large"_qs;
#endif
    }
    void failuresNameTheFileAndTheCause()
    {
        QFETCH(QString, operation);
        QFETCH(QString, named);
        QFETCH(QString, cause);
        Folder f;
        const QString target = f.at(named);
        const QByteArray big(10000, 'x');
        QVERIFY(TestFiles::write(f.at(u"tools/T"_qs), "old") && TestFiles::write(f.at(u"source/BIG"_qs), big));
        // A "disk" that takes only 4096 bytes per file: writes past it fail after a short write.
        const Status status = [&] {
            const TestFiles::FileSizeLimit fullDisk(4096);
            if (operation == u"copy folder")
                return RealFileOps().copyFile(f.at(u"source"_qs), f.at(u"tools/T"_qs));
            if (operation == u"copy")
                return RealFileOps().copyFile(f.at(u"source/BIG"_qs), target);
            if (operation == u"replace")
                return TextFile::writeBytesAtomically(target, big);
            if (operation == u"read")
                return Status::failure(TextFile::readLines(target).error());
            return TextFile::appendLines(target, {QString::fromLatin1(big)});
        }();
        QVERIFY(!status.ok());
        QVERIFY2(status.error().startsWith(f.at(named) + u": "_qs) && status.error().contains(cause),
                 qPrintable(status.error()));
        if (operation != u"append")
            QCOMPARE(TestFiles::read(f.at(u"tools/T"_qs)), QByteArray("old"));
        QCOMPARE(QDir(f.at(u"tools"_qs)).entryList(QDir::Files | QDir::Hidden), QStringList{u"T"_qs});
        const auto all = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
        QCOMPARE(QDir(f.dir.path()).entryList(all), (QStringList{u"source"_qs, u"tools"_qs}));
    }

    // Every reader refuses what is not a regular file of a sane size for its kind, without
    // opening a FIFO (it would wait for a writer) or reading a device (it never ends).
    void readersRefuseSpecialFiles_data()
    {
        // file: "fifo", "zero" (a link to the endless device) or a size in bytes
        addColumns<QString, QString, QString, QString>("reader", "place", "file", "message");
#ifndef Q_OS_UNIX // where a file this size may take the space
        QTest::newRow("trace too large") << u"trace"_qs << u"WORK/FSW_PSW.TRC"_qs << u"70000000"_qs
                                         << u"FSW_PSW.TRC: too large for a trace: 70.0 MB"_qs;
#else
        QTest::newRow("trace too large") << u"trace"_qs << u"WORK/FSW_PSW.TRC"_qs << u"8800000000"_qs
                                         << u"FSW_PSW.TRC: too large for a trace: 8.8 GB"_qs;
        for (const QString& row :
             {u"trace WORK/FSW_PSW.TRC fifo"_qs, u"trace WORK/FSW_PSW.TRC zero"_qs, u"module DATEN/E60/X.C01 fifo"_qs,
              u"module DATEN/E60/X.C01 zero"_qs, u"keywords DATEN/E60/SWTPSW01.DAT zero"_qs,
              u"table Translations.csv fifo"_qs, u"table Translations.csv zero"_qs,
              u"assembly DATA/FAM/FAM.DAT zero"_qs, u"snapshot S/FSW_PSW.TRC fifo"_qs,
              u"snapshot S/FSW_PSW.TRC zero"_qs, u"replace OUT fifo"_qs, u"append OUT fifo"_qs})
            QTest::newRow(qPrintable(row)) << row.section(u' ', 0, 0) << row.section(u' ', 1, 1) << row.section(u' ', 2)
                                           << u"not a regular file"_qs;
#endif
    }
    void readersRefuseSpecialFiles()
    {
        QFETCH(QString, reader);
        QFETCH(QString, place);
        QFETCH(QString, file);
        QTemporaryDir dir;
        const QString path = Paths::toNative(dir.filePath(place));
        QVERIFY(TestFiles::write(dir.filePath(u"DATEN/E60/SWTFSW01.DAT"_qs), "FSW")
                && QDir().mkpath(Paths::folderOf(path)));
#ifdef Q_OS_UNIX
        if (file == u"fifo")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (file == u"zero")
            QVERIFY(QFile::link(u"/dev/zero"_qs, path));
#endif
        QFile sparse(path);
        QVERIFY(!file.front().isDigit() || (sparse.open(QIODevice::WriteOnly) && sparse.resize(file.toLongLong())));
        auto reading = std::async(std::launch::async, readerMessage, reader, Paths::toNative(dir.path()), path);
        const bool refusedInTime = reading.wait_for(std::chrono::seconds(1)) == std::future_status::ready;
#ifdef Q_OS_UNIX
        // A reader or writer stuck on the FIFO is let go, so the row fails instead of hanging.
        if (!refusedInTime)
            ::close(::open(QFile::encodeName(path).constData(), O_RDWR));
#endif
        const QString said = reading.get();
        QVERIFY(refusedInTime);
        QFETCH(QString, message);
        QVERIFY2(said.contains(message), qPrintable(said));
    }

    // Beside a read-only program the program's files are still read from there; what is
    // written goes where it can be written, and opening the log opens what was written.
    void programFilesBesideAReadOnlyProgram_data()
    {
        // files: below "tools" (beside) or "user"; "ro:" marks a read-only file
        addColumns<bool, QStringList, QString, QString, QString>("readOnly", "files", "readFrom", "writeTo", "openLog");
        const QString table = u"/Translations.csv"_qs, log = u"/Codinglog.txt"_qs;
        QTest::newRow("writable") << false << QStringList{u"tools"_qs + table} << u"tools"_qs << u"tools"_qs
                                  << u"tools"_qs;
        QTest::newRow("read-only, table beside")
            << true << QStringList{u"tools"_qs + table, u"user"_qs + table} << u"tools"_qs << u"user"_qs << u"tools"_qs;
        QTest::newRow("read-only, table per user")
            << true << QStringList{u"user"_qs + table} << u"user"_qs << u"user"_qs << u"tools"_qs;
        QTest::newRow("read-only, writable log beside")
            << true << QStringList{u"tools"_qs + log} << u"tools"_qs << u"tools"_qs << u"tools"_qs;
        QTest::newRow("read-only, stale log beside, written per user")
            << true << QStringList{u"ro:tools"_qs + log, u"user"_qs + log} << u"tools"_qs << u"user"_qs << u"user"_qs;
    }
    void programFilesBesideAReadOnlyProgram()
    {
        QFETCH(bool, readOnly);
        QFETCH(QStringList, files);
#ifdef Q_OS_WIN
        // There a folder's write permission is an access list, which the permission bits
        // set here do not reach (and Wine, run as root, would not enforce).
        if (readOnly)
            QSKIP("no read-only folder can be made here");
#endif
        Folder f;
        QDir().mkpath(f.at(u"tools"_qs));
        for (QString file : files) {
            const bool fileReadOnly = file.startsWith(u"ro:");
            file.remove(u"ro:"_qs);
            QVERIFY(TestFiles::write(f.at(file), "x"));
            QFile::setPermissions(f.at(file), fileReadOnly ? QFile::ReadOwner | QFile::ReadOther : kWritableByAll);
        }
        QFile::setPermissions(f.at(u"tools"_qs), readOnly ? kReadOnlyFolder : kAll | QFile::WriteOther);
        const ProgramFiles places(f.at(u"tools"_qs), f.at(u"user"_qs));
        QTEST(asOrdinaryUser([&] { return Paths::nameOf(places.readFolder(u"\\Translations.csv"_qs)); }), "readFrom");
        QTEST(asOrdinaryUser([&] { return Paths::nameOf(places.writeFolder(u"\\Codinglog.txt"_qs)); }), "writeTo");
        QTEST(asOrdinaryUser([&] { return Paths::nameOf(places.openFolder(u"\\Codinglog.txt"_qs)); }), "openLog");
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_text_file.moc"
