#pragma once

#include "coding/translation_coverage.h"

#include <QDialog>

class Dialogs;

// "Translation report": how much of the loaded trace Translations.csv translates, the names
// it does not, and "Export missing..." to write them as lines to fill in.
class FrmTranslationReport : public QDialog {
    Q_OBJECT
public:
    // tableFound: whether Translations.csv exists (without it nothing is translated).
    FrmTranslationReport(const TranslationCoverage& coverage, const QString& tablePath, bool tableFound,
                         Dialogs& dialogs, QWidget* frmMain);

    void cmdExport_Click();

private:
    TranslationCoverage m_coverage;
    QString m_tablePath;
    Dialogs& m_dialogs;
};
