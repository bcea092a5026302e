#include "ui/compare_panel.h"

#include "common/dialogs.h"
#include "ui/controls.h"
#include "ui/menu_array.h"
#include "ui/open_file_dialog.h"
#include "ui/panel_context.h"
#include "ui/window_requests.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

namespace {

// A path as a menu caption: an ampersand would otherwise turn into a mnemonic.
QString menuCaption(QString path)
{
    return path.replace(u'&', QStringLiteral("&&"));
}

} // namespace

ComparePanel::ComparePanel(QMainWindow* frmMain, const PanelContext& context) : QObject(frmMain), m_context(context)
{
    setObjectName(QStringLiteral("comparePanel"));
    for (int index = 1; index <= 4; ++index)
        m_ssFile[index - 1] = requireChild<QAction>(frmMain, QStringLiteral("ssFile_%1").arg(index));
    connectMenuArray(frmMain, QStringLiteral("ssFile_"), 4, this, [this](int index) { ssFile_Click(index); });
    // Opening the submenu is the "Compare files" event itself.
    connect(requireChild<QMenu>(frmMain, QStringLiteral("sFile_2")), &QMenu::aboutToShow, this,
            [this] { m_context.window.closeSearchWindow(); });
}

void ComparePanel::ssFile_Click(int index)
{
    m_context.window.closeSearchWindow();
    if (index == 4) {
        m_context.window.saveFileAs(3);
        return;
    }
    if (!m_compare.startChoice(index))
        return;
    SetCompareMenu();
    const QString path = OpenFileDialog(index + 2, m_context);
    if (!path.isEmpty())
        CompareTraces(index + 2, path);
}

void ComparePanel::CompareTraces(int mode, const QString& path)
{
    QString error;
    if (mode == 3)
        error = m_compare.chooseFile1(path, m_context.session);
    else if (mode == 4)
        error = m_compare.chooseFile2(path, m_context.session);
    SetCompareMenu();
    if (!error.isEmpty())
        m_context.dialogs.message(mainCaption(), error, MessageIcon::Critical);
}

void ComparePanel::traceAboutToLoad()
{
    m_compare.traceLoading();
    SetCompareMenu();
}

void ComparePanel::SetCompareMenu()
{
    const QString* files[] = {&m_compare.file1(), &m_compare.file2()};
    for (int entry = 0; entry < 2; ++entry) {
        const QString& path = *files[entry];
        m_ssFile[entry]->setText(path.isEmpty() ? tr("Select trace file &%1").arg(entry + 1) : menuCaption(path));
        m_ssFile[entry]->setChecked(!path.isEmpty());
    }
    m_ssFile[1]->setEnabled(!m_compare.file1().isEmpty());
    m_ssFile[3]->setEnabled(m_compare.exportEnabled());
}
