// The board as numbers: the colour of a pawn, where each cell lies, the cells of
// each colour's path, the ring continuation, and what a pawn is worth by how far
// it has come.
// Everything here is constant and the same for every player.
#pragma once

#include <array>

#include "board/players.h"

namespace zirimbo::ai {

// Players and colours share their numbers: 1 red, 2 blue, 3 yellow, 4 green.
constexpr int kRed = players::kRed, kBlue = players::kBob, kYellow = players::kGiorgetto, kGreen = players::kCarla;

// The colour of pawn p (1..16): red 1-4, blue 5-8, yellow 9-12, green 13-16.
constexpr int ColourOfPawn(int pawn) { return players::PlayerOfPawn(pawn); }
constexpr int FirstPawnOf(int colour) { return players::kPlayers[colour].firstPawn; }

constexpr int StartCellOf(int colour) { return players::kPlayers[colour].startCell; }
constexpr int ExitCellOf(int colour) { return players::kPlayers[colour].exitCell; }

constexpr bool IsRefuge(int cell) { return cell == 3 || cell == 8 || cell == 13 || cell == 18; }
constexpr bool IsOuter(int cell) { return cell >= 1 && cell <= 20; }
constexpr bool IsMiddle(int cell) { return cell >= 21 && cell <= 32; }
constexpr bool IsInner(int cell) { return cell >= 33 && cell <= 36; }

// The cell at each row and column of the 6 x 6 board (a clockwise spiral inwards).
inline constexpr int kBoardGrid[6][6] = {{1, 2, 3, 4, 5, 6},      {20, 21, 22, 23, 24, 7},  {19, 32, 33, 34, 25, 8},
                                         {18, 31, 36, 35, 26, 9}, {17, 30, 29, 28, 27, 10}, {16, 15, 14, 13, 12, 11}};

// The cell at step k (1..42) of a colour's path: 20 outer cells from the start
// cell, 12 middle cells from the middle entry, then round and round the inner ring.
constexpr int PathCell(int colour, int step) {
    const int q = 5 * (colour - 1), m = 3 * (colour - 1), i = colour - 1;
    if (step <= 20) return ((q + step - 1) % 20) + 1;
    if (step <= 32) return 21 + ((m + step - 21) % 12);
    return 33 + ((i + step - 33) % 4);
}

// The step (1..36) at which a colour's path first lists a cell (1..36).
constexpr int PathStep(int colour, int cell) {
    for (int k = 1; k <= 36; ++k)
        if (PathCell(colour, k) == cell) return k;
    return 0;
}

// The ring continuation, entries 1..44: the outer ring once and a bit, then the
// middle ring once and a bit. Inner cells have no entry.
constexpr int RingEntry(int k) { return k <= 26 ? ((k - 1) % 20) + 1 : 21 + ((k - 27) % 12); }

// What a pawn is worth at each step of its path (step 36, the exit cell, like a pawn out).
constexpr int StepValue(int step) {
    switch (step) {
        case 1: return 150;
        case 3: return 240;
        case 8: return 250;
        case 13: return 260;
        case 18: return 270;
        case 31: return 325;
        case 32: return 350;
        case 33: return 400;
        case 34: return 600;
        case 35: return 600;
        case 36: return 1200;
        default: return 150 + 5 * step;
    }
}
constexpr int kOutValue = 1200;

namespace detail {
constexpr std::array<std::array<short, 37>, 5> MakeValueTable() {
    std::array<std::array<short, 37>, 5> t{};
    for (int colour = 1; colour <= 4; ++colour)
        for (int cell = 1; cell <= 36; ++cell) t[colour][cell] = static_cast<short>(StepValue(PathStep(colour, cell)));
    return t;
}
}  // namespace detail

// The value of a colour's pawn standing on a cell, looked up.
inline constexpr std::array<std::array<short, 37>, 5> kCellValue = detail::MakeValueTable();

// The value of pawn p (1..16) standing on cell c (1..36).
constexpr int PositionalValue(int pawn, int cell) { return kCellValue[ColourOfPawn(pawn)][cell]; }

}  // namespace zirimbo::ai
