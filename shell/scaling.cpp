// The main window's one rescaling at load, from the design's 15360 x 11520 twips
// to the screen: every control the game can show, by one table.
#include "shell/scaling.h"

#include "form/frmZirimbo2012.h"
#include "toolkit/scaling.h"

namespace zirimbo {

namespace {

struct Entry {
    const char* name;
    int first;  // -1 for a control outside an array
    int last;
};

// Every control the game shows, apart from the off-screen Enter button.
const Entry kScalingTable[] = {
    {"ImgSplash", -1, -1},
    {"lblUnGioco", 0, 6},
    {"ImgLogo", 1, 8},
    {"lblInserisci", -1, -1},
    {"lblRisoluzioni", -1, -1},
    {"txtPassword", -1, -1},
    {"Shape1", -1, -1},
    {"FraSplash", -1, -1},
    {"ImgGif", 1, 36},
    {"ImgTessera", 1, 36},
    {"lblVarie", 0, 39},
    {"lblDadiUsciti", 1, 4},
    {"lblScritteVarie", 0, 0},
    {"lblNuovaPartita", -1, -1},
    {"FraRicomincia", -1, -1},
    {"ShpPuntoDado", 0, 6},
    {"Shape3", 0, 10},
    {"txtVari", 0, 3},
    {"ShpVari", 0, 25},
    {"Shp1SfondoClass", 0, 4},
    {"Shp2SfondoClass", 0, 4},
    {"Shp3SfondoClass", 0, 4},
    {"Shp4SfondoClass", 0, 4},
    {"ImgClassifica", 1, 4},
    {"lblPosizioneClass", 1, 4},
    {"lblNomeClass", 1, 4},
    {"lblVinte", 1, 4},
    {"lblData", 1, 4},
    {"ShpOpzio", 0, 5},
    {"ShpVoceOpzio", 0, 5},
    {"lblOpzione", 0, 5},
    {"lblVoceOpzione", 0, 5},
    {"FraPannello", 0, 3},
    {"lblPulsante", 0, 3},
    {"lblScrittaPulsanti", 0, 3},
    {"lblScritteVarie", 21, 22},
    {"ImgLato", 1, 2},
    {"ImgPartenza", 1, 16},
    {"ImgDadiUsciti", 1, 16},
    {"lblLetturaRegole", 0, 1},
    {"lblEsci", 0, 1},
    {"ImgDado", -1, -1},
    {"ShpDado", -1, -1},
    {"ImgPersonaggio", -1, -1},
    {"ShpForme", 0, 0},
    {"Shape2", 0, 0},
    {"lblSpiegazioni", -1, -1},
    {"ImgVarie", 0, 17},
    {"ImgEsci", -1, -1},
};

// Calls `visit` with every control of the table that the window holds.
template <class Visit>
void ForEachScaledControl(const frmZirimbo2012& f, Visit visit) {
    for (const Entry& e : kScalingTable) {
        const int first = e.first < 0 ? -1 : e.first;
        const int last = e.first < 0 ? -1 : e.last;
        for (int i = first; i <= last; ++i)
            if (tk::Control* c = f.find(e.name, i)) visit(*c);
    }
}

}  // namespace

void frmZirimbo2012::ScaleControlsToScreen() {
    const tk::ScaleFactors k = tk::FactorsForScreen(ImgDado, 15360.0, 11520.0);
    ForEachScaledControl(*this, [&](tk::Control& c) {
        // The bottom buttons' click areas carry no text and keep their font.
        const bool text = (c.kind() == tk::Kind::Label || c.kind() == tk::Kind::TextBox) && c.Name() != "lblPulsante";
        tk::ScaleControl(c, k, text);
    });
}

int ScaledControlCount(const frmZirimbo2012& f) {
    int n = 0;
    ForEachScaledControl(f, [&](tk::Control&) { ++n; });
    return n;
}

}  // namespace zirimbo
