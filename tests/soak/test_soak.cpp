// The soak: many whole headless games played by a random "monkey" that rolls,
// clicks pawns, cells and parking squares at random, changes options, opens and
// closes the panels and answers "No" on the exit panel, with the board's
// invariants checked after every timer tick and every game bounded in virtual time.
//
// ZIRIMBO_SOAK_GAMES sets the number of games (default 300); ZIRIMBO_SOAK_SHARD
// ("i/n") plays every n-th of them starting from game i, so that ctest can run the
// soak in several processes side by side.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>

#include "tests/support/whole_game_driver.h"
#include "tests/test_startup_fixture.h"

namespace {

constexpr int kDefaultGames = 300;
constexpr int kGamesPerWindow = 25;  // then a new run of the program
constexpr std::int64_t kGameLimitMs = 6LL * 3600 * 1000;

int EnvNumber(const char* name, int fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::atoi(v) : fallback;
}

class Monkey {
public:
    Monkey(zirimbo::frmZirimbo2012& f, tk::HeadlessRuntime& h, std::uint64_t seed) : f_(f), h_(h), rng_(seed) {}

    // Plays one game to its end. Returns "" or what went wrong.
    std::string playGame() {
        const std::int64_t start = h_.now();
        while (whole_game::Winner(f_) == 0) {
            if (h_.now() - start > kGameLimitMs) return "no winner after " + std::to_string(kGameLimitMs) + " ms";
            run(pick(10, 1500));
            if (whole_game::Winner(f_) == 0 && broken_.empty()) act();
            check();
            if (!broken_.empty()) return broken_ + " at " + std::to_string(h_.now()) + " ms";
        }
        // The end-of-game panel, and sometimes a look at the panels, then the next game.
        if (!h_.runUntil([&] { return f_.FraRicomincia.Visible.get(); }, 60000, [this] { check(); }))
            return "no rematch box after the victory";
        if (chance(30)) openAndClosePanel();
        if (chance(20)) changeOption();
        if (!broken_.empty()) return broken_ + " after the victory";
        // A panel opened over the rematch box has to be closed first.
        for (int tries = 0; tries < 4 && whole_game::Winner(f_) != 0; ++tries) {
            clickAt(f_.lblNuovaPartita);
            for (int p = 0; p <= 3 && whole_game::Winner(f_) != 0; ++p)
                if (f_.FraPannello(p).Visible.get()) clickAt(f_.lblPulsante(p));
        }
        if (whole_game::Winner(f_) != 0) return "the rematch box gave no new game";
        return whole_game::BrokenInvariant(f_);
    }

private:
    zirimbo::frmZirimbo2012& f_;
    tk::HeadlessRuntime& h_;
    std::mt19937_64 rng_;
    std::string broken_;  // the first broken invariant seen

    void check() {
        if (broken_.empty() && whole_game::AtRest(f_)) broken_ = whole_game::BrokenInvariant(f_);
    }
    // Lets the timers run for up to ms, checking the board after every tick.
    void run(int ms) {
        h_.runUntil([&] { return !broken_.empty() || whole_game::Winner(f_) != 0; }, ms, [this] { check(); });
    }
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    // A click as the mouse makes it: on whatever is on top at the control's centre.
    void clickAt(const tk::Control& c) {
        const int x = c.absLeft() + c.Width / 2, y = c.absTop() + c.Height / 2;
        f_.mouseMove(x, y);
        f_.mouseDown(x, y);
        f_.mouseUp(x, y);
    }

    bool prompt() { return f_.ImgDado.Visible.get() && f_.cmdGioca.Enabled.get(); }
    bool choosing() {
        return f_.lblPuoiGiocare.Caption.get() == "Si" && f_.lblFaseMossa.Caption.get() != "0" &&
               tk::Val(f_.lblMossePossibili.Caption) > 0;
    }

