// Thousands of damaged copies of the game folder's pictures, sounds and music
// through the real decoders: none may crash or hang the game, and what still
// decodes comes back as a usable picture or sound. ZIRIMBO_FUZZ_ITERATIONS sets
// the number of copies per kind of media.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include "frontend/media_loader.h"
#include "frontend/sdl_audio.h"
#include "mutations.h"

namespace fs = std::filesystem;
using render_test::Bytes;
using zirimbo::frontend::kMaxPictureSide;
using zirimbo::frontend::PictureKind;

namespace {

constexpr int kCopiesInCi = 2000;

// The game folder's files with this extension, at most `limit` of them, only those of
// `folder` when one is named.
std::vector<Bytes> gameMedia(const std::string& extension, std::size_t limit = 1000, const std::string& folder = "") {
    std::vector<Bytes> files;
    for (const fs::path& p : render_test::gameFiles(extension))
        if (files.size() < limit && (folder.empty() || p.parent_path().filename() == folder))
            files.push_back(render_test::readBytes(p));
    return files;
}

// A sound decoded and started; false when it was refused.
bool playSound(const Bytes& b) {
    Mix_Chunk* c = zirimbo::frontend::decodeSound(b);
    if (!c) return false;
    Mix_PlayChannel(0, c, 0);
    Mix_HaltChannel(0);
    Mix_FreeChunk(c);
    return true;
}

// The checksum of each whole Ogg page set to its bytes: damage that a tool wrote, which
// the Ogg layer then passes on to the Vorbis decoder instead of dropping the page.
Bytes withPageChecksums(Bytes b) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i << 24;
            for (int k = 0; k < 8; ++k) c = c & 0x80000000u ? (c << 1) ^ 0x04C11DB7u : c << 1;
            t[i] = c;
        }
        return t;
    }();
    for (std::size_t at = 0; at + 27 <= b.size() &&
                             std::equal(b.begin() + std::ptrdiff_t(at), b.begin() + std::ptrdiff_t(at + 4), "OggS");) {
        std::size_t end = at + 27 + b[at + 26];
        for (std::size_t i = 0; i < b[at + 26] && at + 27 + i < b.size(); ++i) end += b[at + 27 + i];
        if (end > b.size()) break;
        std::fill(b.begin() + std::ptrdiff_t(at + 22), b.begin() + std::ptrdiff_t(at + 26), 0);
        std::uint32_t crc = 0;
        for (std::size_t i = at; i < end; ++i) crc = (crc << 8) ^ table[((crc >> 24) ^ b[i]) & 0xFF];
        for (int i = 0; i < 4; ++i) b[at + 22 + std::size_t(i)] = static_cast<unsigned char>(crc >> (8 * i));
        at = end;
    }
    return b;
}

// Damaged copies, round the originals, each handed to `decode`; how many decoded.
template <class Decode>
int decodeDamaged(const std::vector<Bytes>& originals, Decode decode) {
    int copies = render_test::fuzzIterations(kCopiesInCi), decoded = 0;
    for (int i = 0; i < copies; ++i)
        decoded += decode(render_test::mutate(originals[std::size_t(i) % originals.size()], std::uint32_t(i)));
    return decoded;
}

