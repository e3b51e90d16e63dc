// What differs between the three computer players' turns and moves: their
// pawns, start and exit cells, timers, pictures, colours, texts and comments.
#pragma once

#include "form/frmZirimbo2012.h"

namespace zirimbo::computer_turn {

using Comment = void (frmZirimbo2012::*)();

struct ComputerPlayer {
    int player;          // 2 Bob, 3 Giorgetto, 4 Carla
    int firstPawn;       // 5, 9, 13
    int startCell;       // 6, 11, 16
    int exitCell;        // 33, 34, 35
    char letter;         // of the pawn pictures: 'B', 'G', 'V'
    tk::Color light;     // of the message area while the character speaks
    tk::Color winner;    // the window's background when the player wins; its scoreboard row's colour
    tk::Color winnerArea;
    const char* skipMessage;
    const char* skipBubble;
    const char* skipVoice;
    int skipPause;       // the hub's interval after a skipped turn
    Timer frmZirimbo2012::*moveTimer;
    Timer frmZirimbo2012::*refugeTimer;
    SoundChannel frmZirimbo2012::*voice;
    Comment missedSix, rolledSix, canEatRed, ateRed, ateRed2, sparedRed, pawnOut, victory, ateOther;
    void (frmZirimbo2012::*chooseMove)();
};

// lblHaMangiato's colour when the entering pawn will eat another character's pawn
// on the start cell (red when it will eat a red pawn there).
constexpr tk::Color kEntryEatsOther = 0xFF00FF;

// The player 2, 3 or 4.
const ComputerPlayer& Player(int player);

inline bool OwnPawnOf(const ComputerPlayer& p, long pawn) { return pawn >= p.firstPawn && pawn <= p.firstPawn + 3; }

}  // namespace zirimbo::computer_turn
