// Pictures and sounds from the game folder that are damaged, truncated or not
// files at all: each behaves as a missing file and the game goes on.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <gif_lib.h>

#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "frontend/media_loader.h"
#include "frontend/renderer.h"
#include "frontend/sdl_audio.h"
#include "mutations.h"
#include "png_picture.h"
#include "toolkit/controls.h"
#include "toolkit/runtime.h"
#include "toolkit/window.h"

namespace fs = std::filesystem;
using render_test::Bytes;
using render_test::gameFiles;
using render_test::Picture;
using render_test::ScratchFolder;

namespace {

const fs::path kGameFolder = ZIRIMBO_GAME_FOLDER;

}  // namespace

TEST(DamagedPictures, DamagedPawnPicturesDrawAsEmptyCells) {
    ScratchFolder scratch;
    Bytes pawn = render_test::readBytes(kGameFolder / "Pedine" / "R1.gif");
    ASSERT_FALSE(pawn.empty());

    tk::HeadlessRuntime h;
    tk::Window w{h.rt, "frmProva"};
    w.setBackColor(0xFFFFFF);
    std::vector<std::unique_ptr<tk::Image>> cells;
    auto cell = [&](int i, const fs::path& picture) {
        cells.push_back(std::make_unique<tk::Image>(w, "imgCella" + std::to_string(i)));
        cells.back()->Move((i % 20) * 10 * 15, (i / 20) * 10 * 15, 10 * 15, 10 * 15);
        cells.back()->Picture = picture.string();
    };
    // Two hundred pawns, each with a few bytes changed; some of these once
    // brought the whole game down when drawn.
    for (std::uint32_t seed = 0; seed < 200; ++seed)
        cell(int(seed), scratch.write("R1_" + std::to_string(seed) + ".gif", render_test::flipBytes(pawn, seed)));
    // The intact pawn and one cut off after its header.
    cell(200, kGameFolder / "Pedine" / "R1.gif");
    cell(201, scratch.write("R1_corto.gif", Bytes(pawn.begin(), pawn.begin() + 20)));

    fs::path png = scratch.dir / "celle.png";
    ASSERT_TRUE(zirimbo::frontend::renderToPng(w, png.string(), 200, 110));
    Picture pic(png);
    ASSERT_TRUE(pic.ok());
    EXPECT_GT(pic.countOther(0, 100, 10, 110, render_test::kWhite), 0);   // the intact pawn
    EXPECT_EQ(pic.countOther(10, 100, 20, 110, render_test::kWhite), 0);  // the cut one: empty
}

