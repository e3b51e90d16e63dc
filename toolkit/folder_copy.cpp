#include "toolkit/folder_copy.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

#include "toolkit/paths.h"
#include "toolkit/seqfile.h"

namespace fs = std::filesystem;

namespace tk {

namespace {

// Flushes a file or a folder to disk; best effort.
void syncPath(const fs::path& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Puts `temp` in place as `final` unless `final` is there already, which counts as
// done: by a link where the file system has them, else by a rename that refuses to
// replace. False with the reason in `error` when neither could.
bool placeWithoutReplacing(const fs::path& temp, const fs::path& final, std::string& error) {
    if (::link(temp.c_str(), final.c_str()) == 0 || errno == EEXIST) return true;
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, final.c_str(), RENAME_NOREPLACE) == 0 || errno == EEXIST)
        return true;
    error = std::strerror(errno);
    return false;
}

// True when the two files hold the same bytes.
bool sameBytes(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    const auto size = fs::file_size(a, ec);
    if (ec || fs::file_size(b, ec) != size || ec) return false;
    std::ifstream ia(a, std::ios::binary), ib(b, std::ios::binary);
    if (!ia || !ib) return false;
    char ba[1 << 16], bb[1 << 16];
    while (ia && ib) {
        ia.read(ba, sizeof ba);
        ib.read(bb, sizeof bb);
        if (ia.gcount() != ib.gcount() || std::memcmp(ba, bb, static_cast<std::size_t>(ia.gcount())) != 0) return false;
    }
    return ia.eof() && ib.eof();
}

// A path of the record that may be cleared: relative, without "." or "..", and not
// in the data folder, which an earlier version copied once and left to the user.
bool clearable(const fs::path& relative) {
    if (relative.empty() || relative.is_absolute() || !relative.has_parent_path()) return false;
    for (const fs::path& part : relative)
        if (part == "." || part == ".." || part.empty()) return false;
    return foldCase(relative.begin()->string()) != "dati";
}

// Why `folder` cannot be made into a folder: the first of the paths leading to it
// that is a link to nothing or not a folder, or else the system's reason.
std::string whyNoFolder(const fs::path& folder, const std::error_code& failure) {
    fs::path at;
    for (const fs::path& part : folder) {
        at /= part;
        std::error_code ec;
        const fs::file_status own = fs::symlink_status(at, ec);
        if (own.type() == fs::file_type::not_found) break;  // made as it should be
        if (ec) return at.string() + ": " + ec.message();
        if (fs::is_symlink(own)) {
            const fs::path to = fs::read_symlink(at, ec);
            const std::string link =
                at.string() + " is a link to " + (at.parent_path() / to).lexically_normal().string();
            const fs::file_status reached = fs::status(at, ec);
            if (reached.type() == fs::file_type::not_found) return link + ", which does not exist";
            if (ec) return link + ": " + ec.message();
            if (!fs::is_directory(reached)) return link + ", which is not a folder";
        } else if (fs::is_regular_file(own)) {
            return at.string() + " is a file, not a folder";
        } else if (!fs::is_directory(own)) {
            return at.string() + " is not a folder";
        }
    }
    return failure ? failure.message() : "not a folder";
}

}  // namespace

SeedResult seedFolder(const std::string& sourceFolder, const std::string& targetFolder) {
    SeedResult result;
    const fs::path source(sourceFolder), target(targetFolder);
    std::error_code ec;
    fs::create_directories(target, ec);
    if (ec || !fs::is_directory(target, ec)) {
        result.errors.push_back("cannot create " + target.string() + ": " + whyNoFolder(target, ec));
        return result;
    }
    std::set<std::string> present;
    for (fs::directory_iterator it(target, ec), end; !ec && it != end; it.increment(ec))
        present.insert(foldCase(it->path().filename().string()));
    if (ec) {
        result.errors.push_back("cannot read " + target.string() + ": " + ec.message());
        return result;
    }

    std::vector<fs::path> files;
    for (fs::directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code kind;
        if (!name.empty() && name.front() != '.' && it->is_regular_file(kind)) files.push_back(it->path());
    }
    if (ec) {
        result.errors.push_back("cannot read " + source.string() + ": " + ec.message());
        return result;
    }
    std::sort(files.begin(), files.end());

    for (const fs::path& file : files) {
        const std::string name = file.filename().string();
        if (present.count(foldCase(name))) continue;
        const fs::path final = target / name;
        // Named as a save names its temporary file, so that one left by a process
        // that ended midway is cleared the same way.
        const fs::path temp = target / temporaryNameFor(name);
        std::string error;
        fs::copy_file(file, temp, fs::copy_options::overwrite_existing, ec);
        if (ec) {
            error = ec.message();
        } else {
            syncPath(temp, 0);
            if (placeWithoutReplacing(temp, final, error)) ++result.seeded;
        }
        fs::remove(temp, ec);
        if (!error.empty())
            result.errors.push_back("cannot copy " + file.string() + " to " + final.string() + ": " + error);
    }
    if (result.seeded > 0) syncPath(target, O_DIRECTORY);
    return result;
}

