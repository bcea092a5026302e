#pragma once

#include "common/result.h"

#include <QList>
#include <QMap>
#include <QStringList>
#include <QTextStream>

struct CliFlag {
    enum : unsigned {
        Optional = 0,
        Required = 1,
        OneOf = 2,   // an option whose value's name lists the only values taken: "yes|no"
        Repeats = 4, // an argument that takes every further argument too
    };
};

// An option of a command: "--ncs" with a value named "folder", or a switch without one.
struct CliOption {
    const char* name;
    const char* value = nullptr;
    unsigned flags = CliFlag::Optional;
};

// An argument that is not an option, named as the usage names it: "trace file".
struct CliArgument {
    const char* name;
    unsigned flags = CliFlag::Required;
    const char* choices = nullptr; // "sp-daten|winkfp": the only values taken
};

class CommandLine;

// One subcommand of quillon-cli. Each command lives in its own file and registers here,
// so commands can be added without touching the others. The table of its options and
// arguments is the one place that decides what it accepts.
struct CliCommand {
    const char* name;
    const char* summary;
    int (*run)(const CommandLine& line, QTextStream& out, QTextStream& err);
    // Full usage text for --help.
    const char* usage;
    QList<CliOption> options;
    QList<CliArgument> arguments;
};

// A command line its command's table accepted.
class CommandLine {
public:
    // The option's value; empty when it was not given or is a switch.
    QString value(const char* option) const;
    bool isSet(const char* option) const;
    const QStringList& arguments() const { return m_arguments; }

    // Refuses what the table cannot judge, in the words of every refusal; returns the exit status 2.
    int refuse(QTextStream& err, const QString& problem) const;

private:
    friend Result<CommandLine> parseCommandLine(const CliCommand& command, const QStringList& args);
    explicit CommandLine(const CliCommand& command) : m_command(&command) {}

    const CliCommand* m_command;
    QMap<QString, QString> m_values;
    QStringList m_arguments;
};

// args excludes the program name and the command name. A failure is the whole message
// for standard error, naming the command.
Result<CommandLine> parseCommandLine(const CliCommand& command, const QStringList& args);

// Every registered command, in the order of the help text.
const QList<CliCommand>& cliCommands();
