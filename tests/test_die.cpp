#include <string>
#include <vector>

#include "turn_cycle_fixture.h"

using turn_cycle_test::HandOverAt;
using turn_cycle_test::LastFaceAt;

namespace {
std::vector<std::string> Faces(zirimbo::frmZirimbo2012& f) {
    std::vector<std::string> out;
    for (int i = 1; i <= 13; ++i) out.push_back(f.lblEstrazioni(i).Caption);
    return out;
}
}  // namespace

// The roll slows down by the interval list (halves to even), one face and one
// die sound per tick, and hands over on the tick after the last face.
TEST_F(TurnCycleTest, RollShowsEveryFaceAtItsMomentAndHandsOverOneIntervalLater) {
    place(3, 10);  // a red pawn on the board: no force-six draw
    const std::vector<int> faces = {2, 5, 1, 6, 3, 4, 2, 6, 1, 3, 5, 2, 4};
    script(7, 80);
    scriptRoll(faces, 13);
    f->ImgDado_Click();
    EXPECT_EQ(h.scripted.remaining(), 0u);
    EXPECT_EQ(text(f->lblTurnoDiGioco), "1");
    EXPECT_EQ(text(f->lblNumeroEstrazioni), "13");

    const int intervals[] = {50, 63, 78, 96, 117, 142, 171, 204, 243, 288, 341, 403, 475, 559};
    int at = 0;
    for (int k = 1; k <= 13; ++k) {
        h.advance(intervals[k - 1] - 1);
        EXPECT_EQ(text(f->lblContatoreEstrazioni), std::to_string(k - 1)) << "before face " << k;
        h.advance(1);
        at += intervals[k - 1];
        EXPECT_EQ(h.now(), at);
        EXPECT_EQ(text(f->lblContatoreEstrazioni), std::to_string(k));
        EXPECT_EQ(text(f->lblNumeroDado), std::to_string(faces[k - 1]));
        EXPECT_EQ(f->TimerDado.Interval.get(), intervals[k]);
        EXPECT_EQ(plays("mmcDado"), k);
    }
    EXPECT_EQ(at, LastFaceAt(13));
    h.advance(558);
    EXPECT_TRUE(f->TimerDado.Enabled);
    h.advance(1);
    EXPECT_EQ(h.now(), HandOverAt(13));
    EXPECT_FALSE(f->TimerDado.Enabled);
    EXPECT_EQ(f->TimerDado.Interval.get(), 50);
    EXPECT_EQ(text(f->lblNumeroEstrazioni), "0");
    EXPECT_EQ(text(f->lblContatoreEstrazioni), "0");
    EXPECT_EQ(plays("mmcDado"), 13);        // none on the end tick
    EXPECT_EQ(text(f->lblFaseMossa), "1");  // red's candidates were built

    // The next roll starts again at 50 ms: the same list holds.
    f->lblTurnoDiGioco.Caption = "4";
    f->ImgDado.Visible = true;
    const std::int64_t start = h.now();
    script(1, 80);
    scriptRoll(faces, 9);
    f->ImgDado_Click();
    h.advance(50);
    EXPECT_EQ(text(f->lblContatoreEstrazioni), "1");
    h.runUntil([&] { return !f->TimerDado.Enabled; }, 10000);
    EXPECT_EQ(h.now() - start, HandOverAt(9));
}

TEST_F(TurnCycleTest, ALengthOfNineShowsFacesOneToNineAndNoMore) {
    place(1, 5);
    const std::vector<int> faces = {1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6, 1};
    script(1, 80);
    scriptRoll(faces, 9);
    f->ImgDado_Click();
    std::vector<std::string> shown;
    h.runUntil([&] { return !f->TimerDado.Enabled; }, 5000,
               [&] {
                   if (shown.size() < 9 && text(f->lblContatoreEstrazioni) == std::to_string(shown.size() + 1))
                       shown.push_back(text(f->lblNumeroDado));
               });
    EXPECT_EQ(shown, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "1", "2", "3"}));
    EXPECT_EQ(text(f->lblNumeroDado), "3");
    EXPECT_EQ(h.now(), HandOverAt(9));
    // Faces 10 to 13 were drawn all the same.
    EXPECT_EQ(text(f->lblEstrazioni(13)), "1");
}

