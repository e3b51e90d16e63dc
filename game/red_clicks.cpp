// The human's move in two clicks: a playable red pawn (phase 1), then one of the
// one or two target cells marked for it (phase 2). A click on a red pawn that
// cannot move is refused with a sound and a message shown for one second.
#include "form/frmZirimbo2012.h"
#include "form/move_classes.h"
#include "form/pawn_pictures.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
const char* const kRefusal = "Non puoi muovere questa pedina!";
const char* const kOneTarget = "Ora clicca sulla 'X' per spostarvi la pedina che hai scelto!";
const char* const kTwoTargets = "Ora clicca su una delle due 'X' per spostarvi la pedina che hai scelto!";
const char* const kChooseAgain = "Clicca su una 'X' per scegliere la pedina da giocare!";

using pawn_picture::Red;
using players::Chosen;
using players::ChosenOnStart;
using players::Marked;
using players::OwnTarget;
using players::Plain;

bool Flagged(const Label& l) { return l.ForeColor == colour::Red; }

// Row 1..8 of the first entry row that is not blocked, or 0.
int OfferedEntryRow(frmZirimbo2012& f) {
    for (int n = 1; n <= 8; ++n)
        if (f.lblPos(n).BorderStyle == 1 && f.lblPos(n).BackColor != move_class::OwnPawn) return n;
    return 0;
}

// Shows a picture on the parking square named by a pawn number held as text, when there is one.
void ShowOnParking(frmZirimbo2012& f, const std::string& pawn, const char* picture) {
    const long k = tk::Val(pawn);
    if (f.ImgPartenza.exists(static_cast<int>(k))) f.ImgPartenza(static_cast<int>(k)).Picture = f.LoadPicture(picture);
}

// Redraws a cell's pawn picture from its table value; other values leave it.
void RedrawCell(frmZirimbo2012& f, long c) {
    if (c < 0 || c > 37) return;
    const char* plain = pawn_picture::Plain(f.lblCaselle(static_cast<int>(c)).Caption);
    if (plain) f.ImgGif(static_cast<int>(c)).Picture = f.LoadPicture(plain);
}

// Fills the first free target slot with a target and its candidate row.
void FillSlot(frmZirimbo2012& f, const std::string& target, int row) {
    const int slot = f.TargetCell(1) == 0 ? 1 : 2;
    f.lblIcs(slot).Caption = target;
    f.lblLineaMossa(slot).Caption = tk::Str(row);
}

bool IsTargetSlot(frmZirimbo2012& f, int cell) { return cell == f.TargetCell(1) || cell == f.TargetCell(2); }

// Chooses the offered parked pawn k: its slot, the marks and the prompt (no sound).
void ChooseParkedPawn(frmZirimbo2012& f, int k) {
    f.SetMovePhase(2);
    f.lblPedinaCliccata.Caption = tk::Str(k);
    f.lblCasellaCliccata.Caption = "37";
    f.lblIcs(1).Caption = "1";
    f.lblIcs(2).Caption = "0";
    f.lblLineaMossa(0).Caption = "0";
    int entryRow = 0;
    for (int n = 1; n <= 8; ++n)
        if (f.lblPos(n).BorderStyle == 1) entryRow = n;
    f.lblLineaMossa(1).Caption = tk::Str(entryRow);
    f.lblLineaMossa(2).Caption = "0";
    for (int c = 1; c <= 36; ++c)
        if (Flagged(f.lblCaselle(c))) f.ImgGif(c).Picture = f.LoadPicture(Red(Plain));
    f.ImgPartenza(k).Picture = f.LoadPicture(Red(Chosen));
    const std::string onStart = f.lblCaselle(1).Caption;
    if (onStart == "0") {
        f.ImgGif(1).Picture = f.LoadPicture(pawn_picture::kEmptyTarget);
    } else if (const char* eat = pawn_picture::Eatable(onStart)) {
        f.ImgGif(1).Picture = f.LoadPicture(eat);
    }
    f.lblSpiegazioni.Caption = kOneTarget;
}

