// Design values and events of the start-up: the splash frame with the intro and
// the name entry, the two start-up timers, and the music lists with their timers.
#include <initializer_list>

#include "form/frmZirimbo2012.h"
#include "shell/panel_values.h"

namespace zirimbo {

namespace {
constexpr tk::Color kSplashBack = 0xB8C9E5;
constexpr tk::Color kPromptGreen = 0x008000;

void OnSplash(tk::Control& c, Frame& splash, int left, int top, int width, int height) {
    c.Container = &splash;
    c.Move(left, top, width, height);
}

// A centred, transparent text of the splash, at its place on the splash.
struct SplashTextAt {
    Label& label;
    const char* text;
    const char* font;
    double size;
    bool bold, italic, visible;
    int left, top, width, height;
};
void SplashTexts(Frame& splash, std::initializer_list<SplashTextAt> rows) {
    for (const SplashTextAt& r : rows) {
        Label& l = r.label;
        l.Caption = r.text;
        l.FontName = r.font;
        l.FontSize = r.size;
        l.FontBold = r.bold;
        l.FontItalic = r.italic;
        l.ForeColor = colour::Black;
        l.BackStyle = 0;
        l.Alignment = 2;
        l.Visible = r.visible;
        OnSplash(l, splash, r.left, r.top, r.width, r.height);
    }
}

// The splash covers the whole window; start-up moves it to the origin. It holds
// the intro (the author's logo, the typed name, the credit lines) and the name entry.
void DesignSplash(frmZirimbo2012& f) {
    Frame& splash = f.FraSplash;
    splash.BackColor = kSplashBack;
    splash.BorderStyle = 0;
    splash.Move(0, 11520, 15360, 11520);
    splash.Visible = true;

    f.Shape1.ShapeKind = 4;
    f.Shape1.BackStyle = 0;
    f.Shape1.BorderColor = colour::White;
    f.Shape1.BorderWidth = 3;
    OnSplash(f.Shape1, splash, 428, 450, 14505, 10620);

    OnSplash(f.ImgSplash, splash, 5070, 600, 5220, 5220);
    f.ImgSplash.Visible = false;
    for (int k = 1; k <= 8; ++k) {
        OnSplash(f.ImgLogo(k), splash, 2633 + 1260 * (k - 1), 5955, 1275, 1275);
        f.ImgLogo(k).Visible = false;
    }

    const char* const times = "Times New Roman";
    SplashTexts(
        splash,
        {
            // The typed author's name and "presenta:", the credit lines and the edition.
            {f.lblUnGioco(4), "", "Verdana", 15.75, true, false, true, 4875, 5040, 5610, 405},
            {f.lblUnGioco(3), "", "Verdana", 12, true, false, true, 4875, 5565, 5610, 300},
            {f.lblUnGioco(0), "La versione elettronica dell'omonimo Gioco da tavolo", times, 11.25, false, true, false,
             4095, 7320, 7185, 510},
            {f.lblUnGioco(5), "ideato da Tobelio Zanvuti di Borgo San Lumo (Valle dei Colli)", times, 11.25, false,
             true, false, 3615, 7635, 8130, 510},
            {f.lblUnGioco(2), "© 1995 Gioco da tavolo - © 2012 Edizione elettronica - Tutti i diritti riservati", times,
             11.25, false, true, false, 3773, 7980, 7815, 510},
            {f.lblUnGioco(1), "", "Verdana", 9.75, false, false, false, 5768, 9840, 3825, 300},
            {f.lblUnGioco(6), "Vers. Lumo 2012", "Verdana", 9.75, true, false, false, 5768, 10155, 3825, 300},
            // The name prompt and the recommended screen sizes.
            {f.lblInserisci, "Inserisci il tuo Nome e poi premi INVIO", "Arial", 12, true, false, false, 2348, 8580,
             10665, 405},
            {f.lblRisoluzioni,
             "Risoluzioni video consigliate: 1920 x 1440 - 1600 x 1200 - 1280 x 960 - 1024 x 768 - 800 x 600", "Arial",
             9, false, true, false, 1455, 9840, 12450, 240},
        });
    f.lblInserisci.ForeColor = kPromptGreen;

    // The name box.
    TextBox& name = f.txtPassword;
    name.Alignment = 2;
    name.ForeColor = colour::Red;
    name.FontName = "Verdana";
    name.FontSize = 11.25;
    name.FontBold = true;
    name.BorderStyle = 1;
    name.MaxLength = kNameLength;
    name.Text = "";
    name.Visible = false;
    OnSplash(name, splash, 6735, 9105, 1890, 390);
}

// The music lists and their buttons, in the comments' developer view.
void DesignMusicLists(frmZirimbo2012& f) {
    const char* fast[12] = {"11", "1a", "1c", "2a", "2c", "3a", "3c", "4a", "4c", "5a", "5c", "6a"};
    const char* slow[7] = {"6", "1b", "2b", "3b", "4b", "5b", "6b"};
    for (int i = 0; i <= 11; ++i) {
        f.lblMusVeloci(i).Container = &f.FraCasuale;
        f.lblMusVeloci(i).Move(6000 + 420 * i, 4200, 405, 255);
        f.lblMusVeloci(i).Caption = fast[i];
        f.lblMusVeloci(i).BackColor = colour::White;
    }
    for (int i = 0; i <= 6; ++i) {
        f.lblMusLenti(i).Container = &f.FraCasuale;
        f.lblMusLenti(i).Move(6000 + 420 * i, 4500, 405, 255);
        f.lblMusLenti(i).Caption = slow[i];
        f.lblMusLenti(i).BackColor = colour::White;
    }
    f.lblTipoPezzo.Container = &f.FraCasuale;
    f.lblTipoPezzo.Move(9000, 4500, 900, 255);
    f.lblTipoPezzo.Caption = "Lento";
    CommandButton* buttons[3] = {&f.cmdAssegnaVeloci, &f.cmdAssegnaLenti, &f.cmdProssimoBrano};
    const char* captions[3] = {"Veloci", "Lenti", "Prossimo"};
    for (int i = 0; i < 3; ++i) {
        buttons[i]->Container = &f.FraCasuale;
        buttons[i]->Move(6000 + 1050 * i, 4800, 1000, 300);
        buttons[i]->Caption = captions[i];
    }
    f.cmdAssegnaVeloci.onClick = [&f](int) { f.cmdAssegnaVeloci_Click(); };
    f.cmdAssegnaLenti.onClick = [&f](int) { f.cmdAssegnaLenti_Click(); };
    f.cmdProssimoBrano.onClick = [&f](int) { f.cmdProssimoBrano_Click(); };
}
}  // namespace

void frmZirimbo2012::DesignStartUp() {
    DesignSplash(*this);

    // The intro's step counter and the start-up timers.
    lblTobelio.Caption = "4";
    lblTobelio.Visible = false;
    TmrTobelioZanvuti.Interval = 150;
    TimerEntra.Interval = 100;
    TmrTobelioZanvuti.onTimer = [this](int) { TmrTobelioZanvuti_Timer(); };
    TimerEntra.onTimer = [this](int) { TimerEntra_Timer(); };
    onKeyDown = [this](int keyCode, int shift) { Form_KeyDown(keyCode, shift); };
    txtPassword.onRefused = [this](int) { RefuseNameCharacter(); };
    TmrLampeggiaNome.Interval = 300;
    TmrLampeggiaNome.onTimer = [this](int) { TmrLampeggiaNome_Timer(); };

    DesignMusicLists(*this);
    TmrRipetiMusiche.Interval = 25000;
    TmrMusiche.onTimer = [this](int) { TmrMusiche_Timer(); };
    TmrRipetiMusiche.onTimer = [this](int) { TmrRipetiMusiche_Timer(); };
    TmrVerdi.onTimer = [this](int) { TmrVerdi_Timer(); };
}

}  // namespace zirimbo
