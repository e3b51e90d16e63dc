// The order in which the characters say the lines of each comment category, and
// where each character starts in it. Drawn once per run, after the name entry:
// one shuffled order per category, shared by the three characters, and one
// starting place per character and category. The tables sit in the hidden
// developer frame FraCasuale, whose buttons run the same steps by hand.
#include "shell/frmZirimbo2012.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
// Background of the step counter while a character's cursors are drawn; the
// cursor columns of the developer view have the same colours.
constexpr tk::Color kBobColumn = 0xFFFFC0;
constexpr tk::Color kGiorgettoColumn = 0xC0FFFF;
constexpr tk::Color kCarlaColumn = 0xC0FFC0;
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
    const tk::Color columns[3] = {kBobColumn, kGiorgettoColumn, kCarlaColumn};
    ControlArray<Label>* cursors[3] = {&lblEtiBob, &lblEtiGio, &lblEtiCar};
    for (int who = 0; who < 3; ++who) {
        lblConteggio.BackColor = columns[who];
        for (int step = 1; step <= 9; ++step) {
            const int r = runtime().draw(7);
            lblConteggio.Caption = tk::Str(step);
            if (step <= 8) (*cursors[who])(step).Caption = tk::Str(r);
        }
        lblConteggio.Caption = "0";
    }
    lblConteggio.BackColor = kBobColumn;
    lblConteggio.Caption = "8";
    cmdAssegnaTre_Click();
}

// The cursors of categories 9 to 11: for each character three draws from 1 to 3
// and a fourth draw that is not used.
void frmZirimbo2012::cmdAssegnaTre_Click() {
    const tk::Color columns[3] = {kBobColumn, kGiorgettoColumn, kCarlaColumn};
    ControlArray<Label>* cursors[3] = {&lblEtiBob, &lblEtiGio, &lblEtiCar};
    for (int who = 0; who < 3; ++who) {
        lblConteggio.BackColor = columns[who];
        for (int step = 9; step <= 12; ++step) {
            const int r = runtime().draw(3);
            lblConteggio.Caption = tk::Str(step);
            if (step <= 11) (*cursors[who])(step).Caption = tk::Str(r);
        }
        lblConteggio.Caption = "8";
    }
    lblConteggio.BackColor = colour::White;
    lblConteggio.Caption = "0";
}

}  // namespace zirimbo
