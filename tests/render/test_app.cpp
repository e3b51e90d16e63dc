// The program's main loop on SDL's dummy video driver: timers drive it, SDL's
// mouse, key and text events reach the window in twips, closing unloads, and the
// screenshot and time-limit switches of the environment work.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

#include "form/frmLumo2012.h"
#include "frontend/app.h"
#include "png_picture.h"
#include "tests/support/scratch_folder.h"
#include "toolkit/controls.h"
#include "toolkit/window.h"

namespace fs = std::filesystem;
using render_test::Picture;
using render_test::Rgb;
using zirimbo::frontend::App;

namespace {

// A window that runs a script, one step per tick of its timer.
struct ScriptWindow : tk::Window {
    ScriptWindow(tk::Runtime& rt, std::vector<std::string>& log, int widthPx = 1024, int heightPx = 768)
        : tk::Window(rt, "frmProva"), log(log) {
        Width = widthPx * 15;
        Height = heightPx * 15;
    }
    tk::CommandButton cmdOk{*this, "cmdOk"};
    tk::TextBox txtNome{*this, "txtNome"};
    tk::Timer tmrPassi{*this, "tmrPassi"};
    std::vector<std::string>& log;
    std::vector<std::function<void()>> steps;
    std::size_t next = 0;
    bool idle = false;  // no script: the timer stays off

    void Form_Load() override {
        setBackColor(0x00FF00);
        cmdOk.Move(100 * 15, 100 * 15, 80 * 15, 30 * 15);  // pixels 100..180 x 100..130
        cmdOk.Default = true;
        cmdOk.onClick = [this](int) { log.push_back("click"); };
        cmdOk.onKeyDown = [this](int, int key, int shift) {
            log.push_back("key " + std::to_string(key) + " " + std::to_string(shift));
        };
        txtNome.Move(100 * 15, 200 * 15, 120 * 15, 25 * 15);
        tmrPassi.onTimer = [this](int) {
            if (next < steps.size()) steps[next++]();
        };
        tmrPassi.Interval = 10;
        tmrPassi.Enabled = !idle;
    }
    void Form_Unload() override { log.push_back("unload " + Name()); }
};

void pushMouse(Uint32 type, int x, int y, Uint32 windowId = 0) {
    SDL_Event e{};
    e.type = type;
    e.button.windowID = windowId;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = x;
    e.button.y = y;
    SDL_PushEvent(&e);
}

void pushKey(SDL_Keycode key, Uint16 mod = KMOD_NONE) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    e.key.keysym.mod = mod;
    SDL_PushEvent(&e);
}

void pushText(const char* utf8) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
    SDL_PushEvent(&e);
}

void click(int x, int y) {
    pushMouse(SDL_MOUSEBUTTONDOWN, x, y);
    pushMouse(SDL_MOUSEBUTTONUP, x, y);
}

void pushQuit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

struct AppTest : ::testing::Test {
    std::vector<std::string> log;
    scratch::Folder scratch{"zirimbo_app"};
    fs::path folder = scratch.path();
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        unsetenv("ZIRIMBO_SCREENSHOT");
        unsetenv("ZIRIMBO_SCREENSHOT_DELAY_MS");
        unsetenv("ZIRIMBO_EXIT_AFTER_MS");
    }
    void TearDown() override {
        unsetenv("ZIRIMBO_SCREENSHOT");
        unsetenv("ZIRIMBO_SCREENSHOT_DELAY_MS");
        unsetenv("ZIRIMBO_EXIT_AFTER_MS");
    }
};

}  // namespace

