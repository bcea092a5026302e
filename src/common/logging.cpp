#include "common/logging.h"

// Warnings and above would be written by default; the components write only debug and
// info messages, so nothing appears until a rule switches a category on.
Q_LOGGING_CATEGORY(lcSettings, "quillon.settings", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTrace, "quillon.trace", QtWarningMsg)
Q_LOGGING_CATEGORY(lcCoding, "quillon.coding", QtWarningMsg)
Q_LOGGING_CATEGORY(lcModuleData, "quillon.moduledata", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTraceTools, "quillon.tracetools", QtWarningMsg)
Q_LOGGING_CATEGORY(lcInstall, "quillon.install", QtWarningMsg)
Q_LOGGING_CATEGORY(lcUpdateCheck, "quillon.updatecheck", QtWarningMsg)
Q_LOGGING_CATEGORY(lcUi, "quillon.ui", QtWarningMsg)
