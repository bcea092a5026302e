#include "tracetools/save_file_as.h"

#include "common/ansi_codec.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "common/generated_header.h"
#include "common/logging.h"
#include "common/paths.h"
#include "common/text_file.h"
#include "settings/settings_store.h"
#include "settings/tool_folders.h"

#include <QCoreApplication>

namespace {

QString extensionOf(int mode)
{
    return mode == SaveMode::TraceCopy ? QStringLiteral("TRC") : QStringLiteral("MAN");
}

FileDialogRequest requestFor(int mode, const SaveFileAsInputs& inputs, const SaveFileAsServices& services)
{
    FileDialogRequest request;
    if (mode == SaveMode::ExportList) {
        request.title = QCoreApplication::translate("SaveFileAs", "Save TXT-file as");
        request.filter = QCoreApplication::translate("SaveFileAs", "Text files (*.txt)|*.txt|All files (*.*)|*.*");
        request.proposedName = QStringLiteral("TraceDifferences.txt");
    } else {
        request.title = QCoreApplication::translate("SaveFileAs", "Save %1-file as").arg(extensionOf(mode));
        request.filter =
            QCoreApplication::translate("SaveFileAs", "Trace files (*.trc, *.man)|*.trc;*.man|All files (*.*)|*.*");
        request.proposedName = proposedCopyName(mode, inputs.chassis, inputs.module, services.clock);
    }
    request.folder = services.folders.FolderBackup;
    request.confirmOverwrite = true;
    request.folderMustExist = true;
    return request;
}

// Copies are named in upper case like NCS Expert's own files. Only the name is changed:
// on Windows the folder's case does not matter, elsewhere an upper-cased folder would be
// another folder.
QString upperCasedName(const QString& path)
{
    const QString name = Paths::nameOf(path);
    return path.left(path.size() - name.size()) + Ansi::upper(name);
}

bool copyWorkFile(int mode, const QString& target, const ToolFolders& folders)
{
    const Result<QByteArray> bytes = TextFile::readBytes(
        Paths::join(folders.FolderNCS, QStringLiteral("\\WORK\\FSW_PSW.") + extensionOf(mode)), FileKinds::Trace);
    return bytes && TextFile::writeBytesAtomically(target, bytes.value());
}

} // namespace

QString proposedCopyName(int mode, const QString& chassis, const QString& module, const Clock& clock)
{
    const QString label = module.isEmpty() ? DateText::stamp(clock.now()) : chassis + u'-' + module;
    return QStringLiteral("FSW_PSW [") + label + QStringLiteral("].") + extensionOf(mode);
}

void SaveFileAs(int mode, const SaveFileAsInputs& inputs, const SaveFileAsServices& services, QString& saveTag)
{
    const QString chosen = services.dialogs.saveFile(requestFor(mode, inputs, services));
    if (chosen.isEmpty() || Paths::nameOf(chosen).isEmpty())
        return;

    if (mode == SaveMode::ExportList) {
        // A failed export ends silently, as every failure of a copy does; the list stays on
        // screen, so nothing is lost and the export can be tried again elsewhere.
        if (const Status written = TextFile::writeLinesAtomically(chosen, GeneratedHeader::lines() + inputs.listItems);
            !written)
            qCInfo(lcTraceTools) << "export not written:" << written.error();
        return;
    }

    if (!copyWorkFile(mode, upperCasedName(chosen), services.folders))
        return;
    if (mode == SaveMode::TraceCopy)
        saveTag = Ansi::upper(Paths::nameOf(chosen));

    // The folder keeps the letter case the dialog gave it.
    const QString folder = Paths::folderOf(chosen);
    if (folder != services.folders.FolderBackup) {
        services.folders.FolderBackup = folder;
        // Not remembering the folder only means the next dialog opens elsewhere.
        if (const Status stored = services.settings.setValue(QStringLiteral("FolderBACKUP"), folder); !stored)
            qCInfo(lcTraceTools) << "backup folder not remembered:" << stored.error();
    }
}
