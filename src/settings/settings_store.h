#pragma once

#include "common/result.h"

#include <QString>

#include <memory>

class QSettings;

// The per-user settings store: string values under the application "Quillon", section
// "Settings". It owns every key and its default. Keys match without regard to letter
// case on every platform, so "FolderBackup" and "FolderBACKUP" are the same entry.
class SettingsStore {
public:
    // The store lives in the INI file at iniPath; tests and the demo pass their own.
    explicit SettingsStore(const QString& iniPath);
    ~SettingsStore();

    // Where the store lives for the real user when nothing else is given.
    static QString defaultLocation();

    QString value(const QString& key, const QString& defaultValue) const;
    Status setValue(const QString& key, const QString& value);

    QString fileName() const;

    // Key names, spelt as the program reads them.
    static inline const QString FolderNCS = QStringLiteral("FolderNCS");
    static inline const QString FolderEDIABAS = QStringLiteral("FolderEDIABAS");
    static inline const QString FolderNFS = QStringLiteral("FolderNFS");
    static inline const QString FolderBackup = QStringLiteral("FolderBackup");
    static inline const QString PictureCustom = QStringLiteral("PictureCustom");
    static inline const QString PictureFolder = QStringLiteral("PictureFolder");
    static inline const QString PictureDefault = QStringLiteral("PictureDefault");
    static inline const QString NCSonly = QStringLiteral("NCSonly");
    static inline const QString StartUpPosition = QStringLiteral("StartUpPosition");
    // The window's language ("en", "de"); none stored means the system's.
    static inline const QString Language = QStringLiteral("Language");

private:
    QString storedKeyFor(const QString& key) const;

    std::unique_ptr<QSettings> m_settings;
};
