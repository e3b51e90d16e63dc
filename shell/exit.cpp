// The exit panel asks "Vuoi davvero uscire??". "No" closes it; "Sì" silences the
// buttons and the music, lets the pictured character say goodbye, saves the
// options and the name, and after the goodbye the information window takes over.
#include "form/frmZirimbo2012.h"
#include "form/various.h"
#include "shell/panel_values.h"
#include "toolkit/text.h"

namespace zirimbo {

void frmZirimbo2012::lblEsci_Click(int Index) {
    if (Index != 0) {
        // "No": as a click on the ESC button, which closes the open exit panel.
        lblPulsante_Click(3);
        return;
    }
    for (int i = 0; i <= 3; ++i) lblPulsante(i).Enabled = false;
    lblEsci(0).Enabled = false;
    lblEsci(1).Enabled = false;
    // Nothing may roll the die or start a turn while the goodbye is spoken:
    // a computer player's comment would cut it short.
    ImgDado.Enabled = false;
    cmdGioca.Enabled = false;
    SetCanPlay(false);
    TimerDado.Enabled = false;
    TmrGiocaAutomatico.Enabled = false;
    TmrAspettaDado.Enabled = false;
    if (MusicOn()) StopChannel(mmcMusiche);
    SayGoodbye();  // also sets the exit's delay
    SaveOptionsAndName();
    TmrEsci.Enabled = true;
}

void frmZirimbo2012::TmrEsci_Timer() {
    TmrEsci.Enabled = false;
    ShowInfoWindow();
    Unload();
}

void frmZirimbo2012::lblEsci_MouseMove(int Index, const tk::MouseArgs&) {
    if (tk::Val(lblIndexEsci.Caption) == Index) return;
    lblIndexEsci.Caption = tk::Str(Index);
    ReplayEffect(mmcSfoglia);
    if (Index == 0)
        lblVarie(various::kExitYesCaption).ForeColor = colour::Red;
    else
        lblVarie(various::kExitNoCaption).ForeColor = colour::Red;
}

void frmZirimbo2012::lblEsci_MouseDown(int Index, const tk::MouseArgs&) {
    Shape3(Index == 0 ? 8 : 9).BackColor = kPressedYellow;
}

void frmZirimbo2012::lblEsci_MouseUp(int Index, const tk::MouseArgs&) {
    Shape3(Index == 0 ? 8 : 9).BackColor = colour::White;
}

}  // namespace zirimbo
