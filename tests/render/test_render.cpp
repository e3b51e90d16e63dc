// The SDL front end: what the renderer puts on screen, text wrapping, text-box
// scrolling, the mixer back end and the choice of the window size.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "frontend/app.h"
#include "frontend/renderer.h"
#include "frontend/sdl_audio.h"
#include "png_picture.h"
#include "tests/support/scratch_folder.h"
#include "toolkit/controls.h"
#include "toolkit/runtime.h"
#include "toolkit/window.h"

namespace fs = std::filesystem;
using render_test::kBlue;
using render_test::kGreen;
using render_test::kGrey;
using render_test::kRed;
using render_test::kWhite;
using render_test::Picture;
using render_test::Rgb;
using zirimbo::frontend::Renderer;

namespace {

// One scratch folder per test process, removed when the process ends.
fs::path tempDir() {
    static const scratch::Folder dir{"zirimbo_render"};
    return dir.path();
}

// A white window on a headless runtime; controls are placed in pixels (15 twips each).
struct RenderTest : ::testing::Test {
    tk::HeadlessRuntime h;
    tk::Window w{h.rt, "frmProva"};
    void SetUp() override { w.setBackColor(0xFFFFFF); }

    static void place(tk::Control& c, int x, int y, int wd, int ht) { c.Move(x * 15, y * 15, wd * 15, ht * 15); }

    std::unique_ptr<Picture> render(const std::string& name, int width = 200, int height = 150) {
        fs::path png = tempDir() / (name + ".png");
        EXPECT_TRUE(zirimbo::frontend::renderToPng(w, png.string(), width, height));
        auto pic = std::make_unique<Picture>(png);
        EXPECT_TRUE(pic->ok());
        return pic;
    }

