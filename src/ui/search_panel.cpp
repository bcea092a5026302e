#include "ui/search_panel.h"

#include "common/dialogs.h"
#include "trace/trace_session.h"
#include "ui/controls.h"
#include "ui/frm_search.h"
#include "ui/panel_context.h"
#include "ui/trace_tree_view.h"

#include <QAction>
#include <QGuiApplication>
#include <QPushButton>

namespace {
const char* const kTag = "tag";
} // namespace

SearchPanel::SearchPanel(QWidget* frmMain, const PanelContext& context)
    : QObject(frmMain),
      m_frmMain(frmMain),
      m_context(context),
      m_cmdSearch(requireChild<QPushButton>(frmMain, QStringLiteral("cmdSearch"))),
      m_treeTRC(requireChild<TraceTreeView>(frmMain, QStringLiteral("TreeTRC")))
{
    connect(m_cmdSearch, &QPushButton::clicked, this, &SearchPanel::cmdSearch_Click);
    for (int index = 1; index <= 2; ++index)
        connect(requireChild<QAction>(frmMain, QStringLiteral("sEdit_%1").arg(index)), &QAction::triggered, this,
                [this, index] { sEdit_Click(index); });
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (m_frmSearch)
            m_frmSearch->applicationStateChanged(state);
    });
}

FrmSearch* SearchPanel::frmSearch() const
{
    return m_frmSearch;
}

void SearchPanel::cmdSearch_Click()
{
    if (!m_context.session.treeVisible()) {
        m_context.dialogs.message(mainCaption(), tr("Load TRC-file first."), MessageIcon::Exclamation);
        return;
    }
    if (m_cmdSearch->property(kTag).toString().isEmpty()) {
        m_cmdSearch->setProperty(kTag, QStringLiteral("show"));
        m_frmSearch = new FrmSearch(m_frmMain, m_treeTRC, m_context.dialogs);
        connect(m_frmSearch, &FrmSearch::unloaded, this, &SearchPanel::searchWindowUnloaded);
        placeSearchWindow();
    }
    m_frmSearch->show();
    m_frmSearch->raise();
    m_frmSearch->activateWindow();
}

void SearchPanel::placeSearchWindow()
{
    // Level with the top of the tree, starting at the middle of the main window.
    const QRect main = m_frmMain->frameGeometry();
    m_frmSearch->move(main.left() + main.width() / 2, main.top() + m_treeTRC->y());
}

void SearchPanel::sEdit_Click(int index)
{
    if (index == 1) {
        cmdSearch_Click();
        return;
    }
    if (index != 2 || m_cmdSearch->property(kTag).toString() != u"show" || !m_frmSearch)
        return;
    auto* searchNext = requireChild<QPushButton>(m_frmSearch, QStringLiteral("cmdNext_1"));
    if (searchNext->isEnabled())
        searchNext->click();
}

void SearchPanel::closeSearchWindow()
{
    FrmSearch* window = m_frmSearch;
    if (!window)
        return;
    window->hide();
    window->Form_Unload(); // drops m_frmSearch; the window is deleted later
}

bool SearchPanel::showChangeWindowViaSearch(QDialog* changeWindow)
{
    if (!m_frmSearch)
        return false;
    m_frmSearch->showChangeWindow(changeWindow);
    return true;
}

void SearchPanel::searchWindowUnloaded()
{
    m_cmdSearch->setProperty(kTag, QString());
    if (m_frmSearch)
        m_frmSearch->deleteLater();
    m_frmSearch = nullptr;
}
