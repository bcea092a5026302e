#pragma once

#include <QStringList>
#include <QTextStream>

// One subcommand of quillon-cli. Each command lives in its own file and registers here,
// so commands can be added without touching the others.
struct CliCommand {
    const char* name;
    const char* summary;
    // args excludes the program name and the command name. Returns the exit status.
    int (*run)(const QStringList& args, QTextStream& out, QTextStream& err);
    // Full usage text for --help.
    const char* usage;
};

// Every registered command, in the order of the help text.
const QList<CliCommand>& cliCommands();
