#include <string>

#include "tests/support/whole_game_driver.h"
#include "turn_cycle_fixture.h"

// Red against the three computer players, from the first roll to a victory, with
// the board's invariants checked after every timer tick and every move; each
// finished game goes through the end-of-game panel into a new game.
TEST_F(TurnCycleTest, WholeGamesEndInAVictoryWithTheBoardSoundAfterEveryTick) {
    f->lblVoceOpzione(2).Caption = "No";
    f->cmdAssegnaCasuale_Click();  // the comment line orders, as the name entry draws them
    int computerWins = 0;
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        if (seed > 1) {
            ASSERT_TRUE(h.runUntil([&] { return f->FraRicomincia.Visible.get(); }, 10000)) << seed;
            f->click(f->lblNuovaPartita);
            ASSERT_EQ(whole_game::Winner(*f), 0) << seed;
        }
        h.useSeededRandom(seed);
        int checks = 0;
        std::string broken;
        const auto result = whole_game::Play(*f, h, 6LL * 3600 * 1000, [&] {
            if (!broken.empty() || !whole_game::AtRest(*f)) return;
            ++checks;
            broken = whole_game::BrokenInvariant(*f);
        });
        ASSERT_EQ(broken, "") << "seed " << seed << " at " << h.now() << " ms";
        ASSERT_NE(result.winner, 0) << "seed " << seed;
        EXPECT_GT(checks, 1000) << seed;
        const int w = result.winner;
        EXPECT_EQ(f->lblDadiUsciti(w).Caption.get(), "4") << seed;
        for (int p = 4 * w - 3; p <= 4 * w; ++p) EXPECT_EQ(f->lblUscite(p).Caption.get(), std::to_string(p));
        for (int other = 1; other <= 4; ++other) {
            if (other == w) continue;
            EXPECT_NE(f->lblDadiUsciti(other).Caption.get(), "4") << seed;
        }
        if (result.redWon) {
            EXPECT_GE(result.redMoves, 4 * 9);  // at least nine moves to bring each pawn home
            EXPECT_EQ(f->lblSpiegazioni.Caption.get(), "Hai vinto, " + f->lblNomeGiocatore.Caption.get() + "!!");
        } else {
            ++computerWins;
            EXPECT_EQ(f->lblPed(0).Caption.get(), "0");  // the winning move cleared the table
        }
        EXPECT_FALSE(f->TmrAspettaDado.Enabled);
        EXPECT_FALSE(f->TimerDado.Enabled);
        for (tk::Timer* t : {&f->TmrMossaBlu3, &f->TmrMossaGiallo3, &f->TmrMossaVerde3}) EXPECT_FALSE(t->Enabled);
        // The computer turns' flags are at rest for the next game, which does not reset them.
        EXPECT_EQ(f->lblContatoreMosse.Caption.get(), "0");
        for (tk::Label* flag : {&f->lblPedineRosseMangiabili, &f->lblHaMangiato, &f->lblSicuro})
            EXPECT_EQ(flag->BackColor.get(), zirimbo::colour::White) << flag->Name() << " " << seed;
    }
    RecordProperty("computer_wins", computerWins);
}
