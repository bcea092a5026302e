#pragma once

#include "install/file_ops.h"

// The file operations on the real file system.
class RealFileOps final : public FileOps {
public:
    using FileOps::copyFile;
    bool folderExists(const QString& path) override;
    bool fileExists(const QString& path) override;
    bool isLink(const QString& path) override;
    Result<QList<Entry>> list(const QString& folder) override;
    Result<qint64> modifiedTime(const QString& file) override;
    Result<Stat> stat(const QString& path) override;
    Result<QByteArray> hashFile(const QString& path, HashKind kind) override;
    Result<QString> canonicalPath(const QString& path) override;
    Status makeFolder(const QString& path) override;
    Status makePath(const QString& path) override;
    Status copyFile(const QString& source, const QString& target, const CopyOptions& options) override;
    Status copyLink(const QString& source, const QString& target) override;
    Status moveFolder(const QString& source, const QString& target) override;
    Status removeFile(const QString& path) override;
    Status allowChanges(const QString& folder) override;
    Status removeFolder(const QString& path) override;
    Result<QByteArray> readFile(const QString& path) override;
    Status writeFileAtomically(const QString& path, const QByteArray& bytes) override;
    Result<std::unique_ptr<AppendFile>> openAppend(const QString& path, bool create) override;
};
