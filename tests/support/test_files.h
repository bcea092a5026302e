#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <initializer_list>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

// Tests of the rules for symbolic links run where links can be made and seen: the
// Windows build's file functions (MinGW's std::filesystem) do not tell a link from its
// target, and programs under Wine 8 can make no link at all.
#ifdef Q_OS_WIN
#define QUILLON_NEEDS_SYMLINKS() QSKIP("no symbolic links for the Windows build's file functions")
#else
#define QUILLON_NEEDS_SYMLINKS() (void)0
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
#else
    // Windows has no per-process limit: rows that need a full disk exist only on Unix.
    explicit FileSizeLimit(long long = 8) {}
#endif
};

} // namespace TestFiles
