#include "support/scripted_dialogs.h"

MessageAnswer ScriptedDialogs::message(const QString& title, const QString& text, MessageIcon icon,
                                       MessageButtons buttons)
{
    messages.append({title, text, icon, buttons});
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (m_answers.isEmpty()) {
        unexpected.append(QStringLiteral("question without answer: ") + text);
        return buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel : MessageAnswer::No;
    }
    return m_answers.dequeue();
}

QString ScriptedDialogs::openFile(const FileDialogRequest& request)
{
    openRequests.append(request);
    if (m_openFiles.isEmpty()) {
        unexpected.append(QStringLiteral("open dialog without answer: ") + request.title);
        return {};
    }
    return m_openFiles.dequeue();
}

QString ScriptedDialogs::saveFile(const FileDialogRequest& request)
{
    saveRequests.append(request);
    if (m_saveFiles.isEmpty()) {
        unexpected.append(QStringLiteral("save dialog without answer: ") + request.title);
        return {};
    }
    return m_saveFiles.dequeue();
}

QString ScriptedDialogs::browseForFolder(const QString& title)
{
    folderTitles.append(title);
    if (m_folders.isEmpty()) {
        unexpected.append(QStringLiteral("folder picker without answer: ") + title);
        return {};
    }
    return m_folders.dequeue();
}

bool ScriptedDialogs::startEditor(const QString& filePath, QString* error)
{
    editorFiles.append(filePath);
    if (!m_editorStarts && error)
        *error = QStringLiteral("The editor could not be started.");
    return m_editorStarts;
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
