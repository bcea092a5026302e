#include "ui/frm_search.h"

#include "common/dialogs.h"
#include "trace/trace_tree.h"
#include "ui/trace_tree_view.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QRadioButton* addOption(QGroupBox* frame, const QString& name, const QString& caption)
{
    auto* option = new QRadioButton(caption, frame);
    option->setObjectName(name);
    frame->layout()->addWidget(option);
    return option;
}

QGroupBox* addFrame(QWidget* parent, const QString& name, const QString& caption)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    new QVBoxLayout(frame);
    return frame;
}

} // namespace

FrmSearch::FrmSearch(QWidget* frmMain, TraceTreeView* treeTRC, Dialogs& dialogs)
    : QDialog(frmMain), m_treeTRC(treeTRC), m_dialogs(dialogs), m_search(*treeTRC->traceTree())
{
    setObjectName(QStringLiteral("frmSearch"));
    // A tool window stays above its owner, has no task bar entry and no min/max boxes.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setModal(false);
    setWindowTitle(tr("Search"));
    buildControls();
}

// Destroyed with the main window, whose tree may already be gone: nothing to restore.
FrmSearch::~FrmSearch() = default;

void FrmSearch::buildControls()
{
    m_cmdChange = new QPushButton(tr("change"), this);
    m_cmdChange->setObjectName(QStringLiteral("cmdChange"));
    m_cmdChange->setAutoDefault(false);
    m_cmdChange->hide();
    connect(m_cmdChange, &QPushButton::clicked, this, &FrmSearch::cmdChange_Click);

    QGroupBox* frame1 = addFrame(this, QStringLiteral("Frame1"), tr("Function"));
    m_optSearch[0] = addOption(frame1, QStringLiteral("optSearch_0"), tr("starts with"));
    m_optSearch[1] = addOption(frame1, QStringLiteral("optSearch_1"), tr("any part"));
    m_optSearch[0]->setChecked(true);

    QGroupBox* frame2 = addFrame(this, QStringLiteral("Frame2"), tr("Direction"));
    m_optUpDown[0] = addOption(frame2, QStringLiteral("optUpDown_0"), tr("up"));
    m_optUpDown[1] = addOption(frame2, QStringLiteral("optUpDown_1"), tr("down"));
    m_optUpDown[1]->setChecked(true);

    m_txtSearch = new QLineEdit(this);
    m_txtSearch->setObjectName(QStringLiteral("txtSearch"));

    m_cmdNext[1] = new QPushButton(tr("Search next"), this);
    m_cmdNext[1]->setObjectName(QStringLiteral("cmdNext_1"));
    m_cmdNext[1]->setDefault(true);
    m_cmdNext[1]->setEnabled(false);
    m_cmdNext[0] = new QPushButton(tr("Cancel"), this);
    m_cmdNext[0]->setObjectName(QStringLiteral("cmdNext_0"));
    m_cmdNext[0]->setAutoDefault(false);

    auto* label1 = new QLabel(tr("Search for function:"), this);
    label1->setObjectName(QStringLiteral("Label1"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(label1, 0, 0, 1, 2);
    grid->addWidget(m_cmdNext[1], 0, 2);
    grid->addWidget(m_txtSearch, 1, 0, 1, 2);
    grid->addWidget(m_cmdNext[0], 1, 2);
    grid->addWidget(frame1, 2, 0);
    grid->addWidget(frame2, 2, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_txtSearch, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_cmdNext[1]->setEnabled(!text.isEmpty()); });
    for (int index = 0; index <= 1; ++index) {
        connect(m_cmdNext[index], &QPushButton::clicked, this, [this, index] { cmdNext_Click(index); });
        // Another match mode makes the next step a new search from the top.
        connect(m_optSearch[index], &QRadioButton::clicked, this, [this] {
            m_search.forgetLastText();
            m_txtSearch->setFocus();
        });
        connect(m_optUpDown[index], &QRadioButton::clicked, this, [this] { m_txtSearch->setFocus(); });
    }
}

void FrmSearch::cmdNext_Click(int index)
{
    if (index == 0) {
        close();
        return;
    }
    const SearchMatch match = m_optSearch[1]->isChecked() ? SearchMatch::AnyPart : SearchMatch::StartsWith;
    const SearchDirection direction = m_optUpDown[0]->isChecked() ? SearchDirection::Up : SearchDirection::Down;
    const TreeSearchStep step = m_search.next(m_txtSearch->text(), match, direction);
    if (step.directionForcedDown)
        m_optUpDown[1]->setChecked(true);
    if (!step.caption.isEmpty())
        setWindowTitle(step.caption);
    for (int node : step.selectNodes)
        m_treeTRC->selectNode(node);
    if (!step.error.isEmpty())
        m_dialogs.message(windowTitle(), step.error, MessageIcon::Critical);
}

void FrmSearch::showChangeWindow(QDialog* changeWindow)
{
    m_changeWindow = changeWindow;
    m_cmdChange->click();
    m_changeWindow = nullptr;
}

void FrmSearch::cmdChange_Click()
{
    if (!m_changeWindow)
        return;
    m_focusOnActivate = false;
    // This window floats above the main window; the modal change window must come up
    // above it, not behind it.
    QPointer<QDialog> changeWindow = m_changeWindow;
    QTimer::singleShot(0, changeWindow, [changeWindow] {
        if (changeWindow) {
            changeWindow->raise();
            changeWindow->activateWindow();
        }
    });
    changeWindow->exec();
    if (QWidget* frmMain = parentWidget())
        frmMain->update();
}

void FrmSearch::applicationStateChanged(Qt::ApplicationState state)
{
    if (state == Qt::ApplicationActive) {
        if (m_hiddenWhileInactive) {
            m_hiddenWhileInactive = false;
            // Back in view, but the window the user clicked keeps the focus.
            setAttribute(Qt::WA_ShowWithoutActivating, true);
            show();
            setAttribute(Qt::WA_ShowWithoutActivating, false);
        }
    } else if (!m_hiddenWhileInactive && isVisible()) {
        m_hiddenWhileInactive = true;
        hide();
    }
}

bool FrmSearch::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && m_focusOnActivate)
        m_txtSearch->setFocus();
    return QDialog::event(event);
}

void FrmSearch::reject()
{
    // Esc closes the window like Cancel.
    close();
}

void FrmSearch::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QDialog::closeEvent(event);
}

void FrmSearch::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_search.clearMark();
    if (QWidget* frmMain = parentWidget(); frmMain && frmMain->isVisible())
        m_treeTRC->setFocus();
    emit unloaded();
}
