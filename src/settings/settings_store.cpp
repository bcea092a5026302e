#include "settings/settings_store.h"

#include "common/logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {
const QString kSection = QStringLiteral("Settings");
}

SettingsStore::SettingsStore(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::defaultLocation()
{
#ifdef Q_OS_WIN
    // The roaming profile (%APPDATA%\Quillon), where Windows programs keep their settings;
    // Qt's config location there is the local, non-roaming one.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir::toNativeSeparators(QDir(folder).filePath(QStringLiteral("Quillon.ini")));
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(folder).filePath(QStringLiteral("Quillon/Quillon.ini"));
#endif
}

QString SettingsStore::fileName() const
{
    return m_settings->fileName();
}

QString SettingsStore::storedKeyFor(const QString& key) const
{
    // Qt's INI backend compares keys with case on Unix; look the spelling up ourselves.
    m_settings->beginGroup(kSection);
    const QStringList keys = m_settings->childKeys();
    m_settings->endGroup();
    for (const QString& stored : keys)
        if (stored.compare(key, Qt::CaseInsensitive) == 0)
            return stored;
    return {};
}

QString SettingsStore::value(const QString& key, const QString& defaultValue) const
{
    const QString stored = storedKeyFor(key);
    if (stored.isEmpty())
        return defaultValue;
    return m_settings->value(kSection + u'/' + stored).toString();
}

Status SettingsStore::setValue(const QString& key, const QString& value)
{
    // Writing replaces the entry under whatever spelling it already has.
    const QString stored = storedKeyFor(key);
    m_settings->setValue(kSection + u'/' + (stored.isEmpty() ? key : stored), value);
    m_settings->sync();
    qCDebug(lcSettings) << "stored" << key << "=" << value << "in" << m_settings->fileName();
    if (m_settings->status() != QSettings::NoError)
        return Status::failure(QCoreApplication::translate("SettingsStore", "The settings could not be written to %1.")
                                   .arg(QDir::toNativeSeparators(m_settings->fileName())));
    return {};
}
