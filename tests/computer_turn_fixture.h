// The turn-cycle window with the pictures of the computer moves and bubbles in
// its game folder, and helpers to set up a computer player's turn after its roll.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "turn_cycle_fixture.h"

struct ComputerTurnTest : TurnCycleTest {
    void SetUp() override {
        TurnCycleTest::SetUp();
        namespace fs = std::filesystem;
        const fs::path root = game_fixture::PictureFolder();
        for (const char* letter : {"R", "B", "G", "V"})
            for (int use = 1; use <= 5; ++use)
                std::ofstream(root / "Pedine" / (std::string(letter) + std::to_string(use) + ".gif")).put('\0');
        std::ofstream(root / "Pedine" / "Frecce.gif").put('\0');
        for (const char* who : {"B", "G", "C"})
            for (const char* cat : {"02", "03", "04", "05", "06", "08", "09", "10", "11", "12"})
                std::ofstream(root / "Fumetti" / (std::string(who) + cat + ".gif")).put('\0');
        // Every line order says its lines in their own order, as if drawn at start-up.
        for (int c = 1; c <= 11; ++c)
            for (int i = 1; i <= zirimbo::frmZirimbo2012::CommentLineCount(c); ++i)
                f->LineOrderOf(c)(i).Caption = std::to_string(i);
        f->lblVoceOpzione(0).Caption = "Sì";
        f->lblVoceOpzione(1).Caption = "Sì";
        f->lblVoceOpzione(4).Caption = "Sì";
    }
    // The die has just stopped on `die` for `player` (2, 3, 4), who had a pawn in play or not.
    void rolled(int player, int die, bool pawnInPlay) {
        f->lblTurnoDiGioco.Caption = std::to_string(player);
        f->lblNumeroDado.Caption = std::to_string(die);
        f->lblPedineInGioco.Caption = pawnInPlay ? "1" : "0";
        f->ClearCandidateTable();
        if (player == 2)
            f->PrepareBobTurn();
        else if (player == 3)
            f->PrepareGiorgettoTurn();
        else
            f->PrepareCarlaTurn();
    }
    // Starts the move of `pawn` to `target` on the player's move timer, as the choice would.
    void startMove(tk::Timer& moveTimer, int pawn, int target) {
        for (int n = 1; n <= 8; ++n)
            if (text(f->lblPed(n)) == std::to_string(pawn) && text(f->lblFinale(n)) == std::to_string(target))
                f->lblScelta.Caption = std::to_string(n);
        moveTimer.Enabled = true;
    }
};
