#include "common/single_instance.h"
#include "support/test_files.h"

#include <QCoreApplication>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void aSecondInstanceIsRefused()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("quillon.lock"));
        SingleInstance first(lock);
        QVERIFY(first.acquire());
        SingleInstance second(lock);
        QVERIFY(!second.acquire());
    }

    void theLockIsFreeAfterTheFirstEnds()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("quillon.lock"));
        {
            SingleInstance first(lock);
            QVERIFY(first.acquire());
        }
        SingleInstance next(lock);
        QVERIFY(next.acquire());
    }

    void aCrashedRunDoesNotLockUsOut()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("quillon.lock"));
        // What a run that crashed leaves behind: a lock naming a process that is gone.
        const QByteArray stale = QByteArray("999999999\n") + QCoreApplication::applicationName().toUtf8() + '\n'
                                 + QSysInfo::machineHostName().toUtf8() + '\n';
        QVERIFY(TestFiles::write(lock, stale));
        SingleInstance instance(lock);
        QVERIFY(instance.acquire());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
