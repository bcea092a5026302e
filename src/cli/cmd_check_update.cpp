#include "cli/cli_command.h"
#include "common/clock.h"
#include "common/paths.h"
#include "common/program_folder.h"
#include "updatecheck/update_check.h"
#include "updatecheck/update_plan.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

namespace {

struct Options {
    QString data;
    QString programFolder;
    bool plan = false;
    QStringList numbers;
};

void printCheck(QTextStream& out, const QString& number, const UpdateCheck& check)
{
    out << number << '\n';
    if (check.found) {
        out << "  ECU family      : " << check.family << '\n' << "  Hardware number : " << check.hardware << '\n';
    }
    if (check.outcome == UpdateCheck::Outcome::WrongLength || check.outcome == UpdateCheck::Outcome::NotFound)
        out << "  Result          : " << check.familyText() << ' ' << check.updateText() << '\n';
    else if (check.outcome != UpdateCheck::Outcome::Failed)
        out << "  Result          : " << check.updateText() << '\n';
}

} // namespace

int runCheckUpdate(const CommandLine& line, QTextStream& out, QTextStream& err)
{
    const Options options{line.value("--data"), line.value("--program-folder"), line.isSet("--plan"), line.arguments()};

    const QString searchFolder = Paths::normalizeFolder(options.data);
    const QString dataFolder = assemblyDataFolder(searchFolder);
    if (!QFileInfo(dataFolder).isDir()) {
        err << "quillon-cli check-update: " << dataFolder << " not found.\n";
        return 2;
    }
    const QString programFolder = options.programFolder.isEmpty()
                                      ? ProgramFiles::forExecutable(QCoreApplication::applicationDirPath())
                                            .writeFolder(QStringLiteral("\\Updateplan.txt"))
                                      : Paths::normalizeFolder(options.programFolder);

    const SystemClock clock;
    int status = 0;
    for (const QString& number : options.numbers) {
        const UpdateCheck check = CheckForUpdate(searchFolder, number);
        printCheck(out, number, check);
        if (check.outcome == UpdateCheck::Outcome::Failed) {
            out.flush();
            err << "quillon-cli check-update: " << check.error << '\n';
            err.flush();
            status = 1;
            continue;
        }
        if (!options.plan || !check.updateAvailable())
            continue;
        const Status added = AppendToUpdatePlan(programFolder, UpdatePlanEntry::fromCheck(check, number), clock.now());
        if (added) {
            out << "  Added to        : " << updatePlanPath(programFolder) << '\n';
        } else {
            out.flush();
            err << "quillon-cli check-update: " << added.error() << '\n';
            err.flush();
            status = 1;
        }
    }
    return status;
}
