// Damaged copies of a media file, made deterministically from a seed: a few bytes
// changed, the end cut off, bytes inserted or removed, or a length field set to a
// value that points past the data; the generated game folder's media to start
// from, and a scratch folder to write the copies into.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"

namespace render_test {

using Bytes = std::vector<unsigned char>;

// The generated game folder's files with this extension, in any letter case.
inline std::vector<std::filesystem::path> gameFiles(const std::string& extension) {
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(ZIRIMBO_GAME_FOLDER)) {
        std::string ext = e.path().extension().string();
        for (auto& c : ext) c = char(std::tolower(static_cast<unsigned char>(c)));
        if (e.is_regular_file() && ext == extension) files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// A scratch folder to write the damaged copies into.
struct ScratchFolder {
    scratch::Folder folder{"zirimbo_media"};
    std::filesystem::path dir = folder.path();
    std::filesystem::path write(const std::string& name, const std::vector<unsigned char>& b) const {
        std::filesystem::path p = dir / name;
        std::ofstream f(p, std::ios::binary);
        f.write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
        return p;
    }
};

inline Bytes readBytes(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), {});
}

// Changes 1 to 8 bytes, each to a value drawn from the seed.
inline Bytes flipBytes(Bytes b, std::uint32_t seed) {
    std::mt19937 rng(seed);
    if (b.empty()) return b;
    int n = 1 + int(rng() % 8);
    for (int i = 0; i < n; ++i) b[rng() % b.size()] = static_cast<unsigned char>(rng() & 0xFF);
    return b;
}

// One of five kinds of damage, chosen by the seed.
inline Bytes mutate(Bytes b, std::uint32_t seed) {
    std::mt19937 rng(seed * 2654435761u + 1);
    if (b.size() < 16) return b;
    auto pos = [&] { return std::size_t(rng() % b.size()); };
    switch (rng() % 5) {
        case 0: return flipBytes(std::move(b), seed);
        case 1:  // cut short
            b.resize(pos());
            return b;
        case 2: {  // bytes inserted
            std::size_t at = pos(), n = 1 + rng() % 64;
            Bytes extra(n);
            for (auto& c : extra) c = static_cast<unsigned char>(rng() & 0xFF);
            b.insert(b.begin() + std::ptrdiff_t(at), extra.begin(), extra.end());
            return b;
        }
        case 3: {  // bytes removed
            std::size_t at = pos(), n = std::min<std::size_t>(1 + rng() % 64, b.size() - at);
            b.erase(b.begin() + std::ptrdiff_t(at), b.begin() + std::ptrdiff_t(at + n));
            return b;
        }
        default: {  // a length or size field overwritten, in either byte order
            static const std::uint32_t kValues[] = {0,      1,       0x7F,       0x80,        0xFF,
                                                    0xFFFF, 0x10000, 0x7FFFFFFF, 0x80000000u, 0xFFFFFFFFu};
            std::uint32_t v = kValues[rng() % std::size(kValues)];
            std::size_t at = pos() & ~std::size_t(1);
            if (at + 4 > b.size()) at = b.size() - 4;
            bool bigEndian = rng() % 2;
            for (int i = 0; i < 4; ++i)
                b[at + std::size_t(i)] = static_cast<unsigned char>(v >> (8 * (bigEndian ? 3 - i : i)));
            return b;
        }
    }
}

// The number of damaged copies per kind of media: ZIRIMBO_FUZZ_ITERATIONS when set.
inline int fuzzIterations(int fallback) {
    const char* s = std::getenv("ZIRIMBO_FUZZ_ITERATIONS");
    int n = s ? std::atoi(s) : 0;
    return n > 0 ? n : fallback;
}

}  // namespace render_test
