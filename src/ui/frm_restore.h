#pragma once

#include "install/restore_run.h"

#include <QDialog>

#include <optional>

class Dialogs;
class FileOps;
class QLabel;
class QProgressBar;
class QPushButton;
class WindowWorker;
class QTreeWidget;

// "Restore an installation": the restore records of the installations made with backups,
// newest first, as the records describe them. The chosen record is checked on a worker
// thread with its progress shown (Cancel stops it); "Restore" asks for confirmation and
// closes the window with that record and its check chosen; the caller runs the restore.
class FrmRestore : public QDialog {
    Q_OBJECT
public:
    FrmRestore(const QString& recordsFolder, FileOps& ops, Dialogs& dialogs, QWidget* parent = nullptr);
    ~FrmRestore() override;

    const QString& chosenRecord() const { return m_chosenRecord; }
    // How to run the chosen restore: as a stopped run or not, and with the window's check.
    Restore::RunOptions runOptions() const;

    void reject() override;

private:
    void startCheck();
    void stopCheck();
    void showCheck();
    void cmdRestore_Click();

    FileOps& m_ops;
    Dialogs& m_dialogs;
    QList<Restore::RecordSummary> m_records;
    QTreeWidget* m_listRestore;
    QLabel* m_lblCheck;
    QProgressBar* m_progCheck;
    QPushButton* m_cmdCancelCheck;
    QPushButton* m_cmdRestore;
    WindowWorker* m_worker;
    int m_checking = -1;                                  // the row the worker checks
    std::optional<Result<Restore::CheckResult>> m_result; // written by the worker before it ends
    int m_checkedRow = -1;
    QString m_chosenRecord;
};
