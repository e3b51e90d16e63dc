#include "frontend/app.h"

#include <SDL_image.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <cstdlib>
#include <vector>

#include <unistd.h>

#include "frontend/media_loader.h"
#include "frontend/renderer.h"
#include "frontend/sdl_audio.h"
#include "toolkit/controls.h"
#include "toolkit/log.h"
#include "toolkit/paths.h"

namespace zirimbo::frontend {

namespace {

constexpr int kDesignW = 1024, kDesignH = 768;
constexpr int kTitleBarAllowance = 32;  // room kept for a title bar when the frame is not known
constexpr int kWheelLines = 3;

std::optional<long> envNumber(const char* name) {
    const char* v = std::getenv(name);
    if (!v || !*v) return std::nullopt;
    char* end = nullptr;
    long n = std::strtol(v, &end, 10);
    if (end == v || n < 0) return std::nullopt;
    return n;
}

// The key codes the game knows, from SDL's keys; 0 for keys it has no code for.
int keyCodeOf(SDL_Keycode k) {
    if (k >= SDLK_a && k <= SDLK_z) return 'A' + int(k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9) return '0' + int(k - SDLK_0);
    if (k >= SDLK_F1 && k <= SDLK_F12) return 112 + int(k - SDLK_F1);
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return 97 + int(k - SDLK_KP_1);
    switch (k) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return 13;
        case SDLK_BACKSPACE: return 8;
        case SDLK_TAB: return 9;
        case SDLK_ESCAPE: return 27;
        case SDLK_SPACE: return 32;
        case SDLK_PAGEUP: return 33;
        case SDLK_PAGEDOWN: return 34;
        case SDLK_END: return 35;
        case SDLK_HOME: return 36;
        case SDLK_LEFT: return 37;
        case SDLK_UP: return 38;
        case SDLK_RIGHT: return 39;
        case SDLK_DOWN: return 40;
        case SDLK_INSERT: return 45;
        case SDLK_DELETE: return 46;
        case SDLK_KP_0: return 96;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT: return 16;
        case SDLK_LCTRL:
        case SDLK_RCTRL: return 17;
        case SDLK_LALT:
        case SDLK_RALT: return 18;
        default: return 0;
    }
}

int shiftOf(Uint16 mod) {
    return ((mod & KMOD_SHIFT) ? 1 : 0) | ((mod & KMOD_CTRL) ? 2 : 0) | ((mod & KMOD_ALT) ? 4 : 0);
}

int buttonOf(Uint8 b) {
    switch (b) {
        case SDL_BUTTON_RIGHT: return 2;
        case SDL_BUTTON_MIDDLE: return 4;
        default: return 1;
    }
}

}  // namespace

App::App(std::string gameFolder) : folder_(std::move(gameFolder)) {
    audio_ = SdlAudio::openAudio();
    rt_ = std::make_unique<tk::Runtime>(clock_, rng_, *audio_);
    rt_->startDirectory = folder_;
}

App::~App() {
    painter_.reset();
    if (canvas_) SDL_DestroyTexture(canvas_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    rt_.reset();
    audio_.reset();
    IMG_Quit();
    SDL_Quit();
}

SDL_Point App::clientSizeFor(int usableW, int usableH, int frameW, int frameH) {
    // The width a multiple of 4, so that the height is exactly three quarters of it.
    int w = std::min(usableW - frameW, (usableH - frameH) * 4 / 3);
    w = std::max(4, w - w % 4);
    return SDL_Point{w, w * 3 / 4};
}

void App::setClientSize(int width, int height) {
    requested_ = SDL_Point{width, height};
}

bool App::openWindow() {
    window_ = SDL_CreateWindow("ZIRIMBO!", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kDesignW, kDesignH,
                               SDL_WINDOW_HIDDEN);
    if (!window_) return false;
    SDL_Point size{kDesignW, kDesignH};
    if (requested_) {
        size = *requested_;
    } else {
        int display = std::max(0, SDL_GetWindowDisplayIndex(window_));
        SDL_Rect usable{0, 0, kDesignW, kDesignH + kTitleBarAllowance};
        if (SDL_GetDisplayUsableBounds(display, &usable) != 0)
            usable = SDL_Rect{0, 0, kDesignW, kDesignH + kTitleBarAllowance};
        // The frame the window manager puts around the window, when it says.
        int top = 0, left = 0, bottom = 0, right = 0;
        if (SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) != 0 || top + left + bottom + right == 0) {
            top = kTitleBarAllowance;
            left = bottom = right = 0;
        }
        size = clientSizeFor(usable.w, usable.h, left + right, top + bottom);
    }
    maxW_ = size.x;
    maxH_ = size.y;
    rt_->screen.Width = maxW_ * rt_->screen.TwipsPerPixelX;
    rt_->screen.Height = maxH_ * rt_->screen.TwipsPerPixelY;
    SDL_SetWindowSize(window_, maxW_, maxH_);
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);

    std::string icon = tk::resolvePath(folder_ + "/Grafica/Icona.gif");
    if (tk::pathExists(icon)) {
        if (SDL_Surface* s = loadPicture(icon)) {
            SDL_SetWindowIcon(window_, s);
            SDL_FreeSurface(s);
        }
    }
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) return false;
    painter_ = std::make_unique<Renderer>(renderer_);
    return true;
}

