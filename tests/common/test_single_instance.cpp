#include "common/single_instance.h"
#include "support/test_files.h"

#include <QCoreApplication>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    // A second instance is refused while the first runs, and gets in once it has ended or
    // when the lock names a process that is gone (what a crashed run leaves behind).
    void oneInstanceAtATime()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("quillon.lock"));
        {
            SingleInstance first(lock);
            QVERIFY(first.acquire());
            QVERIFY(!SingleInstance(lock).acquire());
        }
        QVERIFY(SingleInstance(lock).acquire());
#ifdef Q_OS_WIN
        const QByteArray host = qgetenv("COMPUTERNAME"); // how QLockFile names the machine there
#else
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
#endif
        QVERIFY(TestFiles::write(lock, "999999999\n" + QCoreApplication::applicationName().toUtf8() + '\n' + host + '\n'));
        QVERIFY(SingleInstance(lock).acquire());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
