#include "ui/trace_checks_panel.h"

#include "coding/leftover_manipulation_file.h"
#include "coding/translation_coverage.h"
#include "coding/translation_table.h"
#include "common/dialogs.h"
#include "common/program_folder.h"
#include "moduledata/module_choice.h"
#include "settings/tool_folders.h"
#include "trace/trace_session.h"
#include "ui/controls.h"
#include "ui/frm_find_module.h"
#include "ui/frm_translation_report.h"
#include "ui/panel_context.h"
#include "ui/window_requests.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

TraceChecksPanel::TraceChecksPanel(QWidget* frmMain, const PanelContext& context)
    : QObject(frmMain), m_frmMain(frmMain), m_context(context)
{
    setObjectName(QStringLiteral("traceChecksPanel"));
    auto* edit = requireChild<QMenu>(frmMain, QStringLiteral("mEdit"));
    edit->setToolTipsVisible(true);
    edit->addSeparator()->setObjectName(QStringLiteral("sEdit_3"));
    m_findModule = edit->addAction(tr("&Find module for this trace..."));
    m_findModule->setObjectName(QStringLiteral("sEdit_4"));
    QAction* report = edit->addAction(tr("&Translation report..."));
    report->setObjectName(QStringLiteral("sEdit_5"));
    connect(m_findModule, &QAction::triggered, this, &TraceChecksPanel::FindModule_Click);
    connect(report, &QAction::triggered, this, &TraceChecksPanel::TranslationReport_Click);
    connect(edit, &QMenu::aboutToShow, this, &TraceChecksPanel::updateFindModule);
    updateFindModule();
}

void TraceChecksPanel::updateFindModule()
{
    const bool possible = !m_context.session.TraceLines.isEmpty() && !m_context.modules.chosenChassis().isEmpty();
    m_findModule->setEnabled(possible);
    // A disabled entry says what it waits for.
    m_findModule->setToolTip(possible ? QString() : tr("Load TRC-file and choose a chassis first."));
}

void TraceChecksPanel::traceLoaded()
{
    // Only NCS Expert's own trace is the module it will code: a copy loaded from elsewhere
    // says nothing about what lies in WORK.
    if (m_context.session.DefaultTraceLoaded)
        GuardLeftoverManipulationFile(m_context.folders.FolderNCS, m_context.session.TraceLines, m_context.dialogs);
}

void TraceChecksPanel::FindModule_Click()
{
    updateFindModule();
    if (!m_findModule->isEnabled())
        return;
    m_context.window.closeSearchWindow();
    FrmFindModule frmFindModule(m_context.folders.FolderNCS, m_context.modules.chosenChassis(),
                                m_context.session.TraceLines, m_context.dialogs, m_frmMain);
    if (frmFindModule.exec() == QDialog::Accepted)
        m_context.window.chooseModule(frmFindModule.chosenModule());
}

void TraceChecksPanel::TranslationReport_Click()
{
    m_context.window.closeSearchWindow();
    if (m_context.session.TraceLines.isEmpty()) {
        m_context.dialogs.message(mainCaption(), tr("Load TRC-file first."), MessageIcon::Exclamation);
        return;
    }
    // Read afresh, unlike the table of the "Translation" button: the report is where the
    // user checks the lines just added to the file.
    const Result<TranslationTableFile> file =
        readTranslationTableIn(m_context.programFiles.readFolder(QStringLiteral("\\Translations.csv")));
    if (!file) {
        m_context.dialogs.message(mainCaption(), file.error(), MessageIcon::Critical);
        return;
    }
    FrmTranslationReport frmReport(MeasureTranslationCoverage(m_context.session.TraceLines, file->table), file->path,
                                   file->found, m_context.dialogs, m_frmMain);
    frmReport.exec();
}
