#include "ui/history_panel.h"

#include "coding/translation_table.h"
#include "common/dialogs.h"
#include "common/paths.h"
#include "common/text_file.h"
#include "moduledata/module_choice.h"
#include "moduledata/module_explanation.h"
#include "settings/tool_folders.h"
#include "trace/apply_values.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"
#include "ui/controls.h"
#include "ui/frm_applied.h"
#include "ui/frm_history.h"
#include "ui/panel_context.h"
#include "ui/window_requests.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

HistoryPanel::HistoryPanel(QMainWindow* frmMain, const PanelContext& context)
    : QObject(frmMain), m_frmMain(frmMain), m_context(context)
{
    setObjectName(QStringLiteral("historyPanel"));
    // Next to "Compare files", the other entry that reads a second trace.
    auto* file = requireChild<QMenu>(frmMain, QStringLiteral("mFile"));
    auto* apply = new QAction(tr("&Apply values of another trace…"), file);
    apply->setObjectName(QStringLiteral("sFileApply"));
    file->insertAction(requireChild<QAction>(frmMain, QStringLiteral("sFile_3")), apply);
    connect(apply, &QAction::triggered, this, &HistoryPanel::sFileApply_Click);

    auto* edit = requireChild<QMenu>(frmMain, QStringLiteral("mEdit"));
    auto* history = edit->addAction(tr("Coding &history…"));
    history->setObjectName(QStringLiteral("sEditHistory"));
    connect(history, &QAction::triggered, this, &HistoryPanel::sEditHistory_Click);
}

bool HistoryPanel::traceShown()
{
    if (m_context.session.treeVisible() && !m_context.session.TraceLines.isEmpty())
        return true;
    m_context.dialogs.message(mainCaption(), tr("Load TRC-file first."), MessageIcon::Exclamation);
    return false;
}

void HistoryPanel::sFileApply_Click()
{
    m_context.window.closeSearchWindow();
    if (!traceShown())
        return;
    FileDialogRequest request;
    request.title = tr("Apply values of another trace");
    request.filter = tr("Trace files (*.trc, *.man)|*.trc;*.man|All files (*.*)|*.*");
    request.folder = m_context.folders.FolderBackup;
    const QString path = m_context.dialogs.openFile(request);
    if (path.isEmpty())
        return;
    const Result<QStringList> lines = ReadTraceFile(path);
    const Result<QList<TraceFunction>> wanted =
        lines ? ReadTraceFunctions(lines.value()) : Result<QList<TraceFunction>>::failure(lines.error());
    if (!wanted) {
        m_context.dialogs.message(mainCaption(), tr("%1:\r\n%2").arg(path, wanted.error()), MessageIcon::Critical);
        return;
    }
    ApplyTrace(wanted.value(), Paths::nameOf(path));
}

void HistoryPanel::sEditHistory_Click()
{
    m_context.window.closeSearchWindow();
    TraceSession& session = m_context.session;
    const QList<TraceFunction> loaded =
        session.treeVisible() ? ReadTraceFunctions(session.TraceLines).value() : QList<TraceFunction>();
    FrmHistory window({m_context.historyFolder, loaded, m_context.dialogs, session.treeVisible() ? &session : nullptr},
                      m_frmMain);
    if (window.exec() == QDialog::Accepted)
        ApplyTrace(window.chosenTrace(), window.chosenName());
}

void HistoryPanel::ApplyTrace(const QList<TraceFunction>& wanted, const QString& source)
{
    const ApplyValues::Outcome outcome = ApplyValues::ApplyTraceValues(
        m_context.session, wanted, [this](const QString& name) { return m_context.translations.lookup(name); });
    QStringList report = outcome.report();
    // Values the chosen module does not define are named before the count, as a warning:
    // they are applied, and the save asks about them once more.
    ModuleChoice& modules = m_context.modules;
    if (modules.moduleChosen()) {
        if (const Result<ModuleStructure>& module = modules.structure(m_context.folders.FolderNCS)) {
            QList<std::pair<QString, QString>> applied;
            for (const ApplyValues::ChangedValue& change : outcome.changed)
                applied.append({change.function, change.newValue});
            const QStringList warnings = unknownValueWarnings(module.value(), applied);
            for (qsizetype i = 0; i < warnings.size(); ++i)
                report.insert(report.size() - 1, warnings[i]);
        }
    }
    if (m_applied)
        m_applied->close();
    m_applied = new FrmApplied(source, report, m_frmMain);
    m_applied->setAttribute(Qt::WA_DeleteOnClose);
    m_applied->show(); // centred on the main window, as every window without a place of its own
}
