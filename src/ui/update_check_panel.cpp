#include "ui/update_check_panel.h"

#include "common/program_folder.h"
#include "settings/tool_folders.h"
#include "ui/controls.h"
#include "ui/frm_update.h"
#include "ui/panel_context.h"
#include "ui/window_requests.h"

#include <QPushButton>
#include <QWidget>

UpdateCheckPanel::UpdateCheckPanel(QWidget* frmMain, const PanelContext& context)
    : QObject(frmMain), m_frmMain(frmMain), m_context(context)
{
    connect(requireChild<QPushButton>(frmMain, QStringLiteral("cmdCheck")), &QPushButton::clicked, this,
            &UpdateCheckPanel::cmdCheck_Click);
}

void UpdateCheckPanel::cmdCheck_Click()
{
    m_context.window.closeSearchWindow();
    const QString spDaten = m_context.window.folderSPdaten();
    FrmUpdate window({m_context.dialogs, m_context.clock, m_context.busy,
                      m_context.programFiles.writeFolder(QStringLiteral("\\Updateplan.txt"))},
                     m_context.folders.FolderNFS, spDaten, m_frmMain);
    window.exec();
}
