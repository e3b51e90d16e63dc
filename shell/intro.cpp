// The intro on the splash: the author's name and "presenta:" typed letter by
// letter, the logo revealed piece by piece, Giorgetto, the credits and at last
// the name prompt. One step per tick of TmrTobelioZanvuti.
#include <string>

#include "form/frmZirimbo2012.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
const std::string kAuthor = "Tobelio Zanvuti";
const std::string kPresents = "presenta:";
}  // namespace

void frmZirimbo2012::TmrTobelioZanvuti_Timer() {
    const long s = tk::Val(lblTobelio.Caption) + 1;
    lblTobelio.Caption = tk::Str(s);

    // The intro's sounds play whatever the options say.
    if (s >= 5 && s <= 26) {
        ReplayEffectAlways(mmcDado);
    } else if (s >= 35 && s <= 42) {
        ReplayEffectAlways(mmcPedina);
    } else if (s == 45) {
        ReplayEffectAlways(mmcGiorgetto);
    } else if (s >= 55 && s <= 57) {
        ReplayEffectAlways(mmcMossa);
    }

    if (s >= 5 && s <= 11) {
        lblUnGioco(4).Caption = kAuthor.substr(0, s - 4);
    } else if (s >= 12 && s <= 17) {
        // Step 12 adds the blank and the family name's first letter together.
        lblUnGioco(4).Caption = kAuthor.substr(0, s - 3);
    } else if (s == 18) {
        lblUnGioco(4).Caption = kAuthor;
        lblUnGioco(3).Caption = "p";
    } else if (s >= 19 && s <= 25) {
        lblUnGioco(3).Caption = kPresents.substr(0, s - 17);
    } else if (s == 26) {
        lblUnGioco(3).Caption = kPresents;
        TmrTobelioZanvuti.Interval = 80;
    } else if (s == 35) {
        ImgLogo(1).Visible = true;
        TmrTobelioZanvuti.Interval = 240;
    } else if (s >= 36 && s <= 42) {
        ImgLogo(static_cast<int>(s) - 34).Visible = true;
    } else if (s == 45) {
        lblUnGioco(3).Visible = false;
        lblUnGioco(4).Visible = false;
        ImgSplash.Visible = true;
    } else if (s == 55) {
        TmrTobelioZanvuti.Interval = 500;
        lblUnGioco(0).Visible = true;
    } else if (s == 56) {
        lblUnGioco(5).Visible = true;
    } else if (s == 57) {
        lblUnGioco(2).Visible = true;
    } else if (s == 59) {
        TmrTobelioZanvuti.Enabled = false;
        lblUnGioco(6).Visible = true;
        lblInserisci.Visible = true;
        lblRisoluzioni.Visible = true;
        txtPassword.Visible = true;
        SetFocus(txtPassword);
        ReplayEffectAlways(mmcTic);
    }
}

}  // namespace zirimbo
