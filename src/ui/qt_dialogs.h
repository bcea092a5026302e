#pragma once

#include "common/dialogs.h"

class QWidget;

// The real dialogs: QMessageBox, QFileDialog and the system's text editor. The only
// place in the program that shows them.
class QtDialogs final : public Dialogs {
public:
    // Dialogs are owned by this window (centred on it, modal to it).
    explicit QtDialogs(QWidget* owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget* owner) { m_owner = owner; }

    MessageAnswer message(const QString& title, const QString& text, MessageIcon icon, MessageButtons buttons) override;
    QString openFile(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;
    QString browseForFolder(const QString& title) override;
    bool startEditor(const QString& filePath, QString* error) override;

    // "Trace files (*.trc, *.man)|*.trc;*.man|All files (*.*)|*.*" in the form Qt's
    // file dialog reads: "Trace files (*.trc *.man);;All files (*)".
    static QString toQtFilter(const QString& barFilter);

private:
    QWidget* m_owner;
};
