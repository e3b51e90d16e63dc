#include "form/frmZirimbo2012.h"

namespace zirimbo {

namespace {
// The tile of every cell: kind digit and colour letter.
const char* const kTiles[37] = {"",   "1R", "2R", "3R", "2R", "4B", "1B", "2B", "3B", "2B", "4G", "1G", "2G",
                                "3G", "2G", "4V", "1V", "2V", "3V", "2V", "4R", "5R", "2R", "4B", "5B", "2B",
                                "4G", "5G", "2G", "4V", "5V", "2V", "4R", "6R", "6B", "6G", "6V"};
}  // namespace

std::string TileFileOfCell(int cell) { return std::string("\\Grafica\\") + kTiles[cell] + ".jpg"; }

void frmZirimbo2012::LoadBoardTiles() {
    for (int c = 1; c <= 36; ++c) ImgTessera(c).Picture = LoadPicture(TileFileOfCell(c));
    ImgLato(1).Picture = LoadPicture("\\Grafica\\RossiVerdi.jpg");
    ImgLato(2).Picture = LoadPicture("\\Grafica\\BluGialli.jpg");
}

}  // namespace zirimbo
