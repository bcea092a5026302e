#pragma once

#include <QDialog>
#include <QStringList>

// "Values applied": what taking the values of another trace changed and what it could
// not apply, one line each, for the user to read before saving.
class FrmApplied : public QDialog {
    Q_OBJECT
public:
    FrmApplied(const QString& source, const QStringList& report, QWidget* parent = nullptr);
};
