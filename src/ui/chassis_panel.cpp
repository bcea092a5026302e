#include "ui/chassis_panel.h"

#include "common/busy_state.h"
#include "common/dialogs.h"
#include "moduledata/chassis_data.h"
#include "settings/tool_folders.h"
#include "ui/app_context.h"

#include <QComboBox>
#include <QWidget>

ChassisPanel::ChassisPanel(QWidget* frmMain, AppContext& context)
    : QObject(frmMain),
      m_context(context),
      m_cmbChassis(frmMain->findChild<QComboBox*>(QStringLiteral("cmbChassis"))),
      m_cmbModule(frmMain->findChild<QComboBox*>(QStringLiteral("cmbModule")))
{
    setObjectName(QStringLiteral("chassisPanel"));
    context.moduleData = &m_data;

    m_cmbChassis->addItems(FillChassisList(context.folders.FolderNCS));
    // Nothing is chosen until the user picks an entry.
    m_cmbChassis->setCurrentIndex(-1);

    context.chosenChassis = [this] { return m_data.ChassisIndex >= 0 ? chassisText() : QString(); };
    context.chooseModule = [this](const QString& module) {
        const int index = m_cmbModule->findText(module, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (index < 0)
            return;
        m_cmbModule->setCurrentIndex(index);
        cmbModule_Click();
    };
    connect(m_cmbChassis, &QComboBox::activated, this, &ChassisPanel::cmbChassis_Click);
    connect(m_cmbModule, &QComboBox::activated, this, &ChassisPanel::cmbModule_Click);
}

QString ChassisPanel::chassisText() const
{
    return m_cmbChassis->currentText();
}

QString ChassisPanel::moduleText() const
{
    return m_cmbModule->currentText();
}

void ChassisPanel::cmbChassis_Click()
{
    Status loaded;
    {
        BusyScope busy(m_context.busy);
        m_cmbModule->clear();
        m_data.ModuleHex.clear();
        m_data.ChassisIndex = m_cmbChassis->currentIndex();
        const QString chassis = m_cmbChassis->itemText(m_data.ChassisIndex);
        m_cmbModule->addItems(ChassisModules(m_context.folders.FolderNCS, chassis));
        m_cmbModule->setCurrentIndex(-1);
        loaded = LoadKeywordFiles(m_context.folders.FolderNCS, chassis, m_data);
    }
    if (!loaded)
        showFailure(loaded.error());
}

void ChassisPanel::cmbModule_Click()
{
    Status loaded;
    {
        BusyScope busy(m_context.busy);
        loaded = LoadModule(m_context.folders.FolderNCS, m_cmbChassis->itemText(m_data.ChassisIndex),
                            m_cmbModule->currentText(), m_data);
    }
    if (!loaded)
        showFailure(loaded.error());
}

void ChassisPanel::showFailure(const QString& message)
{
    m_context.dialogs.message(mainCaption(), message, MessageIcon::Critical);
}
