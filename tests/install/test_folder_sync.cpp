#include "install/folder_sync.h"
#include "install/real_file_ops.h"
#include "recording_view.h"
#include "support/fixed_clock.h"
#include "tree_snapshot.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>

namespace {
const QDateTime kOld(QDate(2020, 1, 1), QTime(10, 0, 0));
const QDateTime kNew(QDate(2020, 1, 2), QTime(10, 0, 0));

QString path(const QTemporaryDir& dir, const QString& rel)
{
    return QDir::toNativeSeparators(dir.filePath(rel));
}
} // namespace

class TestFolderSync : public QObject {
    Q_OBJECT
    QTemporaryDir* m_dir = nullptr;
    RealFileOps m_ops;
    RecordingView m_view;
    FixedClock m_clock{QDateTime(QDate(2012, 12, 31), QTime(23, 59, 59))};
    qint32 m_count = 0;
    QString S, T;

    FolderSync sync() { return FolderSync(m_ops, m_view, m_clock, m_count); }
    QString in(const QString& rel) const { return path(*m_dir, rel); }

private slots:
    void init()
    {
        m_dir = new QTemporaryDir;
        m_view = RecordingView();
        m_count = 0;
        S = in(QStringLiteral("src"));
        T = in(QStringLiteral("tgt"));
        QDir().mkpath(S);
        QDir().mkpath(T);
    }
    void cleanup() { delete m_dir; }

    void updateFilesComparesTimes_data()
    {
        QTest::addColumn<bool>("targetExists");
        QTest::addColumn<int>("targetOffsetMs"); // target time relative to the source's
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("copied");
        QTest::newRow("missing") << false << 0 << u"copy --> A.PRG"_qs << true;
        QTest::newRow("same time") << true << 0 << u"remain --> A.PRG"_qs << false;
        QTest::newRow("target newer") << true << 60000 << u"remain --> A.PRG"_qs << false;
        QTest::newRow("source newer") << true << -1000 << u"update --> A.PRG"_qs << true;
        QTest::newRow("same second") << true << -400 << u"remain --> A.PRG"_qs << false;
    }
    void updateFilesComparesTimes()
    {
        QFETCH(bool, targetExists);
        QFETCH(int, targetOffsetMs);
        QFETCH(QString, line);
        QFETCH(bool, copied);
        const QDateTime sourceTime = kNew.addMSecs(500);
        QVERIFY(TreeFiles::build(m_dir->path(), {{u"src/A.PRG"_qs, "new"}}));
        QVERIFY(TreeFiles::touch(in(u"src/A.PRG"_qs), sourceTime));
        if (targetExists) {
            QVERIFY(TreeFiles::build(m_dir->path(), {{u"tgt/A.PRG"_qs, "old"}}));
            QVERIFY(TreeFiles::touch(in(u"tgt/A.PRG"_qs), sourceTime.addMSecs(targetOffsetMs)));
        }
        QVERIFY(sync().UpdateFiles(S, T, MessageAnswer::No).ok());
        QCOMPARE(m_view.lines, (QStringList{T, line, QString()}));
        QCOMPARE(m_view.caption, u"Update "_qs + T);
        QCOMPARE(m_count, copied ? 1 : 0);
        QCOMPARE(QFile(in(u"tgt/A.PRG"_qs)).exists(), true);
        QFile result(in(u"tgt/A.PRG"_qs));
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(result.readAll(), copied ? QByteArray("new") : QByteArray("old"));
        if (copied)
            QCOMPARE(QFileInfo(result).lastModified(), sourceTime);
    }

    // Times with nanoseconds that a millisecond API could not set back exactly.
    void repeatedRunLeavesEverything()
    {
        namespace fs = std::filesystem;
        for (int i = 0; i < 5; ++i) {
            const QString name = u"src/F%1.DAT"_qs.arg(i);
            QVERIFY(TreeFiles::build(m_dir->path(), {{name, QByteArray::number(i)}}));
            const fs::path p = QFile::encodeName(in(name)).toStdString();
            fs::last_write_time(p, fs::last_write_time(p) + std::chrono::nanoseconds(123456789 + i));
        }
        QVERIFY(sync().UpdateFiles(S, T, MessageAnswer::No).ok());
        QCOMPARE(m_count, 5);
        m_view = RecordingView();
        m_count = 0;
        QVERIFY(sync().UpdateFiles(S, T, MessageAnswer::No).ok());
        QCOMPARE(m_count, 0);
        QCOMPARE(m_view.lines.size(), 7);
        for (int i = 1; i <= 5; ++i)
            QVERIFY2(m_view.lines[i].startsWith(u"remain --> "_qs), qPrintable(m_view.lines[i]));
        QCOMPARE(TreeFiles::snapshot(S), TreeFiles::snapshot(T));
    }

