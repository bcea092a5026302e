#pragma once

#include "coding/translation_table.h"

#include <QObject>
#include <QString>

class QWidget;
class TraceTreeView;
struct AppContext;

// The "NCS coding" frame's editing: a click on a value in TreeTRC (through the change
// window, or by choosing among the listed values after "Show values"), and the
// "Translation" button, which other parts reach through AppContext::toggleTranslation.
class EditingPanel : public QObject {
    Q_OBJECT
public:
    EditingPanel(QWidget* frmMain, AppContext& context);

    void TreeTRC_NodeClick(int node);
    void cmdTranslate_Click();

    // The new value handed back by the change window; empty when nothing was confirmed.
    const QString& cmdLoadTag() const { return m_cmdLoadTag; }

private:
    void EditThroughChangeWindow(int node);

    QWidget* m_frmMain;
    AppContext& m_context;
    TraceTreeView* m_treeTRC;
    // Read at most once per run, the first time the translation is switched on.
    TranslationTable m_translations;
    QString m_cmdLoadTag;
};
