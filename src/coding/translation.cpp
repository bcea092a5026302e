#include "coding/translation.h"

#include "coding/translation_table.h"
#include "common/dialogs.h"
#include "common/paths.h"
#include "trace/trace_session.h"

#include <QCoreApplication>
#include <QFileInfo>

void ToggleTranslation(TraceSession& session, TranslationTable& table, const QString& programFolder, Dialogs& dialogs)
{
    if (!session.treeVisible()) {
        dialogs.message(mainCaption(), QCoreApplication::translate("Translation", "Load TRC-file first."),
                        MessageIcon::Exclamation);
        return;
    }
    TraceTree& tree = session.tree();
    if (session.Translated) {
        session.Translated = false;
        TraceTree::Batch batch(tree);
        for (int node = 1; node <= tree.count(); ++node)
            tree.setText(node, TranslationText::plain(tree.text(node)));
        return;
    }

    const QString path = translationsPath(programFolder);
    if (!QFileInfo::exists(path)) {
        dialogs.message(mainCaption(), QCoreApplication::translate("Translation", "%1 not found.").arg(path),
                        MessageIcon::Exclamation);
        return;
    }
    if (table.isEmpty()) {
        Result<TranslationTable> read = readTranslationTable(path);
        if (!read) {
            // An unreadable table leaves the names plain rather than half switched on.
            dialogs.message(mainCaption(), read.error(), MessageIcon::Critical);
            return;
        }
        table = std::move(read).value();
    }
    session.Translated = true;
    TraceTree::Batch batch(tree);
    for (int node = 1; node <= tree.count(); ++node) {
        const QString text = tree.text(node);
        const QString translation = table.lookup(text);
        if (!translation.isEmpty())
            tree.setText(node, TranslationText::withTranslation(text, translation, tree.childCount(node) > 0));
    }
}
