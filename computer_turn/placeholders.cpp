// Stand-ins for the computer players' turns until they are built: each computer
// player passes its turn and the turn hub is armed, so the turn cycle goes on.
#include "shell/frmZirimbo2012.h"

namespace zirimbo {

// Replaced by the computer players' turn routines.
void frmZirimbo2012::PrepareBobTurn() {
    lblLineaMossa(1).Caption = "0";
    lblLineaMossa(2).Caption = "0";
    ResetClickState();
    lblPedineInGioco.Caption = "0";
    TmrAspettaDado.Interval = 1600;
    TmrAspettaDado.Enabled = true;
}

// Replaced by the computer players' turn routines.
void frmZirimbo2012::PrepareGiorgettoTurn() {
    lblPedineInGioco.Caption = "0";
    TmrAspettaDado.Interval = 1800;
    TmrAspettaDado.Enabled = true;
}

// Replaced by the computer players' turn routines.
void frmZirimbo2012::PrepareCarlaTurn() {
    lblLineaMossa(1).Caption = "0";
    lblLineaMossa(2).Caption = "0";
    ResetClickState();
    lblPedineInGioco.Caption = "0";
    TmrAspettaDado.Interval = 1000;
    TmrAspettaDado.Enabled = true;
}

}  // namespace zirimbo
