#pragma once

#include "common/dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

// The test side of the dialog seam: records every message and dialog request, and answers
// from queues. An unexpected question (empty queue) fails loudly instead of guessing.
class ScriptedDialogs final : public Dialogs {
public:
    struct Message {
        QString title;
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    // Answers for questions (Yes/No, Yes/No/Cancel). Plain OK messages need no answer.
    void queueAnswer(MessageAnswer answer) { m_answers.enqueue(answer); }
    // Paths returned by open/save file dialogs and the folder picker; "" means cancel.
    void queueOpenFile(const QString& path) { m_openFiles.enqueue(path); }
    void queueSaveFile(const QString& path) { m_saveFiles.enqueue(path); }
    void queueFolder(const QString& path) { m_folders.enqueue(path); }

    MessageAnswer message(const QString& title, const QString& text, MessageIcon icon, MessageButtons buttons) override;
    QString openFile(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;
    QString browseForFolder(const QString& title) override;
    bool startEditor(const QString& filePath, QString* error) override;

    QList<Message> messages;
    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;
    QStringList folderTitles;
    QStringList editorFiles;
    // Set when a dialog was asked for without an answer queued.
    QStringList unexpected;

    QStringList texts() const; // the texts of all messages
    bool allAnswersUsed() const;

private:
    QQueue<MessageAnswer> m_answers;
    QQueue<QString> m_openFiles;
    QQueue<QString> m_saveFiles;
    QQueue<QString> m_folders;
};
