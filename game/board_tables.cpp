// The board's state tables at design time: every pawn parked, the die showing
// four, red to roll first, and the four path tables with the ring continuation.
#include "board/board_geometry.h"
#include "form/frmZirimbo2012.h"

namespace zirimbo {

namespace {
void SetHidden(Label& l, const char* text) {
    l.Caption = text;
    l.Visible = false;
}
template <class A>
void SetAllHidden(A& arr, const char* text) {
    arr.forEach([&](Label& l) { SetHidden(l, text); });
}
}  // namespace

void frmZirimbo2012::DesignTables() {
    for (int c = 0; c <= 37; ++c) SetHidden(lblCaselle(c), "0");
    for (int p = 1; p <= 16; ++p) {
        SetHidden(lblPedine(p), std::to_string(p).c_str());
        SetHidden(lblUscite(p), "0");
    }
    SetAllHidden(lblDadiUsciti, "0");
    SetHidden(lblNumeroDado, "4");
    SetHidden(lblTurnoDiGioco, "4");
    SetHidden(lblPuoiGiocare, state_text::kCanPlay);
    SetHidden(lblPedineInGioco, "0");

    ControlArray<Label>* paths[4] = {&lblPerR, &lblPerB, &lblPerG, &lblPerV};
    for (int colour = 1; colour <= 4; ++colour)
        for (int k = 1; k <= 42; ++k)
            SetHidden((*paths[colour - 1])(k), std::to_string(ai::PathCell(colour, k)).c_str());
    for (int k = 1; k <= 44; ++k) SetHidden(lblSecondo(k), std::to_string(ai::RingEntry(k)).c_str());

    SetAllHidden(lblPed, "0");
    SetAllHidden(lblPos, "0");
    SetAllHidden(lblFinale, "0");
    SetHidden(lblMossePossibili, "0");
    SetHidden(lblPedineGiocabili, "0");
    SetHidden(lblScelta, "0");

    SetHidden(lblFaseMossa, "0");
    SetHidden(lblPedinaCliccata, "0");
    SetHidden(lblCasellaCliccata, "0");
    SetAllHidden(lblIcs, "0");
    SetAllHidden(lblLineaMossa, "0");
    SetHidden(lblIndex, "0");
    SetHidden(lblMangia, "0");
    SetHidden(lblAuto, "0");

    SetAllHidden(lblEstrazioni, "0");
    SetHidden(lblNumeroEstrazione, "0");
    SetHidden(lblNumeroCasuale, "0");
    SetHidden(lblNumeroEstrazioni, "0");
    SetHidden(lblContatoreEstrazioni, "0");
    SetHidden(lblSpia, "0");
}

}  // namespace zirimbo
