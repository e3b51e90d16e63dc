#include "frontend/rendered_music.h"

#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <vector>

#include "toolkit/paths.h"
#include "toolkit/regular_file.h"

namespace zirimbo::frontend {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kHeadBytes = 64 * 1024;  // the comment header lies in the first pages
constexpr std::size_t kLargestMidi = 1 << 20;  // our pieces are a few kilobytes

// The first `limit` bytes of a file.
std::optional<std::string> readHead(const fs::path& p, std::size_t limit) {
    std::ifstream in(p, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(limit, '\0');
    in.read(bytes.data(), std::streamsize(limit));
    bytes.resize(std::size_t(in.gcount()));
    return bytes;
}

std::uint32_t le32(std::string_view s, std::size_t at) {
    return std::uint32_t(std::uint8_t(s[at])) | std::uint32_t(std::uint8_t(s[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(s[at + 2])) << 16 | std::uint32_t(std::uint8_t(s[at + 3])) << 24;
}

// The first `count` packets of the Ogg stream in `head` (whole packets only).
std::vector<std::string> oggPackets(std::string_view head, std::size_t count) {
    std::vector<std::string> packets;
    std::string partial;
    std::size_t at = 0;
    while (packets.size() < count && at + 27 <= head.size()) {
        if (head.substr(at, 4) != "OggS" || head[at + 4] != 0) break;
        std::size_t segments = std::uint8_t(head[at + 26]);
        std::size_t body = at + 27 + segments;
        if (body > head.size()) break;
        for (std::size_t i = 0; i < segments && packets.size() < count; ++i) {
            std::size_t len = std::uint8_t(head[at + 27 + i]);
            if (body + len > head.size()) return packets;
            partial.append(head.substr(body, len));
            body += len;
            if (len < 255) packets.push_back(std::move(partial)), partial.clear();
        }
        at = body;
    }
    return packets;
}

}  // namespace

std::string cksumOf(std::string_view bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i << 24;
            for (int k = 0; k < 8; ++k) c = (c & 0x80000000u) ? (c << 1) ^ 0x04C11DB7u : c << 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0;
    auto add = [&](std::uint8_t b) { crc = (crc << 8) ^ table[((crc >> 24) ^ b) & 0xFF]; };
    for (char c : bytes) add(std::uint8_t(c));
    for (std::uint64_t n = bytes.size(); n != 0; n >>= 8) add(std::uint8_t(n & 0xFF));
    return std::to_string(~crc) + " " + std::to_string(bytes.size());
}

std::optional<std::string> vorbisComment(std::string_view head, std::string_view key) {
    std::vector<std::string> packets = oggPackets(head, 2);
    if (packets.size() < 2) return std::nullopt;
    std::string_view c = packets[1];
    if (c.substr(0, 7) != "\x03vorbis") return std::nullopt;
    std::size_t at = 7;
    auto need = [&](std::size_t n) { return at <= c.size() && n <= c.size() - at; };
    if (!need(4)) return std::nullopt;
    std::size_t vendor = le32(c, at);
    at += 4;
    if (!need(vendor)) return std::nullopt;
    at += vendor;
    if (!need(4)) return std::nullopt;
    std::uint32_t comments = le32(c, at);
    at += 4;
    for (std::uint32_t i = 0; i < comments; ++i) {
        if (!need(4)) return std::nullopt;
        std::size_t len = le32(c, at);
        at += 4;
        if (!need(len)) return std::nullopt;
        std::string_view entry = c.substr(at, len);
        at += len;
        std::size_t eq = entry.find('=');
        if (eq != key.size()) continue;
        bool same = true;  // comment names ignore letter case
        for (std::size_t k = 0; k < eq && same; ++k)
            same = std::toupper(std::uint8_t(entry[k])) == std::toupper(std::uint8_t(key[k]));
        if (same) return std::string(entry.substr(eq + 1));
    }
    return std::nullopt;
}

std::string musicFileFor(const std::string& path) {
    fs::path mid(path);
    if (tk::foldCase(mid.extension().string()) != ".mid") return path;
    fs::path ogg = fs::path(mid).replace_extension(".ogg");
    std::error_code ec;
    if (!fs::is_regular_file(ogg, ec)) return path;
    const tk::FileBytes midi = tk::readRegularFile(mid.string(), kLargestMidi);
    std::optional<std::string> head = readHead(ogg, kHeadBytes);
    if (midi.status != tk::FileBytes::Read || !head) return path;
    std::optional<std::string> madeFrom = vorbisComment(*head, "MIDI_CKSUM");
    return madeFrom && *madeFrom == cksumOf(midi.bytes) ? ogg.string() : path;
}

}  // namespace zirimbo::frontend