namespace {

using zirimbo::frontend::MediaBytes;

// ARGB of a surface's pixel, with every fully transparent pixel the same.
Uint32 argbAt(SDL_Surface* s, int x, int y) {
    Uint32 p = static_cast<const Uint32*>(s->pixels)[std::size_t(y) * std::size_t(s->pitch / 4) + std::size_t(x)];
    return (p >> 24) == 0 ? 0 : p;
}
SDL_Surface* asArgb(SDL_Surface* s) {
    SDL_Surface* c = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(s);
    return c;
}

// A PCM WAV: `channels` x `bits`, 22050 Hz, `samples` frames of silence.
Bytes wav(int channels, int bits, int samples) {
    std::uint32_t align = std::uint32_t(channels * bits / 8), data = align * std::uint32_t(samples);
    Bytes b;
    auto tag = [&](const char* t) { b.insert(b.end(), t, t + 4); };
    auto le = [&](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
    };
    tag("RIFF"), le(36 + data, 4), tag("WAVE");
    tag("fmt "), le(16, 4), le(1, 2), le(std::uint32_t(channels), 2), le(22050, 4), le(22050 * align, 4);
    le(align, 2), le(std::uint32_t(bits), 2);
    tag("data"), le(data, 4);
    b.resize(b.size() + data, bits == 8 ? 0x80 : 0);
    return b;
}

// A one-track MIDI file around the given events (delta times included).
Bytes midi(const Bytes& events, int tracks = 1) {
    Bytes b = {'M', 'T',
               'h', 'd',
               0,   0,
               0,   6,
               0,   static_cast<unsigned char>(tracks > 1),
               0,   static_cast<unsigned char>(tracks),
               0,   96,
               'M', 'T',
               'r', 'k',
               0,   0,
               0,   static_cast<unsigned char>(events.size())};
    b.insert(b.end(), events.begin(), events.end());
    return b;
}

// One Ogg page holding `body` bytes.
Bytes oggPage(int body) {
    Bytes b = {'O', 'g', 'g', 'S', 0, 2};
    b.resize(26, 0);
    b.push_back(1);
    b.push_back(static_cast<unsigned char>(body));
    b.resize(b.size() + std::size_t(body), 0x55);
    return b;
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// One Ogg page of stream `serial` holding `packets`, each whole; `flags` 2 begins the stream.
Bytes vorbisPage(int flags, std::uint32_t serial, const std::vector<Bytes>& packets) {
    Bytes b = {'O', 'g', 'g', 'S', 0, static_cast<unsigned char>(flags)};
    b.resize(14, 0);
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(serial >> (8 * i)));
    b.resize(26, 0);
    Bytes lacing, body;
    for (const Bytes& p : packets) {
        for (std::size_t left = p.size();; left -= 255) {
            lacing.push_back(static_cast<unsigned char>(std::min<std::size_t>(left, 255)));
            if (left < 255) break;
        }
        body = body + p;
    }
    b.push_back(static_cast<unsigned char>(lacing.size()));
    return b + lacing + body;
}

// The identification header: `channels` at 22050 Hz, blocks of 256 and 2048 samples.
Bytes vorbisIdentification(int channels) {
    Bytes b = {1, 'v', 'o', 'r', 'b', 'i', 's', 0, 0, 0, 0, static_cast<unsigned char>(channels), 0x22, 0x56, 0, 0};
    b.resize(28, 0);
    b.push_back(0xB8);  // 2^8 and 2^11
    b.push_back(1);
    return b;
}

// A setup header that opens with one codebook of `dim` dimensions and `entries` entries,
// each a codeword of one bit unless `firstBits` says otherwise (2 + 5 bits an entry, then
// the lookup type).
Bytes vorbisSetup(unsigned char dim, unsigned char entries = 2, unsigned char firstBits = 0) {
    Bytes b = {5, 'v', 'o', 'r', 'b', 'i', 's', 0, 0x42, 0x43, 0x56, dim, 0, entries, 0, 0};
    b.resize(b.size() + (2 + 5 * entries + 4 + 7) / 8, 0);
    b[16] = firstBits;
    return b;
}

// A Vorbis stream in three pages: the identification, the comments and setup, then
// `audio` packets of a few bytes each.
Bytes vorbisStream(int channels, std::size_t audio, const Bytes& setup = vorbisSetup(1)) {
    const Bytes comments = {3, 'v', 'o', 'r', 'b', 'i', 's', 0, 0, 0, 0, 0, 0, 0, 0, 1};
    Bytes out = vorbisPage(2, 7, {vorbisIdentification(channels)}) + vorbisPage(0, 7, {comments, setup});
    for (std::size_t done = 0; done < audio; done += 200)
        out = out + vorbisPage(0, 7, std::vector<Bytes>(std::min<std::size_t>(audio - done, 200), Bytes{0x2A, 0x11}));
    return out;
}

// A `w` x `h` frame at (1, 1) on a `screenW` x `screenH` screen; pixel (x, y)
// of the frame has colour (x + y) % 3 of red, green and blue, blue see-through.
Bytes gif(int screenW, int screenH, int w, int h, bool interlaced) {
    Bytes out;
    auto write = [](GifFileType* g, const GifByteType* b, int n) {
        auto* o = static_cast<Bytes*>(g->UserData);
        o->insert(o->end(), b, b + n);
        return n;
    };
    int error = 0;
    GifFileType* g = EGifOpen(&out, write, &error);
    GifColorType colours[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {0, 0, 0}};
    ColorMapObject* map = GifMakeMapObject(4, colours);
    EGifSetGifVersion(g, true);
    EGifPutScreenDesc(g, screenW, screenH, 2, 0, map);
    GraphicsControlBlock gcb{DISPOSAL_UNSPECIFIED, false, 0, 2};
    GifByteType ext[4];
    EGifPutExtension(g, GRAPHICS_EXT_FUNC_CODE, int(EGifGCBToExtension(&gcb, ext)), ext);
    EGifPutImageDesc(g, 1, 1, w, h, interlaced, nullptr);
    std::vector<GifPixelType> row(static_cast<std::size_t>(w));
    auto put = [&](int y) {
        for (int x = 0; x < w; ++x) row[std::size_t(x)] = GifPixelType((x + y) % 3);
        EGifPutLine(g, row.data(), w);
    };
    if (interlaced) {
        for (int y = 0; y < h; y += 8) put(y);
        for (int y = 4; y < h; y += 8) put(y);
        for (int y = 2; y < h; y += 4) put(y);
        for (int y = 1; y < h; y += 2) put(y);
    } else {
        for (int y = 0; y < h; ++y) put(y);
    }
    EGifCloseFile(g, &error);
    GifFreeMapObject(map);
    return out;
}

struct Mixer : ::testing::Test {
    std::unique_ptr<tk::AudioBackend> audio;
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        audio = zirimbo::frontend::SdlAudio::openAudio();
        if (!dynamic_cast<zirimbo::frontend::SdlAudio*>(audio.get())) GTEST_SKIP() << "no audio device here";
    }
};

}  // namespace

