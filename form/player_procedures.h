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
    {&W::mmcBob, &W::lblEtiBob, &W::TmrMossaBlu3, &W::TmrGrigiaBob, &W::TmrSeiBob, &W::TmrSenzaPedineBob,
     &W::CommentBobHopeForSix, &W::CommentBobMissedSix, &W::CommentBobRolledSix,
     &W::CommentBobCanEatRed, &W::CommentBobAteRed, &W::CommentBobAteRed2,
     &W::CommentBobSparedRed, &W::CommentBobPawnOut, &W::CommentBobVictory,
     &W::CommentBobAteOther,
     &W::PrepareBobTurn, &W::ChooseBobMove},
    {&W::mmcGiorgetto, &W::lblEtiGio, &W::TmrMossaGiallo3, &W::TmrGrigiaGiorgetto, &W::TmrSeiGiorgetto,
     &W::TmrSenzaPedineGiorgetto,
     &W::CommentGiorgettoHopeForSix, &W::CommentGiorgettoMissedSix, &W::CommentGiorgettoRolledSix,
     &W::CommentGiorgettoCanEatRed, &W::CommentGiorgettoAteRed, &W::CommentGiorgettoAteRed2,
     &W::CommentGiorgettoSparedRed, &W::CommentGiorgettoPawnOut, &W::CommentGiorgettoVictory,
     &W::CommentGiorgettoAteOther,
     &W::PrepareGiorgettoTurn, &W::ChooseGiorgettoMove},
    {&W::mmcCarla, &W::lblEtiCar, &W::TmrMossaVerde3, &W::TmrGrigiaCarla, &W::TmrSeiCarla, &W::TmrSenzaPedineCarla,
     &W::CommentCarlaHopeForSix, &W::CommentCarlaMissedSix, &W::CommentCarlaRolledSix,
     &W::CommentCarlaCanEatRed, &W::CommentCarlaAteRed, &W::CommentCarlaAteRed2,
     &W::CommentCarlaSparedRed, &W::CommentCarlaPawnOut, &W::CommentCarlaVictory,
     &W::CommentCarlaAteOther,
     &W::PrepareCarlaTurn, &W::ChooseCarlaMove},
};

inline const CharacterProcedures& ProceduresOf(int player) { return kProcedures[CharacterOf(player)]; }

}  // namespace zirimbo::players
