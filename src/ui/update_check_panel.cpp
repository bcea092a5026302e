#include "ui/update_check_panel.h"

#include "settings/tool_folders.h"
#include "ui/app_context.h"
#include "ui/frm_update.h"

#include <QPushButton>
#include <QWidget>

UpdateCheckPanel::UpdateCheckPanel(QWidget* frmMain, AppContext& context, std::function<QString()> folderSPdaten)
    : QObject(frmMain), m_frmMain(frmMain), m_context(context), m_folderSPdaten(std::move(folderSPdaten))
{
    if (auto* cmdCheck = frmMain->findChild<QPushButton*>(QStringLiteral("cmdCheck")))
        connect(cmdCheck, &QPushButton::clicked, this, &UpdateCheckPanel::cmdCheck_Click);
}

void UpdateCheckPanel::cmdCheck_Click()
{
    callHook(m_context.closeSearchWindow);
    const QString spDaten = m_folderSPdaten ? m_folderSPdaten() : QString();
    FrmUpdate window({m_context.dialogs, m_context.clock, m_context.busy,
                      m_context.programFiles.writeFolder(QStringLiteral("\\Updateplan.txt"))},
                     m_context.folders.FolderNFS, spDaten, m_frmMain);
    window.exec();
}
