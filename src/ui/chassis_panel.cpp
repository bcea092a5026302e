#include "ui/chassis_panel.h"

#include "common/busy_state.h"
#include "common/dialogs.h"
#include "moduledata/chassis_data.h"
#include "moduledata/module_choice.h"
#include "settings/tool_folders.h"
#include "ui/controls.h"
#include "ui/panel_context.h"

#include <QComboBox>
#include <QWidget>

ChassisPanel::ChassisPanel(QWidget* frmMain, const PanelContext& context)
    : QObject(frmMain),
      m_context(context),
      m_cmbChassis(requireChild<QComboBox>(frmMain, QStringLiteral("cmbChassis"))),
      m_cmbModule(requireChild<QComboBox>(frmMain, QStringLiteral("cmbModule")))
{
    setObjectName(QStringLiteral("chassisPanel"));
    m_cmbChassis->addItems(FillChassisList(context.folders.FolderNCS));
    // Nothing is chosen until the user picks an entry.
    m_cmbChassis->setCurrentIndex(-1);
    connect(m_cmbChassis, &QComboBox::activated, this, &ChassisPanel::cmbChassis_Click);
    connect(m_cmbModule, &QComboBox::activated, this, &ChassisPanel::cmbModule_Click);
}

void ChassisPanel::chooseModule(const QString& module)
{
    const int index = m_cmbModule->findText(module, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index < 0)
        return;
    m_cmbModule->setCurrentIndex(index);
    cmbModule_Click();
}

void ChassisPanel::cmbChassis_Click()
{
    ModuleChoice& choice = m_context.modules;
    ModuleData& data = choice.data;
    Status loaded;
    {
        BusyScope busy(m_context.busy);
        m_cmbModule->clear();
        data.ModuleHex.clear();
        data.ChassisIndex = m_cmbChassis->currentIndex();
        choice.chassis = m_cmbChassis->itemText(data.ChassisIndex);
        m_cmbModule->addItems(ChassisModules(m_context.folders.FolderNCS, choice.chassis));
        m_cmbModule->setCurrentIndex(-1);
        choice.module.clear();
        loaded = LoadKeywordFiles(m_context.folders.FolderNCS, choice.chassis, data);
    }
    if (!loaded)
        showFailure(loaded.error());
}

void ChassisPanel::cmbModule_Click()
{
    ModuleChoice& choice = m_context.modules;
    choice.module = m_cmbModule->currentText();
    Status loaded;
    {
        BusyScope busy(m_context.busy);
        loaded = LoadModule(m_context.folders.FolderNCS, choice.chassis, choice.module, choice.data);
    }
    if (!loaded)
        showFailure(loaded.error());
}

void ChassisPanel::showFailure(const QString& message)
{
    m_context.dialogs.message(mainCaption(), message, MessageIcon::Critical);
}
