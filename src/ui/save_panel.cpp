#include "ui/save_panel.h"

#include "coding/save_manipulation_file.h"
#include "common/program_folder.h"
#include "moduledata/module_choice.h"
#include "settings/tool_folders.h"
#include "trace/trace_session.h"
#include "tracetools/save_file_as.h"
#include "ui/controls.h"
#include "ui/panel_context.h"
#include "ui/window_requests.h"

#include <QPushButton>
#include <QWidget>

SavePanel::SavePanel(QWidget* frmMain, const PanelContext& context) : QObject(frmMain), m_context(context)
{
    setObjectName(QStringLiteral("savePanel"));
    connect(requireChild<QPushButton>(frmMain, QStringLiteral("cmdSave")), &QPushButton::clicked, this,
            &SavePanel::cmdSave_Click);
}

void SavePanel::cmdSave_Click()
{
    WindowRequests& window = m_context.window;
    window.closeSearchWindow();
    const ManipulationSaveInputs inputs{m_context.folders.FolderNCS,
                                        m_context.programFiles.writeFolder(QStringLiteral("\\Codinglog.txt")),
                                        m_context.modules.chassis, m_context.modules.module, m_context.historyFolder};
    const ManipulationSaveCalls calls{[&window] { window.toggleTranslation(); },
                                      [&window](int mode) { window.saveFileAs(mode); }};
    SaveManipulationFile(inputs, m_context.session, m_context.dialogs, m_context.clock, m_saveTag, calls);
}

void SavePanel::SaveFileAs(int mode)
{
    m_context.window.closeSearchWindow();
    const SaveFileAsInputs inputs{m_context.modules.chassis, m_context.modules.module, m_context.session.listItems()};
    ::SaveFileAs(mode, inputs, {m_context.folders, m_context.settings, m_context.dialogs, m_context.clock}, m_saveTag);
}