TEST(GameFolderMedia, EveryPictureLoadsAndGifsMatchTheSystemDecoder) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0);
    int gifs = 0;
    for (const auto& ext : {".gif", ".jpg"}) {
        for (const fs::path& p : gameFiles(ext)) {
            SDL_Surface* ours = zirimbo::frontend::loadPicture(p.string());
            ASSERT_NE(ours, nullptr) << p;
            if (std::string(ext) == ".gif") {
                // Our own intact pictures: safe to compare with SDL2_image's reading.
                ++gifs;
                ours = asArgb(ours);
                SDL_Surface* theirs = asArgb(IMG_Load(p.c_str()));
                ASSERT_NE(theirs, nullptr) << p;
                ASSERT_EQ(ours->w, theirs->w) << p;
                ASSERT_EQ(ours->h, theirs->h) << p;
                int differing = 0;
                for (int y = 0; y < ours->h; ++y)
                    for (int x = 0; x < ours->w; ++x) differing += argbAt(ours, x, y) != argbAt(theirs, x, y);
                EXPECT_EQ(differing, 0) << p;
                SDL_FreeSurface(theirs);
            }
            SDL_FreeSurface(ours);
        }
    }
    EXPECT_GT(gifs, 20);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

TEST(GifPictures, FramesSitOnTheirScreenInterlacedOrNot) {
    for (bool interlaced : {false, true}) {
        SDL_Surface* s =
            zirimbo::frontend::decodePicture(gif(6, 12, 4, 10, interlaced), zirimbo::frontend::PictureKind::Gif);
        ASSERT_NE(s, nullptr);
        ASSERT_EQ(s->w, 6);
        ASSERT_EQ(s->h, 12);
        const Uint32 expected[3] = {0xFFFF0000, 0xFF00FF00, 0};
        int wrong = 0;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 6; ++x) {
                bool inFrame = x >= 1 && x < 5 && y >= 1 && y < 11;
                wrong += argbAt(s, x, y) != (inFrame ? expected[(x - 1 + y - 1) % 3] : 0);
            }
        EXPECT_EQ(wrong, 0) << (interlaced ? "interlaced" : "in order");
        SDL_FreeSurface(s);
    }
    // A frame reaching past its screen is cut at the screen's edge.
    SDL_Surface* s = zirimbo::frontend::decodePicture(gif(3, 3, 4, 10, false), zirimbo::frontend::PictureKind::Gif);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->w, 3);
    EXPECT_EQ(s->h, 3);
    EXPECT_EQ(argbAt(s, 1, 1), 0xFFFF0000u);
    EXPECT_EQ(argbAt(s, 2, 1), 0xFF00FF00u);
    SDL_FreeSurface(s);
}

