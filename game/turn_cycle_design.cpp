// Design values and events of the turn cycle's controls: its timers, the shell's
// controls it writes (message line, portrait, bottom buttons, panels, scoreboard,
// rematch box) and the developer views of the state tables.
#include "shell/frmZirimbo2012.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
void Place(tk::Control& c, tk::Frame* container, int left, int top, int width, int height) {
    c.Container = container;
    c.Move(left, top, width, height);
}

void TableCell(Label& l, tk::Frame* container, int left, int top, int width = 480, int height = 255) {
    Place(l, container, left, top, width, height);
    l.Alignment = 2;
    l.Visible = true;
}

void SetText(Label& l, const char* text, double size, bool bold, tk::Color fore = colour::Black) {
    l.Caption = text;
    l.FontName = "Verdana";
    l.FontSize = size;
    l.FontBold = bold;
    l.ForeColor = fore;
    l.BackStyle = 0;
    l.Alignment = 2;
}

void Filled(Shape& s, int kind, tk::Color back, tk::Color border = colour::Black, int borderWidth = 1) {
    s.ShapeKind = kind;
    s.BackStyle = 1;
    s.BackColor = back;
    s.BorderColor = border;
    s.BorderWidth = borderWidth;
}

// Player colours of the scoreboard rows and of the winner flag.
constexpr tk::Color kRowColour[5] = {0, 0x8080FF, 0xFFCB84, 0x80FFFF, 0x80FF80};
constexpr tk::Color kFaceBack = 0xB8C9E5;
}  // namespace

void frmZirimbo2012::DesignTurnCycle() {
    TimerDado.Interval = 50;
    TmrAspettaDado.Interval = 600;
    TmrGiocaAutomatico.Interval = 440;
    TimerDado.onTimer = [this](int) { TimerDado_Timer(); };
    TmrAspettaDado.onTimer = [this](int) { TmrAspettaDado_Timer(); };
    TmrRiprendeIlGioco.onTimer = [this](int) { TmrRiprendeIlGioco_Timer(); };
    TmrRiprendeRossoDopoVerde.onTimer = [this](int) { TmrRiprendeRossoDopoVerde_Timer(); };
    TmrTornaZirimbo.onTimer = [this](int) { TmrTornaZirimbo_Timer(); };
    TmrGiocaAutomatico.onTimer = [this](int) { TmrGiocaAutomatico_Timer(); };

    ImgDado.onClick = [this](int) { ImgDado_Click(); };
    cmdGioca.onClick = [this](int) { cmdGioca_Click(); };
    ImgGif.setOnClick([this](int i) { ImgGif_Click(i); });
    ImgPartenza.setOnClick([this](int i) { ImgPartenza_Click(i); });

    DesignShellControls();
    DesignDeveloperViews();
}

