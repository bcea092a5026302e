#include "trace/trace_functions.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

namespace {

TraceStop readLines(const QStringList& lines, bool asLoaded, const std::function<bool(const QString&)>& addFunction,
                    const std::function<void(QString)>& addValue)
{
    TraceStop stop;
    bool inFunction = false;
    for (const QString& line : lines) {
        const qsizetype number = stop.linesRead + 1;
        if (asLoaded && holdsControlCharacters(line)) {
            stop.error = notATraceMessage(number);
            return stop;
        }
        if (!line.startsWith(u'\t')) {
            if (!addFunction(line)) {
                stop.error = duplicateFunctionMessage(number, line);
                return stop;
            }
            inFunction = true;
        } else if (inFunction) {
            addValue(QString(line).remove(u'\t'));
        } else if (asLoaded) {
            stop.error = valueBeforeFunctionMessage(number);
            return stop;
        }
        stop.linesRead = number;
    }
    return stop;
}

} // namespace

bool holdsControlCharacters(const QString& line)
{
    return std::any_of(line.cbegin(), line.cend(), [](QChar c) { return (c < u' ' && c != u'\t') || c == u'\x7f'; });
}

QString duplicateFunctionMessage(qsizetype lineNumber, const QString& line)
{
    return QCoreApplication::translate("TraceFile", "Line %1: this function occurs twice in the trace file:\r\n%2")
        .arg(QString::number(lineNumber), line);
}

QString valueBeforeFunctionMessage(qsizetype lineNumber)
{
    return QCoreApplication::translate("TraceFile", "Line %1: a value line comes before the first function line.")
        .arg(lineNumber);
}

QString notATraceMessage(qsizetype lineNumber)
{
    return QCoreApplication::translate("TraceFile",
                                       "Line %1 holds control characters: this file is not an NCS Expert trace.")
        .arg(lineNumber);
}

TraceStop ReadTraceLines(const QStringList& lines, const std::function<bool(const QString& line)>& addFunction,
                         const std::function<void(QString value)>& addValue)
{
    return readLines(lines, true, addFunction, addValue);
}

Result<QList<TraceFunction>> ReadTraceFunctions(const QStringList& lines)
{
    QList<TraceFunction> functions;
    QSet<QString> seen;
    seen.reserve(lines.size() / 2 + 1);
    const TraceStop stop = ReadTraceLines(
        lines,
        [&](const QString& line) {
            const qsizetype before = seen.size();
            seen.insert(line);
            if (seen.size() == before)
                return false;
            functions.append({line, {}});
            return true;
        },
        [&](QString value) { functions.last().values.append(std::move(value)); });
    if (!stop.error.isEmpty())
        return Result<QList<TraceFunction>>::failure(stop.error);
    return functions;
}

QList<TraceFunction> SplitTraceFunctions(const QStringList& lines)
{
    QList<TraceFunction> functions;
    static_cast<void>(readLines(
        lines, false,
        [&](const QString& line) {
            functions.append({line, {}});
            return true;
        },
        [&](QString value) { functions.last().values.append(std::move(value)); }));
    return functions;
}
