#include "install/real_file_ops.h"

#include "common/paths.h"
#include "common/text_file.h"
#ifndef Q_OS_WIN
#include "install/descriptor_copy.h"
#endif

#include <QFile>

#include <chrono>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#ifndef NOMINMAX // Qt's own build settings may have set it already
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace {

fs::path toPath(const QString& path)
{
#ifdef Q_OS_WIN
    return fs::path(path.toStdWString());
#else
    return fs::path(QFile::encodeName(path).toStdString());
#endif
}

QString fromName(const fs::path& name)
{
#ifdef Q_OS_WIN
    return QString::fromStdWString(name.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(name.native()));
#endif
}

Status failure(const QString& path, const std::error_code& error)
{
    return Status::failure(Paths::describeFileError(path, QString::fromLocal8Bit(error.message())));
}

// Where a copy is written before it replaces its target in one rename.
QString partialName(const QString& target)
{
    return target + FileOps::partialSuffix();
}

Status replaceWith(const fs::path& partial, const QString& target)
{
    std::error_code error;
    fs::rename(partial, toPath(target), error);
#ifdef Q_OS_WIN
    // Windows refuses to replace a file marked read-only (data sets copied from a CD
    // often are); the copy takes its place all the same, as it does elsewhere.
    if (error) {
        std::error_code retry;
        const fs::path to = toPath(target);
        const fs::perms old = fs::status(to, retry).permissions();
        if (!retry && (old & fs::perms::owner_write) == fs::perms::none) {
            fs::permissions(to, fs::perms::owner_write, fs::perm_options::add, retry);
            if (!retry) {
                error.clear();
                fs::rename(partial, to, error);
                if (error)
                    fs::permissions(to, old, fs::perm_options::replace, retry);
            }
        }
    }
#endif
    if (error) {
        std::error_code ignored;
        fs::remove(partial, ignored);
        return failure(target, error);
    }
    return {};
}

#ifdef Q_OS_WIN
// MinGW's std::filesystem sets file times in whole seconds, while NTFS keeps them to
// 100 ns: the copy takes its source's time through the system itself, exactly.
std::error_code copyWriteTime(const QString& source, const QString& target)
{
    const auto open = [](const QString& path, DWORD access) {
        return CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), access,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    };
    FILETIME written{};
    bool ok = false;
    if (HANDLE from = open(source, FILE_READ_ATTRIBUTES); from != INVALID_HANDLE_VALUE) {
        ok = GetFileTime(from, nullptr, nullptr, &written);
        CloseHandle(from);
    }
    if (HANDLE to = ok ? open(target, FILE_WRITE_ATTRIBUTES) : INVALID_HANDLE_VALUE; to != INVALID_HANDLE_VALUE) {
        ok = SetFileTime(to, nullptr, nullptr, &written);
        CloseHandle(to);
    } else {
        ok = false;
    }
    return ok ? std::error_code() : std::error_code(static_cast<int>(GetLastError()), std::system_category());
}
#endif

} // namespace

bool RealFileOps::folderExists(const QString& path)
{
    std::error_code error;
    return fs::is_directory(toPath(path), error);
}

bool RealFileOps::fileExists(const QString& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(toPath(path), error);
    return !error && fs::exists(status) && !fs::is_directory(status);
}

bool RealFileOps::isLink(const QString& path)
{
    std::error_code error;
    return fs::is_symlink(fs::symlink_status(toPath(path), error));
}

Result<QList<FileOps::Entry>> RealFileOps::list(const QString& folder)
{
    std::error_code error;
    fs::directory_iterator it(toPath(folder), error);
    if (error)
        return Result<QList<Entry>>::failure(failure(folder, error).error());
    QList<Entry> entries;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        // The entry's own type: a link is reported as a link, whatever it points to.
        const fs::file_status status = it->symlink_status(error);
        if (error)
            break;
        Kind kind = Kind::Special;
        if (fs::is_symlink(status))
            kind = Kind::Link;
        else if (fs::is_directory(status))
            kind = Kind::Folder;
        else if (fs::is_regular_file(status))
            kind = Kind::File;
        entries.append({fromName(it->path().filename()), kind});
    }
    if (error)
        return Result<QList<Entry>>::failure(failure(folder, error).error());
    return entries;
}

Result<qint64> RealFileOps::modifiedTime(const QString& file)
{
    std::error_code error;
    const fs::file_time_type time = fs::last_write_time(toPath(file), error);
    if (error)
        return Result<qint64>::failure(failure(file, error).error());
    // The file clock's epoch lies a whole number of seconds from any other, so flooring
    // here gives the same comparisons as flooring wall-clock time.
    return static_cast<qint64>(std::chrono::floor<std::chrono::seconds>(time.time_since_epoch()).count());
}

Status RealFileOps::makeFolder(const QString& path)
{
    std::error_code error;
    if (!fs::create_directory(toPath(path), error) && !error)
        error = std::make_error_code(std::errc::file_exists);
    return error ? failure(path, error) : Status();
}

