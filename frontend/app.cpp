#include "frontend/app.h"

#include <SDL_image.h>
#include <SDL_syswm.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <poll.h>
#include <unistd.h>

#include "frontend/display.h"
#include "frontend/media_loader.h"
#include "frontend/renderer.h"
#include "frontend/sdl_audio.h"
#include "frontend/window_manager.h"
#include "toolkit/controls.h"
#include "toolkit/log.h"
#include "toolkit/paths.h"

namespace zirimbo::frontend {

namespace {

constexpr int kDesignW = 1024, kDesignH = 768;
// The smallest layout: on a smaller one the texts no longer fit their places. A
// smaller display shows this layout shrunk.
constexpr int kSmallestW = 640, kSmallestH = 480;
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

// Whether OpenGL can only be drawn by the processor, told before any of it is
// loaded: the user asks for that, or there is no graphics device at all (the
// display may tell as well, displayMayDrawOpenGlOnCard).
bool noGraphicsDevice() {
    const char* soft = std::getenv("LIBGL_ALWAYS_SOFTWARE");
    if (soft && *soft && std::strcmp(soft, "0") != 0 && std::strcmp(soft, "false") != 0) return true;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("card", 0) == 0 || name.rfind("renderD", 0) == 0) return false;
    }
    // The proprietary drivers of some cards have devices of their own.
    return !std::filesystem::exists("/dev/nvidiactl", ec);
}

// Whether a renderer SDL has just made is OpenGL drawn by the processor (its
// context is current then); `glName` gets the name OpenGL gives what draws.
bool drawnByProcessor(SDL_Renderer* renderer, std::string& glName) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0 || !info.name || std::strncmp(info.name, "opengl", 6) != 0)
        return false;
    using GetString = const unsigned char* (*)(unsigned);
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    constexpr unsigned kGlRenderer = 0x1F01;
    const unsigned char* name = getString ? getString(kGlRenderer) : nullptr;
    if (!name) return false;
    glName = reinterpret_cast<const char*>(name);
    std::string lower = glName;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    for (const char* software : {"llvmpipe", "softpipe", "swrast", "software rasterizer", "basic render"})
        if (lower.find(software) != std::string::npos) return true;
    return false;
}

}  // namespace

App::App(std::string gameFolder) : folder_(std::move(gameFolder)) {
    audio_ = SdlAudio::openAudio();
    mixer_ = dynamic_cast<SdlAudio*>(audio_.get());
    rt_ = std::make_unique<tk::Runtime>(clock_, rng_, *audio_);
    rt_->startDirectory = folder_;
}

App::~App() {
    // The windows, the sound and its thread go first, then the SDL window, and the
    // display last of all.
    rt_.reset();
    audio_.reset();
    painter_.reset();
    if (canvas_) SDL_DestroyTexture(canvas_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    IMG_Quit();
    SDL_Quit();
}

SDL_Point App::clientSizeFor(int usableW, int usableH, int frameW, int frameH) {
    // The width a multiple of 4, so that the height is exactly three quarters of it.
    int w = std::min(usableW - frameW, (usableH - frameH) * 4 / 3);
    w = std::max(4, w - w % 4);
    return SDL_Point{w, w * 3 / 4};
}

void App::setClientSize(int width, int height) { requested_ = SDL_Point{width, height}; }

bool App::createWindow() {
    window_ = SDL_CreateWindow("ZIRIMBO!", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kDesignW, kDesignH,
                               SDL_WINDOW_HIDDEN);
    if (!window_) return false;
    std::string icon = tk::resolvePath(folder_ + "/Grafica/Icona.gif");
    if (tk::pathExists(icon)) {
        if (SDL_Surface* s = loadWindowIcon(icon)) {
            SDL_SetWindowIcon(window_, s);
            SDL_FreeSurface(s);
        }
    }
    return true;
}

bool App::openWindow() {
    // SDL's software renderer draws straight into the window, not through an OpenGL
    // texture (a user's SDL_FRAMEBUFFER_ACCELERATION still decides).
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (!createWindow()) return false;
    SDL_Point size{kDesignW, kDesignH};
    if (requested_) {
        size = *requested_;
    } else {
        const SDL_Rect usable = usableArea();
        const Frame f = frame();
        size = clientSizeFor(usable.w, usable.h, f.left + f.right, f.top + f.bottom);
        if (size.x < kSmallestW) size = SDL_Point{kSmallestW, kSmallestH};
    }
    maxW_ = size.x;
    maxH_ = size.y;
    rt_->screen.Width = maxW_ * rt_->screen.TwipsPerPixelX;
    rt_->screen.Height = maxH_ * rt_->screen.TwipsPerPixelY;

    if (!createRenderer()) return false;
    painter_ = std::make_unique<Renderer>(renderer_);
    return true;
}

bool App::createRenderer() {
    // The user may name SDL's renderer (SDL_RENDER_DRIVER): SDL then makes that one.
    const char* named = std::getenv("SDL_RENDER_DRIVER");
    const bool choose = !named || !*named;
    if (!choose || (!noGraphicsDevice() && displayMayDrawOpenGlOnCard(window_))) {
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
        // OpenGL drawn by the processor (a virtual machine, a remote desktop, a card
        // without its driver) costs several times the memory of SDL's software
        // renderer, and its frames take longer: that renderer is dropped, with its
        // window, which takes the OpenGL library with it.
        const bool onProcessor = renderer_ && drawnByProcessor(renderer_, glRenderer_);
        if (onProcessor && choose) {
            glRenderer_.clear();
            SDL_DestroyRenderer(renderer_);
            renderer_ = nullptr;
            SDL_DestroyWindow(window_);
            window_ = nullptr;
            if (!createWindow()) return false;
        }
    }
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    // Without a software renderer for the window, any SDL can make.
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!renderer_) return false;
    SDL_RendererInfo info;
    rendererName_ = SDL_GetRendererInfo(renderer_, &info) == 0 && info.name ? info.name : "?";
    if (!glRenderer_.empty()) rendererName_ += " (" + glRenderer_ + ")";
    return true;
}

