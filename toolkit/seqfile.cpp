#include "toolkit/seqfile.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "toolkit/log.h"
#include "toolkit/paths.h"
#include "toolkit/regular_file.h"
#include "toolkit/text.h"

namespace fs = std::filesystem;

namespace tk {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string trimBlanks(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

// The value of one line: see readValues.
std::string lineValue(const std::string& line) {
    const std::string t = trimBlanks(line);
    if (t.empty() || t[0] != '"') return t;
    if (t.size() >= 2 && t.back() == '"') return t.substr(1, t.size() - 2);
    return line.substr(line.find('"') + 1);
}

// The bytes of one piece of text in the code page: characters it cannot hold
// become '?'. False when any did.
bool toCodePage(const std::string& utf8, std::string& out) {
    bool exact = true;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t len = 1;
        if (lead >= 0xF0) {
            len = 4;
        } else if (lead >= 0xE0) {
            len = 3;
        } else if (lead >= 0xC0) {
            len = 2;
        }
        std::size_t end = i + 1;
        while (end < utf8.size() && end < i + len && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
        if (auto bytes = utf8ToCp1252(utf8.substr(i, end - i))) {
            out += *bytes;
        } else {
            out += '?';
            exact = false;
        }
        i = end;
    }
    return exact;
}

// Makes the directory entry of a rename durable; best effort.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    if (::fsync(fd) != 0) logLine("could not flush folder " + folder.string() + ": " + std::strerror(errno));
    ::close(fd);
}

}  // namespace

FileValues readValues(const std::string& mixedPath) {
    FileValues result;
    const std::string path = resolvePath(mixedPath);
    if (path.empty()) return result;
    const FileBytes file = readRegularFile(path, kMaxValueFileBytes);
    if (file.status != FileBytes::Read) {
        if (file.status == FileBytes::Refused) {
            result.status = FileValues::Refused;
            result.problem = file.problem;
        }
        return result;
    }
    result.status = FileValues::Read;
    result.bytes = file.bytes;

    // Line ends and quotes are ASCII and look the same after conversion. A byte-order
    // mark left by an editor saving in UTF-8 is not text of the file.
    const std::string_view bom = "\xEF\xBB\xBF";
    const bool marked = file.bytes.compare(0, bom.size(), bom) == 0;
    const std::string text = cp1252ToUtf8(marked ? file.bytes.substr(bom.size()) : file.bytes);
    std::size_t start = 0;
    while (start < text.size()) {
        // A line ends at CR LF, LF, or a lone CR; a last line without an end counts too.
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            result.values.push_back(lineValue(text.substr(start)));
            break;
        }
        result.values.push_back(lineValue(text.substr(start, end - start)));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return result;
}

SequentialWriter::SequentialWriter(std::string mixedPath) : path_(std::move(mixedPath)) {}

void SequentialWriter::writeString(const std::string& utf8Text) {
    // A double quote or a line end inside the text would break the file apart when it
    // is read back: store them as a single quote and a blank.
    std::string text = utf8Text;
    for (char& c : text) {
        if (c == '"') {
            c = '\'';
        } else if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    bytes_ += '"';
    if (!toCodePage(text, bytes_)) ok_ = false;
    bytes_ += "\"\r\n";
}

void SequentialWriter::writeNumber(long value) {
    bytes_ += Str(value);
    bytes_ += "\r\n";
}

std::string temporaryNameFor(const std::string& fileName) {
    return "." + fileName + ".tmp-" + std::to_string(::getpid());
}

bool SequentialWriter::commit() {
    const fs::path target = resolvePath(path_);
    if (target.empty() || !target.has_filename()) {
        logLine("cannot save " + path_ + ": not a file name");
        return false;
    }
    if (!ok_) logLine("saving " + target.string() + ": characters outside the code page written as '?'");

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const fs::path temp = folder / temporaryNameFor(target.filename().string());

    const auto fail = [&](const char* what) {
        logLine("cannot save " + target.string() + ": " + what + ": " + std::strerror(errno));
        std::error_code ec;
        fs::remove(temp, ec);
        return false;
    };

    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return fail("create");
    const bool written = std::fwrite(bytes_.data(), 1, bytes_.size(), f) == bytes_.size() && std::fflush(f) == 0 &&
                         ::fsync(::fileno(f)) == 0;
    if (!written) {
        const int err = errno;
        std::fclose(f);
        errno = err;
        return fail("write");
    }
    if (std::fclose(f) != 0) return fail("close");
    if (std::rename(temp.c_str(), target.c_str()) != 0) return fail("rename");
    syncFolder(folder);
    return true;
}

bool keepDamagedCopy(const std::string& mixedPath, const LocalTime& now) {
    const fs::path file = resolvePath(mixedPath);
    std::error_code ec;
    if (file.empty() || !fs::exists(fs::symlink_status(file, ec))) return true;
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, ".bad-%04d%02d%02d-%02d%02d%02d", now.year, now.month, now.day, now.hour,
                  now.minute, now.second);
    for (int n = 0; n < 100; ++n) {
        fs::path copy = file;
        copy += stamp;
        if (n > 0) copy += "-" + std::to_string(n);
        if (fs::exists(fs::symlink_status(copy, ec))) continue;
        // A link keeps the file where it is too; a folder that cannot hold links gets it moved.
        if (::link(file.c_str(), copy.c_str()) == 0 || std::rename(file.c_str(), copy.c_str()) == 0) {
            logLine(file.string() + ": the damaged file is kept as " + copy.string());
            return true;
        }
        break;
    }
    logLine(file.string() + ": the damaged file cannot be kept aside (" + std::strerror(errno) +
            "); it is not overwritten");
    return false;
}

void removeSaveLeftovers(const std::string& mixedFolder) {
    const fs::path folder = resolvePath(mixedFolder);
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        // ".<file>.tmp-<process number>", as commit() names them, of a process that has ended.
        const std::string name = it->path().filename().string();
        const std::size_t mark = name.rfind(".tmp-");
        if (name.size() < 2 || name[0] != '.' || mark == std::string::npos || mark < 2) continue;
        const std::string pid = name.substr(mark + 5);
        if (pid.empty() || pid.size() > 9 || pid.find_first_not_of("0123456789") != std::string::npos) continue;
        if (!it->is_regular_file(ec) || it->is_symlink(ec)) continue;
        const long owner = Val(pid);
        if (owner == ::getpid() || ::kill(static_cast<pid_t>(owner), 0) == 0 || errno == EPERM) continue;
        std::error_code removed;
        if (fs::remove(it->path(), removed)) logLine("removed " + it->path().string() + ", left by a save cut short");
    }
}

void keepRunningPastFileSizeLimit() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace tk
