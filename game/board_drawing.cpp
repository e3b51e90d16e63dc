// Redraws every pawn picture of the board from the board tables.
#include "form/frmZirimbo2012.h"
#include "form/pawn_pictures.h"
#include "toolkit/text.h"

namespace zirimbo {

void frmZirimbo2012::cmdVisualizzaPedine_Click() {
    // Cells: the value read as text; anything but "0" to "16" leaves the picture alone.
    for (int c = 1; c <= 36; ++c)
        if (const char* plain = pawn_picture::Plain(lblCaselle(c).Caption)) ImgGif(c).Picture = LoadPicture(plain);
    // Parking squares, by the square's own pawn; a square holding "0" keeps its picture.
    for (int k = 1; k <= 16; ++k)
        if (tk::Val(lblPedine(k).Caption) != 0) ImgPartenza(k).Picture = LoadPicture(pawn_picture::PlainOfPawn(k));
    // Exit squares: the pawns out, then the empty ones.
    for (int k = 1; k <= 16; ++k)
        if (tk::Val(lblUscite(k).Caption) != 0) ImgDadiUsciti(k).Picture = LoadPicture(pawn_picture::PlainOfPawn(k));
    for (int k = 1; k <= 16; ++k)
        if (tk::Val(lblUscite(k).Caption) == 0) ImgDadiUsciti(k).Picture = LoadPicture("");
}

}  // namespace zirimbo
