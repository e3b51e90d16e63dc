// The characters' move choices on the window: their tactic draws, the labels
// they leave, and whole boards where the chosen row follows from the rules.
#include <initializer_list>
#include <string>
#include <utility>

#include "main_window_fixture.h"

namespace {

constexpr tk::Color kLightGreen = 0xC0FFC0, kRed = 0x0000FF;

struct MoveChoice : MainWindowTest {
    // Pawns on cells and pawns out; every other pawn stays parked. Then the
    // candidate rows of the player for the die value.
    void Board(std::initializer_list<std::pair<int, int>> cellPawn, std::initializer_list<int> out = {}) {
        PlacePawns(cellPawn, out);
    }
    void Roll(int player, int die) {
        f->ClearCandidateTable();
        f->lblNumeroDado.Caption = std::to_string(die);
        if (player == 2) f->FindBobCandidateMoves();
        if (player == 3) f->FindGiorgettoCandidateMoves();
        if (player == 4) f->FindCarlaCandidateMoves();
    }
    // The next two tactic draws.
    void Draws(int first, int second) {
        const auto t = h.clock.localTime();
        h.scripted.push(tk::randomFor(first, t.minute, t.second, 8));
        h.scripted.push(tk::randomFor(second, t.minute, t.second, 8));
    }
    std::string Choose(int player, int first, int second) {
        Draws(first, second);
        if (player == 2) f->ChooseBobMove();
        if (player == 3) f->ChooseGiorgettoMove();
        if (player == 4) f->ChooseCarlaMove();
        return f->lblScelta.Caption;
    }
    void ExpectRatings(std::initializer_list<const char*> ratings) {
        int n = 1;
        for (const char* r : ratings) EXPECT_EQ(f->lblAnalisi(n++).Caption.get(), r) << "row " << n - 1;
    }
};

}  // namespace

// ---- Bob ----

TEST_F(MoveChoice, BobWeighsAThreatHeavilyOnlyWithTheLowFirstDraw) {
    // Bob's pawn on 5 with a 1: into the middle ring at 24 (255) where two yellow
    // pawns and a green one threaten it three times, or back round to his start 6 (150).
    Board({{5, 5}, {22, 9}, {23, 10}, {21, 13}});
    Roll(2, 1);
    ASSERT_EQ(f->lblPed(0).Caption.get(), "2");

    // Divisor 6: 255 - 128 (127.5 rounds to the even 128) = 127 against 150.
    EXPECT_EQ(Choose(2, 4, 1), "2");
    ExpectRatings({"-458", "-435"});
    EXPECT_EQ(f->lblAnalisi(0).Caption.get(), "-435");
    EXPECT_EQ(f->lblSceltaTattica.Caption.get(), "4");
    EXPECT_EQ(f->lblSceltaTattica.BackColor.get(), kLightGreen);
    EXPECT_TRUE(f->TmrMossaBlu3.Enabled);

    // Divisor 12: 255 - 64 = 191, so the middle ring wins.
    f->TmrMossaBlu3.Enabled = false;
    EXPECT_EQ(Choose(2, 5, 1), "1");
    ExpectRatings({"-394", "-435"});
    EXPECT_EQ(f->lblSceltaTattica.BackColor.get(), kRed);

    // The labels show the last row rated (the pawn back on his start cell).
    EXPECT_EQ(f->lblContaAnalisi.Caption.get(), "2");
    EXPECT_EQ(f->lbl2Caselle(6).Caption.get(), "5");
    EXPECT_EQ(f->lbl2Caselle(5).Caption.get(), "0");
    EXPECT_EQ(f->lblPunteggio(5).Caption.get(), "150");
    EXPECT_EQ(f->lblMinacce(5).Caption.get(), "0");
    EXPECT_EQ(f->lblPunteggio(9).Caption.get(), "290");
    EXPECT_EQ(f->lblTotale(1).Caption.get(), "0");
    EXPECT_EQ(f->lblTotale(2).Caption.get(), "150");
    EXPECT_EQ(f->lblTotale(3).Caption.get(), "585");
    EXPECT_EQ(f->lblTotale(4).Caption.get(), "270");
    // The choice leaves the board itself alone.
    EXPECT_EQ(f->lblCaselle(5).Caption.get(), "5");
    EXPECT_EQ(f->lblPed(0).Caption.get(), "2");
}

