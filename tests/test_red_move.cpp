#include <string>
#include <vector>

#include "form/various.h"
#include "turn_cycle_fixture.h"

namespace various = zirimbo::various;

namespace {
const char* const kRefusal = "Non puoi muovere questa pedina!";
const char* const kOneTarget = "Ora clicca sulla 'X' per spostarvi la pedina che hai scelto!";
const char* const kTwoTargets = "Ora clicca su una delle due 'X' per spostarvi la pedina che hai scelto!";
const char* const kChooseAgain = "Clicca su una 'X' per scegliere la pedina da giocare!";
}  // namespace

struct RedMoveTest : TurnCycleTest {
    void SetUp() override {
        TurnCycleTest::SetUp();
        f->lblVoceOpzione(2).Caption = "No";  // the automatic move has tests of its own
    }
    // Red's candidates for a roll of d, as after the die's last tick.
    void redTurn(int d) {
        f->lblNumeroDado.Caption = std::to_string(d);
        f->ClearCandidateTable();
        f->PrepareRedTurn();
        h.audio.clear();
    }
    std::string clickState() {
        return text(f->lblFaseMossa) + "|" + text(f->lblPedinaCliccata) + "|" + text(f->lblCasellaCliccata) + "|" +
               text(f->lblIcs(1)) + "|" + text(f->lblIcs(2)) + "|" + text(f->lblLineaMossa(1)) + "|" +
               text(f->lblLineaMossa(2));
    }
};

// ---- Choosing a pawn ----

TEST_F(RedMoveTest, BeforeThePawnsAreMarkedClicksOnlyRecordTheCell) {
    place(1, 10);
    f->ImgGif_Click(10);
    EXPECT_EQ(text(f->lblIndex), "10");
    EXPECT_EQ(clickState(), "0|0|0|0|0|0|0");
    f->ImgPartenza_Click(2);
    EXPECT_EQ(clickState(), "0|0|0|0|0|0|0");
    EXPECT_TRUE(h.audio.log.empty());
    // With the flag at "No" nothing at all happens.
    f->lblPuoiGiocare.Caption = "No";
    f->ImgGif_Click(5);
    EXPECT_EQ(text(f->lblIndex), "10");
}

TEST_F(RedMoveTest, ChoosingAPawnShowsItsTargetsAndTheOtherPawnsPlain) {
    place(2, 18);  // 4 -> 22 (blue pawn: eaten) and 2 (empty)
    place(5, 22);
    place(3, 6);  // start cell of blue: another playable pawn
    redTurn(4);
    f->ImgGif_Click(18);
    EXPECT_EQ(clickState(), "2|2|18|22|2|2|3");  // rows 2 and 3: pawn 3 on cell 6 has row 1
    EXPECT_TRUE(shows(f->ImgGif(18), "R3"));
    EXPECT_TRUE(shows(f->ImgGif(22), "B2"));
    EXPECT_TRUE(shows(f->ImgGif(2), "X"));
    EXPECT_TRUE(shows(f->ImgGif(6), "R1"));
    EXPECT_EQ(text(f->lblSpiegazioni), kTwoTargets);
    EXPECT_EQ(plays("mmcPedina"), 1);

    // The choice moves to the pawn on the start cell: the marks go, R5 on the start cell.
    f->ImgGif_Click(6);
    EXPECT_EQ(clickState(), "2|3|6|10|0|1|0");
    EXPECT_TRUE(shows(f->ImgGif(18), "R1"));
    EXPECT_TRUE(shows(f->ImgGif(22), "B1"));
    EXPECT_EQ(f->ImgGif(2).Picture.get(), "");
    EXPECT_TRUE(shows(f->ImgGif(6), "R5"));
    EXPECT_TRUE(shows(f->ImgGif(10), "X"));
    EXPECT_EQ(text(f->lblSpiegazioni), kOneTarget);

    // Clicking it again drops the choice: every playable pawn shows its 'X' again.
    f->ImgGif_Click(6);
    EXPECT_EQ(clickState(), "1|0|0|0|0|0|0");
    EXPECT_TRUE(shows(f->ImgGif(6), "R2"));
    EXPECT_TRUE(shows(f->ImgGif(18), "R2"));
    EXPECT_EQ(f->ImgGif(10).Picture.get(), "");
    EXPECT_EQ(text(f->lblSpiegazioni), kChooseAgain);
    EXPECT_EQ(plays("mmcTic"), 1);
}

