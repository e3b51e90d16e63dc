// A main window as the game stands after the name entry (no intro, no splash),
// on a game folder of its own: the data files copied from data/Dati, the media
// linked from the generated game folder, so that saving touches neither.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/game_fixture.h"
#include "toolkit/seqfile.h"

struct PanelsTest : GameTest {
    std::string folder;

    void SetUp() override {
        open({.folder = game_fixture::Folder::OwnCopy,
              .intro = game_fixture::Intro::Hidden,
              .name = "Lia",
              .clearAudio = true});
        folder = ownFolder->path();
    }

    // The pieces of the log sent to a channel, in order ("Open", "Prev", "Play", "Close").
    std::vector<std::string> commands(const std::string& channel) const { return h.audio.commands(channel); }
    // The picture file name of an image ("" for none).
    static std::string fileOf(const tk::Image& i) { return std::filesystem::path(i.Picture.get()).filename().string(); }
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
