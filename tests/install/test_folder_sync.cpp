#include "install/folder_sync.h"
#include "install_fixture.h"
#include "support/data_table.h"
#include "support/test_files.h"
#include "tree_snapshot.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

class TestFolderSync : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    RealFileOps m_ops;
    RecordingView m_view;
    FixedClock m_clock; // the backup suffix is InstallFixture::Stamp
    qint32 m_count = 0;
    QString S, T;

    FolderSync sync() { return FolderSync(m_ops, m_view, m_clock, m_count); }
    QString in(const QString& rel) const { return QDir::toNativeSeparators(m_dir->filePath(rel)); }
    bool build(const TreeSnapshot& tree) { return TreeFiles::build(m_dir->path(), tree); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_view = RecordingView();
        m_count = 0;
        S = in(QStringLiteral("src"));
        T = in(QStringLiteral("tgt"));
        QDir().mkpath(S);
        QDir().mkpath(T);
    }

    void updateFilesComparesTimes_data()
    {
        // targetOffsetMs: target time relative to the source's; 1 for none
        addColumns<int, QString>("targetOffsetMs", "line");
        QTest::newRow("missing") << 1 << u"copy --> A.PRG"_qs;
        QTest::newRow("same time") << 0 << u"remain --> A.PRG"_qs;
        QTest::newRow("target newer") << 60000 << u"remain --> A.PRG"_qs;
        QTest::newRow("source newer") << -1000 << u"update --> A.PRG"_qs;
        QTest::newRow("same second") << -400 << u"remain --> A.PRG"_qs;
    }
    void updateFilesComparesTimes()
    {
        QFETCH(int, targetOffsetMs);
        QFETCH(QString, line);
        const QDateTime sourceTime(QDate(2020, 1, 2), QTime(10, 0, 0, 500));
        QVERIFY(build({{u"src/A.PRG"_qs, "new"}}));
        QVERIFY(TreeFiles::touch(in(u"src/A.PRG"_qs), sourceTime));
        if (targetOffsetMs != 1) {
            QVERIFY(build({{u"tgt/A.PRG"_qs, "old"}}));
            QVERIFY(TreeFiles::touch(in(u"tgt/A.PRG"_qs), sourceTime.addMSecs(targetOffsetMs)));
        }
        QVERIFY(sync().UpdateFiles(S, T, MessageAnswer::No).ok());
        QCOMPARE(m_view.lines, (QStringList{T, line, QString()}));
        QCOMPARE(m_view.caption, u"Update "_qs + T);
        const bool copied = !line.startsWith(u"remain"_qs);
        QCOMPARE(m_count, copied ? 1 : 0);
        QCOMPARE(TreeFiles::snapshot(T).value(u"A.PRG"_qs), copied ? QByteArray("new") : QByteArray("old"));
        if (copied)
            QCOMPARE(QFileInfo(in(u"tgt/A.PRG"_qs)).lastModified(), sourceTime);
    }

    // Times with nanoseconds that a millisecond API could not set back exactly.
    void repeatedRunLeavesEverything()
    {
        namespace fs = std::filesystem;
        for (int i = 0; i < 5; ++i) {
            QVERIFY(build({{u"src/F%1.DAT"_qs.arg(i), QByteArray::number(i)}}));
            const fs::path p = QFile::encodeName(in(u"src/F%1.DAT"_qs.arg(i))).toStdString();
            fs::last_write_time(p, fs::last_write_time(p) + std::chrono::nanoseconds(123456789 + i));
        }
        QVERIFY(sync().UpdateFiles(S, T, MessageAnswer::No).ok());
        QCOMPARE(m_count, 5);
        m_count = 0;
        m_view.lines.clear();
        QVERIFY(sync().UpdateFiles(S, T, MessageAnswer::No).ok());
        QCOMPARE(m_count, 0);
        QCOMPARE(m_view.lines.filter(u"remain --> "_qs).size(), 5);
        QCOMPARE(TreeFiles::snapshot(S), TreeFiles::snapshot(T));
    }

    // A second run within the same second keeps its own backup beside the first one's.
    void twoRunsInOneSecondKeepBothBackups_data()
    {
        addColumns<bool, QString>("folders", "entry");
        QTest::newRow("files") << false << u"A.PRG"_qs;
        QTest::newRow("folders") << true << u"FAM/A"_qs;
    }
    void twoRunsInOneSecondKeepBothBackups()
    {
        QFETCH(bool, folders);
        QFETCH(QString, entry);
        QVERIFY(build({{u"tgt/"_qs + entry, "first"}, {u"src/"_qs + entry, "second"}}));
        QVERIFY(TreeFiles::touchAll(T, QDateTime(QDate(2000, 1, 1), QTime(0, 0))));
        const auto run = [&] {
            FolderSync s = sync();
            return folders ? s.ReplaceFolders(S, T, MessageAnswer::Yes) : s.UpdateFiles(S, T, MessageAnswer::Yes);
        };
        QVERIFY(run().ok());
        QVERIFY(build({{u"src/"_qs + entry, "third"}}));
        QVERIFY(TreeFiles::touch(in(u"src/"_qs + entry), QDateTime::currentDateTime().addSecs(60)));
        const Status second = run();
        QVERIFY2(second.ok(), qPrintable(second.error()));
        const QString first = T + InstallFixture::Stamp;
        QCOMPARE(TreeFiles::snapshot(first).value(entry), QByteArray("first"));
        QCOMPARE(TreeFiles::snapshot(first + u"_2"_qs).value(entry), QByteArray("second"));
        QCOMPARE(TreeFiles::snapshot(T).value(entry), QByteArray("third"));
    }

    // A killed run's leftover in the copy's way, even a link out of the tool folder, is
    // replaced and never written through; the copy keeps its source's permissions.
    void copyReplacesLeftoverAndKeepsPermissions_data()
    {
        addColumns<bool>("hashed");
        QTest::newRow("copied by the system") << false;
        QTest::newRow("hashed on the way") << true;
    }
    void copyReplacesLeftoverAndKeepsPermissions()
    {
        QUILLON_NEEDS_SYMLINKS();
        QFETCH(bool, hashed);
        QVERIFY(build({{u"src/A"_qs, "new"}, {u"outside/KEEP"_qs, "keep"}}));
        QVERIFY(QFile::link(in(u"outside/KEEP"_qs), in(u"tgt/A"_qs) + FileOps::partialSuffix()));
        const auto mode = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(in(u"src/A"_qs), mode));
        Fingerprint written;
        const Status copied = m_ops.copyFile(in(u"src/A"_qs), in(u"tgt/A"_qs), {hashed ? &written : nullptr});
        QVERIFY2(copied.ok(), qPrintable(copied.error()));
        QCOMPARE(TreeFiles::snapshot(in(u"outside"_qs)), (TreeSnapshot{{u"KEEP"_qs, "keep"}}));
        QCOMPARE(TreeFiles::snapshot(T), (TreeSnapshot{{u"A"_qs, "new"}}));
        QVERIFY(!QFileInfo(in(u"tgt/A"_qs)).isSymLink());
        QCOMPARE(written.size, hashed ? 3 : 0);
        const auto anyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                            | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther
                            | QFile::ExeOther;
        QCOMPARE(QFile::permissions(in(u"tgt/A"_qs)) & anyone, mode);
    }

    // A copy to a target the caller saw absent is named only once complete, leaving
    // nothing beside it; a name taken meanwhile, even by a link, is replaced, not written
    // through.
    void copyToAnAbsentTarget_data()
    {
        addColumns<bool, bool>("taken", "hashed");
        QTest::newRow("free, copied by the system") << false << false;
        QTest::newRow("free, hashed on the way") << false << true;
        QTest::newRow("taken by a link meanwhile") << true << true;
    }
    void copyToAnAbsentTarget()
    {
        QFETCH(bool, taken);
        QFETCH(bool, hashed);
        QVERIFY(build({{u"src/A"_qs, "new"}, {u"outside/KEEP"_qs, "keep"}}));
        if (taken) {
            QUILLON_NEEDS_SYMLINKS();
            QVERIFY(QFile::link(in(u"outside/KEEP"_qs), in(u"tgt/A"_qs)));
        }
        const QDateTime when(QDate(2001, 2, 3), QTime(4, 5, 6));
        QVERIFY(TreeFiles::touch(in(u"src/A"_qs), when));
        Fingerprint written;
        FileOps::CopyOptions options{hashed ? &written : nullptr};
        options.targetAbsent = true;
        const Status copied = m_ops.copyFile(in(u"src/A"_qs), in(u"tgt/A"_qs), options);
        QVERIFY2(copied.ok(), qPrintable(copied.error()));
        QCOMPARE(TreeFiles::snapshot(T), (TreeSnapshot{{u"A"_qs, "new"}}));
        QCOMPARE(TreeFiles::snapshot(in(u"outside"_qs)), (TreeSnapshot{{u"KEEP"_qs, "keep"}}));
        QCOMPARE(QFileInfo(in(u"tgt/A"_qs)).lastModified(), when);
        QCOMPARE(written.size, hashed ? 3 : 0);
    }

    void replaceFoldersDeletesReadOnlyAndNeverFollowsLinks()
    {
        QUILLON_NEEDS_SYMLINKS();
        QVERIFY(build({{u"src/FAM/A"_qs, "a"}, {u"outside/KEEP.DAT"_qs, "keep"}, {u"tgt/OLD/RO/FILE"_qs, "ro"}}));
        // A link out of the data set, and one back up to its own root (a loop).
        QVERIFY(QFile::link(in(u"outside"_qs), in(u"tgt/OLD/OUT"_qs)));
        QVERIFY(QFile::link(in(u"src"_qs), in(u"src/FAM/LOOP"_qs)));
        QVERIFY(QFile::link(in(u"outside"_qs), in(u"src/TOPLINK"_qs)));
        QFile::setPermissions(in(u"tgt/OLD/RO/FILE"_qs), QFile::ReadOwner);
        QFile::setPermissions(in(u"tgt/OLD/RO"_qs), QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(sync().ReplaceFolders(S, T, MessageAnswer::No).ok());
        QVERIFY(!QFileInfo::exists(in(u"tgt/OLD"_qs)));
        // Root deletes a read-only folder regardless, so the permission fix is looked at itself.
        QFile::setPermissions(in(u"outside"_qs), QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(RealFileOps().allowChanges(in(u"outside"_qs)).ok());
        QVERIFY(QFileInfo(in(u"outside"_qs)).permissions() & QFile::WriteOwner);
        QCOMPARE(TreeFiles::snapshot(in(u"outside"_qs)), (TreeSnapshot{{u"KEEP.DAT"_qs, "keep"}}));
        QCOMPARE(QFileInfo(in(u"tgt/FAM/LOOP"_qs)).symLinkTarget(), in(u"src"_qs));
        QVERIFY(!QFileInfo::exists(in(u"tgt/TOPLINK"_qs)));
        QVERIFY(m_view.lines.contains(u"skip link --> TOPLINK"_qs));
    }

    void updateFilesNeverWritesThroughALink()
    {
        QUILLON_NEEDS_SYMLINKS();
        QVERIFY(build({{u"src/A"_qs, "new"}, {u"outside/A"_qs, "outside"}}));
        QVERIFY(TreeFiles::touch(in(u"outside/A"_qs), QDateTime(QDate(2020, 1, 1), QTime(10, 0))));
        QVERIFY(QFile::link(in(u"outside/A"_qs), in(u"tgt/A"_qs)));
        QVERIFY(QFile::link(in(u"outside/A"_qs), in(u"src/B"_qs)));
        QVERIFY(sync().UpdateFiles(S, T, MessageAnswer::Yes).ok());
        QCOMPARE(TreeFiles::snapshot(in(u"outside"_qs)), (TreeSnapshot{{u"A"_qs, "outside"}}));
        QVERIFY(QFileInfo(T + InstallFixture::Stamp + u"/A"_qs).isSymLink());
        QCOMPARE(TreeFiles::snapshot(T), (TreeSnapshot{{u"A"_qs, "new"}}));
        QVERIFY(m_view.lines.contains(u"skip link --> B"_qs));
    }

    // A FIFO is never opened (that would hang): skipped with a log line where files are
    // copied one by one, refused where a folder is copied whole.
    void specialFilesAreNeverOpened_data()
    {
        addColumns<QString, bool, QString>("fifo", "folders", "line");
        QTest::newRow("in the data set") << u"src/P"_qs << false << u"skip, not a regular file --> P"_qs;
        QTest::newRow("in the tool folder") << u"tgt/P"_qs << false << u"skip, not a regular file --> P"_qs;
        QTest::newRow("in a family of the data set") << u"src/FAM/P"_qs << true << QString();
    }
    void specialFilesAreNeverOpened()
    {
        QFETCH(QString, fifo);
        QFETCH(bool, folders);
        QFETCH(QString, line);
        QVERIFY(build({{u"src/A"_qs, "a"}, {u"src/FAM/A"_qs, "a"}}));
#ifdef Q_OS_WIN
        QSKIP("no FIFOs on Windows");
#else
        QCOMPARE(::mkfifo(QFile::encodeName(in(fifo)).constData(), 0600), 0);
#endif
        const Status done =
            folders ? sync().ReplaceFolders(S, T, MessageAnswer::Yes) : sync().UpdateFiles(S, T, MessageAnswer::Yes);
        if (line.isEmpty())
            QCOMPARE(done.error(), in(fifo) + u": not a regular file"_qs);
        else
            QVERIFY(done.ok() && m_view.lines.contains(line));
    }

    void overlappingFoldersAreRefused()
    {
        QVERIFY(build({{u"tgt/DATA/FAM/A"_qs, "a"}}));
        QVERIFY(!sync().ReplaceFolders(in(u"tgt/DATA"_qs), T, MessageAnswer::No).ok());
        QCOMPARE(TreeFiles::snapshot(T).size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestFolderSync)
#include "test_folder_sync.moc"
