#include "ui/menu_panel.h"

#include "common/dialogs.h"
#include "common/paths.h"
#include "common/text_file.h"
#include "common/window_layout.h"
#include "settings/settings_store.h"
#include "settings/tool_folders.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"
#include "tracetools/trace_compare.h"
#include "ui/app_context.h"
#include "ui/picture_list.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

namespace {

const QString kFilterAllTraceText =
    QStringLiteral("All files (*.*)|*.*|Trace files (*.trc, *.man)|*.trc;*.man|Text files (*.txt)|*.txt");
const QString kFilterTraceAll = QStringLiteral("Trace files (*.trc, *.man)|*.trc;*.man|All files (*.*)|*.*");
const QString kFilterAllOnly = QStringLiteral("All files (*.*)|*.*");

// A path as a menu caption: an ampersand would otherwise turn into a mnemonic.
QString menuCaption(QString path)
{
    return path.replace(u'&', QStringLiteral("&&"));
}

} // namespace

MenuPanel::MenuPanel(QMainWindow* frmMain, AppContext& context)
    : QObject(frmMain),
      m_frmMain(frmMain),
      m_context(context),
      m_listImage(frmMain->findChild<QLabel*>(QStringLiteral("listImage")))
{
    connectMenu(QStringLiteral("sFile_"), 13, &MenuPanel::sFile_Click);
    connectMenu(QStringLiteral("ssFile_"), 4, &MenuPanel::ssFile_Click);
    connectMenu(QStringLiteral("sSettings_"), 11, &MenuPanel::sSettings_Click);
    connectMenu(QStringLiteral("sInfo_"), 1, &MenuPanel::sInfo_Click);
    // Opening the submenu is the "Compare files" event itself.
    connect(frmMain->findChild<QMenu*>(QStringLiteral("sFile_2")), &QMenu::aboutToShow, this,
            [this] { callHook(m_context.closeSearchWindow); });
    connect(frmMain->findChild<QPushButton*>(QStringLiteral("cmdOpen")), &QPushButton::clicked, this,
            &MenuPanel::cmdOpen_Click);
    m_listImage->installEventFilter(this);

    m_context.traceAboutToLoad = [this] {
        if (action(QStringLiteral("ssFile_1"))->isChecked())
            SetCompareMenu();
        action(QStringLiteral("ssFile_4"))->setEnabled(false);
    };
}

QAction* MenuPanel::action(const QString& name) const
{
    return m_frmMain->findChild<QAction*>(name);
}

