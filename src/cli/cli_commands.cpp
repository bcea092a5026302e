#include "cli/cli_command.h"

// Each command's file declares its entry here; the list is the help text's order.

const QList<CliCommand>& cliCommands()
{
    static const QList<CliCommand> commands = {
    };
    return commands;
}