TEST_F(AppTest, EventsReachTheWindowAndClosingUnloadsIt) {
    App app(folder.string());
    EXPECT_EQ(app.runtime().startDirectory, folder.string());
    std::string name = "(not read)";  // the window is gone once run returns: read it before
    int status = app.run([&](tk::Runtime& rt) {
        auto w = std::make_unique<ScriptWindow>(rt, log);
        ScriptWindow* win = w.get();
        w->steps = {
            [] {
                pushMouse(SDL_MOUSEBUTTONDOWN, 140, 115);
                pushMouse(SDL_MOUSEBUTTONUP, 140, 115);
            },
            [] {
                pushKey(SDLK_a, KMOD_LSHIFT);
                pushKey(SDLK_LEFT);
            },
            [] {
                pushMouse(SDL_MOUSEBUTTONDOWN, 150, 210);
                pushMouse(SDL_MOUSEBUTTONUP, 150, 210);
            },
            [] {
                pushText("Zoè");
                pushKey(SDLK_BACKSPACE);
            },
            // The clipboard pastes what the box can hold; Home and Delete edit at the caret.
            [] {
                SDL_SetClipboardText("lé 你\n");
                pushKey(SDLK_v, KMOD_LCTRL);
            },
            [] {
                pushKey(SDLK_HOME);
                pushKey(SDLK_DELETE);
            },
            [] { pushKey(SDLK_RETURN); },  // with a text box in focus: the default button
            [&, win] {
                name = win->txtNome.Text.get();
                pushQuit();
            },
        };
        return w;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(name, "olé ");
    EXPECT_EQ(log, (std::vector<std::string>{"click", "key 65 1", "key 37 0", "click", "unload frmProva"}));
    EXPECT_TRUE(app.runtime().finished());
}

TEST_F(AppTest, AnotherWindowInFrontGetsTheGameWindowAtItsSize) {
    App app(folder.string());
    std::unique_ptr<ScriptWindow> second;
    int w = 0, h = 0;
    int status = app.run([&](tk::Runtime& rt) {
        auto first = std::make_unique<ScriptWindow>(rt, log);
        second = std::make_unique<ScriptWindow>(rt, log, 400, 300);
        second->steps = {[&] {
            SDL_GetWindowSize(app.sdlWindow(), &w, &h);
            second->Unload();  // the last window: the program ends
        }};
        ScriptWindow* f = first.get();
        first->steps = {[&, f] {
            second->Show();
            f->Unload();
        }};
        return first;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(w, 400);
    EXPECT_EQ(h, 300);
    EXPECT_EQ(log, (std::vector<std::string>{"unload frmProva", "unload frmProva"}));
}

TEST_F(AppTest, ScreenshotOfTheFirstFrameAndTimeLimit) {
    fs::path png = folder / "prima.png";
    fs::remove(png);
    setenv("ZIRIMBO_SCREENSHOT", png.c_str(), 1);
    {
        App app(folder.string());
        app.setClientSize(1024, 768);
        EXPECT_EQ(app.run([&](tk::Runtime& rt) { return std::make_unique<ScriptWindow>(rt, log); }), 0);
    }
    SDL_Surface* s = IMG_Load(png.c_str());
    ASSERT_NE(s, nullptr);
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGB24, 0);
    EXPECT_EQ(rgb->w, 1024);
    EXPECT_EQ(rgb->h, 768);
    const auto* p = static_cast<const Uint8*>(rgb->pixels) + 10 * rgb->pitch + 10 * 3;
    EXPECT_EQ(p[0], 0);  // the window's green
    EXPECT_EQ(p[1], 255);
    EXPECT_EQ(p[2], 0);
    SDL_FreeSurface(rgb);
    SDL_FreeSurface(s);
    EXPECT_EQ(log, (std::vector<std::string>{"unload frmProva"}));

    // A window with nothing to do ends after the time limit.
    unsetenv("ZIRIMBO_SCREENSHOT");
    setenv("ZIRIMBO_EXIT_AFTER_MS", "100", 1);
    log.clear();
    App app(folder.string());
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(app.run([&](tk::Runtime& rt) {
        auto w = std::make_unique<ScriptWindow>(rt, log);
        w->idle = true;
        return w;
    }),
              0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_EQ(log, (std::vector<std::string>{"unload frmProva"}));
}

TEST_F(AppTest, ADelayedScreenshotShowsTheWindowAsItStandsThenAndTheTimeLimitComesFirst) {
    const fs::path png = folder / "dopo.png";
    setenv("ZIRIMBO_SCREENSHOT", png.c_str(), 1);
    setenv("ZIRIMBO_SCREENSHOT_DELAY_MS", "200", 1);
    {
        App app(folder.string());
        app.setClientSize(1024, 768);
        EXPECT_EQ(app.run([&](tk::Runtime& rt) {
            auto w = std::make_unique<ScriptWindow>(rt, log);
            ScriptWindow* self = w.get();
            w->steps = {[self] { self->setBackColor(0xFF0000); }};  // blue on the first tick
            return w;
        }),
                  0);
    }
    SDL_Surface* s = IMG_Load(png.c_str());
    ASSERT_NE(s, nullptr);
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGB24, 0);
    const auto* p = static_cast<const Uint8*>(rgb->pixels) + 10 * rgb->pitch + 10 * 3;
    EXPECT_EQ(p[0], 0);
    EXPECT_EQ(p[1], 0);
    EXPECT_EQ(p[2], 255);
    SDL_FreeSurface(rgb);
    SDL_FreeSurface(s);

    // With the time limit already reached the program quits without a screenshot.
    fs::remove(png);
    unsetenv("ZIRIMBO_SCREENSHOT_DELAY_MS");
    setenv("ZIRIMBO_EXIT_AFTER_MS", "0", 1);
    log.clear();
    App app(folder.string());
    EXPECT_EQ(app.run([&](tk::Runtime& rt) { return std::make_unique<ScriptWindow>(rt, log); }), 0);
    EXPECT_FALSE(fs::exists(png));
    EXPECT_EQ(log, (std::vector<std::string>{"unload frmProva"}));
}

TEST_F(AppTest, TheLayoutIsForTheLargestFourThirdsWindowTheDisplayHolds) {
    // SDL's dummy display is 1024 x 768 and says nothing of a frame: room is kept for a title bar.
    App app(folder.string());
    tk::Screen screen;
    int w = 0, h = 0;
    app.run([&](tk::Runtime& rt) {
        auto win = std::make_unique<ScriptWindow>(rt, log, 980, 735);
        ScriptWindow* self = win.get();
        win->steps = {[&, self] {
            screen = rt.screen;
            SDL_GetWindowSize(app.sdlWindow(), &w, &h);
            self->Unload();
        }};
        return win;
    });
    EXPECT_EQ(screen.Width, 980 * 15);
    EXPECT_EQ(screen.Height, 735 * 15);
    EXPECT_EQ(w, 980);
    EXPECT_EQ(h, 735);

    App asked(folder.string());
    asked.setClientSize(1280, 960);
    asked.run([&](tk::Runtime& rt) {
        auto win = std::make_unique<ScriptWindow>(rt, log);
        ScriptWindow* self = win.get();
        win->steps = {[&, self] {
            screen = rt.screen;
            self->Unload();
        }};
        return win;
    });
    EXPECT_EQ(screen.Width, 1280 * 15);
    EXPECT_EQ(screen.Height, 960 * 15);
}

TEST_F(AppTest, F11AndAltEnterSwitchFullScreenKeepingTheProportions) {
    App app(folder.string());
    app.setClientSize(800, 600);
    std::vector<std::string> states;
    // The display gives the window its size back a little after full screen ends (later
    // still on a busy machine): a step notes the state once it settled, or after a second.
    int waits = 0;
    auto note = [&](ScriptWindow* self) {
        int w = 0, h = 0;
        SDL_GetRendererOutputSize(SDL_GetRenderer(app.sdlWindow()), &w, &h);
        const bool full = (SDL_GetWindowFlags(app.sdlWindow()) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
        if (!full && w != 800 && ++waits < 100) {
            --self->next;  // this step again at the next tick
            return false;
        }
        waits = 0;
        states.push_back(std::string(full ? "full " : "window ") + std::to_string(w) + "x" + std::to_string(h));
        return true;
    };
    app.run([&](tk::Runtime& rt) {
        auto win = std::make_unique<ScriptWindow>(rt, log, 800, 600);
        ScriptWindow* self = win.get();
        win->steps = {
            [&, self] {
                if (note(self)) pushKey(SDLK_F11);
            },
            [&, self] {
                // The dummy display is 1024 x 768: the 800 x 600 picture is shown 1.28 times larger.
                if (!note(self)) return;
                const Uint32 id = SDL_GetWindowID(app.sdlWindow());
                pushMouse(SDL_MOUSEBUTTONDOWN, 140 * 128 / 100, 115 * 128 / 100, id);
                pushMouse(SDL_MOUSEBUTTONUP, 140 * 128 / 100, 115 * 128 / 100, id);
            },
            [&] { pushKey(SDLK_F11); },
            [&, self] {
                if (note(self)) pushKey(SDLK_RETURN, KMOD_LALT);
            },
            [&, self] {
                if (note(self)) pushKey(SDLK_RETURN, KMOD_LALT);
            },
            [&, self] {
                if (note(self)) self->Unload();
            },
        };
        return win;
    });
    EXPECT_EQ(states, (std::vector<std::string>{"window 800x600", "full 1024x768", "window 800x600", "full 1024x768",
                                                "window 800x600"}));
    // The click reached the button under it; the window never saw the keys.
    EXPECT_EQ(log, (std::vector<std::string>{"click", "unload frmProva"}));
}

TEST_F(AppTest, ThePictureAndTheClicksFollowTheSizeTheWindowReallyHas) {
    // A window manager may give the window another size than the one asked for: the
    // picture fits into the window as it is, with bars, and clicks land where it shows.
    // It is told once.
    const fs::path png = folder / "ridotta.png";
    setenv("ZIRIMBO_SCREENSHOT", png.c_str(), 1);
    setenv("ZIRIMBO_SCREENSHOT_DELAY_MS", "1500", 1);  // well after the script, even on a busy machine
    testing::internal::CaptureStderr();
    {
        App app(folder.string());
        app.setClientSize(800, 600);
        app.run([&](tk::Runtime& rt) {
            auto w = std::make_unique<ScriptWindow>(rt, log, 800, 600);
            w->steps = {
                [&] { SDL_SetWindowSize(app.sdlWindow(), 600, 300); },
                [] { click(100 + 140 / 2, 115 / 2); },  // shown at half its size, 100 pixels from the left
                [&] { SDL_SetWindowSize(app.sdlWindow(), 500, 300); },
                [&] { SDL_SetWindowSize(app.sdlWindow(), 600, 300); },
            };
            return w;
        });
    }
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    Picture pic(png);
    ASSERT_TRUE(pic.ok());
    EXPECT_EQ(pic.width(), 600);
    EXPECT_EQ(pic.height(), 300);
    EXPECT_EQ(pic.at(50, 150), (Rgb{0, 0, 0}));  // a bar
    EXPECT_EQ(pic.at(110, 10), render_test::kGreen);
    EXPECT_EQ(pic.at(100 + 150 / 2, 115 / 2), render_test::kGrey);  // the button
    EXPECT_EQ(pic.at(560, 150), (Rgb{0, 0, 0}));
    EXPECT_EQ(log, (std::vector<std::string>{"click", "unload frmProva"}));
}

TEST_F(AppTest, AWindowLargerThanTheDisplayIsShrunkOntoItWithOneLogLine) {
    App app(folder.string());
    app.setClientSize(1600, 1200);
    SDL_Rect placed{};
    testing::internal::CaptureStderr();
    app.run([&](tk::Runtime& rt) {
        auto w = std::make_unique<ScriptWindow>(rt, log, 1600, 1200);
        ScriptWindow* self = w.get();
        w->steps = {
            [&] {
                SDL_GetWindowPosition(app.sdlWindow(), &placed.x, &placed.y);
                SDL_GetWindowSize(app.sdlWindow(), &placed.w, &placed.h);
                click(140 * 64 / 100, 115 * 64 / 100);
            },
            [self] { self->Unload(); },
        };
        return w;
    });
    const std::string said = testing::internal::GetCapturedStderr();
    // The dummy display is 1024 x 768, and the window has no frame there.
    EXPECT_EQ(placed.x, 0);
    EXPECT_EQ(placed.y, 0);
    EXPECT_EQ(placed.w, 1024);
    EXPECT_EQ(placed.h, 768);
    EXPECT_EQ(log, (std::vector<std::string>{"click", "unload frmProva"}));
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

namespace {

// The information window, which switches full screen on by itself once it shows.
struct FullScreenInfo : zirimbo::frmLumo2012 {
    FullScreenInfo(tk::Runtime& rt, std::vector<SDL_Rect>& boxes)
        : frmLumo2012(rt, ZIRIMBO_GAME_FOLDER), boxes(boxes) {}
    tk::Timer tmrProva{*this, "tmrProva"};
    std::vector<SDL_Rect>& boxes;  // the three bordered boxes: left, top, right, bottom in pixels

    void Form_Load() override {
        frmLumo2012::Form_Load();
        for (int i = 0; i <= 2; ++i) {
            const tk::Shape& s = ShpLumo(i);
            boxes.push_back(SDL_Rect{s.Left / 15, s.Top / 15, (s.Left + s.Width) / 15, (s.Top + s.Height) / 15});
        }
        tmrProva.Interval = 10;
        tmrProva.onTimer = [this](int) {
            tmrProva.Enabled = false;
            pushKey(SDLK_F11);
        };
        tmrProva.Enabled = true;
    }
};

bool dark(Rgb c) { return c.r < 128 && c.g < 128 && c.b < 128; }

}  // namespace

TEST_F(AppTest, TheInformationWindowInFullScreenKeepsEveryBorder) {
    const fs::path png = folder / "informazioni.png";
    setenv("ZIRIMBO_SCREENSHOT", png.c_str(), 1);
    setenv("ZIRIMBO_SCREENSHOT_DELAY_MS", "1500", 1);  // well after full screen, even on a busy machine
    std::vector<SDL_Rect> boxes;
    int width = 0;
    {
        App app(folder.string());
        app.run([&](tk::Runtime& rt) {
            width = rt.screen.Width / 15;
            return std::make_unique<FullScreenInfo>(rt, boxes);
        });
    }
    Picture pic(png);
    ASSERT_TRUE(pic.ok());
    ASSERT_EQ(boxes.size(), 3u);
    // The dummy display is 1024 x 768; the window's 4:3 picture fills it.
    ASSERT_EQ(pic.width(), 1024);
    const double scale = 1024.0 / width;
    for (const SDL_Rect& b : boxes) {
        const int right = int((b.w - 0.5) * scale);  // b.w holds the right edge
        for (int y = int(b.y * scale) + 10; y < int(b.h * scale) - 10; y += 7) {
            bool line = false;
            for (int x = right - 2; x <= right + 2; ++x) line = line || dark(pic.at(x, y));
            ASSERT_TRUE(line) << "no right border at " << right << "," << y;
        }
    }
}
