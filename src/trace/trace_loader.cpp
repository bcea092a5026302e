#include "trace/trace_loader.h"

#include "common/busy_state.h"
#include "common/dialogs.h"
#include "common/logging.h"
#include "common/paths.h"
#include "common/text_file.h"
#include "trace/trace_functions.h"
#include "trace/trace_session.h"

#include <QCoreApplication>
#include <QFileInfo>

QString defaultTracePath(const QString& folderNCS)
{
    return Paths::join(folderNCS, QStringLiteral("\\WORK\\FSW_PSW.TRC"));
}

QString manipulationFilePath(const QString& folderNCS)
{
    return Paths::join(folderNCS, QStringLiteral("\\WORK\\FSW_PSW.MAN"));
}

Result<QStringList> ReadTraceFile(const QString& path)
{
    Result<QByteArray> bytes = TextFile::readBytes(path, FileKinds::Trace);
    if (!bytes)
        return Result<QStringList>::failure(bytes.error());
    if (bytes.value().endsWith('\x1a'))
        bytes.value().chop(1);
    return TextFile::splitLines(bytes.value());
}

Result<QStringList> ReadTraceFileToCompare(const QString& path)
{
    Result<QStringList> lines = ReadTraceFile(path);
    for (qsizetype i = 0; lines && i < lines->size(); ++i)
        if (holdsControlCharacters(lines->at(i)))
            return Result<QStringList>::failure(Paths::describeFileError(path, notATraceMessage(i + 1)));
    return lines;
}

QString BuildTraceTree(TraceTree& tree, const QStringList& lines, QStringList* acceptedLines)
{
    TraceTree::Batch batch(tree);
    int parent = 0;
    const TraceStop stop = ReadTraceLines(
        lines,
        [&](const QString& line) {
            const Result<int> added = tree.addRoot(line, line, NodeImage::Chosen);
            if (!added)
                return false;
            parent = added.value();
            tree.setExpanded(parent, true);
            return true;
        },
        // The function was just added, so adding below it cannot fail.
        [&](const QString& value) { static_cast<void>(tree.addChild(parent, value, NodeImage::Chosen)); });
    if (acceptedLines)
        acceptedLines->append(lines.mid(0, stop.linesRead));
    return stop.error;
}

TraceLoadOutcome LoadTraceFile(const QString& path, const QString& folderNCS, TraceSession& session, BusyState& busy,
                               Dialogs& dialogs)
{
    if (!QFileInfo::exists(path)) {
        dialogs.message(
            mainCaption(),
            QCoreApplication::translate("TraceFile", "%1 not found.\r\nSet your default folders.").arg(path),
            MessageIcon::Exclamation);
        return {};
    }
    QString error;
    bool wasTranslated = false;
    {
        BusyScope busyScope(busy);

        // Exact comparison: the same file reached by another spelling is not the default trace.
        session.DefaultTraceLoaded = path == defaultTracePath(folderNCS);

        wasTranslated = session.Translated;
        session.ChangeCount = 0;
        session.ValuesShown = false;
        session.Translated = false;
        session.ValuesIncomplete = false;

        session.tree().clear();
        session.TraceLines.clear();

        const Result<QStringList> lines = ReadTraceFile(path);
        error = lines ? BuildTraceTree(session.tree(), lines.value(), &session.TraceLines) : lines.error();
        if (error.isEmpty()) {
            session.showTree();
            session.clearListItems();
        }
    }
    // The pointer is normal again before the message shows.
    if (!error.isEmpty()) {
        qCInfo(lcTrace) << "loading" << path << "stopped:" << error;
        dialogs.message(mainCaption(), error, MessageIcon::Critical);
        return {};
    }
    qCDebug(lcTrace) << "loaded" << path << "-" << session.TraceLines.size() << "lines,"
                     << session.tree().roots().size() << "functions";
    return {true, wasTranslated};
}
