// The candidate moves of a computer player after its roll: the same target rule
// and move classes as red's, with the player's own pawns, path and start cell.
#include "form/frmZirimbo2012.h"

namespace zirimbo {

void frmZirimbo2012::FindBobCandidateMoves() {
    ResetClickState();
    BuildCandidateTable(5, lblPerB, 6);
}

void frmZirimbo2012::FindGiorgettoCandidateMoves() { BuildCandidateTable(9, lblPerG, 11); }

void frmZirimbo2012::FindCarlaCandidateMoves() {
    ResetClickState();
    BuildCandidateTable(13, lblPerV, 16);
}

}  // namespace zirimbo
