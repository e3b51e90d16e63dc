// Design values and events of the computer players' turns: the turn's flags, the
// move tick counter, the blink of eatable red pawns, the hand-over timers and the
// hidden developer buttons of the move timers.
#include "form/frmZirimbo2012.h"

namespace zirimbo {

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
