#include "cli/cli_command.h"

// Each command's file declares its entry here; the list is the help text's order.
int runApply(const CommandLine& line, QTextStream& out, QTextStream& err);
int runCheckUpdate(const CommandLine& line, QTextStream& out, QTextStream& err);
int runCompare(const CommandLine& line, QTextStream& out, QTextStream& err);
int runFindModule(const CommandLine& line, QTextStream& out, QTextStream& err);
int runInstall(const CommandLine& line, QTextStream& out, QTextStream& err);
int runModule(const CommandLine& line, QTextStream& out, QTextStream& err);
int runRestore(const CommandLine& line, QTextStream& out, QTextStream& err);
int runTranslations(const CommandLine& line, QTextStream& out, QTextStream& err);
int runValues(const CommandLine& line, QTextStream& out, QTextStream& err);

const QList<CliCommand>& cliCommands()
{
    static const QList<CliCommand> commands = {
        {"apply",
         "write the MAN file that takes the values of another trace",
         runApply,
         "Usage: quillon-cli apply --from <wanted trace> --output <MAN file> <current trace>\n\n"
         "Takes the values of the wanted trace into the current one, as \"Apply values of another\n"
         "trace\" does, and writes the MAN file that \"Save MAN-file\" would then write. Only\n"
         "functions that both traces have, with as many value lines, are applied.\n"
         "Prints one line per changed value (\"FUNCTION: old --> new\"), one per function not\n"
         "applied (\"not applied: FUNCTION (reason)\") and the number of changed values.\n"
         "The traces are only read.\n\n"
         "Exit status: 0 everything of the wanted trace was applied or already equal; 1 some of\n"
         "it could not be applied (the MAN file is still written); 2 bad arguments or a trace\n"
         "that cannot be read (nothing written).\n",
         {{"--from", "wanted trace", CliFlag::Required}, {"--output", "MAN file", CliFlag::Required}},
         {{"current trace"}}},
        {"check-update",
         "check assembly numbers for a software update in WinKFP's data",
         runCheckUpdate,
         "Usage: quillon-cli check-update --data <folder> [--plan] [--program-folder <folder>] <number>...\n\n"
         "Looks up each seven-character assembly number in <folder>\\DATA (a WinKFP NFS folder\n"
         "or an SP-daten data set) and prints its ECU family, hardware number and whether an\n"
         "update exists for the same hardware.\n\n"
         "  --data <folder>            the folder that holds DATA\n"
         "  --plan                     append every update found to Updateplan.txt\n"
         "  --program-folder <folder>  where Updateplan.txt lives (default: the program's folder)\n\n"
         "Exit status: 0 when the check ran, whatever it found; 1 when a file could not be read\n"
         "or the plan not written; 2 for bad arguments or a missing DATA folder.\n",
         {{"--data", "folder", CliFlag::Required}, {"--plan"}, {"--program-folder", "folder"}},
         {{"number", CliFlag::Required | CliFlag::Repeats}}},
        {"compare",
         "list the differences of two trace files",
         runCompare,
         "Usage: quillon-cli compare <trace 1> <trace 2> [--output <file>]\n"
         "Lists every differing line under its function, as \"Compare files\" does.\n"
         "--output writes the list as a text file, as \"Export to text file\" does.\n"
         "Traces of different lengths are not compared: the list then names the functions only\n"
         "one of them has (the first ten of each, and how many in all); nothing is written and\n"
         "the exit status is 2.\n"
         "Exit status: 0 no differences, 1 differences, 2 the files cannot be read or compared.\n",
         {{"--output", "file"}},
         {{"trace 1"}, {"trace 2"}}},
        {"find-module",
         "rank the modules of a chassis by how well they fit a trace",
         runFindModule,
         "Usage: quillon-cli find-module --ncs <NCS Expert folder> --chassis <name> [--json] <trace file>\n\n"
         "Searches every module file of <NCS Expert folder>\\DATEN\\<name> as \"Show values\" does and\n"
         "prints one line per module, best first: the file name, the functions whose every trace\n"
         "value the module knows (matching) and the functions it has at all (found), separated\n"
         "by tabs. A module that cannot be searched comes last with a fourth field, the reason.\n\n"
         "  --json   print an array of {\"module\", \"matching\", \"found\", \"functions\" (of the\n"
         "           trace), \"error\" (text or null), \"missing\" (the trace's functions the module\n"
         "           does not have), \"unknownValues\" (the functions whose current value it does\n"
         "           not know)} instead\n\n"
         "Exit status: 0 the modules were ranked; 2 bad arguments, a missing chassis folder or\n"
         "keyword file, a trace that cannot be read or holds no functions (the reason on\n"
         "standard error).\n",
         {{"--ncs", "NCS Expert folder", CliFlag::Required}, {"--chassis", "name", CliFlag::Required}, {"--json"}},
         {{"trace file"}}},
        {"install",
         "install an SP-daten data set or its WinKFP data into the tool folders",
         runInstall,
         "Usage: quillon-cli install sp-daten|winkfp --source <SP-daten folder> --backup yes|no\n"
         "                           [--ncs <folder>] [--ediabas <folder>] [--nfs <folder>]\n"
         "                           [--create-chassis] [--settings <ini file>] [--records <folder>]\n\n"
         "Runs \"Update SP-daten\" or \"Update WinKFP\" exactly as the buttons do. The log goes to\n"
         "standard output, ending with \"UPDATE READY\" and the result caption; messages and a\n"
         "progress bar (on a terminal) go to standard error. Tool folders default to the stored\n"
         "default folders (of --settings, or the user's settings).\n\n"
         "  --backup yes|no     the answer to the backup question\n"
         "  --create-chassis    answer Yes when NCS Expert has no folder for the data set's chassis\n"
         "  --records <folder>  where the restore record of a run with backups goes (default: the\n"
         "                      installs folder of the per-user data folder); its path is printed\n"
         "                      as \"Restore record: <path>\" once the run has ended\n\n"
         "Exit status: 0 the installation is ready; 1 a step failed (the step and the error on\n"
         "standard error); 2 bad arguments or a check refused the run.\n",
         {{"--source", "SP-daten folder", CliFlag::Required},
          {"--backup", "yes|no", CliFlag::Required | CliFlag::OneOf},
          {"--ncs", "folder"},
          {"--ediabas", "folder"},
          {"--nfs", "folder"},
          {"--create-chassis"},
          {"--settings", "ini file"},
          {"--records", "folder"}},
         {{"installation", CliFlag::Required, "sp-daten|winkfp"}}},
        {"module",
         "a module file read by its structure: functions, values, their bytes, shared bits",
         runModule,
         "Usage: quillon-cli module --ncs <folder> --chassis <name> --module <file> [--json] [--check]\n"
         "                          [FUNCTION...]\n\n"
         "Reads the chassis's keyword files and the module file from <folder>\\DATEN\\<name> frame by\n"
         "frame, every check byte verified, and prints each function of the module in file order\n"
         "(or only the FUNCTIONs given): the function and its keyword id, the fields of its row by\n"
         "the names the file defines, one line per possible value with its id and the bytes it\n"
         "writes (hex), and \"shares bits with:\" the functions whose bytes and mask bits overlap.\n\n"
         "  --json    print an array of {\"function\", \"id\", \"fields\": {name: value}, \"values\":\n"
         "            [{\"value\", \"id\", \"fields\", \"bytes\"}], \"shares_bits_with\"} instead (numbers\n"
         "            as numbers, byte fields as hex strings, an absent field as null)\n"
         "  --check   verify every frame of every binary file of the chassis folder (a file that\n"
         "            begins with a signature frame), then list the functions whose values the\n"
         "            structure and the search of \"Show values\" disagree on\n\n"
         "Exit status: 0 all is well; 1 a file is damaged, the structure and the search disagree,\n"
         "or a FUNCTION is not in the module; 2 bad arguments or a folder or file that is missing.\n",
         {{"--ncs", "folder", CliFlag::Required},
          {"--chassis", "name", CliFlag::Required},
          {"--module", "file", CliFlag::Required},
          {"--json"},
          {"--check"}},
         {{"FUNCTION", CliFlag::Optional | CliFlag::Repeats}}},
        {"restore",
         "undo an installation that made backups, from its restore record",
         runRestore,
         "Usage: quillon-cli restore [--stopped] <record>\n"
         "       quillon-cli restore --list [--records <folder>]\n\n"
         "Checks that every path of the record stays inside its tool folder, that every file the\n"
         "installation left is still as it left it and that its backups are there, then undoes\n"
         "its changes newest first. The log goes to standard output, ending with \"RESTORE\n"
         "READY\". --list prints the records newest first, from what they say alone: time,\n"
         "installation, data set folder, what it updated (\"16 files updated\"), \"restorable\" or\n"
         "why not, path.\n\n"
         "  --stopped           also restore a record whose run stopped before it ended, as far\n"
         "                      as the record goes\n"
         "  --records <folder>  the folder of the records (default: the installs folder of the\n"
         "                      per-user data folder)\n\n"
         "Exit status: 0 restored (or listed); 1 refused or stopped (the reason and every file on\n"
         "standard error; run it again after a stop to carry on); 2 bad arguments or a record\n"
         "that cannot be read.\n",
         {{"--list"}, {"--stopped"}, {"--records", "folder"}},
         {{"record", CliFlag::Optional}}},
        {"values",
         "list every possible value of each function of a trace",
         runValues,
         "Usage: quillon-cli values --ncs <NCS Expert folder> --chassis <name> --module <file> [--json]\n"
         "                          <trace file>\n\n"
         "Does what \"Show values\" does: reads the chassis's keyword files and the module file\n"
         "from <NCS Expert folder>\\DATEN\\<name>, finds each function of the trace in them and\n"
         "prints, in trace order, the function line and one tab-indented line per possible\n"
         "value; \"* \" marks the trace's own value, \"! \" the reason a function was not found.\n\n"
         "  --json   print an array of {\"function\", \"values\" (display order), \"loaded\" (the\n"
         "           trace's values), \"error\" (text or null)} instead\n\n"
         "Output is UTF-8. Exit status: 0 every function was found; 1 some were not; 2 bad\n"
         "arguments or files that cannot be read (the reason on standard error).\n",
         {{"--ncs", "NCS Expert folder", CliFlag::Required},
          {"--chassis", "name", CliFlag::Required},
          {"--module", "file", CliFlag::Required},
          {"--json"}},
         {{"trace file"}}},
        {"translations",
         "how much of a trace Translations.csv translates; export the missing names",
         runTranslations,
         "Usage: quillon-cli translations --table <Translations.csv> [--missing <file>] <trace file>\n\n"
         "Prints how many of the trace's function names and value names the table translates\n"
         "(each name counted once, without regard to case).\n\n"
         "  --missing <file>   write the untranslated names as \"name,\" lines, sorted, in the\n"
         "                     table's encoding and line ends, to fill in and paste into it\n\n"
         "Exit status: 0 done; 2 bad arguments, a file that cannot be read or written.\n",
         {{"--table", "Translations.csv", CliFlag::Required}, {"--missing", "file"}},
         {{"trace file"}}},
    };
    return commands;
}
