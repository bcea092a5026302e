#include "coding/save_summary.h"

#include <QCoreApplication>

namespace {

constexpr qsizetype kLookBack = 20;

QString withoutTabs(QString line)
{
    line.remove(u'\t');
    return line;
}

} // namespace

QStringList BuildSaveSummary(const QStringList& traceLines, const QStringList& outputLines)
{
    QStringList items{QStringLiteral("Changed values:"), QString()};
    const qsizetype count = std::min(traceLines.size(), outputLines.size());
    for (qsizetype i = 0; i < count; ++i) {
        if (traceLines[i] == outputLines[i])
            continue;
        for (qsizetype above = i - 1; above >= 0 && above >= i - kLookBack; --above) {
            if (traceLines[above].startsWith(u'\t'))
                continue;
            items.append(traceLines[above]);
            items.append(withoutTabs(traceLines[i]) + QStringLiteral(" --> ") + withoutTabs(outputLines[i]));
            items.append(QString());
            break;
        }
    }
    return items;
}

QStringList ncsExpertSteps()
{
    // Shown after the coding log entry is made, so they may speak the window's language;
    // the "-->" lines name NCS Expert's own (English) keys and stay as they are.
    return {
        QCoreApplication::translate("SaveSummary", "Go back to NCS Expert"),
        QString(),
        QStringLiteral("--> Change job (F2)"),
        QCoreApplication::translate("SaveSummary", "Select SG_CODIEREN"),
        QString(),
        QCoreApplication::translate("SaveSummary", "Check in the middle or JOBNAME is SG_CODIEREN"),
        QStringLiteral("--> Execute job (F3)"),
    };
}
