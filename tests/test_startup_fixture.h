// Start-up helpers for tests: a game folder of its own with the data files and
// the generated media, the intro run to its end and the name entered.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "form/frmZirimbo2012.h"
#include "toolkit/runtime.h"

namespace test_startup {

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
    explicit GameFolder(const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
        namespace fs = std::filesystem;
        static std::atomic<int> counter{0};
        root_ = base /
                ("zirimbo_startup_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        fs::remove_all(root_);
        fs::create_directories(root_ / "Dati");
        for (const char* file : {"ZirCla.txt", "ZirNom.txt", "ZirOpz.txt"})
            fs::copy_file(fs::path(ZIRIMBO_SOURCE_DIR) / "data" / "Dati" / file, root_ / "Dati" / file);
        for (const char* media : {"Grafica", "Fumetti", "Pedine", "Musiche", "Rumori", "Bob", "Giorgetto", "Carla"})
            fs::create_directory_symlink(fs::path(ZIRIMBO_GAME_FOLDER) / media, root_ / media);
    }
    GameFolder(const GameFolder&) = delete;
    ~GameFolder() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
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
    std::filesystem::path root_;
};

}  // namespace test_startup

// A main window on its own game folder, loaded but not yet past the intro.
struct StartUpTest : ::testing::Test {
    test_startup::GameFolder folder;
    tk::HeadlessRuntime h;
    std::unique_ptr<zirimbo::frmZirimbo2012> f;

    void SetUp() override { h.rt.startDirectory = folder.path(); }
    // Builds the window (a new one on each call, as a new run of the program) and loads it.
    void load() {
        f = std::make_unique<zirimbo::frmZirimbo2012>(h.rt);
        f->Load();
        f->Show();
    }
    void passStartUp(const std::string& name = "") { test_startup::PassStartUp(h, *f, name); }
    int plays(const std::string& channel) const {
        int n = 0;
        for (const auto& l : h.audio.plays())
            if (l.rfind(channel + " Play", 0) == 0) ++n;
        return n;
    }
};
