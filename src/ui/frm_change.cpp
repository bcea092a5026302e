#include "ui/frm_change.h"

#include "trace/value_editing.h"
#include "ui/text_fit.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The designed rectangles are in twips; 15 twips make a pixel.
QRect fromTwips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

} // namespace

FrmChange::FrmChange(QString& handBack, const QString& function, const QString& value, bool quickChange,
                     QWidget* parent, const ValueCheck& check)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::CustomizeWindowHint),
      m_handBack(handBack)
{
    setObjectName(QStringLiteral("frmChange"));
    setWindowTitle(tr("Change value"));
    setFixedSize(kClientWidth, kClientHeight);

    m_lblPar = new QLabel(tr("function"), this);
    m_lblPar->setObjectName(QStringLiteral("lblPar"));
    m_lblPar->setGeometry(fromTwips(120, 240, 585, 195));

    m_txtChange = new QLineEdit(this);
    m_txtChange->setObjectName(QStringLiteral("txtChange"));
    m_txtChange->setGeometry(fromTwips(120, 720, 5295, 315));

    m_chkValue = new QCheckBox(tr("quick change"), this);
    m_chkValue->setObjectName(QStringLiteral("chkValue"));
    m_chkValue->setGeometry(fromTwips(120, 1200, 1395, 195));
    m_chkValue->setEnabled(false);

    m_cmdOK[1] = new QPushButton(tr("OK"), this);
    m_cmdOK[1]->setObjectName(QStringLiteral("cmdOK_1"));
    m_cmdOK[1]->setGeometry(fromTwips(1920, 1200, 1695, 375));
    m_cmdOK[1]->setDefault(true);

    m_cmdOK[0] = new QPushButton(tr("Cancel"), this);
    m_cmdOK[0]->setObjectName(QStringLiteral("cmdOK_0"));
    m_cmdOK[0]->setGeometry(fromTwips(3720, 1200, 1695, 375));

    setTabOrder(m_txtChange, m_chkValue);
    setTabOrder(m_chkValue, m_cmdOK[1]);
    setTabOrder(m_cmdOK[1], m_cmdOK[0]);

    // The label grows with a long function name, as far as the window allows.
    m_lblPar->setText(function);
    growToShowText(m_lblPar, kClientWidth - m_lblPar->x());
    growToShowText(m_chkValue, m_cmdOK[1]->x());
    m_txtChange->setText(value);
    m_chkValue->setEnabled(quickChange);

    if (check) {
        // One line more for what the chosen module says of the value being typed.
        m_lblCheck = new QLabel(this);
        m_lblCheck->setObjectName(QStringLiteral("lblCheck"));
        m_lblCheck->setStyleSheet(QStringLiteral("color: #b00000"));
        m_lblCheck->setGeometry(m_lblPar->x(), kClientHeight, kClientWidth - 2 * m_lblPar->x(),
                                m_lblCheck->sizeHint().height());
        setFixedSize(kClientWidth, kClientHeight + m_lblCheck->height() + m_lblPar->x());
        const auto update = [this, check](const QString& text) { m_lblCheck->setText(check(text)); };
        connect(m_txtChange, &QLineEdit::textChanged, this, update);
        update(value);
    }

    connect(m_chkValue, &QCheckBox::clicked, this, &FrmChange::chkValue_Click);
    connect(m_cmdOK[1], &QPushButton::clicked, this, [this] { cmdOK_Click(1); });
    connect(m_cmdOK[0], &QPushButton::clicked, this, [this] { cmdOK_Click(0); });
}

void FrmChange::placeAtCentreOf(const QWidget* mainWindow)
{
    const QRect frame = mainWindow->frameGeometry();
    move(frame.left() + frame.width() / 2, frame.top() + frame.height() / 2);
}

void FrmChange::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void FrmChange::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void FrmChange::Form_Activate()
{
    m_txtChange->setSelection(0, static_cast<int>(m_txtChange->text().size()));
    m_txtChange->setFocus();
}

void FrmChange::chkValue_Click()
{
    m_txtChange->setText(ValueEditing::quickChanged(m_txtChange->text()));
}

void FrmChange::cmdOK_Click(int index)
{
    // Escape and the close box end in reject() as well, handing nothing back.
    if (index == 1) {
        m_handBack = m_txtChange->text();
        accept();
    } else {
        reject();
    }
}