TEST_F(RedMoveTest, APawnOnTheSquareNumberOfTheOfferedEntryShowsOnlyItsBoardTargets) {
    place(1, 2);  // pawn 1 on cell 2; parked pawn 2's entry row has source 2
    redTurn(6);
    f->ImgGif_Click(2);
    EXPECT_EQ(clickState(), "2|1|2|8|0|1|0");
    EXPECT_TRUE(shows(f->ImgGif(8), "X"));
    EXPECT_EQ(f->ImgGif(1).Picture.get(), "");
    EXPECT_TRUE(shows(f->ImgPartenza(2), "R1"));  // the offered pawn loses its 'X'
}

TEST_F(RedMoveTest, AnInnerRingPawnWithAFourGoesOnceRoundOntoItsOwnCell) {
    place(1, 34);
    place(9, 35);
    redTurn(4);
    f->ImgGif_Click(34);
    EXPECT_TRUE(shows(f->ImgGif(34), "R4"));
    EXPECT_TRUE(shows(f->ImgGif(35), "G1"));
    EXPECT_EQ(clickState(), "2|1|34|34|0|1|0");
    // No cell gets an 'X': the chosen pawn's own picture carries it.
    EXPECT_EQ(text(f->lblSpiegazioni), kOneTarget);
    f->ImgGif_Click(34);
    EXPECT_EQ(text(f->lblCaselle(34)), "1");
    EXPECT_TRUE(shows(f->ImgGif(34), "R1"));
    EXPECT_EQ(text(f->lblPuoiGiocare), "No");
    EXPECT_EQ(text(f->lblIndex), "34");
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);

    // With another value a second click on the chosen inner pawn drops the choice.
    f->TmrAspettaDado.Enabled = false;
    f->lblPuoiGiocare.Caption = "Si";
    redTurn(1);
    f->ImgGif_Click(34);
    EXPECT_TRUE(shows(f->ImgGif(34), "R3"));
    f->ImgGif_Click(34);
    EXPECT_EQ(clickState(), "1|0|0|0|0|0|0");
}

TEST_F(RedMoveTest, TheChoiceMovesBetweenABoardPawnAndTheOfferedParkedPawn) {
    place(1, 18);  // 6 -> 24 and 4
    place(13, 1);  // a green pawn on red's start cell
    redTurn(6);
    f->ImgGif_Click(18);
    EXPECT_TRUE(shows(f->ImgGif(24), "X"));
    EXPECT_TRUE(shows(f->ImgGif(4), "X"));
    f->ImgPartenza_Click(2);
    EXPECT_EQ(clickState(), "2|2|37|1|0|3|0");
    EXPECT_EQ(f->ImgGif(24).Picture.get(), "");
    EXPECT_EQ(f->ImgGif(4).Picture.get(), "");
    EXPECT_TRUE(shows(f->ImgGif(18), "R1"));
    EXPECT_TRUE(shows(f->ImgPartenza(2), "R3"));
    EXPECT_TRUE(shows(f->ImgGif(1), "V2"));
    EXPECT_EQ(text(f->lblSpiegazioni), kOneTarget);
    EXPECT_EQ(plays("mmcPedina"), 2);

    // Back to the board pawn: the parked pawn is plain, cell 1 is redrawn from the board.
    f->ImgGif_Click(18);
    EXPECT_EQ(clickState(), "2|1|18|24|4|1|2");
    EXPECT_TRUE(shows(f->ImgPartenza(2), "R1"));
    EXPECT_TRUE(shows(f->ImgGif(1), "V1"));

    // Parked pawn chosen, then dropped: every playable pawn shows its 'X' again.
    f->ImgPartenza_Click(2);
    f->ImgPartenza_Click(2);
    EXPECT_EQ(clickState(), "1|0|0|0|0|0|0");
    EXPECT_TRUE(shows(f->ImgPartenza(2), "R2"));
    EXPECT_TRUE(shows(f->ImgGif(18), "R2"));
    EXPECT_TRUE(shows(f->ImgGif(1), "V1"));
    EXPECT_EQ(text(f->lblSpiegazioni), kChooseAgain);
}

