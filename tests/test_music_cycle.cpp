// Background music: the shuffled lists, fast and slow pieces in turn, the poll,
// the pause of "Ogni tanto" and the repeat of the victory piece.
#include <algorithm>
#include <string>
#include <vector>

#include "test_startup_fixture.h"
#include "toolkit/random.h"

struct MusicTest : StartUpTest {
    void SetUp() override {
        open({.folder = game_fixture::Folder::OwnCopy, .intro = game_fixture::Intro::Skipped, .clearAudio = true});
    }
    std::vector<std::string> codes(zirimbo::ControlArray<zirimbo::Label>& list, int n) {
        std::vector<std::string> out;
        for (int i = 1; i <= n; ++i) out.push_back(list(i).Caption.get());
        return out;
    }
    // The piece file of the last "Play" on the music channel ("2c"), or "".
    std::string lastPiece() const {
        std::string last;
        for (const auto& l : h.audio.plays())
            if (l.rfind("mmcMusiche Play", 0) == 0) last = l;
        const auto slash = last.rfind('/');
        return slash == std::string::npos ? "" : last.substr(slash + 1, last.size() - slash - 5);
    }
    // The music switched to "Ogni tanto": a piece starts, ends, and its pause starts.
    void PauseAfterAPiece() {
        f->lblVoceOpzione(3).Caption = "Ogni tanto";
        f->TmrMusiche.Enabled = true;
        f->cmdProssimoBrano_Click();
        h.audio.finish("mmcMusiche");
        h.advance(2000);
        ASSERT_TRUE(f->TmrRipetiMusiche.Enabled);
    }
    // 17 s into a pause a player takes the last pawn out and wins: the human (1) or Bob (2).
    void WinDuringAPause(int player) {
        f->cmdAssegnaVeloci_Click();
        ASSERT_NO_FATAL_FAILURE(PauseAfterAPiece());
        h.advance(17000);
        h.audio.clear();
        if (player == 1) {
            f->lblDadiUsciti(1).Caption = "4";
            f->lblPedinaCliccata.Caption = "4";
            f->lblCaselle(36).Caption = "4";
            f->TmrTornaZirimbo_Timer();
        } else {
            f->lblDadiUsciti(2).Caption = "3";
            f->lblCaselle(33).Caption = "8";
            f->TakeComputerPawnOut(2, 8);
        }
    }
    // The piece files of every "Play" on the music channel since the last clear.
    std::vector<std::string> piecesPlayed() const {
        std::vector<std::string> out;
        for (const auto& l : h.audio.plays())
            if (l.rfind("mmcMusiche Play", 0) == 0) out.push_back(l.substr(l.rfind('/') + 1));
        return out;
    }
};

TEST_F(MusicTest, TheShufflesUseSeventeenDrawsAndLeavePermutationsOfTheLists) {
    // Fast list: the draws 3, 1, then always the top; slow list: always 1.
    script(3, 11);
    script(1, 10);
    for (int n = 9; n >= 1; --n) script(n, n);
    for (int n = 6; n >= 1; --n) script(1, n);
    f->lblPassaggio.Caption = "x";
    f->cmdAssegnaVeloci_Click();
    EXPECT_EQ(h.scripted.draws(), 17);
    EXPECT_EQ(h.scripted.remaining(), 0u);
    // Place 11 takes entry 3 ("2a"), entry 3 takes "6a"; place 10 takes entry 1 ("1a"), entry 1 takes "5c".
    EXPECT_EQ(codes(f->lblMusVeloci, 11),
              (std::vector<std::string>{"5c", "1c", "6a", "2c", "3a", "3c", "4a", "4c", "5a", "1a", "2a"}));
    EXPECT_EQ(codes(f->lblMusLenti, 6), (std::vector<std::string>{"2b", "3b", "4b", "5b", "6b", "1b"}));
    EXPECT_EQ(f->lblMusVeloci(0).Caption.get(), "0");
    EXPECT_EQ(f->lblMusLenti(0).Caption.get(), "0");
    EXPECT_EQ(f->lblPassaggio.Caption.get(), "0");
}