SDL_Rect App::usableArea() const {
    SDL_Rect usable{0, 0, kDesignW, kDesignH + kTitleBarAllowance};
    if (SDL_GetDisplayUsableBounds(std::max(0, SDL_GetWindowDisplayIndex(window_)), &usable) != 0 || usable.w <= 0 ||
        usable.h <= 0)
        usable = SDL_Rect{0, 0, kDesignW, kDesignH + kTitleBarAllowance};
    return usable;
}

App::Frame App::frame() const {
    // Until the window shows, no window manager has told its frame: room is kept for a title bar.
    if (!shown_) return Frame{0, kTitleBarAllowance, 0, 0};
    Frame f;
    if (SDL_GetWindowBordersSize(window_, &f.top, &f.left, &f.bottom, &f.right) != 0) f = Frame{};
    return f;
}

void App::placeWindow() {
    const SDL_Rect usable = usableArea();
    const Frame f = frame();
    placedWith_ = f;
    // The front window at its size, no larger than the layout chosen for the display
    // (a larger one is shrunk as a whole), and no larger than the display holds below
    // the title bar. The frame's thin sides and bottom may run off a display the
    // window fills, so that a picture is not blurred for a pixel or two of frame.
    const double chosen = std::min({1.0, double(maxW_) / canvasW_, double(maxH_) / canvasH_});
    const double fits = std::min(double(usable.w) / canvasW_, double(usable.h - f.top) / canvasH_);
    const double scale = std::max(0.0, std::min(chosen, fits));
    const int w = std::max(1, int(canvasW_ * scale)), h = std::max(1, int(canvasH_ * scale));
    if (fits < chosen && shown_ && !shrinkReported_) {
        shrinkReported_ = true;
        tk::logLine("the display's free area of " + std::to_string(usable.w) + "x" + std::to_string(usable.h) +
                    " is too small for the window of " + std::to_string(int(canvasW_ * chosen)) + "x" +
                    std::to_string(int(canvasH_ * chosen)) + " and its title bar: it is shown at " + std::to_string(w) +
                    "x" + std::to_string(h));
    }
    int cw = 0, ch = 0;
    SDL_GetWindowSize(window_, &cw, &ch);
    if (cw != w || ch != h) SDL_SetWindowSize(window_, w, h);
    // Centred with its frame, the client area and the title bar kept on the display.
    const int x = usable.x + f.left + (usable.w - f.left - f.right - w) / 2;
    const int y = usable.y + f.top + (usable.h - f.top - f.bottom - h) / 2;
    asked_ = SDL_Rect{std::clamp(x, usable.x, std::max(usable.x, usable.x + usable.w - w)),
                      std::clamp(y, usable.y + f.top, std::max(usable.y + f.top, usable.y + usable.h - h)), w, h};
    SDL_SetWindowPosition(window_, asked_.x, asked_.y);
}

