#pragma once

#include <QStringList>

#include <vector>

// One subcommand of zvtool. Each lives in its own file and registers itself with a static
// ZvCommand object, so adding a command never touches the dispatcher:
//
//   static int runStrings(const QStringList &args);
//   static const ZvCommand strings{"strings", "print the string table", false, runStrings};
//
// run() gets the arguments after the command name and returns the exit code; results go to
// stdout, errors to stderr with a non-zero code.
struct ZvCommand {
    using Runner = int (*)(const QStringList &args);

    ZvCommand(const char *name, const char *usage, bool needsGui, Runner run);

    const char *name;
    const char *usage;
    bool needsGui;
    Runner run;

    static const std::vector<const ZvCommand *> &all();
    static const ZvCommand *find(const char *name);
};

// Helpers shared by the commands.
void zvWarn(const QString &message);   // prints "zvtool: message" on stderr
int zvFail(const QString &message);    // zvWarn(message), then returns 1
void zvWrite(const QByteArray &bytes); // raw bytes to stdout
