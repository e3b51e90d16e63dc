// The candidate moves of a computer player after its roll: the same target rule
// and move classes as red's, with the player's own pawns, path and start cell.
#include "board/players.h"
#include "form/frmZirimbo2012.h"

namespace zirimbo {

void frmZirimbo2012::FindBobCandidateMoves() {
    ResetClickState();
    BuildCandidateTable(players::kBob, lblPerB);
}

void frmZirimbo2012::FindGiorgettoCandidateMoves() { BuildCandidateTable(players::kGiorgetto, lblPerG); }

void frmZirimbo2012::FindCarlaCandidateMoves() {
    ResetClickState();
    BuildCandidateTable(players::kCarla, lblPerV);
}

}  // namespace zirimbo
