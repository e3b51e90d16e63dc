// Thousands of damaged copies of the game folder's pictures, sounds and music
// through the real decoders: none may crash or hang the game, and what still
// decodes comes back as a usable picture or sound. ZIRIMBO_FUZZ_ITERATIONS sets
// the number of copies per kind of media.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "mutations.h"
#include "frontend/media_loader.h"
#include "frontend/sdl_audio.h"

namespace fs = std::filesystem;
using render_test::Bytes;
using zirimbo::frontend::kMaxPictureSide;

namespace {

constexpr int kCopiesInCi = 2000;

// The game folder's files with this extension, at most `limit` of them.
std::vector<Bytes> gameMedia(const std::string& extension, std::size_t limit = 1000) {
    std::vector<Bytes> files;
    for (const fs::path& p : render_test::gameFiles(extension))
        if (files.size() < limit) files.push_back(render_test::readBytes(p));
    return files;
}

// Damaged copies, round the originals, each handed to `decode`; how many decoded.
template <class Decode>
int decodeDamaged(const std::vector<Bytes>& originals, Decode decode) {
    int copies = render_test::fuzzIterations(kCopiesInCi), decoded = 0;
    for (int i = 0; i < copies; ++i)
        decoded += decode(render_test::mutate(originals[std::size_t(i) % originals.size()], std::uint32_t(i)));
    return decoded;
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
    bool draw(const Bytes& b) {
        SDL_Surface* s = zirimbo::frontend::decodePicture(b);
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
    void fuzz(const std::vector<Bytes>& originals) {
        ASSERT_FALSE(originals.empty());
        for (const Bytes& b : originals) ASSERT_TRUE(draw(b));
        int drawn = decodeDamaged(originals, [&](const Bytes& b) { return draw(b); });
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

TEST_F(PictureFuzz, DamagedGifs) { fuzz(gameMedia(".gif")); }

TEST_F(PictureFuzz, DamagedJpegs) { fuzz(gameMedia(".jpg")); }

TEST_F(PictureFuzz, DamagedPngs) {
    // No PNG in the game folder: a small one with see-through pixels.
    render_test::ScratchFolder scratch;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 24, 16, 32, SDL_PIXELFORMAT_ARGB8888);
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x)
            static_cast<Uint32*>(s->pixels)[y * s->pitch / 4 + x] = Uint32(x * 10) << 24 | Uint32(y * 15) << 8 | 0xFF;
    fs::path png = scratch.dir / "prova.png";
    ASSERT_EQ(IMG_SavePNG(s, png.c_str()), 0);
    SDL_FreeSurface(s);
    fuzz({render_test::readBytes(png)});
}

TEST_F(SoundFuzz, DamagedWavs) {
    std::vector<Bytes> originals = gameMedia(".wav", 12);
    ASSERT_FALSE(originals.empty());
    int loaded = decodeDamaged(originals, [](const Bytes& b) {
        Mix_Chunk* c = zirimbo::frontend::decodeSound(b);
        if (!c) return false;
        Mix_PlayChannel(0, c, 0);
        Mix_HaltChannel(0);
        Mix_FreeChunk(c);
        return true;
    });
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
    std::vector<Bytes> originals = gameMedia(".ogg", 4);
    if (originals.empty()) GTEST_SKIP() << "no Ogg piece in the game folder";
    int loaded = decodeDamaged(originals, [](const Bytes& b) { return play(zirimbo::frontend::decodeMusic(b)); });
    RecordProperty("decoded", loaded);
}