TEST_F(TurnCycleTest, AFaceEqualToTheOneBeforeIsDrawnAgain) {
    place(1, 5);
    script(1, 80);
    // 4 4 4 2 2 5 5 ... : every repeat is thrown away and drawn again.
    for (int v : {4, 4, 4, 2, 2, 5, 5, 1, 6, 6, 3, 1, 2, 3, 4, 5, 6, 1}) script(v, 6);
    script(1, 5);
    f->ImgDado_Click();
    EXPECT_EQ(Faces(*f), (std::vector<std::string>{"4", "2", "5", "1", "6", "3", "1", "2", "3", "4", "5", "6", "1"}));
    EXPECT_EQ(h.scripted.draws(), 1 + 18 + 1);
    EXPECT_EQ(text(f->lblNumeroEstrazione), "0");
    EXPECT_EQ(text(f->lblNumeroCasuale), "1");
}

// The hidden help: only for a player with no pawn on a cell, red included.
TEST_F(TurnCycleTest, ASixIsForcedOnAForceDrawOfOneOnlyWithNoPawnOnTheBoard) {
    // All red pawns parked: face N becomes 6, face N - 1 follows face N - 2 (5 gives 3).
    script(1, 80);
    scriptRoll({1, 2, 3, 4, 5, 6, 1, 5, 4, 2, 1, 2, 1}, 10, 1);
    f->ImgDado_Click();
    EXPECT_EQ(Faces(*f), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "1", "5", "3", "6", "1", "2", "1"}));
    EXPECT_EQ(text(f->lblSpia), "1");
    EXPECT_EQ(f->lblSpia.BackColor.get(), zirimbo::colour::Red);
    h.advance(HandOverAt(10));
    EXPECT_EQ(text(f->lblNumeroDado), "6");
    EXPECT_EQ(text(f->lblSpia), "0");
    EXPECT_EQ(f->lblSpia.BackColor.get(), zirimbo::colour::White);
    EXPECT_EQ(text(f->lblMossePossibili), "1");  // pawn 1 may enter
}

TEST_F(TurnCycleTest, AForcedSixAfterASixAtFaceNMinusTwoPutsATwoBetween) {
    // Red's pawns are out, not on a cell: they do not count as pawns in play.
    for (int p = 1; p <= 4; ++p) {
        f->lblPedine(p).Caption = "0";
        f->lblUscite(p).Caption = std::to_string(p);
    }
    script(1, 80);
    scriptRoll({1, 2, 3, 4, 5, 1, 6, 4, 3, 1, 2, 1, 2}, 9, 1);
    f->ImgDado_Click();
    EXPECT_EQ(text(f->lblEstrazioni(7)), "6");
    EXPECT_EQ(text(f->lblEstrazioni(8)), "2");
    EXPECT_EQ(text(f->lblEstrazioni(9)), "6");
    for (int i = 2; i <= 13; ++i) EXPECT_NE(text(f->lblEstrazioni(i)), text(f->lblEstrazioni(i - 1))) << i;
}

// Face N - 1 of a forced six, by face N - 2: never a six, never the face before it.
TEST_F(TurnCycleTest, TheForcedSixReplacesTheFaceBeforeItByFaceNMinusTwo) {
    const char* replacement[7] = {"", "4", "5", "1", "3", "3", "2"};
    for (int before = 1; before <= 6; ++before) {
        // Faces counting up from `before` at face 7, so that no face repeats the one before.
        std::vector<int> faces;
        for (int i = 0; i < 13; ++i) faces.push_back((before - 1 + i - 6 + 12) % 6 + 1);
        f->lblTurnoDiGioco.Caption = "4";  // red's roll; all red pawns are parked
        scriptRoll(faces, 9, 1);
        f->cmdTrovaNumeri_Click();
        f->TimerDado.Enabled = false;
        EXPECT_EQ(text(f->lblEstrazioni(7)), std::to_string(before));
        EXPECT_EQ(text(f->lblEstrazioni(8)), replacement[before]) << "after a " << before;
        EXPECT_EQ(text(f->lblEstrazioni(9)), "6") << "after a " << before;
    }
    EXPECT_EQ(h.scripted.remaining(), 0u);
}

