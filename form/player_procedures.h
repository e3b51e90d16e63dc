// The window's own parts of each character: its voice channel, its line cursors,
// its timers, its comments and its turn procedures, by player number.
#pragma once

#include "board/players.h"
#include "form/frmZirimbo2012.h"

namespace zirimbo::players {

using Procedure = void (frmZirimbo2012::*)();
using WindowTimer = Timer frmZirimbo2012::*;

struct CharacterProcedures {
    SoundChannel frmZirimbo2012::*voice;
    ControlArray<Label> frmZirimbo2012::*lineCursors;
    WindowTimer moveTimer;    // the seven ticks of its animated move
    WindowTimer refugeTimer;  // the refuge comment after a landing on a refuge
    WindowTimer sixTimer;     // the move choice after a six comment
    WindowTimer noPawnTimer;  // the roll after the hoping-for-a-six comment
    Procedure hopeForSix, missedSix, rolledSix, canEatRed, ateRed, ateRed2, sparedRed, pawnOut, victory, ateOther;
    Procedure prepareTurn;  // after its roll
    Procedure chooseMove;
};

// [2..4]; the human has none of these.
using W = frmZirimbo2012;
inline const CharacterProcedures kProcedures[5] = {
    {},
    {},
    {.voice = &W::mmcBob,
     .lineCursors = &W::lblEtiBob,
     .moveTimer = &W::TmrMossaBlu3,
     .refugeTimer = &W::TmrGrigiaBob,
     .sixTimer = &W::TmrSeiBob,
     .noPawnTimer = &W::TmrSenzaPedineBob,
     .hopeForSix = &W::CommentBobHopeForSix,
     .missedSix = &W::CommentBobMissedSix,
     .rolledSix = &W::CommentBobRolledSix,
     .canEatRed = &W::CommentBobCanEatRed,
     .ateRed = &W::CommentBobAteRed,
     .ateRed2 = &W::CommentBobAteRed2,
     .sparedRed = &W::CommentBobSparedRed,
     .pawnOut = &W::CommentBobPawnOut,
     .victory = &W::CommentBobVictory,
     .ateOther = &W::CommentBobAteOther,
     .prepareTurn = &W::PrepareBobTurn,
     .chooseMove = &W::ChooseBobMove},
    {.voice = &W::mmcGiorgetto,
     .lineCursors = &W::lblEtiGio,
     .moveTimer = &W::TmrMossaGiallo3,
     .refugeTimer = &W::TmrGrigiaGiorgetto,
     .sixTimer = &W::TmrSeiGiorgetto,
     .noPawnTimer = &W::TmrSenzaPedineGiorgetto,
     .hopeForSix = &W::CommentGiorgettoHopeForSix,
     .missedSix = &W::CommentGiorgettoMissedSix,
     .rolledSix = &W::CommentGiorgettoRolledSix,
     .canEatRed = &W::CommentGiorgettoCanEatRed,
     .ateRed = &W::CommentGiorgettoAteRed,
     .ateRed2 = &W::CommentGiorgettoAteRed2,
     .sparedRed = &W::CommentGiorgettoSparedRed,
     .pawnOut = &W::CommentGiorgettoPawnOut,
     .victory = &W::CommentGiorgettoVictory,
     .ateOther = &W::CommentGiorgettoAteOther,
     .prepareTurn = &W::PrepareGiorgettoTurn,
     .chooseMove = &W::ChooseGiorgettoMove},
    {.voice = &W::mmcCarla,
     .lineCursors = &W::lblEtiCar,
     .moveTimer = &W::TmrMossaVerde3,
     .refugeTimer = &W::TmrGrigiaCarla,
     .sixTimer = &W::TmrSeiCarla,
     .noPawnTimer = &W::TmrSenzaPedineCarla,
     .hopeForSix = &W::CommentCarlaHopeForSix,
     .missedSix = &W::CommentCarlaMissedSix,
     .rolledSix = &W::CommentCarlaRolledSix,
     .canEatRed = &W::CommentCarlaCanEatRed,
     .ateRed = &W::CommentCarlaAteRed,
     .ateRed2 = &W::CommentCarlaAteRed2,
     .sparedRed = &W::CommentCarlaSparedRed,
     .pawnOut = &W::CommentCarlaPawnOut,
     .victory = &W::CommentCarlaVictory,
     .ateOther = &W::CommentCarlaAteOther,
     .prepareTurn = &W::PrepareCarlaTurn,
     .chooseMove = &W::ChooseCarlaMove},
};

inline const CharacterProcedures& ProceduresOf(int player) { return kProcedures[CharacterOf(player)]; }

}  // namespace zirimbo::players
