#include "app/application.h"

#include "app/translations.h"
#include "coding/coding_history.h"
#include "common/clock.h"
#include "common/paths.h"
#include "common/program_folder.h"
#include "common/single_instance.h"
#include "settings/language.h"
#include "settings/settings_store.h"
#include "settings/tool_folders.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>

namespace {

struct StartOptions {
    QString settingsFile;
    QString programFolder;
    QString historyFolder;
    QString language;
};

// Options for demos and tests; a normal start needs none.
StartOptions parseOptions(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Quillon - coding companion for NCS Expert"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption settings(QStringLiteral("settings"),
                                      QStringLiteral("Use this settings file instead of the user's."),
                                      QStringLiteral("file"));
    const QCommandLineOption programFolder(
        QStringLiteral("program-folder"),
        QStringLiteral("Keep Codinglog.txt, Translations.csv and Updateplan.txt in this folder."),
        QStringLiteral("folder"));
    const QCommandLineOption historyFolder(QStringLiteral("history-folder"),
                                           QStringLiteral("Keep the coding history in this folder."),
                                           QStringLiteral("folder"));
    const QCommandLineOption language(
        QStringLiteral("lang"), QStringLiteral("Show the window in this language: en or de."), QStringLiteral("code"));
    parser.addOption(settings);
    parser.addOption(programFolder);
    parser.addOption(historyFolder);
    parser.addOption(language);
    parser.process(app);
    return {parser.value(settings), parser.value(programFolder), parser.value(historyFolder), parser.value(language)};
}

QString lockFilePath(const QString& settingsFile)
{
    // One lock per settings store, so a demo can run beside the real program.
    const QString name =
        QStringLiteral("quillon-%1.lock").arg(qHash(QFileInfo(settingsFile).absoluteFilePath()), 0, 16);
    return QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation)).filePath(name);
}

bool hasArgument(int argc, char* argv[], std::initializer_list<const char*> names)
{
    for (int i = 1; i < argc; ++i)
        for (const char* name : names)
            if (qstrcmp(argv[i], name) == 0)
                return true;
    return false;
}

// --help and --version print and end before any window exists, so they also work where
// there is no display (over SSH, in a package check).
bool onlyPrints(int argc, char* argv[])
{
    return hasArgument(argc, argv, {"-h", "--help", "-v", "--version"});
}

// --help-all lists the window system's options too, which only the window program's own
// application object knows: without a display it is made on Qt's display-less platform.
void printableWithoutDisplay(int argc, char* argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (hasArgument(argc, argv, {"--help-all"}) && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
#endif
}

} // namespace

int runQuillon(int argc, char* argv[])
{
    if (onlyPrints(argc, argv)) {
        QCoreApplication printer(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Quillon"));
        QCoreApplication::setApplicationVersion(QStringLiteral(QUILLON_VERSION));
        static_cast<void>(parseOptions(printer));
    }
    printableWithoutDisplay(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLON_VERSION));
    // Lets the desktop match the window to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLON_APP_ID));
    // The icon also for a window started from a build folder, and on Windows.
    Q_INIT_RESOURCE(app_icon);
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon/quillon-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    const StartOptions options = parseOptions(app);

    const QString settingsFile =
        options.settingsFile.isEmpty() ? SettingsStore::defaultLocation() : options.settingsFile;
    // Read only here: the lock below decides whether this run may write it.
    SettingsStore settings(settingsFile);
    const QString language =
        Language::choose(options.language, settings.value(SettingsStore::Language, QString()), QLocale::system());
    installTranslations(app, language);
    QtDialogs dialogs;
    SingleInstance instance(lockFilePath(settingsFile));
    if (!instance.acquire()) {
        dialogs.message(mainCaption(),
                        QCoreApplication::translate("Application", "%1 is already running!")
                            .arg(QFileInfo(QApplication::applicationFilePath()).fileName()),
                        MessageIcon::Critical, MessageButtons::Ok);
        return 1;
    }

    SystemClock clock;
    const ProgramFiles programFiles =
        options.programFolder.isEmpty()
            ? ProgramFiles::forExecutable(QApplication::applicationDirPath())
            : ProgramFiles(Paths::normalizeFolder(QDir(options.programFolder).absolutePath()));

    const QString historyFolder = options.historyFolder.isEmpty()
                                      ? CodingHistory::defaultFolder()
                                      : Paths::normalizeFolder(QDir(options.historyFolder).absolutePath());

    MainWindow window({settings, dialogs, clock, programFiles, DefaultToolFolders::winePrefixFromEnvironment(),
                       historyFolder, language});
    dialogs.setOwner(&window);
    window.show();
    return app.exec();
}
