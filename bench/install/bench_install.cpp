// Generates a large SP-daten data set and installs it with the same runs the window and
// quillon-cli use. Driven by run_bench_install.sh, which also times cp -a for comparison.
//
//   quillon_bench_install generate <folder> <files> <megabytes>
//   quillon_bench_install install <data set folder> <tools folder>
//   quillon_bench_install backup <data set folder> <tools folder>
//   quillon_bench_install restore|record <data set folder> <tools folder> <records folder>
//
// install runs Update SP-daten, then Update WinKFP, both without backups, and prints the
// time of each; backup runs them with backups but keeps no restore record. restore runs
// the two with backups and restore records, then restores them newest first, and prints
// the time of each run and each restore; record leaves the records unrestored.

#include "common/busy_state.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "install/install_observer.h"
#include "install/install_runs.h"
#include "install/install_state.h"
#include "install/real_file_ops.h"
#include "install/restore_run.h"
#include "settings/tool_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <ctime>

namespace {

// Answers the backup question with backups, every other question with No.
class Answers final : public Dialogs {
public:
    explicit Answers(bool backups) : m_backups(backups) {}
    QStringList messages;
    MessageAnswer message(const QString&, const QString& text, MessageIcon, MessageButtons buttons) override
    {
        messages.append(text);
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return buttons == MessageButtons::YesNoCancel && m_backups ? MessageAnswer::Yes : MessageAnswer::No;
    }
    QString openFile(const FileDialogRequest&) override { return {}; }
    QString saveFile(const FileDialogRequest&) override { return {}; }
    QString browseForFolder(const QString&) override { return {}; }
    bool startEditor(const QString&, QString*) override { return false; }

private:
    bool m_backups;
};

// Counts what a window would show, so the run does the same work per item.
class CountingView final : public InstallView {
public:
    qint64 lines = 0;
    QString caption;
    void setCaption(const QString& text) override { caption = text; }
    void addLine(const QString&) override { ++lines; }
    void selectLastLine() override {}
    void setPercentage(int) override {}
    void processPendingEvents() override {}
    void clearLines() override { lines = 0; }
    void showLog() override {}
    void showPicture() override {}
    void setUpdateButtonsEnabled(bool) override {}
    void setSourceFolder(const QString&) override {}
};

bool writeFile(const QString& path, qint64 size, quint64& seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    auto* words = reinterpret_cast<quint64*>(bytes.data());
    for (qint64 i = 0; i < size / 8; ++i) {
        seed ^= seed << 13;
        seed ^= seed >> 7;
        seed ^= seed << 17;
        words[i] = seed;
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == size;
}

int generate(const QString& root, int files, qint64 megabytes)
{
    const qint64 average = megabytes * 1024 * 1024 / files;
    const int perPart = files / 4;
    const int familySize = 50;
    quint64 seed = 0x9e3779b97f4a7c15ULL;
    for (const char* part : {"ECU", "SGDAT", "DATEN", "DATA"})
        QDir().mkpath(root + u'/' + QString::fromLatin1(part));
    const QString chassis = root.right(3).toUpper();
    for (int i = 0; i < files; ++i) {
        const int part = std::min(i / perPart, 3);
        const int n = i - part * perPart;
        const qint64 size = average / 2 + static_cast<qint64>(seed % static_cast<quint64>(average));
        QString path;
        switch (part) {
        case 0: path = root + QStringLiteral("/ECU/E%1.PRG").arg(n, 5, 10, QChar(u'0')); break;
        case 1: path = root + QStringLiteral("/SGDAT/S%1.IPO").arg(n, 5, 10, QChar(u'0')); break;
        case 2:
            path = n == 0   ? root + QStringLiteral("/DATEN/BR_REF.DAT")
                   : n == 1 ? root + QStringLiteral("/DATEN/") + chassis + QStringLiteral("AT.000")
                            : root
                                  + QStringLiteral("/DATEN/M%1.C%2")
                                        .arg(n, 5, 10, QChar(u'0'))
                                        .arg(n % 100, 2, 10, QChar(u'0'));
            break;
        default: {
            const QString family = root + QStringLiteral("/DATA/FAM%1").arg(n / familySize, 3, 10, QChar(u'0'));
            QDir().mkpath(family);
            path = family + QStringLiteral("/F%1.DAT").arg(n, 5, 10, QChar(u'0'));
        }
        }
        if (!writeFile(path, size, seed)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

int install(const QString& dataSet, const QString& tools, bool backups, const QString& records = {},
            bool restore = false)
{
    QTextStream out(stdout);
    InstallState state;
    state.FolderSPdaten = dataSet;
    ToolFolders folders;
    folders.FolderNCS = tools + QStringLiteral("/NCSEXPER");
    folders.FolderEDIABAS = tools + QStringLiteral("/EDIABAS");
    folders.FolderNFS = tools + QStringLiteral("/EC-APPS/NFS");
    Answers dialogs(backups);
    SystemClock clock;
    BusyState busy;
    RealFileOps ops;
    CountingView view;
    InstallContext context{state, folders, dialogs, clock, busy, ops, view, {}, records};

    // Processor time (user and system) as well as wall time: on a shared machine the disk's
    // write-back makes the wall time swing, the work the program itself does far less.
    const auto cpuMs = [] { return static_cast<qint64>(std::clock() * 1000.0 / CLOCKS_PER_SEC); };
    qint64 total = 0;
    const qint64 cpuStart = cpuMs();
    QStringList made;
    for (int index = 0; index < 2; ++index) {
        QElapsedTimer timer;
        timer.start();
        const InstallRunResult result = cmdUpdate_Click(context, index);
        const qint64 ms = timer.elapsed();
        total += ms;
        if (result.outcome != InstallRunResult::Outcome::Ready) {
            out << "run failed: " << result.failedStep << ": " << result.error << dialogs.messages.join(u'\n') << '\n';
            return 1;
        }
        out << (index == 0 ? "sp-daten " : "winkfp ") << ms << " ms, " << view.lines << " lines, " << view.caption
            << '\n';
        made.prepend(result.restoreRecord);
    }
    out << "total " << total << " ms, cpu " << cpuMs() - cpuStart << " ms\n";
    if (!restore)
        return 0;

    qint64 restoreTotal = 0;
    const qint64 restoreCpuStart = cpuMs();
    for (const QString& record : made) {
        view.clearLines();
        QElapsedTimer timer;
        timer.start();
        const Restore::Outcome outcome = Restore::run(record, ops, view);
        const qint64 ms = timer.elapsed();
        restoreTotal += ms;
        if (outcome.kind != Restore::Outcome::Kind::Restored) {
            out << "restore failed: " << record << ": " << outcome.problems.join(u'\n') << '\n';
            return 1;
        }
        out << "restore " << (record.contains(u"winkfp"_qs) ? "winkfp " : "sp-daten ") << ms << " ms, " << view.lines
            << " lines\n";
    }
    out << "restore total " << restoreTotal << " ms, cpu " << cpuMs() - restoreCpuStart << " ms\n";
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == u"generate")
        return generate(args[2], args[3].toInt(), args[4].toLongLong());
    if (args.size() == 4 && (args[1] == u"install" || args[1] == u"backup"))
        return install(args[2], args[3], args[1] == u"backup");
    if (args.size() == 5 && (args[1] == u"restore" || args[1] == u"record"))
        return install(args[2], args[3], true, args[4], args[1] == u"restore");
    std::fprintf(stderr, "usage: quillon_bench_install generate <folder> <files> <megabytes>\n"
                         "       quillon_bench_install install|backup <data set folder> <tools folder>\n"
                         "       quillon_bench_install restore <data set folder> <tools folder> <records folder>\n");
    return 2;
}
