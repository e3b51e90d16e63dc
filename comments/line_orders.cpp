// The order in which the characters say the lines of each comment category, and
// where each character starts in it. Drawn once per run, after the name entry:
// one shuffled order per category, shared by the three characters, and one
// starting place per character and category. The tables sit in the hidden
// developer frame FraCasuale, whose buttons run the same steps by hand.
#include "form/developer_views.h"
#include "form/frmZirimbo2012.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
// The step counter takes a character's cursor-column colour while its cursors are drawn.
constexpr tk::Color kBobColumn = developer_view::LightOfPlayer(2);

// The cursors of categories firstStep to lastStep - 1, character by character:
// one draw of 1 to `faces` per category and a last draw that is not used. The
// step counter shows each step, then `after` once the character is done.
void DrawCursors(frmZirimbo2012& f, int firstStep, int lastStep, int faces, const char* after) {
    for (int who = 0; who < 3; ++who) {
        f.lblConteggio.BackColor = developer_view::LightOfPlayer(who + 2);
        for (int step = firstStep; step <= lastStep; ++step) {
            const int r = f.runtime().draw(faces);
            f.lblConteggio.Caption = tk::Str(step);
            if (step < lastStep) f.LineCursorsOf(who + 2)(step).Caption = tk::Str(r);
        }
        f.lblConteggio.Caption = after;
    }
}
}  // namespace

// One pass of the shuffle over the first n places of the working list (n is its
// element 0), from the last place down: each place swaps with one drawn at random
// among those not yet done. A last step with one place left still draws.
void frmZirimbo2012::ShuffleWorkingList() {
    long n = tk::Val(lblNumeriSette(0).Caption);
    while (n > 0 && n <= 7) {
        const int r = runtime().draw(static_cast<int>(n));
        lblPassaggio.Caption = lblNumeriSette(r).Caption.get();
        lblNumeriSette(r).Caption = lblNumeriSette(static_cast<int>(n)).Caption.get();
        lblNumeriSette(static_cast<int>(n)).Caption = lblPassaggio.Caption.get();
        --n;
        lblNumeriSette(0).Caption = tk::Str(n);
    }
}

// A pass over the places the count names, then a second pass over all seven;
// the count is left at three.
void frmZirimbo2012::cmdCasualeSette_Click() {
    ShuffleWorkingList();
    lblNumeriSette(0).Caption = "7";
    cmdCasualeTre_Click();
}

// A pass over the places the count names; the count is left at three.
void frmZirimbo2012::cmdCasualeTre_Click() {
    ShuffleWorkingList();
    lblNumeriSette(0).Caption = "3";
}

// The eleven orders, then the cursors of the three characters.
void frmZirimbo2012::cmdAssegnaCasuale_Click() {
    for (int category = 1; category <= 11; ++category) {
        lblConteggio.Caption = tk::Str(category);
        if (category <= 8) {
            // Each seven-line order is a fresh shuffle of the one before.
            cmdCasualeSette_Click();
            ControlArray<Label>& order = LineOrderOf(category);
            for (int i = 1; i <= 7; ++i) order(i).Caption = lblNumeriSette(i).Caption.get();
        } else {
            if (category == 9)
                for (int i = 1; i <= 7; ++i) lblNumeriSette(i).Caption = tk::Str(i);
            cmdCasualeTre_Click();
            ControlArray<Label>& order = LineOrderOf(category);
            for (int i = 1; i <= 3; ++i) order(i).Caption = lblNumeriSette(i).Caption.get();
        }
    }
    lblConteggio.Caption = "0";
    lblConteggio.BackColor = kBobColumn;
    cmdAssegnaGiocatori_Click();
}

// The cursors of categories 1 to 8: for each character eight draws from 1 to 7
// and a ninth draw that is not used.
void frmZirimbo2012::cmdAssegnaGiocatori_Click() {
    DrawCursors(*this, 1, 9, 7, "0");
    lblConteggio.BackColor = kBobColumn;
    lblConteggio.Caption = "8";
    cmdAssegnaTre_Click();
}

// The cursors of categories 9 to 11: for each character three draws from 1 to 3
// and a fourth draw that is not used.
void frmZirimbo2012::cmdAssegnaTre_Click() {
    DrawCursors(*this, 9, 12, 3, "8");
    lblConteggio.BackColor = colour::White;
    lblConteggio.Caption = "0";
}

}  // namespace zirimbo