TEST_F(MusicTest, FastAndSlowPiecesAlternateAndEachListStartsOverInTheSameOrder) {
    h.useSeededRandom(7);
    f->cmdAssegnaVeloci_Click();
    const auto fast = codes(f->lblMusVeloci, 11);
    const auto slow = codes(f->lblMusLenti, 6);
    auto sortedFast = fast, sortedSlow = slow;
    std::sort(sortedFast.begin(), sortedFast.end());
    std::sort(sortedSlow.begin(), sortedSlow.end());
    EXPECT_EQ(sortedFast, (std::vector<std::string>{"1a", "1c", "2a", "2c", "3a", "3c", "4a", "4c", "5a", "5c", "6a"}));
    EXPECT_EQ(sortedSlow, (std::vector<std::string>{"1b", "2b", "3b", "4b", "5b", "6b"}));

    std::vector<std::string> played;
    for (int k = 0; k < 24; ++k) {
        f->cmdProssimoBrano_Click();
        played.push_back(lastPiece());
    }
    for (int k = 0; k < 24; ++k) {
        const int turn = k / 2;
        EXPECT_EQ(played[k], k % 2 == 0 ? fast[turn % 11] : slow[turn % 6]) << k;
    }
    // The 12th fast piece is the first again, the 7th slow piece too.
    EXPECT_EQ(played[22], played[0]);
    EXPECT_EQ(played[13], played[1]);
    // Each change stops the channel and opens the new file; the developer view marks it.
    EXPECT_EQ(f->lblTipoPezzo.Caption.get(), "Lento");
    EXPECT_EQ(f->lblMusLenti(0).Caption.get(), "6");
    EXPECT_EQ(f->lblMusLenti(6).BackColor.get(), 0xFFu);
    EXPECT_EQ(f->lblMusLenti(1).BackColor.get(), 0xFFFFFFu);
    const auto& log = h.audio.log;
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[log.size() - 4], "mmcMusiche Prev");
    EXPECT_EQ(log[log.size() - 3], "mmcMusiche Close");
    EXPECT_EQ(log[log.size() - 2].rfind("mmcMusiche Open ", 0), 0u);
    EXPECT_EQ(log[log.size() - 1].rfind("mmcMusiche Play ", 0), 0u);
}

TEST_F(MusicTest, WithSempreTheNextPieceFollowsWithinThePollAndWithOgniTantoAfterThePause) {
    f->cmdAssegnaVeloci_Click();
    f->TmrMusiche.Enabled = true;
    f->cmdProssimoBrano_Click();
    const std::string first = lastPiece();
    // While the piece plays the poll does nothing.
    h.advance(10000);
    EXPECT_EQ(h.audio.plays().size(), 1u);
    h.audio.finish("mmcMusiche");
    h.advance(2000);
    ASSERT_EQ(h.audio.plays().size(), 2u);
    EXPECT_EQ(lastPiece(), f->lblMusLenti(1).Caption.get());
    EXPECT_TRUE(f->TmrMusiche.Enabled);

    f->lblVoceOpzione(3).Caption = "Ogni tanto";
    h.audio.finish("mmcMusiche");
    h.advance(2000);
    EXPECT_FALSE(f->TmrMusiche.Enabled);
    EXPECT_TRUE(f->TmrRipetiMusiche.Enabled);
    h.advance(24999);
    EXPECT_EQ(h.audio.plays().size(), 2u);
    h.advance(1);
    ASSERT_EQ(h.audio.plays().size(), 3u);
    EXPECT_EQ(lastPiece(), f->lblMusVeloci(2).Caption.get());
    EXPECT_FALSE(f->TmrRipetiMusiche.Enabled);
    EXPECT_TRUE(f->TmrMusiche.Enabled);
    EXPECT_NE(first, lastPiece());
}

