#include "cli/cli_command.h"
#include "common/generated_header.h"
#include "common/paths.h"
#include "common/text_file.h"
#include "trace/trace_loader.h"
#include "tracetools/trace_compare.h"

#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

// quillon-cli compare <trace 1> <trace 2> [--output <file>]: the same lines the window
// lists after "Compare files", and optionally the same export file.
int runCompare(const CommandLine& line, QTextStream& out, QTextStream& err)
{
    const QStringList& paths = line.arguments();
    const QString output = line.value("--output");

    // Full native paths, as the window's file dialog hands them over.
    const QString path1 = Paths::toNative(QFileInfo(paths[0]).absoluteFilePath());
    const QString path2 = Paths::toNative(QFileInfo(paths[1]).absoluteFilePath());
    if (!output.isEmpty() && (Paths::sameFile(output, path1) || Paths::sameFile(output, path2))) {
        err << "compare: the output file must not be one of the traces.\n";
        return 2;
    }
    QStringList listed = TraceCompare::file1Header(path1);
    const Result<QStringList> lines1 = ReadTraceFileToCompare(path1);
    const Result<QStringList> lines2 = lines1 ? ReadTraceFileToCompare(path2) : Result<QStringList>(QStringList());
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
