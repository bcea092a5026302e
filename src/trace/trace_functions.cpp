#include "trace/trace_functions.h"

#include "trace/trace_loader.h"

#include <QSet>

#include <algorithm>

bool holdsControlCharacters(const QString& line)
{
    return std::any_of(line.cbegin(), line.cend(), [](QChar c) { return (c < u' ' && c != u'\t') || c == u'\x7f'; });
}

Result<QList<TraceFunction>> ReadTraceFunctions(const QStringList& lines)
{
    QList<TraceFunction> functions;
    QSet<QString> seen;
    seen.reserve(lines.size() / 2 + 1);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (holdsControlCharacters(line))
            return Result<QList<TraceFunction>>::failure(notATraceMessage(i + 1));
        if (!line.startsWith(u'\t')) {
            if (seen.contains(line))
                return Result<QList<TraceFunction>>::failure(duplicateFunctionMessage(i + 1, line));
            seen.insert(line);
            functions.append({line, {}});
            continue;
        }
        if (functions.isEmpty())
            return Result<QList<TraceFunction>>::failure(valueBeforeFunctionMessage(i + 1));
        QString value = line;
        value.remove(u'\t');
        functions.last().values.append(value);
    }
    return functions;
}