TEST_F(MusicTest, TheVictoryPieceRepeatsFromItsStartWhileTheMusicIsOn) {
    f->mmcMusiche.FileName = f->GamePath("\\Musiche\\Vittoria.mid");
    f->StartChannel(f->mmcMusiche);
    f->TmrVerdi.Enabled = true;
    h.audio.clear();
    h.advance(18700);
    ASSERT_EQ(h.audio.log.size(), 4u);
    EXPECT_EQ(h.audio.log[0], "mmcMusiche Prev");
    EXPECT_EQ(h.audio.log[1], "mmcMusiche Close");
    EXPECT_EQ(h.audio.log[2].rfind("mmcMusiche Open ", 0), 0u);
    EXPECT_EQ(h.audio.log[3].rfind("mmcMusiche Play ", 0), 0u);
    EXPECT_NE(lastPiece().find("Vittoria"), std::string::npos);
    h.advance(18700);
    EXPECT_EQ(h.audio.plays().size(), 2u);
    // Music switched off: the victory piece is not started again.
    f->lblVoceOpzione(3).Caption = "No";
    f->StopChannel(f->mmcMusiche);
    h.advance(18700);
    EXPECT_EQ(h.audio.plays().size(), 2u);
    EXPECT_FALSE(f->TmrVerdi.Enabled);
}

TEST_F(MusicTest, APauseRunningWhenAGameEndsLeavesTheEndPieceAlone) {
    // The human wins one game, Bob the next.
    for (int player : {1, 2}) {
        SCOPED_TRACE(player);
        if (player == 2) f->lblNuovaPartita_Click();
        ASSERT_NO_FATAL_FAILURE(WinDuringAPause(player));
        // The pause would have ended 8 s after the win; the end piece starts with the end-of-game box.
        h.advance(8000);
        const char* end = player == 1 ? "Vittoria.mid" : "Sconfitta.mid";
        EXPECT_EQ(piecesPlayed(), std::vector<std::string>{end});
        EXPECT_NE(f->mmcMusiche.FileName.get().find(end), std::string::npos);
        EXPECT_FALSE(f->TmrRipetiMusiche.Enabled);
        EXPECT_FALSE(f->TmrMusiche.Enabled);
    }
}

TEST_F(MusicTest, APauseLeftFromTheLastGameDoesNotCutTheNewGamesFirstPiece) {
    ASSERT_NO_FATAL_FAILURE(WinDuringAPause(2));
    h.advance(8000);
    // Over the rematch box the music goes off and on again; a piece plays and its pause starts.
    f->lblVoceOpzione(3).Caption = "No";
    f->StopChannel(f->mmcMusiche);
    ASSERT_NO_FATAL_FAILURE(PauseAfterAPiece());
    // The player starts a new game soon after.
    h.advance(5000);
    f->lblNuovaPartita_Click();
    const std::string first = lastPiece();
    h.audio.clear();
    h.advance(25000);
    EXPECT_TRUE(h.audio.plays().empty());
    EXPECT_EQ(lastPiece(), "");
    EXPECT_FALSE(f->TmrRipetiMusiche.Enabled);
    EXPECT_TRUE(f->TmrMusiche.Enabled);
    EXPECT_EQ(first, f->lblMusVeloci(2).Caption.get());
}

TEST_F(MusicTest, MusicSwitchedOffAndOnAfterTheHumansWinEndsTheVictoryRepeat) {
    f->cmdAssegnaVeloci_Click();
    f->lblVoceOpzione(3).Caption = "Sempre";
    f->setBackColor(0x8080FF);
    f->SwitchChannelFile(f->mmcMusiche, "\\Musiche\\Vittoria.mid");
    f->TmrPannelloVittoria_Timer();
    ASSERT_TRUE(f->TmrVerdi.Enabled);
    f->click(f->lblPulsante(2));
    f->click(f->lblOpzione(3));  // "Sempre" -> "No"
    EXPECT_EQ(f->lblVoceOpzione(3).Caption.get(), "No");
    EXPECT_FALSE(f->TmrVerdi.Enabled);
    h.advance(5000);
    f->click(f->lblOpzione(3));  // "No" -> "Ogni tanto": a normal piece
    const std::string piece = lastPiece();
    ASSERT_EQ(piece, f->lblMusVeloci(1).Caption.get());
    h.audio.clear();
    h.advance(18700 * 3);
    EXPECT_TRUE(h.audio.plays().empty());
    EXPECT_FALSE(f->TmrVerdi.Enabled);
}