void frmZirimbo2012::DesignShellControls() {
    // The message line, on its rounded shape right of the die.
    Filled(ShpForme(0), 4, colour::White, colour::Black, 2);
    ShpForme(0).Move(8400, 10140, 4680, 1290);
    SetText(lblSpiegazioni, "", 9.75, true);
    lblSpiegazioni.Move(8520, 10215, 4440, 1140);
    lblSpiegazioni.WordWrap = true;
    lblCopiaSpiegazione.Caption = "";
    lblCopiaSpiegazione.Visible = false;
    ImgPersonaggio.Move(105, 8235, 3075, 3075);
    lblNomeGiocatore.Caption = "Doduru";
    lblNomeGiocatore.Visible = false;

    // The four bottom buttons: REG, CLAS, OPZ, ESC, and the bar joining CLAS and OPZ.
    const char* captions[4] = {"REG", "CLAS", "OPZ", "ESC"};
    const int clickAt[4][2] = {{13230, 10395}, {315, 10395}, {1365, 10395}, {14280, 10395}};
    const int circleAt[4][2] = {{13170, 10425}, {315, 10425}, {1365, 10425}, {14215, 10425}};
    const int captionAt[4][2] = {{13150, 10730}, {315, 10730}, {1365, 10730}, {14250, 10730}};
    for (int i = 0; i <= 3; ++i) {
        Filled(Shape3(i), 3, colour::Panel, colour::Black, 2);
        Shape3(i).Move(circleAt[i][0], circleAt[i][1], 840, 840);
        SetText(lblScrittaPulsanti(i), captions[i], 9.75, true);
        lblScrittaPulsanti(i).Move(captionAt[i][0], captionAt[i][1], 880, 255);
        lblPulsante(i).BackStyle = 0;
        lblPulsante(i).Caption = "";
        lblPulsante(i).Move(clickAt[i][0], clickAt[i][1], 840, 840);
        Frame& panel = FraPannello(i);
        panel.BackColor = colour::Panel;
        panel.Move(105, 0, 15300, 10095);
        panel.Visible = false;
    }
    Filled(ShpVari(17), 0, colour::Black, colour::Black);
    ShpVari(17).Move(945, 10815, 645, 45);
    TmrRicompareSpiegazione.Interval = 1000;
    TmrRicompareSpiegazione.onTimer = [this](int) { TmrRicompareSpiegazione_Timer(); };

    // The scoreboard rows on the scoreboard panel, in design order.
    ControlArray<Shape>* rowShapes[5] = {nullptr, &Shp1SfondoClass, &Shp2SfondoClass, &Shp3SfondoClass,
                                         &Shp4SfondoClass};
    const char* names[5] = {"", "Giocatore", "Bob", "Giorgetto", "Carla"};
    Frame* board = &FraPannello(1);
    Place(ImgVarie(5), board, 4950, 210, 5400, 2205);
    for (int r = 1; r <= 4; ++r) {
        const int top = 3045 + 1470 * (r - 1);
        ControlArray<Shape>& row = *rowShapes[r];
        const int cellAt[5][3] = {{840, 105, 1065}, {3570, 0, 4635}, {8400, 105, 1065}, {9660, 0, 4635}, {2100, 0, 1275}};
        for (int e = 0; e <= 4; ++e) {
            const int kind = e == 0 || e == 2 ? 3 : e == 4 ? 5 : 4;
            Filled(row(e), kind, e == 4 ? kFaceBack : kRowColour[r]);
            const int height = e == 0 || e == 2 ? 1065 : 1275;
            Place(row(e), board, cellAt[e][0], top + cellAt[e][1], cellAt[e][2], height);
        }
        SetText(lblPosizioneClass(r), "1", 26.25, true);
        Place(lblPosizioneClass(r), board, 840, top + 270, 1065, 735);
        SetText(lblNomeClass(r), names[r], 26.25, true);
        Place(lblNomeClass(r), board, 3570, top + 270, 4635, 735);
        SetText(lblVinte(r), "0", 26.25, true);
        Place(lblVinte(r), board, 8400, top + 270, 1065, 735);
        SetText(lblData(r), "", 26.25, true);
        Place(lblData(r), board, 9660, top + 270, 4635, 735);
        lblPartiteVinte(r).Caption = "0";
        lblPartiteVinte(r).Visible = false;
    }
    lblPosizione.Caption = "1";
    lblPosizione.Visible = false;
    lblLampeggiaLogo.Caption = "0";
    lblLampeggiaLogo.Visible = false;
    TmrLampeggiaVittoria.Interval = 300;
    TmrLampeggiaLogo.Interval = 150;
    TmrMusiche.Interval = 2000;
    TmrVerdi.Interval = 18700;
    TmrLampeggiaVittoria.onTimer = [this](int) { TmrLampeggiaVittoria_Timer(); };
    TmrLampeggiaLogo.onTimer = [this](int) { TmrLampeggiaLogo_Timer(); };
    TmrPannelloVittoria.onTimer = [this](int) { TmrPannelloVittoria_Timer(); };

    // The rematch box.
    FraRicomincia.BackColor = colour::Panel;
    FraRicomincia.Move(4410, 1785, 6630, 6630);
    FraRicomincia.Visible = false;
    Place(ImgVarie(10), &FraRicomincia, 1777, 1800, 3075, 3075);
    SetText(lblVarie(33), "Vuoi la rivincita? Clicca su NUOVA PARTITA!", 14.25, true);
    Place(lblVarie(33), &FraRicomincia, 300, 300, 6030, 1335);
    Filled(ShpVari(19), 4, colour::White, colour::Black, 2);
    Place(ShpVari(19), &FraRicomincia, 1515, 5250, 3600, 855);
    SetText(lblVarie(34), "NUOVA PARTITA", 12, true);
    Place(lblVarie(34), &FraRicomincia, 1515, 5505, 3600, 375);
    lblNuovaPartita.BackStyle = 0;
    lblNuovaPartita.Caption = "";
    Place(lblNuovaPartita, &FraRicomincia, 1515, 5250, 3600, 855);
    lblNuovaPartita.onClick = [this](int) { lblNuovaPartita_Click(); };
}