// A PNG as picture editors write it, with a colour chunk before its pixels.
Bytes pngWithColourChunk() {
    auto be32 = [](Bytes& b, std::uint32_t v) {
        for (int i = 3; i >= 0; --i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
    };
    auto chunk = [&](Bytes& out, const char* type, const Bytes& data) {
        static const auto table = [] {
            std::array<std::uint32_t, 256> t{};
            for (std::uint32_t i = 0; i < 256; ++i) {
                std::uint32_t c = i;
                for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
                t[i] = c;
            }
            return t;
        }();
        Bytes body(type, type + 4);
        body.insert(body.end(), data.begin(), data.end());
        std::uint32_t crc = 0xFFFFFFFFu;
        for (unsigned char c : body) crc = table[(crc ^ c) & 0xFF] ^ (crc >> 8);
        be32(out, std::uint32_t(data.size()));
        out.insert(out.end(), body.begin(), body.end());
        be32(out, ~crc);
    };
    // 24 x 16 pixels, stored without compression in one zlib block.
    Bytes rows;
    for (int y = 0; y < 16; ++y) {
        rows.push_back(0);
        for (int x = 0; x < 24; ++x) rows.insert(rows.end(), {Uint8(x * 10), 0, Uint8(y * 15), 0xFF});
    }
    Bytes header, chroma, pixels = {0x78,
                                    0x01,
                                    0x01,
                                    Uint8(rows.size()),
                                    Uint8(rows.size() >> 8),
                                    Uint8(~rows.size()),
                                    Uint8(~rows.size() >> 8)};
    be32(header, 24), be32(header, 16), header.insert(header.end(), {8, 6, 0, 0, 0});
    for (std::uint32_t v : {31270u, 32900u, 64000u, 33000u, 30000u, 60000u, 15000u, 6000u}) be32(chroma, v);
    pixels.insert(pixels.end(), rows.begin(), rows.end());
    std::uint32_t a = 1, b = 0;  // Adler-32
    for (unsigned char c : rows) a = (a + c) % 65521, b = (b + a) % 65521;
    be32(pixels, b << 16 | a);
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    chunk(png, "IHDR", header);
    chunk(png, "cHRM", chroma);
    chunk(png, "IDAT", pixels);
    chunk(png, "IEND", {});
    return png;
}

// `body` run in a child process whose error output is counted here: a decoder
// that loops for good, or writes without end, is stopped rather than hanging
// the test.
struct ChildRun {
    bool ended = false, passed = false;
    std::string log;  // the first part of it
    std::size_t logLines = 0;
};
ChildRun runGuarded(std::chrono::seconds limit, const std::function<bool()>& body) {
    constexpr std::size_t kLogLimit = 1 << 20;
    int out[2];
    if (pipe(out) != 0) return {};
    std::fflush(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], 2);
        close(out[0]);
        _exit(body() ? 0 : 1);
    }
    close(out[1]);
    ChildRun run;
    std::size_t bytes = 0;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    bool closed = false;
    while (!closed && bytes <= kLogLimit && std::chrono::steady_clock::now() < deadline) {
        pollfd p{out[0], POLLIN, 0};
        if (poll(&p, 1, 50) <= 0) continue;
        char buf[4096];
        ssize_t n = read(out[0], buf, sizeof buf);
        if (n <= 0)
            closed = true;
        else
            bytes += std::size_t(n), run.logLines += std::size_t(std::count(buf, buf + n, '\n'));
        if (n > 0 && run.log.size() < 4096) run.log.append(buf, std::size_t(n));
    }
    // The child closes its output by ending: a moment to see it gone, else it is stopped.
    int status = 0;
    pid_t gone = 0;
    for (int i = 0; i < 40 && closed && (gone = waitpid(pid, &status, WNOHANG)) == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    close(out[0]);
    if (gone != pid) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return run;
    }
    run.ended = true;
    run.passed = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

// Pictures become textures on a software renderer, as in the game.
struct PictureFuzz : ::testing::Test {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        window = SDL_CreateWindow("fuzz", 0, 0, 64, 64, SDL_WINDOW_HIDDEN);
        ASSERT_NE(window, nullptr);
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
        ASSERT_NE(renderer, nullptr);
    }
    void TearDown() override {
        if (renderer) SDL_DestroyRenderer(renderer);
        if (window) SDL_DestroyWindow(window);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    bool draw(const Bytes& b, PictureKind kind) {
        SDL_Surface* s = zirimbo::frontend::decodePicture(b, kind);
        if (!s) return false;
        EXPECT_TRUE(s->w > 0 && s->h > 0 && s->w <= kMaxPictureSide && s->h <= kMaxPictureSide);
        SDL_Texture* t = SDL_CreateTextureFromSurface(renderer, s);
        SDL_FreeSurface(s);
        if (t) {
            SDL_RenderCopy(renderer, t, nullptr, nullptr);
            SDL_DestroyTexture(t);
        }
        return true;
    }
    void fuzz(const std::vector<Bytes>& originals, PictureKind kind) {
        ASSERT_FALSE(originals.empty());
        for (const Bytes& b : originals) ASSERT_TRUE(draw(b, kind));
        int drawn = decodeDamaged(originals, [&](const Bytes& b) { return draw(b, kind); });
        EXPECT_GT(drawn, 0) << "every damaged copy refused: the decoder was never reached";
        RecordProperty("decoded", drawn);
    }
};

struct SoundFuzz : ::testing::Test {
    std::unique_ptr<tk::AudioBackend> audio;
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        audio = zirimbo::frontend::SdlAudio::openAudio();
        if (!dynamic_cast<zirimbo::frontend::SdlAudio*>(audio.get())) GTEST_SKIP() << "no audio device here";
    }
    static bool play(Mix_Music* m) {
        if (!m) return false;
        if (Mix_PlayMusic(m, 0) == 0) SDL_Delay(30);  // long enough for the player to read the piece
        Mix_HaltMusic();
        Mix_FreeMusic(m);
        return true;
    }
};

}  // namespace

TEST_F(PictureFuzz, DamagedGifs) { fuzz(gameMedia(".gif"), PictureKind::Gif); }

TEST_F(PictureFuzz, DamagedJpegs) { fuzz(gameMedia(".jpg"), PictureKind::Jpeg); }

