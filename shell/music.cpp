// Background music: a fast and a slow list of pieces, shuffled once after the
// name entry and played in turn, fast first; the poll notices the end of a piece.
#include <string>

#include "form/frmZirimbo2012.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {

constexpr int kFinished = 525;  // the channel's mode once a piece has played to its end

const char* const kPieces[17] = {"1a", "1c", "2a", "2c", "3a", "3c", "4a", "4c", "5a",
                                 "5c", "6a", "1b", "2b", "3b", "4b", "5b", "6b"};

bool IsPiece(const std::string& code) {
    for (const char* p : kPieces)
        if (code == p) return true;
    return false;
}

// Shuffles a list from the top: each place from the last down to the first takes
// a piece drawn among those not yet placed. Element 0 counts down to "0".
void ShuffleList(frmZirimbo2012& f, ControlArray<Label>& list) {
    long n = tk::Val(list(0).Caption);
    while (n > 0) {
        const int r = f.runtime().draw(static_cast<int>(n));
        const int last = static_cast<int>(n);
        f.lblPassaggio.Caption = list(r).Caption.get();
        list(r).Caption = list(last).Caption.get();
        list(last).Caption = f.lblPassaggio.Caption.get();
        list(0).Caption = tk::Str(n - 1);
        --n;
    }
    f.lblPassaggio.Caption = "0";
}

}  // namespace

void frmZirimbo2012::cmdAssegnaVeloci_Click() {
    ShuffleList(*this, lblMusVeloci);
    cmdAssegnaLenti_Click();
}

void frmZirimbo2012::cmdAssegnaLenti_Click() { ShuffleList(*this, lblMusLenti); }

// Stops the piece playing and starts the next one of the other list.
void frmZirimbo2012::cmdProssimoBrano_Click() {
    StopChannel(mmcMusiche);
    ControlArray<Label>* list;
    int length;
    if (lblTipoPezzo.Caption == "Veloce") {
        lblTipoPezzo.Caption = "Lento";
        list = &lblMusLenti;
        length = 6;
    } else {
        lblTipoPezzo.Caption = "Veloce";
        list = &lblMusVeloci;
        length = 11;
    }
    long next = tk::Val((*list)(0).Caption) + 1;
    if (next == length + 1) next = 1;
    (*list)(0).Caption = tk::Str(next);
    for (int i = 1; i <= length; ++i) (*list)(i).BackColor = colour::White;
    // An index outside the list (a hand-edited developer view) changes no file.
    if (next >= 1 && next <= length) {
        Label& entry = (*list)(static_cast<int>(next));
        entry.BackColor = colour::Red;
        if (IsPiece(entry.Caption)) mmcMusiche.FileName = GamePath("\\Musiche\\" + entry.Caption + ".mid");
    }
    StartChannel(mmcMusiche);
}

// Every two seconds while music is on: at the end of a piece the next one follows
// at once ("Sempre") or after a pause ("Ogni tanto").
void frmZirimbo2012::TmrMusiche_Timer() {
    if (mmcMusiche.Mode != kFinished) return;
    if (Music() == MusicMode::NowAndThen) {
        TmrMusiche.Enabled = false;
        TmrRipetiMusiche.Enabled = true;
    } else if (Music() == MusicMode::Always) {
        cmdProssimoBrano_Click();
    }
}

// The end of the pause.
void frmZirimbo2012::TmrRipetiMusiche_Timer() {
    TmrRipetiMusiche.Enabled = false;
    cmdProssimoBrano_Click();
    TmrMusiche.Enabled = true;
}

void frmZirimbo2012::LoadEndPiece(const std::string& relativePath) {
    TmrMusiche.Enabled = false;
    TmrRipetiMusiche.Enabled = false;  // its tick would start a piece over the end piece
    SwitchChannelFile(mmcMusiche, relativePath);
}

// The victory piece again from its start, while the music is on.
void frmZirimbo2012::TmrVerdi_Timer() {
    if (Music() == MusicMode::Off) {
        TmrVerdi.Enabled = false;
        return;
    }
    ReplayLoadedPiece(mmcMusiche);
}

}  // namespace zirimbo