namespace {

// The last-modified time of a file (a link is followed) in nanoseconds since the epoch.
qint64 nanoseconds(fs::file_time_type time)
{
    const auto since = std::chrono::file_clock::to_sys(time).time_since_epoch();
    return static_cast<qint64>(std::chrono::duration_cast<std::chrono::nanoseconds>(since).count());
}

// A FIFO, a device or a socket (a link to one too): opening it could wait forever. A
// folder or a missing file is left to the open, which says why in the system's words.
bool isSpecial(const QString& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(toPath(path), error);
    return !error && fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status);
}

// Gives the copy its source's time and puts it in place of target. Only the owner may set
// a file's time; a target written in place keeps the time of the copy, which is later
// than the source's and so still counts as up to date.
Status finishCopy(const QString& source, const QString& written, const QString& target, Fingerprint* fingerprint)
{
    const bool inPlace = written == target;
#ifdef Q_OS_WIN
    std::error_code error = copyWriteTime(source, written);
#else
    std::error_code error;
    const fs::file_time_type time = fs::last_write_time(toPath(source), error);
    if (!error)
        fs::last_write_time(toPath(written), time, error);
#endif
    if (fingerprint && !error) {
        std::error_code ignored;
        fingerprint->modified = nanoseconds(fs::last_write_time(toPath(written), ignored));
    }
    if (inPlace)
        return {};
    if (error) {
        std::error_code ignored;
        fs::remove(toPath(written), ignored);
        return failure(target, error);
    }
    return replaceWith(toPath(written), target);
}

} // namespace

Status RealFileOps::copyFile(const QString& source, const QString& target, const CopyOptions& options)
{
    std::error_code error;
    const QString partial = partialName(target);
#ifndef Q_OS_WIN
    // Without a value the descriptors could make no copy to rename or link into place: the
    // way below tries a partial file once more, then writes in place where it may.
    if (std::optional<Status> copied = DescriptorCopy::copyFile(source, partial, target, options))
        return *copied;
    const bool systemCopies = false;
#else
    // Nothing to look at on the way: the system copies the bytes itself (and refuses
    // anything but a regular file).
    const bool systemCopies = !options.written && options.expectedHash.isEmpty();
#endif
    if (systemCopies && fs::copy_file(toPath(source), toPath(partial), error))
        return finishCopy(source, partial, target, nullptr);
    if (isSpecial(source))
        return Status::failure(Paths::notRegularFile(source));
    fs::remove(toPath(partial), error); // a leftover, perhaps marked read-only
    error.clear();
    if (systemCopies) {
        if (fs::copy_file(toPath(source), toPath(partial), error))
            return finishCopy(source, partial, target, nullptr);
        fs::remove(toPath(partial), error);
        error.clear();
    }

    QFile from(source);
    if (!from.open(QIODevice::ReadOnly))
        return Status::failure(Paths::describeFileError(source, from.errorString()));
    // The copy is written beside the target and renamed over it, so a failure leaves the
    // old target. Where the folder lets no file be created but the target itself may be
    // written, it is written in place; never through a link, which would write elsewhere,
    // and never a copy that must be checked before it replaces anything.
    QFile to(partial);
    if (!to.open(QIODevice::WriteOnly)) {
        const fs::file_status existing = fs::symlink_status(toPath(target), error);
        if (!fs::is_regular_file(existing) || !options.expectedHash.isEmpty())
            return Status::failure(Paths::describeFileError(target, to.errorString()));
        to.setFileName(target);
        if (!to.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return Status::failure(Paths::describeFileError(target, to.errorString()));
    }
    const bool inPlace = to.fileName() == target;
    const auto fail = [&](const QString& path, const QString& reason) {
        to.close();
        if (!inPlace)
            fs::remove(toPath(partial), error);
        return Status::failure(Paths::describeFileError(path, reason));
    };

    StreamHash hash(options.hash);
    qint64 size = 0;
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 got = from.read(chunk.data(), chunk.size());
        if (got < 0)
            return fail(source, from.errorString());
        if (got == 0)
            break;
        const QByteArrayView bytes(chunk.constData(), got);
        hash.add(bytes);
        size += got;
        if (!TextFile::writeAll(to, QByteArray::fromRawData(bytes.data(), bytes.size())))
            return fail(target, to.errorString());
    }
    to.close();
    if (to.error() != QFileDevice::NoError)
        return fail(target, to.errorString());
    const QByteArray digest = hash.result();
    if (!options.expectedHash.isEmpty() && digest != options.expectedHash)
        return fail(source, QStringLiteral("its bytes are not those recorded"));
    if (!inPlace)
        fs::permissions(toPath(partial), fs::status(toPath(source), error).permissions(), error);
    if (options.written)
        *options.written = Fingerprint{size, 0, digest};
    return finishCopy(source, to.fileName(), target, options.written);
}

Status RealFileOps::copyLink(const QString& source, const QString& target)
{
    const fs::path from = toPath(source);
    const fs::path partial = toPath(partialName(target));
    std::error_code error;
    const fs::path pointsTo = fs::read_symlink(from, error);
    if (error)
        return failure(source, error);
    fs::remove(partial, error);
    error.clear();
    if (fs::is_directory(from, error))
        fs::create_directory_symlink(pointsTo, partial, error);
    else
        fs::create_symlink(pointsTo, partial, error);
    if (error)
        return failure(target, error);
    return replaceWith(partial, target);
}

