// Values the shell's panels and data files share: the players' colours, which
// mark their scoreboard rows and the winner, the longest name, the pressed look of the panels'
// answers and options, and the options panel's general help text.
#pragma once

#include "board/players.h"
#include "form/frmZirimbo2012.h"

namespace zirimbo {

// The colour of player 1 red (the human), 2 Bob, 3 Giorgetto, 4 Carla: its
// scoreboard row's, and the window's when it wins.
constexpr tk::Color PlayerColour(int player) { return players::kPlayers[player].winner; }

// A pressed option name or exit answer.
inline constexpr tk::Color kPressedYellow = 0x80FFFF;

// What the options panel's bubble says while no option is under the mouse.
inline constexpr const char* kOptionsHelp =
    "Passa con il mouse sopra le scritte con lo sfondo bianco per avere una breve descrizione del comando; "
    "cliccaci sopra invece per cambiare la relativa opzione!";

// The longest player's name, in characters: the name box takes no more, and a
// longer name in the name file is cut to it.
inline constexpr int kNameLength = 40;

// The shapes of scoreboard row 1 to 4: elements 0 to 3 carry the row's player
// colour, element 4 is the face's background.
ControlArray<Shape>& ScoreboardRowShapes(frmZirimbo2012& f, int row);

}  // namespace zirimbo
