// astrello-run: flies missions without a window, for players, teachers and tests.
#include <cstring>
#include <iostream>

#include "tools/run/OptimizeCommand.h"
#include "tools/run/RunCommands.h"

namespace {
struct Subcommand {
    const char* name;
    int (*handler)(RunContext& run, const RunArgs& args, std::ostream& out, std::ostream& err);
};

const Subcommand subcommands[] = {
    {"run", runCommand},     {"trace", traceCommand},       {"list", listCommand},
    {"check", checkCommand}, {"optimize", optimizeCommand},
};
}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2) {
        for (const Subcommand& command : subcommands) {
            if (std::strcmp(argv[1], command.name) != 0) continue;
            RunContext run;
            return command.handler(run, RunArgs(argv + 2, argv + argc), std::cout, std::cerr);
        }
    }
    const char* const usage =
        "usage: astrello-run run|trace|list|check|optimize ...\n"
        "       astrello-run --help | --version\n"
        "The manual page astrello-run(6) gives each command's arguments.\n";
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "astrello-run " << ASTRELLO_VERSION << '\n';
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::cout << usage;
        return 0;
    }
    std::cerr << usage;
    return 2;
}