// ---- Refusals ----

TEST_F(RedMoveTest, ARedPawnThatCannotMoveIsRefusedForOneSecond) {
    place(1, 10);
    place(2, 12);  // 2 -> 12 is an own pawn: pawn 1 cannot move
    redTurn(2);
    const std::string prompt = text(f->lblSpiegazioni);
    f->ImgGif_Click(10);
    EXPECT_EQ(text(f->lblSpiegazioni), kRefusal);
    EXPECT_EQ(f->ShpForme(0).BackColor.get(), 0x8080FFu);
    EXPECT_EQ(plays("mmcDeng"), 1);
    EXPECT_EQ(text(f->lblFaseMossa), "1");
    h.advance(500);
    f->ImgPartenza_Click(3);  // a parked red pawn without the flag: refused, the prompt kept
    EXPECT_EQ(plays("mmcDeng"), 2);
    EXPECT_EQ(text(f->lblCopiaSpiegazione), prompt);
    h.advance(499);
    EXPECT_EQ(text(f->lblSpiegazioni), kRefusal);
    h.advance(1);
    EXPECT_EQ(text(f->lblSpiegazioni), prompt);
    EXPECT_EQ(f->ShpForme(0).BackColor.get(), zirimbo::colour::White);
    // Empty cells, other colours and other squares are ignored without a sound.
    f->ImgGif_Click(11);
    f->ImgPartenza_Click(7);
    EXPECT_EQ(plays("mmcDeng"), 2);
}

TEST_F(RedMoveTest, ARefusalOnTheBoardWhileTheRefusalShowsKeepsTheSavedPrompt) {
    place(1, 10);
    place(2, 12);
    redTurn(2);
    const std::string prompt = text(f->lblSpiegazioni);
    f->ImgPartenza_Click(3);
    f->ImgGif_Click(10);
    EXPECT_EQ(plays("mmcDeng"), 2);
    EXPECT_EQ(text(f->lblCopiaSpiegazione), prompt);
    h.advance(1000);
    EXPECT_EQ(text(f->lblSpiegazioni), prompt);
}

TEST_F(RedMoveTest, ANewerMessageIsNotOverwrittenWhenTheRefusalTimeIsUp) {
    place(1, 10);
    place(2, 12);
    redTurn(2);
    f->ImgGif_Click(10);  // refused
    h.advance(300);
    f->ImgGif_Click(12);  // pawn 2 chosen within the second
    EXPECT_EQ(text(f->lblSpiegazioni), kOneTarget);
    f->ImgGif_Click(10);  // in the target phase a pawn that cannot move is ignored
    EXPECT_EQ(plays("mmcDeng"), 1);
    h.advance(700);  // the choice's prompt stays, off the refusal's colour
    EXPECT_EQ(text(f->lblSpiegazioni), kOneTarget);
    EXPECT_EQ(f->ShpForme(0).BackColor.get(), zirimbo::colour::White);

    f->ImgGif_Click(12);  // choice dropped, refused again
    f->ImgGif_Click(10);
    f->ImgGif_Click(12);
    EXPECT_EQ(f->ShpForme(0).BackColor.get(), 0x8080FFu);
    h.advance(500);
    f->ImgGif_Click(14);  // and the move is made within the second
    EXPECT_EQ(text(f->lblSpiegazioni), "");
    h.advance(500);
    EXPECT_FALSE(f->TmrRicompareSpiegazione.Enabled);
    EXPECT_EQ(text(f->lblSpiegazioni), "");
}

TEST_F(RedMoveTest, AMoveThatEatsNothingLateInTheRefusalsSecondLeavesTheEmptyLineWhite) {
    place(1, 10);
    place(2, 12);
    redTurn(2);
    f->ImgGif_Click(10);  // refused: the line turns pink
    h.advance(900);
    f->ImgGif_Click(12);
    f->ImgGif_Click(14);  // onto an empty cell, just before the refusal's second is up
    EXPECT_EQ(text(f->lblSpiegazioni), "");
    EXPECT_EQ(f->ShpForme(0).BackColor.get(), zirimbo::colour::White);
    h.advance(100);  // the refusal's timer has run, the hub has not
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);
    EXPECT_EQ(text(f->lblSpiegazioni), "");
    EXPECT_EQ(f->ShpForme(0).BackColor.get(), zirimbo::colour::White);
}

