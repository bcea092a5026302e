#include "cli/cli_command.h"

#include <algorithm>

namespace {

QString refusal(const char* command, const QString& problem)
{
    const QString name = QString::fromLatin1(command);
    return QStringLiteral("quillon-cli ") + name + QStringLiteral(": ") + problem + QStringLiteral(". See quillon-cli ")
           + name + QStringLiteral(" --help.\n");
}

const CliOption* findOption(const CliCommand& command, const QString& name)
{
    for (const CliOption& option : command.options) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

// Empty when given is one of choices ("yes|no"), else the refusal's reason.
QString choiceProblem(const QString& what, const char* choices, const QString& given)
{
    QStringList taken = QString::fromLatin1(choices).split(u'|');
    if (taken.contains(given))
        return {};
    const QString last = taken.takeLast();
    return what + QStringLiteral(" is ") + taken.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last
           + QStringLiteral(", not ") + given;
}

QString argumentName(const CliArgument& argument)
{
    return u'<' + QString::fromLatin1(argument.name) + u'>';
}

} // namespace

QString CommandLine::value(const char* option) const
{
    Q_ASSERT_X(findOption(*m_command, QString::fromLatin1(option)), "CommandLine::value", option);
    return m_values.value(QLatin1String(option));
}

bool CommandLine::isSet(const char* option) const
{
    Q_ASSERT_X(findOption(*m_command, QString::fromLatin1(option)), "CommandLine::isSet", option);
    return m_values.contains(QLatin1String(option));
}

int CommandLine::refuse(QTextStream& err, const QString& problem) const
{
    err << refusal(m_command->name, problem);
    return 2;
}

Result<CommandLine> parseCommandLine(const CliCommand& command, const QStringList& args)
{
    const auto refused = [&command](const QString& problem) {
        return Result<CommandLine>::failure(refusal(command.name, problem));
    };
    CommandLine line(command);
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (optionsEnded || !arg.startsWith(u"--")) {
            line.m_arguments.append(arg);
            continue;
        }
        if (arg == u"--") {
            optionsEnded = true;
            continue;
        }
        const CliOption* option = findOption(command, arg);
        if (!option)
            return refused(QStringLiteral("unknown option ") + arg);
        QString value;
        if (option->value) {
            // An empty argument or the next option in its place: the value was left out.
            if (i + 1 >= args.size() || args[i + 1].isEmpty() || args[i + 1].startsWith(u"--"))
                return refused(arg + QStringLiteral(" needs a value"));
            value = args[++i];
            if (option->flags & CliFlag::OneOf) {
                if (const QString problem = choiceProblem(arg, option->value, value); !problem.isEmpty())
                    return refused(problem);
            }
        }
        line.m_values.insert(arg, value);
    }

    const qsizetype places = command.arguments.size();
    const bool lastRepeats = places > 0 && (command.arguments.last().flags & CliFlag::Repeats);
    for (qsizetype i = 0; i < line.m_arguments.size(); ++i) {
        const QString& given = line.m_arguments[i];
        if (i >= places && !lastRepeats)
            return refused(QStringLiteral("unexpected argument ") + given);
        const CliArgument& argument = command.arguments[std::min(i, places - 1)];
        if (given.isEmpty())
            return refused(QStringLiteral("missing argument ") + argumentName(argument));
        if (argument.choices) {
            if (const QString problem = choiceProblem(argumentName(argument), argument.choices, given);
                !problem.isEmpty())
                return refused(problem);
        }
    }
    for (const CliOption& option : command.options) {
        if (!(option.flags & CliFlag::Required) || line.m_values.contains(QLatin1String(option.name)))
            continue;
        const QString value = QString::fromLatin1(option.value);
        return refused(QStringLiteral("missing option ") + QLatin1String(option.name) + u' '
                       + (option.flags & CliFlag::OneOf ? value : u'<' + value + u'>'));
    }
    for (qsizetype i = line.m_arguments.size(); i < places; ++i) {
        if (command.arguments[i].flags & CliFlag::Required)
            return refused(QStringLiteral("missing argument ") + argumentName(command.arguments[i]));
    }
    return line;
}