void App::fitTo(tk::Window& w) {
    // The window at the front window's size, or smaller with its picture shrunk where
    // the display is too small. In full screen the picture keeps its proportions, with
    // bars at the sides.
    const int dw = std::max(1, (w.Width + rt_->screen.TwipsPerPixelX / 2) / rt_->screen.TwipsPerPixelX);
    const int dh = std::max(1, (w.Height + rt_->screen.TwipsPerPixelY / 2) / rt_->screen.TwipsPerPixelY);
    if (dw != canvasW_ || dh != canvasH_) {
        if (canvas_) SDL_DestroyTexture(canvas_);
        canvas_ = nullptr;
        if (sdlScales_) SDL_RenderSetLogicalSize(renderer_, 0, 0);
        sdlScales_ = false;
    }
    canvasW_ = dw;
    canvasH_ = dh;
    if (!fullscreen_) placeWindow();
    if (!shown_) {
        SDL_ShowWindow(window_);
        shown_ = true;
        // Shown, the window has its frame, when there is a window manager: centred again with it.
        SDL_PumpEvents();
        if (!fullscreen_) placeWindow();
    }
    SDL_RaiseWindow(window_);
    redraw_ = true;
}

void App::windowChanged(const SDL_WindowEvent& e) {
    if (e.event != SDL_WINDOWEVENT_SIZE_CHANGED && e.event != SDL_WINDOWEVENT_MOVED) return;
    if (fullscreen_ || !shown_ || (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN)) return;
    // Back from full screen, or a frame that came or changed after the window was placed.
    if (placeWhenBack_ || frame() != placedWith_) {
        placeWhenBack_ = false;
        placeWindow();
        return;
    }
    // A window manager may keep another size or place than the one asked for: the
    // picture follows the size; a place off the display can only be told.
    SDL_Rect now{0, 0, 0, 0};
    SDL_GetWindowPosition(window_, &now.x, &now.y);
    SDL_GetWindowSize(window_, &now.w, &now.h);
    const SDL_Rect usable = usableArea();
    const bool inside = now.x >= usable.x && now.y >= usable.y && now.x + now.w <= usable.x + usable.w &&
                        now.y + now.h <= usable.y + usable.h;
    const std::string where =
        std::to_string(now.w) + "x" + std::to_string(now.h) + "+" + std::to_string(now.x) + "+" + std::to_string(now.y);
    if ((now.w != asked_.w || now.h != asked_.h) && !sizeReported_) {
        sizeReported_ = true;
        tk::logLine("the window manager gave the window " + where + " instead of " + std::to_string(asked_.w) + "x" +
                    std::to_string(asked_.h) + ": the picture is fitted to it");
    } else if (!inside && !placeReported_) {
        placeReported_ = true;
        tk::logLine("the window manager keeps the window at " + where + ", partly off the display's free area");
    }
}

void App::toggleFullscreen() {
    const bool on = !fullscreen_;
    if (on) managedFullscreen_ = windowManagerDoesFullScreen(window_);
    if (managedFullscreen_) {
        if (SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
            tk::logLine(std::string("cannot switch full screen: ") + SDL_GetError());
            return;
        }
        // The window manager gives the window its size back later: it is centred then.
        placeWhenBack_ = !on;
    } else if (on) {
        // No window manager to ask: the window covers its display itself.
        SDL_Rect bounds;
        if (SDL_GetDisplayBounds(std::max(0, SDL_GetWindowDisplayIndex(window_)), &bounds) != 0) {
            tk::logLine(std::string("cannot switch full screen: ") + SDL_GetError());
            return;
        }
        SDL_SetWindowPosition(window_, bounds.x, bounds.y);
        SDL_SetWindowSize(window_, bounds.w, bounds.h);
    }
    fullscreen_ = on;
    if (!on && !managedFullscreen_) placeWindow();
    redraw_ = true;
}

SDL_Rect App::pictureRect() const {
    int ow = 1, oh = 1;
    SDL_GetRendererOutputSize(renderer_, &ow, &oh);
    if (ow == canvasW_ && oh == canvasH_) return SDL_Rect{0, 0, ow, oh};
    const double scale = std::min(double(ow) / std::max(1, canvasW_), double(oh) / std::max(1, canvasH_));
    const int w = std::max(1, int(std::lround(canvasW_ * scale))), h = std::max(1, int(std::lround(canvasH_ * scale)));
    return SDL_Rect{(ow - w) / 2, (oh - h) / 2, w, h};
}

bool App::pictureScaled() const {
    if (sdlScales_) return false;
    int ow = 0, oh = 0;
    SDL_GetRendererOutputSize(renderer_, &ow, &oh);
    return ow != canvasW_ || oh != canvasH_;
}

