// A computer player's turn after its roll: the candidate moves, then one way on —
// the skipped turn, the announcement of an eatable red pawn, the comment on an
// entering six, or the move chosen at once.
#include "computer_turn/computer_players.h"
#include "form/move_classes.h"
#include "form/pawn_pictures.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
// The character's one line (category 12) on a skipped turn.
constexpr int kSkipLine = 12;

// The pawn on the target cell of row n ("0" for none or a target off the board).
std::string PawnOnTargetOf(frmZirimbo2012& f, int n) {
    const long t = f.RowTarget(n);
    return t >= 1 && t <= 36 ? f.lblCaselle(static_cast<int>(t)).Caption.get() : "0";
}
}  // namespace

void frmZirimbo2012::PrepareBobTurn() {
    FindBobCandidateMoves();
    DispatchComputerTurn(2);
}

void frmZirimbo2012::PrepareGiorgettoTurn() {
    FindGiorgettoCandidateMoves();
    DispatchComputerTurn(3);
}

void frmZirimbo2012::PrepareCarlaTurn() {
    FindCarlaCandidateMoves();
    DispatchComputerTurn(4);
}

void frmZirimbo2012::DispatchComputerTurn(int player) {
    const players::Player& x = players::kPlayers[players::CharacterOf(player)];
    const players::CharacterProcedures& run = players::ProceduresOf(player);
    const bool pawnInPlay = PawnInPlay();

    // No playable move: the turn is skipped, or the character missed its six.
    if (PlayableMoves() == 0) {
        ShpForme(0).BackColor = x.light;
        lblContatoreMosse.Caption = "0";
        ClearCandidateTable();
        if (!pawnInPlay) {
            (this->*run.missedSix)();
            return;
        }
        SetPawnInPlay(false);
        lblSpiegazioni.Caption = x.skipMessage;
        if (OptionOn(Option::Characters)) {
            HideMenuButtons();
            ImgPersonaggio.Picture = LoadPicture(CommentBubble(x.number, kSkipLine));
        }
        if (OptionOn(Option::Voices)) {
            SoundChannel& voice = this->*run.voice;
            SwitchChannelFile(voice, CommentVoiceFile(x.number, kSkipLine, 1));
            StartChannel(voice);
        }
        TmrAspettaDado.Interval = x.skipPause;
        TmrAspettaDado.Enabled = true;
        return;
    }

    // A pawn in play: the eatable red pawns first, then the choice.
    if (pawnInPlay) {
        SetPawnInPlay(false);
        for (int n = 1; n <= 8; ++n) {
            if (lblPos(n).BackColor != move_class::Eats) continue;
            const std::string q = PawnOnTargetOf(*this, n);
            if (!pawn_picture::IsRed(q)) continue;
            lblPedineRosseMangiabili.BackColor = colour::Red;
            lblPosizioneRossa(static_cast<int>(tk::Val(q))).Caption = lblFinale(n).Caption.get();
        }
        if (lblPedineRosseMangiabili.BackColor == colour::Red) {
            (this->*run.canEatRed)();
            TmrLampeggiaRosso.Enabled = true;
            return;
        }
        if (PlayableMoves() != 1) {
            (this->*run.chooseMove)();
            return;
        }
        for (int n = 1; n <= 8; ++n)
            if (lblPed(n).ForeColor == colour::Red) lblScelta.Caption = tk::Str(n);
        (this->*run.moveTimer).Enabled = true;
        return;
    }

    // No pawn in play and a six: the entering pawn is row 1.
    if (lblPos(1).BackColor == move_class::Eats) {
        const std::string q = lblCaselle(x.startCell).Caption;
        if (pawn_picture::IsRed(q)) {
            lblHaMangiato.BackColor = colour::Red;
            lblPosizioneRossa(1).Caption = tk::Str(x.startCell);
            TmrLampeggiaRosso.Enabled = true;
            (this->*run.canEatRed)();
        } else {
            lblHaMangiato.BackColor = computer_turn::kEntryEatsOther;
            (this->*run.rolledSix)();
        }
        return;
    }
    (this->*run.rolledSix)();
}

}  // namespace zirimbo
