#pragma once

#include "common/paths.h"
#include "settings/settings_store.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"
#include "trace/trace_loader.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>

#include <QScopeGuard>
#include <QTimer>

#include <functional>
#include <memory>

// The control named name inside window; a missing control ends the test run.
template <typename T>
T* child(const QWidget* window, const char* name)
{
    T* control = window->findChild<T*>(QString::fromLatin1(name));
    if (!control)
        qFatal("control %s not found", name);
    return control;
}

// The real main window on an NCS Expert folder in a temporary folder, with scripted
// dialogs and a fixed clock. Header-only: only widget tests include it.
struct WindowFixture {
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(QStringLiteral("settings.ini"))};
    ScriptedDialogs dialogs;
    FixedClock clock;
    std::unique_ptr<MainWindow> window;

    // trace, when given, becomes the default trace file.
    explicit WindowFixture(const QByteArray& trace = {})
    {
        TestFiles::makeDirs(ncs(), {QStringLiteral("DATEN"), QStringLiteral("SGDAT"), QStringLiteral("WORK")});
        TestFiles::makeDirs(dir.path(), {QStringLiteral("program")});
        static_cast<void>(settings.setValue(SettingsStore::FolderNCS, ncs()));
        if (!trace.isNull())
            TestFiles::write(defaultTracePath(ncs()), trace);
    }

    QString ncs() const { return dir.filePath(QStringLiteral("NCSEXPER")); }
    QString program() const { return dir.filePath(QStringLiteral("program")); }
    QString history() const { return dir.filePath(QStringLiteral("history")); }
    QString path(const QString& name) const { return Paths::toNative(dir.filePath(name)); }

    MainWindow& open(bool show = true)
    {
        window = std::make_unique<MainWindow>(
            MainWindowServices{settings, dialogs, clock, program(), dir.path(), history()});
        if (show)
            window->show();
        return *window;
    }

    template <typename T>
    T* find(const QString& name) const
    {
        return child<T>(window.get(), qPrintable(name));
    }
    QAction* action(const QString& name) const { return find<QAction>(name); }
    void click(const QString& button) const { find<QPushButton>(button)->click(); }
    void load() const { click(QStringLiteral("cmdLoad")); }
    TraceSession& session() const { return window->session(); }
    TraceTree& tree() const { return window->session().tree(); }
};

// While it lives, answers the next window shown modally; closes it if answer left it open
// (a failed check inside answer returns early). opened says whether one was shown.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QDialog*)> answer = {})
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this, answer] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            m_timer.stop();
            opened = true;
            const auto closeAnyway = qScopeGuard([dialog] {
                if (dialog->isVisible())
                    dialog->reject();
            });
            if (answer)
                answer(dialog);
        });
        m_timer.start();
    }
    bool opened = false;

private:
    QTimer m_timer;
};
