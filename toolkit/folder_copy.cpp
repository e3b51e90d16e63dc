#include "toolkit/folder_copy.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <system_error>

namespace fs = std::filesystem;

namespace tk {

namespace {

// One line per file of `folder`, sorted: its path below `root`, its size and time.
std::vector<std::string> describeSource(const fs::path& root, const std::string& folder, std::error_code& ec) {
    std::vector<std::string> lines;
    fs::recursive_directory_iterator it(root / folder, ec);
    for (const fs::recursive_directory_iterator end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const auto size = it->file_size(ec);
        const auto time = it->last_write_time(ec).time_since_epoch().count();
        if (ec) break;
        lines.push_back(it->path().lexically_relative(root).generic_string() + '\t' + std::to_string(size) + '\t' +
                        std::to_string(time));
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// True when every file a record line names is in `target` with the recorded size.
bool copiesIntact(const fs::path& target, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        const auto tab = line.find('\t');
        const auto tab2 = line.find('\t', tab + 1);
        if (tab == std::string::npos || tab2 == std::string::npos) return false;
        std::error_code ec;
        const auto size = fs::file_size(target / line.substr(0, tab), ec);
        if (ec || std::to_string(size) != line.substr(tab + 1, tab2 - tab - 1)) return false;
    }
    return true;
}

// The record of the last copy, by folder.
std::map<std::string, std::vector<std::string>> readStamp(const fs::path& file) {
    std::map<std::string, std::vector<std::string>> byFolder;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        const auto slash = line.find('/');
        if (slash != std::string::npos && slash > 0) byFolder[line.substr(0, slash)].push_back(line);
    }
    for (auto& [folder, lines] : byFolder) std::sort(lines.begin(), lines.end());
    return byFolder;
}

// Copies source/name to target/name through a folder beside it, replacing an older
// copy only once the new one is complete.
bool copyFolder(const fs::path& source, const fs::path& target, const std::string& name, std::string& error) {
    const fs::path part = target / ("." + name + ".part");
    const fs::path old = target / ("." + name + ".old");
    const fs::path final = target / name;
    std::error_code ec;
    // A swap cut short between its two renames: the old copy goes back first.
    if (!fs::exists(final, ec) && fs::exists(old, ec)) fs::rename(old, final, ec);
    fs::remove_all(part, ec);
    fs::remove_all(old, ec);
    ec.clear();
    fs::copy(source / name, part, fs::copy_options::recursive, ec);
    const bool hadCopy = !ec && fs::exists(final, ec);
    if (!ec && hadCopy) fs::rename(final, old, ec);
    if (!ec) {
        fs::rename(part, final, ec);
        std::error_code back;
        if (ec && hadCopy) fs::rename(old, final, back);
    }
    if (ec) {
        error = "cannot copy " + (source / name).string() + " to " + final.string() + ": " + ec.message();
        fs::remove_all(part, ec);
        return false;
    }
    fs::remove_all(old, ec);
    return true;
}

}  // namespace

FolderCopyResult refreshFolderCopy(const std::string& sourceFolder, const std::string& targetFolder,
                                   const std::vector<std::string>& copyOnce, const std::string& stampName) {
    FolderCopyResult result;
    const fs::path source(sourceFolder), target(targetFolder);
    std::error_code ec;
    fs::create_directories(target, ec);
    if (ec) {
        result.errors.push_back("cannot create " + target.string() + ": " + ec.message());
        return result;
    }

    std::vector<std::string> folders;
    for (fs::directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.empty() && name.front() != '.' && it->is_directory(ec)) folders.push_back(name);
    }
    if (ec) {
        result.errors.push_back("cannot read " + source.string() + ": " + ec.message());
        return result;
    }
    std::sort(folders.begin(), folders.end());

    const fs::path stampFile = target / stampName;
    auto recorded = readStamp(stampFile);
    std::vector<std::string> stamp;
    bool stampChanged = false;
    for (const std::string& folder : folders) {
        std::string error;
        if (std::find(copyOnce.begin(), copyOnce.end(), folder) != copyOnce.end()) {
            if (!fs::exists(target / folder, ec) && !copyFolder(source, target, folder, error))
                result.errors.push_back(error);
            continue;
        }
        std::vector<std::string> lines = describeSource(source, folder, ec);
        if (ec) {
            result.errors.push_back("cannot read " + (source / folder).string() + ": " + ec.message());
            ec.clear();
            stampChanged = true;
            continue;
        }
        const auto was = recorded.find(folder);
        const bool upToDate = was != recorded.end() && was->second == lines && copiesIntact(target, lines);
        if (!upToDate) {
            stampChanged = true;
            if (!copyFolder(source, target, folder, error)) {
                result.errors.push_back(error);
                continue;  // left out of the record: tried again next time
            }
            ++result.refreshed;
        }
        stamp.insert(stamp.end(), lines.begin(), lines.end());
    }

    if (stampChanged) {
        const fs::path part = target / ("." + stampName + ".part");
        {
            std::ofstream out(part, std::ios::binary | std::ios::trunc);
            for (const std::string& line : stamp) out << line << '\n';
            out.flush();
            if (!out) result.errors.push_back("cannot write " + part.string());
        }
        fs::rename(part, stampFile, ec);
        if (ec) result.errors.push_back("cannot write " + stampFile.string() + ": " + ec.message());
    }
    return result;
}

}  // namespace tk
