#include "ui/frm_update.h"

#include "common/clock.h"
#include "common/dialogs.h"
#include "updatecheck/update_plan.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString caption()
{
    return FrmUpdate::tr("Check for update");
}

QLabel* label(const QString& name, const QString& text, QWidget* parent)
{
    auto* control = new QLabel(text, parent);
    control->setObjectName(name);
    return control;
}

QPushButton* button(const QString& name, const QString& text, QWidget* parent)
{
    auto* control = new QPushButton(text, parent);
    control->setObjectName(name);
    return control;
}

} // namespace

FrmUpdate::FrmUpdate(const Services& services, const QString& pathNFS, const QString& pathSPdaten, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::CustomizeWindowHint),
      PathNFS(pathNFS),
      PathSPdaten(pathSPdaten),
      m_services(services)
{
    setObjectName(QStringLiteral("frmUpdate"));
    setWindowTitle(caption());
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    auto* label1 = label(QStringLiteral("Label1"), tr("Assembly number:"), this);
    m_txtZUSB = new QLineEdit(this);
    m_txtZUSB->setObjectName(QStringLiteral("txtZUSB"));
    m_chkFolder = new QCheckBox(tr("Check SP-source"), this);
    m_chkFolder->setObjectName(QStringLiteral("chkFolder"));
    m_lblPath = label(QStringLiteral("lblPath"), tr("Find assembly number in INPA, button Ident, page down"), this);
    m_lblHardware = label(QStringLiteral("lblHardware"), tr("hardware"), this);
    m_lblUpdate = label(QStringLiteral("lblUpdate"), tr("Or functional jobs, button UIF for all modules"), this);
    m_cmdOK[2] = button(QStringLiteral("cmdOK_2"), tr("Add to updateplan"), this);
    m_cmdOK[1] = button(QStringLiteral("cmdOK_1"), tr("Check"), this);
    m_cmdOK[0] = button(QStringLiteral("cmdOK_0"), tr("Cancel"), this);
    m_cmdOK[2]->setEnabled(false);
    m_cmdOK[1]->setDefault(true);

    auto* entry = new QHBoxLayout;
    entry->addWidget(label1);
    entry->addWidget(m_txtZUSB, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_cmdOK[2]);
    buttons->addWidget(m_cmdOK[1]);
    buttons->addWidget(m_cmdOK[0]);
    auto* rows = new QVBoxLayout(this);
    rows->addLayout(entry);
    rows->addWidget(m_chkFolder);
    rows->addWidget(m_lblPath);
    rows->addWidget(m_lblHardware);
    rows->addWidget(m_lblUpdate);
    rows->addLayout(buttons);
    // Sized for the designed texts; results are shorter and must not make the window jump.
    setFixedSize(sizeHint());

    setTabOrder(m_txtZUSB, m_chkFolder);
    setTabOrder(m_chkFolder, m_cmdOK[2]);
    setTabOrder(m_cmdOK[2], m_cmdOK[1]);
    setTabOrder(m_cmdOK[1], m_cmdOK[0]);

    connect(m_chkFolder, &QCheckBox::clicked, this, &FrmUpdate::chkFolder_Click);
    for (int index = 0; index < 3; ++index)
        connect(m_cmdOK[index], &QPushButton::clicked, this, [this, index] { cmdOK_Click(index); });

    Form_Load();
}

void FrmUpdate::Form_Load()
{
    m_lblHardware->clear();
    PathSearch = PathNFS;
    m_chkFolder->setEnabled(!PathSPdaten.isEmpty());
}

void FrmUpdate::chkFolder_Click()
{
    PathSearch = m_chkFolder->isChecked() ? PathSPdaten : PathNFS;
}

void FrmUpdate::cmdOK_Click(int index)
{
    switch (index) {
    case 0: reject(); break;
    case 1: CheckAssemblyNumber(); break;
    case 2: AddToUpdatePlan(); break;
    default: break;
    }
}

void FrmUpdate::CheckAssemblyNumber()
{
    m_lblPath->clear();
    m_lblUpdate->clear();
    m_lblHardware->clear();
    m_cmdOK[2]->setEnabled(false);
    m_lastCheck = {};

    const UpdateCheck check = CheckForUpdate(PathSearch, m_txtZUSB->text(), &m_services.busy);
    showCheck(check);
    if (check.outcome == UpdateCheck::Outcome::Failed) {
        m_services.dialogs.message(caption(), check.error, MessageIcon::Critical);
        return;
    }
    m_lastCheck = check;
    m_cmdOK[2]->setEnabled(check.updateAvailable());
}

void FrmUpdate::showCheck(const UpdateCheck& check)
{
    m_lblPath->setText(check.familyText());
    m_lblHardware->setText(check.hardwareText());
    m_lblUpdate->setText(check.updateText());
}

void FrmUpdate::AddToUpdatePlan()
{
    if (!m_lastCheck.updateAvailable())
        return;
    // The assembly number is the entry field as it is now, even if edited since the check.
    const Status added = AppendToUpdatePlan(
        m_services.programFolder, UpdatePlanEntry::fromCheck(m_lastCheck, m_txtZUSB->text()), m_services.clock.now());
    if (!added) {
        // The button stays enabled so the user can try again once the cause is fixed.
        m_services.dialogs.message(caption(), added.error(), MessageIcon::Critical);
        return;
    }
    m_cmdOK[2]->setEnabled(false);
}
