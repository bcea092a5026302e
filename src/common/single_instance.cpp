#include "common/single_instance.h"

#include <QLockFile>

SingleInstance::SingleInstance(const QString& lockFilePath) : m_lock(std::make_unique<QLockFile>(lockFilePath))
{
    // Never treat a live owner's lock as stale because of its age alone.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    return m_lock->tryLock(0);
}
