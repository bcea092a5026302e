#include "settings/language.h"

namespace Language {

const QStringList& available()
{
    static const QStringList codes{QStringLiteral("en"), QStringLiteral("de")};
    return codes;
}

QString choose(const QString& commandLine, const QString& stored, const QLocale& system)
{
    for (const QString& given : {commandLine, stored}) {
        const QString code = given.trimmed().toLower();
        if (available().contains(code))
            return code;
    }
    return system.language() == QLocale::German ? QStringLiteral("de") : QStringLiteral("en");
}

} // namespace Language
