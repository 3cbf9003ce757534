// The program's command line. It is read before the window system is
// started, so that --help and --version work where there is no display.
#pragma once

#include <QString>

#include <optional>

namespace platform {

struct CommandLine {
    // Set when the run ends here: 0 after --help or --version, 2 when the
    // line was not understood (the usage has then gone to standard error).
    std::optional<int> exitStatus;
    // The folder given with --data-dir; empty when none was.
    QString dataDir;
};

CommandLine readCommandLine(int argc, char* argv[]);

}  // namespace platform
