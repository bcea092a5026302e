#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <initializer_list>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

// Small helpers for tests that build files and folders in a QTemporaryDir.
namespace TestFiles {

// Writes bytes, creating parent folders. Fails the test on error via qFatal-free checks:
// returns false so the caller can QVERIFY it.
bool write(const QString& path, const QByteArray& bytes);
QByteArray read(const QString& path);
bool makeDirs(const QString& root, const QStringList& relativeFolders);

// Bytes given by their values, for binary fixtures: bytes({0x12, 0x00, 0x01}).
QByteArray bytes(std::initializer_list<int> values);

// Lines joined with CR LF after each, encoded with the tools' single-byte mapping.
QByteArray crlf(const QStringList& lines);

// While it lives, every file stops growing at `bytes`, as on a full disk, for root as well.
struct FileSizeLimit {
#ifdef Q_OS_UNIX
    rlimit old{};
    void (*oldHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    explicit FileSizeLimit(rlim_t bytes = 8)
    {
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit tight = old;
        tight.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    }
#endif
};

} // namespace TestFiles
