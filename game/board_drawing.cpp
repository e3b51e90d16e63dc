// Redraws every pawn picture of the board from the board tables.
#include "shell/frmZirimbo2012.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
// The plain picture of a pawn's colour.
const char* PawnPicture(long pawn) {
    if (pawn <= 4) return "\\Pedine\\R1.gif";
    if (pawn <= 8) return "\\Pedine\\B1.gif";
    if (pawn <= 12) return "\\Pedine\\G1.gif";
    return "\\Pedine\\V1.gif";
}
}  // namespace

void frmZirimbo2012::cmdVisualizzaPedine_Click() {
    // Cells: the value read as text; anything but "0" to "16" leaves the picture alone.
    for (int c = 1; c <= 36; ++c) {
        const std::string v = lblCaselle(c).Caption;
        if (v == "0") {
            ImgGif(c).Picture = LoadPicture("");
        } else if (v.size() <= 2 && tk::Str(tk::Val(v)) == v && tk::Val(v) >= 1 && tk::Val(v) <= 16) {
            ImgGif(c).Picture = LoadPicture(PawnPicture(tk::Val(v)));
        }
    }
    // Parking squares, by the square's own pawn; a square holding "0" keeps its picture.
    for (int k = 1; k <= 16; ++k)
        if (tk::Val(lblPedine(k).Caption) != 0) ImgPartenza(k).Picture = LoadPicture(PawnPicture(k));
    // Exit squares: the pawns out, then the empty ones.
    for (int k = 1; k <= 16; ++k)
        if (tk::Val(lblUscite(k).Caption) != 0) ImgDadiUsciti(k).Picture = LoadPicture(PawnPicture(k));
    for (int k = 1; k <= 16; ++k)
        if (tk::Val(lblUscite(k).Caption) == 0) ImgDadiUsciti(k).Picture = LoadPicture("");
}

}  // namespace zirimbo
