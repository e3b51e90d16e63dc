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

// Where --help says the game's things are.
struct HelpFolders {
    std::string media;                  // where the pictures, sounds and music are read; empty: found nowhere
    std::vector<std::string> lookedIn;  // where they were looked for
    std::string data;                   // the folder of the player's data files; empty: none
};

// The text of --help.
std::string usageText(const HelpFolders& where);

}  // namespace zirimbo::frontend
