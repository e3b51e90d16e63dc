#include <algorithm>
#include <string>

#include "computer_turn_fixture.h"

using zirimbo::colour::Red;
using zirimbo::colour::White;

TEST_F(ComputerTurnTest, AMoveShowsThePawnTheTargetAndTheLandingThenHandsBackToTheHub) {
    place(5, 11);  // Bob's pawn on Giorgetto's start cell: 11 + 3 -> 14
    f->lblPedineRosseMangiabili.Caption = "9";
    rolled(2, 3, true);
    f->lblSpiegazioni.Caption = "a line";
    h.advance(220);  // tick 1
    EXPECT_TRUE(shows(f->ImgGif(11), "B5"));
    EXPECT_EQ(text(f->lblSpiegazioni), "");
    EXPECT_EQ(plays("mmcTic"), 1);
    h.advance(440);  // tick 3
    EXPECT_TRUE(shows(f->ImgGif(14), "X"));
    EXPECT_EQ(plays("mmcPedina"), 1);
    h.advance(440);  // tick 5
    EXPECT_EQ(text(f->lblCaselle(11)), "0");
    EXPECT_EQ(text(f->lblCaselle(14)), "5");
    EXPECT_EQ(f->ImgGif(11).Picture.get(), "");
    EXPECT_TRUE(shows(f->ImgGif(14), "B1"));
    EXPECT_EQ(text(f->lblPedineRosseMangiabili), "0");
    EXPECT_EQ(plays("mmcMossa"), 1);
    f->lblSpiegazioni.Caption = "a line";
    h.advance(439);
    EXPECT_EQ(text(f->lblContatoreMosse), "6");
    h.advance(1);  // tick 7, 1540 ms after the start
    EXPECT_FALSE(f->TmrMossaBlu3.Enabled);
    EXPECT_EQ(text(f->lblContatoreMosse), "0");
    EXPECT_EQ(text(f->lblSpiegazioni), "");
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);
    EXPECT_EQ(f->TmrAspettaDado.Interval.get(), 10);
}

TEST_F(ComputerTurnTest, AnEntryOntoARedPawnSendsItHomeAndEndsWithTheAteRedLine) {
    place(1, 6);
    rolled(2, 6, false);
    ASSERT_TRUE(h.runUntil([&] { return f->TmrMossaBlu3.Enabled.get(); }, 4000));
    h.advance(220);
    EXPECT_TRUE(shows(f->ImgPartenza(5), "B3"));
    h.advance(440);
    EXPECT_TRUE(shows(f->ImgGif(6), "R2"));
    h.advance(440);
    EXPECT_EQ(text(f->lblPedine(1)), "1");
    EXPECT_TRUE(shows(f->ImgPartenza(1), "R1"));
    EXPECT_EQ(text(f->lblPedine(5)), "0");
    EXPECT_EQ(text(f->lblCaselle(6)), "5");
    h.advance(440);
    EXPECT_EQ(f->lblHaMangiato.BackColor.get(), White);
    EXPECT_TRUE(shows(f->ImgPersonaggio, "B05"));
    EXPECT_TRUE(f->TmrRiprendeIlGioco.Enabled);
    EXPECT_FALSE(f->TmrAspettaDado.Enabled);
}

TEST_F(ComputerTurnTest, OnceRoundTheInnerRingThePawnStaysAndTheMoveIsSilentWithoutEffects) {
    f->lblVoceOpzione(1).Caption = "No";
    place(5, 34);
    rolled(2, 4, true);
    h.advance(660);
    EXPECT_TRUE(shows(f->ImgGif(34), "B4"));
    h.advance(440);
    EXPECT_TRUE(shows(f->ImgGif(34), "B1"));
    EXPECT_EQ(text(f->lblCaselle(34)), "5");
    h.advance(440);
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);
    EXPECT_EQ(plays("mmcTic") + plays("mmcPedina") + plays("mmcMossa"), 0);
}

TEST_F(ComputerTurnTest, AtEverySpeedTheRefugeLineIsSaidInFullBeforeTheNextTurn) {
    for (int iv : {310, 220, 130}) {
        f->lblCaselle(8).Caption = "0";
        place(5, 7);
        f->TmrMossaBlu3.Interval = iv;
        f->TmrRiprendeIlGioco.Interval = 700;  // left by an earlier comment
        rolled(2, 1, true);
        ASSERT_TRUE(h.runUntil([&] { return f->lblSicuro.BackColor.get() == Red; }, 5000)) << iv;
        const auto landing = h.now();
        ASSERT_TRUE(h.runUntil([&] { return !f->TmrGrigiaBob.Enabled.get(); }, 1000)) << iv;
        EXPECT_EQ(h.now() - landing, 400) << iv;
        EXPECT_TRUE(shows(f->ImgPersonaggio, "B11")) << iv;
        const std::string line = text(f->lblSpiegazioni);
        const int length = f->TmrRiprendeIlGioco.Interval;
        ASSERT_TRUE(h.runUntil([&] { return f->TmrAspettaDado.Enabled.get(); }, 5000)) << iv;
        EXPECT_EQ(h.now() - landing, std::max(400, 2 * iv) + length) << iv;
        EXPECT_EQ(text(f->lblSpiegazioni), line) << iv;  // the end of the move leaves the line
        EXPECT_EQ(f->lblSicuro.BackColor.get(), White) << iv;
        f->TmrAspettaDado.Enabled = false;
    }
}

