// The main window on the virtual clock, built for a test from a few options: which
// game folder it reads, whether it is loaded, how the intro is dealt with, the
// player's name, and the helpers most tests share.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "form/frmZirimbo2012.h"
#include "tests/support/scratch_folder.h"
#include "toolkit/runtime.h"

namespace game_fixture {

// From the enabling of the intro timer to its last step.
constexpr int kIntroMs = 10820;

// Runs the intro to its end, puts `name` into the name box (or keeps the name read
// from the file; "Doduru" when there is none), presses Enter and lets the game start.
inline void PassStartUp(tk::HeadlessRuntime& h, zirimbo::frmZirimbo2012& f, const std::string& name = "") {
    h.advance(kIntroMs);
    if (!name.empty()) f.txtPassword.Text = name;
    if (f.txtPassword.Text.get().empty()) f.txtPassword.Text = "Doduru";
    f.keyDown(tk::vbKeyReturn);
    h.advance(100);
}

// For tests of the game itself: the window as Form_Load leaves it, without the
// intro and the splash, so the game starts at once at the virtual clock's origin
// with no music; the draw counter starts again from 0 (the load draws the
// farewell character).
inline void SkipIntro(tk::HeadlessRuntime& h, zirimbo::frmZirimbo2012& f) {
    h.scripted = tk::ScriptedRandom{};
    f.TmrTobelioZanvuti.Enabled = false;
    f.FraSplash.Visible = false;
    f.SetFocus(f.cmdGioca);
}

// A game folder for one test: the shipped data files (copies, so the test may
// change them) and links to the generated media folders.
class GameFolder {
public:
    explicit GameFolder(const std::filesystem::path& base = std::filesystem::temp_directory_path())
        : scratch_("zirimbo_game", base), root_(scratch_.path()) {
        namespace fs = std::filesystem;
        fs::create_directory(root_ / "Dati");
        for (const char* file : {"ZirCla.txt", "ZirNom.txt", "ZirOpz.txt"})
            fs::copy_file(fs::path(ZIRIMBO_SOURCE_DIR) / "data" / "Dati" / file, root_ / "Dati" / file);
        for (const char* media : {"Grafica", "Fumetti", "Pedine", "Musiche", "Rumori", "Bob", "Giorgetto", "Carla"})
            fs::create_directory_symlink(fs::path(ZIRIMBO_GAME_FOLDER) / media, root_ / media);
    }
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;
    std::string path() const { return root_.string(); }
    // The bytes of a data file ("ZirOpz.txt"), or "" when it is missing.
    std::string read(const std::string& dataFile) const {
        std::ifstream in(root_ / "Dati" / dataFile, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void write(const std::string& dataFile, const std::string& bytes) const {
        std::ofstream(root_ / "Dati" / dataFile, std::ios::binary) << bytes;
    }
    void remove(const std::string& dataFile) const { std::filesystem::remove(root_ / "Dati" / dataFile); }
    // The bytes of the copies of a damaged data file kept beside it ("ZirCla.txt.bad-..."), oldest first.
    std::vector<std::string> kept(const std::string& dataFile) const {
        std::vector<std::string> names, copies;
        for (const auto& e : std::filesystem::directory_iterator(root_ / "Dati"))
            if (e.path().filename().string().rfind(dataFile + ".bad-", 0) == 0) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        for (const std::string& name : names) copies.push_back(read(name));
        return copies;
    }
    void removeKept(const std::string& dataFile) const {
        for (const auto& e : std::filesystem::directory_iterator(root_ / "Dati"))
            if (e.path().filename().string().rfind(dataFile + ".bad-", 0) == 0) std::filesystem::remove(e.path());
    }

private:
    scratch::Folder scratch_;
    std::filesystem::path root_;
};

// A game folder holding every picture the turn cycle loads, as empty files under
// their real names: one for the whole test process, removed when it ends.
inline const std::string& PictureFolder() {
    namespace fs = std::filesystem;
    struct Pictures {
        scratch::Folder scratch{"zirimbo_pictures"};
        fs::path root = scratch.path();
        std::string path = root.string();
        Pictures() {
            const char* files[] = {"Pedine/R1.gif",     "Pedine/R2.gif",          "Pedine/R3.gif",
                                   "Pedine/R4.gif",     "Pedine/R5.gif",          "Pedine/B1.gif",
                                   "Pedine/B2.gif",     "Pedine/G1.gif",          "Pedine/G2.gif",
                                   "Pedine/V1.gif",     "Pedine/V2.gif",          "Pedine/X.gif",
                                   "Grafica/Logo.gif",  "Grafica/Logo2.gif",      "Grafica/Logo3.gif",
                                   "Grafica/Logo4.gif", "Grafica/RossiVerdi.jpg", "Grafica/BluGialli.jpg",
                                   "Fumetti/B01.gif",   "Fumetti/G12.gif",        "Fumetti/C12.gif"};
            for (const char* f : files) {
                fs::create_directories((root / f).parent_path());
                std::ofstream(root / f).put('\0');
            }
            for (int c = 1; c <= 36; ++c) {
                std::string tile = zirimbo::TileFileOfCell(c);  // "\Grafica\1R.jpg"
                std::replace(tile.begin(), tile.end(), '\\', '/');
                std::ofstream(path + tile).put('\0');
            }
        }
        Pictures(const Pictures&) = delete;
    };
    static const Pictures pictures;
    return pictures.path;
}

enum class Folder {
    Generated,  // the generated game folder, shared and never written
    OwnCopy,    // a GameFolder of the test's own
    Pictures,   // the empty pictures of PictureFolder()
};

enum class Intro {
    NotLoaded,  // the window is built but not loaded
    Hidden,     // loaded and shown; the intro timer off and the splash hidden
    Skipped,    // as Hidden, and the draws start again and the die has the focus (SkipIntro)
};

struct Options {
    Folder folder = Folder::Generated;
    Intro intro = Intro::NotLoaded;
    std::string name;            // put in the player's name label when not empty
    bool soundChannels = false;  // the channels given their files without a load
    std::vector<int> optionsOn;  // option rows switched to "Sì"
    bool clearAudio = false;     // forget the sounds of the set-up
};

}  // namespace game_fixture

struct GameTest : ::testing::Test {
    std::optional<game_fixture::GameFolder> ownFolder;
    tk::HeadlessRuntime h;
    std::unique_ptr<zirimbo::frmZirimbo2012> f;

