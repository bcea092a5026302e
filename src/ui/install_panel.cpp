#include "ui/install_panel.h"

#include "common/busy_state.h"
#include "common/program_folder.h"
#include "install/install_runs.h"
#include "install/restore_installation.h"
#include "install/restore_run.h"
#include "install/winkfp_guide.h"
#include "ui/controls.h"
#include "ui/frm_restore.h"
#include "ui/panel_context.h"
#include "ui/window_requests.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>

#include <memory>

namespace {
template <typename T>
T* control(QWidget* frmMain, const char* name)
{
    return requireChild<T>(frmMain, QString::fromLatin1(name));
}

// How long a run works before it lets the window repaint and take input again.
constexpr qint64 kEventIntervalMs = 25;
} // namespace

InstallPanel::InstallPanel(QWidget* frmMain, const PanelContext& context)
    : QObject(frmMain),
      m_frmMain(frmMain),
      m_context(context),
      m_cmdFolder(control<QPushButton>(frmMain, "cmdFolder")),
      m_cmdUpdate{control<QPushButton>(frmMain, "cmdUpdate_0"), control<QPushButton>(frmMain, "cmdUpdate_1")},
      m_cmdShow(control<QPushButton>(frmMain, "cmdShow")),
      m_lblSPdaten(control<QLabel>(frmMain, "lblSPdaten")),
      m_lblCopy(control<QLabel>(frmMain, "lblCopy")),
      m_listCopy(control<QListView>(frmMain, "listCopy")),
      m_listImage(control<QWidget>(frmMain, "listImage")),
      m_progBar(control<QProgressBar>(frmMain, "progBar"))
{
    m_listCopy->setUniformItemSizes(true);
    m_listCopy->setModel(&m_log);
    m_progBar->setRange(0, 100);
    connect(m_cmdFolder, &QPushButton::clicked, this, &InstallPanel::cmdFolder_Click);
    for (int index = 0; index < 2; ++index)
        connect(m_cmdUpdate[index], &QPushButton::clicked, this, [this, index] { cmdUpdate_Click(index); });
    connect(m_cmdShow, &QPushButton::clicked, this, &InstallPanel::cmdShow_Click);
    frmMain->installEventFilter(this);

    auto* settings = requireChild<QMenu>(frmMain, QStringLiteral("mSettings"));
    settings->addSeparator();
    auto* restore = settings->addAction(tr("Restore an &installation…"));
    restore->setObjectName(QStringLiteral("sSettingsRestore"));
    connect(restore, &QAction::triggered, this, &InstallPanel::sSettingsRestore_Click);
}

InstallContext InstallPanel::runContext()
{
    InstallContext run{
        m_state, m_context.folders, m_context.dialogs, m_context.clock, m_context.busy, m_ops, *this, [this] {
            m_context.window.closeSearchWindow();
        }};
    // Every run the user allows backups for can be undone from its record.
    run.recordsFolder = recordsFolder();
    return run;
}

QString InstallPanel::recordsFolder() const
{
    const QString& perUser = m_context.programFiles.perUserFolder();
    return perUser.isEmpty() ? QString() : Restore::recordsFolder(perUser);
}

void InstallPanel::cmdFolder_Click()
{
    InstallContext run = runContext();
    ::cmdFolder_Click(run);
}

void InstallPanel::cmdUpdate_Click(int index)
{
    if (m_running)
        return;
    m_running = true;
    m_sinceEvents.start();
    InstallContext run = runContext();
    ::cmdUpdate_Click(run, index);
    flush();
    m_running = false;
}

void InstallPanel::sSettingsRestore_Click()
{
    m_context.window.closeSearchWindow();
    if (m_running)
        return;
    auto window = std::make_unique<FrmRestore>(recordsFolder(), m_ops, m_context.dialogs, m_frmMain);
    if (window->exec() != QDialog::Accepted)
        return;
    m_running = true;
    m_sinceEvents.start();
    RestoreInstallation(window->chosenRecord(), m_ops, *this, m_context.busy, m_context.dialogs, window->runOptions());
    flush();
    m_running = false;
}

void InstallPanel::cmdShow_Click()
{
    // The caption says what a click will show next.
    switch (::cmdShow_Click(m_context.busy, *this, m_guideNext)) {
    case GuideClick::GuideShown:
        m_guideNext = false;
        m_cmdShow->setText(WinKfpGuide::ShowPictureCaption());
        break;
    case GuideClick::PictureShown:
        m_guideNext = true;
        m_cmdShow->setText(WinKfpGuide::ShowGuideCaption());
        break;
    case GuideClick::Ignored: break;
    }
    flush();
}

bool InstallPanel::eventFilter(QObject* watched, QEvent* event)
{
    // Closing the window in the middle of a run would pull the controls away from under
    // it; the run ends on its own, then the window can close.
    if (watched == m_frmMain && event->type() == QEvent::Close && m_running) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void InstallPanel::flush()
{
    m_log.flush();
    if (m_selectRow >= 0 && m_selectRow < m_log.rowCount()) {
        const QModelIndex index = m_log.index(m_selectRow);
        m_listCopy->setCurrentIndex(index);
        m_listCopy->scrollTo(index);
        m_selectRow = -1;
    }
}

void InstallPanel::setCaption(const QString& caption)
{
    m_lblCopy->setText(caption);
}

void InstallPanel::addLine(const QString& line)
{
    m_log.append(line);
}

void InstallPanel::selectLastLine()
{
    m_selectRow = static_cast<int>(m_log.lineCount()) - 1;
}

void InstallPanel::setPercentage(int percent)
{
    m_progBar->setValue(percent);
}

void InstallPanel::processPendingEvents()
{
    if (m_sinceEvents.isValid() && m_sinceEvents.elapsed() < kEventIntervalMs)
        return;
    flush();
    QCoreApplication::processEvents();
    m_sinceEvents.start();
}

void InstallPanel::clearLines()
{
    m_log.clear();
    m_selectRow = -1;
}

void InstallPanel::showLog()
{
    m_listCopy->show();
    m_listImage->hide();
}

void InstallPanel::showPicture()
{
    m_listCopy->hide();
    m_listImage->show();
}

void InstallPanel::setUpdateButtonsEnabled(bool enabled)
{
    m_cmdUpdate[0]->setEnabled(enabled);
    m_cmdUpdate[1]->setEnabled(enabled);
}

void InstallPanel::setSourceFolder(const QString& folder)
{
    m_lblSPdaten->setText(folder);
}
