#include "ui/frm_restore.h"

#include "common/dialogs.h"
#include "ui/window_worker.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <atomic>

namespace {

QString timeText(const QDateTime& time)
{
    return QLocale::system().toString(time, QLocale::ShortFormat);
}

enum Column { Installation, Time, Source, Updated, ToolFolders, Restorable };

} // namespace

FrmRestore::FrmRestore(const QString& recordsFolder, FileOps& ops, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      m_ops(ops),
      m_dialogs(dialogs),
      m_records(Restore::list(recordsFolder, ops)),
      m_worker(new WindowWorker(this))
{
    setObjectName(QStringLiteral("frmRestore"));
    setWindowTitle(tr("Restore an installation"));
    resize(860, 380);

    m_listRestore = new QTreeWidget(this);
    m_listRestore->setObjectName(QStringLiteral("listRestore"));
    m_listRestore->setRootIsDecorated(false);
    m_listRestore->setHeaderLabels({tr("Installation"), tr("Date and time"), tr("Data set folder"), tr("Updated"),
                                    tr("Tool folders"), tr("Restorable")});
    for (const Restore::RecordSummary& record : m_records) {
        // Whether the files allow it shows once the record is checked; a stopped run may still be.
        const bool never = record.restored || !record.unreadable.isEmpty();
        const QString status = never          ? tr("no: %1").arg(Restore::statusText(record))
                               : record.ended ? QString()
                                              : Restore::statusText(record);
        auto* item = new QTreeWidgetItem(QStringList{Restore::kindText(record.kind), timeText(record.time),
                                                     record.source, Restore::countText(record),
                                                     record.toolFolders.join(QStringLiteral("; ")), status});
        item->setToolTip(Installation, record.path);
        m_listRestore->addTopLevelItem(item);
    }
    m_listRestore->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    m_lblCheck = new QLabel(this);
    m_lblCheck->setObjectName(QStringLiteral("lblCheck"));
    m_progCheck = new QProgressBar(this);
    m_progCheck->setObjectName(QStringLiteral("progCheck"));
    m_cmdCancelCheck = new QPushButton(tr("Cancel"), this);
    m_cmdCancelCheck->setObjectName(QStringLiteral("cmdCancelCheck"));
    m_cmdRestore = new QPushButton(tr("Restore"), this);
    m_cmdRestore->setObjectName(QStringLiteral("cmdRestore"));
    m_cmdRestore->setEnabled(false);
    m_cmdRestore->setDefault(true);
    auto* cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(m_cmdRestore, &QPushButton::clicked, this, &FrmRestore::cmdRestore_Click);
    connect(cmdClose, &QPushButton::clicked, this, &FrmRestore::reject);
    connect(m_cmdCancelCheck, &QPushButton::clicked, this, [this] {
        stopCheck();
        m_lblCheck->setText(tr("Check cancelled; select the installation again to check it."));
    });
    connect(m_listRestore, &QTreeWidget::currentItemChanged, this, &FrmRestore::startCheck);

    auto* check = new QHBoxLayout;
    check->addWidget(m_lblCheck, 1);
    check->addWidget(m_progCheck);
    check->addWidget(m_cmdCancelCheck);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_cmdRestore);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_listRestore);
    layout->addLayout(check);
    layout->addLayout(buttons);

    m_progCheck->hide();
    m_cmdCancelCheck->hide();
    if (const qsizetype first = Restore::firstChoice(m_records); first >= 0)
        m_listRestore->setCurrentItem(m_listRestore->topLevelItem(int(first)));
}

FrmRestore::~FrmRestore()
{
    stopCheck();
}

void FrmRestore::reject()
{
    stopCheck();
    QDialog::reject();
}

Restore::RunOptions FrmRestore::runOptions() const
{
    Restore::RunOptions options;
    const int row = m_listRestore->indexOfTopLevelItem(m_listRestore->currentItem());
    options.stoppedRun = row >= 0 && !m_records[row].ended;
    if (row == m_checkedRow && m_result && m_result->ok())
        options.checked = &m_result->value();
    return options;
}

