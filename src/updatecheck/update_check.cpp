#include "updatecheck/update_check.h"

#include "common/busy_state.h"
#include "common/logging.h"
#include "common/paths.h"
#include "common/text_file.h"
#include "updatecheck/assembly_data.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <optional>

namespace {

// Part of the rule below, so never translated.
const QString kHardwarePrefix = QStringLiteral("Hardware nr: ");

UpdateCheck failed(UpdateCheck check, const QString& error)
{
    check.outcome = UpdateCheck::Outcome::Failed;
    check.error = error;
    return check;
}

// The hardware an update must match: the last seven characters of "Hardware nr: ...".
// A hardware field shorter than seven characters drags part of that prefix along and
// never matches, so an incomplete list line never promises an update.
QString wantedHardware(const QString& hardware)
{
    return (kHardwarePrefix + hardware).right(7);
}

void runCheck(UpdateCheck& check, const QString& dataFolder, const QString& number)
{
    using AssemblyData::assemblyNumberOf;
    using AssemblyData::hardwareNumberOf;

    const auto families = AssemblyData::listFamilies(dataFolder);
    if (!families) {
        check = failed(check, families.error());
        return;
    }

    QStringList listLines;
    AssemblyData::Family family;
    for (const AssemblyData::Family& candidate : families.value()) {
        const QString listFile = AssemblyData::findFile(candidate.folder, candidate.name + QStringLiteral(".DAT"));
        if (listFile.isEmpty())
            continue;
        auto lines = TextFile::readLines(listFile, FileKinds::AssemblyData);
        if (!lines) {
            check = failed(check, lines.error());
            return;
        }
        for (const QString& line : lines.value()) {
            if (assemblyNumberOf(line) != number)
                continue;
            check.found = true;
            check.family = candidate.name;
            check.hardware = hardwareNumberOf(line);
            break;
        }
        if (check.found) {
            listLines = std::move(lines.value());
            family = candidate;
            break;
        }
    }
    if (!check.found) {
        check.outcome = UpdateCheck::Outcome::NotFound;
        return;
    }

    check.newest = number;
    check.outcome = UpdateCheck::Outcome::NoUpdate;
    const QString historyFile = AssemblyData::findFile(family.folder, family.name + QStringLiteral(".HIS"));
    if (historyFile.isEmpty())
        return;
    const auto history = TextFile::readLines(historyFile, FileKinds::AssemblyData);
    if (!history) {
        check = failed(check, history.error());
        return;
    }
    check.newest = AssemblyData::newestNumber(history.value(), number);
    if (check.newest == number)
        return;

    // The newest number may be listed several times; any line with the same hardware
    // makes it an update. Other hardware only, or no line at all, is no update.
    const QString wanted = wantedHardware(check.hardware);
    for (const QString& line : listLines) {
        if (assemblyNumberOf(line) == check.newest && hardwareNumberOf(line) == wanted) {
            check.outcome = UpdateCheck::Outcome::UpdateAvailable;
            return;
        }
    }
}

} // namespace

QString assemblyDataFolder(const QString& pathSearch)
{
    const QString found = AssemblyData::findFolder(pathSearch, QStringLiteral("DATA"));
    return found.isEmpty() ? Paths::join(pathSearch, QStringLiteral("\\DATA")) : found;
}

UpdateCheck CheckForUpdate(const QString& pathSearch, const QString& assemblyNumber, BusyState* busy)
{
    qCDebug(lcUpdateCheck) << "assembly number" << assemblyNumber << "in" << pathSearch;
    UpdateCheck check;
    const QString dataFolder = assemblyDataFolder(pathSearch);
    if (!QFileInfo(dataFolder).isDir())
        return failed(
            check,
            QCoreApplication::translate("UpdateCheck", "%1 not found.\r\nSet your default folders.").arg(dataFolder));
    // Only the length is tested: WinKFP's lists may hold numbers with letters.
    if (assemblyNumber.size() != 7) {
        check.outcome = UpdateCheck::Outcome::WrongLength;
        return check;
    }

    std::optional<BusyScope> busyScope;
    if (busy)
        busyScope.emplace(*busy);
    runCheck(check, dataFolder, assemblyNumber);
    return check;
}

QString UpdateCheck::familyText() const
{
    if (found)
        return QCoreApplication::translate("UpdateCheck", "Found in ECU family %1").arg(family);
    if (outcome == Outcome::WrongLength || outcome == Outcome::NotFound)
        return QCoreApplication::translate("UpdateCheck", "Nothing found...");
    return {};
}

QString UpdateCheck::hardwareText() const
{
    return found ? QCoreApplication::translate("UpdateCheck", "Hardware nr: %1").arg(hardware) : QString();
}

QString UpdateCheck::updateText() const
{
    switch (outcome) {
    case Outcome::WrongLength: return QCoreApplication::translate("UpdateCheck", "Assembly number must be 7 digit");
    case Outcome::NotFound: return QCoreApplication::translate("UpdateCheck", "Check assembly line data");
    case Outcome::NoUpdate: return QCoreApplication::translate("UpdateCheck", "No update available");
    case Outcome::UpdateAvailable:
        return QCoreApplication::translate("UpdateCheck", "Update available --> %1").arg(newest);
    case Outcome::Failed: break;
    }
    return {};
}
