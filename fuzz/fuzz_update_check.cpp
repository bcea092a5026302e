// A DATA folder of three ECU families with arbitrary list and history bytes, checked for
// an assembly number that is often one the lists hold. The outcome must be the one a plain
// reading of the files gives: the first family in NTFS order listing the number, the
// replacement chain followed until it ends or comes back, and an update only where the
// list holds the newest number with the same hardware.

#include "common/text_file.h"
#include "fuzz_support.h"
#include "updatecheck/update_check.h"

#include <QDir>
#include <QSet>

namespace {

struct FamilyFiles {
    QString name;     // the folder
    QString listName; // the file names, spelled as WinKFP or a copy made them
    QString historyName;
    QStringList list;
    QStringList history;
};

// Families in the order NTFS lists them: by upper-case name, code unit by code unit.
const char* const kFamilies[] = {"AB", "ab2", "A_B"};

UpdateCheck plainCheck(const QList<FamilyFiles>& families, const QString& number)
{
    UpdateCheck check;
    if (number.size() != 7) {
        check.outcome = UpdateCheck::Outcome::WrongLength;
        return check;
    }
    const FamilyFiles* family = nullptr;
    for (const FamilyFiles& candidate : families) {
        for (const QString& line : candidate.list) {
            if (line.left(7) == number) {
                family = &candidate;
                check.hardware = line.mid(16, 7);
                break;
            }
        }
        if (family)
            break;
    }
    if (!family) {
        check.outcome = UpdateCheck::Outcome::NotFound;
        return check;
    }
    check.found = true;
    check.family = family->name;
    check.outcome = UpdateCheck::Outcome::NoUpdate;
    QSet<QString> reached{number};
    QString newest = number;
    for (bool moved = true; moved;) {
        moved = false;
        for (const QString& line : family->history) {
            if (line.left(7) != newest)
                continue;
            const QString next = line.mid(8, 7);
            if (!reached.contains(next)) {
                reached.insert(next);
                newest = next;
                moved = true;
            }
            break;
        }
    }
    check.newest = newest;
    if (newest == number || check.hardware.size() < 7)
        return check;
    for (const QString& line : family->list)
        if (line.left(7) == newest && line.mid(16, 7) == check.hardware)
            check.outcome = UpdateCheck::Outcome::UpdateAvailable;
    return check;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString pathSearch = Fuzz::freshFolder(QStringLiteral("WINKFP"));
    QList<FamilyFiles> families;
    QStringList numbers;
    for (const char* name : kFamilies) {
        FamilyFiles family;
        family.name = QString::fromLatin1(name);
        family.listName = family.name + (input.ConsumeBool() ? QStringLiteral(".DAT") : QStringLiteral(".dat"));
        family.historyName = family.name + (input.ConsumeBool() ? QStringLiteral(".HIS") : QStringLiteral(".his"));
        const QString folder = pathSearch + QStringLiteral("/DATA/") + family.name + u'/';
        if (input.ConsumeIntegralInRange(0, 7) > 0) {
            const QByteArray bytes = Fuzz::take(input, 512);
            Fuzz::writeFile(folder + family.listName, bytes);
            family.list = TextFile::splitLines(bytes);
        }
        if (input.ConsumeIntegralInRange(0, 7) > 0) {
            const QByteArray bytes = Fuzz::take(input, 512);
            Fuzz::writeFile(folder + family.historyName, bytes);
            family.history = TextFile::splitLines(bytes);
        }
        QDir().mkpath(folder);
        for (const QString& line : family.list + family.history)
            numbers << line.left(7) << line.mid(8, 7);
        families.append(family);
    }
    const QString number = !numbers.isEmpty() && input.ConsumeBool()
                               ? numbers[input.ConsumeIntegralInRange<qsizetype>(0, numbers.size() - 1)]
                               : QString::fromLatin1(Fuzz::take(input, 9));

    const UpdateCheck check = CheckForUpdate(pathSearch, number);
    const UpdateCheck expected = plainCheck(families, number);
    const QString seen = QStringLiteral("%1 %2 %3 %4 %5 / %6 %7 %8 %9")
                             .arg(static_cast<int>(check.outcome))
                             .arg(check.family, check.hardware, check.newest, check.error)
                             .arg(static_cast<int>(expected.outcome))
                             .arg(expected.family, expected.hardware, expected.newest);
    Fuzz::check(check.outcome == expected.outcome && check.found == expected.found && check.family == expected.family
                    && check.hardware == expected.hardware && check.newest == expected.newest,
                "the update check differs from a plain reading of the files", seen);
    return 0;
}
