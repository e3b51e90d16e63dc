#include "toolkit/seqfile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

#include "toolkit/log.h"
#include "toolkit/paths.h"
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

// Splits one line into its values: commas separate them except inside double quotes.
void splitLine(const std::string& line, std::vector<std::string>& values) {
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (true) {
        std::size_t j = i;
        while (j < n && isBlank(line[j])) ++j;
        if (j < n && line[j] == '"') {
            // Quoted: everything up to the closing quote; what follows it up to the
            // next comma is ignored.
            const std::size_t close = line.find('"', j + 1);
            if (close == std::string::npos) {
                values.push_back(line.substr(j + 1));
                return;
            }
            values.push_back(line.substr(j + 1, close - j - 1));
            const std::size_t comma = line.find(',', close + 1);
            if (comma == std::string::npos) return;
            i = comma + 1;
        } else {
            const std::size_t comma = line.find(',', i);
            values.push_back(trimBlanks(line.substr(i, comma == std::string::npos ? std::string::npos : comma - i)));
            if (comma == std::string::npos) return;
            i = comma + 1;
        }
    }
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

std::optional<std::vector<std::string>> readValues(const std::string& mixedPath) {
    const std::string path = resolvePath(mixedPath);
    std::error_code ec;
    if (path.empty() || fs::is_directory(path, ec)) return std::nullopt;

    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, got);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) return std::nullopt;

    // Line ends, commas and quotes are ASCII and look the same after conversion.
    const std::string text = cp1252ToUtf8(bytes);
    std::vector<std::string> values;
    std::size_t start = 0;
    while (start < text.size()) {
        // A line ends at CR LF, LF, or a lone CR; a last line without an end counts too.
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            splitLine(text.substr(start), values);
            break;
        }
        splitLine(text.substr(start, end - start), values);
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return values;
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

bool SequentialWriter::commit() {
    const fs::path target = resolvePath(path_);
    if (target.empty() || !target.has_filename()) {
        logLine("cannot save " + path_ + ": not a file name");
        return false;
    }
    if (!ok_) logLine("saving " + target.string() + ": characters outside the code page written as '?'");

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string tempName = ".";
    tempName.append(target.filename().string()).append(".tmp-").append(std::to_string(::getpid()));
    const fs::path temp = folder / tempName;

    const auto fail = [&](const char* what) {
        logLine("cannot save " + target.string() + ": " + what + ": " + std::strerror(errno));
        std::error_code ec;
        fs::remove(temp, ec);
        return false;
    };

    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return fail("create");
    const bool written = std::fwrite(bytes_.data(), 1, bytes_.size(), f) == bytes_.size() &&
                         std::fflush(f) == 0 && ::fsync(::fileno(f)) == 0;
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

}  // namespace tk
