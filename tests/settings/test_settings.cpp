#include "common/paths.h"
#include "settings/language.h"
#include "settings/settings_store.h"
#include "settings/tool_folders.h"
#include "support/data_table.h"
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

    // Keys match without letter case: another spelling replaces the one entry.
    void keysMatchWithoutLetterCase()
    {
        SettingsStore store(iniPath());
        QCOMPARE(store.value(SettingsStore::FolderBackup, u"default"_qs), u"default"_qs);
        QVERIFY(store.setValue(QStringLiteral("FolderBACKUP"), QStringLiteral("D:\\Backup")).ok());
        QCOMPARE(store.value(SettingsStore::FolderBackup, QString()), QStringLiteral("D:\\Backup"));
        QVERIFY(store.setValue(QStringLiteral("folderbackup"), QStringLiteral("E:\\Other")).ok());
        QCOMPARE(SettingsStore(iniPath()).value(QStringLiteral("FOLDERBACKUP"), QString()),
                 QStringLiteral("E:\\Other"));
        QSettings raw(iniPath(), QSettings::IniFormat);
        raw.beginGroup(QStringLiteral("Settings"));
        QCOMPARE(raw.childKeys().size(), 1);
        // A store that cannot be written says so.
        QVERIFY(!SettingsStore(m_dir.path()).setValue(SettingsStore::FolderBackup, u"x"_qs).ok());
    }

    // The command line wins over the settings, the settings over the system; an unknown
    // code counts as none.
    void language_data()
    {
        addColumns<QString, QString, QLocale::Language, QString>("option", "stored", "system", "chosen");
        QTest::newRow("German system") << QString() << QString() << QLocale::German << u"de"_qs;
        QTest::newRow("French system") << QString() << QString() << QLocale::French << u"en"_qs;
        QTest::newRow("stored English on a German system") << QString() << u"en"_qs << QLocale::German << u"en"_qs;
        QTest::newRow("option over stored") << u"DE"_qs << u"en"_qs << QLocale::English << u"de"_qs;
        QTest::newRow("unknown option") << u"fr"_qs << u"de"_qs << QLocale::English << u"de"_qs;
    }
    void language()
    {
        QFETCH(QString, option);
        QFETCH(QString, stored);
        QFETCH(QLocale::Language, system);
        QTEST(Language::choose(option, stored, QLocale(system)), "chosen");
    }

    // The folder picked for a kind is checked for its layout; kinds 0 and 4 are not even
    // asked for, and a cancelled picker changes nothing.
    void setDefaultFolder_data()
    {
        // message: empty when accepted
        addColumns<int, QStringList, QString>("kind", "subfolders", "message");
        QTest::newRow("ncs complete") << 1 << QStringList{u"DATEN"_qs, u"SGDAT"_qs, u"WORK"_qs} << QString();
        QTest::newRow("ncs without SGDAT")
            << 1 << QStringList{u"DATEN"_qs, u"WORK"_qs} << u" is not a valid NCSEXPER folder."_qs;
        QTest::newRow("ediabas needs only ECU") << 2 << QStringList{u"ECU"_qs} << QString();
        QTest::newRow("ediabas without ECU") << 2 << QStringList{u"BIN"_qs} << u" is not a valid EDIABAS folder."_qs;
        QTest::newRow("nfs needs DATA and SGDAT") << 3 << QStringList{u"DATA"_qs, u"SGDAT"_qs} << QString();
        QTest::newRow("nfs without SGDAT")
            << 3 << QStringList{u"DATA"_qs} << u" is not a valid EC-APPS\\NFS folder."_qs;
        QTest::newRow("cancelled") << 1 << QStringList() << u"cancel"_qs;
    }
    void setDefaultFolder()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, subfolders);
        QFETCH(QString, message);
        QTemporaryDir tools;
        for (const QString& sub : subfolders)
            QVERIFY(QDir(tools.path()).mkpath(sub));
        SettingsStore store(iniPath());
        ToolFolders folders = ToolFolders::read(store, QStringLiteral("/prefix"));
#ifdef Q_OS_WIN
        const QStringList defaults{u"C:\\NCSEXPER"_qs, u"C:\\EDIABAS"_qs, u"C:\\EC-APPS\\NFS"_qs, QString()};
#else
        const QStringList defaults{u"/prefix/drive_c/NCSEXPER"_qs, u"/prefix/drive_c/EDIABAS"_qs,
                                   u"/prefix/drive_c/EC-APPS/NFS"_qs, QString()};
#endif
        QCOMPARE(QStringList({folders.FolderNCS, folders.FolderEDIABAS, folders.FolderNFS, folders.FolderBackup}),
                 defaults);
        const ToolFolders before = folders;
        ScriptedDialogs dialogs;
        dialogs.queueFolder(message == u"cancel" ? QString() : tools.path());
        SetDefaultFolder(kind, folders, store, dialogs);
        SetDefaultFolder(0, folders, store, dialogs);
        SetDefaultFolder(4, folders, store, dialogs);

        const QString chosen = Paths::normalizeFolder(tools.path());
        const bool accepted = message.isEmpty();
        const QStringList after{folders.FolderNCS, folders.FolderEDIABAS, folders.FolderNFS};
        QStringList expected{before.FolderNCS, before.FolderEDIABAS, before.FolderNFS};
        if (accepted)
            expected[kind - 1] = chosen;
        QCOMPARE(after, expected);
        QCOMPARE(dialogs.folderTitles, QStringList{toolFolderRule(kind)->pickerTitle});
        QCOMPARE(store.value(toolFolderRule(kind)->settingsKey, u"unset"_qs), accepted ? chosen : u"unset"_qs);
        QCOMPARE(dialogs.texts(), accepted || message == u"cancel" ? QStringList() : QStringList{chosen + message});
        for (const ScriptedDialogs::Message& m : std::as_const(dialogs.messages)) {
            QCOMPARE(m.icon, MessageIcon::Critical);
            QCOMPARE(m.title, u"Quillon"_qs);
        }
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