// ---- The move ----

TEST_F(RedMoveTest, AMoveEmptiesTheSourceDrawsThePawnAndPassesTheTurn) {
    place(1, 18);
    redTurn(4);
    f->ImgGif_Click(18);
    f->ImgGif_Click(2);  // the ring target of two
    EXPECT_EQ(text(f->lblCaselle(18)), "0");
    EXPECT_EQ(text(f->lblCaselle(2)), "1");
    EXPECT_EQ(f->ImgGif(18).Picture.get(), "");
    EXPECT_EQ(f->ImgGif(22).Picture.get(), "");  // the other target's mark goes
    EXPECT_TRUE(shows(f->ImgGif(2), "R1"));
    EXPECT_EQ(clickState(), "0|0|0|0|0|1|2");  // the rows of the two slots stay
    EXPECT_EQ(text(f->lblIndex), "2");
    EXPECT_EQ(text(f->lblPuoiGiocare), "No");
    EXPECT_EQ(text(f->lblSpiegazioni), "");
    EXPECT_EQ(text(f->lblPed(0)), "0");
    EXPECT_EQ(f->lblCaselle(18).ForeColor.get(), zirimbo::colour::Black);
    EXPECT_EQ(text(f->lblMossePossibili), "0");
    EXPECT_EQ(text(f->lblPedineGiocabili), "0");
    EXPECT_EQ(plays("mmcMossa"), 1);
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);
    EXPECT_EQ(f->TmrAspettaDado.Interval.get(), 600);
}

TEST_F(RedMoveTest, EnteringOnABluePawnSendsItHomeAndBobComments) {
    place(6, 1);
    redTurn(6);
    f->ImgPartenza_Click(1);
    f->ImgGif_Click(1);
    EXPECT_EQ(text(f->lblCaselle(1)), "1");
    EXPECT_EQ(text(f->lblPedine(1)), "0");
    EXPECT_EQ(f->ImgPartenza(1).Picture.get(), "");
    EXPECT_EQ(text(f->lblPedine(6)), "6");
    EXPECT_TRUE(shows(f->ImgPartenza(6), "B1"));
    EXPECT_TRUE(shows(f->ImgGif(1), "R1"));
    EXPECT_EQ(text(f->lblMangia), "0");  // set to "2", then Bob's comment took it
    EXPECT_EQ(plays("mmcMossa"), 0);
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);
    EXPECT_EQ(f->lblCaselle(37).Caption.get(), "0");
}

TEST_F(RedMoveTest, TheSecondOfTwoTargetsLeavesTheFirstShowingItsOwnPawn) {
    f->lblVoceOpzione(1).Caption = "No";
    place(3, 17);  // 4 -> 21 (yellow pawn) and 1 (empty)
    place(10, 21);
    redTurn(4);
    f->ImgGif_Click(17);
    EXPECT_TRUE(shows(f->ImgGif(21), "G2"));
    f->ImgGif_Click(1);
    EXPECT_TRUE(shows(f->ImgGif(21), "G1"));
    EXPECT_TRUE(h.audio.plays().empty());  // sound effects off: no move sound
}

TEST_F(RedMoveTest, AnUnmatchedTargetNeverLeavesTheGameWithoutATimer) {
    place(1, 10);
    redTurn(3);
    f->ImgGif_Click(10);
    f->lblIndex.Caption = "20";
    f->ExecuteRedMove();
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);
    EXPECT_EQ(text(f->lblCaselle(10)), "1");
    EXPECT_TRUE(shows(f->ImgGif(10), "R1"));
    EXPECT_EQ(f->ImgGif(13).Picture.get(), "");
    EXPECT_EQ(clickState(), "0|0|0|0|0|0|0");
    EXPECT_EQ(f->lblCaselle(10).ForeColor.get(), zirimbo::colour::Black);
    EXPECT_EQ(text(f->lblPuoiGiocare), "No");
    EXPECT_EQ(text(f->lblMossePossibili), "0");
}

