#include "cli_run.h"

#include <QProcess>

QStringList CliRun::outLines() const
{
    QStringList lines = out.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

CliRun runProgram(const QString& program, const QStringList& arguments, const QByteArray& input,
                  const QString& workingFolder)
{
    QProcess process;
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    CliRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    // Text written to a Windows console stream ends its lines with CR LF.
    run.out = QString::fromUtf8(process.readAllStandardOutput()).replace(u"\r\n"_qs, u"\n"_qs);
    run.err = QString::fromUtf8(process.readAllStandardError()).replace(u"\r\n"_qs, u"\n"_qs);
    return run;
}
