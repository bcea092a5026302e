#include "ui/menu_panel.h"

#include "coding/empty_manipulation_file.h"
#include "common/dialogs.h"
#include "common/paths.h"
#include "common/program_folder.h"
#include "common/window_layout.h"
#include "settings/language.h"
#include "settings/settings_store.h"
#include "settings/tool_folders.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"
#include "ui/controls.h"
#include "ui/menu_array.h"
#include "ui/open_file_dialog.h"
#include "ui/panel_context.h"
#include "ui/picture_list.h"
#include "ui/window_requests.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

MenuPanel::MenuPanel(QMainWindow* frmMain, const PanelContext& context)
    : QObject(frmMain),
      m_frmMain(frmMain),
      m_context(context),
      m_listImage(requireChild<QLabel>(frmMain, QStringLiteral("listImage")))
{
    connectMenu(QStringLiteral("sFile_"), 13, &MenuPanel::sFile_Click);
    connectMenu(QStringLiteral("sSettings_"), 11, &MenuPanel::sSettings_Click);
    connectMenu(QStringLiteral("sInfo_"), 1, &MenuPanel::sInfo_Click);
    for (const QString& code : Language::available()) {
        QAction* entry = action(QStringLiteral("sLanguage_") + code);
        entry->setChecked(code == context.language);
        connect(entry, &QAction::triggered, this, [this, code] { chooseLanguage(code); });
    }
    connect(requireChild<QPushButton>(frmMain, QStringLiteral("cmdOpen")), &QPushButton::clicked, this,
            &MenuPanel::cmdOpen_Click);
    m_listImage->installEventFilter(this);
}

QAction* MenuPanel::action(const QString& name) const
{
    return requireChild<QAction>(m_frmMain, name);
}

void MenuPanel::connectMenu(const QString& prefix, int count, void (MenuPanel::*handler)(int))
{
    connectMenuArray(m_frmMain, prefix, count, this, [this, handler](int index) { (this->*handler)(index); });
}

void MenuPanel::showError(const QString& text)
{
    m_context.dialogs.message(mainCaption(), text, MessageIcon::Critical);
}

void MenuPanel::startEditor(const QString& path)
{
    QString error;
    if (!m_context.dialogs.startEditor(path, &error))
        showError(error);
}

void MenuPanel::sFile_Click(int index)
{
    m_context.window.closeSearchWindow();
    const QString& folderNCS = m_context.folders.FolderNCS;
    switch (index) {
    case 1: {
        const QString path = OpenFileDialog(2, m_context);
        if (!path.isEmpty())
            m_context.window.loadTraceFile(path);
        break;
    }
    case 4: cmdOpen_Click(); break;
    case 5: openProgramFile(QStringLiteral("\\Codinglog.txt")); break;
    case 6: openProgramFile(QStringLiteral("\\Updateplan.txt")); break;
    case 7: startEditor(QString()); break;
    case 9: saveCopy(defaultTracePath(folderNCS), 1); break;
    case 10: saveCopy(manipulationFilePath(folderNCS), 2); break;
    case 11: emptyManipulationFile(); break;
    case 13: m_frmMain->close(); break;
    default: break;
    }
}

void MenuPanel::openProgramFile(const QString& tail)
{
    const QString path = Paths::join(m_context.programFiles.openFolder(tail), tail);
    if (QFileInfo(path).isFile())
        startEditor(path);
    else
        m_context.dialogs.message(mainCaption(), tr("%1 not found.").arg(path), MessageIcon::Exclamation);
}

void MenuPanel::saveCopy(const QString& path, int mode)
{
    if (QFileInfo(path).isFile())
        m_context.window.saveFileAs(mode);
    else
        m_context.dialogs.message(mainCaption(), tr("%1 not found.").arg(path), MessageIcon::Exclamation);
}

void MenuPanel::emptyManipulationFile()
{
    const ManipulationFile::EmptyOutcome outcome =
        ManipulationFile::empty(manipulationFilePath(m_context.folders.FolderNCS));
    using Kind = ManipulationFile::EmptyOutcome::Kind;
    if (outcome.kind == Kind::NotFound)
        m_context.dialogs.message(mainCaption(), outcome.message, MessageIcon::Exclamation);
    else if (outcome.kind == Kind::Failed)
        showError(outcome.message);
}

void MenuPanel::cmdOpen_Click()
{
    const QString path = OpenFileDialog(1, m_context);
    if (!path.isEmpty())
        startEditor(path);
}

void MenuPanel::setCustomPicture(const QString& path)
{
    const QPixmap loaded(path);
    if (loaded.isNull()) {
        showError(tr("%1\r\nThis file is not a picture that can be shown.").arg(path));
        return;
    }
    PictureList& pictures = m_context.frame.pictures();
    pictures.setCustom(loaded);
    m_context.frame.showPicture(pictures.count());
    Status stored = m_context.settings.setValue(SettingsStore::PictureCustom, path);
    if (stored)
        stored = m_context.settings.setValue(SettingsStore::PictureFolder, Paths::folderOf(path));
    if (!stored)
        showError(stored.error());
}