    // Points the program at a game folder (a folder of its own is made on first use).
    void useFolder(game_fixture::Folder folder) {
        using game_fixture::Folder;
        if (folder == Folder::OwnCopy && !ownFolder) ownFolder.emplace();
        h.rt.startDirectory = folder == Folder::OwnCopy    ? ownFolder->path()
                              : folder == Folder::Pictures ? game_fixture::PictureFolder()
                                                           : std::string(ZIRIMBO_GAME_FOLDER);
    }
    // Builds the main window as the options say.
    void open(const game_fixture::Options& o) {
        using game_fixture::Intro;
        useFolder(o.folder);
        f = std::make_unique<zirimbo::frmZirimbo2012>(h.rt);
        if (o.intro != Intro::NotLoaded) {
            f->Load();
            f->Show();
        }
        if (o.intro == Intro::Hidden) {
            f->TmrTobelioZanvuti.Enabled = false;
            f->FraSplash.Visible = false;
        }
        if (o.intro == Intro::Skipped) game_fixture::SkipIntro(h, *f);
        if (!o.name.empty()) f->lblNomeGiocatore.Caption = o.name;
        if (o.soundChannels) {
            f->lblPercorso.Caption = f->Dir1.Path.get();
            f->GiveSoundChannelsTheirFiles();
        }
        for (int row : o.optionsOn) f->lblVoceOpzione(row).Caption = "Sì";
        if (o.clearAudio) h.audio.clear();
    }
    void TearDown() override {
        f.reset();
        ownFolder.reset();
    }

    // Queues the number that makes the next draw from 1..k give `value` at the clock's present second.
    void script(int value, int k) {
        const tk::LocalTime t = h.clock.localTime();
        h.scripted.push(tk::randomFor(value, t.minute, t.second, k));
    }
    // How many times a channel was told to play.
    int plays(const std::string& channel) const {
        const auto p = h.audio.plays();
        return static_cast<int>(std::count_if(
            p.begin(), p.end(), [&](const std::string& l) { return l.rfind(channel + " Play", 0) == 0; }));
    }
    std::string text(const tk::Label& l) const { return l.Caption.get(); }
};
