#include "cli/cli_command.h"

// Each command's file declares its entry here; the list is the help text's order.
int runInstall(const QStringList& args, QTextStream& out, QTextStream& err);

const QList<CliCommand>& cliCommands()
{
    static const QList<CliCommand> commands = {
        {"install", "install an SP-daten data set or its WinKFP data into the tool folders", runInstall,
         "Usage: quillon-cli install sp-daten|winkfp --source <SP-daten folder> --backup yes|no\n"
         "                           [--ncs <folder>] [--ediabas <folder>] [--nfs <folder>]\n"
         "                           [--create-chassis] [--settings <ini file>]\n\n"
         "Runs \"Update SP-daten\" or \"Update WinKFP\" exactly as the buttons do. The log goes to\n"
         "standard output, ending with \"UPDATE READY\" and the result caption; messages and a\n"
         "progress bar (on a terminal) go to standard error. Tool folders default to the stored\n"
         "default folders (of --settings, or the user's settings).\n\n"
         "  --backup yes|no     the answer to the backup question\n"
         "  --create-chassis    answer Yes when NCS Expert has no folder for the data set's chassis\n\n"
         "Exit status: 0 the installation is ready; 1 a step failed (the step and the error on\n"
         "standard error); 2 bad arguments or a check refused the run.\n"},
    };
    return commands;
}