void MenuPanel::connectMenu(const QString& prefix, int count, void (MenuPanel::*handler)(int))
{
    for (int index = 1; index <= count; ++index) {
        QAction* entry = action(prefix + QString::number(index));
        if (!entry || entry->isSeparator() || entry->menu())
            continue;
        connect(entry, &QAction::triggered, this, [this, entry, index, handler](bool checked) {
            // A checkable entry has already flipped its mark; the handlers decide it.
            if (entry->isCheckable())
                entry->setChecked(!checked);
            (this->*handler)(index);
        });
    }
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
    callHook(m_context.closeSearchWindow);
    const QString& folderNCS = m_context.folders.FolderNCS;
    switch (index) {
    case 1: OpenFileDialog(2); break;
    case 4: OpenFileDialog(1); break;
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
    const QString path = Paths::join(m_context.programFiles.readFolder(tail), tail);
    if (QFileInfo(path).isFile())
        startEditor(path);
    else
        m_context.dialogs.message(mainCaption(), path + QStringLiteral(" not found."), MessageIcon::Exclamation);
}

void MenuPanel::saveCopy(const QString& path, int mode)
{
    if (QFileInfo(path).isFile())
        callHook(m_context.saveFileAs, mode);
    else
        m_context.dialogs.message(mainCaption(), path + QStringLiteral(" not found."), MessageIcon::Exclamation);
}

void MenuPanel::emptyManipulationFile()
{
    const QString path = manipulationFilePath(m_context.folders.FolderNCS);
    if (!QFileInfo(path).isFile()) {
        m_context.dialogs.message(mainCaption(), path + QStringLiteral(" not found."), MessageIcon::Exclamation);
        return;
    }
    // Emptied in place, never deleted or replaced: NCS Expert expects the file there.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        showError(Paths::describeFileError(path, file.errorString()));
}

void MenuPanel::cmdOpen_Click()
{
    OpenFileDialog(1);
}

void MenuPanel::OpenFileDialog(int mode)
{
    callHook(m_context.closeSearchWindow);
    FileDialogRequest request;
    request.folder = Paths::join(m_context.folders.FolderNCS, QStringLiteral("\\WORK"));
    switch (mode) {
    case 1:
        request.title = QStringLiteral("Open file");
        request.filter = kFilterAllTraceText;
        break;
    case 2:
    case 3:
    case 4:
        request.title = QStringLiteral("Open TRC-file");
        request.filter = kFilterTraceAll;
        break;
    case 5:
        request.title = QStringLiteral("Select picture-file");
        request.filter = kFilterAllOnly;
        request.folder = m_context.settings.value(SettingsStore::PictureFolder, QString());
        break;
    default: return;
    }
    const QString path = m_context.dialogs.openFile(request);
    if (path.isEmpty())
        return;
    switch (mode) {
    case 1: startEditor(path); break;
    case 2: callHook(m_context.loadTraceFile, path); break;
    case 3:
    case 4: CompareTraces(mode, path); break;
    case 5: setCustomPicture(path); break;
    default: break;
    }
}

void MenuPanel::setCustomPicture(const QString& path)
{
    const QPixmap loaded(path);
    if (loaded.isNull()) {
        showError(path + QStringLiteral("\r\nThis file is not a picture that can be shown."));
        return;
    }
    PictureList& pictures = *m_context.imageList2;
    pictures.setCustom(loaded);
    *m_context.pictureDefault = pictures.count();
    m_context.showPicture(*m_context.pictureDefault);
    Status stored = m_context.settings.setValue(SettingsStore::PictureCustom, path);
    if (stored)
        stored = m_context.settings.setValue(SettingsStore::PictureFolder, Paths::folderOf(path));
    if (!stored)
        showError(stored.error());
}

void MenuPanel::listImage_Click()
{
    int& shown = *m_context.pictureDefault;
    ++shown;
    if (shown > m_context.imageList2->count())
        shown = 1;
    m_context.showPicture(shown);
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
    callHook(m_context.closeSearchWindow);
    switch (index) {
    case 1:
    case 2:
    case 3: SetDefaultFolder(index, m_context.folders, m_context.settings, m_context.dialogs); break;
    case 5:
        m_context.dialogs.message(mainCaption(), defaultFoldersText(m_context.folders), MessageIcon::Information);
        break;
    case 6: OpenFileDialog(5); break;
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
    m_frmMain->resize(m_context.designedWindowSize());
}

void MenuPanel::showNcsCodingOnly(bool on)
{
    m_context.setLayoutWidth(on ? WindowLayout::kNcsOnlyWidth : WindowLayout::kFullWidth);
    action(QStringLiteral("sSettings_11"))->setChecked(on);
    if (Status stored =
            m_context.settings.setValue(SettingsStore::NCSonly, on ? QStringLiteral("True") : QStringLiteral("False"));
        !stored)
        showError(stored.error());
}

QString MenuPanel::defaultFoldersText(const ToolFolders& folders)
{
    return QStringList{QStringLiteral("NCS Expert\t\t\t"), folders.FolderNCS,     QString(),
                       QStringLiteral("Ediabas"),          folders.FolderEDIABAS, QString(),
                       QStringLiteral("WinKFP - NFS"),     folders.FolderNFS}
        .join(QStringLiteral("\r\n"));
}

void MenuPanel::sInfo_Click(int index)
{
    callHook(m_context.closeSearchWindow);
    if (index == 1)
        m_context.dialogs.message(mainCaption(), helpText(), MessageIcon::Information);
}

QString MenuPanel::helpText()
{
    static const char* const lines[] = {
        "Load TRC-file:",
        "[file loaded is ...\\NCSEXPER\\WORK\\FSW_PSW.TRC]",
        "",
        "Select the line with the value you want to change",
        "--> change the value in the popup screen",
        "or choose Show values for all possible values and select one",
        "",
        "Save MAN-file:",
        "[file saved as ...\\NCSEXPER\\WORK\\FSW_PSW.MAN]",
        "--> enter a name for the backup of the trc and man-file",
        "",
        "Update SP-DATEN:",
        "...\\SP-DATEN-Exx\\ECU       -->  ...\\EDIABAS\\ECU",
        "...\\SP-DATEN-Exx\\SGDAT  -->  ...\\EC-APPS\\NFS\\SGDAT",
        "...\\SP-DATEN-Exx\\SGDAT  -->  ...\\NCSEXPER\\SGDAT",
        "...\\SP-DATEN-Exx\\DATEN  -->  ...\\NCSEXPER\\DATEN\\Exx",
        "also update of files in ...\\NCSEXPER\\DATEN",
        "",
        "Update WINKFP:",
        "...\\SP-DATEN-Exx\\DATA    -->  ...\\EC-APPS\\NFS\\DATA",
        "also update of SGIDC.AS2 in ...\\EC-APPS\\NFS\\DATA\\GDATEN",
        "",
        "backup's are saved as ...\\name_date_time",
        "",
    };
    QString text;
    for (const char* line : lines)
        text += QString::fromLatin1(line) + QStringLiteral("\r\n");
    return text + QStringLiteral("Quillon - version ") + QString::fromLatin1(QUILLON_VERSION);
}

void MenuPanel::ssFile_Click(int index)
{
    callHook(m_context.closeSearchWindow);
    if (index == 1 || index == 2) {
        if (action(QStringLiteral("ssFile_%1").arg(index))->isChecked())
            return;
        action(QStringLiteral("ssFile_4"))->setEnabled(false);
        OpenFileDialog(index + 2);
    } else if (index == 4) {
        callHook(m_context.saveFileAs, 3);
    }
}

void MenuPanel::CompareTraces(int mode, const QString& path)
{
    TraceSession& session = m_context.session;
    if (mode == 3) {
        session.ChangeCount = 0;
        QAction* file1 = action(QStringLiteral("ssFile_1"));
        file1->setText(menuCaption(path));
        file1->setChecked(true);
        action(QStringLiteral("ssFile_2"))->setEnabled(true);
        session.setListItems(TraceCompare::file1Header(path));
        session.showList();
        const Result<QStringList> lines = TextFile::readLines(path);
        if (!lines) {
            SetCompareMenu();
            showError(lines.error());
            return;
        }
        CompareLines1 = lines.value();
        return;
    }
    if (mode != 4)
        return;

    QAction* file2 = action(QStringLiteral("ssFile_2"));
    file2->setText(menuCaption(path));
    file2->setChecked(true);
    session.setListItems(session.listItems() + TraceCompare::file2Header(path));
    const Result<QStringList> lines = TextFile::readLines(path);
    if (!lines) {
        SetCompareMenu();
        showError(lines.error());
        return;
    }
    CompareLines2 = lines.value();

    const TraceComparison comparison = TraceCompare::compareLines(CompareLines1, CompareLines2);
    session.setListItems(session.listItems() + comparison.lines);
    if (comparison.outcome == TraceComparison::Outcome::Compared)
        action(QStringLiteral("ssFile_4"))->setEnabled(true);
    SetCompareMenu();
    if (comparison.outcome == TraceComparison::Outcome::Failed)
        showError(comparison.error);
}

void MenuPanel::SetCompareMenu()
{
    QAction* file1 = action(QStringLiteral("ssFile_1"));
    file1->setText(QStringLiteral("Select trace file 1"));
    file1->setChecked(false);
    QAction* file2 = action(QStringLiteral("ssFile_2"));
    file2->setText(QStringLiteral("Select trace file 2"));
    file2->setChecked(false);
    file2->setEnabled(false);
    CompareLines1.clear();
    CompareLines2.clear();
}
