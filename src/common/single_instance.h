#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Refuses a second running copy of the program. An exclusive lock file whose owner
// process has died counts as stale and is taken over, so a crash never locks the user out.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockFilePath);
    ~SingleInstance();

    // True when this process now holds the lock.
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};
