// A main window as the game stands after the name entry (no intro, no splash),
// on a game folder of its own: the data files copied from data/Dati, the media
// linked from the generated game folder, so that saving touches neither.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "form/frmZirimbo2012.h"
#include "toolkit/runtime.h"
#include "toolkit/seqfile.h"

namespace panels_test {

inline std::string MakeGameFolder() {
    namespace fs = std::filesystem;
    static std::atomic<int> counter{0};
    const fs::path root = fs::temp_directory_path() /
                          ("zirimbo_panels_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    fs::remove_all(root);
    fs::create_directories(root / "Dati");
    for (const char* f : {"ZirOpz.txt", "ZirNom.txt", "ZirCla.txt"})
        fs::copy_file(fs::path(ZIRIMBO_SOURCE_DIR) / "data" / "Dati" / f, root / "Dati" / f);
    for (const char* d : {"Grafica", "Fumetti", "Pedine", "Rumori", "Musiche", "Bob", "Giorgetto", "Carla"})
        fs::create_directory_symlink(fs::path(ZIRIMBO_GAME_FOLDER) / d, root / d);
    return root.string();
}

}  // namespace panels_test

struct PanelsTest : ::testing::Test {
    tk::HeadlessRuntime h;
    std::string folder;
    std::unique_ptr<zirimbo::frmZirimbo2012> f;

    void SetUp() override {
        folder = panels_test::MakeGameFolder();
        h.rt.startDirectory = folder;
        f = std::make_unique<zirimbo::frmZirimbo2012>(h.rt);
        f->Load();
        f->Show();
        f->TmrTobelioZanvuti.Enabled = false;
        f->FraSplash.Visible = false;
        f->lblNomeGiocatore.Caption = "Lia";
        h.audio.clear();
    }
    void TearDown() override {
        f.reset();
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }

    // How many times a channel was told to play.
    int plays(const std::string& channel) const {
        const auto p = h.audio.plays();
        return static_cast<int>(std::count_if(p.begin(), p.end(), [&](const std::string& l) {
            return l.rfind(channel + " Play", 0) == 0;
        }));
    }
    // The pieces of the log sent to a channel, in order ("Open", "Prev", "Play", "Close").
    std::vector<std::string> commands(const std::string& channel) const {
        return h.audio.commands(channel);
    }
    // The picture file name of an image ("" for none).
    static std::string fileOf(const tk::Image& i) {
        return std::filesystem::path(i.Picture.get()).filename().string();
    }
    // Which panels are open, as "0100" for the scoreboard.
    std::string openPanels() const {
        std::string s;
        for (int i = 0; i <= 3; ++i) s += f->FraPannello(i).Visible ? '1' : '0';
        return s;
    }
    // The window point in the middle of a control.
    static std::pair<int, int> centre(const tk::Control& c) {
        return {c.absLeft() + c.Width / 2, c.absTop() + c.Height / 2};
    }
    void hover(const tk::Control& c) {
        auto [x, y] = centre(c);
        f->mouseMove(x, y);
    }
};
