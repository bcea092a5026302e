#pragma once

#include "coding/coding_history.h"

#include <QDialog>
#include <QList>

#include <optional>

class Dialogs;
class QLabel;
class QListWidget;
class QTreeWidget;
class TraceSession;

// "Coding history": the states kept by earlier saves, newest first, and for the selected
// one what "Restore this state" would change. That button closes the window with the
// state's trace chosen; the caller applies it.
class FrmHistory : public QDialog {
    Q_OBJECT
public:
    struct Inputs {
        QString historyFolder;
        // The functions of the loaded trace; empty when none is shown.
        QList<TraceFunction> loaded;
        Dialogs& dialogs;
        // The trace shown, which a restore would change; null when none is.
        const TraceSession* session = nullptr;
    };
    FrmHistory(const Inputs& inputs, QWidget* parent = nullptr);

    // After "Restore this state": the trace of the chosen state and how to name it.
    const QList<TraceFunction>& chosenTrace() const { return m_chosenTrace; }
    const QString& chosenName() const { return m_chosenName; }

private:
    struct Row {
        CodingHistory::Snapshot snapshot;
        std::optional<CodingHistory::SnapshotDetails> details;
        QString error;
    };

    const Row* selectedRow();
    void showPreview();
    void cmdRestore_Click();
    void cmdShowFiles_Click();

    QList<TraceFunction> m_loaded;
    Dialogs& m_dialogs;
    const TraceSession* m_session;
    QList<Row> m_rows;
    QTreeWidget* m_listHistory;
    QLabel* m_lblPreview;
    QListWidget* m_listPreview;
    QList<TraceFunction> m_chosenTrace;
    QString m_chosenName;
};
