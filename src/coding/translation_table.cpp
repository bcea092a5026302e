#include "coding/translation_table.h"

#include "common/paths.h"
#include "common/text_file.h"

#include <QFileInfo>

void TranslationTable::addLines(const QStringList& lines)
{
    for (const QString& line : lines) {
        const qsizetype comma = line.indexOf(u',');
        if (comma < 0)
            continue;
        const QString name = line.left(comma);
        const qsizetype end = line.indexOf(u',', comma + 1);
        const QString translation = line.mid(comma + 1, end < 0 ? -1 : end - comma - 1);
        // Only an empty translation makes a line useless; an empty name is a name too (a
        // value line that holds nothing but its tab).
        if (translation.isEmpty())
            continue;
        const QString key = keyOf(name);
        if (!m_entries.contains(key))
            m_entries.insert(key, translation);
    }
}

QString TranslationTable::lookup(const QString& name) const
{
    return m_entries.value(keyOf(name));
}

QString TranslationTable::keyOf(const QString& name)
{
    // Full Unicode folding: the table's ANSI letters (Ä/ä, Ÿ/ÿ, Š/š ...) match like the
    // tools' own case-insensitive keys, not only A-Z.
    return name.toCaseFolded();
}

QString translationsPath(const QString& programFolder)
{
    return Paths::join(programFolder, QStringLiteral("\\Translations.csv"));
}

Result<TranslationTableFile> readTranslationTableIn(const QString& programFolder)
{
    TranslationTableFile file;
    file.path = translationsPath(programFolder);
    file.found = QFileInfo::exists(file.path);
    if (!file.found)
        return file;
    Result<TranslationTable> read = readTranslationTable(file.path);
    if (!read)
        return Result<TranslationTableFile>::failure(read.error());
    file.table = std::move(read).value();
    return file;
}

Result<TranslationTable> readTranslationTable(const QString& path)
{
    const Result<QStringList> lines = TextFile::readLines(path, FileKinds::TranslationTable);
    if (!lines)
        return Result<TranslationTable>::failure(lines.error());
    TranslationTable table;
    table.addLines(lines.value());
    return table;
}
