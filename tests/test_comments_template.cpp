// The comments of categories 01 to 07, 10 and 11: what one comment shows and
// plays, how the characters walk the shared line orders, the option gates, and
// where each follow-up timer leads when the line is over.
#include <string>
#include <vector>

#include "test_comments_fixture.h"
#include "toolkit/paths.h"

using zirimbo::frmZirimbo2012;

namespace {
constexpr tk::Color kBobLight = 0xFFCB84;
constexpr tk::Color kGiorgettoLight = 0xC0FFFF;
constexpr tk::Color kCarlaLight = 0x9DEEA2;

std::string Line(int player, int category, int k) { return frmZirimbo2012::CommentLineText(player, category, k); }
int Ms(int player, int category, int k) { return frmZirimbo2012::CommentLineLength(player, category, k); }

// Every cursor of the three characters: Bob's 1 to 11, then Giorgetto's, then Carla's.
std::vector<std::string> Cursors(frmZirimbo2012& f) {
    std::vector<std::string> all;
    for (auto* table : {&f.lblEtiBob, &f.lblEtiGio, &f.lblEtiCar})
        for (int c = 1; c <= 11; ++c) all.push_back((*table)(c).Caption.get());
    return all;
}
}  // namespace

// ---- One comment ----

TEST_F(CommentTest, ACommentColoursTheAreaShowsTheBubbleSaysTheLineAndArmsItsTimer) {
    straightOrders();
    setOrder(5, {3, 1, 4, 7, 2, 6, 5});
    f->lblEtiBob(5).Caption = "1";
    f->CommentBobAteRed();
    EXPECT_EQ(text(f->lblEtiBob(5)), "2");
    EXPECT_EQ(f->ShpForme(0).BackColor.get(), kBobLight);
    EXPECT_EQ(text(f->lblSpiegazioni), Line(2, 5, 1));  // the order's second place holds line 1
    EXPECT_EQ(text(f->lblSpiegazioni), "Oops! Mi è scappata la mano!");
    EXPECT_EQ(f->ImgPersonaggio.Picture.get(), picture("\\Fumetti\\B05.gif"));
    EXPECT_NE(f->ImgPersonaggio.Picture.get(), "");
    EXPECT_TRUE(menuButtonsHidden());
    EXPECT_EQ(f->mmcBob.FileName.get(), voiceFile("\\Bob\\05B1.wav"));
    EXPECT_EQ(plays("mmcBob"), 1);
    EXPECT_EQ(f->TmrRiprendeIlGioco.Interval.get(), 2500);
    EXPECT_TRUE(f->TmrRiprendeIlGioco.Enabled);

    // The next comment stops the clip that is still playing before it plays its own.
    h.audio.clear();
    f->CommentBobAteRed();
    EXPECT_EQ(text(f->lblSpiegazioni), Line(2, 5, 4));
    EXPECT_EQ(f->TmrRiprendeIlGioco.Interval.get(), 4400);
    EXPECT_EQ(log("mmcBob"), (std::vector<std::string>{"Prev", "Close", "Open", "Play"}));
    EXPECT_EQ(h.audio.plays().back(), "mmcBob Play " + tk::resolvePath(voiceFile("\\Bob\\05B4.wav")));
}

TEST_F(CommentTest, EachCharacterStopsOnlyItsOwnVoiceAndMovesOnlyOneCursor) {
    straightOrders();
    f->CommentBobAteOther();
    h.audio.clear();
    std::vector<std::string> expected = Cursors(*f);
    f->CommentCarlaSparedRed();
    EXPECT_TRUE(log("mmcBob").empty());  // Bob's clip plays on under Carla's
    EXPECT_EQ(log("mmcCarla"), (std::vector<std::string>{"Open", "Play"}));
    expected[22 + 6 - 1] = "1";  // Carla's cursor of category 06
    EXPECT_EQ(Cursors(*f), expected);
    EXPECT_EQ(f->ShpForme(0).BackColor.get(), kCarlaLight);
}

