#include "cli/cli_command.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

void printHelp(QTextStream& out)
{
    out << "quillon-cli " << QUILLON_VERSION << " - Quillon's tools for scripts and power users\n\n"
        << "Usage: quillon-cli <command> [options]\n"
        << "       quillon-cli --help | --version\n"
        << "       quillon-cli <command> --help\n\n";
    if (cliCommands().isEmpty()) {
        out << "No commands yet.\n";
        return;
    }
    out << "Commands:\n";
    for (const CliCommand& command : cliCommands())
        out << "  " << QString::fromLatin1(command.name).leftJustified(14) << QString::fromUtf8(command.summary)
            << '\n';
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quillon"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);

    if (args.isEmpty() || args.first() == u"--help" || args.first() == u"-h") {
        printHelp(args.isEmpty() ? err : out);
        return args.isEmpty() ? 2 : 0;
    }
    if (args.first() == u"--version") {
        out << "quillon-cli " << QUILLON_VERSION << '\n';
        return 0;
    }
    for (const CliCommand& command : cliCommands()) {
        if (args.first() != QLatin1String(command.name))
            continue;
        const QStringList rest = args.mid(1);
        if (rest.contains(QStringLiteral("--help"))) {
            out << QString::fromUtf8(command.usage);
            return 0;
        }
        const Result<CommandLine> line = parseCommandLine(command, rest);
        if (!line) {
            err << line.error();
            return 2;
        }
        return command.run(line.value(), out, err);
    }
    err << "quillon-cli: unknown command '" << args.first() << "'. See quillon-cli --help.\n";
    return 2;
}
