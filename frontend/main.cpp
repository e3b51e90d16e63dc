// The game: finds its game folder and prepares the player's data, then opens the window.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "form/frmZirimbo2012.h"
#include "frontend/app.h"
#include "frontend/command_line.h"
#include "frontend/display.h"
#include "frontend/game_folder.h"
#include "toolkit/log.h"
#include "toolkit/paths.h"
#include "toolkit/seqfile.h"
#ifdef ZIRIMBO_RED_WINS_HOOK
#include "board/players.h"
#include "toolkit/text.h"
#endif

#ifndef ZIRIMBO_VERSION
#define ZIRIMBO_VERSION "0"
#endif

namespace {

// The folder the running program lives in.
std::string programFolder(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv0 ? argv0 : "", ec);
    return exe.parent_path().string();
}

extern "C" void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// Without a sound card the ALSA library writes its own complaints while the
// audio opens; the game says it once itself ("no audio device").
void quietAlsa() {
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!alsa) alsa = dlopen("libasound.so.2", RTLD_LAZY);
    if (!alsa) return;
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    if (auto set = reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler"))) set(ignoreAlsaMessage);
}

#ifdef ZIRIMBO_RED_WINS_HOOK
// For measuring the end of a game, in the frame benchmark's build of the game only
// (zirimbo_frames_bench, with ZIRIMBO_RED_WINS set): at red's
// first prompt red's four pawns leave the board, the first three as if they had
// left before, the last as a move onto the exit cell leaves it, and the game goes
// on to red's victory by its own code: the bubble and the voice, the scoreboard
// panel, the blinking row and logo.
class RedWinsAtOnce : public zirimbo::frmZirimbo2012 {
public:
    explicit RedWinsAtOnce(tk::Runtime& rt) : frmZirimbo2012(rt) {
        watch_.Interval = 100;
        watch_.onTimer = [this](int) { atPrompt(); };
        watch_.Enabled = true;
    }

private:
    void atPrompt() {
        if (FraSplash.Visible.get() || !ImgDado.Visible.get() || !cmdGioca.Enabled.get() || !CanPlay()) return;
        watch_.Enabled = false;
        const auto& red = zirimbo::players::kPlayers[zirimbo::players::kRed];
        for (int p = 1; p <= 4; ++p) {
            ImgPartenza(p).Picture = LoadPicture("");
            lblPedine(p).Caption = "0";
            AddPawnOut(red.number);
            if (p == 4) break;
            ImgDadiUsciti(p).Picture = LoadPicture(red.pawnPicture[zirimbo::players::Plain]);
            lblUscite(p).Caption = tk::Str(p);
        }
        SetCanPlay(false);
        lblPedinaCliccata.Caption = "4";
        ImgGif(red.exitCell).Picture = LoadPicture(red.pawnPicture[zirimbo::players::Plain]);
        TmrTornaZirimbo.Interval = 350;
        TmrTornaZirimbo.Enabled = true;
    }

    tk::Timer watch_{*this, "RedWinsAtOnce"};
};
#endif

}  // namespace

int main(int argc, char** argv) {
    using namespace zirimbo::frontend;
    tk::keepRunningPastFileSizeLimit();
    const CommandLine cl = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!cl.error.empty()) {
        std::fprintf(stderr, "zirimbo: %s\nProva \"zirimbo --help\".\n", cl.error.c_str());
        return 2;
    }
    std::error_code ec;
    const std::string current = std::filesystem::current_path(ec).string(), program = programFolder(argv[0]);
    if (cl.help) {
        const HelpFolders where = helpFolders(current, program, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
        std::fputs(usageText(where).c_str(), stdout);
        return 0;
    }
    if (cl.version) {
        std::printf("zirimbo %s\n", ZIRIMBO_VERSION);
        return 0;
    }
    // Without a display the window would open nowhere: said before the player's folder is touched.
    if (const auto none =
            noDisplayNamed(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"), std::getenv("SDL_VIDEODRIVER"))) {
        tk::logLine(*none);
        return 1;
    }

    const auto folder = prepareGameFolder(current, program, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (!folder) return 1;
    // The game names its data files inside the game folder; they are the player's.
    if (!folder->data.empty()) tk::routeFolder(folder->folder + "/Dati", folder->data);

    quietAlsa();
    // The window's class names the desktop entry, so the desktop shows the game's icon for it.
    setenv("SDL_VIDEO_X11_WMCLASS", "it.lumo.Zirimbo", 0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", "it.lumo.Zirimbo", 0);
    App app(folder->folder);
    if (cl.windowed) app.setClientSize(cl.windowed->width, cl.windowed->height);
#ifdef ZIRIMBO_RED_WINS_HOOK
    if (std::getenv("ZIRIMBO_RED_WINS"))
        return app.run(
            [](tk::Runtime& rt) -> std::unique_ptr<tk::Window> { return std::make_unique<RedWinsAtOnce>(rt); });
#endif
    return app.run(
        [](tk::Runtime& rt) -> std::unique_ptr<tk::Window> { return std::make_unique<zirimbo::frmZirimbo2012>(rt); });
}
