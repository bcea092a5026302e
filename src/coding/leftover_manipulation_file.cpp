#include "coding/leftover_manipulation_file.h"

#include "common/dialogs.h"
#include "common/text_file.h"
#include "trace/trace_functions.h"
#include "trace/trace_loader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

namespace {

QStringList functionLines(const QStringList& lines)
{
    QStringList functions;
    for (const TraceFunction& function : SplitTraceFunctions(lines))
        functions.append(function.line);
    return functions;
}

} // namespace

ManipulationFileCheck CheckManipulationFile(const QStringList& manLines, const QStringList& traceLines)
{
    ManipulationFileCheck check;
    const QStringList manFunctions = functionLines(manLines);
    const QStringList traceFunctions = functionLines(traceLines);
    check.functions = static_cast<int>(manFunctions.size());
    if (manLines.isEmpty() || manFunctions == traceFunctions)
        return check;
    check.foreign = true;
    const QSet<QString> known(traceFunctions.cbegin(), traceFunctions.cend());
    for (const QString& function : manFunctions)
        check.missing += known.contains(function) ? 0 : 1;
    return check;
}

QString leftoverQuestion(const ManipulationFileCheck& check)
{
    return QCoreApplication::translate("ManipulationFile",
                                       "FSW_PSW.MAN in WORK was not written for this trace (%1 of its %2 functions "
                                       "are not in it). NCS Expert would code it into this module. Empty it now?")
        .arg(check.missing)
        .arg(check.functions);
}

bool GuardLeftoverManipulationFile(const QString& folderNCS, const QStringList& traceLines, Dialogs& dialogs)
{
    const QString path = manipulationFilePath(folderNCS);
    const QFileInfo info(path);
    if (!info.isFile() || info.size() == 0)
        return false;
    // What cannot be read cannot be judged; NCS Expert's own messages will tell.
    const Result<QStringList> lines = ReadTraceFile(path);
    if (!lines)
        return false;
    const ManipulationFileCheck check = CheckManipulationFile(lines.value(), traceLines);
    if (!check.foreign
        || dialogs.message(mainCaption(), leftoverQuestion(check), MessageIcon::Exclamation, MessageButtons::YesNo)
               != MessageAnswer::Yes)
        return false;
    // Emptied, never deleted: NCS Expert expects the file to be there.
    const Status emptied = TextFile::writeBytesAtomically(path, QByteArray());
    if (!emptied) {
        dialogs.message(mainCaption(), emptied.error(), MessageIcon::Critical);
        return false;
    }
    dialogs.message(mainCaption(), QCoreApplication::translate("ManipulationFile", "%1 emptied.").arg(path),
                    MessageIcon::Information);
    return true;
}
