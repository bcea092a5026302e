#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What one run of the command-line program printed and returned.
struct CliRun {
    int exitCode = -1; // -1 when it crashed or did not finish
    QString out;
    QString err;
    // Standard output as lines, without the empty one after the last line end.
    QStringList outLines() const;
};

CliRun runProgram(const QString& program, const QStringList& arguments, const QByteArray& input = {},
                  const QString& workingFolder = {});

#ifdef QUILLON_CLI
// Runs the quillon-cli this test was built with (quillon_add_cli_test).
inline CliRun runCli(const QStringList& arguments, const QByteArray& input = {})
{
    return runProgram(QStringLiteral(QUILLON_CLI), arguments, input);
}
#endif
