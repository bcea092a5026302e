#include "fuzz_support.h"

#include "common/ansi_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

QByteArray take(FuzzedDataProvider& input, std::size_t maxLength)
{
    const std::string bytes = input.ConsumeRandomLengthString(maxLength);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QStringList traceLines(FuzzedDataProvider& input, const QStringList& pool, int maxLines)
{
    QStringList lines;
    for (int count = input.ConsumeIntegralInRange(0, maxLines); count > 0 && input.remaining_bytes() > 0; --count) {
        QString text = !pool.isEmpty() && input.ConsumeBool()
                           ? pool[input.ConsumeIntegralInRange<qsizetype>(0, pool.size() - 1)]
                           : Ansi::decode(take(input, 16));
        text.remove(u'\r');
        text.remove(u'\n');
        const bool value = input.ConsumeBool();
        if (value && !text.startsWith(u'\t'))
            text.prepend(u'\t');
        if (!value && input.ConsumeIntegralInRange(0, 7) > 0)
            while (text.startsWith(u'\t'))
                text.remove(0, 1);
        lines.append(text);
    }
    return lines;
}

QString freshFolder(const QString& name)
{
    // Memory-backed where there is one: the readers replace files atomically, and a synced
    // write to disk for every input would slow a run down a hundredfold.
    static const QString base =
        QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static QTemporaryDir scratch(base + QStringLiteral("/quillon-fuzz-XXXXXX"));
    if (!scratch.isValid())
        fail("no scratch folder", scratch.errorString());
    const QString path = scratch.filePath(name);
    QDir(path).removeRecursively();
    if (!QDir().mkpath(path))
        fail("cannot create", path);
    return path;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("cannot write", path);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("cannot read", path);
    return file.readAll();
}

void fail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "FUZZ FINDING: %s\n%s\n", what, detail.toUtf8().constData());
    std::abort();
}

} // namespace Fuzz
