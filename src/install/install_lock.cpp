#include "install/install_lock.h"

#include "install/folder_tree.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>

InstallLock::InstallLock(const QString& recordsFolder)
{
    if (recordsFolder.isEmpty() || !QDir().mkpath(recordsFolder))
        return;
    m_lock = std::make_unique<QLockFile>(FolderTree::child(recordsFolder, QStringLiteral("quillon-run.lock")));
    // Only a dead owner makes a lock stale, however long a run takes.
    m_lock->setStaleLockTime(0);
}

InstallLock::~InstallLock() = default;

QString InstallLock::take()
{
    if (!m_lock || m_lock->tryLock(0) || m_lock->error() != QLockFile::LockFailedError)
        return {};
    qint64 pid = 0;
    QString host, application;
    if (!m_lock->getLockInfo(&pid, &host, &application))
        return QCoreApplication::translate("InstallLock",
                                           "Another installation or restore is running. Try again when it has ended.");
    return QCoreApplication::translate("InstallLock",
                                       "Another installation or restore is running: %1 (process %2 on %3). Try again "
                                       "when it has ended.")
        .arg(application.isEmpty() ? QStringLiteral("Quillon") : application)
        .arg(pid)
        .arg(host);
}
