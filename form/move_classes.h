// The classes of a candidate move, kept as the background colour of its source
// cell lblPos(n), and the colour that marks a playable pawn or row.
#pragma once

#include <string>

#include "toolkit/controls.h"

namespace zirimbo::move_class {
constexpr tk::Color Empty = 0xC0C0FF;    // empty target: playable
constexpr tk::Color Eats = 0x0000FF;     // an opponent off the refuges: playable, eats it
constexpr tk::Color OwnCell = 0xFFC0C0;  // once round the inner ring onto its own cell: playable
constexpr tk::Color OwnPawn = 0xFFC0FF;  // one of the mover's own pawns: blocked
constexpr tk::Color Refuge = 0xC0C0C0;   // an opponent on a refuge: blocked
constexpr tk::Color None = 0xFFFFFF;     // a cleared row

inline bool IsPlayable(tk::Color c) { return c == Eats || c == Empty || c == OwnCell; }

// A target cell, as the tables hold it, that is a refuge: there no pawn is eaten.
inline bool IsRefugeText(const std::string& cell) { return cell == "3" || cell == "8" || cell == "13" || cell == "18"; }
}  // namespace zirimbo::move_class
