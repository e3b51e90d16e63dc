#include "frontend/game_folder.h"

#include <filesystem>

#include "toolkit/folder_copy.h"
#include "toolkit/log.h"
#include "toolkit/paths.h"

#ifndef ZIRIMBO_DATA_FROM_BIN
#define ZIRIMBO_DATA_FROM_BIN "../share/zirimbo"
#endif

namespace fs = std::filesystem;

namespace zirimbo::frontend {

namespace {

const char* const kGameFolders[] = {"Bob", "Carla", "Dati", "Fumetti", "Giorgetto",
                                    "Grafica", "Musiche", "Pedine", "Rumori"};
const char* const kStampName = ".media-stamp";

bool hasPictures(const std::string& folder) {
    std::error_code ec;
    return !folder.empty() && fs::is_directory(tk::resolvePath(folder + "/Grafica"), ec);
}

}  // namespace

std::string playerGameFolder(const char* xdgDataHome, const char* home) {
    // A relative XDG_DATA_HOME is not valid and is ignored.
    if (xdgDataHome && xdgDataHome[0] == '/') return (fs::path(xdgDataHome) / "zirimbo").lexically_normal().string();
    if (home && home[0] == '/') return (fs::path(home) / ".local/share/zirimbo").lexically_normal().string();
    return {};
}

std::vector<std::string> mediaFolders(const std::string& programFolder) {
    const fs::path bin(programFolder);
    return {(bin / "gamefolder").lexically_normal().string(),
            (bin / ZIRIMBO_DATA_FROM_BIN).lexically_normal().string()};
}

bool isCompleteGameFolder(const std::string& folder) {
    std::error_code ec;
    for (const char* name : kGameFolders)
        if (!fs::is_directory(tk::resolvePath(folder + "/" + name), ec)) return false;
    return true;
}

std::optional<std::string> prepareGameFolder(const std::string& currentFolder, const std::string& programFolder,
                                             const char* xdgDataHome, const char* home) {
    const std::string player = playerGameFolder(xdgDataHome, home);
    // Started inside the player's own folder, its media are still refreshed.
    std::error_code ec;
    const bool inPlayersFolder = !player.empty() && fs::equivalent(currentFolder, player, ec);
    if (!currentFolder.empty() && !inPlayersFolder && isCompleteGameFolder(currentFolder)) return currentFolder;

    if (player.empty()) {
        tk::logLine("no folder for the game: neither XDG_DATA_HOME nor HOME is an absolute path");
        return std::nullopt;
    }
    const std::vector<std::string> candidates = mediaFolders(programFolder);
    std::string source;
    for (const std::string& c : candidates) {
        if (hasPictures(c)) {
            source = c;
            break;
        }
    }
    if (source.empty()) {
        std::string looked;
        for (const std::string& c : candidates) looked += (looked.empty() ? "" : " and ") + c;
        const bool kept = hasPictures(player);
        tk::logLine("no game media in " + looked + (kept ? "; playing with the copy in " + player : ""));
        if (!kept) return std::nullopt;
        return player;
    }
    for (const std::string& error : tk::refreshFolderCopy(source, player, {"Dati"}, kStampName).errors)
        tk::logLine(error);
    if (!hasPictures(player)) return std::nullopt;
    return player;
}

}  // namespace zirimbo::frontend