// The chosen board pawn stands out and the other playable pawns lose their marks.
void ShowChosenBoardPawn(frmZirimbo2012& f, int cell) {
    for (int c = 1; c <= 36; ++c)
        if (c != cell && Flagged(f.lblCaselle(c))) f.ImgGif(c).Picture = f.LoadPicture(Red(Plain));
    if (int n = OfferedEntryRow(f)) ShowOnParking(f, f.lblPed(n).Caption, Red(Plain));
    players::PawnLook look = Chosen;
    if (players::IsStartCell(cell)) {
        look = ChosenOnStart;
    } else if (cell >= 33 && f.DieValue() == 4) {
        look = OwnTarget;  // once round the inner ring, back on its own cell
    }
    f.ImgGif(cell).Picture = f.LoadPicture(Red(look));
}

// Marks the targets of the board pawn on `cell` (an eatable pawn, an empty cell,
// or its own cell) and fills the target slots with them.
void MarkTargetsOf(frmZirimbo2012& f, int cell) {
    for (int k = 0; k <= 2; ++k) f.lblLineaMossa(k).Caption = "0";
    for (int n = 1; n <= 8; ++n) {
        if (f.lblPos(n).BorderStyle != 0 || f.RowSource(n) != cell) continue;
        const tk::Color cls = f.lblPos(n).BackColor;
        const std::string target = f.lblFinale(n).Caption;
        const long t = tk::Val(target);
        if (t < 0 || t > 37) continue;
        if (cls == move_class::Eats) {
            if (const char* eat = pawn_picture::Eatable(f.lblCaselle(static_cast<int>(t)).Caption))
                f.ImgGif(static_cast<int>(t)).Picture = f.LoadPicture(eat);
        } else if (cls == move_class::Empty) {
            f.ImgGif(static_cast<int>(t)).Picture = f.LoadPicture(pawn_picture::kEmptyTarget);
        } else if (cls != move_class::OwnCell) {
            continue;
        }
        FillSlot(f, target, n);
    }
}

// The first click: a playable board pawn is chosen and its targets marked; a red
// pawn that cannot move is refused.
void ChooseBoardPawn(frmZirimbo2012& f, int cell) {
    const std::string here = f.lblCaselle(cell).Caption;
    if (!Flagged(f.lblCaselle(cell))) {
        if (pawn_picture::IsRed(here)) f.RefuseRedPawnClick();
        return;
    }
    f.ReplayEffect(f.mmcPedina);
    f.lblPedinaCliccata.Caption = here;
    f.lblCasellaCliccata.Caption = tk::Str(cell);
    f.SetMovePhase(2);
    ShowChosenBoardPawn(f, cell);
    MarkTargetsOf(f, cell);
    // An inner pawn with a 4 has its own cell as its one target: its picture carries the 'X'.
    f.lblSpiegazioni.Caption = f.TargetCell(2) != 0 ? kTwoTargets : kOneTarget;
}

// The chosen board pawn clicked again, not as its own target: the choice is dropped.
void DropBoardPawnChoice(frmZirimbo2012& f) {
    f.ReplayEffect(f.mmcTic);
    f.CancelPawnSelection();
    for (int k = 0; k <= 2; ++k) f.lblLineaMossa(k).Caption = "0";
    f.lblSpiegazioni.Caption = kChooseAgain;
    if (int n = OfferedEntryRow(f)) ShowOnParking(f, f.lblPed(n).Caption, Red(Marked));
}

// Another playable pawn clicked while a target is awaited: the choice moves to it.
void SwitchToBoardPawn(frmZirimbo2012& f, int cell) {
    const long chosenCell = f.ChosenCell();
    if (chosenCell >= 0 && chosenCell <= 37) f.ImgGif(static_cast<int>(chosenCell)).Picture = f.LoadPicture(Red(Plain));
    f.RedrawTargetCells();
    f.ClearPawnChoice(1);
    f.lblLineaMossa(1).Caption = "0";
    f.lblLineaMossa(2).Caption = "0";
    f.ImgGif_Click(cell);
}

// The second click: a marked target makes the move; a playable pawn takes the
// choice over or, the chosen one itself, drops it; anything else does nothing.
void ClickWhileTargetAwaited(frmZirimbo2012& f, int cell) {
    const bool isTarget = IsTargetSlot(f, cell);
    if (!pawn_picture::IsRed(f.lblCaselle(cell).Caption)) {
        if (isTarget) f.ExecuteRedMove();
        return;
    }
    if (!Flagged(f.lblCaselle(cell))) return;
    if (cell != f.ChosenCell()) {
        SwitchToBoardPawn(f, cell);
    } else if (cell >= 33 && isTarget) {
        // Its own cell is a target only once round the inner ring.
        f.ExecuteRedMove();
    } else {
        DropBoardPawnChoice(f);
    }
}
}  // namespace

