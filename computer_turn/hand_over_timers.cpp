// The one-shot timers that carry a computer turn across its character's lines:
// the refuge comment after a landing on a grey cell, the move choice after the
// six or the can-eat line, and the roll after the hope-for-six line.
#include "form/frmZirimbo2012.h"

namespace zirimbo {

void frmZirimbo2012::TmrGrigiaBob_Timer() {
    TmrGrigiaBob.Enabled = false;
    CommentBobSafeCell();
}

void frmZirimbo2012::TmrGrigiaGiorgetto_Timer() {
    TmrGrigiaGiorgetto.Enabled = false;
    CommentGiorgettoSafeCell();
}

void frmZirimbo2012::TmrGrigiaCarla_Timer() {
    TmrGrigiaCarla.Enabled = false;
    CommentCarlaSafeCell();
}

void frmZirimbo2012::TmrSeiBob_Timer() {
    TmrSeiBob.Enabled = false;
    ChooseBobMove();
}

void frmZirimbo2012::TmrSeiGiorgetto_Timer() {
    TmrSeiGiorgetto.Enabled = false;
    ChooseGiorgettoMove();
}

void frmZirimbo2012::TmrSeiCarla_Timer() {
    TmrSeiCarla.Enabled = false;
    ChooseCarlaMove();
}

namespace {
// After the hope-for-six line: dots on the message line, the menu buttons back,
// the bubble gone, then the character's roll.
void RollAfterHopeForSix(frmZirimbo2012& f, Timer& own) {
    f.lblSpiegazioni.Caption = ".....";
    f.ShowMenuButtons();
    f.ImgPersonaggio.Picture = f.LoadPicture("");
    own.Enabled = false;
    f.cmdTrovaNumeri_Click();
}
}  // namespace

void frmZirimbo2012::TmrSenzaPedineBob_Timer() { RollAfterHopeForSix(*this, TmrSenzaPedineBob); }
void frmZirimbo2012::TmrSenzaPedineGiorgetto_Timer() { RollAfterHopeForSix(*this, TmrSenzaPedineGiorgetto); }
void frmZirimbo2012::TmrSenzaPedineCarla_Timer() { RollAfterHopeForSix(*this, TmrSenzaPedineCarla); }

// The developer buttons of the move timers do nothing.
void frmZirimbo2012::cmdTimerMossaBlu_Click() {}
void frmZirimbo2012::cmdTimerMossaGiallo_Click() {}
void frmZirimbo2012::cmdTimerMossaVerde_Click() {}

}  // namespace zirimbo
