// The human's move in two clicks: a playable red pawn (phase "1"), then one of the
// one or two target cells marked for it (phase "2"). A click on a red pawn that
// cannot move is refused with a sound and a message shown for one second.
#include "form/move_classes.h"
#include "form/pawn_pictures.h"
#include "form/frmZirimbo2012.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
const char* const kRefusal = "Non puoi muovere questa pedina!";
const char* const kOneTarget = "Ora clicca sulla 'X' per spostarvi la pedina che hai scelto!";
const char* const kTwoTargets = "Ora clicca su una delle due 'X' per spostarvi la pedina che hai scelto!";
// The only target is the chosen pawn's own cell (an inner pawn with a 4): no 'X' is drawn.
const char* const kOwnCell = "Ora clicca di nuovo sulla pedina che hai scelto per spostarla!";
const char* const kChooseAgain = "Clicca su una 'X' per scegliere la pedina da giocare!";

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
    const int slot = tk::Val(f.lblIcs(1).Caption) == 0 ? 1 : 2;
    f.lblIcs(slot).Caption = target;
    f.lblLineaMossa(slot).Caption = tk::Str(row);
}

// Chooses the offered parked pawn k: its slot, the marks and the prompt (no sound).
void ChooseParkedPawn(frmZirimbo2012& f, int k) {
    f.lblFaseMossa.Caption = "2";
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
        if (Flagged(f.lblCaselle(c))) f.ImgGif(c).Picture = f.LoadPicture("\\Pedine\\R1.gif");
    f.ImgPartenza(k).Picture = f.LoadPicture("\\Pedine\\R3.gif");
    const std::string onStart = f.lblCaselle(1).Caption;
    if (onStart == "0") {
        f.ImgGif(1).Picture = f.LoadPicture("\\Pedine\\X.gif");
    } else if (const char* eat = pawn_picture::Eatable(onStart)) {
        f.ImgGif(1).Picture = f.LoadPicture(eat);
    }
    f.lblSpiegazioni.Caption = kOneTarget;
}
}  // namespace

void frmZirimbo2012::ImgGif_Click(int Index) {
    if (!CanPlay()) return;
    if (Index < 1 || Index > 36) return;
    lblIndex.Caption = tk::Str(Index);
    const std::string phase = lblFaseMossa.Caption;
    const std::string here = lblCaselle(Index).Caption;

    if (phase == "1") {
        // Choosing a board pawn.
        if (!Flagged(lblCaselle(Index))) {
            if (pawn_picture::IsRed(here)) RefuseRedPawnClick();
            return;
        }
        ReplayEffect(mmcPedina);
        lblPedinaCliccata.Caption = here;
        lblCasellaCliccata.Caption = tk::Str(Index);
        lblFaseMossa.Caption = "2";
        for (int c = 1; c <= 36; ++c)
            if (c != Index && Flagged(lblCaselle(c))) ImgGif(c).Picture = LoadPicture("\\Pedine\\R1.gif");
        if (int n = OfferedEntryRow(*this)) ShowOnParking(*this, lblPed(n).Caption, "\\Pedine\\R1.gif");
        const char* own = "\\Pedine\\R3.gif";
        if (Index == 1 || Index == 6 || Index == 11 || Index == 16) {
            own = "\\Pedine\\R5.gif";
        } else if (Index >= 33 && DieValue() == 4) {
            own = "\\Pedine\\R4.gif";
        }
        ImgGif(Index).Picture = LoadPicture(own);
        for (int k = 0; k <= 2; ++k) lblLineaMossa(k).Caption = "0";
        for (int n = 1; n <= 8; ++n) {
            if (lblPos(n).BorderStyle != 0 || tk::Val(lblPos(n).Caption) != Index) continue;
            const tk::Color cls = lblPos(n).BackColor;
            const std::string target = lblFinale(n).Caption;
            const long t = tk::Val(target);
            if (t < 0 || t > 37) continue;
            if (cls == move_class::Eats) {
                if (const char* eat = pawn_picture::Eatable(lblCaselle(static_cast<int>(t)).Caption))
                    ImgGif(static_cast<int>(t)).Picture = LoadPicture(eat);
            } else if (cls == move_class::Empty) {
                ImgGif(static_cast<int>(t)).Picture = LoadPicture("\\Pedine\\X.gif");
            } else if (cls != move_class::OwnCell) {
                continue;
            }
            FillSlot(*this, target, n);
        }
        if (tk::Val(lblIcs(2).Caption) != 0) lblSpiegazioni.Caption = kTwoTargets;
        else if (tk::Val(lblIcs(1).Caption) == Index) lblSpiegazioni.Caption = kOwnCell;
        else lblSpiegazioni.Caption = kOneTarget;
        return;
    }

    if (phase != "2") return;
    const bool isTarget = Index == tk::Val(lblIcs(1).Caption) || Index == tk::Val(lblIcs(2).Caption);
    if (!pawn_picture::IsRed(here)) {
        if (isTarget) {
            lblIndex.Caption = tk::Str(Index);
            ExecuteRedMove();
        }
        return;
    }
    if (!Flagged(lblCaselle(Index))) return;
    if (Index != tk::Val(lblCasellaCliccata.Caption)) {
        // The choice moves to another playable pawn.
        const long chosenCell = tk::Val(lblCasellaCliccata.Caption);
        if (chosenCell >= 0 && chosenCell <= 37)
            ImgGif(static_cast<int>(chosenCell)).Picture = LoadPicture("\\Pedine\\R1.gif");
        RedrawTargetCells();
        ClearPawnChoice("1");
        lblLineaMossa(1).Caption = "0";
        lblLineaMossa(2).Caption = "0";
        ImgGif_Click(Index);
        return;
    }
    // The chosen pawn itself: its own cell is a target only once round the inner ring.
    if (Index >= 33 && isTarget) {
        lblIndex.Caption = tk::Str(Index);
        ExecuteRedMove();
        return;
    }
    ReplayEffect(mmcTic);
    CancelPawnSelection();
    for (int k = 0; k <= 2; ++k) lblLineaMossa(k).Caption = "0";
    lblSpiegazioni.Caption = kChooseAgain;
    if (int n = OfferedEntryRow(*this)) ShowOnParking(*this, lblPed(n).Caption, "\\Pedine\\R2.gif");
}

