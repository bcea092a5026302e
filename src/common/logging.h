#pragma once

#include <QLoggingCategory>

// One diagnostic category per component. All are silent by default: only their debug and
// info messages are written, and only when asked for, e.g.
//   QT_LOGGING_RULES="quillon.*.debug=true"            everything
//   QT_LOGGING_RULES="quillon.install.debug=true"      one installation run
// They are for a log a user can send along with a report, never a substitute for telling
// the user: every failure is also shown or printed where it happens.
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
Q_DECLARE_LOGGING_CATEGORY(lcTrace)
Q_DECLARE_LOGGING_CATEGORY(lcCoding)
Q_DECLARE_LOGGING_CATEGORY(lcModuleData)
Q_DECLARE_LOGGING_CATEGORY(lcTraceTools)
Q_DECLARE_LOGGING_CATEGORY(lcInstall)
Q_DECLARE_LOGGING_CATEGORY(lcUpdateCheck)
Q_DECLARE_LOGGING_CATEGORY(lcUi)