    void act() {
        const int roll = pick(1, 100);
        if (roll <= 4) {
            changeOption();
        } else if (roll <= 8) {
            openAndClosePanel();
        } else if (roll <= 9) {
            exitThenNo();
        } else if (roll <= 25) {
            randomBoardClick();
        } else if (prompt()) {
            if (chance(50))
                clickAt(f_.ImgDado);
            else
                f_.keyDown(tk::vbKeyReturn);
        } else if (choosing()) {
            playARow();
        }
    }

    // A playable move by its two clicks, or half of it (the choice may be dropped later).
    void playARow() {
        const int count = static_cast<int>(tk::Val(f_.lblPed(0).Caption));
        if (count < 1 || count > 8) return;
        const int n = pick(1, count);
        if (f_.lblPed(n).ForeColor != zirimbo::colour::Red) return;
        const int source = static_cast<int>(tk::Val(f_.lblPos(n).Caption));
        if (f_.lblFaseMossa.Caption.get() == "1") {
            if (f_.lblPos(n).BorderStyle == 1) {
                if (source >= 1 && source <= 16) clickAt(f_.ImgPartenza(source));
            } else if (source >= 1 && source <= 36) {
                clickAt(f_.ImgGif(source));
            }
            if (chance(20)) return;
        }
        const long target = tk::Val(f_.lblFinale(n).Caption);
        if (target >= 1 && target <= 36) clickAt(f_.ImgGif(static_cast<int>(target)));
    }

    void randomBoardClick() {
        if (chance(70))
            clickAt(f_.ImgGif(pick(1, 36)));
        else
            clickAt(f_.ImgPartenza(pick(1, 16)));
    }

    void openAndClosePanel() {
        const int panel = pick(0, 2);
        clickAt(f_.lblPulsante(panel));
        if (panel == 0)
            for (int k = pick(0, 4); k > 0; --k) clickAt(f_.lblLetturaRegole(pick(0, 1)));
        run(pick(10, 800));
        if (chance(80)) clickAt(f_.lblPulsante(panel));
    }

    void changeOption() {
        clickAt(f_.lblPulsante(2));
        for (int k = pick(1, 3); k > 0; --k) clickAt(f_.lblOpzione(pick(0, 5)));
        if (chance(80)) clickAt(f_.lblPulsante(2));
    }

    void exitThenNo() {
        clickAt(f_.lblPulsante(3));
        if (f_.FraPannello(3).Visible.get()) clickAt(f_.lblEsci(1));
    }
};

}  // namespace

TEST(Soak, WholeGamesWithRandomClicksOptionsAndPanelsKeepTheBoardSound) {
    const int games = EnvNumber("ZIRIMBO_SOAK_GAMES", kDefaultGames);
    int shard = 0, shards = 1;
    if (const char* s = std::getenv("ZIRIMBO_SOAK_SHARD")) std::sscanf(s, "%d/%d", &shard, &shards);
    ASSERT_TRUE(shards >= 1 && shard >= 0 && shard < shards);

    test_startup::GameFolder folder;
    std::unique_ptr<tk::HeadlessRuntime> h;
    std::unique_ptr<zirimbo::frmZirimbo2012> f;
    int played = 0;
    for (int game = shard; game < games; game += shards) {
        if (played % kGamesPerWindow == 0) {
            f.reset();
            h = std::make_unique<tk::HeadlessRuntime>();
            h->rt.startDirectory = folder.path();
            f = std::make_unique<zirimbo::frmZirimbo2012>(h->rt);
            f->Load();
            f->Show();
            test_startup::SkipIntro(*h, *f);
            h->useSeededRandom(0x5eed0000u + static_cast<std::uint64_t>(game));
            f->cmdAssegnaCasuale_Click();  // the comment line orders
            f->cmdAssegnaVeloci_Click();   // and the music lists, as the name entry draws them
        }
        h->useSeededRandom(static_cast<std::uint64_t>(game) + 1);
        Monkey monkey(*f, *h, 0x6d6f6e6bull ^ static_cast<std::uint64_t>(game));
        const std::string broken = monkey.playGame();
        ASSERT_EQ(broken, "") << "game " << game;
        ++played;
    }
    RecordProperty("games", played);
}
