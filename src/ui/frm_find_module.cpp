#include "ui/frm_find_module.h"

#include "common/dialogs.h"
#include "ui/window_worker.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The list's columns; the module's name is kept with its row.
enum Column { ModuleColumn, MatchingColumn, FoundColumn };
constexpr int kModuleRole = Qt::UserRole;
constexpr int kRankRole = Qt::UserRole + 1;

} // namespace

FrmFindModule::FrmFindModule(const QString& folderNCS, const QString& chassis, const QStringList& traceLines,
                             Dialogs& dialogs, QWidget* frmMain)
    : QDialog(frmMain), m_dialogs(dialogs), m_chassis(chassis), m_worker(new WindowWorker(this))
{
    setObjectName(QStringLiteral("frmFindModule"));
    setWindowTitle(tr("Find module for this trace"));
    auto* layout = new QVBoxLayout(this);
    m_lblFindModule = new QLabel(tr("Searching the modules of %1...").arg(chassis), this);
    m_lblFindModule->setObjectName(QStringLiteral("lblFindModule"));
    m_lblFindModule->setWordWrap(true);
    m_progFindModule = new QProgressBar(this);
    m_progFindModule->setObjectName(QStringLiteral("progFindModule"));
    m_progFindModule->setRange(0, 0);
    m_listModules = new QTreeWidget(this);
    m_listModules->setObjectName(QStringLiteral("listModules"));
    m_listModules->setRootIsDecorated(false);
    m_listModules->setHeaderLabels({tr("Module"), tr("Every value known"), tr("Functions found")});
    m_listModules->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_listModules->header()->setStretchLastSection(false);
    m_lblLacks = new QLabel(this);
    m_lblLacks->setObjectName(QStringLiteral("lblLacks"));
    m_lblLacks->setWordWrap(true);
    m_lblLacks->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_cmdOK = buttons->button(QDialogButtonBox::Ok);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setEnabled(false);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    for (QWidget* control :
         {static_cast<QWidget*>(m_lblFindModule), static_cast<QWidget*>(m_progFindModule),
          static_cast<QWidget*>(m_listModules), static_cast<QWidget*>(m_lblLacks), static_cast<QWidget*>(buttons)})
        layout->addWidget(control);
    resize(560, 420);

    connect(m_cmdOK, &QPushButton::clicked, this, &FrmFindModule::cmdOK_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &FrmFindModule::reject);
    connect(m_listModules, &QTreeWidget::itemDoubleClicked, this, &FrmFindModule::cmdOK_Click);
    connect(m_listModules, &QTreeWidget::currentItemChanged, this, &FrmFindModule::showLacks);

    RankingControl control;
    control.cancel = m_worker->cancelFlag();
    control.progress = [this](int done, int total) {
        // From a worker thread: the bar is updated in the window's own thread.
        QMetaObject::invokeMethod(
            this,
            [this, done, total] {
                m_progFindModule->setRange(0, total);
                m_progFindModule->setValue(done);
            },
            Qt::QueuedConnection);
    };
    m_worker->start([this, folderNCS, chassis, traceLines,
                     control] { m_ranking = RankModules(folderNCS, chassis, traceLines, control); },
                    [this] { showRanking(); });
}

FrmFindModule::~FrmFindModule()
{
    // The job writes into this window: it ends before the window's members go.
    m_worker->stop();
}

void FrmFindModule::showRanking()
{
    if (!m_ranking)
        return;
    const Result<ModuleRanking>& ranking = *m_ranking;
    if (!ranking) {
        m_dialogs.message(mainCaption(), ranking.error(), MessageIcon::Exclamation);
        QDialog::reject();
        return;
    }
    m_progFindModule->setRange(0, 1);
    m_progFindModule->setValue(1);
    if (ranking->modules.isEmpty()) {
        m_lblFindModule->setText(tr("%1 holds no module files.").arg(m_chassis));
        return;
    }
    m_lblFindModule->setText(
        tr("Best first. Of the trace's %1 functions, \"Every value known\" counts those whose current "
           "values the module knows, \"Functions found\" those it has at all.")
            .arg(ranking->functions));
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (qsizetype rank = 0; rank < ranking->modules.size(); ++rank) {
        const ModuleFit& fit = ranking->modules[rank];
        auto* item = new QTreeWidgetItem(m_listModules);
        item->setText(ModuleColumn, fit.module);
        if (fit.error.isEmpty()) {
            item->setText(MatchingColumn, english.toString(fit.matching));
            item->setText(FoundColumn, english.toString(fit.found));
            item->setTextAlignment(MatchingColumn, Qt::AlignRight);
            item->setTextAlignment(FoundColumn, Qt::AlignRight);
        } else {
            item->setText(MatchingColumn, tr("not searched"));
        }
        // A module that could not be searched is listed with its reason but cannot be chosen.
        item->setData(ModuleColumn, kModuleRole, fit.error.isEmpty() ? fit.module : QString());
        item->setData(ModuleColumn, kRankRole, int(rank));
    }
    m_listModules->setCurrentItem(m_listModules->topLevelItem(0));
}

void FrmFindModule::showLacks()
{
    const QTreeWidgetItem* item = m_listModules->currentItem();
    m_cmdOK->setEnabled(item && !item->data(ModuleColumn, kModuleRole).toString().isEmpty());
    if (!item || !m_ranking || !*m_ranking) {
        m_lblLacks->clear();
        return;
    }
    const ModuleFit& fit = (*m_ranking)->modules.at(item->data(ModuleColumn, kRankRole).toInt());
    m_lblLacks->setText(DescribeModuleLacks(fit).join(u'\n'));
}

void FrmFindModule::cmdOK_Click()
{
    const QTreeWidgetItem* item = m_listModules->currentItem();
    if (!item || item->data(ModuleColumn, kModuleRole).toString().isEmpty())
        return;
    m_chosen = item->data(ModuleColumn, kModuleRole).toString();
    accept();
}

void FrmFindModule::reject()
{
    m_worker->stop();
    QDialog::reject();
}