// The game's pictures are GIFs and JPEGs. Bytes of another kind under such a name
// (PNG above all, whose decoder loops for good on some damaged files) are a
// damaged picture: nothing drawn, one line in the log, and the game goes on.
TEST_F(PictureFuzz, PicturesOfAnotherKindUnderTheGamesNames) {
    const Bytes png = pngWithColourChunk();
    std::vector<Bytes> pngs = {png};
    for (std::size_t n = 0; n < png.size(); ++n) pngs.emplace_back(png.begin(), png.begin() + std::ptrdiff_t(n));
    for (int i = 0; i < render_test::fuzzIterations(kCopiesInCi); ++i)
        pngs.push_back(render_test::mutate(png, std::uint32_t(i)));

    render_test::ScratchFolder scratch;
    std::vector<fs::path> files;
    for (const char* ext : {".gif", ".jpg"})
        for (std::size_t i = 0; i < pngs.size(); ++i)
            files.push_back(scratch.write("png" + std::to_string(i) + ext, pngs[i]));
    files.push_back(scratch.write("gif.jpg", gameMedia(".gif", 1).front()));
    files.push_back(scratch.write("jpeg.gif", gameMedia(".jpg", 1).front()));

    const ChildRun run = runGuarded(std::chrono::seconds(30), [&] {
        int drawn = 0;
        for (const fs::path& f : files)
            if (SDL_Surface* s = zirimbo::frontend::loadPicture(f.string())) ++drawn, SDL_FreeSurface(s);
        return drawn == 0;
    });
    ASSERT_TRUE(run.ended) << "the loader hung or wrote without end (" << run.logLines << " lines); its log began:\n"
                           << run.log.substr(0, 800);
    EXPECT_TRUE(run.passed) << "a picture of another kind was drawn";
    EXPECT_EQ(run.logLines, files.size()) << run.log.substr(0, 400);
    EXPECT_EQ(run.log.rfind("zirimbo: damaged file: ", 0), 0u) << run.log.substr(0, 400);
    RecordProperty("variants", int(files.size()));
}

TEST_F(SoundFuzz, DamagedWavs) {
    std::vector<Bytes> originals = gameMedia(".wav", 12);
    ASSERT_FALSE(originals.empty());
    int loaded = decodeDamaged(originals, playSound);
    EXPECT_GT(loaded, 0);
    RecordProperty("decoded", loaded);
}

// The voices, Ogg Vorbis decoded whole when they are loaded; every other copy with its
// pages' checksums made to match.
TEST_F(SoundFuzz, DamagedVoices) {
    std::vector<Bytes> originals;
    for (const char* character : {"Bob", "Giorgetto", "Carla"})
        for (Bytes& b : gameMedia(".ogg", 4, character)) originals.push_back(std::move(b));
    ASSERT_EQ(originals.size(), 12u);
    for (const Bytes& b : originals) ASSERT_EQ(withPageChecksums(b), b);
    int copy = 0;
    int loaded =
        decodeDamaged(originals, [&](const Bytes& b) { return playSound(copy++ % 2 ? withPageChecksums(b) : b); });
    EXPECT_GT(loaded, 0);
    RecordProperty("decoded", loaded);
}

TEST_F(SoundFuzz, DamagedMidiPieces) {
    std::vector<Bytes> originals = gameMedia(".mid");
    ASSERT_FALSE(originals.empty());
    // Only pieces that pass the structure check ever reach the MIDI player; the
    // player takes a good part of a second to start, so a few of them are played.
    int toPlay = std::max(1, render_test::fuzzIterations(kCopiesInCi) / 400), played = 0;
    int passed = decodeDamaged(originals, [&](const Bytes& b) {
        if (!zirimbo::frontend::midiLooksSound(b)) return false;
        if (played < toPlay && play(zirimbo::frontend::decodeMusic(b))) ++played;
        return true;
    });
    EXPECT_GT(passed, 0);
    RecordProperty("passed", passed);
    if (played == 0) GTEST_SKIP() << "no MIDI player available: " << Mix_GetError();
}

TEST_F(SoundFuzz, DamagedOggPieces) {
    std::vector<Bytes> originals = gameMedia(".ogg", 4, "Musiche");
    if (originals.empty()) GTEST_SKIP() << "no Ogg piece in the game folder";
    // Every copy goes through the loader; a play runs in real time and decodes only the
    // first moments, which most damage lies beyond, so one loaded copy in four is played.
    int loaded = 0;
    decodeDamaged(originals, [&](const Bytes& b) {
        Mix_Music* m = zirimbo::frontend::decodeMusic(b);
        if (!m) return false;
        if (loaded++ % 4 == 0) return play(m);
        Mix_FreeMusic(m);
        return true;
    });
    RecordProperty("decoded", loaded);
}