TEST_F(MoveChoice, BobEatsOnlyWhenTheSecondDrawGivesTheBonus) {
    // Row 1: pawn 6 from 2 to 4; row 2: pawn 5 from 10 eats the red pawn on 12 (worth 210).
    // Either way Bob has 420 against the yellow pawn out (1200): a tie, unless the
    // bonus adds 26 (26.25).
    Board({{2, 6}, {10, 5}, {12, 1}}, {9});
    Roll(2, 2);
    ASSERT_EQ(f->lblPos(2).BackColor.get(), kRed);

    EXPECT_EQ(Choose(2, 1, 4), "1");
    ExpectRatings({"-780", "-780"});
    EXPECT_EQ(f->lblSceltaTattica2.BackColor.get(), kLightGreen);
    EXPECT_EQ(f->lblPedinaMangiataColore.Caption.get(), "1");
    EXPECT_EQ(f->lblPedinaMangiataPosizione.Caption.get(), "12");
    EXPECT_EQ(f->lblValorePedinaMangiata.Caption.get(), "");  // no bonus, no value worked out
    // Without the bonus the red pawn still goes back to its parking square.
    EXPECT_EQ(f->lbl2Pedine(1).Caption.get(), "1");
    EXPECT_EQ(f->lblTotale(1).Caption.get(), "0");

    EXPECT_EQ(Choose(2, 1, 5), "2");
    ExpectRatings({"-780", "-754"});
    EXPECT_EQ(f->lblSceltaTattica2.Caption.get(), "5");
    EXPECT_EQ(f->lblSceltaTattica2.BackColor.get(), kRed);
    EXPECT_EQ(f->lblValorePedinaMangiata.Caption.get(), "210");
    EXPECT_EQ(f->lblTotale(2).Caption.get(), "446");
}

TEST_F(MoveChoice, BobWithASixEntersAndEatsTheRedPawnOnHisStartCell) {
    // Pawn 5 on 20 with a 6: on to 24, round the ring onto the red pawn on 6, or
    // pawn 6 enters onto 6 and eats it while pawn 5 stays on 20.
    Board({{20, 5}, {6, 1}});
    Roll(2, 6);
    ASSERT_EQ(f->lblPed(0).Caption.get(), "3");
    EXPECT_EQ(Choose(2, 8, 8), "3");
    ExpectRatings({"75", "172", "397"});  // 255 - 180; 150 + 22 (22.5); 375 + 22
    EXPECT_EQ(f->lblValorePedinaMangiata.Caption.get(), "180");
    EXPECT_EQ(f->lblPedinaMangiataPosizione.Caption.get(), "6");
    EXPECT_EQ(f->lbl2Pedine(6).Caption.get(), "0");
    EXPECT_EQ(f->lbl2Caselle(6).Caption.get(), "6");
}

TEST_F(MoveChoice, ASingleRowIsStillRatedAfterTwoDraws) {
    // The timer path: pawn 5 on his start cell, pawn 6's entry blocked by it.
    Board({{6, 5}}, {7, 8});
    Roll(2, 6);
    const int before = h.scripted.draws();
    EXPECT_EQ(Choose(2, 3, 6), "1");
    EXPECT_EQ(h.scripted.draws() - before, 2);
    EXPECT_EQ(f->lblContaAnalisi.Caption.get(), "1");
    EXPECT_EQ(f->lblAnalisi(2).Caption.get(), "0");
    EXPECT_EQ(f->lblAnalisi(1).Caption.get(), f->lblAnalisi(0).Caption.get());
    EXPECT_EQ(f->lblCaselle(6).Caption.get(), "5");
}

