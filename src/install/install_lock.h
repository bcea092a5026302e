#pragma once

#include <QString>

#include <memory>

class QLockFile;

// One installation or restore at a time: a lock beside the restore records, which the
// window and the command line both take. A lock left by a run that was killed is taken
// over.
class InstallLock {
public:
    explicit InstallLock(const QString& recordsFolder);
    ~InstallLock();
    InstallLock(const InstallLock&) = delete;
    InstallLock& operator=(const InstallLock&) = delete;

    // Empty when this run now holds the lock (or no lock can be kept there at all);
    // otherwise the message that names the run holding it.
    QString take();

private:
    std::unique_ptr<QLockFile> m_lock;
};
