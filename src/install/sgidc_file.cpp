#include "install/sgidc_file.h"

#include "common/paths.h"
#include "common/text_file.h"

#include "install/file_ops.h"
#include "install/folder_tree.h"
#include "install/install_observer.h"
#include "install/restore_record.h"

#include <QCoreApplication>

namespace SgidcFile {

QByteArray commentLongLines(const QByteArray& contents)
{
    QByteArray result;
    result.reserve(contents.size() + contents.size() / 64 + 2);
    const auto put = [&result](QByteArrayView line) {
        if (line.size() > kLongestLine)
            result += ';';
        result += line;
        result += "\r\n";
    };
    for (const QByteArrayView line : TextFile::splitLineBytes(contents))
        put(line);
    return result;
}

} // namespace SgidcFile

Status EditSgidcFile(FileOps& ops, InstallObserver& observer, const QString& folder, RestoreRecordWriter* record)
{
    const QString name = QStringLiteral("SGIDC.AS2");
    observer.setCaption(QCoreApplication::translate("SgidcFile", "Edit file %1").arg(name));
    observer.addLine(folder);
    observer.addLine(QCoreApplication::translate("SgidcFile", "edit --> ") + name);
    observer.selectLastLine();
    const QString path = FolderTree::child(folder, name);
    // Rewriting through a link would change a file outside the tool folders.
    for (const QString& linked : {folder, path})
        if (ops.isLink(linked))
            return Status::failure(Paths::describeFileError(linked, QStringLiteral("a symbolic link, not edited")));
    if (!ops.fileExists(path)) {
        observer.addLine(QCoreApplication::translate("SgidcFile", "NOT FOUND --> ") + name);
        observer.selectLastLine();
        return {};
    }
    auto contents = ops.readFile(path);
    if (!contents)
        return Status::failure(contents.error());
    if (record) {
        const Result<QString> copy = record->keepAside(path);
        if (!copy)
            return Status::failure(copy.error());
        if (Status noted = record->replaced(path, copy.value()); !noted)
            return noted;
    }
    const QByteArray edited = SgidcFile::commentLongLines(contents.value());
    if (record) {
        // Written down before the file is: the new contents are at hand, their time is not
        // yet (-1: compared by size and bytes).
        StreamHash hash(HashKind::Xxh128);
        hash.add(edited);
        if (Status noted = record->leaving(path, Fingerprint{edited.size(), -1, hash.result()}); !noted)
            return noted;
    }
    return ops.writeFileAtomically(path, edited);
}
