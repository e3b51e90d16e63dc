// Stand-ins for the characters' comments until they are built: the turn cycle
// goes on as the comments would lead it, without the characters speaking.
#include "shell/frmZirimbo2012.h"
#include "toolkit/runtime.h"

namespace zirimbo {

// Replaced by Bob's hope-for-six comment, whose follow-up timer starts the roll.
void frmZirimbo2012::CommentBobHopeForSix() {
    ShpDado.BackColor = colour::DieBob;
    cmdTrovaNumeri_Click();
}

// Replaced by Giorgetto's hope-for-six comment, whose follow-up timer starts the roll.
void frmZirimbo2012::CommentGiorgettoHopeForSix() {
    ShpDado.BackColor = colour::DieGiorgetto;
    for (int i = 0; i <= 6; ++i) ShpPuntoDado(i).BackColor = colour::Grey;
    cmdTrovaNumeri_Click();
}

// Replaced by Carla's hope-for-six comment, whose follow-up timer starts the roll.
void frmZirimbo2012::CommentCarlaHopeForSix() {
    ShpDado.BackColor = colour::DieCarla;
    cmdTrovaNumeri_Click();
}

// Replaced by Bob's comment on being eaten by the human (it also sets the hub's pause).
void frmZirimbo2012::CommentBobWasEatenByRed() { lblMangia.Caption = "0"; }

// Replaced by Giorgetto's comment on being eaten by the human (it also sets the hub's pause).
void frmZirimbo2012::CommentGiorgettoWasEatenByRed() { lblMangia.Caption = "0"; }

// Replaced by Carla's comment on being eaten by the human (it also sets the hub's pause).
void frmZirimbo2012::CommentCarlaWasEatenByRed() { lblMangia.Caption = "0"; }

// Replaced by the character bubbles' version (this one already draws and shows the picture).
void frmZirimbo2012::ShowRedWinsBubble() {
    static const char* const kBubbles[4] = {"", "\\Fumetti\\B01.gif", "\\Fumetti\\G12.gif", "\\Fumetti\\C12.gif"};
    ImgVarie(10).Picture = LoadPicture(kBubbles[runtime().draw(3)]);
}

}  // namespace zirimbo
