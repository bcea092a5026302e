#include "cli/cli_command.h"
#include "common/paths.h"
#include "common/program_folder.h"
#include "install/install_observer.h"
#include "install/real_file_ops.h"
#include "install/restore_record.h"
#include "install/restore_run.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace {

// The log line by line on standard output; nothing else of a window applies here.
class LogOnly final : public InstallObserver {
public:
    explicit LogOnly(QTextStream& out) : m_out(out) {}
    void setCaption(const QString&) override {}
    void addLine(const QString& line) override { m_out << line << '\n'; }
    void selectLastLine() override {}
    void setPercentage(int) override {}
    void processPendingEvents() override {}

private:
    QTextStream& m_out;
};

int list(const QString& folder, QTextStream& out)
{
    RealFileOps ops;
    for (const Restore::RecordSummary& s : Restore::list(folder, ops))
        out << s.time.toString(u"yyyy-MM-dd hh:mm:ss"_qs) << '\t' << s.kind << '\t' << s.source << '\t'
            << Restore::countText(s) << '\t' << Restore::statusText(s) << '\t' << s.path << '\n';
    return 0;
}

} // namespace

int runRestore(const CommandLine& line, QTextStream& out, QTextStream& err)
{
    const bool listing = line.isSet("--list");
    Restore::RunOptions options;
    options.stoppedRun = line.isSet("--stopped");
    QString folder = line.value("--records");
    const QString record = line.arguments().value(0);
    if (listing == !record.isEmpty())
        return line.refuse(err, u"give a record or --list"_qs);
    if (listing) {
        if (folder.isEmpty())
            folder = Restore::recordsFolder(
                ProgramFiles::forExecutable(QCoreApplication::applicationDirPath()).perUserFolder());
        return list(Paths::normalizeFolder(folder), out);
    }

    RealFileOps ops;
    if (const auto readable = RestoreRecord::read(ops, record); !readable) {
        err << "quillon-cli restore: " << readable.error() << '\n';
        return 2;
    }
    LogOnly log(out);
    const Restore::Outcome outcome = Restore::run(record, ops, log, options);
    switch (outcome.kind) {
    case Restore::Outcome::Kind::Restored: out << "RESTORE READY\n"; return 0;
    case Restore::Outcome::Kind::Refused:
        out.flush();
        err << "quillon-cli restore: refused, nothing was changed:\n";
        for (const QString& problem : outcome.problems)
            err << "  " << problem << '\n';
        return 1;
    case Restore::Outcome::Kind::Failed:
        out.flush();
        err << "quillon-cli restore: stopped: " << outcome.problems.value(0) << "\nRun it again to carry on.\n";
        return 1;
    }
    return 1;
}
