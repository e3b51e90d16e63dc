#include <string>
#include <tuple>
#include <vector>

#include "board/players.h"
#include "form/move_classes.h"
#include "turn_cycle_fixture.h"

namespace mc = zirimbo::move_class;

namespace {
// pawn, source, target of every row, in row order.
using Row = std::tuple<int, int, int>;
}  // namespace

struct CandidateTest : TurnCycleTest {
    std::vector<Row> rows() {
        std::vector<Row> out;
        const int count = std::stoi(text(f->lblPed(0)));
        EXPECT_EQ(text(f->lblPos(0)), text(f->lblPed(0)));
        for (int n = 1; n <= count; ++n)
            out.emplace_back(std::stoi(text(f->lblPed(n))), std::stoi(text(f->lblPos(n))),
                             std::stoi(text(f->lblFinale(n))));
        return out;
    }
    tk::Color cls(int n) { return f->lblPos(n).BackColor; }
    bool playable(int n) { return f->lblPed(n).ForeColor == zirimbo::colour::Red; }
    // Red's turn after a roll of d, as the die's last tick starts it.
    void redTurn(int d) {
        f->lblNumeroDado.Caption = std::to_string(d);
        f->ClearCandidateTable();
        f->PrepareRedTurn();
    }
    void rowsOf(int pawn, int cell, int d, zirimbo::ControlArray<zirimbo::Label>& path) {
        f->ClearCandidateTable();
        f->lblNumeroDado.Caption = std::to_string(d);
        f->AddCandidateRows(pawn, cell, path);
    }
};

// The target rule along the path and round the ring the pawn stands on.
TEST_F(CandidateTest, PathTargetsPassTheExitAndRingTargetsStayOnTheRing) {
    rowsOf(1, 35, 6, f->lblPerR);
    EXPECT_EQ(rows(), (std::vector<Row>{{1, 35, 33}}));  // past red's exit, round the inner ring
    rowsOf(5, 34, 3, f->lblPerB);
    EXPECT_EQ(rows(), (std::vector<Row>{{5, 34, 33}}));  // blue's exit cell
    rowsOf(2, 18, 4, f->lblPerR);
    EXPECT_EQ(rows(), (std::vector<Row>{{2, 18, 22}, {2, 18, 2}}));
    rowsOf(1, 20, 1, f->lblPerR);
    EXPECT_EQ(rows(), (std::vector<Row>{{1, 20, 21}, {1, 20, 1}}));
    rowsOf(1, 32, 6, f->lblPerR);
    EXPECT_EQ(rows(), (std::vector<Row>{{1, 32, 34}, {1, 32, 26}}));
    rowsOf(1, 30, 5, f->lblPerR);
    EXPECT_EQ(rows(), (std::vector<Row>{{1, 30, 35}, {1, 30, 23}}));
    rowsOf(1, 34, 2, f->lblPerR);
    EXPECT_EQ(rows(), (std::vector<Row>{{1, 34, 36}}));
    // The other colours by the same rule.
    rowsOf(6, 3, 4, f->lblPerB);
    EXPECT_EQ(rows(), (std::vector<Row>{{6, 3, 25}, {6, 3, 7}}));
    rowsOf(6, 5, 1, f->lblPerB);
    EXPECT_EQ(rows(), (std::vector<Row>{{6, 5, 24}, {6, 5, 6}}));
    rowsOf(7, 22, 3, f->lblPerB);
    EXPECT_EQ(rows(), (std::vector<Row>{{7, 22, 35}, {7, 22, 25}}));
    rowsOf(8, 36, 2, f->lblPerB);
    EXPECT_EQ(rows(), (std::vector<Row>{{8, 36, 34}}));
    rowsOf(10, 10, 2, f->lblPerG);
    EXPECT_EQ(rows(), (std::vector<Row>{{10, 10, 28}, {10, 10, 12}}));
    rowsOf(14, 15, 6, f->lblPerV);
    EXPECT_EQ(rows(), (std::vector<Row>{{14, 15, 23}, {14, 15, 1}}));
}

