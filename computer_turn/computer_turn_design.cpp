// Design values and events of the computer players' turns: the turn's flags, the
// move tick counter, the blink of eatable red pawns, the hand-over timers and the
// hidden developer buttons of the move timers; and the table of the three players.
#include "computer_turn/computer_players.h"

namespace zirimbo {

namespace computer_turn {

namespace {
const ComputerPlayer kPlayers[3] = {
    {2, 5, 6, 33, 'B', 0xFFCB84, 0xFFCB84, 0xFFCB84, "Devo saltare il turno...", "\\Fumetti\\B12.gif",
     "\\Bob\\12B1.wav", 1600, &frmZirimbo2012::TmrMossaBlu3, &frmZirimbo2012::TmrGrigiaBob, &frmZirimbo2012::mmcBob,
     &frmZirimbo2012::CommentBobMissedSix, &frmZirimbo2012::CommentBobRolledSix,
     &frmZirimbo2012::CommentBobCanEatRed, &frmZirimbo2012::CommentBobAteRed, &frmZirimbo2012::CommentBobAteRed2,
     &frmZirimbo2012::CommentBobSparedRed, &frmZirimbo2012::CommentBobPawnOut, &frmZirimbo2012::CommentBobVictory,
     &frmZirimbo2012::CommentBobAteOther, &frmZirimbo2012::ChooseBobMove},
    {3, 9, 11, 34, 'G', 0xC0FFFF, 0x80FFFF, 0xC0FFFF, "Non posso giocare...", "\\Fumetti\\G12.gif",
     "\\Giorgetto\\12G1.wav", 1800, &frmZirimbo2012::TmrMossaGiallo3, &frmZirimbo2012::TmrGrigiaGiorgetto,
     &frmZirimbo2012::mmcGiorgetto, &frmZirimbo2012::CommentGiorgettoMissedSix,
     &frmZirimbo2012::CommentGiorgettoRolledSix, &frmZirimbo2012::CommentGiorgettoCanEatRed,
     &frmZirimbo2012::CommentGiorgettoAteRed, &frmZirimbo2012::CommentGiorgettoAteRed2,
     &frmZirimbo2012::CommentGiorgettoSparedRed, &frmZirimbo2012::CommentGiorgettoPawnOut,
     &frmZirimbo2012::CommentGiorgettoVictory, &frmZirimbo2012::CommentGiorgettoAteOther,
     &frmZirimbo2012::ChooseGiorgettoMove},
    {4, 13, 16, 35, 'V', 0x9DEEA2, 0x80FF80, 0x80FF80, "Passo...", "\\Fumetti\\C12.gif", "\\Carla\\12C1.wav", 1000,
     &frmZirimbo2012::TmrMossaVerde3, &frmZirimbo2012::TmrGrigiaCarla, &frmZirimbo2012::mmcCarla,
     &frmZirimbo2012::CommentCarlaMissedSix, &frmZirimbo2012::CommentCarlaRolledSix,
     &frmZirimbo2012::CommentCarlaCanEatRed, &frmZirimbo2012::CommentCarlaAteRed,
     &frmZirimbo2012::CommentCarlaAteRed2, &frmZirimbo2012::CommentCarlaSparedRed,
     &frmZirimbo2012::CommentCarlaPawnOut, &frmZirimbo2012::CommentCarlaVictory,
     &frmZirimbo2012::CommentCarlaAteOther, &frmZirimbo2012::ChooseCarlaMove},
};
}  // namespace

const ComputerPlayer& Player(int player) { return kPlayers[player <= 2 ? 0 : player == 3 ? 1 : 2]; }

}  // namespace computer_turn

void frmZirimbo2012::DesignComputerTurns() {
    // The turn's flags and counters: hidden, white, "0" or empty.
    lblPedineRosseMangiabili.Caption = "0";
    lblHaMangiato.Caption = "";
    lblSicuro.Caption = "";
    lblContatoreMosse.Caption = "0";
    lblLampeggia.Caption = "0";
    for (Label* l : {&lblPedineRosseMangiabili, &lblHaMangiato, &lblSicuro, &lblContatoreMosse, &lblLampeggia}) {
        l->BackColor = colour::White;
        l->Visible = false;
    }
    for (int k = 1; k <= 4; ++k) {
        lblPosizioneRossa(k).Caption = "0";
        lblPosizioneRossa(k).Visible = false;
    }

    // Timers: the blink every 150 ms, the refuge comments 400 ms after the landing;
    // the six and no-pawn timers get their interval from the comment that arms them.
    TmrLampeggiaRosso.Interval = 150;
    TmrGrigiaBob.Interval = 400;
    TmrGrigiaGiorgetto.Interval = 400;
    TmrGrigiaCarla.Interval = 400;
    TmrMossaBlu3.onTimer = [this](int) { TmrMossaBlu3_Timer(); };
    TmrMossaGiallo3.onTimer = [this](int) { TmrMossaGiallo3_Timer(); };
    TmrMossaVerde3.onTimer = [this](int) { TmrMossaVerde3_Timer(); };
    TmrLampeggiaRosso.onTimer = [this](int) { TmrLampeggiaRosso_Timer(); };
    TmrGrigiaBob.onTimer = [this](int) { TmrGrigiaBob_Timer(); };
    TmrGrigiaGiorgetto.onTimer = [this](int) { TmrGrigiaGiorgetto_Timer(); };
    TmrGrigiaCarla.onTimer = [this](int) { TmrGrigiaCarla_Timer(); };
    TmrSeiBob.onTimer = [this](int) { TmrSeiBob_Timer(); };
    TmrSeiGiorgetto.onTimer = [this](int) { TmrSeiGiorgetto_Timer(); };
    TmrSeiCarla.onTimer = [this](int) { TmrSeiCarla_Timer(); };
    TmrSenzaPedineBob.onTimer = [this](int) { TmrSenzaPedineBob_Timer(); };
    TmrSenzaPedineGiorgetto.onTimer = [this](int) { TmrSenzaPedineGiorgetto_Timer(); };
    TmrSenzaPedineCarla.onTimer = [this](int) { TmrSenzaPedineCarla_Timer(); };

    // The move timers' developer buttons, invisible in the die's developer view.
    CommandButton* buttons[3] = {&cmdTimerMossaBlu, &cmdTimerMossaGiallo, &cmdTimerMossaVerde};
    const char* captions[3] = {"Timer Mossa Blu", "Timer Mossa Giallo", "Timer Mossa Verde"};
    for (int i = 0; i < 3; ++i) {
        buttons[i]->Container = &fraEstrazione;
        buttons[i]->Caption = captions[i];
        buttons[i]->Move(900, 2700 + 450 * i, 1800, 375);
        buttons[i]->Visible = false;
    }
    cmdTimerMossaBlu.onClick = [this](int) { cmdTimerMossaBlu_Click(); };
    cmdTimerMossaGiallo.onClick = [this](int) { cmdTimerMossaGiallo_Click(); };
    cmdTimerMossaVerde.onClick = [this](int) { cmdTimerMossaVerde_Click(); };
}

}  // namespace zirimbo
