#include "frontend/game_folder.h"

#include <fcntl.h>
#include <unistd.h>

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
const char* const kNoPlayersFolder = "neither XDG_DATA_HOME nor HOME is an absolute path";

bool hasPictures(const std::string& folder) {
    std::error_code ec;
    return !folder.empty() && fs::is_directory(tk::resolvePath(folder + "/Grafica"), ec);
}

// The path with links followed and without "." or "..", as far as it exists.
std::string realPath(const std::string& path) {
    if (path.empty()) return path;
    std::error_code ec;
    const fs::path real = fs::weakly_canonical(path, ec);
    return ec ? fs::path(path).lexically_normal().string() : real.string();
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

bool canWriteFolder(const std::string& folder) {
    std::error_code ec;
    return fs::is_directory(folder, ec) && ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

GameFolderPlan planGameFolder(const std::string& currentFolder, const std::string& programFolder,
                              const char* xdgDataHome, const char* home, const WritableCheck& canWrite) {
    GameFolderPlan plan;
    plan.player = playerGameFolder(xdgDataHome, home);
    plan.lookedIn = mediaFolders(programFolder);
    const std::string playersData = plan.player.empty() ? "" : (fs::path(plan.player) / "Dati").string();
    std::error_code ec;
    std::string source;
    // The player's own folder may be a complete game folder an earlier version
    // copied: started there, the game still reads the shipped media.
    const bool inPlayersFolder = !plan.player.empty() && fs::equivalent(currentFolder, plan.player, ec);
    if (!currentFolder.empty() && !inPlayersFolder && isCompleteGameFolder(currentFolder)) {
        // The folder the media are built or installed in is never the player's,
        // nor one whose data files this user cannot write.
        bool shipped = false;
        for (const std::string& folder : plan.lookedIn) shipped = shipped || fs::equivalent(currentFolder, folder, ec);
        const std::string own = tk::resolvePath(currentFolder + "/Dati");
        if (!shipped && canWrite(own)) {
            plan.media = currentFolder;
            plan.data = own;
            return plan;
        }
        source = currentFolder;
        if (!shipped)
            plan.message =
                "cannot write the data files in " + own +
                (plan.player.empty() ? std::string(", and there is no folder for the player's own: ") + kNoPlayersFolder
                                     : "; playing with the media there and the data files in " + playersData);
    }
    if (plan.player.empty() && plan.message.empty())
        plan.message = std::string("no folder for the game: ") + kNoPlayersFolder;

    for (const std::string& folder : plan.lookedIn) {
        if (!source.empty()) break;
        if (hasPictures(folder)) source = folder;
    }
    if (plan.player.empty()) {
        plan.media = source;  // told, not played with
        return plan;
    }
    if (source.empty()) {
        std::string looked;
        for (const std::string& folder : plan.lookedIn) looked += (looked.empty() ? "" : " and ") + folder;
        const bool kept = hasPictures(plan.player);
        plan.message = "no game media in " + looked + (kept ? "; playing with the copy in " + plan.player : "");
        if (kept) plan.media = plan.player;
        plan.data = kept ? tk::resolvePath(plan.player + "/Dati") : playersData;
        return plan;
    }
    plan.media = source;
    if (fs::equivalent(source, plan.player, ec)) {
        plan.data = tk::resolvePath(source + "/Dati");
        return plan;
    }
    plan.data = playersData;
    plan.seedFrom = tk::resolvePath(source + "/Dati");
    return plan;
}

HelpFolders helpFolders(const std::string& currentFolder, const std::string& programFolder, const char* xdgDataHome,
                        const char* home) {
    const GameFolderPlan plan = planGameFolder(currentFolder, programFolder, xdgDataHome, home);
    HelpFolders where{realPath(plan.media), {}, realPath(plan.data)};
    for (const std::string& folder : plan.lookedIn) where.lookedIn.push_back(realPath(folder));
    return where;
}

std::optional<GameFolder> prepareGameFolder(const std::string& currentFolder, const std::string& programFolder,
                                            const char* xdgDataHome, const char* home, const WritableCheck& canWrite) {
    const GameFolderPlan plan = planGameFolder(currentFolder, programFolder, xdgDataHome, home, canWrite);
    if (!plan.message.empty()) tk::logLine(plan.message);
    if (plan.media.empty() || plan.data.empty()) return std::nullopt;
    if (plan.seedFrom.empty()) return GameFolder{plan.media, ""};

    const tk::SeedResult seeded = tk::seedFolder(plan.seedFrom, plan.data);
    std::error_code ec;
    if (!fs::is_directory(plan.data, ec)) {
        // Without it nothing of the player's could be read or kept: the one line says why.
        tk::logLine(seeded.errors.empty() ? "cannot create " + plan.data : seeded.errors.front());
        return std::nullopt;
    }
    for (const std::string& error : seeded.errors) tk::logLine(error);

    const tk::OldCopyResult old = tk::removeUnchangedCopy(plan.media, plan.player, kStampName);
    const std::string report = oldCopyReport(old, plan.player, plan.media);
    if (!report.empty()) tk::logLine(report);
    if (!old.errors.empty())
        tk::logLine(old.errors.front() +
                    (old.errors.size() > 1 ? " (and " + std::to_string(old.errors.size() - 1) + " more)" : "") +
                    "; tried again at the next start");
    return GameFolder{plan.media, plan.data};
}

}  // namespace zirimbo::frontend
