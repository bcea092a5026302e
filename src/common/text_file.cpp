#include "common/text_file.h"

#include "common/ansi_codec.h"
#include "common/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace TextFile {

namespace {

QString sizeText(qint64 bytes)
{
    return bytes >= 1'000'000'000 ? QString::number(double(bytes) / 1e9, 'f', 1) + QStringLiteral(" GB")
                                  : QString::number(double(bytes) / 1e6, 'f', 1) + QStringLiteral(" MB");
}

Status refuseSpecialFile(const QString& path)
{
    // Asked of the path before it is opened: opening a FIFO waits for the other end.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return Status::failure(Paths::notRegularFile(path));
    return {};
}

Status refuseTooLarge(const QString& path, qint64 size, const FileKind& kind)
{
    if (size <= kind.maxBytes)
        return {};
    return Status::failure(Paths::describeFileError(path, QStringLiteral("too large for ") + QLatin1String(kind.name)
                                                              + QStringLiteral(": ") + sizeText(size)));
}

} // namespace

QList<QByteArrayView> splitLineBytes(QByteArrayView bytes)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(bytes.sliced(start, i - start));
        if (c == '\r' && i + 1 < size && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(bytes.sliced(start));
    return lines;
}

QStringList splitLines(const QByteArray& bytes)
{
    QStringList lines;
    for (const QByteArrayView line : splitLineBytes(bytes))
        lines.append(Ansi::decode(line));
    return lines;
}

QByteArray joinLines(const QStringList& lines)
{
    QByteArray bytes;
    qsizetype total = 0;
    for (const QString& line : lines)
        total += line.size() + 2;
    bytes.reserve(total);
    for (const QString& line : lines) {
        bytes += Ansi::encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

Result<QByteArray> readBytes(const QString& path, const FileKind& kind)
{
    if (const Status special = refuseSpecialFile(path); !special)
        return Result<QByteArray>::failure(special.error());
    if (const Status large = refuseTooLarge(path, QFileInfo(path).size(), kind); !large)
        return Result<QByteArray>::failure(large.error());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<QByteArray>::failure(Paths::describeFileError(path, file.errorString()));
    // Swapped for a device since it was looked at: reading would never end.
    if (file.isSequential())
        return Result<QByteArray>::failure(Paths::notRegularFile(path));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Result<QByteArray>::failure(Paths::describeFileError(path, file.errorString()));
    return bytes;
}

Result<QStringList> readLines(const QString& path, const FileKind& kind)
{
    auto bytes = readBytes(path, kind);
    if (!bytes)
        return Result<QStringList>::failure(bytes.error());
    return splitLines(bytes.value());
}

bool writeAll(QFileDevice& file, const QByteArray& bytes)
{
    // A short write sets no reason; writing the rest once more makes the system say why
    // (a full disk), so the message names the real cause instead of "Unknown error".
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return file.flush() || file.flush();
}

Status writeBytesAtomically(const QString& path, const QByteArray& bytes)
{
    // A device node would be replaced by a regular file, a FIFO would wait for a reader.
    if (Status special = refuseSpecialFile(path); !special)
        return special;
    QSaveFile file(path);
    // A folder the user may not create files in, holding a file they may write (a
    // workshop's shared WORK folder): replacing in one step is impossible there, so the
    // file is written in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        // QSaveFile words a read-only file its own way, with the path a second time; opening
        // it to append (which changes nothing) gives the system's reason.
        QFile existing(path);
        const bool refused = existing.exists() && !existing.open(QIODevice::WriteOnly | QIODevice::Append);
        return Status::failure(Paths::describeFileError(path, refused ? existing.errorString() : file.errorString()));
    }
    // Flushing here, not only in commit(): a full disk shows up on the flush, and a commit
    // that swallowed it would put a cut-short file in place.
    if (!writeAll(file, bytes)) {
        const QString message = Paths::describeFileError(path, file.errorString());
        file.cancelWriting();
        return Status::failure(message);
    }
    if (!file.commit())
        return Status::failure(Paths::describeFileError(path, file.errorString()));
    return {};
}

Status writeLinesAtomically(const QString& path, const QStringList& lines)
{
    return writeBytesAtomically(path, joinLines(lines));
}

Status appendLines(const QString& path, const QStringList& lines)
{
    if (Status special = refuseSpecialFile(path); !special)
        return special;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return Status::failure(Paths::describeFileError(path, file.errorString()));
    if (!writeAll(file, joinLines(lines)))
        return Status::failure(Paths::describeFileError(path, file.errorString()));
    return {};
}

} // namespace TextFile
