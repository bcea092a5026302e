#include "common/paths.h"
#include "settings/settings_store.h"
#include "settings/tool_folders.h"
#include "support/scripted_dialogs.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestSettings : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("settings.ini")); }

private slots:
    void init() { QFile::remove(iniPath()); }

    void keysMatchWithoutLetterCase()
    {
        SettingsStore store(iniPath());
        QVERIFY(store.setValue(QStringLiteral("FolderBACKUP"), QStringLiteral("D:\\Backup")).ok());
        QCOMPARE(store.value(SettingsStore::FolderBackup, QString()), QStringLiteral("D:\\Backup"));

        // Writing under another spelling replaces the one entry, never adds a second.
        QVERIFY(store.setValue(QStringLiteral("folderbackup"), QStringLiteral("E:\\Other")).ok());
        SettingsStore reopened(iniPath());
        QCOMPARE(reopened.value(QStringLiteral("FOLDERBACKUP"), QString()), QStringLiteral("E:\\Other"));
        QSettings raw(iniPath(), QSettings::IniFormat);
        raw.beginGroup(QStringLiteral("Settings"));
        QCOMPARE(raw.childKeys().size(), 1);
    }

    void missingKeysGiveTheCallersDefault()
    {
        SettingsStore store(iniPath());
        QCOMPARE(store.value(SettingsStore::StartUpPosition, QStringLiteral("Normal")), QStringLiteral("Normal"));
        QCOMPARE(store.value(SettingsStore::PictureDefault, QStringLiteral("6")), QStringLiteral("6"));
    }

    void emptyStoreGivesDefaultFolders()
    {
        SettingsStore store(iniPath());
        const ToolFolders folders = ToolFolders::read(store, QStringLiteral("/prefix"));
#ifdef Q_OS_WIN
        QCOMPARE(folders.FolderNCS, u"C:\\NCSEXPER"_qs);
        QCOMPARE(folders.FolderEDIABAS, u"C:\\EDIABAS"_qs);
        QCOMPARE(folders.FolderNFS, u"C:\\EC-APPS\\NFS"_qs);
#else
        QCOMPARE(folders.FolderNCS, u"/prefix/drive_c/NCSEXPER"_qs);
        QCOMPARE(folders.FolderEDIABAS, u"/prefix/drive_c/EDIABAS"_qs);
        QCOMPARE(folders.FolderNFS, u"/prefix/drive_c/EC-APPS/NFS"_qs);
#endif
        QCOMPARE(folders.FolderBackup, QString());
    }

    void setDefaultFolder_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("subfolders");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("message");
        QTest::newRow("ncs complete") << 1 << QStringList{u"DATEN"_qs, u"SGDAT"_qs, u"WORK"_qs} << true << QString();
        QTest::newRow("ncs without SGDAT") << 1 << QStringList{u"DATEN"_qs, u"WORK"_qs} << false
                                           << u" is not a valid NCSEXPER folder."_qs;
        QTest::newRow("ediabas needs only ECU") << 2 << QStringList{u"ECU"_qs} << true << QString();
        QTest::newRow("ediabas without ECU") << 2 << QStringList{u"BIN"_qs} << false
                                             << u" is not a valid EDIABAS folder."_qs;
        QTest::newRow("nfs needs DATA and SGDAT") << 3 << QStringList{u"DATA"_qs, u"SGDAT"_qs} << true << QString();
        QTest::newRow("nfs without SGDAT") << 3 << QStringList{u"DATA"_qs} << false
                                           << u" is not a valid EC-APPS\\NFS folder."_qs;
    }

    void setDefaultFolder()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, subfolders);
        QFETCH(bool, accepted);
        QFETCH(QString, message);

        QTemporaryDir tools;
        for (const QString& sub : subfolders)
            QVERIFY(QDir(tools.path()).mkpath(sub));
        SettingsStore store(iniPath());
        ToolFolders folders = ToolFolders::read(store, QStringLiteral("/prefix"));
        const ToolFolders before = folders;
        ScriptedDialogs dialogs;
        dialogs.queueFolder(tools.path());

        SetDefaultFolder(kind, folders, store, dialogs);

        const QString key = toolFolderRule(kind)->settingsKey;
        const QString chosen = Paths::normalizeFolder(tools.path());
        const QString& variable = kind == 1 ? folders.FolderNCS : kind == 2 ? folders.FolderEDIABAS : folders.FolderNFS;
        const QString& old = kind == 1 ? before.FolderNCS : kind == 2 ? before.FolderEDIABAS : before.FolderNFS;
        QCOMPARE(dialogs.folderTitles, QStringList{toolFolderRule(kind)->pickerTitle});
        if (accepted) {
            QVERIFY(dialogs.messages.isEmpty());
            QCOMPARE(variable, chosen);
            QCOMPARE(store.value(key, QString()), chosen);
        } else {
            QCOMPARE(dialogs.messages.size(), 1);
            QCOMPARE(dialogs.messages[0].text, chosen + message);
            QCOMPARE(dialogs.messages[0].icon, MessageIcon::Critical);
            QCOMPARE(dialogs.messages[0].title, u"Quillon"_qs);
            QCOMPARE(variable, old);
            QCOMPARE(store.value(key, QStringLiteral("unset")), u"unset"_qs);
        }
    }

    void cancelledPickerAndUnknownKindsChangeNothing()
    {
        SettingsStore store(iniPath());
        ToolFolders folders = ToolFolders::read(store, QStringLiteral("/prefix"));
        ScriptedDialogs dialogs;
        dialogs.queueFolder(QString());
        SetDefaultFolder(1, folders, store, dialogs);
        SetDefaultFolder(0, folders, store, dialogs);
        SetDefaultFolder(4, folders, store, dialogs);
        QCOMPARE(dialogs.folderTitles.size(), 1); // kinds 0 and 4 do not even ask
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(folders.FolderNCS, ToolFolders::read(store, QStringLiteral("/prefix")).FolderNCS);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
