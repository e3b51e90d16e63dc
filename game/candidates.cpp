// The candidate moves after a roll: the target rule and the move classes, the same
// for every colour, and red's turn preparation with its flags, marks and prompt.
#include "form/frmZirimbo2012.h"
#include "form/move_classes.h"
#include "form/pawn_pictures.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
// Adds one row to the table (both counts go up together) and returns its number;
// a full table (eight rows, more than any roll can give) takes nothing and gives 0.
int AppendRow(frmZirimbo2012& f, int pawn, int source, const std::string& target) {
    const long n = f.CandidateCount() + 1;
    if (n < 1 || n > 8) return 0;
    f.lblPed(0).Caption = tk::Str(n);
    f.lblPed(static_cast<int>(n)).Caption = tk::Str(pawn);
    f.lblPos(0).Caption = tk::Str(tk::Val(f.lblPos(0).Caption) + 1);
    const int row = static_cast<int>(tk::Val(f.lblPos(0).Caption));
    f.lblPos(row).Caption = tk::Str(source);
    f.lblFinale(row).Caption = target;
    return row;
}
}  // namespace

void frmZirimbo2012::AddCandidateRows(int pawn, int cell, ControlArray<Label>& path) {
    const int d = static_cast<int>(DieValue());
    const std::string here = tk::Str(cell);
    // The pawn's step on its path: the first step listing its cell.
    int j = 0;
    for (int k = 1; k <= 42 && j == 0; ++k)
        if (path(k).Caption == here) j = k;
    if (j == 0 || j + d > 42) return;
    const std::string pathTarget = path(j + d).Caption;
    AppendRow(*this, pawn, cell, pathTarget);
    // Its place on its ring; inner-ring cells have none.
    int m = 0;
    for (int k = 1; k <= 42 && m == 0; ++k)
        if (lblSecondo(k).Caption == here) m = k;
    if (m == 0 || m + d > 44) return;
    const std::string ringTarget = lblSecondo(m + d).Caption;
    if (ringTarget != pathTarget) AppendRow(*this, pawn, cell, ringTarget);
}

void frmZirimbo2012::AddEntryCandidateRow(int pawn, int startCell) {
    const int row = AppendRow(*this, pawn, pawn, tk::Str(startCell));
    if (row != 0) lblPos(row).BorderStyle = 1;
}

void frmZirimbo2012::ClassifyCandidateRows(int firstPawn) {
    auto isOwn = [&](long p) { return p >= firstPawn && p <= firstPawn + 3; };
    const int count = static_cast<int>(tk::Val(lblPos(0).Caption));
    lblMossePossibili.Caption = "0";
    for (int n = 1; n <= count && n <= 8; ++n) {
        const std::string target = lblFinale(n).Caption;
        const long t = tk::Val(target);
        const std::string x = (t >= 0 && t <= 37) ? lblCaselle(static_cast<int>(t)).Caption.get() : "0";
        tk::Color cls;
        if (x == "0") {
            cls = move_class::Empty;
        } else if (isOwn(tk::Val(x)) && x == tk::Str(tk::Val(x))) {
            cls = (lblPos(n).Caption.get() == target && lblPos(n).BorderStyle == 0) ? move_class::OwnCell
                                                                                    : move_class::OwnPawn;
        } else {
            cls = move_class::IsRefugeText(target) ? move_class::Refuge : move_class::Eats;
        }
        lblPos(n).BackColor = cls;
        if (move_class::IsPlayable(cls)) {
            lblMossePossibili.Caption = tk::Str(tk::Val(lblMossePossibili.Caption) + 1);
            lblPed(n).ForeColor = colour::Red;
        }
    }
    lblPedineGiocabili.Caption = "0";
    for (int k = firstPawn; k <= firstPawn + 3; ++k) {
        for (int n = 1; n <= count && n <= 8; ++n) {
            if (RowPawn(n) == k && move_class::IsPlayable(lblPos(n).BackColor)) {
                lblPedineGiocabili.Caption = tk::Str(tk::Val(lblPedineGiocabili.Caption) + 1);
                break;
            }
        }
    }
}

