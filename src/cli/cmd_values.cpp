#include "cli/cli_command.h"
#include "cli/cli_dialogs.h"
#include "cli/cli_trace.h"
#include "common/busy_state.h"
#include "moduledata/chassis_data.h"
#include "moduledata/module_data.h"
#include "moduledata/possible_values_command.h"
#include "moduledata/value_search_state.h"
#include "trace/trace_functions.h"
#include "trace/trace_session.h"

#include <QTextStream>

namespace {

struct ValuesOptions {
    QString folderNCS;
    QString chassis;
    QString module;
    QString trace;
    bool json = false;
};

// One function of the trace as the tree shows it after the search.
struct FunctionReport {
    QString function;
    QStringList values; // display order, the failure line left out
    QString chosen;     // the value marked as chosen
    QStringList loaded; // the trace's own values
    QString error;
};

QList<FunctionReport> reports(const TraceSession& session)
{
    QList<FunctionReport> result;
    const TraceTree& tree = session.tree();
    for (const TraceFunction& function : SplitTraceFunctions(session.TraceLines)) {
        FunctionReport report;
        report.function = function.line;
        report.loaded = function.values;
        for (const int child : tree.children(tree.indexOfKey(function.line))) {
            if (tree.color(child) == NodeColor::Red) {
                report.error = tree.text(child);
                continue;
            }
            report.values.append(tree.text(child));
            if (tree.image(child) == NodeImage::Chosen)
                report.chosen = tree.text(child);
        }
        result.append(report);
    }
    return result;
}

void printText(const QList<FunctionReport>& list, QTextStream& out)
{
    for (const FunctionReport& report : list) {
        out << report.function << '\n';
        for (const QString& value : report.values)
            out << '\t' << (value == report.chosen ? "* " : "  ") << value << '\n';
        if (!report.error.isEmpty())
            out << "\t! " << report.error << '\n';
    }
}

// A JSON string: quotes, backslashes and control characters escaped, the rest as is.
void writeJsonString(const QString& text, QTextStream& out)
{
    out << '"';
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': out << "\\\""; break;
        case '\\': out << "\\\\"; break;
        case '\b': out << "\\b"; break;
        case '\f': out << "\\f"; break;
        case '\n': out << "\\n"; break;
        case '\r': out << "\\r"; break;
        case '\t': out << "\\t"; break;
        default:
            if (c.unicode() < 0x20)
                out << "\\u" << QString::number(c.unicode(), 16).rightJustified(4, u'0');
            else
                out << c;
        }
    }
    out << '"';
}

void writeJsonArray(const QStringList& items, QTextStream& out)
{
    out << "[\n";
    for (qsizetype i = 0; i < items.size(); ++i) {
        out << "            ";
        writeJsonString(items[i], out);
        out << (i + 1 < items.size() ? ",\n" : "\n");
    }
    out << "        ]";
}

// Written as it goes, in the layout of an indented JSON document with sorted keys:
// building the whole document first cost twice as much as the listing itself.
void printJson(const QList<FunctionReport>& list, QTextStream& out)
{
    out << "[\n";
    for (qsizetype i = 0; i < list.size(); ++i) {
        const FunctionReport& report = list[i];
        out << "    {\n        \"error\": ";
        if (report.error.isEmpty())
            out << "null";
        else
            writeJsonString(report.error, out);
        out << ",\n        \"function\": ";
        writeJsonString(report.function, out);
        out << ",\n        \"loaded\": ";
        writeJsonArray(report.loaded, out);
        out << ",\n        \"values\": ";
        writeJsonArray(report.values, out);
        out << (i + 1 < list.size() ? "\n    },\n" : "\n    }\n");
    }
    out << "]\n";
}

} // namespace

// quillon-cli values: the values "Show values" lists for each function of a trace, read
// from the chassis and module data exactly as the window reads them.
int runValues(const CommandLine& line, QTextStream& out, QTextStream& err)
{
    const ValuesOptions options{line.value("--ncs"), line.value("--chassis"), line.value("--module"),
                                line.arguments().first(), line.isSet("--json")};

    TraceSession session;
    if (!loadTraceForCommand(options.trace, session, err))
        return 2;
    session.showTree();

    ModuleData data;
    const Result<QStringList> modules = LoadChassis(options.folderNCS, options.chassis, data);
    if (!modules) {
        err << modules.error() << '\n';
        return 2;
    }
    const Status module = LoadModule(options.folderNCS, options.chassis, options.module, data);
    if (!module) {
        err << module.error() << '\n';
        return 2;
    }

    // Messages (a module file without data, functions not found) go to the error stream.
    BusyState busy;
    CliDialogs dialogs(err, nullptr);
    ValueSearchState state;
    ShowPossibleValues(session, &data, state, busy, dialogs, {});
    if (!session.ValuesShown)
        return 2;

    const QList<FunctionReport> list = reports(session);
    if (options.json)
        printJson(list, out);
    else
        printText(list, out);
    out.flush();
    return session.ValuesIncomplete ? 1 : 0;
}
