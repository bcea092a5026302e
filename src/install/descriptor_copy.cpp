#include "install/descriptor_copy.h"

#include "common/paths.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/sendfile.h>
#endif

namespace {

Status failure(const QString& path, int error)
{
    return Status::failure(
        Paths::describeFileError(path, QString::fromLocal8Bit(std::system_category().message(error))));
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    operator int() const { return m_fd; }
    // Closing reports what the system could not write before (a network share, a quota).
    int close()
    {
        const int result = m_fd >= 0 ? ::close(m_fd) : 0;
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

int openFor(const QByteArray& path, int flags)
{
    int fd;
    do
        fd = ::open(path.constData(), flags, 0600);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// One buffer per thread, reused: a fresh megabyte for each of thousands of small files
// costs more than copying them.
std::vector<char>& chunk()
{
    thread_local std::vector<char> buffer(std::size_t(1) << 20);
    return buffer;
}

bool writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, std::size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

// Lets the system move the bytes. Stops early on any error and leaves both offsets where
// they are, so the read-and-write loop can go on from there and name the side that failed.
void sendBytes(int in, int out, qint64& size)
{
#ifdef Q_OS_LINUX
    for (;;) {
        const ssize_t sent = ::sendfile(out, in, nullptr, std::size_t(1) << 30);
        if (sent > 0)
            size += sent;
        else if (sent == 0 || errno != EINTR)
            return;
    }
#else
    Q_UNUSED(in);
    Q_UNUSED(out);
    Q_UNUSED(size);
#endif
}

// A leftover of a killed run may be in the way, marked read-only or even a link: it goes,
// and the copy is made afresh, never through a link.
int openPartial(const QByteArray& partial)
{
    const int create = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW;
    int fd = openFor(partial, create);
    if (fd < 0 && ::unlink(partial.constData()) == 0)
        fd = openFor(partial, create);
    return fd;
}

// An unnamed file is named through its entry in /proc, which a bare container may lack
// and a hardened system may refuse; after one refusal every copy goes by a partial file.
std::atomic<bool> g_namingRefused{false};

bool refusesNaming(int error)
{
    return error == EPERM || error == EACCES || error == EXDEV || error == ENOENT;
}

// A file without a name in target's folder; -1 where the file system makes none (FAT,
// network shares), and the copy then goes by a partial file.
int openUnnamed(const QByteArray& target)
{
#ifdef O_TMPFILE
    static const bool proc = ::access("/proc/self/fd", X_OK) == 0;
    if (!proc || g_namingRefused.load(std::memory_order_relaxed))
        return -1;
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash > 0 ? target.left(slash) : slash == 0 ? QByteArray("/") : QByteArray(".");
    return openFor(folder, O_WRONLY | O_TMPFILE | O_CLOEXEC);
#else
    Q_UNUSED(target);
    return -1;
#endif
}

// Gives the unnamed file behind fd a name; 0, or the system's error.
int nameUnnamed(int fd, const QByteArray& path)
{
    const QByteArray entry = "/proc/self/fd/" + QByteArray::number(fd);
    return ::linkat(AT_FDCWD, entry.constData(), AT_FDCWD, path.constData(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
}

} // namespace

std::optional<Status> DescriptorCopy::copyFile(const QString& source, const QString& partial, const QString& target,
                                               const FileOps::CopyOptions& options)
{
    // Looked at by name first: a FIFO or a device is never opened.
    const QByteArray from = QFile::encodeName(source);
    struct stat seen;
    if (::stat(from.constData(), &seen) != 0)
        return failure(source, errno);
    if (S_ISDIR(seen.st_mode))
        return failure(source, EISDIR);
    if (!S_ISREG(seen.st_mode))
        return Status::failure(Paths::notRegularFile(source));
    Descriptor in(openFor(from, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (in < 0)
        return failure(source, errno);
    // The open file itself, in case another took the name in between.
    struct stat opened;
    if (::fstat(in, &opened) != 0)
        return failure(source, errno);
    if (!S_ISREG(opened.st_mode))
        return Status::failure(Paths::notRegularFile(source));

    const QByteArray to = QFile::encodeName(partial);
    const QByteArray named = QFile::encodeName(target);
    int fd = options.targetAbsent ? openUnnamed(named) : -1;
    bool unnamed = fd >= 0;
    if (!unnamed)
        fd = openPartial(to);
    if (fd < 0)
        return std::nullopt;
    Descriptor out(fd);
    const auto fail = [&](const Status& why) {
        out.close();
        if (!unnamed)
            ::unlink(to.constData());
        return why;
    };

    const bool hashing = options.written || !options.expectedHash.isEmpty();
    qint64 size = 0;
    if (!hashing)
        sendBytes(in, out, size);
    StreamHash hash(options.hash);
    std::vector<char>& buffer = chunk();
    // To the end, whatever size the source claimed: some file systems claim none.
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return fail(failure(source, errno));
        if (got == 0)
            break;
        if (hashing)
            hash.add(QByteArrayView(buffer.data(), got));
        size += got;
        if (!writeAll(out, buffer.data(), got))
            return fail(failure(target, errno));
    }
    const QByteArray digest = hashing ? hash.result() : QByteArray();
    if (!options.expectedHash.isEmpty() && digest != options.expectedHash)
        return fail(
            Status::failure(Paths::describeFileError(source, QStringLiteral("its bytes are not those recorded"))));

    // A file system that keeps no permissions (a shared FAT drive) refuses this; the copy
    // is good all the same.
    ::fchmod(out, opened.st_mode & 07777);
    const struct timespec times[2] = {opened.st_atim, opened.st_mtim};
    if (::futimens(out, times) != 0)
        return fail(failure(target, errno));
    if (options.written) {
        // Read back: the file system may keep the time less finely than it was given.
        struct stat written;
        if (::fstat(out, &written) != 0)
            return fail(failure(target, errno));
        *options.written =
            Fingerprint{size, qint64(written.st_mtim.tv_sec) * 1000000000 + written.st_mtim.tv_nsec, digest};
    }
    if (unnamed) {
        int error = nameUnnamed(out, named);
        if (error == 0) {
            // Nothing was at target before, so taking the name back undoes the copy.
            if (out.close() == 0)
                return Status();
            error = errno;
            ::unlink(named.constData());
            return failure(target, error);
        }
        // Something took the name since the caller looked: it is replaced in one step
        // below, as any other copy replaces its target.
        if (error == EEXIST) {
            ::unlink(to.constData());
            error = nameUnnamed(out, to);
        }
        if (error != 0 && refusesNaming(error)) {
            g_namingRefused = true;
            return std::nullopt; // made again by a partial file
        }
        if (error != 0)
            return fail(failure(target, error));
        unnamed = false;
    }
    if (out.close() != 0 || ::rename(to.constData(), named.constData()) != 0)
        return fail(failure(target, errno));
    return Status();
}
