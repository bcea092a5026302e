#pragma once

#include <QString>

class QCoreApplication;

// Installs the window's translation for a language code ("en" needs none): Quillon's own,
// built into the program, and Qt's for its standard dialogs and buttons.
void installTranslations(QCoreApplication& app, const QString& language);