// ---- Exits and victory ----

TEST_F(RedMoveTest, AnExitWaitsOnCellThirtySixThenGoesToTheExitSquareWithApplause) {
    f->lblVoceOpzione(1).Caption = "No";
    place(3, 33);
    redTurn(3);
    f->ImgGif_Click(33);
    f->ImgGif_Click(36);
    EXPECT_EQ(text(f->lblSpiegazioni), "Sei uscito, eh?");
    EXPECT_EQ(text(f->lblDadiUsciti(1)), "1");
    EXPECT_TRUE(shows(f->ImgGif(36), "R1"));
    EXPECT_FALSE(f->TmrAspettaDado.Enabled);
    EXPECT_TRUE(f->TmrTornaZirimbo.Enabled);
    EXPECT_EQ(text(f->lblFaseMossa), "2");  // the exit handler finishes the move
    h.advance(349);
    EXPECT_EQ(text(f->lblUscite(3)), "0");
    h.advance(1);
    EXPECT_FALSE(f->TmrTornaZirimbo.Enabled);
    EXPECT_EQ(f->ImgGif(36).Picture.get(), "");
    EXPECT_TRUE(shows(f->ImgDadiUsciti(3), "R1"));
    EXPECT_EQ(text(f->lblUscite(3)), "3");
    EXPECT_EQ(text(f->lblCaselle(36)), "0");
    EXPECT_EQ(clickState(), "0|0|0|0|0|1|0");
    EXPECT_EQ(text(f->lblSpiegazioni), "");
    EXPECT_EQ(plays("mmcEsceRosso"), 1);  // the applause plays whatever the option
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);
    EXPECT_EQ(f->TmrAspettaDado.Interval.get(), 3700);
}

TEST_F(RedMoveTest, AnExitThatEatsKeepsTheEatenNumberOnCellThirtySixUntilThePawnLeaves) {
    place(2, 34);
    place(15, 36);
    redTurn(2);
    f->ImgGif_Click(34);
    EXPECT_TRUE(shows(f->ImgGif(36), "V2"));
    f->ImgGif_Click(36);
    EXPECT_EQ(text(f->lblCaselle(36)), "15");
    EXPECT_EQ(text(f->lblPedine(15)), "15");
    EXPECT_TRUE(shows(f->ImgPartenza(15), "V1"));
    EXPECT_EQ(text(f->lblMangia), "0");
    h.advance(350);
    EXPECT_EQ(text(f->lblCaselle(36)), "0");
    EXPECT_EQ(text(f->lblPedine(15)), "15");
}

struct VictoryTest : RedMoveTest {
    // Three red pawns out, the fourth on 35 with a 1 to go.
    void lastExit() {
        for (int p = 1; p <= 3; ++p) {
            f->lblPedine(p).Caption = "0";
            f->lblUscite(p).Caption = std::to_string(p);
        }
        f->lblDadiUsciti(1).Caption = "3";
        place(4, 35);
        redTurn(1);
        f->ImgGif_Click(35);
        f->ImgGif_Click(36);
    }
    void scoreboard(std::vector<std::pair<tk::Color, int>> rows) {
        zirimbo::ControlArray<zirimbo::Shape>* shapes[5] = {nullptr, &f->Shp1SfondoClass, &f->Shp2SfondoClass,
                                                            &f->Shp3SfondoClass, &f->Shp4SfondoClass};
        for (int r = 1; r <= 4; ++r) {
            for (int e = 0; e <= 3; ++e) (*shapes[r])(e).BackColor = rows[r - 1].first;
            f->lblVinte(r).Caption = std::to_string(rows[r - 1].second);
        }
    }
};

