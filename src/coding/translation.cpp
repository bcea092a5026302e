#include "coding/translation.h"

#include "coding/translation_table.h"
#include "common/ansi_codec.h"
#include "common/dialogs.h"
#include "common/paths.h"
#include "trace/trace_session.h"

#include <QFileInfo>

namespace TranslationText {

QString plain(const QString& text)
{
    const qsizetype at = text.indexOf(separator());
    return at < 0 ? text : text.left(at);
}

namespace {

bool hasSingleByteForm(QChar ch)
{
    return ch == u'?' || Ansi::byteFromChar(ch) != '?';
}

template <typename Convert>
QString convertLetters(const QString& text, Convert convert)
{
    QString result = text;
    for (QChar& ch : result) {
        const QChar converted = convert(ch);
        if (converted != ch && hasSingleByteForm(converted))
            ch = converted;
    }
    return result;
}

} // namespace

QString ansiUpper(const QString& text)
{
    return convertLetters(text, [](QChar ch) { return ch.toUpper(); });
}

QString ansiLower(const QString& text)
{
    return convertLetters(text, [](QChar ch) { return ch.toLower(); });
}

QString withTranslation(const QString& text, const QString& translation, bool isFunction)
{
    return text + separator() + (isFunction ? ansiUpper(translation) : ansiLower(translation));
}

} // namespace TranslationText

void ToggleTranslation(TraceSession& session, TranslationTable& table, const QString& programFolder,
                       Dialogs& dialogs)
{
    if (!session.treeVisible()) {
        dialogs.message(mainCaption(), QStringLiteral("Load TRC-file first."), MessageIcon::Exclamation);
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
    if (!QFileInfo(path).isFile()) {
        dialogs.message(mainCaption(), path + QStringLiteral(" not found."), MessageIcon::Exclamation);
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
