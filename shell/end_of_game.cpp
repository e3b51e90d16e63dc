// The end of a won game: the end music, the scoreboard panel and, under it, the
// rematch box with its NUOVA PARTITA button; after the human's victory the logo
// of the scoreboard panel is animated.
#include "form/frmZirimbo2012.h"
#include "form/various.h"
#include "shell/panel_values.h"
#include "toolkit/text.h"

namespace zirimbo {

void frmZirimbo2012::TmrPannelloVittoria_Timer() {
    TmrPannelloVittoria.Enabled = false;
    if (MusicOn()) {
        // The winner's code has already given the channel the end piece.
        if (BackColor() == PlayerColour(1)) TmrVerdi.Enabled = true;
        StartChannel(mmcMusiche);
    }
    ImgPersonaggio.Picture = LoadPicture("");
    ShowMenuButtons();
    // The flag first: the scoreboard button below opens panels only while it is set.
    SetCanPlay(true);
    lblPulsante_Click(1);
    FraRicomincia.Visible = true;
}

// Every 150 ms: Logo2, Logo3, Logo4, Logo, and again.
void frmZirimbo2012::TmrLampeggiaLogo_Timer() {
    long frame = tk::Val(lblLampeggiaLogo.Caption) + 1;
    if (frame == 5) frame = 1;
    lblLampeggiaLogo.Caption = tk::Str(frame);
    const char* const frames[4] = {"\\Grafica\\Logo2.gif", "\\Grafica\\Logo3.gif", "\\Grafica\\Logo4.gif",
                                   "\\Grafica\\Logo.gif"};
    if (frame >= 1 && frame <= 4) ImgVarie(various::kScoreboardLogo).Picture = LoadPicture(frames[frame - 1]);
}

void frmZirimbo2012::lblNuovaPartita_MouseDown(const tk::MouseArgs&) {
    lblVarie(various::kNewGameCaption).ForeColor = colour::Red;
}

void frmZirimbo2012::lblNuovaPartita_MouseUp(const tk::MouseArgs&) {
    ShpVari(various::kNewGameButton).BackColor = colour::White;
    lblVarie(various::kNewGameCaption).ForeColor = colour::Black;
    ReplayEffect(mmcTic);
}

}  // namespace zirimbo