TEST_F(MoveChoice, WithNothingPlayableTheMoveTimerStillTakesTheTurnOn) {
    // Pawn 5's only target is a red pawn on refuge 8: no row to choose, yet the
    // game must not stall.
    Board({{6, 5}, {8, 1}}, {6, 7, 8});
    Roll(2, 2);
    ASSERT_EQ(f->lblMossePossibili.Caption.get(), "0");
    Choose(2, 1, 1);
    EXPECT_EQ(f->lblScelta.Caption.get(), "0");
    EXPECT_TRUE(f->TmrMossaBlu3.Enabled);
    h.advance(7 * 220);  // the whole move: nothing moves, the turn goes on
    EXPECT_EQ(f->lblCaselle(6).Caption.get(), "5");
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);
}

// ---- Giorgetto ----

TEST_F(MoveChoice, GiorgettosFirstDrawSplitsAtTwo) {
    // The same position as Bob's, one colour on: pawn 9 on 10 with a 1 goes to 27,
    // threatened by the green pawns on 25 and 26 and the red one on 24, or to 11.
    Board({{10, 9}, {25, 13}, {26, 14}, {24, 1}});
    Roll(3, 1);
    EXPECT_EQ(Choose(3, 2, 1), "2");
    ExpectRatings({"-458", "-435"});
    EXPECT_EQ(f->lblSceltaTattica.BackColor.get(), kLightGreen);
    EXPECT_TRUE(f->TmrMossaGiallo3.Enabled);
    EXPECT_FALSE(f->TmrMossaBlu3.Enabled);
    EXPECT_EQ(Choose(3, 3, 1), "1");
    ExpectRatings({"-394", "-435"});
    EXPECT_EQ(f->lblSceltaTattica.Caption.get(), "3");
    EXPECT_EQ(f->lblSceltaTattica.BackColor.get(), kRed);
}

TEST_F(MoveChoice, GiorgettosSecondDrawSplitsAtTwo) {
    Board({{7, 10}, {15, 9}, {17, 5}}, {13});
    Roll(3, 2);
    EXPECT_EQ(Choose(3, 1, 2), "1");
    ExpectRatings({"-780", "-780"});
    EXPECT_EQ(Choose(3, 1, 3), "2");
    ExpectRatings({"-780", "-754"});
    EXPECT_EQ(f->lblValorePedinaMangiata.Caption.get(), "210");
}

TEST_F(MoveChoice, GiorgettoTakesAPawnHome) {
    // Pawn 10 on 26 with a 1: on to 35 or round to 27; pawn 9 on 33 leaves on 34.
    // The red pawn on 30 threatens both yellow pawns on 33 and 35.
    Board({{26, 10}, {33, 9}, {30, 1}});
    Roll(3, 1);
    ASSERT_EQ(f->lblPed(0).Caption.get(), "3");
    EXPECT_EQ(Choose(3, 1, 1), "3");
    ExpectRatings({"533", "455", "1250"});
    EXPECT_EQ(f->lbl2Caselle(34).Caption.get(), "0");
    EXPECT_EQ(f->lbl2Uscite(9).Caption.get(), "9");
    EXPECT_EQ(f->lblPunteggio(9).Caption.get(), "1200");
    EXPECT_EQ(f->lblMinacce(9).Caption.get(), "0");
    EXPECT_EQ(Choose(3, 8, 1), "3");
    ExpectRatings({"617", "505", "1250"});
}

// ---- Carla ----

TEST_F(MoveChoice, CarlasFirstDrawSplitsAtSix) {
    Board({{15, 13}, {28, 1}, {29, 2}, {27, 5}});
    Roll(4, 1);
    EXPECT_EQ(Choose(4, 6, 1), "2");
    ExpectRatings({"-458", "-435"});
    EXPECT_EQ(f->lblSceltaTattica.BackColor.get(), kLightGreen);
    EXPECT_TRUE(f->TmrMossaVerde3.Enabled);
    EXPECT_EQ(Choose(4, 7, 1), "1");
    ExpectRatings({"-394", "-435"});
    EXPECT_EQ(f->lblSceltaTattica.BackColor.get(), kRed);
}

