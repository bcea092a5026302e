#pragma once

#include "install/file_ops.h"

#include <functional>

// Passes every operation to the real one, counting those that can fail; the one with the
// chosen number fails instead, without touching anything, except that a line added to a
// file is torn half-way, as on a full disk. Number 0 never fails, so a clean run tells how
// many operations there are.
class FaultyFileOps final : public FileOps {
public:
    using FileOps::copyFile;
    FaultyFileOps(FileOps& inner, int failAt = 0) : m_inner(inner), m_failAt(failAt) {}

    int count() const { return m_count; }
    bool failed() const { return m_failed; }
    // Called when the fault strikes, to note what the program showed at that moment.
    std::function<void()> onFailure;

    bool folderExists(const QString& p) override { return m_inner.folderExists(p); }
    bool fileExists(const QString& p) override { return m_inner.fileExists(p); }
    bool isLink(const QString& p) override { return m_inner.isLink(p); }
    Result<QList<Entry>> list(const QString& f) override
    {
        return run([&] { return m_inner.list(f); });
    }
    Result<qint64> modifiedTime(const QString& f) override
    {
        return run([&] { return m_inner.modifiedTime(f); });
    }
    Status makeFolder(const QString& p) override
    {
        return run([&] { return m_inner.makeFolder(p); });
    }
    Status copyFile(const QString& s, const QString& t, const CopyOptions& o) override
    {
        return run([&] { return m_inner.copyFile(s, t, o); });
    }
    Result<Stat> stat(const QString& p) override
    {
        return run([&] { return m_inner.stat(p); });
    }
    Result<QByteArray> hashFile(const QString& p, HashKind k) override
    {
        return run([&] { return m_inner.hashFile(p, k); });
    }
    Result<QString> canonicalPath(const QString& p) override
    {
        return run([&] { return m_inner.canonicalPath(p); });
    }
    Status makePath(const QString& p) override
    {
        return run([&] { return m_inner.makePath(p); });
    }
    Result<std::unique_ptr<AppendFile>> openAppend(const QString& p, bool create) override
    {
        auto file = run([&] { return m_inner.openAppend(p, create); });
        if (!file)
            return file;
        return Result<std::unique_ptr<AppendFile>>(std::make_unique<Torn>(*this, std::move(file.value())));
    }
    Status copyLink(const QString& s, const QString& t) override
    {
        return run([&] { return m_inner.copyLink(s, t); });
    }
    Status moveFolder(const QString& s, const QString& t) override
    {
        return run([&] { return m_inner.moveFolder(s, t); });
    }
    Status removeFile(const QString& p) override
    {
        return run([&] { return m_inner.removeFile(p); });
    }
    Status allowChanges(const QString& p) override
    {
        return run([&] { return m_inner.allowChanges(p); });
    }
    Status removeFolder(const QString& p) override
    {
        return run([&] { return m_inner.removeFolder(p); });
    }
    Result<QByteArray> readFile(const QString& p) override
    {
        return run([&] { return m_inner.readFile(p); });
    }
    Status writeFileAtomically(const QString& p, const QByteArray& b) override
    {
        return run([&] { return m_inner.writeFileAtomically(p, b); });
    }

private:
    struct Torn final : AppendFile {
        Torn(FaultyFileOps& ops, std::unique_ptr<AppendFile> inner) : ops(ops), inner(std::move(inner)) {}
        Status append(const QByteArray& bytes) override
        {
            if (ops.run([] { return Status(); }))
                return inner->append(bytes);
            static_cast<void>(inner->append(bytes.left(bytes.size() / 2)));
            return Status::failure(QStringLiteral("No space left on device"));
        }
        FaultyFileOps& ops;
        std::unique_ptr<AppendFile> inner;
    };

    template <typename Operation>
    auto run(Operation operation) -> decltype(operation())
    {
        if (++m_count != m_failAt)
            return operation();
        m_failed = true;
        if (onFailure)
            onFailure();
        return decltype(operation())::failure(QStringLiteral("injected failure"));
    }

    FileOps& m_inner;
    int m_failAt;
    int m_count = 0;
    bool m_failed = false;
};
