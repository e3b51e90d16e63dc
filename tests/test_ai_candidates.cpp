// The computer players' candidate moves after their roll.
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "main_window_fixture.h"

namespace {

constexpr tk::Color kEmpty = 0xC0C0FF, kEats = 0x0000FF, kOwnCell = 0xFFC0C0, kOwnPawn = 0xFFC0FF, kRefuge = 0xC0C0C0;

struct ExpectedRow {
    int pawn, source, target;
    tk::Color cls;
    bool entry = false;
};

struct ComputerCandidates : MainWindowTest {
    // Pawns on cells; every other pawn stays parked unless listed as out.
    void Board(std::initializer_list<std::pair<int, int>> cellPawn, int die, std::initializer_list<int> out = {}) {
        PlacePawns(cellPawn, out);
        f->lblNumeroDado.Caption = std::to_string(die);
    }
    void ExpectRows(const std::vector<ExpectedRow>& rows) {
        auto& w = *f;
        ASSERT_EQ(w.lblPed(0).Caption.get(), std::to_string(rows.size()));
        EXPECT_EQ(w.lblPos(0).Caption.get(), std::to_string(rows.size()));
        int playable = 0;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int n = static_cast<int>(i) + 1;
            const ExpectedRow& r = rows[i];
            EXPECT_EQ(w.lblPed(n).Caption.get(), std::to_string(r.pawn)) << "row " << n;
            EXPECT_EQ(w.lblPos(n).Caption.get(), std::to_string(r.source)) << "row " << n;
            EXPECT_EQ(w.lblFinale(n).Caption.get(), std::to_string(r.target)) << "row " << n;
            EXPECT_EQ(w.lblPos(n).BackColor.get(), r.cls) << "row " << n;
            EXPECT_EQ(w.lblPos(n).BorderStyle.get(), r.entry ? 1 : 0) << "row " << n;
            const bool isPlayable = r.cls == kEmpty || r.cls == kEats || r.cls == kOwnCell;
            EXPECT_EQ(w.lblPed(n).ForeColor.get(), isPlayable ? 0x0000FFu : 0u) << "row " << n;
            playable += isPlayable;
        }
        EXPECT_EQ(w.lblMossePossibili.Caption.get(), std::to_string(playable));
    }
};

}  // namespace

TEST_F(ComputerCandidates, BobLeavingARingGetsBothTargets) {
    Board({{3, 5}}, 4);
    f->FindBobCandidateMoves();
    ExpectRows({{5, 3, 25, kEmpty}, {5, 3, 7, kEmpty}});
    // One pawn with two playable rows counts once.
    EXPECT_EQ(f->lblPedineGiocabili.Caption.get(), "1");
}

TEST_F(ComputerCandidates, BobOnHisTurnCellsAndWithinARing) {
    Board({{5, 5}, {7, 6}, {22, 7}}, 1);
    f->FindBobCandidateMoves();
    // Cell 5 with a 1: into the middle ring or on to 6; 7 and 22 stay on their rings.
    ExpectRows({{5, 5, 24, kEmpty}, {5, 5, 6, kEmpty}, {6, 7, 8, kEmpty}, {7, 22, 23, kEmpty}});
    EXPECT_EQ(f->lblPedineGiocabili.Caption.get(), "3");

    // With a 3: 7 stays on its ring (10), 22 turns inwards (35) or goes round (25).
    f->ClearCandidateTable();
    f->lblCaselle(5).Caption = "0";
    f->lblNumeroDado.Caption = "3";
    f->FindBobCandidateMoves();
    ExpectRows({{6, 7, 10, kEmpty}, {7, 22, 35, kEmpty}, {7, 22, 25, kEmpty}});
}

TEST_F(ComputerCandidates, BobOnTheInnerRing) {
    Board({{34, 5}}, 4);
    f->FindBobCandidateMoves();
    ExpectRows({{5, 34, 34, kOwnCell}});

    f->ClearCandidateTable();
    f->lblCaselle(34).Caption = "0";
    f->lblCaselle(36).Caption = "5";
    f->lblNumeroDado.Caption = "2";
    f->FindBobCandidateMoves();
    // Past his exit cell 33 without stopping: on round the inner ring, one row only.
    ExpectRows({{5, 36, 34, kEmpty}});
}

TEST_F(ComputerCandidates, GiorgettoAndCarlaOnTheirOuterTurnCells) {
    Board({{10, 9}}, 2);
    f->FindGiorgettoCandidateMoves();
    ExpectRows({{9, 10, 28, kEmpty}, {9, 10, 12, kEmpty}});

    f->ClearCandidateTable();
    Board({{15, 13}}, 6);
    f->FindCarlaCandidateMoves();
    ExpectRows({{13, 15, 23, kEmpty}, {13, 15, 1, kEmpty}, {14, 14, 16, kEmpty, true}});
}

