// Opens "Restore an installation" on a folder of restore records, offscreen, and measures
// what the user waits for: the window shown with its list, the check of the record it
// selects first, and the longest time the window's thread was kept from its events
// meanwhile (a timer asks every millisecond).
//
//   quillon_bench_restore_window <records folder>

#include "common/dialogs.h"
#include "install/real_file_ops.h"
#include "ui/frm_restore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {
class NoDialogs final : public Dialogs {
public:
    MessageAnswer message(const QString&, const QString&, MessageIcon, MessageButtons) override
    {
        return MessageAnswer::No;
    }
    QString openFile(const FileDialogRequest&) override { return {}; }
    QString saveFile(const FileDialogRequest&) override { return {}; }
    QString browseForFolder(const QString&) override { return {}; }
    bool startEditor(const QString&, QString*) override { return false; }
};
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage: quillon_bench_restore_window <records folder>\n");
        return 2;
    }
    RealFileOps ops;
    NoDialogs dialogs;
    QElapsedTimer clock;
    clock.start();
    FrmRestore window(app.arguments()[1], ops, dialogs);
    window.show();
    QCoreApplication::processEvents();
    const qint64 open = clock.elapsed();

    qint64 longest = 0;
    QElapsedTimer sinceTick;
    sinceTick.start();
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] { longest = std::max(longest, sinceTick.restart()); });
    auto* cmdRestore = window.findChild<QPushButton*>(QStringLiteral("cmdRestore"));
    QEventLoop loop;
    QTimer done;
    done.setInterval(5);
    QObject::connect(&done, &QTimer::timeout, [&] {
        if (cmdRestore->isEnabled())
            loop.quit();
    });
    clock.restart();
    tick.start();
    done.start();
    loop.exec();
    std::printf("window open %lld ms; check %lld ms, longest stall of the window %lld ms: %s\n",
                static_cast<long long>(open), static_cast<long long>(clock.elapsed()), static_cast<long long>(longest),
                qPrintable(window.findChild<QLabel*>(QStringLiteral("lblCheck"))->text()));
    return 0;
}
