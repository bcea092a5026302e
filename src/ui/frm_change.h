#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// frmChange, "Change value": the function's name and the value to set. A fresh window
// for every edit; OK writes the text exactly as typed into handBack (the main window's
// channel for the new value), Cancel, Escape and the close box leave it untouched.
class FrmChange : public QDialog {
    Q_OBJECT
public:
    // What is wrong with a value as the user types it; empty when nothing is.
    using ValueCheck = std::function<QString(const QString& value)>;

    // With a check, a line below the value says what it finds while the user types.
    FrmChange(QString& handBack, const QString& function, const QString& value, bool quickChange,
              QWidget* parent = nullptr, const ValueCheck& check = {});

    // Designed client size in pixels (5535 x 1695 twips).
    static constexpr int kClientWidth = 369;
    static constexpr int kClientHeight = 113;

    // Top-left corner at the centre of the main window, in the window system's units.
    void placeAtCentreOf(const QWidget* mainWindow);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Form_Activate();
    void chkValue_Click();
    void cmdOK_Click(int index);

    QString& m_handBack;
    QLabel* m_lblPar;
    QLineEdit* m_txtChange;
    QCheckBox* m_chkValue;
    QLabel* m_lblCheck = nullptr;
    QPushButton* m_cmdOK[2];
};
