// The die: the faces of a roll are drawn before it is shown, then the die shows
// them one per tick, slowing down, and hands the turn to the player who rolled.
#include <cmath>

#include "board/players.h"
#include "form/frmZirimbo2012.h"
#include "form/player_procedures.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
constexpr int kFaces = 13;
constexpr int kFirstInterval = 50;

// The face put before a forced six, chosen by the face before it so that no face repeats.
constexpr int kBeforeForcedSix[7] = {0, 4, 5, 1, 3, 3, 2};
}  // namespace

void frmZirimbo2012::ImgDado_Click() {
    cmdLanciaDado_Click();
    cmdGioca.Enabled = false;
}

void frmZirimbo2012::cmdGioca_Click() {
    cmdGioca.Enabled = false;
    ImgDado_Click();
}

void frmZirimbo2012::cmdLanciaDado_Click() {
    cmdLanciaDado.Enabled = false;
    ShowDieQuip();
    cmdTrovaNumeri_Click();
    ImgDado.Visible = false;
}

void frmZirimbo2012::cmdFermaDado_Click() { TimerDado.Enabled = !TimerDado.Enabled; }

void frmZirimbo2012::cmdTrovaNumeri_Click() {
    long i = tk::Val(lblNumeroEstrazione.Caption);
    while (i < kFaces) {
        const int face = runtime().draw(6);
        lblNumeroCasuale.Caption = tk::Str(face);
        if (tk::Str(face) != lblEstrazioni(static_cast<int>(i)).Caption.get()) {
            ++i;
            lblNumeroEstrazione.Caption = tk::Str(i);
            lblEstrazioni(static_cast<int>(i)).Caption = tk::Str(face);
        }
    }
    lblNumeroEstrazione.Caption = "0";
    StartDieRoll();
}

void frmZirimbo2012::StartDieRoll() {
    lblNumeroEstrazioni.Caption = tk::Str(8 + runtime().draw(5));
    // The roll belongs to the player after the one who rolled last.
    if (const int last = Turn()) {
        const int player = last % 4 + 1;
        SetTurn(player);
        ShpDado.BackColor = players::kPlayers[player].dieBody;
        for (int i = 0; i <= 6; ++i) ShpPuntoDado(i).BackColor = players::kPlayers[player].diePips;
        if (!HasPawnOnBoard(player)) MaybeForceSix();
    }
    TimerDado.Enabled = true;
}

void frmZirimbo2012::MaybeForceSix() {
    const int d = runtime().draw(4);
    if (d == 1) {
        const int n = static_cast<int>(tk::Val(lblNumeroEstrazioni.Caption));
        lblEstrazioni(n).Caption = "6";
        const long beforeLast = tk::Val(lblEstrazioni(n - 2).Caption);
        if (beforeLast >= 1 && beforeLast <= 6) lblEstrazioni(n - 1).Caption = tk::Str(kBeforeForcedSix[beforeLast]);
        lblSpia.BackColor = colour::Red;
    }
    lblSpia.Caption = tk::Str(d);
}

void frmZirimbo2012::TimerDado_Timer() {
    if (lblContatoreEstrazioni.Caption.get() != lblNumeroEstrazioni.Caption.get()) {
        const long k = tk::Val(lblContatoreEstrazioni.Caption) + 1;
        lblContatoreEstrazioni.Caption = tk::Str(k);
        ReplayEffect(mmcDado);
        // Each face stays a little longer than the one before (halves to even).
        const double interval = TimerDado.Interval.get();
        TimerDado.Interval = static_cast<int>(std::nearbyint(interval + (interval / 6.0 + 5.0)));
        lblNumeroDado.Caption = lblEstrazioni(static_cast<int>(k)).Caption.get();
        DrawDieFace();
        return;
    }
    // The tick after the last face: the roll is over.
    TimerDado.Enabled = false;
    TimerDado.Interval = kFirstInterval;
    lblNumeroEstrazioni.Caption = "0";
    lblContatoreEstrazioni.Caption = "0";
    lblSpia.BackColor = colour::White;
    lblSpia.Caption = "0";
    ClearCandidateTable();
    const int player = Turn();
    if (player == players::kRed) {
        ShpForme(0).BackColor = colour::White;
        PrepareRedTurn();
    } else if (players::IsCharacter(player)) {
        (this->*players::ProceduresOf(player).prepareTurn)();
    }
}

bool frmZirimbo2012::HasPawnOnBoard(int player) {
    for (int c = 1; c <= 36; ++c) {
        const long p = tk::Val(lblCaselle(c).Caption);
        if (p >= 4L * player - 3 && p <= 4L * player) return true;
    }
    return false;
}

void frmZirimbo2012::DrawDieFace() {
    static const char* const kVisible[7] = {"", "1000000", "0110000", "1001100", "0111100", "1111100", "0111111"};
    const long face = tk::Val(lblNumeroDado.Caption);
    if (lblNumeroDado.Caption.get() != tk::Str(face) || face < 1 || face > 6) return;
    for (int pip = 0; pip <= 6; ++pip) ShpPuntoDado(pip).Visible = kVisible[face][pip] == '1';
}

}  // namespace zirimbo
