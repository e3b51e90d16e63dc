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

const char* const kGameFolders[] = {"Bob",     "Carla",   "Dati",   "Fumetti", "Giorgetto",
                                    "Grafica", "Musiche", "Pedine", "Rumori"};
// The record of the media an earlier version copied into the player's folder.
const char* const kStampName = ".media-stamp";

bool hasPictures(const std::string& folder) {
    std::error_code ec;
    return !folder.empty() && fs::is_directory(tk::resolvePath(folder + "/Grafica"), ec);
}

// What an earlier version's copy of the media in the player's folder came to, in one line.
std::string oldCopyReport(const tk::OldCopyResult& old, const std::string& player, const std::string& media) {
    std::string said;
    if (old.removed > 0)
        said = "removed the earlier copy of the game's media from " + player + " (" + std::to_string(old.removed) +
               " files); they are read from " + media;
    if (!old.kept.empty())
        said += (said.empty() ? "kept " + std::to_string(old.kept.size()) +
                                    " files of the earlier copy of the media in " + player
                              : "; kept " + std::to_string(old.kept.size()) + " files of it") +
                " that are not as the game copied them, such as " + old.kept.front();
    return said;
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

std::optional<GameFolder> prepareGameFolder(const std::string& currentFolder, const std::string& programFolder,
                                            const char* xdgDataHome, const char* home) {
    const std::string player = playerGameFolder(xdgDataHome, home);
    // The player's own folder may be a complete game folder an earlier version
    // copied: started there, the game still reads the shipped media.
    std::error_code ec;
    const bool inPlayersFolder = !player.empty() && fs::equivalent(currentFolder, player, ec);
    if (!currentFolder.empty() && !inPlayersFolder && isCompleteGameFolder(currentFolder))
        return GameFolder{currentFolder, ""};

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
        return GameFolder{player, ""};
    }
    if (fs::equivalent(source, player, ec)) return GameFolder{source, ""};

    const std::string data = (fs::path(player) / "Dati").string();
    const tk::SeedResult seeded = tk::seedFolder(tk::resolvePath(source + "/Dati"), data);
    if (!fs::is_directory(data, ec)) {
        // Without it nothing of the player's could be read or kept: the one line says why.
        tk::logLine(seeded.errors.empty() ? "cannot create " + data : seeded.errors.front());
        return std::nullopt;
    }
    for (const std::string& error : seeded.errors) tk::logLine(error);
    const tk::OldCopyResult old = tk::removeUnchangedCopy(source, player, kStampName);
    const std::string report = oldCopyReport(old, player, source);
    if (!report.empty()) tk::logLine(report);
    if (!old.errors.empty())
        tk::logLine(old.errors.front() +
                    (old.errors.size() > 1 ? " (and " + std::to_string(old.errors.size() - 1) + " more)" : "") +
                    "; tried again at the next start");
    return GameFolder{source, data};
}

}  // namespace zirimbo::frontend
