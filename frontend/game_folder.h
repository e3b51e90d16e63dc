// Where the game plays from: a current directory that is already a complete game
// folder, or else the player's own folder, prepared from the media the build or
// the installation left beside the program.
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

// The folder to play in. The player's folder gets the media refreshed and the data
// files copied when it has none. Empty when no pictures can be found at all.
std::optional<std::string> prepareGameFolder(const std::string& currentFolder, const std::string& programFolder,
                                             const char* xdgDataHome, const char* home);

}  // namespace zirimbo::frontend
