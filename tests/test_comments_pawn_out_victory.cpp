// A computer character's pawn out (the count or a cheer, by a draw) and its
// victory (the boast, the music, the scoreboard and the rematch box).
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "form/various.h"
#include "test_comments_fixture.h"
#include "toolkit/text.h"

namespace various = zirimbo::various;

using zirimbo::frmZirimbo2012;

namespace {

std::string Line(int player, int category, int k) { return frmZirimbo2012::CommentLineText(player, category, k); }

constexpr tk::Color kHumanRow = 0x8080FF;
constexpr tk::Color kBobRow = 0xFFCB84;
constexpr tk::Color kGiorgettoRow = 0x80FFFF;
constexpr tk::Color kCarlaRow = 0x80FF80;

}  // namespace

struct CommentPawnOutTest : CommentTest {
    // Every cursor and every order, to see that a pawn-out comment touches none.
    std::vector<std::string> ordersAndCursors() {
        std::vector<std::string> all;
        for (int c = 1; c <= 11; ++c) {
            for (int i = 1; i <= frmZirimbo2012::CommentLineCount(c); ++i) all.push_back(text(f->LineOrderOf(c)(i)));
            for (int who = 2; who <= 4; ++who) all.push_back(text(f->LineCursorsOf(who)(c)));
        }
        return all;
    }
};

// ---- 08: a pawn out ----

TEST_F(CommentPawnOutTest, WithADrawOfOneToFourTheCharacterCountsItsPawnsOut) {
    straightOrders();
    const auto before = ordersAndCursors();
    f->lblDadiUsciti(2).Caption = "1";
    script(3, 8);
    f->CommentBobPawnOut();
    EXPECT_EQ(text(f->lblSpiegazioni), "Fuori uno!");
    EXPECT_EQ(f->ShpForme(0).BackColor.get(), 0xFFCB84u);
    EXPECT_EQ(f->ImgPersonaggio.Picture.get(), picture("\\Fumetti\\B08.gif"));
    EXPECT_EQ(f->mmcBob.FileName.get(), voiceFile("\\Bob\\08B1.wav"));
    EXPECT_EQ(plays("mmcBob"), 1);
    EXPECT_EQ(f->TmrRiprendeIlGioco.Interval.get(), 1300);
    EXPECT_TRUE(f->TmrRiprendeIlGioco.Enabled);
    EXPECT_EQ(ordersAndCursors(), before);
    h.advance(1299);
    EXPECT_FALSE(f->TmrAspettaDado.Enabled);
    h.advance(1);
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);  // the hub, 10 ms later

    f->lblDadiUsciti(2).Caption = "3";
    script(1, 8);
    f->CommentBobPawnOut();
    EXPECT_EQ(text(f->lblSpiegazioni), "Fuori tre!!!");
    EXPECT_EQ(f->TmrRiprendeIlGioco.Interval.get(), 1400);
    f->lblDadiUsciti(3).Caption = "2";
    script(4, 8);
    f->CommentGiorgettoPawnOut();
    EXPECT_EQ(text(f->lblSpiegazioni), "Due!!");
    EXPECT_EQ(ordersAndCursors(), before);
}

TEST_F(CommentPawnOutTest, WithADrawOfFiveToEightTheCharacterCheersWhateverItsCount) {
    f->lblDadiUsciti(3).Caption = "2";
    for (int n = 5; n <= 8; ++n) {
        script(n, 8);
        f->CommentGiorgettoPawnOut();
        EXPECT_EQ(text(f->lblSpiegazioni), Line(3, 8, n - 1)) << n;
        EXPECT_EQ(f->mmcGiorgetto.FileName.get(), voiceFile("\\Giorgetto\\08G" + std::to_string(n - 1) + ".wav"));
        EXPECT_EQ(f->TmrRiprendeIlGioco.Interval.get(), frmZirimbo2012::CommentLineLength(3, 8, n - 1));
    }
    // The same cheer may come twice in a row.
    script(7, 8);
    f->CommentGiorgettoPawnOut();
    script(7, 8);
    f->CommentGiorgettoPawnOut();
    EXPECT_EQ(text(f->lblSpiegazioni), "Lallallà...!!");
    EXPECT_EQ(f->TmrRiprendeIlGioco.Interval.get(), 1500);
}