    // Draws the window, lets the renderer rest as the idle game does (every picture,
    // text and font freed, fontconfig let go), then runs `between` and draws again with
    // the same renderer. Returns whether the two frames are the same, pixel for pixel.
    bool sameAfterRest(const std::function<void()>& between = {}, int width = 200, int height = 150) {
        SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
        SDL_Renderer* sr = surface ? SDL_CreateSoftwareRenderer(surface) : nullptr;
        if (!sr) {
            ADD_FAILURE() << SDL_GetError();
            SDL_FreeSurface(surface);
            return false;
        }
        const auto bytes = [&] {
            const auto* p = static_cast<const unsigned char*>(surface->pixels);
            return std::vector<unsigned char>(p, p + std::size_t(surface->pitch) * std::size_t(surface->h));
        };
        std::vector<unsigned char> before, after;
        {
            Renderer renderer(sr);
            renderer.draw(w);
            before = bytes();
            renderer.rest();
            if (between) between();
            renderer.draw(w);
            after = bytes();
        }
        SDL_DestroyRenderer(sr);
        SDL_FreeSurface(surface);
        return before == after;
    }
};

void writeBytes(const fs::path& p, const std::vector<unsigned char>& bytes) {
    std::ofstream f(p, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

}  // namespace

TEST_F(RenderTest, ShapesFillOutlineAndStackInCreationOrder) {
    tk::Shape red(w, "shpRosso");
    place(red, 10, 10, 60, 40);
    red.BackStyle = 1;
    red.BackColor = 0x0000FF;  // blue-green-red: this is red
    red.BorderStyle = 0;

    tk::Shape green(w, "shpVerde");  // later: lies in front
    place(green, 50, 30, 40, 40);
    green.BackStyle = 1;
    green.BackColor = 0x00FF00;
    green.BorderStyle = 0;

    tk::Shape oval(w, "shpOvale");
    place(oval, 100, 10, 80, 40);
    oval.ShapeKind = 2;
    oval.FillStyle = 0;
    oval.FillColor = 0xFF0000;  // blue
    oval.BorderColor = 0x000000;
    oval.BorderWidth = 3;

    tk::Shape ring(w, "shpAnello");  // a circle with only its border
    place(ring, 100, 80, 60, 40);
    ring.ShapeKind = 3;
    ring.BorderColor = 0x0000FF;
    ring.BorderWidth = 2;

    auto pic = render("shapes");
    EXPECT_EQ(pic->at(20, 20), kRed);
    EXPECT_EQ(pic->at(69, 49), kGreen);  // where both lie, the later one shows
    EXPECT_EQ(pic->at(60, 60), kGreen);
    EXPECT_EQ(pic->at(9, 9), kWhite);
    EXPECT_EQ(pic->at(70, 20), kWhite);  // right after the red one's edge

    EXPECT_EQ(pic->at(140, 30), kBlue);           // the oval's middle
    EXPECT_EQ(pic->at(101, 11), kWhite);          // its box's corner lies outside it
    EXPECT_EQ(pic->at(140, 11), (Rgb{0, 0, 0}));  // the top of its border

    // The circle is centred in its box, 40 pixels across: x from 110 to 150.
    EXPECT_EQ(pic->at(130, 100), kWhite);  // transparent inside
    EXPECT_EQ(pic->at(110, 100), kRed);
    EXPECT_EQ(pic->at(149, 100), kRed);
    EXPECT_EQ(pic->at(105, 100), kWhite);
}

TEST_F(RenderTest, LabelsFillTheirBackgroundAndAlignTheirText) {
    tk::Shape back(w, "shpSfondo");
    place(back, 0, 0, 200, 20);
    back.BackStyle = 1;
    back.BackColor = 0x0000FF;
    back.BorderStyle = 0;

    tk::Label opaque(w, "lblVerde");
    place(opaque, 10, 30, 80, 30);
    opaque.BackColor = 0x00FF00;

    tk::Label clear(w, "lblTrasparente");  // over the red strip, without text
    place(clear, 10, 0, 50, 20);
    clear.BackStyle = 0;

    tk::Label right(w, "lblDestra");
    place(right, 10, 70, 180, 30);
    right.Caption = "Tocca";
    right.FontName = "Arial";
    right.FontSize = 12;
    right.Alignment = 1;

    tk::Label wrapped(w, "lblA capo");
    place(wrapped, 10, 105, 60, 45);
    wrapped.Caption = "uno due tre quattro";
    wrapped.FontSize = 10;

    auto pic = render("labels");
    EXPECT_EQ(pic->at(15, 35), kGreen);
    EXPECT_EQ(pic->at(89, 59), kGreen);
    EXPECT_EQ(pic->at(20, 10), kRed);  // a transparent label leaves what lies behind

    // Right-aligned text: ink in the right part of the label only.
    EXPECT_EQ(pic->countOther(10, 70, 120, 100, kWhite), 0);
    EXPECT_GT(pic->countOther(150, 70, 190, 100, kWhite), 20);

    // Wrapped at the label's width: several lines, nothing beyond its right edge.
    EXPECT_GT(pic->countOther(10, 125, 70, 150, kWhite), 10);
    EXPECT_EQ(pic->countOther(70, 105, 200, 150, kWhite), 0);

    // Texts and fonts freed while the game rests come back as they were; a font not
    // looked for before the rest is still found.
    EXPECT_TRUE(sameAfterRest());
    EXPECT_FALSE(sameAfterRest([&] { right.FontName = "Times New Roman"; }));
    EXPECT_GT(render("labels-serif")->countOther(150, 70, 190, 100, kWhite), 20);
}

TEST_F(RenderTest, ImagesStretchKeepTransparencyAndSurviveMissingFiles) {
    // A 1x1 blue GIF, stretched to 40x40.
    fs::path blueGif = tempDir() / "blu.gif";
    writeBytes(blueGif, {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00,
                         0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x2C, 0x00, 0x00, 0x00, 0x00,
                         0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B});
    // A 1x1 GIF whose only pixel is transparent.
    fs::path gif = tempDir() / "vuota.gif";
    writeBytes(gif, {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0x00, 0x00,
                     0x00, 0xFF, 0xFF, 0xFF, 0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00,
                     0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B});

    tk::Image blue(w, "imgBlu");
    place(blue, 10, 10, 40, 40);
    blue.Picture = blueGif.string();
    blue.BorderStyle = 1;

    tk::Shape red(w, "shpRosso");
    place(red, 60, 10, 40, 40);
    red.BackStyle = 1;
    red.BackColor = 0x0000FF;
    tk::Image seeThrough(w, "imgVuota");
    place(seeThrough, 60, 10, 40, 40);
    seeThrough.Picture = gif.string();

    tk::Image missing(w, "imgMancante");
    place(missing, 110, 10, 40, 40);
    missing.Picture = (tempDir() / "non_esiste.gif").string();

    auto pic = render("images");
    EXPECT_EQ(pic->at(30, 30), kBlue);
    EXPECT_EQ(pic->at(48, 48), kBlue);
    EXPECT_EQ(pic->at(10, 30), (Rgb{0, 0, 0}));  // the border
    EXPECT_EQ(pic->at(80, 30), kRed);
    EXPECT_EQ(pic->at(130, 30), kWhite);
    // Pictures freed while the game rests come back as they were.
    EXPECT_TRUE(sameAfterRest());
}

TEST_F(RenderTest, FramesHideAndClipTheirControls) {
    tk::Frame hidden(w, "fraNascosta");
    place(hidden, 10, 10, 80, 60);
    hidden.BackColor = 0x00FF00;
    hidden.Visible = false;
    tk::Shape inHidden(w, "shpDentroNascosta");
    inHidden.Container = &hidden;
    place(inHidden, 10, 10, 30, 30);
    inHidden.BackStyle = 1;
    inHidden.BackColor = 0x0000FF;

    tk::Frame shown(w, "fraVisibile");
    place(shown, 100, 10, 60, 60);
    shown.BackColor = 0x00FF00;
    tk::Shape inShown(w, "shpDentroVisibile");  // runs out of the frame on the right
    inShown.Container = &shown;
    place(inShown, 40, 10, 50, 20);  // relative to the frame: 140..190 on the window
    inShown.BackStyle = 1;
    inShown.BackColor = 0x0000FF;
    inShown.BorderStyle = 0;

    auto pic = render("frames");
    EXPECT_EQ(pic->countOther(0, 0, 95, 150, kWhite), 0);  // nothing of the hidden frame
    EXPECT_EQ(pic->at(120, 50), kGreen);
    EXPECT_EQ(pic->at(145, 25), kRed);
    EXPECT_EQ(pic->at(159, 25), kRed);
    EXPECT_EQ(pic->at(165, 25), kWhite);  // cut at the frame's edge

    inShown.Visible = false;
    hidden.Visible = true;
    pic = render("frames2");
    EXPECT_EQ(pic->at(25, 25), kRed);  // at 10+10 on the window
    EXPECT_EQ(pic->at(145, 25), kGreen);
}

TEST_F(RenderTest, ButtonsAndTextBoxesDraw) {
    w.setBackColor(0x000000);
    tk::CommandButton plain(w, "cmdGrigio");
    place(plain, 10, 10, 80, 30);
    plain.Caption = "&Gioca";
    tk::CommandButton painted(w, "cmdColorato");
    place(painted, 100, 10, 80, 30);
    painted.Style = 1;
    painted.BackColor = 0x00FF00;
    tk::TextBox box(w, "txtNome");
    place(box, 10, 60, 100, 25);
    box.Text = "Anna";
    w.SetFocus(box);

    auto pic = render("controls");
    EXPECT_EQ(pic->at(10, 10), kWhite);  // raised edge: light above and left
    EXPECT_EQ(pic->at(89, 39), (Rgb{0, 0, 0}));
    EXPECT_EQ(pic->at(15, 15), kGrey);
    EXPECT_GT(pic->countOther(12, 12, 88, 38, kGrey), 10);  // the caption
    EXPECT_EQ(pic->at(105, 15), kGreen);
    EXPECT_EQ(pic->at(100, 72), kWhite);  // the box's inside
    EXPECT_GT(pic->countOther(12, 62, 108, 83, kWhite), 10);
}

TEST_F(RenderTest, TheFocusedTextBoxShowsItsSelectionAndKeepsTheCaretInView) {
    tk::TextBox box(w, "txtNome");
    place(box, 10, 60, 100, 25);
    box.ForeColor = 0x0000FF;
    box.Text = "Anna";
    w.SetFocus(box);  // selects the whole text
    const Rgb highlight{0, 0, 128};
    auto pic = render("selection");
    int selected = 0;
    for (int y = 63; y < 82; ++y)
        for (int x = 14; x < 106; ++x) selected += pic->at(x, y) == highlight;
    EXPECT_GT(selected, 100);

    // A caret is a full column of the text's colour; a text wider than the box
    // slides so that the caret stays inside (the box's text runs from 14 to 105).
    auto caretAt = [](const Picture& p, int x) {
        for (int y = 64; y <= 71; ++y)
            if (!(p.at(x, y) == kRed)) return false;
        return true;
    };
    box.Text = "Wolfgang Amadeus Mozart il Grande";
    box.setSelStart(0);
    pic = render("caret-start");
    EXPECT_TRUE(caretAt(*pic, 14));
    box.setSelStart(99);
    pic = render("caret-end");
    EXPECT_TRUE(caretAt(*pic, 105));

    // Selected whole, as the focus leaves it, a long text shows its beginning: its
    // first word lies as it does alone.
    box.selectAll();
    pic = render("selected-long");
    box.Text = "Wolfgang";
    box.selectAll();
    auto alone = render("selected-word");
    int differ = 0;
    for (int y = 62; y < 83; ++y)
        for (int x = 12; x < 50; ++x) differ += !(pic->at(x, y) == alone->at(x, y));
    EXPECT_EQ(differ, 0);
}

TEST_F(RenderTest, MultiLineTextBoxScrollsWithinItsText) {
    tk::TextBox box(w, "txtCommenti");
    place(box, 10, 10, 150, 60);
    box.MultiLine = true;
    box.ScrollBars = 2;
    std::string text;
    for (int i = 1; i <= 30; ++i) text += "riga " + std::to_string(i) + "\r\n";
    box.Text = text;

    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 200, 150, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* sr = SDL_CreateSoftwareRenderer(surface);
    ASSERT_NE(sr, nullptr);
    {
        Renderer r(sr);
        r.draw(w);
        int line = r.lineHeight(box);
        ASSERT_GT(line, 5);

        // The wheel and the bar only reach the box at its scroll bar's place.
        EXPECT_EQ(r.scrollableTextBoxAt(w, 100, 40), &box);
        EXPECT_EQ(r.scrollableTextBoxAt(w, 5, 5), nullptr);

        EXPECT_FALSE(r.scrollTextBox(box, -10));  // already at the top
        EXPECT_TRUE(r.scrollTextBox(box, 2 * line));
        EXPECT_EQ(box.scrollTop, 2 * line);
        EXPECT_TRUE(r.scrollTextBox(box, 100000));  // kept within the text
        int bottom = box.scrollTop;
        EXPECT_GT(bottom, 20 * line);
        EXPECT_LT(bottom, 31 * line);
        EXPECT_FALSE(r.scrollTextBox(box, line));

        // A click on the bar's upper half goes a page up, on its lower half a page down.
        int barX = 10 + 150 - 2 - 8;
        EXPECT_FALSE(r.clickScrollBar(w, 50, 40));  // the text, not the bar
        EXPECT_TRUE(r.clickScrollBar(w, barX, 30));
        EXPECT_LT(box.scrollTop, bottom);
        int afterUp = box.scrollTop;
        EXPECT_TRUE(r.clickScrollBar(w, barX, 55));
        EXPECT_GT(box.scrollTop, afterUp);

        // Shorter text: the view is brought back within it when drawn.
        box.Text = "poco";
        r.draw(w);
        EXPECT_EQ(box.scrollTop, 0);
    }
    SDL_DestroyRenderer(sr);
    SDL_FreeSurface(surface);
}

TEST(TextLayout, WrapsAtBlanksAndLineEnds) {
    using zirimbo::frontend::wrapText;
    auto chars = [](const std::string& s) { return int(s.size()); };

    EXPECT_EQ(wrapText("uno due tre", 7, chars), (std::vector<std::string>{"uno due", "tre"}));
    EXPECT_EQ(wrapText("uno due tre", 0, chars), (std::vector<std::string>{"uno due tre"}));
    EXPECT_EQ(wrapText("a\r\nb\nc\rd", 80, chars), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(wrapText("a\r\n\r\nb", 80, chars), (std::vector<std::string>{"a", "", "b"}));
    // Blanks where a line breaks go; a word longer than the line is cut.
    EXPECT_EQ(wrapText("ab    cd", 3, chars), (std::vector<std::string>{"ab", "cd"}));
    EXPECT_EQ(wrapText("abcdefgh", 3, chars), (std::vector<std::string>{"abc", "def", "gh"}));
    // Characters of several bytes are never split.
    auto glyphs = [](const std::string& s) {
        int n = 0;
        for (unsigned char c : s) n += (c & 0xC0) != 0x80;
        return n;
    };
    EXPECT_EQ(wrapText("perché", 3, glyphs), (std::vector<std::string>{"per", "ché"}));
}

TEST(TextLayout, ALongTextIsMeasuredInProportionToItsLength) {
    using zirimbo::frontend::wrapText;
    // What the width function is handed in all, in bytes: with a text measured again
    // and again from its start this grows with the square of the length.
    std::size_t measured = 0;
    auto chars = [&](const std::string& s) {
        measured += s.size();
        return int(s.size());
    };
    const std::size_t n = 1 << 20;
    const std::string oneWord(n, 'a');
    std::string words(n, 'b');
    for (std::size_t i = 5; i < n; i += 6) words[i] = ' ';
    for (const std::string& text : {oneWord, words}) {
        measured = 0;
        const std::vector<std::string> lines = wrapText(text, 40, chars);
        EXPECT_LE(measured, 64 * n);
        std::size_t kept = 0;
        for (const std::string& l : lines) {
            EXPECT_LE(l.size(), 40u);
            kept += l.size();
        }
        EXPECT_GE(lines.size(), n / 40);
        EXPECT_GE(kept, n - lines.size());  // only the blanks where lines break go
    }
    // A word of several lines after a short one starts on a line of its own.
    EXPECT_EQ(wrapText("ab " + std::string(100, 'c'), 40, chars),
              (std::vector<std::string>{"ab", std::string(40, 'c'), std::string(40, 'c'), std::string(20, 'c')}));
}

TEST(TextLayout, CaptionsLoseTheirAccessKeyMarks) {
    using zirimbo::frontend::stripMnemonics;
    EXPECT_EQ(stripMnemonics("&Gioca"), "Gioca");
    EXPECT_EQ(stripMnemonics("Bob && Carla"), "Bob & Carla");
    EXPECT_EQ(stripMnemonics("Nuova partita"), "Nuova partita");
}

TEST(Colours, BlueGreenRedAndSystemColours) {
    using zirimbo::frontend::toSdlColor;
    SDL_Color red = toSdlColor(0x0000FF);
    EXPECT_EQ((Rgb{red.r, red.g, red.b}), kRed);
    SDL_Color mixed = toSdlColor(0x123456);
    EXPECT_EQ((Rgb{mixed.r, mixed.g, mixed.b}), (Rgb{0x56, 0x34, 0x12}));
    SDL_Color face = toSdlColor(0x8000000F);  // the button face
    EXPECT_EQ((Rgb{face.r, face.g, face.b}), kGrey);
}

TEST(WindowSize, LargestFourThirdsWindowThatFitsWithItsFrame) {
    using zirimbo::frontend::App;
    // Whole displays, with room for a 32-pixel title bar.
    auto size = [](int w, int h, int frameW = 0, int frameH = 32) {
        SDL_Point p = App::clientSizeFor(w, h, frameW, frameH);
        return std::make_pair(p.x, p.y);
    };
    EXPECT_EQ(size(800, 600), std::make_pair(756, 567));
    EXPECT_EQ(size(1024, 768), std::make_pair(980, 735));
    EXPECT_EQ(size(1280, 1024), std::make_pair(1280, 960));
    EXPECT_EQ(size(1920, 1080), std::make_pair(1396, 1047));
    // A desktop panel taking 30 pixels and a frame of 2 pixels around a 28-pixel title bar.
    EXPECT_EQ(size(1920, 1050, 4, 30), std::make_pair(1360, 1020));
    EXPECT_EQ(size(1280, 994, 4, 30), std::make_pair(1276, 957));
}

// ---------------------------------------------------------------------------
// The mixer back end, on SDL's dummy audio device.

namespace {

// A mono 16-bit WAV of silence lasting `ms` milliseconds.
void writeWav(const fs::path& p, int ms) {
    const std::uint32_t rate = 22050, samples = rate * std::uint32_t(ms) / 1000, data = samples * 2;
    std::vector<unsigned char> b;
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 0xFF);
    };
    auto u16 = [&](std::uint16_t v) {
        b.push_back(v & 0xFF);
        b.push_back(v >> 8);
    };
    auto tag = [&](const char* t) { b.insert(b.end(), t, t + 4); };
    tag("RIFF");
    u32(36 + data);
    tag("WAVE");
    tag("fmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    tag("data");
    u32(data);
    b.resize(b.size() + data, 0);
    writeBytes(p, b);
}

// A MIDI file with one note held for about `seconds` seconds.
void writeMidi(const fs::path& p, int seconds) {
    const int ticks = 96 * 2 * seconds;  // 96 per quarter note, 120 beats a minute
    std::vector<unsigned char> track = {0x00, 0xC0, 0x00, 0x00, 0x90, 60, 100};
    // Delta time as a variable-length number.
    std::vector<unsigned char> delta;
    for (int v = ticks;; v >>= 7) {
        delta.insert(delta.begin(), static_cast<unsigned char>((v & 0x7F) | (delta.empty() ? 0 : 0x80)));
        if (v < 0x80) break;
    }
    track.insert(track.end(), delta.begin(), delta.end());
    for (unsigned char c : {0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00}) track.push_back(c);
    std::vector<unsigned char> b = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k'};
    std::uint32_t n = std::uint32_t(track.size());
    for (int i = 3; i >= 0; --i) b.push_back((n >> (8 * i)) & 0xFF);
    b.insert(b.end(), track.begin(), track.end());
    writeBytes(p, b);
}

struct AudioTest : ::testing::Test {
    std::unique_ptr<tk::AudioBackend> audio;
    zirimbo::frontend::SdlAudio* mixer = nullptr;
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        audio = zirimbo::frontend::SdlAudio::openAudio();
        mixer = dynamic_cast<zirimbo::frontend::SdlAudio*>(audio.get());
        if (!mixer) GTEST_SKIP() << "no audio device here";
    }
};

}  // namespace

TEST_F(AudioTest, EffectsPlayOnTheirOwnChannels) {
    fs::path wav = tempDir() / "tic.wav";
    writeWav(wav, 3000);
    int a = audio->addChannel("mmcEffetto");
    int b = audio->addChannel("mmcVoce");
    int silent = audio->addChannel("mmcMancante");
    audio->open(a, wav.string(), false);
    audio->open(b, wav.string(), false);
    audio->open(silent, (tempDir() / "non_esiste.wav").string(), false);

    audio->play(a);
    audio->play(b);
    audio->play(silent);
    EXPECT_TRUE(audio->playing(a));
    EXPECT_TRUE(audio->playing(b));
    EXPECT_FALSE(audio->playing(silent));

    audio->rewind(a);  // stops that piece only
    EXPECT_FALSE(audio->playing(a));
    EXPECT_TRUE(audio->playing(b));
    audio->close(b);
    EXPECT_FALSE(audio->playing(b));
    audio->play(b);  // closed: nothing to play
    EXPECT_FALSE(audio->playing(b));
}

TEST_F(AudioTest, ShortPieceEndsByItself) {
    fs::path wav = tempDir() / "breve.wav";
    writeWav(wav, 50);
    int a = audio->addChannel("mmcBreve");
    audio->open(a, wav.string(), false);
    audio->play(a);
    for (int i = 0; i < 200 && audio->playing(a); ++i) SDL_Delay(10);
    EXPECT_FALSE(audio->playing(a));
}

TEST_F(AudioTest, ANewerMusicPieceReplacesTheOlder) {
    fs::path mid = tempDir() / "brano.mid";
    writeMidi(mid, 5);
    int first = audio->addChannel("mmcMusica1");
    int second = audio->addChannel("mmcMusica2");
    audio->open(first, mid.string(), true);
    audio->play(first);
    if (!audio->playing(first)) GTEST_SKIP() << "no MIDI player available: " << Mix_GetError();
    audio->open(second, mid.string(), true);
    audio->play(second);
    EXPECT_FALSE(audio->playing(first));
    EXPECT_TRUE(audio->playing(second));
    audio->rewind(first);  // not the piece playing: leaves the music alone
    EXPECT_TRUE(audio->playing(second));
    audio->close(second);
    EXPECT_FALSE(audio->playing(second));
}

namespace {
using AudioClock = zirimbo::frontend::SdlAudio::Clock;

// Moments past the rest's grace, each later than the one before.
AudioClock::time_point afterTheRest(int n) {
    return AudioClock::now() + 3 * n * zirimbo::frontend::SdlAudio::kRestAfter;
}

// Whether SDL's audio thread, which an open device keeps waking, is there; a device
// put to sleep takes a tenth of a second to close (at most 2 s).
bool audioThreadRuns(bool expected) {
    for (int waited = 0;; waited += 10) {
        bool runs = false;
        for (const auto& task : fs::directory_iterator("/proc/self/task")) {
            std::ifstream comm(task.path() / "comm");
            std::string name;
            if (std::getline(comm, name) && name.rfind("SDLAudio", 0) == 0) runs = true;
        }
        if (runs == expected || waited >= 2000) return runs;
        SDL_Delay(10);
    }
}

// How long the channel reports its sound as playing after Play (at most 3 s).
AudioClock::duration playedFor(tk::AudioBackend& audio, int channel) {
    const AudioClock::time_point start = AudioClock::now();
    audio.play(channel);
    EXPECT_TRUE(audio.playing(channel));
    while (audio.playing(channel) && AudioClock::now() - start < std::chrono::seconds(3)) SDL_Delay(5);
    return AudioClock::now() - start;
}
}  // namespace

TEST_F(AudioTest, TheDeviceSleepsWhenAllIsSilentAndWakesForTheNextSound) {
    using std::chrono::milliseconds;
    fs::path wav = tempDir() / "colpo.wav";
    writeWav(wav, 300);
    int a = audio->addChannel("mmcColpo");
    audio->open(a, wav.string(), false);
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    ASSERT_NE(Mix_QuerySpec(&frequency, &format, &channels), 0);
    const AudioClock::duration awake = playedFor(*audio, a);
    EXPECT_GE(awake, milliseconds(250));

    // A sound that plays keeps the device open, past the grace too; so does the grace.
    audio->play(a);
    EXPECT_TRUE(mixer->restWhenIdle(afterTheRest(1)).has_value());
    EXPECT_FALSE(mixer->asleep());
    EXPECT_TRUE(audio->playing(a));
    while (audio->playing(a)) SDL_Delay(5);
    EXPECT_TRUE(mixer->restWhenIdle(AudioClock::now()).has_value());
    EXPECT_FALSE(mixer->asleep());
    EXPECT_TRUE(audioThreadRuns(true));

    // Past it, the device is closed; the channels know that nothing plays.
    EXPECT_FALSE(mixer->restWhenIdle(afterTheRest(2)).has_value());
    EXPECT_TRUE(mixer->asleep());
    EXPECT_FALSE(audio->playing(a));
    EXPECT_FALSE(audioThreadRuns(false));
    // SDL's sound system stops with it: with ALSA it would go on looking for new
    // devices ten times a second.
    for (int waited = 0; SDL_WasInit(SDL_INIT_AUDIO) != 0 && waited < 2000; waited += 10) SDL_Delay(10);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    audio->rewind(a);
    EXPECT_FALSE(mixer->restWhenIdle(afterTheRest(3)).has_value());
    // Channels added meanwhile get their mixer channels when it wakes.
    std::vector<int> more;
    for (int i = 0; i < 40; ++i) more.push_back(audio->addChannel("mmcAltro" + std::to_string(i)));
    EXPECT_TRUE(mixer->asleep());

    // The next sound wakes it, in the same format, and plays as long as before.
    const AudioClock::duration woken = playedFor(*audio, a);
    EXPECT_FALSE(mixer->asleep());
    EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    int f2 = 0, c2 = 0;
    Uint16 fmt2 = 0;
    ASSERT_NE(Mix_QuerySpec(&f2, &fmt2, &c2), 0);
    EXPECT_EQ(std::make_tuple(f2, fmt2, c2), std::make_tuple(frequency, format, channels));
    EXPECT_GE(woken, milliseconds(250));
    EXPECT_LT(woken, awake + milliseconds(300));
    EXPECT_GE(Mix_AllocateChannels(-1), more.back() + 1);
    audio->open(more.back(), wav.string(), false);
    audio->play(more.back());
    EXPECT_TRUE(audio->playing(more.back()));
    audio->close(more.back());
}

TEST_F(AudioTest, APieceOfMusicOutlivesTheDeviceSleeping) {
    fs::path mid = tempDir() / "riposo.mid";
    writeMidi(mid, 5);
    fs::path wav = tempDir() / "tic.wav";
    writeWav(wav, 50);
    int music = audio->addChannel("mmcMusiche");
    int tick = audio->addChannel("mmcTic");
    audio->open(music, mid.string(), true);
    audio->open(tick, wav.string(), false);
    audio->play(music);
    if (!audio->playing(music)) GTEST_SKIP() << "no MIDI player available: " << Mix_GetError();

    // While the piece plays the device stays open.
    EXPECT_TRUE(mixer->restWhenIdle(afterTheRest(1)).has_value());
    EXPECT_TRUE(audio->playing(music));

    // Stopped, still loaded: the device sleeps, and the piece plays again. Another
    // sound waking the device does not start it.
    audio->rewind(music);
    EXPECT_FALSE(mixer->restWhenIdle(afterTheRest(2)).has_value());
    ASSERT_TRUE(mixer->asleep());
    audio->play(tick);
    EXPECT_FALSE(audio->playing(music));
    audio->play(music);
    EXPECT_TRUE(audio->playing(music));
    EXPECT_FALSE(mixer->asleep());

    // Stopped again and closed while the device sleeps: there is nothing left to play,
    // and nothing wakes the device.
    audio->rewind(music);
    while (audio->playing(tick)) SDL_Delay(5);
    EXPECT_FALSE(mixer->restWhenIdle(afterTheRest(3)).has_value());
    audio->close(music);
    audio->play(music);
    EXPECT_FALSE(audio->playing(music));
    EXPECT_TRUE(mixer->asleep());

    // Put away while asleep, the back end leaves alone what the rest of SDL started
    // (the window's events).
    SDL_InitSubSystem(SDL_INIT_EVENTS);
    audio.reset();
    EXPECT_NE(SDL_WasInit(SDL_INIT_EVENTS), 0u);
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
}
