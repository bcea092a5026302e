#include "ui/qt_dialogs.h"

#include "common/paths.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString displayText(QString text)
{
    // The texts carry the tools' CR LF; a message box wants plain line feeds.
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

QString QtDialogs::toQtFilter(const QString& barFilter)
{
    const QStringList parts = barFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        if (const qsizetype open = description.indexOf(u'('); open >= 0)
            description = description.left(open).trimmed();
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            if (pattern == u"*.*")
                pattern = QStringLiteral("*");
        filters.append(description + QStringLiteral(" (") + patterns.join(u' ') + u')');
    }
    return filters.join(QStringLiteral(";;"));
}

MessageAnswer QtDialogs::message(const QString& title, const QString& text, MessageIcon icon,
                                 MessageButtons buttons)
{
    QMessageBox box(toQtIcon(icon), title, displayText(text), QMessageBox::NoButton, m_owner);
    switch (buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: break;
    }
    // Closing a question with its window frame counts as its cancel or No.
    if (buttons == MessageButtons::YesNoCancel)
        return MessageAnswer::Cancel;
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

QString QtDialogs::openFile(const FileDialogRequest& request)
{
    const QString path = QFileDialog::getOpenFileName(m_owner, request.title, request.folder,
                                                      toQtFilter(request.filter));
    return Paths::toNative(path);
}

QString QtDialogs::saveFile(const FileDialogRequest& request)
{
    QFileDialog dialog(m_owner, request.title, request.folder, toQtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return Paths::toNative(dialog.selectedFiles().constFirst());
}

QString QtDialogs::browseForFolder(const QString& title)
{
    const QString folder = QFileDialog::getExistingDirectory(m_owner, title, QString(), QFileDialog::ShowDirsOnly);
    return folder.isEmpty() ? QString() : Paths::normalizeFolder(folder);
}

bool QtDialogs::startEditor(const QString& filePath, QString* error)
{
#ifdef Q_OS_WIN
    const QStringList arguments = filePath.isEmpty() ? QStringList() : QStringList{filePath};
    const bool started = QProcess::startDetached(QStringLiteral("notepad.exe"), arguments);
#else
    bool started = false;
    if (filePath.isEmpty()) {
        // No file to hand over: start a plain editor if one is installed.
        for (const char* editor : {"gnome-text-editor", "gedit", "kate", "mousepad", "xed", "pluma"}) {
            if (QProcess::startDetached(QString::fromLatin1(editor), {})) {
                started = true;
                break;
            }
        }
    } else {
        started = QDesktopServices::openUrl(QUrl::fromLocalFile(filePath));
    }
#endif
    if (!started && error)
        *error = QStringLiteral("No text editor could be started.");
    return started;
}
