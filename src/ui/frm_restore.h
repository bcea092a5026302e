#pragma once

#include "install/restore_run.h"

#include <QDialog>

class Dialogs;
class FileOps;
class QTreeWidget;

// "Restore an installation": the restore records of the installations made with backups,
// newest first, each checked as a restore would check it. "Restore" asks for confirmation
// and closes the window with that record chosen; the caller runs the restore.
class FrmRestore : public QDialog {
    Q_OBJECT
public:
    FrmRestore(const QString& recordsFolder, FileOps& ops, Dialogs& dialogs, QWidget* parent = nullptr);

    const QString& chosenRecord() const { return m_chosenRecord; }

    static QString kindText(const QString& kind);

private:
    void cmdRestore_Click();

    Dialogs& m_dialogs;
    QList<Restore::RecordSummary> m_records;
    QTreeWidget* m_listRestore;
    QString m_chosenRecord;
};