TEST_F(CommentTest, ACursorPastTheLastPlaceStartsAgainFromTheFirst) {
    setOrder(6, {2, 5, 1, 7, 3, 6, 4});
    setOrder(10, {3, 1, 2});
    f->lblEtiGio(6).Caption = "7";
    f->CommentGiorgettoSparedRed();
    EXPECT_EQ(text(f->lblEtiGio(6)), "1");
    EXPECT_EQ(text(f->lblSpiegazioni), Line(3, 6, 2));
    EXPECT_EQ(f->TmrRiprendeIlGioco.Interval.get(), Ms(3, 6, 2));
    f->lblEtiGio(6).Caption = "6";
    f->CommentGiorgettoSparedRed();
    EXPECT_EQ(text(f->lblEtiGio(6)), "7");
    EXPECT_EQ(text(f->lblSpiegazioni), Line(3, 6, 4));
    // A three-line category: 3 goes back to 1.
    f->lblEtiCar(10).Caption = "3";
    f->CommentCarlaAteOther();
    EXPECT_EQ(text(f->lblEtiCar(10)), "1");
    EXPECT_EQ(text(f->lblSpiegazioni), Line(4, 10, 3));
    EXPECT_EQ(text(f->lblSpiegazioni), "Torni a casa?");
    EXPECT_EQ(f->mmcCarla.FileName.get(), voiceFile("\\Carla\\10C3.wav"));
}

TEST_F(CommentTest, ACharacterSaysEveryLineOnceBeforeRepeatingAndTheOthersWalkTheSameOrder) {
    const std::vector<int> order = {4, 7, 1, 6, 2, 5, 3};
    setOrder(5, order);
    f->lblEtiBob(5).Caption = "5";
    f->lblEtiGio(5).Caption = "5";  // the same start: the same lines
    f->lblEtiCar(5).Caption = "2";
    std::vector<std::string> bob, giorgetto, carla;
    for (int i = 0; i < 8; ++i) {
        f->CommentBobAteRed();
        bob.push_back(text(f->lblSpiegazioni));
        // The twin speaks from the same cursor.
        if (i % 2)
            f->CommentGiorgettoAteRed2();
        else
            f->CommentGiorgettoAteRed();
        giorgetto.push_back(text(f->lblSpiegazioni));
        f->CommentCarlaAteRed2();
        carla.push_back(text(f->lblSpiegazioni));
    }
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(bob[i], Line(2, 5, order[(5 + i) % 7])) << i;
        EXPECT_EQ(giorgetto[i], Line(3, 5, order[(5 + i) % 7])) << i;
        EXPECT_EQ(carla[i], Line(4, 5, order[(2 + i) % 7])) << i;
    }
    EXPECT_EQ(bob[7], bob[0]);
    for (int i = 0; i < 7; ++i)
        for (int j = i + 1; j < 7; ++j) EXPECT_NE(bob[i], bob[j]);
    EXPECT_EQ(text(f->lblEtiBob(5)), "6");
}

// ---- The options ----

TEST_F(CommentTest, WithCharactersOffThereIsNoBubbleAndTheMenuButtonsStay) {
    straightOrders();
    f->lblVoceOpzione(0).Caption = "No";
    f->CommentGiorgettoCanEatRed();
    EXPECT_EQ(f->ImgPersonaggio.Picture.get(), "");
    EXPECT_TRUE(menuButtonsShown());
    EXPECT_EQ(f->ShpForme(0).BackColor.get(), kGiorgettoLight);
    EXPECT_EQ(text(f->lblSpiegazioni), Line(3, 4, 1));
    EXPECT_EQ(f->TmrSeiGiorgetto.Interval.get(), 2200);
    EXPECT_TRUE(f->TmrSeiGiorgetto.Enabled);
    EXPECT_EQ(plays("mmcGiorgetto"), 1);
}

TEST_F(CommentTest, WithVoicesOffNothingPlaysButTheLineIsStillShownForItsLength) {
    straightOrders();
    f->CommentBobAteOther();  // a clip that is still playing
    h.audio.clear();
    f->lblVoceOpzione(4).Caption = "No";
    f->CommentBobAteOther();
    EXPECT_EQ(log("mmcBob"), (std::vector<std::string>{"Prev", "Close"}));
    EXPECT_EQ(f->mmcBob.FileName.get(), voiceFile("\\Bob\\10B2.wav"));
    EXPECT_EQ(text(f->lblSpiegazioni), "Sciò!");
    EXPECT_EQ(f->ImgPersonaggio.Picture.get(), picture("\\Fumetti\\B10.gif"));
    EXPECT_EQ(f->TmrRiprendeIlGioco.Interval.get(), 900);
    EXPECT_TRUE(f->TmrRiprendeIlGioco.Enabled);
}