int frmZirimbo2012::BuildCandidateTable(int player, ControlArray<Label>& path) {
    const int firstPawn = players::kPlayers[player].firstPawn;
    for (int c = 1; c <= 36; ++c) {
        const std::string v = lblCaselle(c).Caption;
        const long p = tk::Val(v);
        if (v == tk::Str(p) && p >= firstPawn && p <= firstPawn + 3) AddCandidateRows(static_cast<int>(p), c, path);
    }
    int offered = 0;
    if (DieValue() == 6) {
        for (int k = firstPawn; k <= firstPawn + 3 && offered == 0; ++k)
            if (tk::Val(lblPedine(k).Caption) != 0) offered = k;
        if (offered != 0) AddEntryCandidateRow(offered, players::kPlayers[player].startCell);
    }
    ClassifyCandidateRows(firstPawn);
    return offered;
}

void frmZirimbo2012::PrepareRedTurn() {
    const int offered = BuildCandidateTable(players::kRed, lblPerR);
    if (offered != 0) {
        const long onStart = tk::Val(lblCaselle(1).Caption);
        if (!(onStart >= 1 && onStart <= 4)) lblPedine(offered).ForeColor = colour::Red;
    }
    cmdTrovaSegnalini_Click();

    const std::string pawns = lblPedineGiocabili.Caption;
    if (pawns == "0") {
        lblSpiegazioni.Caption = players::kPlayers[players::kRed].skipMessage;
        ShpForme(0).BackColor = players::kPlayers[players::kRed].light;
        CloseOpenPanel();
        SetCanPlay(false);
        TmrAspettaDado.Interval = players::kPlayers[players::kRed].skipPause;
        TmrAspettaDado.Enabled = true;
        ReplayEffect(mmcDeng);
    } else if (pawns == "1") {
        lblSpiegazioni.Caption = "Clicca sull'unica tua pedina giocabile (contrassegnata dalla 'X')";
        ReplayEffect(mmcTic);
        SetCanPlay(true);
        if (OptionOn(Option::AutoMove)) TmrGiocaAutomatico.Enabled = true;
    } else {
        lblSpiegazioni.Caption =
            "Clicca su una delle " + lblPedineGiocabili.Caption + " tue pedine giocabili (contrassegnate dalla 'X')";
        ReplayEffect(mmcTic);
        SetCanPlay(true);
    }
}

void frmZirimbo2012::cmdTrovaSegnalini_Click() {
    SetMovePhase(1);
    for (int c = 1; c <= 36; ++c) lblCaselle(c).ForeColor = colour::Black;
    const int count = static_cast<int>(CandidateCount());
    for (int n = 1; n <= count && n <= 8; ++n) {
        if (!move_class::IsPlayable(lblPos(n).BackColor) || lblPos(n).BorderStyle != 0) continue;
        const long c = RowSource(n);
        if (c >= 0 && c <= 37) lblCaselle(static_cast<int>(c)).ForeColor = colour::Red;
    }
    MarkPlayableRedPawns();
}

void frmZirimbo2012::MarkPlayableRedPawns() {
    const int count = static_cast<int>(CandidateCount());
    for (int n = 1; n <= count && n <= 8; ++n) {
        if (!move_class::IsPlayable(lblPos(n).BackColor)) continue;
        const int source = static_cast<int>(RowSource(n));
        if (lblPos(n).BorderStyle == 0) {
            if (ImgGif.exists(source)) ImgGif(source).Picture = LoadPicture(pawn_picture::Red(players::Marked));
        } else if (ImgPartenza.exists(source)) {
            ImgPartenza(source).Picture = LoadPicture(pawn_picture::Red(players::Marked));
        }
    }
}

void frmZirimbo2012::CloseOpenPanel() {
    for (int i = 0; i <= 3; ++i) {
        if (Shape3(i).BackColor == colour::White) {
            Shape3(i).BackColor = colour::Panel;
            lblScrittaPulsanti(i).ForeColor = colour::Black;
            FraPannello(i).Visible = false;
            return;
        }
    }
}

}  // namespace zirimbo