TEST_F(ComputerCandidates, ASixOffersTheLowestParkedPawnOnly) {
    Board({{30, 6}}, 6, {8});
    f->FindBobCandidateMoves();
    ExpectRows({{6, 30, 34, kEmpty}, {6, 30, 24, kEmpty}, {5, 5, 6, kEmpty, true}});

    // No pawn parked: no entry row.
    f->ClearCandidateTable();
    f->lblPedine(5).Caption = "0";
    f->lblPedine(7).Caption = "0";
    f->lblCaselle(31).Caption = "5";
    f->lblUscite(7).Caption = "7";
    f->FindBobCandidateMoves();
    EXPECT_EQ(f->lblPed(0).Caption.get(), "4");
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(f->lblPos(n).BorderStyle.get(), 0);
}

TEST_F(ComputerCandidates, AnEntryOntoItsOwnPawnIsBlockedEvenWhereSquareAndStartCellShareANumber) {
    // Bob's pawn 6 waits in parking square 6 while pawn 5 stands on start cell 6.
    Board({{6, 5}}, 6, {7, 8});
    f->FindBobCandidateMoves();
    ExpectRows({{5, 6, 12, kEmpty}, {6, 6, 6, kOwnPawn, true}});
    EXPECT_EQ(f->lblPedineGiocabili.Caption.get(), "1");

    // Carla's pawn 16 onto cell 16 where pawn 13 stands.
    f->ClearCandidateTable();
    Board({{16, 13}}, 6, {14, 15});
    f->FindCarlaCandidateMoves();
    ExpectRows({{13, 16, 2, kEmpty}, {16, 16, 16, kOwnPawn, true}});
    // Chosen among what can be played, the blocked entry never overwrites pawn 13.
    h.scripted.push(tk::randomFor(1, 0, 0, 8));
    h.scripted.push(tk::randomFor(1, 0, 0, 8));
    f->ChooseCarlaMove();
    EXPECT_EQ(f->lblScelta.Caption.get(), "1");
}

TEST_F(ComputerCandidates, AnEntryEatsAnOpponentOnTheStartCell) {
    Board({{6, 1}}, 6);
    f->FindBobCandidateMoves();
    ExpectRows({{5, 5, 6, kEats, true}});
}

TEST_F(ComputerCandidates, TargetsOnARefuge) {
    Board({{6, 5}}, 2);
    f->FindBobCandidateMoves();
    ExpectRows({{5, 6, 8, kEmpty}});

    f->ClearCandidateTable();
    f->lblCaselle(8).Caption = "2";
    f->FindBobCandidateMoves();
    ExpectRows({{5, 6, 8, kRefuge}});
    EXPECT_EQ(f->lblPedineGiocabili.Caption.get(), "0");

    f->ClearCandidateTable();
    f->lblCaselle(8).Caption = "6";
    f->lblPedine(6).Caption = "0";
    f->FindBobCandidateMoves();
    ExpectRows({{5, 6, 8, kOwnPawn}, {6, 8, 10, kEmpty}});
}

TEST_F(ComputerCandidates, NoPawnOnTheBoardAndNoSix) {
    Board({}, 3);
    f->FindGiorgettoCandidateMoves();
    ExpectRows({});
    EXPECT_EQ(f->lblPedineGiocabili.Caption.get(), "0");
}

TEST_F(ComputerCandidates, BobAndCarlaClearTheHumansClickStateGiorgettoDoesNot) {
    auto dirty = [&] {
        f->lblFaseMossa.Caption = "2";
        f->lblPedinaCliccata.Caption = "3";
        f->lblLineaMossa(1).Caption = "4";
        f->lblLineaMossa(2).Caption = "5";
    };
    Board({}, 3);
    dirty();
    f->FindGiorgettoCandidateMoves();
    EXPECT_EQ(f->lblFaseMossa.Caption.get(), "2");
    EXPECT_EQ(f->lblLineaMossa(2).Caption.get(), "5");
    f->FindBobCandidateMoves();
    EXPECT_EQ(f->lblFaseMossa.Caption.get(), "0");
    EXPECT_EQ(f->lblPedinaCliccata.Caption.get(), "0");
    EXPECT_EQ(f->lblLineaMossa(1).Caption.get(), "0");
    EXPECT_EQ(f->lblLineaMossa(2).Caption.get(), "0");
    dirty();
    f->FindCarlaCandidateMoves();
    EXPECT_EQ(f->lblFaseMossa.Caption.get(), "0");
    EXPECT_EQ(f->lblLineaMossa(1).Caption.get(), "0");
}
