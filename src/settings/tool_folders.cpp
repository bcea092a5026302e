#include "settings/tool_folders.h"

#include "common/dialogs.h"
#include "common/logging.h"
#include "common/paths.h"
#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>

namespace DefaultToolFolders {

namespace {
QString underPrefix([[maybe_unused]] const QString& winePrefix, const QString& windowsTail)
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:") + windowsTail;
#else
    return Paths::join(Paths::normalizeFolder(winePrefix) + QStringLiteral("/drive_c"), windowsTail);
#endif
}
} // namespace

QString ncs(const QString& winePrefix)
{
    return underPrefix(winePrefix, QStringLiteral("\\NCSEXPER"));
}

QString ediabas(const QString& winePrefix)
{
    return underPrefix(winePrefix, QStringLiteral("\\EDIABAS"));
}

QString nfs(const QString& winePrefix)
{
    return underPrefix(winePrefix, QStringLiteral("\\EC-APPS\\NFS"));
}

QString winePrefixFromEnvironment()
{
    const QString prefix = QProcessEnvironment::systemEnvironment().value(QStringLiteral("WINEPREFIX"));
    if (!prefix.isEmpty())
        return prefix;
    return QDir::home().filePath(QStringLiteral(".wine"));
}

} // namespace DefaultToolFolders

ToolFolders ToolFolders::read(const SettingsStore& store, const QString& prefix)
{
    ToolFolders folders;
    folders.FolderBackup = store.value(SettingsStore::FolderBackup, QString());
    folders.FolderEDIABAS = store.value(SettingsStore::FolderEDIABAS, DefaultToolFolders::ediabas(prefix));
    folders.FolderNCS = store.value(SettingsStore::FolderNCS, DefaultToolFolders::ncs(prefix));
    folders.FolderNFS = store.value(SettingsStore::FolderNFS, DefaultToolFolders::nfs(prefix));
    return folders;
}

const ToolFolderRule* toolFolderRule(int kind)
{
    static const ToolFolderRule rules[] = {
        {QStringLiteral(QT_TRANSLATE_NOOP("ToolFolders", "Select default NCSEXPER folder")),
         {QStringLiteral("\\DATEN"), QStringLiteral("\\SGDAT"), QStringLiteral("\\WORK")},
         QStringLiteral(QT_TRANSLATE_NOOP("ToolFolders", " is not a valid NCSEXPER folder.")),
         SettingsStore::FolderNCS},
        {QStringLiteral(QT_TRANSLATE_NOOP("ToolFolders", "Select default EDIABAS folder")),
         {QStringLiteral("\\ECU")},
         QStringLiteral(QT_TRANSLATE_NOOP("ToolFolders", " is not a valid EDIABAS folder.")),
         SettingsStore::FolderEDIABAS},
        {QStringLiteral(QT_TRANSLATE_NOOP("ToolFolders", "Select default EC-APPS\\NFS folder")),
         {QStringLiteral("\\DATA"), QStringLiteral("\\SGDAT")},
         QStringLiteral(QT_TRANSLATE_NOOP("ToolFolders", " is not a valid EC-APPS\\NFS folder.")),
         SettingsStore::FolderNFS},
    };
    if (kind < 1 || kind > 3)
        return nullptr;
    return &rules[kind - 1];
}

bool hasToolFolderLayout(const QString& folder, const ToolFolderRule& rule)
{
    for (const QString& tail : rule.requiredSubfolders)
        if (!QFileInfo(Paths::join(folder, tail)).isDir())
            return false;
    return true;
}

namespace {

// The rules keep the English texts; the window shows them in its language.
QString shown(const QString& english)
{
    return QCoreApplication::translate("ToolFolders", english.toUtf8().constData());
}

} // namespace

void SetDefaultFolder(int kind, ToolFolders& folders, SettingsStore& store, Dialogs& dialogs)
{
    const ToolFolderRule* rule = toolFolderRule(kind);
    if (!rule)
        return;
    const QString chosen = dialogs.browseForFolder(shown(rule->pickerTitle));
    if (chosen.isEmpty())
        return;
    const QString folder = Paths::normalizeFolder(chosen);
    if (!hasToolFolderLayout(folder, *rule)) {
        qCInfo(lcSettings) << "refused" << folder << "as default folder" << kind << "- it lacks"
                           << rule->requiredSubfolders;
        dialogs.message(mainCaption(), folder + shown(rule->invalidMessageTail), MessageIcon::Critical);
        return;
    }
    if (Status stored = store.setValue(rule->settingsKey, folder); !stored) {
        dialogs.message(mainCaption(), stored.error(), MessageIcon::Critical);
        return;
    }
    switch (static_cast<ToolFolderKind>(kind)) {
    case ToolFolderKind::NcsExpert: folders.FolderNCS = folder; break;
    case ToolFolderKind::Ediabas: folders.FolderEDIABAS = folder; break;
    case ToolFolderKind::WinKfp: folders.FolderNFS = folder; break;
    }
}