void App::fitTo(tk::Window& w) {
    // The window at its design size, or drawn at that size and shrunk as a whole
    // when the screen is smaller. In full screen the picture keeps its proportions,
    // with bars at the sides.
    int dw = std::max(1, (w.Width + rt_->screen.TwipsPerPixelX / 2) / rt_->screen.TwipsPerPixelX);
    int dh = std::max(1, (w.Height + rt_->screen.TwipsPerPixelY / 2) / rt_->screen.TwipsPerPixelY);
    int pw = dw, ph = dh;
    if (canvas_) SDL_DestroyTexture(canvas_);
    canvas_ = nullptr;
    SDL_RenderSetLogicalSize(renderer_, 0, 0);
    if (fullscreen_) {
        SDL_RenderSetLogicalSize(renderer_, dw, dh);
    } else if (dw > maxW_ || dh > maxH_) {
        double scale = std::min(double(maxW_) / dw, double(maxH_) / dh);
        pw = std::max(1, int(dw * scale));
        ph = std::max(1, int(dh * scale));
        canvas_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, dw, dh);
        if (canvas_) SDL_SetTextureScaleMode(canvas_, SDL_ScaleModeLinear);
        else SDL_RenderSetLogicalSize(renderer_, dw, dh);  // no drawing into textures: let SDL scale
    }
    canvasW_ = dw;
    canvasH_ = dh;
    int cw = 0, ch = 0;
    SDL_GetWindowSize(window_, &cw, &ch);
    if (!fullscreen_ && (cw != pw || ch != ph)) {
        SDL_SetWindowSize(window_, pw, ph);
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    redraw_ = true;
}

void App::toggleFullscreen() {
    const bool on = !fullscreen_;
    if (SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
        tk::logLine(std::string("cannot switch full screen: ") + SDL_GetError());
        return;
    }
    fullscreen_ = on;
    if (tk::Window* w = rt_->activeWindow()) fitTo(*w);
}

SDL_Point App::toTwips(int x, int y) const {
    // With a shrunk picture, window pixels stand for more of the design's pixels.
    if (canvas_) {
        int ww = 1, wh = 1;
        SDL_GetWindowSize(window_, &ww, &wh);
        x = int(long(x) * canvasW_ / std::max(1, ww));
        y = int(long(y) * canvasH_ / std::max(1, wh));
    }
    return SDL_Point{x * rt_->screen.TwipsPerPixelX, y * rt_->screen.TwipsPerPixelY};
}

void App::present(tk::Window* w) {
    if (canvas_) SDL_SetRenderTarget(renderer_, canvas_);
    if (w) {
        painter_->draw(*w);
    } else {
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
    }
    if (canvas_) {
        SDL_SetRenderTarget(renderer_, nullptr);
        SDL_RenderCopy(renderer_, canvas_, nullptr, nullptr);
    }
}

bool App::saveScreenshot(const std::string& path) {
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer_, &w, &h);
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
    if (!s) return false;
    bool ok = SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_RGB24, s->pixels, s->pitch) == 0 &&
              IMG_SavePNG(s, path.c_str()) == 0;
    SDL_FreeSurface(s);
    return ok;
}

void App::unloadAll() {
    closing_ = true;
    std::vector<tk::Window*> open(rt_->windows.rbegin(), rt_->windows.rend());
    for (tk::Window* w : open)
        if (w->loaded()) w->Unload();
}

