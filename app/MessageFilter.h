#pragma once

#include <QString>
#include <QtGlobal>

// Unless LEDGERINE_VERBOSE is set and not empty, installs a quiet handler that
// drops debug and info messages and writes the rest to standard error; a
// verbose run keeps Qt's own output.
void installMessageFilter();

// The line the quiet handler writes: empty (dropped) for debug and info,
// "WARN: <text>\n" for warnings, "<text>\n" for critical and fatal messages.
QString quietLogLine(QtMsgType type, const QString& message);
