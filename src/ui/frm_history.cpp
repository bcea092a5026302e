#include "ui/frm_history.h"

#include "common/dialogs.h"
#include "trace/apply_values.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

FrmHistory::FrmHistory(const Inputs& inputs, QWidget* parent)
    : QDialog(parent), m_loaded(inputs.loaded), m_dialogs(inputs.dialogs), m_session(inputs.session)
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(tr("Coding history"));

    m_listHistory = new QTreeWidget(this);
    m_listHistory->setObjectName(QStringLiteral("listHistory"));
    m_listHistory->setRootIsDecorated(false);
    m_listHistory->setHeaderLabels({tr("Date and time"), tr("Chassis - module"), tr("Changed values"),
                                    tr("Functions compared with the loaded trace")});
    m_listHistory->headerItem()->setToolTip(
        3, tr("\"match\": the saved trace holds the same functions as the loaded one, so it is "
              "the same module. Otherwise: how many of the loaded trace's functions it holds."));
    for (const CodingHistory::Snapshot& snapshot : CodingHistory::ListSnapshots(inputs.historyFolder)) {
        Row row{snapshot, std::nullopt, QString()};
        const Result<CodingHistory::SnapshotDetails> details = CodingHistory::ReadSnapshot(snapshot, m_loaded);
        if (details)
            row.details = details.value();
        else
            row.error = details.error();
        const QStringList columns{QLocale::system().toString(snapshot.time, QLocale::ShortFormat), snapshot.module,
                                  row.details ? QString::number(row.details->changedValues) : tr("cannot be read"),
                                  row.details ? CodingHistory::MatchText(*row.details, m_loaded.size()) : QString()};
        m_listHistory->addTopLevelItem(new QTreeWidgetItem(columns));
        m_rows.append(row);
    }
    m_listHistory->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_lblPreview = new QLabel(this);
    m_lblPreview->setObjectName(QStringLiteral("lblPreview"));
    m_listPreview = new QListWidget(this);
    m_listPreview->setObjectName(QStringLiteral("listPreview"));
    connect(m_listHistory, &QTreeWidget::currentItemChanged, this, &FrmHistory::showPreview);
    if (!m_rows.isEmpty())
        m_listHistory->setCurrentItem(m_listHistory->topLevelItem(0));
    showPreview();

    auto* cmdRestore = new QPushButton(tr("Restore this state"), this);
    cmdRestore->setObjectName(QStringLiteral("cmdRestore"));
    cmdRestore->setDefault(true);
    auto* cmdShowFiles = new QPushButton(tr("Show files"), this);
    cmdShowFiles->setObjectName(QStringLiteral("cmdShowFiles"));
    auto* cmdClose = new QPushButton(tr("Close"), this);
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
    layout->addWidget(m_listHistory, 2);
    layout->addWidget(m_lblPreview);
    layout->addWidget(m_listPreview, 1);
    layout->addLayout(buttons);
    resize(680, 520);
}

void FrmHistory::showPreview()
{
    m_listPreview->clear();
    const int index = m_listHistory->indexOfTopLevelItem(m_listHistory->currentItem());
    const Row* row = index >= 0 && index < m_rows.size() ? &m_rows[index] : nullptr;
    if (!row || !row->details || !m_session || m_loaded.isEmpty()) {
        m_lblPreview->setText(row && !row->details ? row->error
                                                   : tr("Load TRC-file to see what a restore would change."));
        return;
    }
    m_lblPreview->setText(tr("\"Restore this state\" would change:"));
    m_listPreview->addItems(ApplyValues::PreviewTraceValues(*m_session, row->details->trace).report());
}

const FrmHistory::Row* FrmHistory::selectedRow()
{
    const int index = m_listHistory->indexOfTopLevelItem(m_listHistory->currentItem());
    if (index < 0 || index >= m_rows.size()) {
        m_dialogs.message(mainCaption(), tr("Select a saved state first."), MessageIcon::Exclamation);
        return nullptr;
    }
    return &m_rows[index];
}

void FrmHistory::cmdRestore_Click()
{
    if (m_loaded.isEmpty()) {
        m_dialogs.message(mainCaption(), tr("Load TRC-file first."), MessageIcon::Exclamation);
        return;
    }
    const Row* row = selectedRow();
    if (!row)
        return;
    if (!row->details) {
        m_dialogs.message(mainCaption(), row->error, MessageIcon::Critical);
        return;
    }
    if (CodingHistory::LooksLikeOtherModule(*row->details, m_loaded.size())
        && m_dialogs.message(mainCaption(), CodingHistory::OtherModuleQuestion(*row->details, m_loaded.size()),
                             MessageIcon::Question, MessageButtons::YesNo)
               != MessageAnswer::Yes)
        return;
    m_chosenTrace = row->details->trace;
    m_chosenName = tr("the state saved %1").arg(QLocale::system().toString(row->snapshot.time, QLocale::ShortFormat));
    accept();
}

void FrmHistory::cmdShowFiles_Click()
{
    const Row* row = selectedRow();
    if (!row)
        return;
    FileDialogRequest request;
    request.title = tr("Open file");
    request.filter = tr("Trace files (*.trc, *.man)|*.trc;*.man|All files (*.*)|*.*");
    request.folder = row->snapshot.folder;
    const QString path = m_dialogs.openFile(request);
    QString error;
    if (!path.isEmpty() && !m_dialogs.startEditor(path, &error))
        m_dialogs.message(mainCaption(), error, MessageIcon::Critical);
}
