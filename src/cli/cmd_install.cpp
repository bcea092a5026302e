#include "cli/cli_command.h"
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
#include <QFileInfo>
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

int runInstall(const CommandLine& line, QTextStream& out, QTextStream& err)
{
    const Options options{line.arguments().first() == u"winkfp" ? 1 : 0,
                          line.value("--source"),
                          line.value("--ncs"),
                          line.value("--ediabas"),
                          line.value("--nfs"),
                          line.value("--settings"),
                          line.value("--records"),
                          line.value("--backup") == u"yes" ? MessageAnswer::Yes : MessageAnswer::No,
                          line.isSet("--create-chassis")};

    SettingsStore store(options.settings.isEmpty() ? SettingsStore::defaultLocation() : options.settings);
    ToolFolders folders = ToolFolders::read(store, DefaultToolFolders::winePrefixFromEnvironment());
    for (auto [given, folder] :
         {std::pair{&options.ncs, &folders.FolderNCS}, std::pair{&options.ediabas, &folders.FolderEDIABAS},
          std::pair{&options.nfs, &folders.FolderNFS}})
        if (!given->isEmpty()) // full paths, as the window's folder picker hands them over
            *folder = Paths::normalizeFolder(Paths::toNative(QFileInfo(*given).absoluteFilePath()));

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
