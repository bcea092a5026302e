#include "cli/cli_dialogs.h"
#include "common/busy_state.h"
#include "common/clock.h"
#include "common/paths.h"
#include "common/program_folder.h"
#include "install/install_observer.h"
#include "install/install_runs.h"
#include "install/install_state.h"
#include "install/real_file_ops.h"
#include "install/restore_run.h"
#include "settings/settings_store.h"
#include "settings/tool_folders.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <utility>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

struct Options {
    int index = -1;
    QString source, ncs, ediabas, nfs, settings, records;
    MessageAnswer backup = MessageAnswer::Cancel;
    bool createChassis = false;
};

QString parse(const QStringList& args, Options& o)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(u"--")) {
            if (o.index >= 0)
                return QStringLiteral("unexpected argument ") + arg;
            if (arg == u"sp-daten")
                o.index = 0;
            else if (arg == u"winkfp")
                o.index = 1;
            else
                return QStringLiteral("unknown installation ") + arg + QStringLiteral(" (sp-daten or winkfp)");
            continue;
        }
        if (arg == u"--create-chassis") {
            o.createChassis = true;
            continue;
        }
        QString* target = arg == u"--source"     ? &o.source
                          : arg == u"--ncs"      ? &o.ncs
                          : arg == u"--ediabas"  ? &o.ediabas
                          : arg == u"--nfs"      ? &o.nfs
                          : arg == u"--settings" ? &o.settings
                          : arg == u"--records"  ? &o.records
                                                 : nullptr;
        if (!target && arg != u"--backup")
            return QStringLiteral("unknown option ") + arg;
        if (i + 1 >= args.size() || args[i + 1].isEmpty())
            return arg + QStringLiteral(" needs a value");
        const QString value = args[++i];
        if (target) {
            *target = value;
        } else if (value == u"yes") {
            o.backup = MessageAnswer::Yes;
        } else if (value == u"no") {
            o.backup = MessageAnswer::No;
        } else {
            return QStringLiteral("--backup takes yes or no");
        }
    }
    if (o.index < 0)
        return QStringLiteral("say which installation: sp-daten or winkfp");
    if (o.source.isEmpty())
        return QStringLiteral("--source <SP-daten folder> is required");
    if (o.backup == MessageAnswer::Cancel)
        return QStringLiteral("--backup yes|no is required");
    return {};
}

bool stderrIsTerminal()
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr));
#else
    return isatty(fileno(stderr));
#endif
}

// The log goes to standard output line by line; the caption and a progress bar are drawn
// on standard error when it is a terminal, redrawn at most ten times a second.
class CliView final : public InstallView {
public:
    CliView(QTextStream& out, QTextStream& err) : m_out(out), m_err(err), m_bar(stderrIsTerminal()) { m_timer.start(); }
    ~CliView() override { clearBar(); }

    QString caption;

    void setCaption(const QString& text) override
    {
        caption = text;
        drawBar(true);
    }
    void addLine(const QString& line) override
    {
        if (m_bar) {
            clearBar();
            m_out << line << '\n';
            m_out.flush();
            drawBar(false);
        } else {
            m_out << line << '\n';
        }
    }
    void selectLastLine() override {}
    void setPercentage(int percent) override
    {
        m_percent = percent;
        drawBar(false);
    }
    void processPendingEvents() override {}
    void clearLines() override {}
    void showLog() override {}
    void showPicture() override {}
    void setUpdateButtonsEnabled(bool) override {}
    void setSourceFolder(const QString&) override {}

    void clearBar()
    {
        if (m_bar && m_shown) {
            m_err << "\r\033[K";
            m_err.flush();
            m_shown = false;
        }
    }

private:
    void drawBar(bool now)
    {
        if (!m_bar || (!now && m_shown && m_timer.elapsed() < 100))
            return;
        m_timer.restart();
        const int filled = m_percent * 30 / 100;
        QString text = caption;
        if (text.size() > 40)
            text = QStringLiteral("...") + text.right(37);
        m_err << "\r\033[K[" << QString(filled, u'#') << QString(30 - filled, u'.') << "] "
              << QString::number(m_percent).rightJustified(3) << "% " << text;
        m_err.flush();
        m_shown = true;
    }

    QTextStream& m_out;
    QTextStream& m_err;
    bool m_bar;
    bool m_shown = false;
    int m_percent = 0;
    QElapsedTimer m_timer;
};

} // namespace

int runInstall(const QStringList& args, QTextStream& out, QTextStream& err)
{
    Options options;
    const QString problem = parse(args, options);
    if (!problem.isEmpty()) {
        err << "quillon-cli install: " << problem << ". See quillon-cli install --help.\n";
        return 2;
    }

    SettingsStore store(options.settings.isEmpty() ? SettingsStore::defaultLocation() : options.settings);
    ToolFolders folders = ToolFolders::read(store, DefaultToolFolders::winePrefixFromEnvironment());
    for (auto [given, folder] :
         {std::pair{&options.ncs, &folders.FolderNCS}, std::pair{&options.ediabas, &folders.FolderEDIABAS},
          std::pair{&options.nfs, &folders.FolderNFS}})
        if (!given->isEmpty())
            *folder = Paths::normalizeFolder(*given);

    bool chassisDeclined = false;
    const auto answer = [&options, &chassisDeclined](const QString&, MessageButtons buttons) {
        if (buttons == MessageButtons::YesNoCancel)
            return options.backup;
        chassisDeclined = !options.createChassis;
        return options.createChassis ? MessageAnswer::Yes : MessageAnswer::No;
    };
    CliDialogs dialogs(err, answer, options.source);
    InstallState state;
    RealFileOps ops;
    SystemClock clock;
    BusyState busy;
    CliView view(out, err);
    InstallContext context{state, folders, dialogs, clock, busy, ops, view, {}};
    context.recordsFolder = options.records.isEmpty() ? Restore::recordsFolder(
                                ProgramFiles::forExecutable(QCoreApplication::applicationDirPath()).perUserFolder())
                                                      : Paths::normalizeFolder(options.records);

    if (!cmdFolder_Click(context))
        return 2;
    const InstallRunResult result = cmdUpdate_Click(context, options.index);
    view.clearBar();
    const auto printRecord = [&] {
        if (!result.restoreRecord.isEmpty())
            out << "Restore record: " << result.restoreRecord << '\n';
        out.flush();
    };
    switch (result.outcome) {
    case InstallRunResult::Outcome::Ready:
        out << view.caption << '\n';
        printRecord();
        return 0;
    case InstallRunResult::Outcome::Failed:
        printRecord();
        err << "quillon-cli install: failed at \"" << result.failedStep << "\": " << result.error << '\n';
        return 1;
    case InstallRunResult::Outcome::NotStarted:
        if (chassisDeclined)
            err << "quillon-cli install: not started. Pass --create-chassis to create a missing chassis folder.\n";
        return 2;
    }
    return 2;
}
