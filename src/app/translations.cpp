#include "app/translations.h"

#include "common/logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

void installTranslations(QCoreApplication& app, const QString& language)
{
    if (language == u"en")
        return;
    auto* own = new QTranslator(&app);
    if (own->load(QStringLiteral(":/i18n/quillon_") + language))
        QCoreApplication::installTranslator(own);
    else
        qCInfo(lcUi) << "no translation of Quillon for" << language;

    // Qt's own texts (Yes, No, Cancel, the file dialogs): from the system's Qt on Linux,
    // from the translations folder beside the program where the installer puts them.
    auto* qt = new QTranslator(&app);
    const QString name = QStringLiteral("qtbase_") + language;
    for (const QString& folder :
         {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
          QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))}) {
        if (qt->load(name, folder)) {
            QCoreApplication::installTranslator(qt);
            return;
        }
    }
    qCInfo(lcUi) << "no" << name << "found: Qt's standard texts stay English";
}
