// A headless main window on the virtual clock, with the generated game folder.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "form/frmZirimbo2012.h"
#include "toolkit/runtime.h"

struct MainWindowTest : ::testing::Test {
    tk::HeadlessRuntime h;
    std::unique_ptr<zirimbo::frmZirimbo2012> f;

    void SetUp() override {
        h.rt.startDirectory = ZIRIMBO_GAME_FOLDER;
        f = std::make_unique<zirimbo::frmZirimbo2012>(h.rt);
    }
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
