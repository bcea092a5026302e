#include "trace/trace_loader.h"

#include "common/busy_state.h"
#include "common/dialogs.h"
#include "common/paths.h"
#include "common/text_file.h"
#include "trace/trace_functions.h"
#include "trace/trace_session.h"

#include <QFileInfo>

QString defaultTracePath(const QString& folderNCS)
{
    return Paths::join(folderNCS, QStringLiteral("\\WORK\\FSW_PSW.TRC"));
}

QString manipulationFilePath(const QString& folderNCS)
{
    return Paths::join(folderNCS, QStringLiteral("\\WORK\\FSW_PSW.MAN"));
}

QString duplicateFunctionMessage(qsizetype lineNumber, const QString& line)
{
    return QStringLiteral("Line ") + QString::number(lineNumber)
           + QStringLiteral(": this function occurs twice in the trace file:\r\n") + line;
}

QString valueBeforeFunctionMessage(qsizetype lineNumber)
{
    return QStringLiteral("Line ") + QString::number(lineNumber)
           + QStringLiteral(": a value line comes before the first function line.");
}

QString notATraceMessage(qsizetype lineNumber)
{
    return QStringLiteral("Line ") + QString::number(lineNumber)
           + QStringLiteral(" holds control characters: this file is not an NCS Expert trace.");
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

QString BuildTraceTree(TraceTree& tree, const QStringList& lines, QStringList* acceptedLines)
{
    TraceTree::Batch batch(tree);
    int parent = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (holdsControlCharacters(line))
            return notATraceMessage(i + 1);
        if (!line.startsWith(u'\t')) {
            const Result<int> added = tree.addRoot(line, line, NodeImage::Chosen);
            if (!added)
                return duplicateFunctionMessage(i + 1, line);
            parent = added.value();
            tree.setExpanded(parent, true);
        } else {
            if (parent == 0)
                return valueBeforeFunctionMessage(i + 1);
            QString text = line;
            text.remove(u'\t');
            // The parent was just added, so adding below it cannot fail.
            static_cast<void>(tree.addChild(parent, text, NodeImage::Chosen));
        }
        if (acceptedLines)
            acceptedLines->append(line);
    }
    return {};
}

TraceLoadOutcome LoadTraceFile(const QString& path, const QString& folderNCS, TraceSession& session, BusyState& busy,
                               Dialogs& dialogs)
{
    if (!QFileInfo::exists(path)) {
        dialogs.message(mainCaption(), path + QStringLiteral(" not found.\r\nSet your default folders."),
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
        dialogs.message(mainCaption(), error, MessageIcon::Critical);
        return {};
    }
    return {true, wasTranslated};
}