TEST_F(CandidateTest, AMiddleCellGoesOnRoundItsRingAndInnerCellsHaveNoRingTarget) {
    const int ring[7] = {0, 31, 32, 21, 22, 23, 24};
    for (int d = 1; d <= 6; ++d) {
        rowsOf(13, 30, d, f->lblPerV);  // green turns inward after 29: every roll stays a ring move...
        EXPECT_EQ(std::get<2>(rows().back()), ring[d]) << d;
        rowsOf(1, 30, d, f->lblPerR);  // ...red leaves the middle ring from 3 on
        EXPECT_EQ(std::get<2>(rows().back()), ring[d]) << d;
        EXPECT_EQ(rows().size(), d >= 3 ? 2u : 1u) << d;
    }
    for (int cell = 33; cell <= 36; ++cell)
        for (int d = 1; d <= 6; ++d) {
            rowsOf(1, cell, d, f->lblPerR);
            EXPECT_EQ(rows().size(), 1u) << cell << " " << d;
        }
}

// Classes, flags and counts of red's rows.
TEST_F(CandidateTest, RowsAreClassifiedByWhatStandsOnTheTarget) {
    place(1, 33);  // 4: once round the inner ring onto its own cell
    place(2, 10);  // 4 -> 14: a green pawn there, eaten
    place(3, 4);   // 4 -> 8: refuge with a blue pawn, blocked
    place(4, 17);  // 4 -> 21 (empty) and 1 (empty)
    place(14, 14);
    place(6, 8);
    redTurn(4);
    EXPECT_EQ(rows(), (std::vector<Row>{{3, 4, 8}, {2, 10, 14}, {4, 17, 21}, {4, 17, 1}, {1, 33, 33}}));
    EXPECT_EQ(cls(1), mc::Refuge);
    EXPECT_FALSE(playable(1));
    EXPECT_EQ(cls(2), mc::Eats);
    EXPECT_EQ(cls(3), mc::Empty);
    EXPECT_EQ(cls(4), mc::Empty);
    EXPECT_EQ(cls(5), mc::OwnCell);
    for (int n = 2; n <= 5; ++n) EXPECT_TRUE(playable(n)) << n;
    EXPECT_EQ(text(f->lblMossePossibili), "4");
    EXPECT_EQ(text(f->lblPedineGiocabili), "3");
    EXPECT_EQ(text(f->lblSpiegazioni), "Clicca su una delle 3 tue pedine giocabili (contrassegnate dalla 'X')");
    // Flags and 'X' marks on the playable pawns only.
    EXPECT_EQ(f->lblCaselle(4).ForeColor.get(), zirimbo::colour::Black);
    for (int c : {10, 17, 33}) {
        EXPECT_EQ(f->lblCaselle(c).ForeColor.get(), zirimbo::colour::Red) << c;
        EXPECT_TRUE(shows(f->ImgGif(c), "R2")) << c;
    }
    EXPECT_TRUE(shows(f->ImgGif(4), "R1"));
    EXPECT_EQ(text(f->lblFaseMossa), "1");
    EXPECT_EQ(text(f->lblPuoiGiocare), "Si");
    EXPECT_EQ(plays("mmcTic"), 1);
}

TEST_F(CandidateTest, APawnWithAPlayableAndABlockedRowCountsOnce) {
    place(2, 18);
    place(3, 22);  // 18 + 4 -> 22: own pawn
    place(9, 2);   // and -> 2: yellow pawn, eaten
    redTurn(4);
    EXPECT_EQ(rows(), (std::vector<Row>{{2, 18, 22}, {2, 18, 2}, {3, 22, 26}}));
    EXPECT_EQ(cls(1), mc::OwnPawn);
    EXPECT_FALSE(playable(1));
    EXPECT_EQ(cls(2), mc::Eats);
    EXPECT_EQ(text(f->lblMossePossibili), "2");
    EXPECT_EQ(text(f->lblPedineGiocabili), "2");
    EXPECT_EQ(text(f->lblSpiegazioni), "Clicca su una delle 2 tue pedine giocabili (contrassegnate dalla 'X')");
}

