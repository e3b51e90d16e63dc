// Where the game plays from: a current directory that is already a complete game
// folder, or else the media the build or the installation left beside the program,
// read where they are, with the data files in the player's own folder.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zirimbo::frontend {

// ${XDG_DATA_HOME:-$HOME/.local/share}/zirimbo; empty when neither is usable.
std::string playerGameFolder(const char* xdgDataHome, const char* home);

// Where the media may be, in the order tried: the build's folder beside the
// program, then the installed data folder.
std::vector<std::string> mediaFolders(const std::string& programFolder);

// True when `folder` holds every folder the game reads.
bool isCompleteGameFolder(const std::string& folder);

struct GameFolder {
    std::string folder;  // the game folder: pictures, sounds and music
    std::string data;    // where its "Dati" really is; empty for the game folder's own
};

// The folder to play in. With the media of the build or the installation, the data
// files are the player's: their folder gets each shipped data file it lacks, and
// what an earlier version copied of the media there is cleared where it is the
// game's own unchanged. Empty when no pictures can be found at all.
std::optional<GameFolder> prepareGameFolder(const std::string& currentFolder, const std::string& programFolder,
                                            const char* xdgDataHome, const char* home);

}  // namespace zirimbo::frontend
