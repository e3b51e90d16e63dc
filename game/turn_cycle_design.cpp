// Design values and events of the turn cycle's controls: its timers, its clicks
// and the developer views of the state tables (the shell's controls that it
// writes have their design in shell/panels_design.cpp).
#include <initializer_list>

#include "board/board_geometry.h"
#include "form/developer_views.h"
#include "form/frmZirimbo2012.h"
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

// A developer button with its caption, at its place in a view.
struct ButtonAt {
    CommandButton& button;
    const char* caption;
    int left, top, width, height;
};
void PlaceButtons(tk::Frame& view, std::initializer_list<ButtonAt> rows) {
    for (const ButtonAt& r : rows) {
        r.button.Caption = r.caption;
        Place(r.button, &view, r.left, r.top, r.width, r.height);
    }
}

// The board as a 6 x 6 miniature, the parking squares around it, the exits outside.
void DesignBoardView(frmZirimbo2012& f) {
    f.FraCaselle.Move(2775, 150, 3450, 4500);
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 6; ++col) {
            const int c = ai::kBoardGrid[row][col];
            Label& cell = f.lblCaselle(c);
            TableCell(cell, &f.FraCaselle, 750 + 300 * col, 525 + 300 * row, 240, 240);
            cell.BackColor = ai::IsRefuge(c) ? 0xE0E0E0 : colour::White;
            cell.FontBold = true;
        }
    }
    for (int p = 1; p <= 16; ++p) {
        const int player = players::PlayerOfPawn(p);
        const bool left = player == 1 || player == 4;
        const int slot = (p - 1) % 4 + (player >= 3 ? 4 : 0);
        TableCell(f.lblPedine(p), &f.FraCaselle, left ? 420 : 2610, 525 + 300 * slot, 270, 240);
        f.lblPedine(p).BackColor = developer_view::LightOfPlayer(player);
        TableCell(f.lblUscite(p), &f.FraCaselle, left ? 90 : 2940, 525 + 300 * slot, 270, 240);
    }
    PlaceButtons(f.FraCaselle, {{f.cmdCancellaPedine, "Cancella Pedine", 150, 3000, 3150, 375},
                                {f.cmdReinizializzaTabella, "Reinizializza Tabella", 150, 3450, 3150, 375},
                                {f.cmdVisualizzaPedine, "Visualizza Pedine", 150, 3900, 3150, 375}});
}

// The candidate-move table in three columns, the chosen row and the two counts.
void DesignMoveTableView(frmZirimbo2012& f) {
    Frame& view = f.FraMossa;
    view.Move(6375, 150, 3150, 3900);
    for (int n = 0; n <= 8; ++n) {
        TableCell(f.lblPed(n), &view, 150, 300 + 300 * n);
        TableCell(f.lblPos(n), &view, 750, 300 + 300 * n);
        TableCell(f.lblFinale(n), &view, 1350, 300 + 300 * n);
    }
    TableCell(f.lblScelta, &view, 2250, 300);
    SetText(f.lblScritteMossa(0), "Pedine Giocabili:", 8.25, false);
    Place(f.lblScritteMossa(0), &view, 150, 3075, 1800, 255);
    TableCell(f.lblPedineGiocabili, &view, 2250, 3075);
    SetText(f.lblScritteMossa(1), "Mosse Possibili:", 8.25, false);
    Place(f.lblScritteMossa(1), &view, 150, 3450, 1800, 255);
    TableCell(f.lblMossePossibili, &view, 2250, 3450);
}

// The die's working state.
void DesignRollView(frmZirimbo2012& f) {
    Frame& view = f.fraEstrazione;
    view.Move(9675, 150, 2850, 5100);
    for (int i = 0; i <= 13; ++i) TableCell(f.lblEstrazioni(i), &view, 150, 150 + 300 * i);
    Label* rollState[5] = {&f.lblNumeroEstrazione, &f.lblNumeroCasuale, &f.lblNumeroEstrazioni,
                           &f.lblContatoreEstrazioni, &f.lblSpia};
    for (int i = 0; i < 5; ++i) TableCell(*rollState[i], &view, 900, 150 + 300 * i);
    PlaceButtons(view, {{f.cmdLanciaDado, "Lancia Dado", 900, 1800, 1800, 375},
                        {f.cmdFermaDado, "Ferma Dado", 900, 2250, 1800, 375}});
}

// The path tables, the ring continuation and the two hidden board elements.
void DesignPathsView(frmZirimbo2012& f) {
    Frame& view = f.FraCervello;
    view.Move(2775, 4800, 9900, 5100);
    ControlArray<Label>* paths[4] = {&f.lblPerR, &f.lblPerB, &f.lblPerG, &f.lblPerV};
    for (int colourIndex = 0; colourIndex < 4; ++colourIndex)
        for (int k = 1; k <= 42; ++k)
            TableCell((*paths[colourIndex])(k), &view, 150 + 2100 * colourIndex + 480 * ((k - 1) / 14),
                      150 + 300 * ((k - 1) % 14), 450);
    for (int k = 1; k <= 44; ++k)
        TableCell(f.lblSecondo(k), &view, 8550 + 450 * ((k - 1) / 15), 150 + 300 * ((k - 1) % 15), 420);
    TableCell(f.lblCaselle(0), &view, 150, 4500);
    TableCell(f.lblCaselle(37), &view, 750, 4500);
}
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

void frmZirimbo2012::DesignDeveloperViews() {
    Frame* frames[6] = {&FraCaselle, &FraMossa, &fraEstrazione, &FraCervello, &FraPunteggio, &FraCasuale};
    for (Frame* fr : frames) {
        fr->Visible = false;
        fr->BackColor = 0xE0E0E0;
    }

    DesignBoardView(*this);
    DesignMoveTableView(*this);
    DesignRollView(*this);
    DesignPathsView(*this);
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
