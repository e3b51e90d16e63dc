// The program's command line: --help, --version and --windowed WxH.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zirimbo::frontend {

struct ClientSize {
    int width = 0;
    int height = 0;
};

struct CommandLine {
    bool help = false;
    bool version = false;
    std::optional<ClientSize> windowed;  // a window of this client size instead of the screen's
    std::string error;                   // not empty: the arguments were not understood
};

// The arguments after the program's name.
CommandLine parseCommandLine(const std::vector<std::string>& args);

// The text of --help.
std::string usageText();

}  // namespace zirimbo::frontend