TEST(WindowIcon, ALargePictureIsShrunkToAnIconKeepingItsProportions) {
    ScratchFolder scratch;
    // 35 bytes: one pixel on a screen that declares itself 2048 x 2048, or 4000 x 100.
    auto screen = [](unsigned w, unsigned h) {
        return Bytes{'G',      'I',
                     'F',      '8',
                     '9',      'a',
                     Uint8(w), Uint8(w >> 8),
                     Uint8(h), Uint8(h >> 8),
                     0x80,     0,
                     0,        0xFF,
                     0xFF,     0xFF,
                     0,        0,
                     0,        0x2C,
                     0,        0,
                     0,        0,
                     1,        0,
                     1,        0,
                     0,        2,
                     2,        0x44,
                     1,        0,
                     0x3B};
    };
    const struct {
        unsigned w, h;
        int iconW, iconH;
    } cases[] = {{2048, 2048, 256, 256}, {4000, 100, 256, 6}, {100, 4000, 6, 256}, {256, 200, 256, 200}};
    for (const auto& c : cases) {
        fs::path p = scratch.write("Icona" + std::to_string(c.w) + ".gif", screen(c.w, c.h));
        SDL_Surface* icon = zirimbo::frontend::loadWindowIcon(p.string());
        ASSERT_NE(icon, nullptr) << c.w << "x" << c.h;
        EXPECT_EQ(icon->w, c.iconW) << c.w << "x" << c.h;
        EXPECT_EQ(icon->h, c.iconH) << c.w << "x" << c.h;
        SDL_FreeSurface(icon);
    }
}

TEST_F(Mixer, EverySoundAndPieceOfTheGameFolderLoads) {
    std::vector<fs::path> sounds = gameFiles(".wav");  // the effects
    for (const fs::path& p : gameFiles(".ogg"))
        if (p.parent_path().filename() != "Musiche") sounds.push_back(p);  // the voices
    ASSERT_EQ(sounds.size(), 8u + 198u);
    for (const fs::path& p : sounds) {
        Mix_Chunk* c = zirimbo::frontend::loadSound(p.string());
        EXPECT_NE(c, nullptr) << p;
        if (c) Mix_FreeChunk(c);
    }
    std::vector<fs::path> pieces = gameFiles(".mid");
    ASSERT_FALSE(pieces.empty());
    for (const fs::path& p : pieces) EXPECT_TRUE(zirimbo::frontend::midiLooksSound(render_test::readBytes(p))) << p;
    Mix_Music* m = zirimbo::frontend::loadMusic(pieces.front().string());
    if (!m) GTEST_SKIP() << "no MIDI player available: " << Mix_GetError();
    Mix_FreeMusic(m);
}

TEST_F(Mixer, ADamagedSoundIsSilentAndLoggedOnceAsAMissingOneIs) {
    ScratchFolder scratch;
    Bytes voice = render_test::readBytes(gameFiles(".wav").front());
    voice.resize(voice.size() / 2);  // cut in the middle of its samples
    fs::path damaged = scratch.write("rotta.wav", voice), missing = scratch.dir / "assente.wav";
    int channel = audio->addChannel("mmcVoce");

    testing::internal::CaptureStderr();
    for (int i = 0; i < 2; ++i)
        for (const fs::path& p : {damaged, missing}) {
            audio->open(channel, p.string(), false);
            audio->play(channel);
            EXPECT_FALSE(audio->playing(channel)) << p;
        }
    std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(log,
              "zirimbo: damaged file: " + damaged.string() + "\nzirimbo: missing file: " + missing.string() + "\n");
}

