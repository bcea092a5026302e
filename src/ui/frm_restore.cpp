#include "ui/frm_restore.h"

#include "common/dialogs.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString timeText(const QDateTime& time)
{
    return QLocale::system().toString(time, QLocale::ShortFormat);
}

} // namespace

FrmRestore::FrmRestore(const QString& recordsFolder, FileOps& ops, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_dialogs(dialogs), m_records(Restore::list(recordsFolder, &ops))
{
    setObjectName(QStringLiteral("frmRestore"));
    setWindowTitle(QStringLiteral("Restore an installation"));
    resize(760, 360);

    m_listRestore = new QTreeWidget(this);
    m_listRestore->setObjectName(QStringLiteral("listRestore"));
    m_listRestore->setRootIsDecorated(false);
    m_listRestore->setHeaderLabels({QStringLiteral("Installation"), QStringLiteral("Date and time"),
                                    QStringLiteral("Data set folder"), QStringLiteral("Changes"),
                                    QStringLiteral("Restorable")});
    for (const Restore::RecordSummary& record : m_records) {
        auto* item = new QTreeWidgetItem(
            QStringList{kindText(record.kind), timeText(record.time), record.source, QString::number(record.changes),
                        record.refusal.isEmpty() ? QStringLiteral("yes") : QStringLiteral("no: ") + record.refusal});
        item->setToolTip(4, record.problems.join(u'\n'));
        item->setToolTip(0, record.path);
        m_listRestore->addTopLevelItem(item);
    }
    m_listRestore->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The newest one that can be restored, which is the next to undo.
    const auto restorable = std::find_if(m_records.cbegin(), m_records.cend(),
                                         [](const Restore::RecordSummary& r) { return r.problems.isEmpty(); });
    if (!m_records.isEmpty())
        m_listRestore->setCurrentItem(
            m_listRestore->topLevelItem(restorable == m_records.cend() ? 0 : int(restorable - m_records.cbegin())));

    auto* cmdRestore = new QPushButton(QStringLiteral("Restore"), this);
    cmdRestore->setObjectName(QStringLiteral("cmdRestore"));
    cmdRestore->setDefault(true);
    auto* cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdRestore, &QPushButton::clicked, this, &FrmRestore::cmdRestore_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdRestore);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_listRestore);
    layout->addLayout(buttons);
}

QString FrmRestore::kindText(const QString& kind)
{
    if (kind == u"sp-daten")
        return QStringLiteral("Update SP-daten");
    if (kind == u"winkfp")
        return QStringLiteral("Update WinKFP");
    return kind;
}

void FrmRestore::cmdRestore_Click()
{
    const int index = m_listRestore->indexOfTopLevelItem(m_listRestore->currentItem());
    if (index < 0 || index >= m_records.size()) {
        m_dialogs.message(mainCaption(), QStringLiteral("Select an installation first."), MessageIcon::Exclamation);
        return;
    }
    const Restore::RecordSummary& record = m_records[index];
    if (!record.problems.isEmpty()) {
        m_dialogs.message(mainCaption(),
                          QStringLiteral("This installation cannot be restored:\r\n")
                              + Restore::messageText(record.problems),
                          MessageIcon::Exclamation);
        return;
    }
    const QString question = QStringLiteral("Restore the tool folders to how they were before this installation?")
                             + QStringLiteral("\r\n\r\n") + kindText(record.kind) + QStringLiteral(" of ")
                             + timeText(record.time) + QStringLiteral("\r\n") + record.source + QStringLiteral("\r\n")
                             + QString::number(record.changes) + QStringLiteral(" changes");
    if (m_dialogs.message(mainCaption(), question, MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    m_chosenRecord = record.path;
    accept();
}