// ---- 01: hoping for a six, then the roll ----

TEST_F(CommentTest, WithNoPawnOnTheBoardBobHopesForASixAndRollsWhenTheLineIsOver) {
    h.useSeededRandom(5);
    straightOrders();
    f->lblEtiBob(1).Caption = "6";  // line 7
    f->lblTurnoDiGioco.Caption = "1";
    f->lblCaselle(20).Caption = "9";  // Giorgetto's pawn: not Bob's
    f->TmrAspettaDado.Interval = 10;
    f->TmrAspettaDado.Enabled = true;
    h.advance(10);
    EXPECT_EQ(f->ShpDado.BackColor.get(), tk::Color{0xFF9400});
    EXPECT_EQ(f->ShpForme(0).BackColor.get(), kBobLight);
    EXPECT_EQ(text(f->lblSpiegazioni), "Se faccio sei, vi pago da bere...");
    EXPECT_EQ(f->ImgPersonaggio.Picture.get(), picture("\\Fumetti\\B01.gif"));
    EXPECT_TRUE(menuButtonsHidden());
    EXPECT_TRUE(f->TmrSenzaPedineBob.Enabled);
    EXPECT_EQ(f->TmrSenzaPedineBob.Interval.get(), 2200);
    EXPECT_FALSE(f->TimerDado.Enabled);
    h.advance(2199);
    EXPECT_FALSE(f->TimerDado.Enabled);
    h.advance(1);
    EXPECT_TRUE(f->TimerDado.Enabled);  // Bob's roll
    EXPECT_EQ(text(f->lblTurnoDiGioco), "2");
    EXPECT_EQ(text(f->lblSpiegazioni), ".....");
    EXPECT_EQ(f->ImgPersonaggio.Picture.get(), "");
    EXPECT_TRUE(menuButtonsShown());
}

TEST_F(CommentTest, EachCharacterPaintsItsDieBeforeHopingForASix) {
    straightOrders();
    for (int i = 0; i <= 6; ++i) f->ShpPuntoDado(i).BackColor = zirimbo::colour::White;
    f->CommentGiorgettoHopeForSix();
    EXPECT_EQ(f->ShpDado.BackColor.get(), tk::Color{0x00FFFF});
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(f->ShpPuntoDado(i).BackColor.get(), zirimbo::colour::Grey);
    EXPECT_EQ(f->ShpForme(0).BackColor.get(), kGiorgettoLight);
    EXPECT_EQ(f->TmrSenzaPedineGiorgetto.Interval.get(), 2000);
    EXPECT_TRUE(f->TmrSenzaPedineGiorgetto.Enabled);

    for (int i = 0; i <= 6; ++i) f->ShpPuntoDado(i).BackColor = zirimbo::colour::White;
    f->CommentCarlaHopeForSix();
    EXPECT_EQ(f->ShpDado.BackColor.get(), tk::Color{0x00C000});
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(f->ShpPuntoDado(i).BackColor.get(), zirimbo::colour::White);
    EXPECT_EQ(f->ShpForme(0).BackColor.get(), kCarlaLight);
    EXPECT_EQ(f->TmrSenzaPedineCarla.Interval.get(), 1700);
    EXPECT_EQ(f->ImgPersonaggio.Picture.get(), picture("\\Fumetti\\C01.gif"));
}

// ---- 02: no six ----

TEST_F(CommentTest, AMissedSixKeepsTheHubWaitingForTheLineThenTheNextPlayerPlays) {
    straightOrders();
    f->lblEtiCar(2).Caption = "1";  // line 2
    f->lblTurnoDiGioco.Caption = "4";
    f->CommentCarlaMissedSix();
    EXPECT_EQ(text(f->lblSpiegazioni), "Va bene, aspetterò il mio turno.");
    EXPECT_EQ(f->ImgPersonaggio.Picture.get(), picture("\\Fumetti\\C02.gif"));
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);
    EXPECT_EQ(f->TmrAspettaDado.Interval.get(), 2400);
    h.advance(2399);
    EXPECT_EQ(text(f->lblSpiegazioni), "Va bene, aspetterò il mio turno.");
    h.advance(1);
    EXPECT_EQ(text(f->lblSpiegazioni), "Doduru, tocca ora a te: premi INVIO o clicca sul Dado!");
    EXPECT_EQ(f->ImgPersonaggio.Picture.get(), "");
    EXPECT_EQ(f->TmrAspettaDado.Interval.get(), 600);
}

