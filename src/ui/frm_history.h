#pragma once

#include "coding/coding_history.h"

#include <QDialog>
#include <QList>

#include <optional>

class Dialogs;
class QTreeWidget;

// "Coding history": the states kept by earlier saves, newest first. "Restore this state"
// closes the window with that state's trace chosen; the caller applies it.
class FrmHistory : public QDialog {
    Q_OBJECT
public:
    struct Inputs {
        QString historyFolder;
        // The functions of the loaded trace; empty when none is shown.
        QList<TraceFunction> loaded;
        Dialogs& dialogs;
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
    void cmdRestore_Click();
    void cmdShowFiles_Click();

    QList<TraceFunction> m_loaded;
    Dialogs& m_dialogs;
    QList<Row> m_rows;
    QTreeWidget* m_listHistory;
    QList<TraceFunction> m_chosenTrace;
    QString m_chosenName;
};