// The pips shown for each face; any other text leaves them as they are.
TEST_F(TurnCycleTest, EachFaceShowsItsOwnPips) {
    // Pip 0 centre, 1 top left, 2 bottom right, 3 top right, 4 bottom left, 5 middle left, 6 middle right.
    const char* visible[7] = {"", "1000000", "0110000", "1001100", "0111100", "1111100", "0111111"};
    auto pips = [&] {
        std::string shown;
        for (int p = 0; p <= 6; ++p) shown += f->ShpPuntoDado(p).Visible ? '1' : '0';
        return shown;
    };
    for (int face : {6, 1, 5, 2, 4, 3}) {
        f->lblNumeroDado.Caption = std::to_string(face);
        f->DrawDieFace();
        EXPECT_EQ(pips(), visible[face]) << "face " << face;
    }
    for (const char* other : {"0", "7", "03", "", "x"}) {
        f->lblNumeroDado.Caption = other;
        f->DrawDieFace();
        EXPECT_EQ(pips(), visible[3]) << "text \"" << other << '"';
    }
}

TEST_F(TurnCycleTest, NoForceDrawForAPlayerWithAPawnOnACellAndNoSixOnOtherForceDraws) {
    place(2, 36);
    script(1, 80);
    scriptRoll(facesEndingOn(3, 11), 11);
    f->ImgDado_Click();
    EXPECT_EQ(h.scripted.draws(), 1 + 13 + 1);  // quip, faces, length: no force draw
    EXPECT_EQ(text(f->lblSpia), "0");
    EXPECT_EQ(text(f->lblEstrazioni(11)), "3");

    // A computer player with no pawn on a cell draws, and 2 to 4 leave the faces alone.
    h.advance(HandOverAt(11));
    f->lblTurnoDiGioco.Caption = "1";
    scriptRoll(facesEndingOn(2, 12), 12, 3);
    f->cmdTrovaNumeri_Click();
    EXPECT_EQ(text(f->lblTurnoDiGioco), "2");
    EXPECT_EQ(text(f->lblSpia), "3");
    EXPECT_EQ(f->lblSpia.BackColor.get(), zirimbo::colour::White);
    EXPECT_EQ(text(f->lblEstrazioni(12)), "2");
}

TEST_F(TurnCycleTest, WithSoundEffectsOffTheRollIsSilentAndOtherwiseTheSame) {
    f->lblVoceOpzione(1).Caption = "No";
    place(1, 5);
    script(1, 80);
    scriptRoll(facesEndingOn(4, 9), 9);
    f->ImgDado_Click();
    h.advance(HandOverAt(9));
    EXPECT_EQ(plays("mmcDado"), 0);
    EXPECT_EQ(text(f->lblNumeroDado), "4");
    EXPECT_EQ(text(f->lblFaseMossa), "1");
}

// Red's click: quip first, the die hidden and Enter off until the next prompt.
TEST_F(TurnCycleTest, RedsRollShowsAQuipAndTakesTheDieAwayUntilThePrompt) {
    place(1, 5);
    f->lblSpiegazioni.Caption = "Doduru, tocca ora a te: premi INVIO o clicca sul Dado!";
    script(80, 80);
    scriptRoll(facesEndingOn(2, 9), 9);
    f->click(f->ImgDado);
    EXPECT_EQ(text(f->lblSpiegazioni), "Non spererai mica di far sei, eh??");
    EXPECT_FALSE(f->ImgDado.Visible);
    EXPECT_FALSE(f->cmdGioca.Enabled);
    EXPECT_FALSE(f->cmdLanciaDado.Enabled);
    EXPECT_EQ(f->ShpDado.BackColor.get(), zirimbo::colour::Red);
    EXPECT_EQ(text(f->lblPuoiGiocare), "Si");  // the roll leaves the flag alone
    // Enter is ignored while the die rolls.
    const int draws = h.scripted.draws();
    f->keyDown(tk::vbKeyReturn);
    EXPECT_EQ(h.scripted.draws(), draws);
    // A refused click left the background pink: the end of red's roll makes it white.
    f->ShpForme(0).BackColor = 0x8080FF;
    h.advance(HandOverAt(9));
    EXPECT_EQ(f->ShpForme(0).BackColor.get(), zirimbo::colour::White);
}