// The game names every voice as a WAV file ("\\Bob\\05B4.wav"); the game folder holds it
// as Ogg Vorbis beside that name, in any letter case, and a WAV of that name wins.
TEST_F(Mixer, AVoiceNamedAsAWavFilePlaysTheOggBesideIt) {
    using zirimbo::frontend::soundFileFor;
    ScratchFolder scratch;
    const Bytes voice = render_test::readBytes(kGameFolder / "Bob" / "05B4.ogg");
    const Bytes tic = render_test::readBytes(kGameFolder / "Rumori" / "Tic.WAV");
    const fs::path ogg = scratch.write("05B4.ogg", voice), upper = scratch.write("05B5.OGG", voice);
    const fs::path wav = scratch.write("Tic.WAV", tic);
    scratch.write("Tic.ogg", voice);
    const fs::path dir = scratch.dir;

    EXPECT_EQ(soundFileFor((dir / "05B4.wav").string()), ogg.string());
    EXPECT_EQ(soundFileFor((dir / "05b5.WAV").string()), upper.string());
    EXPECT_EQ(soundFileFor(wav.string()), wav.string());
    for (const char* other : {"05B6.wav", "05B4.mid", "05B4", "Tic.ogg"})  // none there, or no WAV name
        EXPECT_EQ(soundFileFor((dir / other).string()), (dir / other).string()) << other;

    int channel = audio->addChannel("mmcBob");
    testing::internal::CaptureStderr();
    audio->open(channel, (dir / "05B4.wav").string(), false);
    audio->play(channel);
    EXPECT_TRUE(audio->playing(channel));
    audio->close(channel);
    audio->open(channel, (dir / "05B6.wav").string(), false);  // neither there: silent, and logged by its name
    audio->play(channel);
    EXPECT_FALSE(audio->playing(channel));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "zirimbo: missing file: " + (dir / "05B6.wav").string() + "\n");
}

TEST(MediaFiles, OnlyRegularFilesOfBoundedSizeAreRead) {
    ScratchFolder scratch;
    fs::path fifo = scratch.dir / "tubo.gif";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    fs::path big = scratch.write("grande.gif", {'G', 'I', 'F', '8', '9', 'a'});
    fs::resize_file(big, zirimbo::frontend::kMaxMediaBytes + 1);
    fs::path empty = scratch.write("vuoto.gif", {});

    EXPECT_FALSE(zirimbo::frontend::readMediaFile(fifo.string()));  // no writer: must not wait
    EXPECT_FALSE(zirimbo::frontend::readMediaFile("/dev/zero"));
    EXPECT_FALSE(zirimbo::frontend::readMediaFile(scratch.dir.string()));
    EXPECT_FALSE(zirimbo::frontend::readMediaFile(big.string()));
    EXPECT_FALSE(zirimbo::frontend::readMediaFile((scratch.dir / "non_esiste.gif").string()));
    auto nothing = zirimbo::frontend::readMediaFile(empty.string());
    ASSERT_TRUE(nothing);
    EXPECT_TRUE(nothing->empty());

    EXPECT_EQ(zirimbo::frontend::loadPicture(fifo.string()), nullptr);
    EXPECT_EQ(zirimbo::frontend::loadPicture(empty.string()), nullptr);
    EXPECT_EQ(zirimbo::frontend::loadSound(fifo.string()), nullptr);
    EXPECT_EQ(zirimbo::frontend::loadMusic("/dev/zero"), nullptr);
}