    void emptySourceShowsOnlyTheFrame()
    {
        m_count = 7;
        QVERIFY(sync().UpdateFiles(S, T, MessageAnswer::No).ok());
        QCOMPARE(m_view.lines, (QStringList{T, QString()}));
        QCOMPARE(m_count, 7);
        QVERIFY(m_view.percentages.isEmpty());
    }

    void backupOfEmptyTargetIsAnEmptyFolder()
    {
        QVERIFY(sync().UpdateFiles(S, T, MessageAnswer::Yes).ok());
        const QString backup = T + u"_20121231_235959"_qs;
        QVERIFY(QDir(backup).exists());
        QVERIFY(QDir(backup).isEmpty());
        QCOMPARE(m_view.lines, (QStringList{T, QString(), T, QString()}));
    }

    void backupHoldsEveryTargetFile()
    {
        QVERIFY(TreeFiles::build(m_dir->path(), {{u"src/A"_qs, "a2"},
                                                 {u"tgt/A"_qs, "a1"},
                                                 {u"tgt/B"_qs, "b1"},
                                                 {u"tgt/SUB/C"_qs, "c1"}}));
        QVERIFY(TreeFiles::touchAll(T, kOld));
        QVERIFY(TreeFiles::touchAll(S, kNew));
        QVERIFY(sync().UpdateFiles(S, T, MessageAnswer::Yes).ok());
        // Files only: the target's subfolders are not part of it.
        QCOMPARE(TreeFiles::snapshot(T + u"_20121231_235959"_qs), (TreeSnapshot{{u"A"_qs, "a1"}, {u"B"_qs, "b1"}}));
        QCOMPARE(TreeFiles::snapshot(T),
                 (TreeSnapshot{{u"A"_qs, "a2"}, {u"B"_qs, "b1"}, {u"SUB/"_qs, {}}, {u"SUB/C"_qs, "c1"}}));
        QCOMPARE(m_view.caption, u"Update "_qs + T);
        QCOMPARE(m_count, 1);
        QVERIFY(m_view.lines.contains(u"backup --> A"_qs));
        QVERIFY(m_view.lines.contains(u"backup --> B"_qs));
        QCOMPARE(m_view.lines.size(), 1 + 2 + 1 + 1 + 1 + 1);
    }

    void backupFolderOfTheSameSecondFails()
    {
        QVERIFY(TreeFiles::build(m_dir->path(), {{u"src/A"_qs, "a2"}, {u"tgt/A"_qs, "a1"}}));
        QVERIFY(QDir().mkpath(T + u"_20121231_235959"_qs));
        const Status result = sync().UpdateFiles(S, T, MessageAnswer::Yes);
        QVERIFY(!result.ok());
        QVERIFY2(result.error().contains(u"_20121231_235959"_qs), qPrintable(result.error()));
        QCOMPARE(m_view.caption, u"Backup "_qs + T);
        QVERIFY(m_view.lines.isEmpty());
        QCOMPARE(TreeFiles::snapshot(T), (TreeSnapshot{{u"A"_qs, "a1"}}));
    }