OldCopyResult removeUnchangedCopy(const std::string& sourceFolder, const std::string& targetFolder,
                                  const std::string& stampName) {
    OldCopyResult result;
    const fs::path source(sourceFolder), target(targetFolder), stampFile = target / stampName;
    std::error_code ec;
    if (!fs::is_regular_file(fs::symlink_status(stampFile, ec)) || !fs::is_directory(source, ec) ||
        fs::equivalent(source, target, ec))
        return result;

    // The record is written after the copies it lists.
    const fs::file_time_type recorded = fs::last_write_time(stampFile, ec);
    if (ec) return result;
    // The folders the record names something in, deepest first, so that a folder is
    // looked at after what it holds.
    std::set<fs::path, std::greater<>> folders;
    // The record's lines naming a copy that could not be removed, to be tried again.
    std::vector<std::string> again;
    std::ifstream in(stampFile, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        const std::size_t tab = line.find('\t');
        const fs::path relative = fs::path(line.substr(0, tab)).lexically_normal();
        if (!clearable(relative) || tab == std::string::npos) continue;
        const std::string size = line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1);
        const fs::path original = source / relative;
        // An interrupted copy of the earlier version left its half-made folders beside the finished one.
        const std::string top = relative.begin()->string();
        const fs::path below = relative.lexically_relative(top);
        bool failed = false;
        for (const fs::path& copy :
             {target / relative, target / ("." + top + ".part") / below, target / ("." + top + ".old") / below}) {
            // Only in real folders of the target: not through a link to somewhere else.
            bool inRealFolders = true;
            for (fs::path up = copy.parent_path(); up != target && up.has_relative_path(); up = up.parent_path()) {
                folders.insert(up);
                inRealFolders = inRealFolders && fs::is_directory(fs::symlink_status(up, ec));
            }
            if (!inRealFolders || !fs::is_regular_file(fs::symlink_status(copy, ec))) continue;
            // The game's own copy: as the record left it (its size, and not written
            // since), whether or not the game still ships a file of that name; or else
            // byte for byte what is shipped now.
            const bool asRecorded = std::to_string(fs::file_size(copy, ec)) == size && !ec &&
                                    fs::last_write_time(copy, ec) <= recorded && !ec;
            if (fs::equivalent(copy, original, ec) ||
                (!asRecorded && !(fs::is_regular_file(original, ec) && sameBytes(copy, original)))) {
                result.kept.push_back(copy.string());
            } else if (fs::remove(copy, ec)) {
                ++result.removed;
            } else if (ec) {
                result.errors.push_back("cannot remove " + copy.string() + ": " + ec.message());
                failed = true;
            }
        }
        if (failed) again.push_back(line);
    }
    in.close();
    for (const fs::path& folder : folders) ::rmdir(folder.c_str());  // only an empty one goes
    const fs::path part = target / ("." + stampName + ".part");
    fs::remove(part, ec);
    if (again.empty()) {
        if (!fs::remove(stampFile, ec) && ec)
            result.errors.push_back("cannot remove " + stampFile.string() + ": " + ec.message());
        return result;
    }
    // What could not be removed is tried again next time, and only that: the record
    // keeps its lines, and its time.
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        for (const std::string& line : again) out << line << '\n';
        out.close();
        if (!out) {
            fs::remove(part, ec);
            return result;
        }
    }
    fs::last_write_time(part, recorded, ec);
    if (!ec) fs::rename(part, stampFile, ec);
    if (ec) fs::remove(part, ec);
    return result;
}

}  // namespace tk