TEST_F(CandidateTest, OnASixOnlyTheLowestParkedPawnIsOfferedAndItMayEatOnTheStartCell) {
    f->lblVoceOpzione(2).Caption = "Sì";
    place(6, 1);  // a blue pawn on red's start cell: not a refuge
    redTurn(6);
    EXPECT_EQ(rows(), (std::vector<Row>{{1, 1, 1}}));
    EXPECT_EQ(f->lblPos(1).BorderStyle.get(), 1);
    EXPECT_EQ(cls(1), mc::Eats);
    EXPECT_EQ(f->lblPedine(1).ForeColor.get(), zirimbo::colour::Red);
    for (int k = 2; k <= 4; ++k) EXPECT_EQ(f->lblPedine(k).ForeColor.get(), zirimbo::colour::Black);
    EXPECT_TRUE(shows(f->ImgPartenza(1), "R2"));
    EXPECT_EQ(text(f->lblSpiegazioni), "Clicca sull'unica tua pedina giocabile (contrassegnata dalla 'X')");
    EXPECT_TRUE(f->TmrGiocaAutomatico.Enabled);

    // Parked pawns 2 and 4 only: pawn 2 is offered.
    f->TmrGiocaAutomatico.Enabled = false;
    f->ResetCandidatesAndPlayableFlags();
    f->lblPedine(1).Caption = "0";
    f->lblPedine(3).Caption = "0";
    f->lblCaselle(1).Caption = "0";
    redTurn(6);
    EXPECT_EQ(rows(), (std::vector<Row>{{2, 2, 1}}));
    EXPECT_EQ(cls(1), mc::Empty);
}

TEST_F(CandidateTest, TheEntryOntoAnOwnPawnOnTheStartCellIsBlocked) {
    f->lblVoceOpzione(2).Caption = "No";
    place(1, 1);
    redTurn(6);
    EXPECT_EQ(rows(), (std::vector<Row>{{1, 1, 7}, {2, 2, 1}}));
    EXPECT_EQ(cls(1), mc::Empty);
    EXPECT_EQ(cls(2), mc::OwnPawn);  // source "2" differs from "1", and the border marks an entry
    EXPECT_FALSE(playable(2));
    EXPECT_EQ(f->lblPedine(2).ForeColor.get(), zirimbo::colour::Black);
    EXPECT_EQ(f->lblCaselle(1).ForeColor.get(), zirimbo::colour::Red);
    EXPECT_TRUE(shows(f->ImgPartenza(2), "R1"));
    EXPECT_FALSE(f->TmrGiocaAutomatico.Enabled);  // option off: the prompt waits for the human

    // Pawn 1's own entry row ("1" to "1") is blocked too, not an inner-ring loop.
    f->ResetCandidatesAndPlayableFlags();
    f->lblCaselle(1).Caption = "2";
    f->lblPedine(2).Caption = "0";
    f->lblPedine(1).Caption = "1";
    redTurn(6);
    EXPECT_EQ(rows(), (std::vector<Row>{{2, 1, 7}, {1, 1, 1}}));
    EXPECT_EQ(cls(2), mc::OwnPawn);
}

TEST_F(CandidateTest, AnEmptyRefugeIsAnOrdinaryTarget) {
    place(3, 5);
    redTurn(3);
    EXPECT_EQ(rows(), (std::vector<Row>{{3, 5, 8}}));
    EXPECT_EQ(cls(1), mc::Empty);
}

TEST_F(CandidateTest, WithNoPlayablePawnRedSkipsAndAnOpenPanelCloses) {
    f->Shape3(2).BackColor = zirimbo::colour::White;
    f->lblScrittaPulsanti(2).ForeColor = zirimbo::colour::Red;
    f->FraPannello(2).Visible = true;
    redTurn(5);
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(text(f->lblMossePossibili), "0");
    EXPECT_EQ(text(f->lblPedineGiocabili), "0");
    EXPECT_EQ(text(f->lblSpiegazioni), "Non hai pedine giocabili, devi saltare il tuo turno!!");
    EXPECT_EQ(f->ShpForme(0).BackColor.get(), 0x8080FFu);
    EXPECT_EQ(f->Shape3(2).BackColor.get(), zirimbo::colour::Panel);
    EXPECT_EQ(f->lblScrittaPulsanti(2).ForeColor.get(), zirimbo::colour::Black);
    EXPECT_FALSE(f->FraPannello(2).Visible);
    EXPECT_EQ(text(f->lblPuoiGiocare), "No");
    EXPECT_EQ(text(f->lblFaseMossa), "1");
    EXPECT_EQ(plays("mmcDeng"), 1);
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);
    EXPECT_EQ(f->TmrAspettaDado.Interval.get(), 1500);
}

