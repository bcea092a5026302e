#include "support/scripted_dialogs.h"

namespace {

// The next queued answer; an empty queue is noted as unexpected and answers `none`.
template <typename T>
T next(QQueue<T>& queue, QStringList& unexpected, const QString& what, T none = {})
{
    if (queue.isEmpty()) {
        unexpected.append(what);
        return none;
    }
    return queue.dequeue();
}

} // namespace

MessageAnswer ScriptedDialogs::message(const QString& title, const QString& text, MessageIcon icon,
                                       MessageButtons buttons)
{
    messages.append({title, text, icon, buttons});
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return next(m_answers, unexpected, QStringLiteral("question without answer: ") + text,
                buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel : MessageAnswer::No);
}

QString ScriptedDialogs::openFile(const FileDialogRequest& request)
{
    openRequests.append(request);
    return next(m_openFiles, unexpected, QStringLiteral("open dialog without answer: ") + request.title);
}

QString ScriptedDialogs::saveFile(const FileDialogRequest& request)
{
    saveRequests.append(request);
    return next(m_saveFiles, unexpected, QStringLiteral("save dialog without answer: ") + request.title);
}

QString ScriptedDialogs::browseForFolder(const QString& title)
{
    folderTitles.append(title);
    return next(m_folders, unexpected, QStringLiteral("folder picker without answer: ") + title);
}

bool ScriptedDialogs::startEditor(const QString& filePath, QString*)
{
    editorFiles.append(filePath);
    return true;
}

QStringList ScriptedDialogs::texts() const
{
    QStringList result;
    for (const Message& m : messages)
        result.append(m.text);
    return result;
}

bool ScriptedDialogs::allAnswersUsed() const
{
    return m_answers.isEmpty() && m_openFiles.isEmpty() && m_saveFiles.isEmpty() && m_folders.isEmpty();
}
