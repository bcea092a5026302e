#include "ui/qt_dialogs.h"

#include "common/paths.h"

#include <QCoreApplication>
#include <QDir>
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

MessageAnswer QtDialogs::message(const QString& title, const QString& text, MessageIcon icon, MessageButtons buttons)
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
    const QString path =
        QFileDialog::getOpenFileName(m_owner, request.title, request.folder, toQtFilter(request.filter));
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
    // The picker starts at the top of the folder hierarchy, not in the working folder.
#ifdef Q_OS_WIN
    const QUrl top(QStringLiteral("clsid:0AC0837C-BBF8-452A-850D-79D08E667CA7")); // "This PC"
#else
    const QUrl top = QUrl::fromLocalFile(QDir::rootPath());
#endif
    const QUrl chosen =
        QFileDialog::getExistingDirectoryUrl(m_owner, title, top, QFileDialog::ShowDirsOnly, {QStringLiteral("file")});
    const QString folder = chosen.toLocalFile();
    return folder.isEmpty() ? QString() : Paths::normalizeFolder(folder);
}

bool QtDialogs::startEditor(const QString& filePath, QString* error)
{
    const QStringList arguments = filePath.isEmpty() ? QStringList() : QStringList{filePath};
#ifdef Q_OS_WIN
    const bool started = QProcess::startDetached(QStringLiteral("notepad.exe"), arguments);
#else
    // A plain-text editor, never the desktop's handler for the file type: the type
    // database takes FSW_PSW.MAN for a manual page.
    bool started = false;
    for (const char* editor : {"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "xed", "pluma", "featherpad",
                               "leafpad", "geany"}) {
        if (QProcess::startDetached(QString::fromLatin1(editor), arguments)) {
            started = true;
            break;
        }
    }
#endif
    if (!started && error)
        *error = QCoreApplication::translate("QtDialogs", "No text editor could be started.");
    return started;
}
