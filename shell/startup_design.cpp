// Design values and events of the start-up: the splash frame with the intro and
// the name entry, the two start-up timers, and the music lists with their timers.
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

// A centred, transparent text of the splash.
void SplashText(Label& l, const char* text, const char* font, double size, bool bold, bool italic, bool visible) {
    l.Caption = text;
    l.FontName = font;
    l.FontSize = size;
    l.FontBold = bold;
    l.FontItalic = italic;
    l.ForeColor = colour::Black;
    l.BackStyle = 0;
    l.Alignment = 2;
    l.Visible = visible;
}
}  // namespace

void frmZirimbo2012::DesignStartUp() {
    // The splash covers the whole window; start-up moves it to the origin.
    FraSplash.BackColor = kSplashBack;
    FraSplash.BorderStyle = 0;
    FraSplash.Move(0, 11520, 15360, 11520);
    FraSplash.Visible = true;

    Shape1.ShapeKind = 4;
    Shape1.BackStyle = 0;
    Shape1.BorderColor = colour::White;
    Shape1.BorderWidth = 3;
    OnSplash(Shape1, FraSplash, 428, 450, 14505, 10620);

    OnSplash(ImgSplash, FraSplash, 5070, 600, 5220, 5220);
    ImgSplash.Visible = false;
    for (int k = 1; k <= 8; ++k) {
        OnSplash(ImgLogo(k), FraSplash, 2633 + 1260 * (k - 1), 5955, 1275, 1275);
        ImgLogo(k).Visible = false;
    }

    // The typed author's name and "presenta:", the credit lines and the edition.
    SplashText(lblUnGioco(4), "", "Verdana", 15.75, true, false, true);
    OnSplash(lblUnGioco(4), FraSplash, 4875, 5040, 5610, 405);
    SplashText(lblUnGioco(3), "", "Verdana", 12, true, false, true);
    OnSplash(lblUnGioco(3), FraSplash, 4875, 5565, 5610, 300);
    SplashText(lblUnGioco(0), "La versione elettronica dell'omonimo Gioco da tavolo", "Times New Roman", 11.25,
               false, true, false);
    OnSplash(lblUnGioco(0), FraSplash, 4095, 7320, 7185, 510);
    SplashText(lblUnGioco(5), "ideato da Tobelio Zanvuti di Borgo San Lumo (Valle dei Colli)", "Times New Roman",
               11.25, false, true, false);
    OnSplash(lblUnGioco(5), FraSplash, 3615, 7635, 8130, 510);
    SplashText(lblUnGioco(2), "© 1995 Gioco da tavolo - © 2012 Edizione elettronica - Tutti i diritti riservati",
               "Times New Roman", 11.25, false, true, false);
    OnSplash(lblUnGioco(2), FraSplash, 3773, 7980, 7815, 510);
    SplashText(lblUnGioco(1), "", "Verdana", 9.75, false, false, false);
    OnSplash(lblUnGioco(1), FraSplash, 5768, 9840, 3825, 300);
    SplashText(lblUnGioco(6), "Vers. Lumo 2012", "Verdana", 9.75, true, false, false);
    OnSplash(lblUnGioco(6), FraSplash, 5768, 10155, 3825, 300);

    // The name prompt, the name box and the recommended screen sizes.
    SplashText(lblInserisci, "Inserisci il tuo Nome e poi premi INVIO", "Arial", 12, true, false, false);
    lblInserisci.ForeColor = kPromptGreen;
    OnSplash(lblInserisci, FraSplash, 2348, 8580, 10665, 405);
    SplashText(lblRisoluzioni,
               "Risoluzioni video consigliate: 1920 x 1440 - 1600 x 1200 - 1280 x 960 - 1024 x 768 - 800 x 600",
               "Arial", 9, false, true, false);
    OnSplash(lblRisoluzioni, FraSplash, 1455, 9840, 12450, 240);
    txtPassword.Alignment = 2;
    txtPassword.ForeColor = colour::Red;
    txtPassword.FontName = "Verdana";
    txtPassword.FontSize = 11.25;
    txtPassword.FontBold = true;
    txtPassword.BorderStyle = 1;
    txtPassword.MaxLength = kNameLength;
    txtPassword.Text = "";
    txtPassword.Visible = false;
    OnSplash(txtPassword, FraSplash, 6735, 9105, 1890, 390);

    // The intro's step counter and the start-up timers.
    lblTobelio.Caption = "4";
    lblTobelio.Visible = false;
    TmrTobelioZanvuti.Interval = 150;
    TimerEntra.Interval = 100;
    TmrTobelioZanvuti.onTimer = [this](int) { TmrTobelioZanvuti_Timer(); };
    TimerEntra.onTimer = [this](int) { TimerEntra_Timer(); };
    onKeyDown = [this](int keyCode, int shift) { Form_KeyDown(keyCode, shift); };
    // A character the name box cannot store sounds the refusal, whatever the options say.
    txtPassword.onRefused = [this](int) { ReplayEffectAlways(mmcDeng); };

    // The music lists, in the comments' developer view.
    const char* fast[12] = {"11", "1a", "1c", "2a", "2c", "3a", "3c", "4a", "4c", "5a", "5c", "6a"};
    const char* slow[7] = {"6", "1b", "2b", "3b", "4b", "5b", "6b"};
    for (int i = 0; i <= 11; ++i) {
        lblMusVeloci(i).Container = &FraCasuale;
        lblMusVeloci(i).Move(6000 + 420 * i, 4200, 405, 255);
        lblMusVeloci(i).Caption = fast[i];
        lblMusVeloci(i).BackColor = colour::White;
    }
    for (int i = 0; i <= 6; ++i) {
        lblMusLenti(i).Container = &FraCasuale;
        lblMusLenti(i).Move(6000 + 420 * i, 4500, 405, 255);
        lblMusLenti(i).Caption = slow[i];
        lblMusLenti(i).BackColor = colour::White;
    }
    lblTipoPezzo.Container = &FraCasuale;
    lblTipoPezzo.Move(9000, 4500, 900, 255);
    lblTipoPezzo.Caption = "Lento";
    CommandButton* buttons[3] = {&cmdAssegnaVeloci, &cmdAssegnaLenti, &cmdProssimoBrano};
    const char* captions[3] = {"Veloci", "Lenti", "Prossimo"};
    for (int i = 0; i < 3; ++i) {
        buttons[i]->Container = &FraCasuale;
        buttons[i]->Move(6000 + 1050 * i, 4800, 1000, 300);
        buttons[i]->Caption = captions[i];
    }
    cmdAssegnaVeloci.onClick = [this](int) { cmdAssegnaVeloci_Click(); };
    cmdAssegnaLenti.onClick = [this](int) { cmdAssegnaLenti_Click(); };
    cmdProssimoBrano.onClick = [this](int) { cmdProssimoBrano_Click(); };

    TmrRipetiMusiche.Interval = 25000;
    TmrMusiche.onTimer = [this](int) { TmrMusiche_Timer(); };
    TmrRipetiMusiche.onTimer = [this](int) { TmrRipetiMusiche_Timer(); };
    TmrVerdi.onTimer = [this](int) { TmrVerdi_Timer(); };
}

}  // namespace zirimbo
