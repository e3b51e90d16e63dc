// The evaluation core: pawn values, rounding, the rating of a row and the choice among rows.
#include <gtest/gtest.h>

#include "ai/evaluation.h"
#include "board/board_geometry.h"

using namespace zirimbo::ai;

TEST(PositionalValue, FollowsEachColoursOwnPath) {
    // Refuge 3 for each colour.
    EXPECT_EQ(PositionalValue(1, 3), 240);
    EXPECT_EQ(PositionalValue(5, 3), 270);
    EXPECT_EQ(PositionalValue(9, 3), 260);
    EXPECT_EQ(PositionalValue(13, 3), 250);
    // Cell 33: blue's exit.
    EXPECT_EQ(PositionalValue(2, 33), 400);
    EXPECT_EQ(PositionalValue(6, 33), 1200);
    EXPECT_EQ(PositionalValue(10, 33), 600);
    EXPECT_EQ(PositionalValue(14, 33), 600);
    // Green along its path.
    EXPECT_EQ(PositionalValue(16, 16), 150);
    EXPECT_EQ(PositionalValue(16, 15), 250);
    EXPECT_EQ(PositionalValue(16, 30), 255);
    EXPECT_EQ(PositionalValue(16, 29), 350);
    EXPECT_EQ(PositionalValue(7, 1), 230);
    EXPECT_EQ(PositionalValue(11, 20), 200);
}

TEST(PositionalValue, ScoresParkedOutAndStandingPawns) {
    Board b;
    b.cell[30] = 2;   // red step 30
    b.cell[21] = 14;  // green step 24
    b.out[9] = 9;
    b.parked[5] = 5;
    std::array<std::int16_t, 17> score;
    score.fill(77);
    ScorePawns(b, score);
    EXPECT_EQ(score[2], 300);
    EXPECT_EQ(score[14], 270);
    EXPECT_EQ(score[9], 1200);
    EXPECT_EQ(score[5], 0);
    EXPECT_EQ(score[1], 0);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(12.5), 12);
    EXPECT_EQ(RoundHalfEven(22.5), 22);
    EXPECT_EQ(RoundHalfEven(37.5), 38);
    EXPECT_EQ(RoundHalfEven(78.5), 78);
    EXPECT_EQ(RoundHalfEven(27.5), 28);
    EXPECT_EQ(RoundHalfEven(18.75), 19);
    EXPECT_EQ(RoundHalfEven(21.875), 22);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);

    EXPECT_EQ(150 - ThreatReduction(150, 6, 1), 125);
    EXPECT_EQ(150 - ThreatReduction(150, 12, 1), 138);
    EXPECT_EQ(150 - ThreatReduction(150, 12, 3), 112);
    EXPECT_EQ(300 - ThreatReduction(300, 6, 7), -50);

    EXPECT_EQ(EatBonus(180), 22);
    EXPECT_EQ(EatBonus(150), 19);
    EXPECT_EQ(EatBonus(300), 38);
    EXPECT_EQ(EatBonus(175), 22);
    EXPECT_EQ(EatBonus(220), 28);
}

namespace {
// Every pawn parked except those placed.
Board StartingBoard() {
    Board b;
    for (int p = 1; p <= 16; ++p) b.parked[p] = static_cast<std::uint8_t>(p);
    return b;
}
void Place(Board& b, int cell, int pawn) {
    b.cell[cell] = static_cast<std::uint8_t>(pawn);
    b.parked[pawn] = 0;
}
void SetOut(Board& b, int pawn) {
    b.out[pawn] = static_cast<std::uint8_t>(pawn);
    b.parked[pawn] = 0;
}
Candidate Row(int pawn, int source, int target, bool playable = true, bool eats = false, bool entry = false) {
    Candidate c;
    c.pawn = static_cast<std::uint8_t>(pawn);
    c.source = static_cast<std::uint8_t>(source);
    c.target = static_cast<std::uint8_t>(target);
    c.playable = playable;
    c.eats = eats;
    c.entry = entry;
    return c;
}
CandidateTable Rows(std::initializer_list<Candidate> rows) {
    CandidateTable t;
    for (const Candidate& r : rows) t.row[++t.count] = r;
    return t;
}
}  // namespace

TEST(PlayRow, SourceEmptiedBeforeTheTarget) {
    Board b = StartingBoard();
    Place(b, 34, 5);
    // Once round the inner ring: the pawn stays where it stood.
    PlayRow(b, Row(5, 34, 34), 33);
    EXPECT_EQ(b.cell[34], 5);
    // Onto the exit cell: the pawn leaves the board, eating what stood there first.
    Place(b, 33, 1);
    EXPECT_EQ(PlayRow(b, Row(5, 34, 33, true, true), 33), 1);
    EXPECT_EQ(b.cell[33], 0);
    EXPECT_EQ(b.cell[34], 0);
    EXPECT_EQ(b.out[5], 5);
    EXPECT_NE(b.parked[1], 0);
    // An entry leaves the parking square, not a cell: pawn 6's square is not cell 6.
    Board e = StartingBoard();
    Place(e, 1, 2);
    PlayRow(e, Row(6, 6, 6, true, false, true), 33);
    EXPECT_EQ(e.parked[6], 0);
    EXPECT_EQ(e.cell[6], 6);
    EXPECT_EQ(e.cell[1], 2);
}