void App::handle(const SDL_Event& e) {
    tk::Window* w = rt_->activeWindow();
    switch (e.type) {
        case SDL_QUIT:
            unloadAll();
            return;
        case SDL_WINDOWEVENT:
            switch (e.window.event) {
                case SDL_WINDOWEVENT_EXPOSED:
                case SDL_WINDOWEVENT_SHOWN:
                case SDL_WINDOWEVENT_RESTORED:
                case SDL_WINDOWEVENT_MAXIMIZED:
                case SDL_WINDOWEVENT_SIZE_CHANGED: redraw_ = true; break;
                default: break;
            }
            return;
        default: break;
    }
    if (!w) return;
    switch (e.type) {
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            SDL_Point p = toTwips(e.button.x, e.button.y);
            int button = buttonOf(e.button.button);
            if (e.type == SDL_MOUSEBUTTONUP) {
                w->mouseUp(p.x, p.y, button);
                break;
            }
            // The scroll bars of text boxes belong to the front end.
            int tx = rt_->screen.TwipsPerPixelX, ty = rt_->screen.TwipsPerPixelY;
            if (button == 1 && painter_->clickScrollBar(*w, p.x / tx, p.y / ty)) break;
            w->mouseDown(p.x, p.y, button);
            break;
        }
        case SDL_MOUSEMOTION: {
            SDL_Point p = toTwips(e.motion.x, e.motion.y);
            w->mouseMove(p.x, p.y);
            break;
        }
        case SDL_MOUSEWHEEL: {
            int wx = 0, wy = 0;
            SDL_GetMouseState(&wx, &wy);
            float lx = 0, ly = 0;
            SDL_RenderWindowToLogical(renderer_, wx, wy, &lx, &ly);
            SDL_Point p = toTwips(int(lx), int(ly));
            int px = p.x / rt_->screen.TwipsPerPixelX, py = p.y / rt_->screen.TwipsPerPixelY;
            if (tk::TextBox* box = painter_->scrollableTextBoxAt(*w, px, py)) {
                int notches = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
                painter_->scrollTextBox(*box, -notches * kWheelLines * painter_->lineHeight(*box));
            }
            break;
        }
        case SDL_KEYDOWN: {
            // F11 and Alt+Enter belong to the program: full screen on and off.
            const SDL_Keycode sym = e.key.keysym.sym;
            if (sym == SDLK_F11 || (sym == SDLK_RETURN && (e.key.keysym.mod & KMOD_ALT))) {
                if (!e.key.repeat) toggleFullscreen();
                break;
            }
            int code = keyCodeOf(e.key.keysym.sym);
            if (code) w->keyDown(code, shiftOf(e.key.keysym.mod));
            break;
        }
        case SDL_TEXTINPUT: w->textInput(e.text.text); break;
        default: break;
    }
}

namespace {
// Milliseconds since the kernel started this process (for the start-up measurement).
double msSinceProcessStart() {
    std::FILE* f = std::fopen("/proc/self/stat", "r");
    if (!f) return -1;
    char buf[1024];
    std::size_t n = std::fread(buf, 1, sizeof buf - 1, f);
    std::fclose(f);
    buf[n] = 0;
    // Field 22 (start time in clock ticks since boot) comes after the ')' of the command name.
    const char* p = std::strrchr(buf, ')');
    if (!p) return -1;
    unsigned long long start = 0;
    int field = 2;
    for (const char* q = p + 1; *q && field < 22; ++q)
        if (*q == ' ' && ++field == 22) start = std::strtoull(q + 1, nullptr, 10);
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    double ticks = double(sysconf(_SC_CLK_TCK));
    return (double(now.tv_sec) + double(now.tv_nsec) / 1e9 - double(start) / ticks) * 1000.0;
}

// The hooks for tests and measurements, read from the environment once at the start.
struct RunHooks {
    std::string screenshot;  // "" for none
    std::optional<long> screenshotDelayMs, exitAfterMs;
    bool reportStartup = false;
    bool firstFrameShown = false;