TEST(MediaStructure, WavMustBePlainPcmWithItsSamplesInsideTheFile) {
    using zirimbo::frontend::wavLooksSound;
    EXPECT_TRUE(wavLooksSound(wav(1, 8, 100)));
    EXPECT_TRUE(wavLooksSound(wav(2, 16, 100)));
    EXPECT_FALSE(wavLooksSound(wav(3, 16, 100)));
    EXPECT_FALSE(wavLooksSound(wav(2, 24, 100)));
    EXPECT_FALSE(wavLooksSound(wav(1, 16, 0)));  // no samples

    Bytes cut = wav(1, 16, 100);
    cut.pop_back();  // the RIFF size now reaches past the end
    EXPECT_FALSE(wavLooksSound(cut));

    Bytes longData = wav(1, 16, 100);
    longData[40] = 0xFF;  // data chunk size past the end of the RIFF chunk
    EXPECT_FALSE(wavLooksSound(longData));

    Bytes compressed = wav(1, 16, 100);
    compressed[20] = 2;  // ADPCM
    EXPECT_FALSE(wavLooksSound(compressed));

    Bytes wrongAlign = wav(2, 16, 100);
    wrongAlign[32] = 2;
    EXPECT_FALSE(wavLooksSound(wrongAlign));
}

TEST(MediaStructure, VorbisSoundsMustBeOneShortStreamWithItsHeadersFirst) {
    using zirimbo::frontend::vorbisLooksSound;
    EXPECT_TRUE(vorbisLooksSound(vorbisStream(1, 300)));
    EXPECT_TRUE(vorbisLooksSound(vorbisStream(2, 300)));
    EXPECT_FALSE(vorbisLooksSound(vorbisStream(3, 300)));
    EXPECT_FALSE(vorbisLooksSound(vorbisStream(0, 300)));
    EXPECT_FALSE(vorbisLooksSound(wav(1, 16, 100)));
    EXPECT_FALSE(vorbisLooksSound(oggPage(30) + oggPage(200)));  // Ogg pages of no Vorbis stream

    // Packets enough for more than a minute at 22050 Hz, a thousand samples each at most.
    EXPECT_TRUE(vorbisLooksSound(vorbisStream(1, 22050 * 60 / 1024)));
    EXPECT_FALSE(vorbisLooksSound(vorbisStream(1, 22050 * 60 / 1024 + 1)));

    Bytes secondStream = vorbisStream(1, 10) + vorbisPage(0, 8, {Bytes{0x2A}});
    EXPECT_FALSE(vorbisLooksSound(secondStream));
    Bytes beginsAgain = vorbisStream(1, 10) + vorbisPage(2, 7, {Bytes{0x2A}});
    EXPECT_FALSE(vorbisLooksSound(beginsAgain));

    Bytes longBlocks = vorbisStream(1, 10);
    longBlocks[27 + 1 + 28] = 0xE8;  // blocks of 2^14 samples
    EXPECT_FALSE(vorbisLooksSound(longBlocks));
    Bytes noComments = vorbisStream(1, 10);
    noComments[27 + 1 + 30 + 27 + 2] = 4;  // the second packet is no comment header
    EXPECT_FALSE(vorbisLooksSound(noComments));
    Bytes cut = vorbisStream(1, 10);
    cut.pop_back();
    EXPECT_FALSE(vorbisLooksSound(cut));
    // The identification shares its page.
    EXPECT_FALSE(vorbisLooksSound(vorbisPage(2, 7, {vorbisIdentification(1), vorbisSetup(1)})));

    // Codebooks the decoder would end the game on: of no dimension, which it divides by,
    // or whose codewords do not fill the code tree, which it fails to build and then uses.
    EXPECT_FALSE(vorbisLooksSound(vorbisStream(1, 10, vorbisSetup(0))));
    EXPECT_FALSE(vorbisLooksSound(vorbisStream(1, 10, vorbisSetup(1, 3))));        // three of one bit
    EXPECT_FALSE(vorbisLooksSound(vorbisStream(1, 10, vorbisSetup(1, 2, 0x04))));  // two bits and one
    EXPECT_FALSE(vorbisLooksSound(vorbisStream(1, 10, vorbisSetup(1, 1, 0x04))));  // a lone two-bit one
    EXPECT_TRUE(vorbisLooksSound(vorbisStream(1, 10, vorbisSetup(1, 1))));         // a lone one-bit one
    Bytes cutBook = vorbisStream(1, 10);
    cutBook.erase(cutBook.begin() + 27 + 1 + 30 + 27 + 2 + 16 + 17, cutBook.begin() + 27 + 1 + 30 + 27 + 2 + 16 + 18);
    cutBook[27 + 1 + 30 + 27 + 1] = 17;  // the setup header ends within its codebook
    EXPECT_FALSE(vorbisLooksSound(cutBook));
}

