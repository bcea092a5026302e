#include "ui/frm_translation_report.h"

#include "common/dialogs.h"
#include "common/paths.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

FrmTranslationReport::FrmTranslationReport(const TranslationCoverage& coverage, const QString& tablePath,
                                           bool tableFound, Dialogs& dialogs, QWidget* frmMain)
    : QDialog(frmMain), m_coverage(coverage), m_tablePath(tablePath), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmTranslationReport"));
    setWindowTitle(tr("Translation report"));
    auto* layout = new QVBoxLayout(this);
    QStringList summary = DescribeTranslationCoverage(coverage);
    if (!tableFound)
        summary.prepend(tr("%1 not found.").arg(tablePath));
    auto* lblCoverage = new QLabel(summary.join(u'\n'), this);
    lblCoverage->setObjectName(QStringLiteral("lblCoverage"));
    layout->addWidget(lblCoverage);
    layout->addWidget(new QLabel(tr("Not translated:"), this));
    auto* listMissing = new QListWidget(this);
    listMissing->setObjectName(QStringLiteral("listMissing"));
    listMissing->addItems(coverage.missingFunctions + coverage.missingValues);
    layout->addWidget(listMissing);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* cmdExport = buttons->addButton(tr("Export missing..."), QDialogButtonBox::ActionRole);
    cmdExport->setObjectName(QStringLiteral("cmdExport"));
    cmdExport->setEnabled(!MissingTranslationLines(coverage).isEmpty());
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClose"));
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    layout->addWidget(buttons);
    connect(cmdExport, &QPushButton::clicked, this, &FrmTranslationReport::cmdExport_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(420, 420);
}

void FrmTranslationReport::cmdExport_Click()
{
    FileDialogRequest request;
    request.title = tr("Export missing translations");
    request.filter = tr("Table files (*.csv)|*.csv|All files (*.*)|*.*");
    request.folder = Paths::folderOf(m_tablePath);
    request.proposedName = QStringLiteral("Translations missing.csv");
    request.confirmOverwrite = true;
    const QString path = m_dialogs.saveFile(request);
    if (path.isEmpty())
        return;
    const Status written = ExportMissingTranslations(path, m_coverage, m_tablePath);
    if (!written) {
        m_dialogs.message(mainCaption(), written.error(), MessageIcon::Critical);
        return;
    }
    m_dialogs.message(mainCaption(),
                      tr("%1 names written to %2.\r\nFill in each translation after its comma and add "
                         "the lines to Translations.csv.")
                          .arg(MissingTranslationLines(m_coverage).size())
                          .arg(Paths::toNative(path)),
                      MessageIcon::Information);
}