TEST_F(CommentPawnOutTest, AfterCarlasPawnOutTheHumanIsPromptedWithoutTheHub) {
    f->lblDadiUsciti(4).Caption = "2";
    f->lblTurnoDiGioco.Caption = "4";
    script(2, 8);
    f->CommentCarlaPawnOut();
    EXPECT_EQ(text(f->lblSpiegazioni), "Secondo birillino!!");
    EXPECT_EQ(f->TmrRiprendeRossoDopoVerde.Interval.get(), 2100);
    EXPECT_TRUE(f->TmrRiprendeRossoDopoVerde.Enabled);
    EXPECT_FALSE(f->TmrRiprendeIlGioco.Enabled);
    h.advance(2100);
    EXPECT_EQ(text(f->lblSpiegazioni), "Doduru, tocca ora a te: premi INVIO o clicca sul Dado!");
    EXPECT_EQ(f->ImgPersonaggio.Picture.get(), "");
    EXPECT_TRUE(menuButtonsShown());
    EXPECT_FALSE(f->TmrAspettaDado.Enabled);
}

// ---- 09: a computer character wins ----

struct ComputerVictoryTest : CommentPawnOutTest {
    void SetUp() override {
        CommentPawnOutTest::SetUp();
        // A game folder of the test's own: a win rewrites the scoreboard file.
        f->lblPercorso.Caption = ownFolder.emplace().path();
        straightOrders();
        const tk::Color rows[5] = {0, kHumanRow, kGiorgettoRow, kBobRow, kCarlaRow};
        const char* wins[5] = {"", "5", "3", "3", "1"};
        tk::ControlArray<tk::Shape>* shapes[5] = {nullptr, &f->Shp1SfondoClass, &f->Shp2SfondoClass,
                                                  &f->Shp3SfondoClass, &f->Shp4SfondoClass};
        for (int r = 1; r <= 4; ++r) {
            for (int e = 0; e <= 3; ++e) (*shapes[r])(e).BackColor = rows[r];
            f->lblVinte(r).Caption = wins[r];
            f->lblData(r).Caption = "01/01/2026";
        }
    }
    // The scoreboard row of a colour, 0 for none.
    int rowOf(tk::Color colour) {
        tk::ControlArray<tk::Shape>* shapes[5] = {nullptr, &f->Shp1SfondoClass, &f->Shp2SfondoClass,
                                                  &f->Shp3SfondoClass, &f->Shp4SfondoClass};
        for (int r = 1; r <= 4; ++r)
            if ((*shapes[r])(0).BackColor == colour) return r;
        return 0;
    }
};

TEST_F(ComputerVictoryTest, BobsVictoryBoastsRecordsTheWinAndReadiesTheRematchBox) {
    f->lblVoceOpzione(3).Caption = "Sempre";
    f->TmrMusiche.Enabled = true;
    f->TmrRipetiMusiche.Enabled = true;
    f->TmrRipetiMusiche.Interval = 25000;
    f->StartChannel(f->mmcMusiche);
    h.audio.clear();
    f->setBackColor(kBobRow);
    f->CommentBobVictory();

    // The music stops and the end piece waits in its channel.
    EXPECT_FALSE(f->TmrMusiche.Enabled);
    EXPECT_EQ(log("mmcMusiche"), (std::vector<std::string>{"Prev", "Close"}));
    EXPECT_EQ(f->mmcMusiche.FileName.get(), f->GamePath("\\Musiche\\Sconfitta.mid"));
    EXPECT_FALSE(f->TmrRipetiMusiche.Enabled);  // a pause between pieces ends too

    // The boast.
    EXPECT_EQ(text(f->lblSpiegazioni), Line(2, 9, 1));
    EXPECT_EQ(f->ShpForme(0).BackColor.get(), 0xFFCB84u);
    EXPECT_EQ(f->ImgPersonaggio.Picture.get(), picture("\\Fumetti\\B09.gif"));
    EXPECT_EQ(f->mmcBob.FileName.get(), f->GamePath("\\Bob\\09B1.wav"));
    EXPECT_EQ(plays("mmcBob"), 1);
    EXPECT_EQ(text(f->lblEtiBob(9)), "1");

    // One more win and today's date on Bob's row, which the sort has moved up.
    const int row = rowOf(kBobRow);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(text(f->lblVinte(row)), "4");
    EXPECT_EQ(text(f->lblData(row)), h.rt.today());
    EXPECT_EQ(text(f->lblVinte(rowOf(kGiorgettoRow))), "3");
    EXPECT_EQ(text(f->lblData(rowOf(kGiorgettoRow))), "01/01/2026");
    // The scoreboard file already holds the win.
    std::ifstream saved(f->lblPercorso.Caption.get() + "/Dati/ZirCla.txt");
    std::stringstream content;
    content << saved.rdbuf();
    EXPECT_NE(content.str().find("\"" + h.rt.today() + "\""), std::string::npos) << content.str();

    // The panels, the rematch box, its picture and its prompt.
    for (int i = 0; i <= 3; ++i) EXPECT_EQ(f->FraPannello(i).BackColor.get(), kBobRow) << i;
    EXPECT_EQ(f->FraRicomincia.BackColor.get(), kBobRow);
    EXPECT_EQ(f->ImgVarie(various::kRematchCharacter).Picture.get(), picture("\\Fumetti\\B06.gif"));
    EXPECT_EQ(text(f->lblVarie(various::kRematchPrompt)), "Vuoi la rivincita, eh? Premi il pulsante NUOVA PARTITA!");

    // The end-of-game box comes when the line is over.
    EXPECT_TRUE(f->TmrPannelloVittoria.Enabled);
    EXPECT_EQ(f->TmrPannelloVittoria.Interval.get(), 4600);
    h.advance(4599);
    EXPECT_FALSE(f->FraRicomincia.Visible);
    h.advance(1);
    EXPECT_TRUE(f->FraRicomincia.Visible);
}

