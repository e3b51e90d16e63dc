// Where the game plays from: a current directory that is already a complete game
// folder, or else the media the build or the installation left beside the program,
// read where they are, with the data files in the player's own folder.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "frontend/command_line.h"

namespace zirimbo::frontend {

// ${XDG_DATA_HOME:-$HOME/.local/share}/zirimbo; empty when neither is usable.
std::string playerGameFolder(const char* xdgDataHome, const char* home);

// Where the media may be, in the order tried: the build's folder beside the
// program, then the installed data folder.
std::vector<std::string> mediaFolders(const std::string& programFolder);

// True when `folder` holds every folder the game reads.
bool isCompleteGameFolder(const std::string& folder);

// True when this user may make and replace files in `folder`, as the system says.
bool canWriteFolder(const std::string& folder);
using WritableCheck = std::function<bool(const std::string& folder)>;

// Where the game would play from, found by looking only: nothing is made, copied
// or removed. A complete current folder is used as it is when its Dati can be
// written (canWrite) and it is not the folder the media are installed or built in;
// otherwise it gives only its media, and the data files are the player's.
struct GameFolderPlan {
    std::string media;                  // the game folder: pictures, sounds, music; empty: found nowhere
    std::vector<std::string> lookedIn;  // where the build's or the installation's media were looked for
    std::string data;                   // the folder of the data files the game reads and writes; empty: none
    std::string seedFrom;  // the shipped data files `data` gets those it lacks from; empty: `data` is the media's own
    std::string player;    // the player's folder, where an earlier version's copy of the media is cleared
    std::string message;   // a line to say: why there is no game, or a choice the player did not expect
};
GameFolderPlan planGameFolder(const std::string& currentFolder, const std::string& programFolder,
                              const char* xdgDataHome, const char* home,
                              const WritableCheck& canWrite = canWriteFolder);

// What --help tells of planGameFolder's choice, by the folders' real paths (links
// followed, no "." or ".."), looked at without changing anything.
HelpFolders helpFolders(const std::string& currentFolder, const std::string& programFolder, const char* xdgDataHome,
                        const char* home);

struct GameFolder {
    std::string folder;  // the game folder: pictures, sounds and music
    std::string data;    // where its "Dati" really is; empty for the game folder's own
};

// The folder to play in, as planGameFolder chooses it. With the player's data
// files, their folder gets each shipped data file it lacks, and what an earlier
// version copied of the media there is cleared where it is the game's own
// unchanged. Empty, after one line saying why, when there is no game folder or the
// player's data folder cannot be made.
std::optional<GameFolder> prepareGameFolder(const std::string& currentFolder, const std::string& programFolder,
                                            const char* xdgDataHome, const char* home,
                                            const WritableCheck& canWrite = canWriteFolder);

}  // namespace zirimbo::frontend