void FrmRestore::startCheck()
{
    stopCheck();
    m_cmdRestore->setEnabled(false);
    m_checkedRow = -1;
    m_result.reset();
    const int row = m_listRestore->indexOfTopLevelItem(m_listRestore->currentItem());
    if (row < 0)
        return;
    const Restore::RecordSummary& record = m_records[row];
    if (!record.unreadable.isEmpty() || record.restored) {
        m_lblCheck->setText(Restore::statusText(record));
        return;
    }
    m_lblCheck->setText(tr("Checking the files of this installation..."));
    m_progCheck->setRange(0, 0);
    m_progCheck->show();
    m_cmdCancelCheck->show();
    m_checking = row;
    Restore::CheckControl control;
    control.cancel = m_worker->cancelFlag();
    auto shown = std::make_shared<std::atomic<int>>(-1);
    control.progress = [this, shown](qsizetype done, qsizetype total) {
        // From the worker: only a new percentage is passed on, so the window's queue stays short.
        const int percent = total > 0 ? int(done * 100 / total) : 0;
        if (shown->exchange(percent) == percent)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, percent] {
                m_progCheck->setRange(0, 100);
                m_progCheck->setValue(percent);
            },
            Qt::QueuedConnection);
    };
    const QString path = record.path;
    FileOps& ops = m_ops;
    m_worker->start([this, path, &ops, control] { m_result = Restore::check(path, ops, control); },
                    [this] { showCheck(); });
}

void FrmRestore::stopCheck()
{
    m_worker->stop();
    m_progCheck->hide();
    m_cmdCancelCheck->hide();
}

void FrmRestore::showCheck()
{
    if (!m_result)
        return;
    stopCheck();
    QTreeWidgetItem* item = m_listRestore->topLevelItem(m_checking);
    if (!m_result->ok()) {
        m_lblCheck->setText(m_result->error());
        item->setText(Restorable, tr("no: %1").arg(m_result->error()));
        return;
    }
    const Restore::CheckResult& result = m_result->value();
    if (result.cancelled)
        return;
    m_checkedRow = m_checking;
    const QStringList& problems = result.problems;
    const QString first = problems.isEmpty() ? QString() : problems.first();
    item->setText(Restorable, problems.isEmpty()     ? tr("yes")
                              : problems.size() == 1 ? tr("no: %1").arg(first)
                                                     : tr("no: %1 (and %2 more)").arg(first).arg(problems.size() - 1));
    item->setToolTip(Restorable, problems.join(u'\n'));
    m_lblCheck->setText(problems.isEmpty() ? tr("Every file is as the installation left it.")
                                           : tr("This installation cannot be restored."));
    m_cmdRestore->setEnabled(true);
}

void FrmRestore::cmdRestore_Click()
{
    const int index = m_listRestore->indexOfTopLevelItem(m_listRestore->currentItem());
    if (index < 0 || index != m_checkedRow || !m_result || !m_result->ok()) {
        m_dialogs.message(mainCaption(), tr("Select an installation and let its check end first."),
                          MessageIcon::Exclamation);
        return;
    }
    const Restore::RecordSummary& record = m_records[index];
    const QStringList& problems = m_result->value().problems;
    if (!problems.isEmpty()) {
        m_dialogs.message(mainCaption(),
                          tr("This installation cannot be restored:\r\n%1").arg(Restore::messageText(problems)),
                          MessageIcon::Exclamation);
        return;
    }
    QString question =
        tr("Restore the tool folders to how they were before this installation?\r\n\r\n"
           "%1 of %2\r\n%3\r\n%4")
            .arg(Restore::kindText(record.kind), timeText(record.time), record.source, Restore::countText(record));
    if (!record.ended)
        question += tr("\r\n\r\nThis installation stopped before it ended: what its record lists is "
                       "undone, nothing more.");
    if (m_dialogs.message(mainCaption(), question, MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    m_chosenRecord = record.path;
    accept();
}
