// The human's move once the target is clicked: the pawn leaves its source, an
// opponent on the target goes home (its owner comments), and the turn passes to
// the hub, or, when the pawn reached red's exit cell, to TmrTornaZirimbo.
#include "form/frmZirimbo2012.h"
#include "form/pawn_pictures.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
constexpr int kExitPause = 350;

// A cell number held as text, as an index of lblCaselle/ImgGif (0 for anything else).
int CellIndex(const std::string& text) {
    const long c = tk::Val(text);
    return c >= 0 && c <= 37 ? static_cast<int>(c) : 0;
}
}  // namespace

void frmZirimbo2012::ExecuteRedMove() {
    SetCanPlay(false);
    lblSpiegazioni.Caption = "";
    // A refusal's pink goes with its message; a comment may colour the line again.
    if (TmrRicompareSpiegazione.Enabled) ShpForme(0).BackColor = colour::White;
    const std::string target = lblIndex.Caption;
    int other = 0;  // the slot of the target that was not clicked
    if (target == lblIcs(1).Caption.get()) {
        other = 2;
    } else if (target == lblIcs(2).Caption.get()) {
        other = 1;
    }
    if (other == 0) {
        // No offered target matches: the move cannot be made. Rather than leave the
        // game waiting with no timer armed, the marks go, the choice is dropped and
        // the turn passes as a skipped one.
        cmdVisualizzaPedine_Click();
        ResetClickState();
        ResetCandidatesAndPlayableFlags();
        TmrAspettaDado.Enabled = true;
        lblPedineGiocabili.Caption = "0";
        lblMossePossibili.Caption = "0";
        return;
    }

    const int source = CellIndex(lblCasellaCliccata.Caption);
    const int t = CellIndex(target);
    ImgGif(source).Picture = LoadPicture("");
    TakePawnFromParking();
    lblCaselle(source).Caption = "0";
    const int otherCell = CellIndex(lblIcs(other).Caption);
    const std::string otherValue = lblCaselle(otherCell).Caption;
    if (!pawn_picture::IsRed(otherValue))
        if (const char* plain = pawn_picture::Plain(otherValue)) ImgGif(otherCell).Picture = LoadPicture(plain);
    ImgGif(t).Picture = LoadPicture(pawn_picture::Red(players::Plain));

    const std::string eaten = lblCaselle(t).Caption;
    const long p = tk::Val(eaten);
    if (p >= 5 && p <= 16) {
        lblPedine(static_cast<int>(p)).Caption = tk::Str(p);
        ImgPartenza(static_cast<int>(p)).Picture = LoadPicture(pawn_picture::Plain(eaten));
        lblMangia.Caption = tk::Str(players::PlayerOfPawn(p));
    }

    auto commentOrSound = [this] {
        const std::string who = lblMangia.Caption;
        if (who == "2") {
            CommentBobWasEatenByRed();
        } else if (who == "3") {
            CommentGiorgettoWasEatenByRed();
        } else if (who == "4") {
            CommentCarlaWasEatenByRed();
        } else if (who == "0") {
            ReplayEffect(mmcMossa);
        }
    };

    if (t == players::kPlayers[players::kRed].exitCell) {
        if (AddPawnOut(players::kRed) != 4) lblSpiegazioni.Caption = "Sei uscito, eh?";
        commentOrSound();
        TmrTornaZirimbo.Interval = kExitPause;
        TmrTornaZirimbo.Enabled = true;
    } else {
        lblCaselle(t).Caption = lblPedinaCliccata.Caption.get();
        ClearPawnChoice(0);
        ResetCandidatesAndPlayableFlags();
        commentOrSound();
        TmrAspettaDado.Enabled = true;
    }
    lblPedineGiocabili.Caption = "0";
    lblMossePossibili.Caption = "0";
}

void frmZirimbo2012::TakePawnFromParking() {
    const std::string chosen = lblPedinaCliccata.Caption;
    for (int k = 1; k <= 4; ++k) {
        if (lblPedine(k).Caption == chosen) {
            const long p = tk::Val(chosen);
            if (ImgPartenza.exists(static_cast<int>(p))) ImgPartenza(static_cast<int>(p)).Picture = LoadPicture("");
            lblPedine(k).Caption = "0";
            return;
        }
    }
}

}  // namespace zirimbo