// ---- 07: the human eats a character's pawn ----

TEST_F(CommentTest, TheHumanEatsCarlasPawnSheCommentsAndTheHubWaitsForHerLine) {
    straightOrders();
    f->lblEtiCar(7).Caption = "3";  // line 4
    f->lblVoceOpzione(2).Caption = "No";
    f->lblTurnoDiGioco.Caption = "1";  // red rolled last
    f->lblCaselle(10).Caption = "1";
    f->lblPedine(1).Caption = "0";
    f->lblCaselle(12).Caption = "14";
    f->lblPedine(14).Caption = "0";
    f->cmdVisualizzaPedine_Click();
    f->lblNumeroDado.Caption = "2";
    f->ClearCandidateTable();
    f->PrepareRedTurn();
    f->ImgGif_Click(10);
    f->ImgGif_Click(12);
    EXPECT_EQ(text(f->lblCaselle(12)), "1");
    EXPECT_EQ(text(f->lblPedine(14)), "14");
    EXPECT_EQ(text(f->lblMangia), "0");
    EXPECT_EQ(text(f->lblSpiegazioni), "Non me lo aspettavo da te!");
    EXPECT_EQ(f->ImgPersonaggio.Picture.get(), picture("\\Fumetti\\C07.gif"));
    EXPECT_EQ(f->mmcCarla.FileName.get(), voiceFile("\\Carla\\07C4.wav"));
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);
    EXPECT_EQ(f->TmrAspettaDado.Interval.get(), 2800);
    // After her line the hub gives the turn to Bob, who has no pawn on the board.
    h.advance(2799);
    EXPECT_EQ(text(f->lblSpiegazioni), "Non me lo aspettavo da te!");
    h.advance(1);
    EXPECT_EQ(text(f->lblSpiegazioni), Line(2, 1, 1));
    EXPECT_TRUE(f->TmrSenzaPedineBob.Enabled);
}

// ---- 11: a refuge reached ----

// The comment only sets the pause; the move's last tick enables the timer, after the
// comment at the normal speed and, at the fast one, before it.
TEST_F(CommentTest, TheNextTurnFollowsTheRefugeLineAtEitherSpeed) {
    straightOrders();
    f->lblTurnoDiGioco.Caption = "4";
    // Fast: the timer, which has never had an interval, is enabled 140 ms before the comment.
    ASSERT_EQ(f->TmrRiprendeIlGioco.Interval.get(), 0);
    f->TmrRiprendeIlGioco.Enabled = true;
    h.advance(140);
    f->lblEtiCar(11).Caption = "2";
    f->CommentCarlaSafeCell();
    EXPECT_EQ(text(f->lblSpiegazioni), "Finalmente un posticino tranquillo!");
    EXPECT_EQ(f->ImgPersonaggio.Picture.get(), picture("\\Fumetti\\C11.gif"));
    h.advance(2899);
    EXPECT_FALSE(f->TmrAspettaDado.Enabled);
    h.advance(1);
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);
    h.advance(10);  // red's prompt

    // Normal: the comment comes first and leaves the timer off; the last tick comes 40 ms later.
    f->CommentBobSafeCell();
    EXPECT_EQ(text(f->lblSpiegazioni), "Qui nessuno mi tocca!");
    EXPECT_EQ(f->TmrRiprendeIlGioco.Interval.get(), 1700);
    EXPECT_FALSE(f->TmrRiprendeIlGioco.Enabled);
    h.advance(40);
    f->TmrRiprendeIlGioco.Enabled = true;
    h.advance(1699);
    EXPECT_FALSE(f->TmrAspettaDado.Enabled);
    h.advance(1);
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);
    EXPECT_EQ(f->TmrAspettaDado.Interval.get(), 10);
}
