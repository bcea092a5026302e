#include "ui/open_file_dialog.h"

#include "common/dialogs.h"
#include "common/paths.h"
#include "settings/settings_store.h"
#include "settings/tool_folders.h"
#include "ui/panel_context.h"
#include "ui/window_requests.h"

#include <QCoreApplication>

QString OpenFileDialog(int mode, const PanelContext& context)
{
    context.window.closeSearchWindow();
    FileDialogRequest request;
    request.folder = Paths::join(context.folders.FolderNCS, QStringLiteral("\\WORK"));
    switch (mode) {
    case 1:
        request.title = QCoreApplication::translate("OpenFileDialog", "Open file");
        request.filter = QCoreApplication::translate(
            "OpenFileDialog", "All files (*.*)|*.*|Trace files (*.trc, *.man)|*.trc;*.man|Text files (*.txt)|*.txt");
        break;
    case 2:
    case 3:
    case 4:
        request.title = QCoreApplication::translate("OpenFileDialog", "Open TRC-file");
        request.filter =
            QCoreApplication::translate("OpenFileDialog", "Trace files (*.trc, *.man)|*.trc;*.man|All files (*.*)|*.*");
        break;
    case 5:
        request.title = QCoreApplication::translate("OpenFileDialog", "Select picture-file");
        request.filter = QCoreApplication::translate("OpenFileDialog", "All files (*.*)|*.*");
        request.folder = context.settings.value(SettingsStore::PictureFolder, QString());
        break;
    default: return {};
    }
    return context.dialogs.openFile(request);
}
