// A main window on the virtual clock with a small game folder of its own (empty
// picture files under their real names), and helpers to script the die.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "form/frmZirimbo2012.h"
#include "test_startup_fixture.h"
#include "toolkit/runtime.h"

namespace turn_cycle_test {

// A game folder holding every picture the turn cycle loads.
inline const std::string& PictureFolder() {
    static const std::string folder = [] {
        namespace fs = std::filesystem;
        // One folder for every test process: the files are empty and written alike.
        const fs::path root = fs::temp_directory_path() / "zirimbo_turn_cycle_pictures";
        const char* files[] = {"Pedine/R1.gif", "Pedine/R2.gif", "Pedine/R3.gif", "Pedine/R4.gif",
                               "Pedine/R5.gif", "Pedine/B1.gif", "Pedine/B2.gif", "Pedine/G1.gif",
                               "Pedine/G2.gif", "Pedine/V1.gif", "Pedine/V2.gif", "Pedine/X.gif",
                               "Grafica/Logo.gif", "Grafica/Logo2.gif", "Grafica/Logo3.gif", "Grafica/Logo4.gif",
                               "Grafica/RossiVerdi.jpg", "Grafica/BluGialli.jpg", "Fumetti/B01.gif",
                               "Fumetti/G12.gif", "Fumetti/C12.gif"};
        for (const char* f : files) {
            fs::create_directories((root / f).parent_path());
            std::ofstream(root / f).put('\0');
        }
        for (int c = 1; c <= 36; ++c) {
            std::string tile = zirimbo::TileFileOfCell(c);  // "\Grafica\1R.jpg"
            std::replace(tile.begin(), tile.end(), '\\', '/');
            std::ofstream(root.string() + tile).put('\0');
        }
        return root.string();
    }();
    return folder;
}

// The durations of a roll of N faces from its start: the last face, and the hand-over tick.
inline int LastFaceAt(int n) { return n == 9 ? 1164 : n == 10 ? 1452 : n == 11 ? 1793 : n == 12 ? 2196 : 2671; }
inline int HandOverAt(int n) { return n == 9 ? 1452 : n == 10 ? 1793 : n == 11 ? 2196 : n == 12 ? 2671 : 3230; }

}  // namespace turn_cycle_test

struct TurnCycleTest : ::testing::Test {
    tk::HeadlessRuntime h;
    std::unique_ptr<zirimbo::frmZirimbo2012> f;

    void SetUp() override {
        h.rt.startDirectory = turn_cycle_test::PictureFolder();
        f = std::make_unique<zirimbo::frmZirimbo2012>(h.rt);
        f->Load();
        f->Show();
        // No intro: the game waits for red's first roll at once.
        test_startup::SkipIntro(h, *f);
        h.audio.clear();
    }

    // Queues the number that makes the next draw from 1..k give `value` at the clock's present second.
    void script(int value, int k) {
        const tk::LocalTime t = h.clock.localTime();
        h.scripted.push(tk::randomFor(value, t.minute, t.second, k));
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
    int plays(const std::string& channel) const {
        int n = 0;
        for (const auto& l : h.audio.plays())
            if (l.rfind(channel + " Play", 0) == 0) ++n;
        return n;
    }
    std::string text(const tk::Label& l) const { return l.Caption.get(); }
};