TEST(MediaStructure, MidiTracksMustHoldWholeEventsUpToTheirEnd) {
    using zirimbo::frontend::midiLooksSound;
    const Bytes end = {0x00, 0xFF, 0x2F, 0x00};
    const Bytes note = {0x00, 0x90, 60, 100, 0x60, 60, 0};  // the second note by running status
    EXPECT_TRUE(midiLooksSound(midi(note + end)));
    EXPECT_TRUE(midiLooksSound(midi(Bytes{0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20} + note + end)));
    EXPECT_TRUE(midiLooksSound(midi(Bytes{0x00, 0xC0, 5, 0x00, 0xF0, 0x02, 0x7E, 0xF7} + end)));

    EXPECT_FALSE(midiLooksSound(midi(note)));                               // no end of track
    EXPECT_FALSE(midiLooksSound(midi(Bytes{0x00, 60, 100} + end)));         // running status with none before
    EXPECT_FALSE(midiLooksSound(midi(Bytes{0x00, 0x90, 60, 0x90} + end)));  // a status byte as data
    EXPECT_FALSE(midiLooksSound(midi(Bytes{0x00, 0xFF, 0x51, 0x03, 0, 0, 0} + end)));  // tempo zero
    EXPECT_FALSE(midiLooksSound(midi(Bytes{0x00, 0xFF, 0x51, 0x02, 1, 2} + end)));     // short tempo
    EXPECT_FALSE(midiLooksSound(midi(Bytes{0x00, 0xF0, 0x7F, 0xF7} + end)));           // sysex past the end
    EXPECT_FALSE(midiLooksSound(midi(Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x00} + end)));     // endless delta time
    EXPECT_FALSE(midiLooksSound(midi(note + end, 2)));  // the header counts a second track

    Bytes longTrack = midi(note + end);
    longTrack[21] = 0x40;  // track length past the end of the file
    EXPECT_FALSE(midiLooksSound(longTrack));
}

TEST(MediaStructure, OggMusicMustBeOneVorbisStreamToTheEnd) {
    using zirimbo::frontend::vorbisLooksMusic;
    EXPECT_TRUE(vorbisLooksMusic(vorbisStream(2, 300)));
    EXPECT_TRUE(vorbisLooksMusic(vorbisStream(2, 22050 * 60 / 1024 + 1)));  // music may last longer than a sound
    EXPECT_FALSE(vorbisLooksMusic({}));
    EXPECT_FALSE(vorbisLooksMusic(oggPage(30) + oggPage(200)));  // Ogg pages of no Vorbis stream
    Bytes cut = vorbisStream(2, 300);
    cut.pop_back();
    EXPECT_FALSE(vorbisLooksMusic(cut));
    EXPECT_FALSE(vorbisLooksMusic(vorbisStream(2, 300) + Bytes{'x', 'y', 'z'}));
    EXPECT_FALSE(vorbisLooksMusic(vorbisStream(2, 300, vorbisSetup(0))));
    EXPECT_FALSE(vorbisLooksMusic(vorbisStream(2, 300, vorbisSetup(1, 3))));
}
