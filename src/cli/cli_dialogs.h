#pragma once

#include "common/dialogs.h"

#include <QTextStream>

#include <functional>

// The dialog seam for scripts: nothing waits for a person. Messages are printed to the
// error stream, questions are answered by the command's options, the folder picker
// returns the folder given on the command line, file dialogs are cancelled.
class CliDialogs final : public Dialogs {
public:
    using Answerer = std::function<MessageAnswer(const QString& question, MessageButtons buttons)>;

    CliDialogs(QTextStream& err, Answerer answerer, QString folder = QString())
        : m_err(err), m_answerer(std::move(answerer)), m_folder(std::move(folder))
    {
    }

    MessageAnswer message(const QString& title, const QString& text, MessageIcon icon, MessageButtons buttons) override;
    QString openFile(const FileDialogRequest&) override { return {}; }
    QString saveFile(const FileDialogRequest&) override { return {}; }
    QString browseForFolder(const QString&) override { return m_folder; }
    bool startEditor(const QString&, QString* error) override;

private:
    QTextStream& m_err;
    Answerer m_answerer;
    QString m_folder;
};
