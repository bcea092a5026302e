#include "common/generated_header.h"
#include "common/paths.h"
#include "common/text_file.h"
#include "trace/trace_functions.h"
#include "trace/trace_loader.h"
#include "tracetools/trace_compare.h"

#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

namespace {

// Any lines compare, but a file that is no trace at all is refused.
Result<QStringList> readTrace(const QString& path)
{
    Result<QStringList> lines = ReadTraceFile(path);
    for (qsizetype i = 0; lines && i < lines->size(); ++i)
        if (holdsControlCharacters(lines->at(i)))
            return Result<QStringList>::failure(Paths::describeFileError(path, notATraceMessage(i + 1)));
    return lines;
}

} // namespace

// quillon-cli compare <trace 1> <trace 2> [--output <file>]: the same lines the window
// lists after "Compare files", and optionally the same export file.
int runCompare(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QStringList paths;
    QString output;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--output") {
            if (i + 1 >= args.size()) {
                err << "compare: --output needs a file name.\n";
                return 2;
            }
            output = args[++i];
        } else if (args[i].startsWith(u"--")) {
            err << "compare: unknown option " << args[i] << ".\n";
            return 2;
        } else {
            paths.append(args[i]);
        }
    }
    if (paths.size() != 2) {
        err << "Usage: quillon-cli compare <trace 1> <trace 2> [--output <file>]\n";
        return 2;
    }

    // Full native paths, as the window's file dialog hands them over.
    const QString path1 = Paths::toNative(QFileInfo(paths[0]).absoluteFilePath());
    const QString path2 = Paths::toNative(QFileInfo(paths[1]).absoluteFilePath());
    if (!output.isEmpty() && (Paths::sameFile(output, path1) || Paths::sameFile(output, path2))) {
        err << "compare: the output file must not be one of the traces.\n";
        return 2;
    }
    QStringList listed = TraceCompare::file1Header(path1);
    const Result<QStringList> lines1 = readTrace(path1);
    const Result<QStringList> lines2 = lines1 ? readTrace(path2) : Result<QStringList>(QStringList());
    if (lines1)
        listed += TraceCompare::file2Header(path2);
    TraceComparison comparison;
    if (lines1 && lines2) {
        comparison = TraceCompare::compareLines(lines1.value(), lines2.value());
        listed += comparison.lines;
    }
    for (const QString& line : listed)
        out << line << '\n';
    out.flush();

    if (!lines1 || !lines2) {
        err << (lines1 ? lines2.error() : lines1.error()) << '\n';
        return 2;
    }
    if (comparison.outcome != TraceComparison::Outcome::Compared) {
        if (!comparison.error.isEmpty())
            err << comparison.error << '\n';
        return 2;
    }
    if (!output.isEmpty()) {
        const Status written = TextFile::writeLinesAtomically(output, GeneratedHeader::lines() + listed);
        if (!written) {
            err << written.error() << '\n';
            return 2;
        }
    }
    return comparison.differences == 0 ? 0 : 1;
}
