// Design values of the move evaluation's tables: the scratch board and the
// scores in the developer view FraPunteggio, the tactic and eaten-pawn labels,
// and the three computer move timers.
#include "board/board_geometry.h"
#include "form/developer_views.h"
#include "form/frmZirimbo2012.h"

namespace zirimbo {

namespace {
void PlaceInView(Label& l, Frame& view, int left, int top, int width, int height, const char* text, tk::Color back) {
    l.Container = &view;
    l.Move(left, top, width, height);
    l.Caption = text;
    l.BackColor = back;
    l.BorderStyle = 1;
    l.Alignment = 2;
    l.FontSize = 6.75;
}
}  // namespace

void frmZirimbo2012::DesignMoveEvaluation() {
    Frame& view = FraPunteggio;
    // The scratch board as a 6 x 6 miniature.
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 6; ++col)
            PlaceInView(lbl2Caselle(ai::kBoardGrid[row][col]), view, 150 + 300 * col, 300 + 300 * row, 285, 285, "0",
                        colour::White);
    // Per pawn: parked, score, threats, out.
    for (int p = 1; p <= 16; ++p) {
        const tk::Color light = developer_view::LightOfPlayer(ai::ColourOfPawn(p));
        const int top = 300 + 210 * (p - 1);
        PlaceInView(lbl2Pedine(p), view, 2000, top, 380, 195, "0", light);
        PlaceInView(lblPunteggio(p), view, 2420, top, 520, 195, "0", light);
        PlaceInView(lblMinacce(p), view, 2980, top, 380, 195, "0", light);
        PlaceInView(lbl2Uscite(p), view, 3400, top, 380, 195, "0", colour::White);
    }
    for (int k = 1; k <= 4; ++k)
        PlaceInView(lblTotale(k), view, 3850, 300 + 840 * (k - 1), 560, 195, "0", developer_view::LightOfPlayer(k));
    for (int n = 0; n <= 8; ++n) PlaceInView(lblAnalisi(n), view, 4500, 300 + 240 * n, 560, 195, "0", colour::White);
    PlaceInView(lblContaAnalisi, view, 4500, 300 + 240 * 9 + 120, 560, 195, "0", colour::White);
    cmdAnalisiPunteggio.Container = &view;
    cmdAnalisiPunteggio.Caption = "Analisi Punteggio";
    cmdAnalisiPunteggio.Move(150, 2200, 1665, 375);
    cmdAnalisiPunteggio.Visible = false;
    cmdAnalisiPunteggio.onClick = [this](int) { cmdAnalisiPunteggio_Click(); };

    // Hidden labels of the window itself.
    for (Label* l : {&lblSceltaTattica, &lblSceltaTattica2}) {
        l->Caption = "";
        l->BackColor = colour::White;
        l->BorderStyle = 1;
        l->Visible = false;
    }
    lblSceltaTattica.Move(0, 0, 375, 255);
    lblSceltaTattica2.Move(420, 0, 375, 255);
    for (Label* l : {&lblPedinaMangiataColore, &lblPedinaMangiataPosizione, &lblValorePedinaMangiata}) {
        l->Caption = "";
        l->Visible = false;
    }

    // The move timers: 220 ms at design; the speed option changes them.
    TmrMossaBlu3.Interval = 220;
    TmrMossaGiallo3.Interval = 220;
    TmrMossaVerde3.Interval = 220;
}

}  // namespace zirimbo