    static RunHooks fromEnvironment() {
        RunHooks hooks;
        if (const char* shot = std::getenv("ZIRIMBO_SCREENSHOT")) hooks.screenshot = shot;
        hooks.screenshotDelayMs = envNumber("ZIRIMBO_SCREENSHOT_DELAY_MS");
        hooks.exitAfterMs = envNumber("ZIRIMBO_EXIT_AFTER_MS");
        hooks.reportStartup = std::getenv("ZIRIMBO_REPORT_STARTUP") != nullptr;
        return hooks;
    }
    bool exitDue(std::int64_t elapsed) const { return exitAfterMs && elapsed >= *exitAfterMs; }
    bool screenshotDue(std::int64_t elapsed) const {
        return !screenshot.empty() && (!screenshotDelayMs || elapsed >= *screenshotDelayMs);
    }
    bool due(std::int64_t elapsed) const { return exitDue(elapsed) || screenshotDue(elapsed); }
    void frameShown() {
        if (firstFrameShown) return;
        firstFrameShown = true;
        if (reportStartup)
            std::fprintf(stderr, "zirimbo: first frame %.1f ms after the process started\n", msSinceProcessStart());
    }
    // The next moment, from the start, at which a hook wants the loop awake.
    std::optional<std::int64_t> deadline() const {
        std::optional<std::int64_t> at = exitAfterMs;
        if (!screenshot.empty() && screenshotDelayMs)
            at = at ? std::min<std::int64_t>(*at, *screenshotDelayMs) : *screenshotDelayMs;
        return at;
    }
};
}  // namespace

bool App::startVideo() {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        tk::logLine(std::string("cannot open the display: ") + SDL_GetError());
        return false;
    }
    IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (!openWindow()) {
        tk::logLine(std::string("cannot open the game window: ") + SDL_GetError());
        return false;
    }
    SDL_StartTextInput();
    rt_->clipboardText = [] {
        std::string text;
        if (char* clip = SDL_GetClipboardText()) {
            text = clip;
            SDL_free(clip);
        }
        return text;
    };
    return true;
}

void App::followFrontWindow() {
    tk::Window* active = rt_->activeWindow();
    if (active == front_) return;
    front_ = active;
    if (active) fitTo(*active);
}

bool App::drawIfChanged() {
    const bool dirty = front_ && front_->takeDirty();
    if (!dirty && !redraw_) return false;
    redraw_ = false;
    present(front_);
    SDL_RenderPresent(renderer_);
    return true;
}

int App::drawScreenshot(const std::string& path) {
    followFrontWindow();
    redraw_ = false;
    if (front_) front_->takeDirty();
    present(front_);
    const bool saved = saveScreenshot(path);
    if (!saved) tk::logLine("cannot save the screenshot " + path);
    SDL_RenderPresent(renderer_);
    return saved ? 0 : 1;
}

void App::waitForEvents(std::optional<std::int64_t> deadline) {
    std::optional<std::int64_t> wake = rt_->timers.nextDue();
    if (deadline) wake = wake ? std::min(*wake, *deadline) : *deadline;
    SDL_Event e;
    bool got;
    if (wake) {
        std::int64_t wait = std::clamp<std::int64_t>(*wake - clock_.nowMs(), 0, INT_MAX);
        got = SDL_WaitEventTimeout(&e, int(wait)) != 0;
    } else {
        got = SDL_WaitEvent(&e) != 0;
    }
    if (got) {
        handle(e);
        while (!closing_ && SDL_PollEvent(&e)) handle(e);
    }
}

bool App::running() const { return !closing_ && !rt_->quit && !rt_->windows.empty(); }

int App::run(WindowFactory makeMainWindow) {
    if (!startVideo()) return 2;
    RunHooks hooks = RunHooks::fromEnvironment();
    int status = 0;
    const std::int64_t start = clock_.nowMs();
    std::optional<std::int64_t> hookDeadline = hooks.deadline();
    if (hookDeadline) *hookDeadline += start;

    std::unique_ptr<tk::Window> mainWindow = makeMainWindow(*rt_);
    mainWindow->Load();
    if (mainWindow->loaded() && !rt_->quit) mainWindow->Show();

    std::int64_t elapsed = 0;
    while (true) {
        rt_->timers.fireDue();
        if (!running()) break;
        elapsed = clock_.nowMs() - start;
        if (hooks.due(elapsed)) break;
        followFrontWindow();
        if (drawIfChanged()) hooks.frameShown();
        waitForEvents(hookDeadline);
    }
    if (running()) {
        // A hook is due: quitting comes before the screenshot.
        if (!hooks.exitDue(elapsed)) status = drawScreenshot(hooks.screenshot);
        unloadAll();
    }
    SDL_StopTextInput();
    mainWindow.reset();
    return status;
}

}  // namespace zirimbo::frontend
