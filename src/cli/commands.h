#pragma once

#include <vector>

#include "cli/command_line.h"

namespace vostrel::cli {

// One subcommand: how it is called, what it does, which options it takes, and its entry point,
// which gets the parsed arguments after the command name and returns the exit status.
struct Command {
    QString name;
    QString usage;    // e.g. "export DOC -o OUT"
    QString summary;  // one line for the command list, more lines for 'COMMAND --help'
    OptionSpec options;
    int (*run)(const CommandLine& line);
};

const std::vector<Command>& allCommands();

int runPayload(const CommandLine& line);
int runMatrix(const CommandLine& line);
int runExport(const CommandLine& line);
int runWarnings(const CommandLine& line);
int runVerify(const CommandLine& line);
int runNew(const CommandLine& line);
int runBatch(const CommandLine& line);

}  // namespace vostrel::cli
