#include "cli/cli_dialogs.h"

namespace {
QString answerName(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok: return QStringLiteral("OK");
    case MessageAnswer::Yes: return QStringLiteral("Yes");
    case MessageAnswer::No: return QStringLiteral("No");
    case MessageAnswer::Cancel: return QStringLiteral("Cancel");
    }
    return {};
}
} // namespace

MessageAnswer CliDialogs::message(const QString&, const QString& text, MessageIcon, MessageButtons buttons)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_err << shown;
    if (buttons == MessageButtons::Ok) {
        m_err << '\n';
        m_err.flush();
        return MessageAnswer::Ok;
    }
    MessageAnswer answer = m_answerer ? m_answerer(text, buttons) : MessageAnswer::Cancel;
    if (buttons == MessageButtons::YesNo && answer == MessageAnswer::Cancel)
        answer = MessageAnswer::No;
    m_err << " -> " << answerName(answer) << '\n';
    m_err.flush();
    return answer;
}

bool CliDialogs::startEditor(const QString&, QString* error)
{
    if (error)
        *error = QStringLiteral("No editor is started from the command line.");
    return false;
}