TEST_F(VictoryTest, TheFourthExitMakesTheHumanTheWinner) {
    f->lblVoceOpzione(1).Caption = "No";
    f->lblVoceOpzione(3).Caption = "Sempre";
    f->TmrMusiche.Enabled = true;
    scoreboard({{0xFFCB84, 5}, {0x80FF80, 2}, {0x8080FF, 2}, {0x80FFFF, 0}});
    lastExit();
    EXPECT_EQ(text(f->lblSpiegazioni), "");  // no "Sei uscito" on the fourth exit
    EXPECT_EQ(text(f->lblDadiUsciti(1)), "4");
    h.advance(350);
    EXPECT_EQ(f->BackColor(), 0x8080FFu);
    EXPECT_EQ(text(f->lblSpiegazioni), "Hai vinto, Doduru!!");
    EXPECT_EQ(text(f->lblPartiteVinte(1)), "1");
    EXPECT_EQ(f->ShpForme(0).BackColor.get(), 0x8080FFu);
    EXPECT_EQ(plays("mmcVinceRosso"), 1);
    EXPECT_EQ(plays("mmcEsceRosso"), 0);
    EXPECT_FALSE(f->TmrMusiche.Enabled);
    EXPECT_NE(f->mmcMusiche.FileName.get().find("Vittoria.mid"), std::string::npos);
    EXPECT_EQ(plays("mmcMusiche"), 0);  // the end-of-game panel plays it
    EXPECT_TRUE(f->TmrLampeggiaVittoria.Enabled);
    EXPECT_TRUE(f->TmrLampeggiaLogo.Enabled);
    // The human's row: 3 wins, today's date, second after the sort.
    EXPECT_EQ(text(f->lblVinte(2)), "3");
    EXPECT_EQ(text(f->lblData(2)), "07/12/2026");
    EXPECT_EQ(text(f->lblNomeClass(2)), "Doduru");
    EXPECT_EQ(f->Shp2SfondoClass(0).BackColor.get(), 0x8080FFu);
    EXPECT_EQ(text(f->lblPosizione), "2");
    for (int i = 0; i <= 3; ++i) EXPECT_EQ(f->FraPannello(i).BackColor.get(), 0x8080FFu);
    EXPECT_EQ(f->FraRicomincia.BackColor.get(), 0x8080FFu);
    EXPECT_NE(f->ImgVarie(various::kRematchCharacter).Picture.get(), "");
    EXPECT_EQ(text(f->lblVarie(various::kRematchPrompt)),
              "Potrai vincere ancora (forse!) cliccando sul pulsante NUOVA PARTITA!");
    EXPECT_EQ(f->TmrPannelloVittoria.Interval.get(), 6600);
    EXPECT_FALSE(f->TmrAspettaDado.Enabled);
    // No turn follows; the end-of-game panel comes 6600 ms later.
    h.advance(6599);
    EXPECT_FALSE(f->FraRicomincia.Visible);
    h.advance(1);
    EXPECT_TRUE(f->FraRicomincia.Visible);
    EXPECT_EQ(text(f->lblPuoiGiocare), "Si");
    EXPECT_FALSE(f->TimerDado.Enabled);
}

TEST_F(VictoryTest, WithMusicOffNoVictoryMusicIsPrepared) {
    f->lblVoceOpzione(3).Caption = "No";
    f->TmrMusiche.Enabled = true;
    const std::string piece = f->mmcMusiche.FileName;
    lastExit();
    h.advance(350);
    EXPECT_TRUE(f->TmrMusiche.Enabled);
    EXPECT_EQ(f->mmcMusiche.FileName.get(), piece);
    EXPECT_EQ(f->BackColor(), 0x8080FFu);
    EXPECT_TRUE(f->TmrPannelloVittoria.Enabled);
}

TEST_F(VictoryTest, AScoreboardWithoutTheHumansRowRecordsNoWinAndStaysInItsRows) {
    scoreboard({{0xFFCB84, 1}, {0x80FF80, 1}, {0x80FFFF, 1}, {0xFFCB84, 0}});
    f->lblPosizione.Caption = "3";
    lastExit();
    h.advance(350);
    for (int r = 1; r <= 4; ++r) EXPECT_EQ(text(f->lblData(r)), "") << r;
    EXPECT_EQ(text(f->lblPosizione), "3");
    EXPECT_TRUE(f->TmrPannelloVittoria.Enabled);
    h.advance(900);  // the row blinks without leaving the scoreboard
    EXPECT_EQ(f->lblNomeClass(3).ForeColor.get(), 0x00FFFFu);
}

// ---- The automatic move ----

struct AutoMoveTest : RedMoveTest {
    void SetUp() override {
        RedMoveTest::SetUp();
        f->lblVoceOpzione(2).Caption = "Sì";
    }
};