TEST_F(TurnCycleTest, EnterAtThePromptRollsForRed) {
    place(1, 5);
    script(27, 80);
    scriptRoll(facesEndingOn(5, 9), 9);
    f->keyDown(tk::vbKeyReturn);
    EXPECT_EQ(text(f->lblSpiegazioni), "Ti piace giocare a Zirimbo, eh?");
    EXPECT_EQ(text(f->lblTurnoDiGioco), "1");
    EXPECT_FALSE(f->cmdGioca.Enabled);
    EXPECT_TRUE(f->TimerDado.Enabled);
}

// Each player's die colours; a computer's end of roll keeps the message background.
TEST_F(TurnCycleTest, TheDieTakesThePlayersColoursAndTheRollGoesToThatPlayer) {
    const tk::Color body[] = {tk::Color{0xFF9400}, tk::Color{0x00FFFF}, tk::Color{0x00C000}, zirimbo::colour::Red};
    const tk::Color pips[] = {zirimbo::colour::White, zirimbo::colour::Grey, zirimbo::colour::White,
                              zirimbo::colour::White};
    for (int i = 0; i < 4; ++i) {
        place(i == 3 ? 1 : 5 + 4 * i, 20 + i);  // a pawn on the board: no force draw
        f->lblTurnoDiGioco.Caption = std::to_string(i + 1);
        f->lblPedineInGioco.Caption = "1";  // as the hub leaves it for a player with a pawn in play
        scriptRoll(facesEndingOn(1, 9), 9);
        f->cmdTrovaNumeri_Click();
        EXPECT_EQ(text(f->lblTurnoDiGioco), std::to_string((i + 1) % 4 + 1));
        EXPECT_EQ(f->ShpDado.BackColor.get(), body[i]) << i;
        for (int p = 0; p <= 6; ++p) EXPECT_EQ(f->ShpPuntoDado(p).BackColor.get(), pips[i]) << i;
        f->ShpForme(0).BackColor = 0xFFCB84;
        h.advance(HandOverAt(9));
        if (i < 3) {
            EXPECT_EQ(f->ShpForme(0).BackColor.get(), 0xFFCB84u) << i;
            tk::Timer* moveTimer[3] = {&f->TmrMossaBlu3, &f->TmrMossaGiallo3, &f->TmrMossaVerde3};
            EXPECT_TRUE(moveTimer[i]->Enabled) << "the player's only move starts";
            moveTimer[i]->Enabled = false;
        }
        f->TmrAspettaDado.Enabled = false;
    }
}

TEST_F(TurnCycleTest, TheDevelopersStopButtonPausesAndResumesTheRoll) {
    place(1, 5);
    script(1, 80);
    scriptRoll(facesEndingOn(2, 9), 9);
    f->cmdLanciaDado_Click();
    EXPECT_TRUE(f->cmdGioca.Enabled);  // the developer's roll leaves Enter alone
    EXPECT_FALSE(f->ImgDado.Visible);
    h.advance(113);
    f->cmdFermaDado_Click();
    h.advance(5000);
    EXPECT_EQ(text(f->lblContatoreEstrazioni), "2");
    f->cmdFermaDado_Click();
    h.runUntil([&] { return !f->TimerDado.Enabled; }, 5000);
    EXPECT_EQ(text(f->lblNumeroDado), "2");
}
