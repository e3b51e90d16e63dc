// Where the board, the parking and exit squares and the die lie on the window
// (twips, before any rescaling to the screen).
#include "board/board_geometry.h"
#include "form/frmZirimbo2012.h"

namespace zirimbo {

namespace {
const int kParkingTop[17] = {0,    150,  1320, 2500, 3695, 150,  1329, 2508, 3687,
                             8400, 7224, 6045, 4866, 8400, 7220, 6045, 4860};
const int kExitTop[17] = {0,    525,  1680, 2835, 3990, 525,  1680, 2835, 3990,
                          9030, 7875, 6720, 5565, 9030, 7875, 6720, 5565};
}  // namespace

void frmZirimbo2012::DesignBoard() {
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 6; ++col) {
            const int c = ai::kBoardGrid[row][col];
            ImgTessera(c).Move(2775 + 1650 * col, 150 + 1650 * row, 1665, 1665);
            ImgGif(c).Move(2775 + 1650 * col, 150 + 1650 * row, 1665, 1665);
        }
    }
    ImgGif(0).Visible = false;
    ImgGif(37).Visible = false;
    ImgLato(1).Move(1130, 150, 1665, 9910);
    ImgLato(2).Move(12675, 150, 1665, 9910);
    for (int p = 1; p <= 16; ++p) {
        bool leftSide = p <= 4 || p >= 13;  // red and green wait left of the board
        ImgPartenza(p).Move(leftSide ? 1130 : 12675, kParkingTop[p], 1665, 1665);
        ImgDadiUsciti(p).Move(leftSide ? 45 : 14315, kExitTop[p], 1065, 990);
    }
}

void frmZirimbo2012::DesignDie() {
    ShpDado.ShapeKind = 4;
    ShpDado.BackStyle = 1;
    ShpDado.BackColor = colour::Red;
    ShpDado.BorderColor = colour::White;
    ShpDado.BorderWidth = 3;
    ShpDado.Move(7300, 10425, 915, 915);
    const int pips[7][2] = {{7670, 10800}, {7435, 10575}, {7905, 11025}, {7905, 10575},
                            {7435, 11025}, {7435, 10800}, {7905, 10800}};
    for (int i = 0; i <= 6; ++i) {
        Shape& pip = ShpPuntoDado(i);
        pip.ShapeKind = 3;
        pip.BackStyle = 1;
        pip.BackColor = colour::White;
        pip.BorderStyle = 0;
        pip.Move(pips[i][0], pips[i][1], 195, 195);
        pip.Visible = i != 0;  // the design shows a six
    }
    ImgDado.Move(7245, 10350, 1065, 1065);
    cmdGioca.Move(70000, 70000, 105, 240);
    cmdGioca.TabIndex = 0;
}

}  // namespace zirimbo
