#include "trace/translation_text.h"

#include "common/ansi_codec.h"

namespace TranslationText {

QString plain(const QString& text)
{
    const qsizetype at = text.indexOf(separator());
    return at < 0 ? text : text.left(at);
}

QString withTranslation(const QString& text, const QString& translation, bool isFunction)
{
    return text + separator() + (isFunction ? Ansi::upper(translation) : Ansi::lower(translation));
}

} // namespace TranslationText