SDL_Point App::toTwips(int x, int y) const {
    // A scaled picture: window points to the picture's own pixels.
    if (pictureScaled()) {
        int ww = 1, wh = 1, ow = 1, oh = 1;
        SDL_GetWindowSize(window_, &ww, &wh);
        SDL_GetRendererOutputSize(renderer_, &ow, &oh);
        const SDL_Rect pic = pictureRect();
        const double px = double(x) * ow / std::max(1, ww), py = double(y) * oh / std::max(1, wh);
        x = int(std::floor((px - pic.x) * canvasW_ / pic.w));
        y = int(std::floor((py - pic.y) * canvasH_ / pic.h));
    }
    return SDL_Point{x * rt_->screen.TwipsPerPixelX, y * rt_->screen.TwipsPerPixelY};
}

void App::present(tk::Window* w) {
    const bool scaled = w && pictureScaled();
    if (scaled && !canvas_) {
        canvas_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, canvasW_, canvasH_);
        if (canvas_) {
            SDL_SetTextureScaleMode(canvas_, SDL_ScaleModeLinear);
        } else {
            // No drawing into textures: SDL scales every drawing, and the clicks.
            SDL_RenderSetLogicalSize(renderer_, canvasW_, canvasH_);
            sdlScales_ = true;
        }
    }
    if (scaled && canvas_) SDL_SetRenderTarget(renderer_, canvas_);
    if (w) {
        painter_->draw(*w);
    } else {
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
    }
    if (scaled && canvas_) {
        SDL_SetRenderTarget(renderer_, nullptr);
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        const SDL_Rect pic = pictureRect();
        SDL_RenderCopy(renderer_, canvas_, nullptr, &pic);
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
        case SDL_QUIT: unloadAll(); return;
        case SDL_WINDOWEVENT:
            switch (e.window.event) {
                case SDL_WINDOWEVENT_EXPOSED:
                case SDL_WINDOWEVENT_SHOWN:
                case SDL_WINDOWEVENT_RESTORED:
                case SDL_WINDOWEVENT_MAXIMIZED:
                case SDL_WINDOWEVENT_SIZE_CHANGED: redraw_ = true; break;
                default: break;
            }
            windowChanged(e.window);
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
    bool reportFrames = false;
    bool firstFrameShown = false;
    double startMs = 0;       // the process start, on the loop's clock
    std::string firedTimers;  // the timers fired since the last frame, for the frame report

    static RunHooks fromEnvironment() {
        RunHooks hooks;
        if (const char* shot = std::getenv("ZIRIMBO_SCREENSHOT")) hooks.screenshot = shot;
        hooks.screenshotDelayMs = envNumber("ZIRIMBO_SCREENSHOT_DELAY_MS");
        hooks.exitAfterMs = envNumber("ZIRIMBO_EXIT_AFTER_MS");
        hooks.reportStartup = std::getenv("ZIRIMBO_REPORT_STARTUP") != nullptr;
        hooks.reportFrames = std::getenv("ZIRIMBO_REPORT_FRAMES") != nullptr;
        if (hooks.reportFrames) hooks.startMs = nowMs() - msSinceProcessStart();
        return hooks;
    }
    static double nowMs() {
        return double(SDL_GetPerformanceCounter()) * 1000.0 / double(SDL_GetPerformanceFrequency());
    }
    bool exitDue(std::int64_t elapsed) const { return exitAfterMs && elapsed >= *exitAfterMs; }
    bool screenshotDue(std::int64_t elapsed) const {
        return !screenshot.empty() && (!screenshotDelayMs || elapsed >= *screenshotDelayMs);
    }
    bool due(std::int64_t elapsed) const { return exitDue(elapsed) || screenshotDue(elapsed); }
    void timerFired(const tk::Timer& t) {
        if (!firedTimers.empty()) firedTimers += ' ';
        firedTimers += t.Name();
    }
    // A frame drawn and presented from `drawnFromMs` to now.
    void frameShown(const std::string& renderer, double drawnFromMs) {
        if (reportFrames) {
            const double now = nowMs();
            std::fprintf(stderr, "zirimbo: frame at %.2f ms drawn in %.2f ms%s%s\n", now - startMs, now - drawnFromMs,
                         firedTimers.empty() ? "" : " after ", firedTimers.c_str());
        }
        firedTimers.clear();
        if (firstFrameShown) return;
        firstFrameShown = true;
        if (reportStartup)
            std::fprintf(stderr, "zirimbo: first frame %.1f ms after the process started, renderer %s\n",
                         msSinceProcessStart(), renderer.c_str());
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
    // With no display answering, SDL goes on with a driver that shows nothing.
    if (const auto unseen = unseenVideoDriver(SDL_GetCurrentVideoDriver(), SDL_GetHint(SDL_HINT_VIDEODRIVER))) {
        tk::logLine(*unseen);
        return false;
    }
    IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (!openWindow()) {
        tk::logLine(std::string("cannot open the game window: ") + SDL_GetError());
        return false;
    }
    SDL_StartTextInput();
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo wm;
    SDL_VERSION(&wm.version);
    if (SDL_GetWindowWMInfo(window_, &wm) && wm.subsystem == SDL_SYSWM_X11)
        displayConnection_ = ConnectionNumber(wm.info.x11.display);
#endif
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

std::optional<std::int64_t> App::restAudio() {
    if (!mixer_) return std::nullopt;
    const SdlAudio::Clock::time_point now = SdlAudio::Clock::now();
    const std::optional<SdlAudio::Clock::time_point> next = mixer_->restWhenIdle(now);
    if (!next) return std::nullopt;
    return clock_.nowMs() + std::chrono::ceil<std::chrono::milliseconds>(*next - now).count();
}

std::optional<std::int64_t> App::rest(bool drewFrame) {
    const bool audioAwake = mixer_ && !mixer_->asleep();
    std::optional<std::int64_t> next = restAudio();
    bool rested = audioAwake && mixer_->asleep();
    const std::int64_t now = clock_.nowMs();
    if (drewFrame) picturesRestAt_ = now + kPicturesRestAfterMs;
    if (picturesRestAt_ && now >= *picturesRestAt_) {
        painter_->rest();
        picturesRestAt_.reset();
        rested = true;
    }
    if (picturesRestAt_) next = next ? std::min(*next, *picturesRestAt_) : *picturesRestAt_;
#if defined(__GLIBC__)
    // What was freed goes back to the system rather than waiting in the heap.
    if (rested) malloc_trim(0);
#endif
    return next;
}

void App::waitForEvents(std::optional<std::int64_t> deadline) {
    std::optional<std::int64_t> wake = rt_->timers.nextDue();
    if (deadline) wake = wake ? std::min(*wake, *deadline) : *deadline;
    const int wait = wake ? int(std::clamp<std::int64_t>(*wake - clock_.nowMs(), 0, INT_MAX)) : -1;
    SDL_Event e;
    bool got;
    if (displayConnection_ >= 0) {
        // Under X11 the loop sleeps on the display's connection itself. Inside
        // SDL_WaitEvent, SDL wakes itself by sending an event to the window through
        // a second connection; one the server handles only after the window is gone
        // comes back as an error when that connection closes, and Xlib then ends
        // the program with status 1. Polling never sends one. Polling has also
        // read everything the connection held, so a quiet connection means no
        // event is waiting.
        got = SDL_PollEvent(&e) != 0;
        if (!got) {
            pollfd connection{displayConnection_, POLLIN, 0};
            poll(&connection, 1, wait);
            got = SDL_PollEvent(&e) != 0;
        }
    } else if (wait >= 0) {
        got = SDL_WaitEventTimeout(&e, wait) != 0;
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
    if (!startVideo()) return 1;
    RunHooks hooks = RunHooks::fromEnvironment();
    int status = 0;
    const std::int64_t start = clock_.nowMs();
    std::optional<std::int64_t> hookDeadline = hooks.deadline();
    if (hookDeadline) *hookDeadline += start;

    std::unique_ptr<tk::Window> mainWindow = makeMainWindow(*rt_);
    mainWindow->Load();
    if (mainWindow->loaded() && !rt_->quit) mainWindow->Show();

    std::int64_t elapsed = 0;
    std::function<void(const tk::Timer&)> fired;
    if (hooks.reportFrames) fired = [&hooks](const tk::Timer& t) { hooks.timerFired(t); };
    while (true) {
        rt_->timers.fireDue(fired);
        if (!running()) break;
        elapsed = clock_.nowMs() - start;
        if (hooks.due(elapsed)) break;
        followFrontWindow();
        const double drawFrom = hooks.reportFrames ? RunHooks::nowMs() : 0;
        const bool drew = drawIfChanged();
        if (drew) hooks.frameShown(rendererName_, drawFrom);
        std::optional<std::int64_t> deadline = rest(drew);
        if (hookDeadline) deadline = deadline ? std::min(*deadline, *hookDeadline) : *hookDeadline;
        waitForEvents(deadline);
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
