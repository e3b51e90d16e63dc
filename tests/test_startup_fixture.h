// Start-up helpers for tests: a game folder of its own with the data files and
// the generated media, the intro run to its end and the name entered.
#pragma once

#include <memory>
#include <string>

#include "tests/support/game_fixture.h"

namespace test_startup = game_fixture;

// A main window on its own game folder, loaded but not yet past the intro.
struct StartUpTest : GameTest {
    game_fixture::GameFolder& folder = ownFolder.emplace();

    void SetUp() override { useFolder(game_fixture::Folder::OwnCopy); }
    // Builds the window (a new one on each call, as a new run of the program) and loads it.
    void load() {
        f = std::make_unique<zirimbo::frmZirimbo2012>(h.rt);
        f->Load();
        f->Show();
    }
    void passStartUp(const std::string& name = "") { game_fixture::PassStartUp(h, *f, name); }
};
