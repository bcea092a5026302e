#pragma once

#include <QString>
#include <QTextStream>

class TraceSession;

// Reads a trace file and builds its tree exactly as the window loads it, so the commands
// that work on one trace see what the user sees. On failure the reason goes to err.
bool loadTraceForCommand(const QString& path, TraceSession& session, QTextStream& err);
