#pragma once
// Entry point of qor-alchemy-cli, callable in-process: parses the global
// options, picks the command and runs it against the given streams.

#include <QStringList>

class QTextStream;

namespace qor {

// args[0] is the program name. Returns the process exit code (0, 1 data
// error, 2 usage error). Results go to out, messages to err.
int runCli(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace qor