void frmZirimbo2012::ImgGif_Click(int Index) {
    if (!CanPlay()) return;
    if (Index < 1 || Index > 36) return;
    lblIndex.Caption = tk::Str(Index);
    switch (MovePhase()) {
        case 1: ChooseBoardPawn(*this, Index); break;
        case 2: ClickWhileTargetAwaited(*this, Index); break;
        default: break;
    }
}

void frmZirimbo2012::ImgPartenza_Click(int Index) {
    if (!CanPlay()) return;
    if (Index < 1 || Index > 16) return;
    const bool offered = Index <= 4 && Flagged(lblPedine(Index));
    const bool redWaiting = pawn_picture::IsRed(lblPedine(Index).Caption);

    if (MovePhase() == 1) {
        if (offered) {
            ChooseParkedPawn(*this, Index);
            ReplayEffect(mmcPedina);
        } else if (redWaiting) {
            RefuseRedPawnClick();
        }
        return;
    }
    if (MovePhase() != 2) return;
    const long chosen = ChosenPawn();
    if (chosen >= 1 && chosen <= 16 && tk::Val(lblPedine(static_cast<int>(chosen)).Caption) == Index) {
        // The chosen parked pawn clicked again: the choice is dropped.
        ReplayEffect(mmcTic);
        ImgPartenza(static_cast<int>(chosen)).Picture = LoadPicture(Red(Marked));
        for (int c = 1; c <= 36; ++c)
            if (Flagged(lblCaselle(c))) ImgGif(c).Picture = LoadPicture(Red(Marked));
        if (!pawn_picture::IsRed(lblCaselle(1).Caption)) RedrawCell(*this, 1);
        ClearPawnChoice(1);
        for (int k = 0; k <= 2; ++k) lblLineaMossa(k).Caption = "0";
        lblSpiegazioni.Caption = kChooseAgain;
    } else if (offered) {
        // The choice moves from a board pawn to the offered parked pawn.
        ReplayEffect(mmcPedina);
        RedrawTargetCells();
        ChooseParkedPawn(*this, Index);
    } else if (redWaiting) {
        RefuseRedPawnClick();
    }
}

void frmZirimbo2012::RefuseRedPawnClick() {
    ReplayEffect(mmcDeng);
    if (lblSpiegazioni.Caption == kRefusal) return;
    lblCopiaSpiegazione.Caption = lblSpiegazioni.Caption.get();
    ShpForme(0).BackColor = players::kPlayers[players::kRed].light;
    lblSpiegazioni.Caption = kRefusal;
    TmrRicompareSpiegazione.Enabled = true;
}

void frmZirimbo2012::TmrRicompareSpiegazione_Timer() {
    TmrRicompareSpiegazione.Enabled = false;
    // A newer message (a pawn chosen, a move made, a comment) stays where it is.
    // The refusal's colour goes all the same while the human is still choosing;
    // once the move is made, a comment or the victory may have coloured it since.
    const bool refusalShown = lblSpiegazioni.Caption == kRefusal;
    if (refusalShown || CanPlay()) ShpForme(0).BackColor = colour::White;
    if (refusalShown) lblSpiegazioni.Caption = lblCopiaSpiegazione.Caption.get();
}

void frmZirimbo2012::CancelPawnSelection() {
    RedrawTargetCells();
    for (int c = 1; c <= 36; ++c)
        if (Flagged(lblCaselle(c))) ImgGif(c).Picture = LoadPicture(Red(Marked));
    ClearPawnChoice(1);
}

void frmZirimbo2012::RedrawTargetCells() {
    for (int k = 1; k <= 2; ++k) RedrawCell(*this, TargetCell(k));
}

void frmZirimbo2012::ClearPawnChoice(int phase) {
    SetMovePhase(phase);
    lblPedinaCliccata.Caption = "0";
    lblCasellaCliccata.Caption = "0";
    lblIcs(1).Caption = "0";
    lblIcs(2).Caption = "0";
}

void frmZirimbo2012::ResetClickState() {
    ClearPawnChoice(0);
    lblIndex.Caption = "0";
    lblLineaMossa(0).Caption = "0";
    lblLineaMossa(1).Caption = "0";
    lblLineaMossa(2).Caption = "0";
}

}  // namespace zirimbo