TEST_F(MoveChoice, CarlasSecondDrawSplitsAtSix) {
    Board({{12, 14}, {20, 13}, {2, 9}}, {1});
    Roll(4, 2);
    EXPECT_EQ(Choose(4, 1, 6), "1");
    ExpectRatings({"-780", "-780"});
    EXPECT_EQ(f->lblSceltaTattica2.BackColor.get(), kLightGreen);
    EXPECT_EQ(Choose(4, 1, 7), "2");
    ExpectRatings({"-780", "-754"});
    EXPECT_EQ(f->lblSceltaTattica2.BackColor.get(), kRed);
    EXPECT_EQ(f->lblPedinaMangiataColore.Caption.get(), "9");
}

TEST_F(MoveChoice, CarlaGoesOnceRoundTheInnerRing) {
    // Pawn 14 on 12 with a 4: into the middle ring at 30 or round to her start 16;
    // pawn 13 on 36 goes once round and stays. The yellow pawn on 26 threatens 30 once
    // and 36 twice. With divisor 12 the loop wins by a single point.
    Board({{12, 14}, {36, 13}, {26, 9}});
    Roll(4, 4);
    ASSERT_EQ(f->lblPos(3).BackColor.get(), 0xFFC0C0u);
    EXPECT_EQ(Choose(4, 1, 1), "3");
    ExpectRatings({"130", "67", "152"});
    EXPECT_EQ(Choose(4, 8, 1), "3");
    ExpectRatings({"217", "133", "218"});
    EXPECT_EQ(f->lbl2Caselle(36).Caption.get(), "13");
    EXPECT_EQ(f->lblMinacce(13).Caption.get(), "2");
    EXPECT_EQ(f->lblPunteggio(13).Caption.get(), "333");
}

// ---- The scoring procedures on the labels ----

TEST_F(MoveChoice, ScorePawnPositionsReadsTheScratchBoardAsItStands) {
    auto& w = *f;
    for (int p = 1; p <= 16; ++p) {
        w.lblPunteggio(p).Caption = "9";
        w.lblMinacce(p).Caption = "9";
    }
    w.lblTotale(2).Caption = "9";
    w.lbl2Caselle(3).Caption = "5";    // blue on its step 18
    w.lbl2Caselle(29).Caption = "16";  // green on its step 32
    w.lbl2Caselle(7).Caption = "05";   // not exactly a pawn number: not scored
    w.lbl2Caselle(8).Caption = " 9";
    w.lbl2Uscite(2).Caption = "2";
    w.lbl2Pedine(4).Caption = "4";
    w.cmdAnalisiPunteggio_Click();
    EXPECT_EQ(w.lblPunteggio(5).Caption.get(), "270");
    EXPECT_EQ(w.lblPunteggio(16).Caption.get(), "350");
    EXPECT_EQ(w.lblPunteggio(2).Caption.get(), "1200");
    EXPECT_EQ(w.lblPunteggio(9).Caption.get(), "0");
    EXPECT_EQ(w.lblPunteggio(4).Caption.get(), "0");
    EXPECT_EQ(w.lblMinacce(12).Caption.get(), "0");
    EXPECT_EQ(w.lblTotale(2).Caption.get(), "0");
}

TEST_F(MoveChoice, ComputeEatenPawnValueUsesTheEatenPawnsOwnPath) {
    auto& w = *f;
    w.lblPedinaMangiataColore.Caption = "3";
    w.lblPedinaMangiataPosizione.Caption = "30";
    w.ComputeEatenPawnValue();
    EXPECT_EQ(w.lblValorePedinaMangiata.Caption.get(), "300");
    w.lblPedinaMangiataColore.Caption = "15";
    w.ComputeEatenPawnValue();
    EXPECT_EQ(w.lblValorePedinaMangiata.Caption.get(), "255");
    for (const char* bad : {"0", "17", ""}) {
        w.lblPedinaMangiataColore.Caption = bad;
        w.ComputeEatenPawnValue();
        EXPECT_EQ(w.lblValorePedinaMangiata.Caption.get(), "255") << bad;
    }
    w.lblPedinaMangiataColore.Caption = "3";
    w.lblPedinaMangiataPosizione.Caption = "37";
    w.ComputeEatenPawnValue();
    EXPECT_EQ(w.lblValorePedinaMangiata.Caption.get(), "255");
}
