// Plays the human's side of a whole game on the virtual clock: rolls at every
// prompt and makes a move by clicks whenever red has one. Used by the whole-game
// test and the benchmark.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "form/frmZirimbo2012.h"
#include "form/move_classes.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"

namespace whole_game {

// What is wrong with the board tables, or "" when every invariant holds: every
// pawn in exactly one place, a parking or exit square holding only its own pawn,
// every value decimal text, the exit counts matching the pawns out.
inline std::string BrokenInvariant(zirimbo::frmZirimbo2012& f) {
    int places[17] = {};
    auto pawnOf = [](const std::string& v) -> long {
        const long p = tk::Val(v);
        return tk::Str(p) == v && p >= 0 && p <= 16 ? p : -1;
    };
    for (int c = 1; c <= 36; ++c) {
        const long p = pawnOf(f.lblCaselle(c).Caption);
        if (p < 0) return "cell " + std::to_string(c) + " holds " + f.lblCaselle(c).Caption.get();
        if (p > 0) ++places[p];
    }
    for (int k = 1; k <= 16; ++k) {
        const long parked = pawnOf(f.lblPedine(k).Caption);
        const long out = pawnOf(f.lblUscite(k).Caption);
        if ((parked != 0 && parked != k) || (out != 0 && out != k))
            return "square " + std::to_string(k) + " holds another pawn";
        places[k] += (parked == k) + (out == k);
    }
    for (int p = 1; p <= 16; ++p)
        if (places[p] != 1) return "pawn " + std::to_string(p) + " stands in " + std::to_string(places[p]) + " places";
    for (int player = 1; player <= 4; ++player) {
        long out = 0;
        for (int p = 4 * player - 3; p <= 4 * player; ++p) out += f.lblUscite(p).Caption.get() != "0";
        if (f.lblDadiUsciti(player).Caption.get() != tk::Str(out))
            return "player " + std::to_string(player) + " counts " + f.lblDadiUsciti(player).Caption.get() +
                   " pawns out of " + tk::Str(out);
    }
    return "";
}

// True while no move is in progress: a red pawn that reached cell 36 is nowhere
// in the tables until it is put on its exit square 350 ms later.
inline bool AtRest(zirimbo::frmZirimbo2012& f) { return !f.TmrTornaZirimbo.Enabled; }

// The winner by the window's background (the winner flag): 1 to 4, or 0 while the game goes on.
inline int Winner(zirimbo::frmZirimbo2012& f) {
    switch (f.BackColor()) {
        case 0x8080FF: return 1;
        case 0xFFCB84: return 2;
        case 0x80FFFF: return 3;
        case 0x80FF80: return 4;
        default: return 0;
    }
}

struct Result {
    int winner = 0;
    bool redWon = false;
    int redRolls = 0;
    int redMoves = 0;
    std::int64_t virtualMs = 0;
};

// The path step of a cell on red's path.
inline int RedStep(zirimbo::frmZirimbo2012& f, const std::string& cell) {
    for (int k = 1; k <= 36; ++k)
        if (f.lblPerR(k).Caption.get() == cell) return k;
    return 0;
}

// Red's choice: an exit first, then a pawn entering, then the pawn furthest along
// its path; a ring continuation only when nothing else is playable.
inline int ChooseRow(zirimbo::frmZirimbo2012& f) {
    const int count = static_cast<int>(tk::Val(f.lblPed(0).Caption));
    int best = 0, bestScore = -1;
    for (int n = 1; n <= count; ++n) {
        if (f.lblPed(n).ForeColor != zirimbo::colour::Red) continue;
        const bool entry = f.lblPos(n).BorderStyle == 1;
        const bool ringMove = n > 1 && !entry && f.lblPed(n - 1).Caption.get() == f.lblPed(n).Caption.get() &&
                              f.lblPos(n - 1).Caption.get() == f.lblPos(n).Caption.get();
        int score;
        if (f.lblFinale(n).Caption.get() == "36")
            score = 1000;
        else if (entry)
            score = 500;
        else if (ringMove)
            score = 0;
        else
            score = 100 + RedStep(f, f.lblPos(n).Caption);
        if (score > bestScore) best = n, bestScore = score;
    }
    return best;
}

// Plays until a player has won or `limitMs` of virtual time have passed; `afterTick`
// runs after every timer tick. The automatic move should be off.
inline Result Play(zirimbo::frmZirimbo2012& f, tk::HeadlessRuntime& h, std::int64_t limitMs,
                   const std::function<void()>& afterTick = {}) {
    Result r;
    const std::int64_t start = h.now();
    auto won = [&] { return Winner(f) != 0; };
    auto prompt = [&] { return f.ImgDado.Visible.get() && f.cmdGioca.Enabled.get(); };
    auto choosing = [&] {
        return f.lblPuoiGiocare.Caption.get() == "Si" && f.lblFaseMossa.Caption.get() == "1" &&
               tk::Val(f.lblMossePossibili.Caption) > 0;
    };
    while (!won()) {
        const std::int64_t left = limitMs - (h.now() - start);
        if (left <= 0 || !h.runUntil([&] { return won() || prompt() || choosing(); }, left, afterTick)) break;
        if (won()) break;
        if (prompt()) {
            f.click(f.ImgDado);
            ++r.redRolls;
            continue;
        }
        const int n = ChooseRow(f);
        const int source = static_cast<int>(tk::Val(f.lblPos(n).Caption));
        if (f.lblPos(n).BorderStyle == 1) {
            f.click(f.ImgPartenza(source));
        } else {
            f.click(f.ImgGif(source));
        }
        f.click(f.ImgGif(static_cast<int>(tk::Val(f.lblFinale(n).Caption))));
        ++r.redMoves;
        if (afterTick) afterTick();
    }
    r.winner = Winner(f);
    r.redWon = r.winner == 1;
    r.virtualMs = h.now() - start;
    return r;
}

}  // namespace whole_game