Status RealFileOps::moveFolder(const QString& source, const QString& target)
{
    std::error_code error;
    const fs::path to = toPath(target);
    if (fs::exists(fs::symlink_status(to, error)))
        return failure(target, std::make_error_code(std::errc::file_exists));
    error.clear();
    fs::rename(toPath(source), to, error);
    return error ? failure(source, error) : Status();
}

Status RealFileOps::removeFile(const QString& path)
{
    const fs::path file = toPath(path);
    std::error_code error;
    if (fs::remove(file, error))
        return {};
    if (!error)
        return failure(path, std::make_error_code(std::errc::no_such_file_or_directory));
    // Windows refuses to delete a file marked read-only; clear the mark and try again.
    std::error_code retry;
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add | fs::perm_options::nofollow, retry);
    if (!retry && fs::remove(file, retry))
        return {};
    return failure(path, error);
}

Status RealFileOps::allowChanges(const QString& folder)
{
    const fs::path path = toPath(folder);
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (error)
        return failure(folder, error);
    const fs::perms needed = fs::perms::owner_read | fs::perms::owner_write | fs::perms::owner_exec;
    if (!fs::is_directory(status) || (status.permissions() & needed) == needed)
        return {};
    fs::permissions(path, needed, fs::perm_options::add, error);
    return error ? failure(folder, error) : Status();
}

Status RealFileOps::removeFolder(const QString& path)
{
    const fs::path folder = toPath(path);
    std::error_code error;
    if (fs::remove(folder, error))
        return {};
    if (!error)
        return failure(path, std::make_error_code(std::errc::no_such_file_or_directory));
    std::error_code retry;
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add, retry);
    if (!retry && fs::remove(folder, retry))
        return {};
    return failure(path, error);
}

Result<QByteArray> RealFileOps::readFile(const QString& path)
{
    if (isSpecial(path))
        return Result<QByteArray>::failure(Paths::notRegularFile(path));
    return TextFile::readBytes(path);
}

Status RealFileOps::writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    return TextFile::writeBytesAtomically(path, bytes);
}

Result<FileOps::Stat> RealFileOps::stat(const QString& path)
{
    const fs::path file = toPath(path);
    std::error_code error;
    const fs::file_status status = fs::symlink_status(file, error);
    if (error || !fs::exists(status))
        return Result<Stat>::failure(
            failure(path, error ? error : std::make_error_code(std::errc::no_such_file_or_directory)).error());
    Stat s;
    if (fs::is_symlink(status)) {
        s.kind = Kind::Link;
        s.size = -1;
        return s;
    }
    s.kind = fs::is_directory(status) ? Kind::Folder : fs::is_regular_file(status) ? Kind::File : Kind::Special;
    if (s.kind == Kind::File)
        s.size = static_cast<qint64>(fs::file_size(file, error));
    if (!error)
        s.modified = nanoseconds(fs::last_write_time(file, error));
    if (error)
        return Result<Stat>::failure(failure(path, error).error());
    return s;
}

Result<QByteArray> RealFileOps::hashFile(const QString& path, HashKind kind)
{
    using R = Result<QByteArray>;
    if (isSpecial(path))
        return R::failure(Paths::notRegularFile(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return R::failure(Paths::describeFileError(path, file.errorString()));
    StreamHash hash(kind);
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got < 0)
            return R::failure(Paths::describeFileError(path, file.errorString()));
        if (got == 0)
            return hash.result();
        hash.add(QByteArrayView(chunk.constData(), got));
    }
}

Result<QString> RealFileOps::canonicalPath(const QString& path)
{
    std::error_code error;
    const fs::path canonical = fs::canonical(toPath(path), error);
    if (error)
        return Result<QString>::failure(failure(path, error).error());
    return Paths::toNative(fromName(canonical));
}

Status RealFileOps::makePath(const QString& path)
{
    std::error_code error;
    fs::create_directories(toPath(path), error);
    return error ? failure(path, error) : Status();
}

namespace {

class RealAppendFile final : public FileOps::AppendFile {
public:
    explicit RealAppendFile(const QString& path) : m_file(path) {}
    QFile m_file;
    Status append(const QByteArray& bytes) override
    {
        // writeAll gets the system's reason for a short write ("No space left on device").
        if (!TextFile::writeAll(m_file, bytes))
            return Status::failure(Paths::describeFileError(m_file.fileName(), m_file.errorString()));
        return {};
    }
};

} // namespace

Result<std::unique_ptr<FileOps::AppendFile>> RealFileOps::openAppend(const QString& path, bool create)
{
    using R = Result<std::unique_ptr<AppendFile>>;
    auto file = std::make_unique<RealAppendFile>(path);
    const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Append;
    if (!file->m_file.open(create ? mode | QIODevice::NewOnly : mode | QIODevice::ExistingOnly))
        return R::failure(Paths::describeFileError(path, file->m_file.errorString()));
    return R(std::move(file));
}