TEST(ChooseMove, TiesGoToTheLowestPlayableRow) {
    // Blue pawns on 9 (170) and 14 (195); either steps one cell on, safely: 370 both ways.
    Board b = StartingBoard();
    Place(b, 9, 5);
    Place(b, 14, 6);
    Evaluation e;
    CandidateTable t = Rows({Row(5, 9, 14, false), Row(6, 14, 15), Row(5, 9, 10)});
    ChooseMove(kBob, {12, false}, b, t, e);
    EXPECT_EQ(e.rated, 2);
    EXPECT_EQ(e.rating[1], 0);
    EXPECT_EQ(e.rating[2], 370);
    EXPECT_EQ(e.rating[3], 370);
    EXPECT_EQ(e.chosen, 2);
}

TEST(ChooseMove, ABestOfZeroNeverPicksARowThatIsNotPlayable) {
    // Bob enters on 6 (150) against a yellow pawn on its start 11 (150): rating 0.
    Board b = StartingBoard();
    Place(b, 11, 9);
    Evaluation e;
    CandidateTable t = Rows({Row(6, 20, 22, false), Row(5, 5, 6, true, false, true)});
    ChooseMove(kBob, {6, false}, b, t, e);
    EXPECT_EQ(e.rating[1], 0);
    EXPECT_EQ(e.rating[2], 0);
    EXPECT_EQ(e.rating[0], 0);
    EXPECT_EQ(e.chosen, 2);
}

TEST(ChooseMove, AllRatingsNegativeAndASingleRow) {
    Board b = StartingBoard();
    SetOut(b, 9);
    Evaluation e;
    ChooseMove(kBob, {6, false}, b, Rows({Row(5, 5, 6, true, false, true)}), e);
    EXPECT_EQ(e.rating[1], 150 - 1200);
    EXPECT_EQ(e.rating[0], -1050);
    EXPECT_EQ(e.chosen, 1);
}

TEST(ChooseMove, NothingPlayableChoosesNothing) {
    Board b = StartingBoard();
    Evaluation e;
    ChooseMove(kBob, {6, false}, b, Rows({Row(5, 5, 6, false, false, true)}), e);
    EXPECT_EQ(e.rated, 0);
    EXPECT_EQ(e.chosen, 0);
    EXPECT_EQ(e.rating[0], 0);
}

TEST(ChooseMove, AHeavilyThreatenedPawnScoresBelowZero) {
    // Bob's pawn on 21 (his step 30, 300) with seven threats; T = 6 takes 350.
    Board b = StartingBoard();
    Place(b, 21, 5);
    Place(b, 27, 9);
    Place(b, 28, 10);
    Place(b, 29, 11);
    Place(b, 30, 12);
    Place(b, 31, 13);
    Place(b, 32, 14);
    Place(b, 15, 1);
    Evaluation e;
    ChooseMove(kBob, {6, false}, b, Rows({Row(6, 6, 6, true, false, true)}), e);
    EXPECT_EQ(e.threats[5], 7);
    EXPECT_EQ(e.score[5], -50);
    EXPECT_EQ(e.threats[6], 0);
    EXPECT_EQ(e.total[2], -50 + 150);
    EXPECT_EQ(e.chosen, 1);
}

TEST(ChooseMove, RatingIsAgainstTheStrongestOpponentWhoeverItIs) {
    // Giorgetto 1000 (600 on 33, 400 on 35), red 900 (refuges 13, 8, 3 and cell 1),
    // and a pawn out (1200) for Bob on one board, for Carla on the other: -200 both times.
    for (int strongest : {2, 4}) {
        Board b = StartingBoard();
        Place(b, 33, 9);
        Place(b, 35, 10);
        Place(b, 13, 1);
        Place(b, 8, 2);
        Place(b, 3, 3);
        Place(b, 1, 4);
        if (strongest == 2) {
            SetOut(b, 5);
            Place(b, 16, 13);
        } else {
            Place(b, 6, 5);
            SetOut(b, 13);
        }
        Evaluation e;
        // Once round the inner ring with a 4: the position stays as it is.
        ChooseMove(kGiorgetto, {12, false}, b, Rows({Row(9, 33, 33)}), e);
        EXPECT_EQ(e.total[1], 900);
        EXPECT_EQ(e.total[3], 1000);
        EXPECT_EQ(e.total[strongest], 1200);
        EXPECT_EQ(e.total[6 - strongest], 150);
        EXPECT_EQ(e.rating[1], -200);
    }
}
