#include <string>

#include "main_window_fixture.h"
#include "toolkit/paths.h"

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
    w.lblPedine(2).Caption = "0";  // a parking square holding "0" keeps its picture
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
