#include <string>

#include "main_window_fixture.h"
#include "toolkit/paths.h"

using zirimbo::TileFileOfCell;

TEST(BoardTiles, KindAndColourOfEveryCell) {
    EXPECT_EQ(TileFileOfCell(1), "\\Grafica\\1R.jpg");
    EXPECT_EQ(TileFileOfCell(3), "\\Grafica\\3R.jpg");
    EXPECT_EQ(TileFileOfCell(5), "\\Grafica\\4B.jpg");   // last of red's stretch, in the next colour
    EXPECT_EQ(TileFileOfCell(20), "\\Grafica\\4R.jpg");
    EXPECT_EQ(TileFileOfCell(30), "\\Grafica\\5V.jpg");
    EXPECT_EQ(TileFileOfCell(32), "\\Grafica\\4R.jpg");
    // The inner tiles follow the inner-ring entries, not the exit cells.
    EXPECT_EQ(TileFileOfCell(33), "\\Grafica\\6R.jpg");
    EXPECT_EQ(TileFileOfCell(36), "\\Grafica\\6V.jpg");
    // Plain cells reuse the kind-2 file of their stretch.
    for (int c : {4, 9, 14, 19, 22, 25, 28, 31}) {
        std::string prev = TileFileOfCell(c == 22 ? 2 : c == 25 ? 7 : c == 28 ? 12 : c == 31 ? 17 : c - 2);
        EXPECT_EQ(TileFileOfCell(c), prev) << c;
    }
}

TEST_F(MainWindowTest, StartUpShowsTilesStripsAndEveryPawnInItsParkingSquare) {
    load();
    auto& w = *f;
    EXPECT_EQ(w.lblPercorso.Caption.get(), std::string(ZIRIMBO_GAME_FOLDER));
    for (int c = 1; c <= 36; ++c) {
        EXPECT_NE(w.ImgTessera(c).Picture.get(), "") << c;
        EXPECT_EQ(w.ImgGif(c).Picture.get(), "") << c;
    }
    EXPECT_NE(w.ImgLato(1).Picture.get(), "");
    EXPECT_NE(w.ImgLato(2).Picture.get(), "");
    for (int p = 1; p <= 16; ++p) {
        const char* colour = p <= 4 ? "R1.gif" : p <= 8 ? "B1.gif" : p <= 12 ? "G1.gif" : "V1.gif";
        EXPECT_NE(w.ImgPartenza(p).Picture.get().find(colour), std::string::npos) << p;
        EXPECT_EQ(w.ImgDadiUsciti(p).Picture.get(), "") << p;
    }
}

TEST_F(MainWindowTest, BoardRedrawFollowsTheTables) {
    load();
    auto& w = *f;
    w.lblCaselle(7).Caption = "14";
    w.lblCaselle(8).Caption = "99";  // not a pawn: the picture stays
    w.ImgGif(8).Picture = "keep";
    w.lblPedine(2).Caption = "0";    // a parking square holding "0" keeps its picture
    w.lblUscite(2).Caption = "2";
    w.ImgDadiUsciti(3).Picture = "stale";
    w.cmdVisualizzaPedine_Click();
    EXPECT_NE(w.ImgGif(7).Picture.get().find("V1.gif"), std::string::npos);
    EXPECT_EQ(w.ImgGif(8).Picture.get(), "keep");
    EXPECT_NE(w.ImgPartenza(2).Picture.get().find("R1.gif"), std::string::npos);
    EXPECT_NE(w.ImgDadiUsciti(2).Picture.get().find("R1.gif"), std::string::npos);
    EXPECT_EQ(w.ImgDadiUsciti(3).Picture.get(), "");
}

TEST_F(MainWindowTest, DieAndBoardLieAtTheirDesignPlaces) {
    auto& w = *f;
    EXPECT_EQ(w.ImgGif(1).Left.get(), 2775);
    EXPECT_EQ(w.ImgGif(11).Left.get(), 2775 + 1650 * 5);
    EXPECT_EQ(w.ImgGif(11).Top.get(), 150 + 1650 * 5);
    EXPECT_EQ(w.ImgGif(36).Left.get(), 2775 + 1650 * 2);
    EXPECT_EQ(w.ImgGif(36).Top.get(), 150 + 1650 * 3);
    EXPECT_EQ(w.ImgPartenza(9).Top.get(), 8400);
    EXPECT_EQ(w.ImgPartenza(9).Left.get(), 12675);
    EXPECT_EQ(w.ImgDadiUsciti(13).Left.get(), 45);
    EXPECT_FALSE(w.ShpPuntoDado(0).Visible);
    EXPECT_TRUE(w.ShpPuntoDado(6).Visible);
    EXPECT_FALSE(w.ImgGif(37).Visible);
}