TEST_F(ComputerTurnTest, EatingAnotherCharacterIsASparedRedLineWhenRedWasEatableAndAnAteOtherLineOtherwise) {
    place(5, 9);  // 9 + 1 -> 10, Carla's pawn 13
    place(13, 10);
    place(6, 16);  // 16 + 1 -> 17, red pawn 2
    place(2, 17);
    rolled(2, 1, true);
    f->TmrSeiBob.Enabled = false;
    startMove(f->TmrMossaBlu3, 5, 10);
    h.advance(3 * 220);
    EXPECT_TRUE(shows(f->ImgGif(10), "V2"));
    h.advance(2 * 220);
    EXPECT_EQ(text(f->lblPedine(13)), "13");
    EXPECT_TRUE(shows(f->ImgPartenza(13), "V1"));
    h.advance(2 * 220);
    EXPECT_TRUE(shows(f->ImgPersonaggio, "B06"));
    EXPECT_EQ(f->lblPedineRosseMangiabili.BackColor.get(), White);

    // Giorgetto eats Bob's pawn 5 with no red pawn in reach.
    f->TmrRiprendeIlGioco.Enabled = false;
    place(9, 7);  // 7 + 3 -> 10
    rolled(3, 3, true);
    h.advance(3 * 220);
    EXPECT_TRUE(shows(f->ImgGif(10), "B2"));
    h.advance(4 * 220);
    EXPECT_EQ(text(f->lblPedine(5)), "5");
    EXPECT_TRUE(shows(f->ImgPersonaggio, "G10"));
    EXPECT_TRUE(f->TmrRiprendeIlGioco.Enabled);
}

TEST_F(ComputerTurnTest, APawnOutGoesToItsExitSquareAndClearsTheEatFlags) {
    place(5, 36);  // 36 + 1 -> 33, Bob's exit
    place(6, 16);
    place(2, 17);  // a red pawn in reach too
    rolled(2, 1, true);
    f->TmrSeiBob.Enabled = false;
    startMove(f->TmrMossaBlu3, 5, 33);
    h.advance(7 * 220);
    EXPECT_EQ(f->ImgGif(33).Picture.get(), "");
    EXPECT_TRUE(shows(f->ImgDadiUsciti(5), "B1"));
    EXPECT_EQ(text(f->lblUscite(5)), "5");
    EXPECT_EQ(text(f->lblDadiUsciti(2)), "1");
    EXPECT_EQ(text(f->lblCaselle(33)), "0");
    EXPECT_EQ(f->lblPedineRosseMangiabili.BackColor.get(), White);
    EXPECT_TRUE(shows(f->ImgPersonaggio, "B08"));
    EXPECT_TRUE(f->TmrRiprendeIlGioco.Enabled);

    // After Carla's pawn out the human is prompted directly.
    f->TmrRiprendeIlGioco.Enabled = false;
    place(13, 34);  // 34 + 1 -> 35, Carla's exit
    rolled(4, 1, true);
    h.advance(7 * 220);
    EXPECT_EQ(text(f->lblDadiUsciti(4)), "1");
    EXPECT_TRUE(f->TmrRiprendeRossoDopoVerde.Enabled);
    EXPECT_FALSE(f->TmrRiprendeIlGioco.Enabled);
}

TEST_F(ComputerTurnTest, TheFourthPawnOutWinsWithThePlayersColoursAndNoFurtherTurn) {
    struct Case {
        int player, pawn, from;
        unsigned window, area;
    };
    // Carla's victory line paints the area in her light colour after the move has painted it.
    for (const Case& c : {Case{2, 8, 36, 0xFFCB84, 0xFFCB84}, Case{3, 12, 33, 0x80FFFF, 0xC0FFFF},
                          Case{4, 16, 34, 0x80FF80, 0x9DEEA2}}) {
        f->setBackColor(zirimbo::colour::Panel);
        for (int p = c.pawn - 3; p < c.pawn; ++p) {
            f->lblPedine(p).Caption = "0";
            f->lblUscite(p).Caption = std::to_string(p);
        }
        f->lblDadiUsciti(c.player).Caption = "3";
        place(c.pawn, c.from);
        rolled(c.player, 1, true);
        h.advance(7 * 220);
        EXPECT_EQ(text(f->lblDadiUsciti(c.player)), "4") << c.player;
        EXPECT_EQ(f->BackColor(), c.window) << c.player;
        EXPECT_EQ(f->ShpForme(0).BackColor.get(), c.area) << c.player;
        EXPECT_EQ(text(f->lblPartiteVinte(c.player)), "1");
        EXPECT_EQ(text(f->lblPed(0)), "0");
        EXPECT_TRUE(f->TmrPannelloVittoria.Enabled) << c.player;
        EXPECT_FALSE(f->TmrAspettaDado.Enabled);
        f->TmrPannelloVittoria.Enabled = false;
    }
}

// A chosen row that names no move (the choice found nothing) moves nothing and
// still hands the turn back, instead of writing into the table's count row.
TEST_F(ComputerTurnTest, AMoveTimerWithoutAChosenRowLeavesTheBoardAloneAndEndsTheTurn) {
    place(5, 7);
    f->lblScelta.Caption = "0";
    f->lblPed(0).Caption = "1";
    f->TmrMossaBlu3.Enabled = true;
    h.advance(7 * 220);
    EXPECT_EQ(text(f->lblCaselle(0)), "0");
    EXPECT_EQ(text(f->lblCaselle(7)), "5");
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);
}
