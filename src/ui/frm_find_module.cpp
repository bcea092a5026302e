#include "ui/frm_find_module.h"

#include "common/dialogs.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

FrmFindModule::FrmFindModule(const QString& folderNCS, const QString& chassis, const QStringList& traceLines,
                             Dialogs& dialogs, QWidget* frmMain)
    : QDialog(frmMain), m_dialogs(dialogs), m_chassis(chassis)
{
    setObjectName(QStringLiteral("frmFindModule"));
    setWindowTitle(QStringLiteral("Find module for this trace"));
    auto* layout = new QVBoxLayout(this);
    m_lblFindModule = new QLabel(QStringLiteral("Searching the modules of %1...").arg(chassis), this);
    m_lblFindModule->setObjectName(QStringLiteral("lblFindModule"));
    m_lblFindModule->setWordWrap(true);
    m_progFindModule = new QProgressBar(this);
    m_progFindModule->setObjectName(QStringLiteral("progFindModule"));
    m_progFindModule->setRange(0, 0);
    m_listModules = new QListWidget(this);
    m_listModules->setObjectName(QStringLiteral("listModules"));
    // The counts line up in columns. The system's fixed font: Windows has no "monospace".
    m_listModules->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_cmdOK = buttons->button(QDialogButtonBox::Ok);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setEnabled(false);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    for (QWidget* control : {static_cast<QWidget*>(m_lblFindModule), static_cast<QWidget*>(m_progFindModule),
                             static_cast<QWidget*>(m_listModules), static_cast<QWidget*>(buttons)})
        layout->addWidget(control);
    resize(520, 360);

    connect(m_cmdOK, &QPushButton::clicked, this, &FrmFindModule::cmdOK_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &FrmFindModule::reject);
    connect(m_listModules, &QListWidget::itemDoubleClicked, this, &FrmFindModule::cmdOK_Click);
    connect(m_listModules, &QListWidget::currentRowChanged, this, [this](int row) {
        const QListWidgetItem* item = m_listModules->item(row);
        m_cmdOK->setEnabled(item && !item->data(Qt::UserRole).toString().isEmpty());
    });

    RankingControl control;
    control.cancel = &m_cancel;
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
    m_worker = QThread::create([this, folderNCS, chassis, traceLines, control] {
        m_ranking = RankModules(folderNCS, chassis, traceLines, control);
    });
    connect(m_worker, &QThread::finished, this, &FrmFindModule::showRanking);
    m_worker->start();
}

FrmFindModule::~FrmFindModule()
{
    stopRanking();
}

void FrmFindModule::stopRanking()
{
    if (!m_worker)
        return;
    m_cancel = true;
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
}

void FrmFindModule::showRanking()
{
    if (!m_worker || !m_ranking)
        return;
    stopRanking();
    const Result<ModuleRanking>& ranking = *m_ranking;
    if (!ranking) {
        m_dialogs.message(mainCaption(), ranking.error(), MessageIcon::Exclamation);
        QDialog::reject();
        return;
    }
    m_progFindModule->setRange(0, 1);
    m_progFindModule->setValue(1);
    if (ranking->modules.isEmpty()) {
        m_lblFindModule->setText(QStringLiteral("%1 holds no module files.").arg(m_chassis));
        return;
    }
    m_lblFindModule->setText(QStringLiteral("Best first: values counts the functions whose every value in the "
                                            "trace the module knows, functions those it has at all."));
    qsizetype nameWidth = 0;
    for (const ModuleFit& fit : ranking->modules)
        nameWidth = std::max(nameWidth, fit.module.size());
    for (const ModuleFit& fit : ranking->modules) {
        auto* item = new QListWidgetItem(DescribeModuleFit(fit, ranking->functions, int(nameWidth)), m_listModules);
        // A module that could not be searched is listed with its reason but cannot be chosen.
        item->setData(Qt::UserRole, fit.error.isEmpty() ? fit.module : QString());
    }
    m_listModules->setCurrentRow(0);
}

void FrmFindModule::cmdOK_Click()
{
    const QListWidgetItem* item = m_listModules->currentItem();
    if (!item || item->data(Qt::UserRole).toString().isEmpty())
        return;
    m_chosen = item->data(Qt::UserRole).toString();
    accept();
}

void FrmFindModule::reject()
{
    stopRanking();
    QDialog::reject();
}
