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
    Procedure missedSix, rolledSix, canEatRed, ateRed, ateRed2, sparedRed, pawnOut, victory, ateOther;
    Procedure chooseMove;
};

// [2..4]; the human has none of these.
inline const CharacterProcedures kProcedures[5] = {
    {},
    {},
    {&frmZirimbo2012::mmcBob, &frmZirimbo2012::lblEtiBob, &frmZirimbo2012::TmrMossaBlu3,
     &frmZirimbo2012::TmrGrigiaBob, &frmZirimbo2012::TmrSeiBob, &frmZirimbo2012::TmrSenzaPedineBob,
     &frmZirimbo2012::CommentBobMissedSix, &frmZirimbo2012::CommentBobRolledSix,
     &frmZirimbo2012::CommentBobCanEatRed, &frmZirimbo2012::CommentBobAteRed, &frmZirimbo2012::CommentBobAteRed2,
     &frmZirimbo2012::CommentBobSparedRed, &frmZirimbo2012::CommentBobPawnOut, &frmZirimbo2012::CommentBobVictory,
     &frmZirimbo2012::CommentBobAteOther, &frmZirimbo2012::ChooseBobMove},
    {&frmZirimbo2012::mmcGiorgetto, &frmZirimbo2012::lblEtiGio, &frmZirimbo2012::TmrMossaGiallo3,
     &frmZirimbo2012::TmrGrigiaGiorgetto, &frmZirimbo2012::TmrSeiGiorgetto, &frmZirimbo2012::TmrSenzaPedineGiorgetto,
     &frmZirimbo2012::CommentGiorgettoMissedSix, &frmZirimbo2012::CommentGiorgettoRolledSix,
     &frmZirimbo2012::CommentGiorgettoCanEatRed, &frmZirimbo2012::CommentGiorgettoAteRed,
     &frmZirimbo2012::CommentGiorgettoAteRed2, &frmZirimbo2012::CommentGiorgettoSparedRed,
     &frmZirimbo2012::CommentGiorgettoPawnOut, &frmZirimbo2012::CommentGiorgettoVictory,
     &frmZirimbo2012::CommentGiorgettoAteOther, &frmZirimbo2012::ChooseGiorgettoMove},
    {&frmZirimbo2012::mmcCarla, &frmZirimbo2012::lblEtiCar, &frmZirimbo2012::TmrMossaVerde3,
     &frmZirimbo2012::TmrGrigiaCarla, &frmZirimbo2012::TmrSeiCarla, &frmZirimbo2012::TmrSenzaPedineCarla,
     &frmZirimbo2012::CommentCarlaMissedSix, &frmZirimbo2012::CommentCarlaRolledSix,
     &frmZirimbo2012::CommentCarlaCanEatRed, &frmZirimbo2012::CommentCarlaAteRed,
     &frmZirimbo2012::CommentCarlaAteRed2, &frmZirimbo2012::CommentCarlaSparedRed,
     &frmZirimbo2012::CommentCarlaPawnOut, &frmZirimbo2012::CommentCarlaVictory,
     &frmZirimbo2012::CommentCarlaAteOther, &frmZirimbo2012::ChooseCarlaMove},
};

inline const CharacterProcedures& ProceduresOf(int player) { return kProcedures[CharacterOf(player)]; }

}  // namespace zirimbo::players