void MenuPanel::listImage_Click()
{
    const int next = m_context.frame.shownPicture() + 1;
    m_context.frame.showPicture(next > m_context.frame.pictures().count() ? 1 : next);
}

bool MenuPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_listImage && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        listImage_Click();
    return QObject::eventFilter(watched, event);
}

void MenuPanel::sSettings_Click(int index)
{
    m_context.window.closeSearchWindow();
    switch (index) {
    case 1:
    case 2:
    case 3: SetDefaultFolder(index, m_context.folders, m_context.settings, m_context.dialogs); break;
    case 5:
        m_context.dialogs.message(mainCaption(), defaultFoldersText(m_context.folders), MessageIcon::Information);
        break;
    case 6: {
        const QString path = OpenFileDialog(5, m_context);
        if (!path.isEmpty())
            setCustomPicture(path);
        break;
    }
    case 8: resetWindowSize(); break;
    case 10: {
        TraceTree& tree = m_context.session.tree();
        tree.setSorted(!tree.sorted());
        action(QStringLiteral("sSettings_10"))->setChecked(tree.sorted());
        break;
    }
    case 11: showNcsCodingOnly(!action(QStringLiteral("sSettings_11"))->isChecked()); break;
    default: break;
    }
}

void MenuPanel::resetWindowSize()
{
    if (m_frmMain->isMaximized())
        m_frmMain->showNormal();
    m_frmMain->resize(m_context.frame.designedWindowSize());
}

void MenuPanel::showNcsCodingOnly(bool on)
{
    m_context.frame.setLayoutWidth(on ? WindowLayout::kNcsOnlyWidth : WindowLayout::kFullWidth);
    action(QStringLiteral("sSettings_11"))->setChecked(on);
    if (Status stored =
            m_context.settings.setValue(SettingsStore::NCSonly, on ? QStringLiteral("True") : QStringLiteral("False"));
        !stored)
        showError(stored.error());
}

void MenuPanel::chooseLanguage(const QString& code)
{
    m_context.window.closeSearchWindow();
    for (const QString& other : Language::available())
        action(QStringLiteral("sLanguage_") + other)->setChecked(other == code);
    if (Status stored = m_context.settings.setValue(SettingsStore::Language, code); !stored) {
        showError(stored.error());
        return;
    }
    if (code != m_context.language)
        m_context.dialogs.message(mainCaption(), tr("Quillon speaks the chosen language from its next start on."),
                                  MessageIcon::Information);
}

QString MenuPanel::defaultFoldersText(const ToolFolders& folders)
{
    // The tools' names stay as the tools call themselves.
    return QStringList{QStringLiteral("NCS Expert\t\t\t"), folders.FolderNCS,     QString(),
                       QStringLiteral("Ediabas"),          folders.FolderEDIABAS, QString(),
                       QStringLiteral("WinKFP - NFS"),     folders.FolderNFS}
        .join(QStringLiteral("\r\n"));
}

void MenuPanel::sInfo_Click(int index)
{
    m_context.window.closeSearchWindow();
    if (index == 1)
        m_context.dialogs.message(mainCaption(), helpText(), MessageIcon::Information);
}

QString MenuPanel::helpText()
{
    // Folder names and the arrows between them are the same in every language.
    static const char* const lines[] = {
        QT_TR_NOOP("Load TRC-file:"),
        QT_TR_NOOP("[file loaded is ...\\NCSEXPER\\WORK\\FSW_PSW.TRC]"),
        "",
        QT_TR_NOOP("Select the line with the value you want to change"),
        QT_TR_NOOP("--> change the value in the popup screen"),
        QT_TR_NOOP("or choose Show values for all possible values and select one"),
        "",
        QT_TR_NOOP("Save MAN-file:"),
        QT_TR_NOOP("[file saved as ...\\NCSEXPER\\WORK\\FSW_PSW.MAN]"),
        QT_TR_NOOP("--> enter a name for the backup of the trc and man-file"),
        "",
        QT_TR_NOOP("Update SP-DATEN:"),
        "...\\SP-DATEN-Exx\\ECU       -->  ...\\EDIABAS\\ECU",
        "...\\SP-DATEN-Exx\\SGDAT  -->  ...\\EC-APPS\\NFS\\SGDAT",
        "...\\SP-DATEN-Exx\\SGDAT  -->  ...\\NCSEXPER\\SGDAT",
        "...\\SP-DATEN-Exx\\DATEN  -->  ...\\NCSEXPER\\DATEN\\Exx",
        QT_TR_NOOP("also update of files in ...\\NCSEXPER\\DATEN"),
        "",
        QT_TR_NOOP("Update WINKFP:"),
        "...\\SP-DATEN-Exx\\DATA    -->  ...\\EC-APPS\\NFS\\DATA",
        QT_TR_NOOP("also update of SGIDC.AS2 in ...\\EC-APPS\\NFS\\DATA\\GDATEN"),
        "",
        QT_TR_NOOP("backup's are saved as ...\\name_date_time"),
        "",
    };
    QString text;
    for (const char* line : lines)
        text += tr(line) + QStringLiteral("\r\n");
    return text + tr("Quillon - version %1").arg(QString::fromLatin1(QUILLON_VERSION));
}