void frmZirimbo2012::DesignDeveloperViews() {
    static const int kGrid[6][6] = {{1, 2, 3, 4, 5, 6},     {20, 21, 22, 23, 24, 7},  {19, 32, 33, 34, 25, 8},
                                    {18, 31, 36, 35, 26, 9}, {17, 30, 29, 28, 27, 10}, {16, 15, 14, 13, 12, 11}};
    Frame* frames[6] = {&FraCaselle, &FraMossa, &fraEstrazione, &FraCervello, &FraPunteggio, &FraCasuale};
    for (Frame* fr : frames) {
        fr->Visible = false;
        fr->BackColor = 0xE0E0E0;
    }

    // The board as a 6 x 6 miniature, the parking squares around it, the exits outside.
    FraCaselle.Move(2775, 150, 3450, 4500);
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 6; ++col) {
            Label& cell = lblCaselle(kGrid[row][col]);
            TableCell(cell, &FraCaselle, 750 + 300 * col, 525 + 300 * row, 240, 240);
            const int c = kGrid[row][col];
            cell.BackColor = (c == 3 || c == 8 || c == 13 || c == 18) ? 0xE0E0E0 : colour::White;
            cell.FontBold = true;
        }
    }
    const tk::Color parkColour[5] = {0, 0xC0C0FF, 0xFFFFC0, 0xC0FFFF, 0xC0FFC0};
    for (int p = 1; p <= 16; ++p) {
        const int player = (p + 3) / 4;
        const bool left = player == 1 || player == 4;
        const int slot = (p - 1) % 4 + (player >= 3 ? 4 : 0);
        TableCell(lblPedine(p), &FraCaselle, left ? 420 : 2610, 525 + 300 * slot, 270, 240);
        lblPedine(p).BackColor = parkColour[player];
        TableCell(lblUscite(p), &FraCaselle, left ? 90 : 2940, 525 + 300 * slot, 270, 240);
    }
    cmdCancellaPedine.Caption = "Cancella Pedine";
    cmdReinizializzaTabella.Caption = "Reinizializza Tabella";
    cmdVisualizzaPedine.Caption = "Visualizza Pedine";
    Place(cmdCancellaPedine, &FraCaselle, 150, 3000, 3150, 375);
    Place(cmdReinizializzaTabella, &FraCaselle, 150, 3450, 3150, 375);
    Place(cmdVisualizzaPedine, &FraCaselle, 150, 3900, 3150, 375);

    // The candidate-move table in three columns, the chosen row and the two counts.
    FraMossa.Move(6375, 150, 3150, 3900);
    for (int n = 0; n <= 8; ++n) {
        TableCell(lblPed(n), &FraMossa, 150, 300 + 300 * n);
        TableCell(lblPos(n), &FraMossa, 750, 300 + 300 * n);
        TableCell(lblFinale(n), &FraMossa, 1350, 300 + 300 * n);
    }
    TableCell(lblScelta, &FraMossa, 2250, 300);
    SetText(lblScritteMossa(0), "Pedine Giocabili:", 8.25, false);
    Place(lblScritteMossa(0), &FraMossa, 150, 3075, 1800, 255);
    TableCell(lblPedineGiocabili, &FraMossa, 2250, 3075);
    SetText(lblScritteMossa(1), "Mosse Possibili:", 8.25, false);
    Place(lblScritteMossa(1), &FraMossa, 150, 3450, 1800, 255);
    TableCell(lblMossePossibili, &FraMossa, 2250, 3450);

    // The die's working state.
    fraEstrazione.Move(9675, 150, 2850, 5100);
    for (int i = 0; i <= 13; ++i) TableCell(lblEstrazioni(i), &fraEstrazione, 150, 150 + 300 * i);
    Label* rollState[5] = {&lblNumeroEstrazione, &lblNumeroCasuale, &lblNumeroEstrazioni, &lblContatoreEstrazioni,
                           &lblSpia};
    for (int i = 0; i < 5; ++i) TableCell(*rollState[i], &fraEstrazione, 900, 150 + 300 * i);
    cmdLanciaDado.Caption = "Lancia Dado";
    cmdFermaDado.Caption = "Ferma Dado";
    Place(cmdLanciaDado, &fraEstrazione, 900, 1800, 1800, 375);
    Place(cmdFermaDado, &fraEstrazione, 900, 2250, 1800, 375);

    // The path tables, the ring continuation and the two hidden board elements.
    FraCervello.Move(2775, 4800, 9900, 5100);
    ControlArray<Label>* paths[4] = {&lblPerR, &lblPerB, &lblPerG, &lblPerV};
    for (int colourIndex = 0; colourIndex < 4; ++colourIndex)
        for (int k = 1; k <= 42; ++k)
            TableCell((*paths[colourIndex])(k), &FraCervello, 150 + 2100 * colourIndex + 480 * ((k - 1) / 14),
                      150 + 300 * ((k - 1) % 14), 450);
    for (int k = 1; k <= 44; ++k)
        TableCell(lblSecondo(k), &FraCervello, 8550 + 450 * ((k - 1) / 15), 150 + 300 * ((k - 1) % 15), 420);
    TableCell(lblCaselle(0), &FraCervello, 150, 4500);
    TableCell(lblCaselle(37), &FraCervello, 750, 4500);
    FraPunteggio.Move(9675, 5400, 5400, 4500);
    FraCasuale.Move(105, 5400, 5400, 4500);

    cmdTrovaNumeri.Caption = "Trova Numeri";
    cmdTrovaNumeri.Visible = false;
    cmdTrovaSegnalini.Caption = "Trova Segnalini";
    cmdTrovaSegnalini.Visible = false;
    CommandButton* buttons[] = {&cmdCancellaPedine, &cmdReinizializzaTabella, &cmdVisualizzaPedine, &cmdLanciaDado,
                                &cmdFermaDado,      &cmdTrovaNumeri,          &cmdTrovaSegnalini};
    int tab = 1;
    for (CommandButton* b : buttons) b->TabIndex = tab++;

    cmdCancellaPedine.onClick = [this](int) { cmdCancellaPedine_Click(); };
    cmdReinizializzaTabella.onClick = [this](int) { cmdReinizializzaTabella_Click(); };
    cmdVisualizzaPedine.onClick = [this](int) { cmdVisualizzaPedine_Click(); };
    cmdLanciaDado.onClick = [this](int) { cmdLanciaDado_Click(); };
    cmdFermaDado.onClick = [this](int) { cmdFermaDado_Click(); };
    cmdTrovaNumeri.onClick = [this](int) { cmdTrovaNumeri_Click(); };
    cmdTrovaSegnalini.onClick = [this](int) { cmdTrovaSegnalini_Click(); };
    lblCaselle.setOnClick([this](int i) { lblCaselle_Click(i); });
    lblPedine.setOnClick([this](int i) { lblPedine_Click(i); });
    lblNumeroDado.onClick = [this](int) { lblNumeroDado_Click(); };
    lblTurnoDiGioco.onClick = [this](int) { lblTurnoDiGioco_Click(); };
}

}  // namespace zirimbo