TEST_F(ComputerVictoryTest, WithMusicAndCharactersOffTheEndPieceIsStillLoadedAndTheBoxStillHasItsPicture) {
    f->lblVoceOpzione(3).Caption = "No";
    f->lblVoceOpzione(0).Caption = "No";
    f->lblEtiGio(9).Caption = "1";  // line 2
    f->setBackColor(kGiorgettoRow);
    f->CommentGiorgettoVictory();
    EXPECT_EQ(f->mmcMusiche.FileName.get(), f->GamePath("\\Musiche\\Sconfitta.mid"));
    EXPECT_EQ(plays("mmcMusiche"), 0);
    EXPECT_EQ(f->ImgPersonaggio.Picture.get(), "");
    EXPECT_TRUE(menuButtonsShown());
    EXPECT_EQ(f->ImgVarie(various::kRematchCharacter).Picture.get(), picture("\\Fumetti\\G03.gif"));
    EXPECT_EQ(text(f->lblVarie(various::kRematchPrompt)),
              "Vuoi perdere un'altra volta? Premi il pulsante NUOVA PARTITA!");
    EXPECT_EQ(f->TmrPannelloVittoria.Interval.get(), 3800);
    EXPECT_EQ(text(f->lblVinte(rowOf(kGiorgettoRow))), "4");
    for (int i = 0; i <= 3; ++i) EXPECT_EQ(f->FraPannello(i).BackColor.get(), kGiorgettoRow) << i;
}

TEST_F(ComputerVictoryTest, CarlasFourthWinOfTheRunSaysTheSameLineAsHerFirst) {
    setOrder(9, {3, 1, 2});
    f->lblEtiCar(9).Caption = "2";
    std::vector<std::string> said;
    std::vector<int> pauses;
    for (int i = 0; i < 4; ++i) {
        f->setBackColor(kCarlaRow);
        f->CommentCarlaVictory();
        said.push_back(text(f->lblSpiegazioni));
        pauses.push_back(f->TmrPannelloVittoria.Interval.get());
    }
    EXPECT_EQ(said, (std::vector<std::string>{Line(4, 9, 2), Line(4, 9, 3), Line(4, 9, 1), Line(4, 9, 2)}));
    EXPECT_EQ(pauses, (std::vector<int>{2800, 3400, 1800, 2800}));
    EXPECT_EQ(text(f->lblVinte(rowOf(kCarlaRow))), "5");
    EXPECT_EQ(text(f->lblVarie(various::kRematchPrompt)), "Se vuoi la rivincita, premi il pulsante NUOVA PARTITA!");
}

TEST_F(ComputerVictoryTest, AScoreboardWithoutTheWinnersRowRecordsNoWin) {
    for (int e = 0; e <= 3; ++e) f->Shp3SfondoClass(e).BackColor = kHumanRow;  // no row of Bob's colour
    f->setBackColor(kBobRow);
    f->CommentBobVictory();
    long total = 0;
    for (int r = 1; r <= 4; ++r) total += tk::Val(f->lblVinte(r).Caption);
    EXPECT_EQ(total, 5 + 3 + 3 + 1);
    EXPECT_TRUE(f->TmrPannelloVittoria.Enabled);
    EXPECT_EQ(f->FraRicomincia.BackColor.get(), kBobRow);
}
