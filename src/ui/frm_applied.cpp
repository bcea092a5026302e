#include "ui/frm_applied.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

FrmApplied::FrmApplied(const QString& source, const QStringList& report, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmApplied"));
    setWindowTitle(tr("Values applied"));
    resize(560, 360);

    auto* lblApplied = new QLabel(tr("Values of %1:").arg(source), this);
    lblApplied->setObjectName(QStringLiteral("lblApplied"));
    lblApplied->setWordWrap(true);
    auto* listApplied = new QListWidget(this);
    listApplied->setObjectName(QStringLiteral("listApplied"));
    listApplied->addItems(report);
    auto* cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblApplied);
    layout->addWidget(listApplied);
    layout->addWidget(cmdOK, 0, Qt::AlignRight);
}
