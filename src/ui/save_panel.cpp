#include "ui/save_panel.h"

#include "coding/save_manipulation_file.h"
#include "settings/tool_folders.h"
#include "trace/trace_session.h"
#include "tracetools/save_file_as.h"
#include "ui/app_context.h"

#include <QComboBox>
#include <QPushButton>
#include <QWidget>

SavePanel::SavePanel(QWidget* frmMain, AppContext& context)
    : QObject(frmMain),
      m_context(context),
      m_cmbChassis(frmMain->findChild<QComboBox*>(QStringLiteral("cmbChassis"))),
      m_cmbModule(frmMain->findChild<QComboBox*>(QStringLiteral("cmbModule")))
{
    setObjectName(QStringLiteral("savePanel"));
    connect(frmMain->findChild<QPushButton*>(QStringLiteral("cmdSave")), &QPushButton::clicked, this,
            &SavePanel::cmdSave_Click);
    context.saveFileAs = [this](int mode) { SaveFileAs(mode); };
}

void SavePanel::cmdSave_Click()
{
    callHook(m_context.closeSearchWindow);
    const ManipulationSaveInputs inputs{
        m_context.folders.FolderNCS, m_context.programFiles.writeFolder(QStringLiteral("\\Codinglog.txt")),
        m_cmbChassis->currentText(), m_cmbModule->currentText(), m_context.historyFolder};
    // The hooks are read at the time of the click: other panels may set them later.
    const ManipulationSaveCalls calls{m_context.toggleTranslation, m_context.saveFileAs};
    SaveManipulationFile(inputs, m_context.session, m_context.dialogs, m_context.clock, m_saveTag, calls);
}

void SavePanel::SaveFileAs(int mode)
{
    callHook(m_context.closeSearchWindow);
    const SaveFileAsInputs inputs{m_cmbChassis->currentText(), m_cmbModule->currentText(),
                                  m_context.session.listItems()};
    ::SaveFileAs(mode, inputs, {m_context.folders, m_context.settings, m_context.dialogs, m_context.clock}, m_saveTag);
}
