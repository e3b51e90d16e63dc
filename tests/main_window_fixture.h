// A headless main window on the virtual clock, with the generated game folder.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "tests/support/game_fixture.h"

struct MainWindowTest : GameTest {
    void SetUp() override { open({}); }
    void load() {
        f->Load();
        f->Show();
    }
    // Puts pawns on cells and pawns out; every other pawn stays parked.
    void PlacePawns(std::initializer_list<std::pair<int, int>> cellPawn, std::initializer_list<int> out = {}) {
        for (auto [cell, pawn] : cellPawn) {
            f->lblCaselle(cell).Caption = std::to_string(pawn);
            f->lblPedine(pawn).Caption = "0";
        }
        for (int pawn : out) {
            f->lblUscite(pawn).Caption = std::to_string(pawn);
            f->lblPedine(pawn).Caption = "0";
        }
    }
};
