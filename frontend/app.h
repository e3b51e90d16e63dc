// The game's program: the SDL window, the main loop that fires the timers and
// routes the mouse and the keyboard to the window in front, and the sound.
//
// Environment:
//   ZIRIMBO_SCREENSHOT=<file.png>       save the first frame as PNG and quit (status 0)
//   ZIRIMBO_SCREENSHOT_DELAY_MS=<n>     ... the first frame drawn n ms after the start instead
//   ZIRIMBO_EXIT_AFTER_MS=<n>           quit after n ms (for measurements)
//   ZIRIMBO_REPORT_STARTUP=<any>        log how long after the process start the first frame came,
//                                       and the renderer
//   ZIRIMBO_REPORT_FRAMES=<any>         log every frame: when (ms since the process start), how long
//                                       drawing and presenting it took, and the timers that fired
//                                       since the frame before
//
// Keys of its own: F11 and Alt+Enter switch full screen on and off.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <SDL.h>

#include "toolkit/audio.h"
#include "toolkit/clock.h"
#include "toolkit/random.h"
#include "toolkit/runtime.h"
#include "toolkit/window.h"

namespace zirimbo::frontend {

class Renderer;
class SdlAudio;

class App {
public:
    explicit App(std::string gameFolder);
    App(const App&) = delete;
    App& operator=(const App&) = delete;
    ~App();

    using WindowFactory = std::function<std::unique_ptr<tk::Window>(tk::Runtime&)>;
    // Builds, loads and shows the main window and runs until the last window is unloaded
    // or the user closes the program. Returns the exit status (2 when there is no display).
    int run(WindowFactory makeMainWindow);

    tk::Runtime& runtime() { return *rt_; }
    // The game's SDL window while run() runs.
    SDL_Window* sdlWindow() const { return window_; }

    // The largest 4:3 client size whose window, with a frame of frameW x frameH
    // pixels around it, fits in a usable area of usableW x usableH.
    static SDL_Point clientSizeFor(int usableW, int usableH, int frameW, int frameH);
    // A window of this client size instead of the one chosen for the screen.
    void setClientSize(int width, int height);

private:
    // The frame a window manager puts around the window, pixels.
    struct Frame {
        int left = 0, top = 0, right = 0, bottom = 0;
        bool operator==(const Frame&) const = default;
    };

    // The window, hidden, with its icon.
    bool createWindow();
    bool openWindow();
    // SDL's renderer for the window: SDL's OpenGL renderer where a graphics card
    // draws, else SDL's software renderer; the one the user names, if any.
    bool createRenderer();
    void fitTo(tk::Window& w);
    void toggleFullscreen();
    // The window's display's area left free by panels and docks.
    SDL_Rect usableArea() const;
    // The window's frame: the real one once the window shows, until then room for a title bar.
    Frame frame() const;
    // The window at the front window's size (shrunk as a whole where the display is too
    // small), centred in the usable area with its frame.
    void placeWindow();
    // Where the front window's picture lies in the renderer's output: all of it, or
    // scaled with its proportions kept and bars around it when the sizes differ.
    SDL_Rect pictureRect() const;
    bool pictureScaled() const;
    // Window events: the frame coming or changing, the window back from full screen.
    void windowChanged(const SDL_WindowEvent& e);
    void present(tk::Window* w);
    void handle(const SDL_Event& e);
    void unloadAll();
    bool saveScreenshot(const std::string& path);
    // The steps of run(): SDL's video and the window; the front window fitted when it
    // changes; a frame drawn when something changed (true then); the frame saved as
    // the screenshot (the exit status); the audio device put to sleep when nothing has
    // played for a while (the moment to look again); what the idle game can make again
    // given back (see rest); sleeping until an event, a timer or `deadline`.
    bool startVideo();
    void followFrontWindow();
    bool drawIfChanged();
    int drawScreenshot(const std::string& path);
    std::optional<std::int64_t> restAudio();
    // The idle game gives back what it can make again: the audio device sleeps (see
    // restAudio) and, once no frame has been drawn for a while, the renderer frees its
    // pictures, texts and fonts. Returns the moment to look again.
    std::optional<std::int64_t> rest(bool drewFrame);
    void waitForEvents(std::optional<std::int64_t> deadline);
    bool running() const;
    // A point of the SDL window in the front window's twips.
    SDL_Point toTwips(int x, int y) const;

    std::string folder_;
    tk::RealClock clock_;
    tk::DefaultRandom rng_;
    std::unique_ptr<tk::AudioBackend> audio_;
    SdlAudio* mixer_ = nullptr;  // the audio back end, when there is an audio device
    std::unique_ptr<tk::Runtime> rt_;

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    std::string rendererName_;  // SDL's name of it, and OpenGL's of what draws when asked
    std::string glRenderer_;
    std::unique_ptr<Renderer> painter_;
    int maxW_ = 1024, maxH_ = 768;  // the client size chosen for the display: the layout's size
    std::optional<SDL_Point> requested_;
    bool fullscreen_ = false;
    bool managedFullscreen_ = false;  // full screen through the window manager, not by covering the display
    bool placeWhenBack_ = false;      // centre the window once the window manager has it back from full screen
    bool shown_ = false;
    Frame placedWith_;            // the frame the window was last centred with
    SDL_Rect asked_{0, 0, 0, 0};  // the window's place and size last asked for
    bool shrinkReported_ = false, sizeReported_ = false, placeReported_ = false;
    // When the window's output is not the front window's size, its picture is drawn here
    // at its own size and scaled onto the output; without drawing into textures SDL scales it.
    SDL_Texture* canvas_ = nullptr;
    bool sdlScales_ = false;
    int canvasW_ = 0, canvasH_ = 0;  // the front window's size
    bool redraw_ = true;
    // A screen that has not changed for this long lets its pictures go.
    static constexpr std::int64_t kPicturesRestAfterMs = 4000;
    std::optional<std::int64_t> picturesRestAt_;
    tk::Window* front_ = nullptr;  // the window last fitted
    bool closing_ = false;
    int displayConnection_ = -1;  // the X11 display's connection, when the window is on one
};

}  // namespace zirimbo::frontend
