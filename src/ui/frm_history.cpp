#include "ui/frm_history.h"

#include "common/dialogs.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString functionsText(const CodingHistory::SnapshotDetails& details, qsizetype loaded)
{
    if (loaded == 0)
        return QString();
    if (details.sharedFunctions == loaded && details.trace.size() == loaded)
        return QStringLiteral("match");
    return QStringLiteral("%1 of %2").arg(details.sharedFunctions).arg(loaded);
}

} // namespace

FrmHistory::FrmHistory(const Inputs& inputs, QWidget* parent)
    : QDialog(parent), m_loaded(inputs.loaded), m_dialogs(inputs.dialogs)
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(QStringLiteral("Coding history"));
    resize(640, 400);

    m_listHistory = new QTreeWidget(this);
    m_listHistory->setObjectName(QStringLiteral("listHistory"));
    m_listHistory->setRootIsDecorated(false);
    m_listHistory->setHeaderLabels({QStringLiteral("Date and time"), QStringLiteral("Chassis - module"),
                                    QStringLiteral("Changed values"), QStringLiteral("Functions")});
    for (const CodingHistory::Snapshot& snapshot : CodingHistory::ListSnapshots(inputs.historyFolder)) {
        Row row{snapshot, std::nullopt, QString()};
        const Result<CodingHistory::SnapshotDetails> details = CodingHistory::ReadSnapshot(snapshot, m_loaded);
        if (details)
            row.details = details.value();
        else
            row.error = details.error();
        const QStringList columns{QLocale::system().toString(snapshot.time, QLocale::ShortFormat), snapshot.module,
                                  row.details ? QString::number(row.details->changedValues)
                                              : QStringLiteral("cannot be read"),
                                  row.details ? functionsText(*row.details, m_loaded.size()) : QString()};
        m_listHistory->addTopLevelItem(new QTreeWidgetItem(columns));
        m_rows.append(row);
    }
    m_listHistory->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (!m_rows.isEmpty())
        m_listHistory->setCurrentItem(m_listHistory->topLevelItem(0));

    auto* cmdRestore = new QPushButton(QStringLiteral("Restore this state"), this);
    cmdRestore->setObjectName(QStringLiteral("cmdRestore"));
    cmdRestore->setDefault(true);
    auto* cmdShowFiles = new QPushButton(QStringLiteral("Show files"), this);
    cmdShowFiles->setObjectName(QStringLiteral("cmdShowFiles"));
    auto* cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdRestore, &QPushButton::clicked, this, &FrmHistory::cmdRestore_Click);
    connect(cmdShowFiles, &QPushButton::clicked, this, &FrmHistory::cmdShowFiles_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_listHistory, &QTreeWidget::itemDoubleClicked, this, &FrmHistory::cmdRestore_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdRestore);
    buttons->addWidget(cmdShowFiles);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_listHistory);
    layout->addLayout(buttons);
}

const FrmHistory::Row* FrmHistory::selectedRow()
{
    const int index = m_listHistory->indexOfTopLevelItem(m_listHistory->currentItem());
    if (index < 0 || index >= m_rows.size()) {
        m_dialogs.message(mainCaption(), QStringLiteral("Select a saved state first."), MessageIcon::Exclamation);
        return nullptr;
    }
    return &m_rows[index];
}

void FrmHistory::cmdRestore_Click()
{
    if (m_loaded.isEmpty()) {
        m_dialogs.message(mainCaption(), QStringLiteral("Load TRC-file first."), MessageIcon::Exclamation);
        return;
    }
    const Row* row = selectedRow();
    if (!row)
        return;
    if (!row->details) {
        m_dialogs.message(mainCaption(), row->error, MessageIcon::Critical);
        return;
    }
    const qsizetype shared = row->details->sharedFunctions;
    // A state of another module would change little and skip much: make sure first.
    if (shared * 10 < m_loaded.size() * 9
        && m_dialogs.message(mainCaption(),
                             QStringLiteral("Only %1 of %2 functions of this trace are in the snapshot. "
                                            "Is this the same module?")
                                 .arg(shared)
                                 .arg(m_loaded.size()),
                             MessageIcon::Question, MessageButtons::YesNo)
               != MessageAnswer::Yes)
        return;
    m_chosenTrace = row->details->trace;
    m_chosenName =
        QStringLiteral("the state saved ") + QLocale::system().toString(row->snapshot.time, QLocale::ShortFormat);
    accept();
}

void FrmHistory::cmdShowFiles_Click()
{
    const Row* row = selectedRow();
    if (!row)
        return;
    FileDialogRequest request;
    request.title = QStringLiteral("Open file");
    request.filter = QStringLiteral("Trace files (*.trc, *.man)|*.trc;*.man|All files (*.*)|*.*");
    request.folder = row->snapshot.folder;
    const QString path = m_dialogs.openFile(request);
    QString error;
    if (!path.isEmpty() && !m_dialogs.startEditor(path, &error))
        m_dialogs.message(mainCaption(), error, MessageIcon::Critical);
}