// The three table resets.
TEST_F(CandidateTest, ClearingTheTableKeepsTheFlagsAndTheFullResetKeepsTheChoice) {
    place(1, 10);
    redTurn(6);
    f->lblScelta.Caption = "1";
    f->lblFinale(0).Caption = "9";
    f->ClearCandidateTable();
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(text(f->lblScelta), "0");
    EXPECT_EQ(text(f->lblFinale(0)), "9");
    EXPECT_EQ(text(f->lblMossePossibili), "2");
    EXPECT_EQ(f->lblCaselle(10).ForeColor.get(), zirimbo::colour::Red);
    EXPECT_EQ(f->lblPedine(2).ForeColor.get(), zirimbo::colour::Red);
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(f->lblPos(n).BackColor.get(), mc::None);
        EXPECT_EQ(f->lblPos(n).BorderStyle.get(), 0);
        EXPECT_EQ(f->lblPed(n).ForeColor.get(), zirimbo::colour::Black);
    }

    redTurn(6);
    f->lblScelta.Caption = "2";
    f->ResetCandidatesAndPlayableFlags();
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(text(f->lblFinale(0)), "0");
    EXPECT_EQ(text(f->lblScelta), "2");
    EXPECT_EQ(f->lblCaselle(10).ForeColor.get(), zirimbo::colour::Black);
    EXPECT_EQ(f->lblPedine(2).ForeColor.get(), zirimbo::colour::Black);
}

TEST_F(CandidateTest, ResettingTheBoardMidGamePutsEveryPawnHome) {
    place(1, 10);
    place(7, 33);
    place(16, 2);
    f->lblPedine(3).Caption = "0";
    f->lblUscite(3).Caption = "3";
    f->lblDadiUsciti(1).Caption = "1";
    f->cmdVisualizzaPedine_Click();
    EXPECT_TRUE(shows(f->ImgDadiUsciti(3), "R1"));
    f->ResetBoardForNewGame();
    for (int c = 1; c <= 36; ++c) {
        EXPECT_EQ(text(f->lblCaselle(c)), "0");
        EXPECT_EQ(f->ImgGif(c).Picture.get(), "") << c;
    }
    for (int p = 1; p <= 16; ++p) {
        EXPECT_EQ(text(f->lblPedine(p)), std::to_string(p));
        EXPECT_EQ(text(f->lblUscite(p)), "0");
        EXPECT_EQ(f->ImgDadiUsciti(p).Picture.get(), "");
        EXPECT_NE(f->ImgPartenza(p).Picture.get(), "") << p;
    }
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(text(f->lblDadiUsciti(k)), "0");
}

// The shared builder, as the computer players use it.
TEST_F(CandidateTest, TheBuilderServesEveryColourWithItsOwnPawnsAndStartCell) {
    place(6, 6);  // Bob's pawn 6 on his start cell
    place(1, 9);  // a red pawn 3 ahead of it
    f->lblNumeroDado.Caption = "6";
    f->ClearCandidateTable();
    EXPECT_EQ(f->BuildCandidateTable(zirimbo::players::kBob, f->lblPerB), 5);
    EXPECT_EQ(rows(), (std::vector<Row>{{6, 6, 12}, {5, 5, 6}}));
    EXPECT_EQ(cls(1), mc::Empty);
    EXPECT_EQ(cls(2), mc::OwnPawn);
    EXPECT_EQ(text(f->lblPedineGiocabili), "1");
    EXPECT_EQ(f->lblPedine(5).ForeColor.get(), zirimbo::colour::Black);  // flags are red's only

    place(16, 16);  // Carla's pawn 16 parked elsewhere; her start cell holds her own pawn
    f->lblCaselle(16).Caption = "13";
    f->lblPedine(13).Caption = "0";
    f->lblPedine(16).Caption = "16";
    f->ClearCandidateTable();
    EXPECT_EQ(f->BuildCandidateTable(zirimbo::players::kCarla, f->lblPerV), 14);
    EXPECT_EQ(std::get<2>(rows().back()), 16);
    EXPECT_EQ(cls(static_cast<int>(rows().size())), mc::OwnPawn);
}
