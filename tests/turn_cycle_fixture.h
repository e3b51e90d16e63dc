// A main window on the virtual clock with a small game folder of its own (empty
// picture files under their real names), and helpers to script the die.
#pragma once

#include <string>
#include <vector>

#include "tests/support/game_fixture.h"

namespace turn_cycle_test {

// The durations of a roll of N faces from its start: the last face, and the hand-over tick.
inline int LastFaceAt(int n) { return n == 9 ? 1164 : n == 10 ? 1452 : n == 11 ? 1793 : n == 12 ? 2196 : 2671; }
inline int HandOverAt(int n) { return n == 9 ? 1452 : n == 10 ? 1793 : n == 11 ? 2196 : n == 12 ? 2671 : 3230; }

}  // namespace turn_cycle_test

struct TurnCycleTest : GameTest {
    // No intro: the game waits for red's first roll at once.
    void SetUp() override {
        open({.folder = game_fixture::Folder::Pictures, .intro = game_fixture::Intro::Skipped, .clearAudio = true});
    }

    // Queues the faces of a roll (13 or fewer; the rest are filled without repeats), its length
    // 9..13 and, when `force` is 1..4, the force-six draw.
    void scriptRoll(std::vector<int> faces, int length, int force = 0) {
        while (faces.size() < 13) faces.push_back(faces.empty() || faces.back() != 1 ? 1 : 2);
        for (int face : faces) script(face, 6);
        script(length - 8, 5);
        if (force) script(force, 4);
    }
    // Faces whose face number `length` is `value` and no face repeats the one before.
    static std::vector<int> facesEndingOn(int value, int length) {
        std::vector<int> faces;
        for (int i = 1; i <= 13; ++i) {
            int face = i == length ? value : (i == length - 1 ? (value == 1 ? 2 : 1) : 3 + i % 2);
            if (!faces.empty() && faces.back() == face) face = face == 5 ? 6 : 5;
            faces.push_back(face);
        }
        return faces;
    }
    // Red rolls `value` with a roll of nine faces (quip, faces, length, force as needed) and the roll ends.
    void redRolls(int value, bool forceDraw = false, int force = 2) {
        script(1, 80);
        scriptRoll(facesEndingOn(value, 9), 9, forceDraw ? force : 0);
        f->ImgDado_Click();
        h.advance(turn_cycle_test::HandOverAt(9));
    }
    // Puts pawns on cells (taking them from their parking squares) and redraws the board.
    void place(int pawn, int cell) {
        f->lblCaselle(cell).Caption = std::to_string(pawn);
        f->lblPedine(pawn).Caption = "0";
        f->cmdVisualizzaPedine_Click();
        f->ImgPartenza(pawn).Picture = "";
    }
    // True when the picture shown is the named file of the "Pedine" folder ("R2" for R2.gif).
    static bool shows(const tk::Image& img, const std::string& name) {
        const std::string& p = img.Picture.get();
        const std::string tail = "/" + name + ".gif";
        return p.size() >= tail.size() && p.compare(p.size() - tail.size(), tail.size(), tail) == 0;
    }
};
