// Start-up pieces, the name entry and the start of the game after it.
#include "board/players.h"
#include "form/frmLumo2012.h"
#include "form/frmZirimbo2012.h"
#include "form/various.h"
#include "toolkit/runtime.h"

namespace zirimbo {

namespace {

const char* const kDesignerBiography =
    "Tobelio Zanvuti è nato nel 1958 a Borgo San Lumo, dove vive e lavora. Maestro elementare per "
    "trent'anni, ha sempre inventato giochi per i suoi alunni: percorsi, dadi, pedine di cartone e "
    "tante regole da discutere insieme. ZIRIMBO! è nato così, su un tavolo di scuola, e nel 1995 è "
    "diventato un gioco da tavolo vero e proprio, con la sua spirale di caselle e i suoi rifugi grigi. "
    "Oggi Tobelio continua a ideare giochi per bambini e adulti, convinto che giocare insieme sia il "
    "modo più bello per imparare a vincere, a perdere e a ridere.";

const char* const kRightsStatement =
    "Il gioco da tavolo ZIRIMBO! è stato ideato da Tobelio Zanvuti nel 1995. Tutti i diritti sono "
    "riservati, sia per il gioco da tavolo sia per questa versione elettronica (Lumo 2012). Nessuna "
    "parte del gioco, delle immagini, delle musiche e dei testi può essere riprodotta o diffusa senza "
    "il permesso scritto dell'Autore.";

}  // namespace

// The panels and the splash go to their places in the design space; the rescaling
// that may follow moves them with everything else.
void frmZirimbo2012::PlacePanels() {
    for (int k = 0; k <= 3; ++k) {
        FraPannello(k).Left = 105;
        FraPannello(k).Top = 0;
    }
    FraRicomincia.Left = 4410;
    FraRicomincia.Top = 1785;
    FraSplash.Left = 0;
    FraSplash.Top = 0;
}

// The game is drawn for a client area as large as the screen: the window takes
// the screen's size, so that a rescaled layout is shown as it is.
void frmZirimbo2012::FitWindowToScreen() {
    Width = runtime().screen.Width;
    Height = runtime().screen.Height;
}

void frmZirimbo2012::WriteExitPanelTexts() {
    txtVari(various::kBiographyBox).Text = kDesignerBiography;
    txtVari(various::kRightsBox).Text = kRightsStatement;
}

// The rules, scoreboard, options and exit panels' pictures.
void frmZirimbo2012::LoadPanelPictures() {
    ImgVarie(various::kRulesCharacter).Picture = LoadPicture("\\Fumetti\\G11.gif");
    ImgVarie(various::kRulesBackArrow).Picture = LoadPicture("\\Grafica\\Indietro1.gif");
    ImgVarie(various::kRulesForwardArrow).Picture = LoadPicture("\\Grafica\\Avanti1.gif");
    ImgVarie(various::kRulesBubble).Picture = LoadPicture("\\Grafica\\Fumetto.gif");
    ImgVarie(various::kRulesLogo).Picture = LoadPicture("\\Grafica\\Logo.gif");
    ImgVarie(various::kScoreboardLogo).Picture = LoadPicture("\\Grafica\\Logo.gif");
    ImgVarie(various::kOptionsLogo).Picture = LoadPicture("\\Grafica\\Logo.gif");
    ImgVarie(various::kOptionsBubble).Picture = LoadPicture("\\Grafica\\Fumetto.gif");
    ImgVarie(various::kExitLogo).Picture = LoadPicture("\\Grafica\\Logo.gif");
}

// The rematch box's bubble and logo, and the logo of the bottom bar.
void frmZirimbo2012::LoadRematchAndBarPictures() {
    ImgVarie(various::kRematchBubble).Picture = LoadPicture("\\Grafica\\Fumetto.gif");
    ImgVarie(various::kRematchLogo).Picture = LoadPicture("\\Grafica\\Logo.gif");
    ImgVarie(various::kBottomBarLogo).Picture = LoadPicture("\\Grafica\\logo.gif");
}

// The name entry: Enter with a name in the visible name box starts the game.
void frmZirimbo2012::Form_KeyDown(int KeyCode, int /*Shift*/) {
    if (KeyCode != tk::vbKeyReturn) return;
    if (!txtPassword.Visible || txtPassword.Text == "") return;
    lblNomeGiocatore.Caption = txtPassword.Text.get();
    lblInserisci.ForeColor = colour::Red;
    lblInserisci.Caption = "Sto caricando il Gioco... un attimo di pazienza!!";
    lblInserisci.Visible = true;
    txtPassword.Visible = false;
    // The focus stays on the splash, so that this Enter presses no button as well.
    SetFocus(FraSplash);
    TimerEntra.Enabled = true;
}

// A character the name box cannot take (one the name file cannot hold, or one past the
// longest name): the refusal sound, with the sound effects on, and the box flashes in
// the refusal's colour, so that the refusal shows with the sound off too.
void frmZirimbo2012::RefuseNameCharacter() {
    ReplayEffect(mmcDeng);
    txtPassword.BackColor = players::kPlayers[players::kRed].light;
    TmrLampeggiaNome.Enabled = false;  // a refusal during the flash makes it last again
    TmrLampeggiaNome.Enabled = true;
}

void frmZirimbo2012::TmrLampeggiaNome_Timer() {
    TmrLampeggiaNome.Enabled = false;
    txtPassword.BackColor = colour::White;
}

// The game begins: the splash goes, the comment orders and the music lists are
// drawn, and the music starts unless it is off.
void frmZirimbo2012::TimerEntra_Timer() {
    TimerEntra.Enabled = false;
    FraSplash.Visible = false;
    SetFocus(cmdGioca);
    cmdAssegnaCasuale_Click();
    cmdAssegnaVeloci_Click();
    if (MusicOn()) {
        TmrMusiche.Enabled = true;
        cmdProssimoBrano_Click();
    }
}

void frmZirimbo2012::ShowInfoWindow() {
    if (!infoWindow_) infoWindow_ = std::make_shared<frmLumo2012>(runtime(), lblPercorso.Caption.get());
    infoWindow_->Show();
}

}  // namespace zirimbo