void frmZirimbo2012::ImgPartenza_Click(int Index) {
    if (!CanPlay()) return;
    if (Index < 1 || Index > 16) return;
    const std::string phase = lblFaseMossa.Caption;
    const bool offered = Index <= 4 && Flagged(lblPedine(Index));
    const bool redWaiting = pawn_picture::IsRed(lblPedine(Index).Caption);

    if (phase == "1") {
        if (offered) {
            ChooseParkedPawn(*this, Index);
            ReplayEffect(mmcPedina);
        } else if (redWaiting) {
            RefuseRedPawnClick();
        }
        return;
    }
    if (phase != "2") return;
    const long chosen = tk::Val(lblPedinaCliccata.Caption);
    if (chosen >= 1 && chosen <= 16 && tk::Val(lblPedine(static_cast<int>(chosen)).Caption) == Index) {
        // The chosen parked pawn clicked again: the choice is dropped.
        ReplayEffect(mmcTic);
        ImgPartenza(static_cast<int>(chosen)).Picture = LoadPicture("\\Pedine\\R2.gif");
        for (int c = 1; c <= 36; ++c)
            if (Flagged(lblCaselle(c))) ImgGif(c).Picture = LoadPicture("\\Pedine\\R2.gif");
        if (!pawn_picture::IsRed(lblCaselle(1).Caption)) RedrawCell(*this, 1);
        ClearPawnChoice("1");
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
    ShpForme(0).BackColor = 0x8080FF;
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
        if (Flagged(lblCaselle(c))) ImgGif(c).Picture = LoadPicture("\\Pedine\\R2.gif");
    ClearPawnChoice("1");
}

void frmZirimbo2012::RedrawTargetCells() {
    for (int k = 1; k <= 2; ++k) RedrawCell(*this, tk::Val(lblIcs(k).Caption));
}

void frmZirimbo2012::ClearPawnChoice(const char* phase) {
    lblFaseMossa.Caption = phase;
    lblPedinaCliccata.Caption = "0";
    lblCasellaCliccata.Caption = "0";
    lblIcs(1).Caption = "0";
    lblIcs(2).Caption = "0";
}

void frmZirimbo2012::ResetClickState() {
    ClearPawnChoice("0");
    lblIndex.Caption = "0";
    lblLineaMossa(0).Caption = "0";
    lblLineaMossa(1).Caption = "0";
    lblLineaMossa(2).Caption = "0";
}

}  // namespace zirimbo