TEST_F(AutoMoveTest, ThePawnIsClickedAfterOneIntervalAndItsOnlyPlayableTargetAfterTwo) {
    f->TmrGiocaAutomatico.Interval = 260;  // speed "Veloce"
    f->Shape3(2).BackColor = zirimbo::colour::White;
    f->FraPannello(2).Visible = true;
    // With a 2: pawns 1 (on 33) and 3 (on 35) block each other round the inner ring; pawn 2
    // on 31 is blocked by pawn 1 on its path and free round the middle ring (its second row).
    place(1, 33);
    place(3, 35);
    place(2, 31);
    redTurn(2);
    EXPECT_EQ(text(f->lblPedineGiocabili), "1");
    EXPECT_EQ(text(f->lblMossePossibili), "1");
    EXPECT_EQ(text(f->lblFinale(1)), "33");
    EXPECT_TRUE(f->TmrGiocaAutomatico.Enabled);
    h.advance(259);
    EXPECT_EQ(text(f->lblFaseMossa), "1");
    h.advance(1);
    EXPECT_EQ(text(f->lblAuto), "1");
    EXPECT_EQ(text(f->lblPedinaCliccata), "2");
    EXPECT_TRUE(f->FraPannello(2).Visible);
    h.advance(260);
    EXPECT_EQ(text(f->lblAuto), "0");
    EXPECT_FALSE(f->TmrGiocaAutomatico.Enabled);
    EXPECT_EQ(text(f->lblCaselle(21)), "2");
    EXPECT_EQ(text(f->lblCaselle(31)), "0");
    EXPECT_EQ(f->Shape3(2).BackColor.get(), zirimbo::colour::Panel);
    EXPECT_EQ(f->lblScrittaPulsanti(2).ForeColor.get(), zirimbo::colour::Black);
    EXPECT_FALSE(f->FraPannello(2).Visible);
}

TEST_F(AutoMoveTest, WithTwoPlayableTargetsTheHumanChoosesOne) {
    place(2, 18);
    redTurn(4);
    EXPECT_EQ(text(f->lblMossePossibili), "2");
    h.advance(440);
    EXPECT_TRUE(shows(f->ImgGif(22), "X"));
    EXPECT_TRUE(shows(f->ImgGif(2), "X"));
    h.advance(440);
    EXPECT_FALSE(f->TmrGiocaAutomatico.Enabled);
    EXPECT_EQ(text(f->lblFaseMossa), "2");
    EXPECT_EQ(text(f->lblCaselle(18)), "2");
    f->ImgGif_Click(22);
    EXPECT_EQ(text(f->lblCaselle(22)), "2");
}

TEST_F(AutoMoveTest, TheOfferedParkedPawnEntersByItself) {
    redTurn(6);
    h.advance(440);
    EXPECT_EQ(text(f->lblCasellaCliccata), "37");
    EXPECT_TRUE(shows(f->ImgPartenza(1), "R3"));
    h.advance(440);
    EXPECT_EQ(text(f->lblCaselle(1)), "1");
    EXPECT_EQ(text(f->lblPedine(1)), "0");
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);
}

TEST_F(AutoMoveTest, AMoveTheHumanMadeFirstIsLeftAlone) {
    place(3, 10);
    redTurn(5);
    f->ImgGif_Click(10);
    f->ImgGif_Click(15);
    EXPECT_EQ(text(f->lblPuoiGiocare), "No");
    h.advance(440);  // the pawn click finds the flag "No"
    EXPECT_EQ(text(f->lblFaseMossa), "0");
    h.advance(440);
    EXPECT_FALSE(f->TmrGiocaAutomatico.Enabled);
    EXPECT_EQ(text(f->lblAuto), "0");
    EXPECT_EQ(text(f->lblCaselle(15)), "3");
}

TEST_F(AutoMoveTest, PlayingTheMarkedMoveMakesBothClicksAtOnce) {
    f->lblVoceOpzione(2).Caption = "No";
    redTurn(6);
    f->PlayMarkedMoveByClicks();
    EXPECT_EQ(text(f->lblCaselle(1)), "1");
    EXPECT_EQ(text(f->lblPuoiGiocare), "No");
}
