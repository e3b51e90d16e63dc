#include <string>

#include "turn_cycle_fixture.h"
#include "whole_game_driver.h"

// Red against the three stand-in players, from the first roll to red's victory,
// with the board's invariants checked after every timer tick and every move.
TEST_F(TurnCycleTest, AWholeGameEndsInRedsVictoryWithTheBoardSoundAfterEveryTick) {
    f->lblVoceOpzione(2).Caption = "No";
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        if (seed > 1) {
            h.advance(7000);   // the end-of-game panel, then a new game
            ASSERT_TRUE(f->FraRicomincia.Visible) << seed;
            f->click(f->lblNuovaPartita);
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
        ASSERT_TRUE(result.redWon) << "seed " << seed;
        EXPECT_GT(checks, 1000) << seed;
        EXPECT_GE(result.redMoves, 4 * 9);   // at least nine moves to bring each pawn home
        EXPECT_EQ(f->lblDadiUsciti(1).Caption.get(), "4");
        for (int p = 1; p <= 4; ++p) EXPECT_EQ(f->lblUscite(p).Caption.get(), std::to_string(p));
        EXPECT_EQ(f->lblSpiegazioni.Caption.get(), "Hai vinto, Doduru!!");
        EXPECT_FALSE(f->TmrAspettaDado.Enabled);
        EXPECT_FALSE(f->TimerDado.Enabled);
    }
}