    void percentages_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("two") << 2 << QList<int>{50, 100};
        QTest::newRow("three") << 3 << QList<int>{33, 66, 100};
    }
    void percentages()
    {
        QFETCH(int, files);
        QFETCH(QList<int>, expected);
        for (int i = 0; i < files; ++i)
            QVERIFY(TreeFiles::build(m_dir->path(), {{u"src/F%1"_qs.arg(i), "x"}, {u"src/SUB%1/X"_qs.arg(i), "x"}}));
        QVERIFY(sync().UpdateFiles(S, T, MessageAnswer::No).ok());
        QCOMPARE(m_view.percentages, expected);
        m_view.percentages.clear();
        QVERIFY(sync().ReplaceFolders(S, T, MessageAnswer::No).ok());
        QCOMPARE(m_view.percentages, expected);
    }

    void replaceFolders_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("yes") << MessageAnswer::Yes;
        QTest::newRow("no") << MessageAnswer::No;
    }
    void replaceFolders()
    {
        QFETCH(MessageAnswer, answer);
        QVERIFY(TreeFiles::build(m_dir->path(), {{u"src/FAM1/A.DAT"_qs, "new a"},
                                                 {u"src/FAM2/SUB/B.DAT"_qs, "new b"},
                                                 {u"src/LOOSE.TXT"_qs, "not copied"},
                                                 {u"tgt/FAM1/A.DAT"_qs, "old a"},
                                                 {u"tgt/FAM1/OLD.DAT"_qs, "old only"},
                                                 {u"tgt/GONE/C.DAT"_qs, "old c"},
                                                 {u"tgt/SGIDC.AS2"_qs, "loose"}}));
        QVERIFY(TreeFiles::touchAll(S, kOld)); // dates do not matter here
        const TreeSnapshot before = TreeFiles::snapshot(T);
        QVERIFY(sync().ReplaceFolders(S, T, answer).ok());

        QCOMPARE(TreeFiles::snapshot(T), (TreeSnapshot{{u"FAM1/"_qs, {}},
                                                       {u"FAM1/A.DAT"_qs, "new a"},
                                                       {u"FAM2/"_qs, {}},
                                                       {u"FAM2/SUB/"_qs, {}},
                                                       {u"FAM2/SUB/B.DAT"_qs, "new b"},
                                                       {u"SGIDC.AS2"_qs, "loose"}}));
        QCOMPARE(QFileInfo(in(u"tgt/FAM2/SUB/B.DAT"_qs)).lastModified(), kOld);
        QCOMPARE(m_count, 2);
        const QString backup = T + u"_20121231_235959"_qs;
        const bool keep = answer == MessageAnswer::Yes;
        if (keep) {
            TreeSnapshot moved = before;
            moved.remove(u"SGIDC.AS2"_qs);
            QCOMPARE(TreeFiles::snapshot(backup), moved);
        } else {
            QVERIFY(!QDir(backup).exists());
        }
        const QString verb = keep ? u"backup --> "_qs : u"delete --> "_qs;
        QStringList firstLines = m_view.lines.mid(0, 3);
        std::sort(firstLines.begin() + 1, firstLines.end());
        QCOMPARE(firstLines, (QStringList{T, verb + u"FAM1"_qs, verb + u"GONE"_qs}));
        QCOMPARE(m_view.lines.mid(3, 2), (QStringList{QString(), T}));
        QCOMPARE(m_view.lines.last(), QString());
        QCOMPARE(m_view.lines.size(), 8);
        QCOMPARE(m_view.caption, u"Update "_qs + T);
    }

    void replaceFoldersDeletesReadOnlyAndNeverFollowsLinks()
    {
        QVERIFY(TreeFiles::build(m_dir->path(), {{u"src/FAM/A"_qs, "a"},
                                                 {u"outside/KEEP.DAT"_qs, "keep"},
                                                 {u"tgt/OLD/RO/FILE"_qs, "ro"}}));
        // A link out of the data set, and one back up to its own root (a loop).
        QVERIFY(QFile::link(in(u"outside"_qs), in(u"tgt/OLD/OUT"_qs)));
        QVERIFY(QFile::link(in(u"src"_qs), in(u"src/FAM/LOOP"_qs)));
        QVERIFY(QFile::link(in(u"outside"_qs), in(u"src/TOPLINK"_qs)));
        QFile::setPermissions(in(u"tgt/OLD/RO/FILE"_qs), QFile::ReadOwner);
        QFile::setPermissions(in(u"tgt/OLD/RO"_qs), QFile::ReadOwner | QFile::ExeOwner);

        QVERIFY(sync().ReplaceFolders(S, T, MessageAnswer::No).ok());
        QVERIFY(!QFileInfo::exists(in(u"tgt/OLD"_qs)));
        QCOMPARE(TreeFiles::snapshot(in(u"outside"_qs)), (TreeSnapshot{{u"KEEP.DAT"_qs, "keep"}}));
        QVERIFY(QFileInfo(in(u"tgt/FAM/LOOP"_qs)).isSymLink());
        QCOMPARE(QFileInfo(in(u"tgt/FAM/LOOP"_qs)).symLinkTarget(), in(u"src"_qs));
        QVERIFY(!QFileInfo::exists(in(u"tgt/TOPLINK"_qs)));
        QVERIFY(m_view.lines.contains(u"skip link --> TOPLINK"_qs));
        QCOMPARE(m_count, 1);
    }

    void updateFilesNeverWritesThroughALink()
    {
        QVERIFY(TreeFiles::build(m_dir->path(), {{u"src/A"_qs, "new"}, {u"outside/A"_qs, "outside"}}));
        QVERIFY(TreeFiles::touch(in(u"outside/A"_qs), kOld));
        QVERIFY(TreeFiles::touch(in(u"src/A"_qs), kNew));
        QVERIFY(QFile::link(in(u"outside/A"_qs), in(u"tgt/A"_qs)));
        QVERIFY(QFile::link(in(u"outside/A"_qs), in(u"src/B"_qs)));
        QVERIFY(sync().UpdateFiles(S, T, MessageAnswer::Yes).ok());
        QCOMPARE(TreeFiles::snapshot(in(u"outside"_qs)), (TreeSnapshot{{u"A"_qs, "outside"}}));
        QVERIFY(QFileInfo(T + u"_20121231_235959/A"_qs).isSymLink());
        QCOMPARE(TreeFiles::snapshot(T), (TreeSnapshot{{u"A"_qs, "new"}}));
        QVERIFY(m_view.lines.contains(u"skip link --> B"_qs));
    }

    void overlappingFoldersAreRefused()
    {
        QVERIFY(TreeFiles::build(m_dir->path(), {{u"tgt/DATA/FAM/A"_qs, "a"}}));
        const Status result = sync().ReplaceFolders(in(u"tgt/DATA"_qs), T, MessageAnswer::No);
        QVERIFY(!result.ok());
        QCOMPARE(TreeFiles::snapshot(T).size(), 3);
    }

    void datenFiles_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("none") << QStringList{u"OTHER.DAT"_qs} << QStringList{};
        QTest::newRow("all eight")
            << QStringList{u"VARIABLE.DAT"_qs, u"BR_REF.DAT"_qs, u"E60AEDOC.000"_qs, u"E60AT.000"_qs,
                           u"E60ZST.000"_qs, u"SELECT.ASC"_qs, u"SELECT.DAT"_qs, u"VARIABLE.ASC"_qs, u"E61AT.000"_qs}
            << QStringList{u"copy --> BR_REF.DAT"_qs,  u"copy --> E60AEDOC.000"_qs, u"copy --> E60AT.000"_qs,
                           u"copy --> E60ZST.000"_qs,  u"copy --> SELECT.ASC"_qs,   u"copy --> SELECT.DAT"_qs,
                           u"copy --> VARIABLE.ASC"_qs, u"copy --> VARIABLE.DAT"_qs};
        QTest::newRow("some") << QStringList{u"E60AT.000"_qs, u"SELECT.DAT"_qs}
                              << QStringList{u"copy --> E60AT.000"_qs, u"copy --> SELECT.DAT"_qs};
    }
    void datenFiles()
    {
        QFETCH(QStringList, present);
        QFETCH(QStringList, lines);
        for (const QString& name : present)
            QVERIFY(TreeFiles::build(m_dir->path(), {{u"src/"_qs + name, name.toLatin1()}}));
        QVERIFY(sync().UpdateDatenFiles(S, T, u"E60"_qs).ok());
        QCOMPARE(m_view.caption, u"Update files in "_qs + T);
        QCOMPARE(m_view.lines, QStringList{T} + lines);
        QCOMPARE(m_count, lines.size());
        QVERIFY(m_view.percentages.isEmpty());
        QCOMPARE(m_view.pendingEventRuns, 0);
        QCOMPARE(TreeFiles::snapshot(T).size(), lines.size());

        // Again: nothing newer, everything remains.
        m_view = RecordingView();
        m_count = 0;
        QVERIFY(sync().UpdateDatenFiles(S, T, u"E60"_qs).ok());
        QCOMPARE(m_count, 0);
        QStringList remained = lines;
        remained.replaceInStrings(u"copy --> "_qs, u"remain --> "_qs);
        QCOMPARE(m_view.lines, QStringList{T} + remained);
    }

    void deleteAtsFiles()
    {
        QVERIFY(TreeFiles::build(m_dir->path(), {{u"tgt/TOP.ATS"_qs, ""},
                                                 {u"tgt/FAM/A.ATS"_qs, ""},
                                                 {u"tgt/FAM/b.ats"_qs, ""},
                                                 {u"tgt/FAM/c.AtS"_qs, ""},
                                                 {u"tgt/FAM/d.atsx"_qs, ""},
                                                 {u"tgt/FAM/ATS"_qs, ""},
                                                 {u"tgt/FAM/e.DAT"_qs, ""},
                                                 {u"tgt/FAM/DEEP/F.ATS"_qs, ""},
                                                 {u"tgt/OTHER/G.ats"_qs, ""}}));
        QFile::setPermissions(in(u"tgt/OTHER/G.ats"_qs), QFile::ReadOwner);
        QVERIFY(sync().DeleteAtsFiles(T).ok());
        QCOMPARE(TreeFiles::snapshot(T), (TreeSnapshot{{u"TOP.ATS"_qs, {}},
                                                       {u"FAM/"_qs, {}},
                                                       {u"FAM/d.atsx"_qs, {}},
                                                       {u"FAM/ATS"_qs, {}},
                                                       {u"FAM/e.DAT"_qs, {}},
                                                       {u"FAM/DEEP/"_qs, {}},
                                                       {u"FAM/DEEP/F.ATS"_qs, {}},
                                                       {u"OTHER/"_qs, {}}}));
        QCOMPARE(m_view.caption, u"Check files"_qs);
        QVERIFY(m_view.lines.isEmpty());
        QCOMPARE(m_count, 0);
    }
};

QTEST_GUILESS_MAIN(TestFolderSync)
#include "test_folder_sync.moc"
