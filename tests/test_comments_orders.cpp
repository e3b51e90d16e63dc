// The line orders and the characters' starting places, drawn once per run.
#include <algorithm>
#include <string>
#include <vector>

#include "test_comments_fixture.h"

using zirimbo::frmZirimbo2012;

namespace {
std::vector<int> Order(frmZirimbo2012& f, int category) {
    std::vector<int> v;
    for (int i = 1; i <= frmZirimbo2012::CommentLineCount(category); ++i)
        v.push_back(std::stoi(f.LineOrderOf(category)(i).Caption.get()));
    return v;
}
}  // namespace

TEST_F(CommentTest, EveryFillGivesPermutationsAndCursorsInRangeWithOneHundredThirtyTwoDraws) {
    for (std::uint64_t seed : {1u, 2u, 3u, 17u, 99u}) {
        h.useSeededRandom(seed);
        f = std::make_unique<frmZirimbo2012>(h.rt);
        // Each second of the clock gives other draws.
        h.advance(1000 * static_cast<int>(seed));
        f->cmdAssegnaCasuale_Click();
        for (int c = 1; c <= 11; ++c) {
            std::vector<int> v = Order(*f, c);
            std::sort(v.begin(), v.end());
            std::vector<int> expected;
            for (int i = 1; i <= frmZirimbo2012::CommentLineCount(c); ++i) expected.push_back(i);
            EXPECT_EQ(v, expected) << "seed " << seed << " category " << c;
            for (int who = 2; who <= 4; ++who) {
                const long cursor = std::stol(f->LineCursorsOf(who)(c).Caption.get());
                EXPECT_GE(cursor, 1) << seed;
                EXPECT_LE(cursor, frmZirimbo2012::CommentLineCount(c)) << seed;
            }
        }
        // The end state.
        EXPECT_EQ(text(f->lblConteggio), "0");
        EXPECT_EQ(f->lblConteggio.BackColor.get(), zirimbo::colour::White);
        EXPECT_EQ(text(f->lblNumeriSette(0)), "3");
        for (int i = 1; i <= 3; ++i) EXPECT_EQ(text(f->lblNumeriSette(i)), text(f->lbl11(i)));
        for (int i = 4; i <= 7; ++i) EXPECT_EQ(text(f->lblNumeriSette(i)), std::to_string(i));
    }
    // The draws: 14 + 7 x 10 + 3 x 3 for the orders, 27 + 12 for the cursors.
    tk::HeadlessRuntime counting;  // scripted numbers, which count the draws
    counting.rt.startDirectory = ZIRIMBO_GAME_FOLDER;
    frmZirimbo2012 g(counting.rt);
    g.cmdAssegnaCasuale_Click();
    EXPECT_EQ(counting.scripted.draws(), 132);
    // A second fill starts its first category with a three-place pass: 4 draws fewer.
    g.cmdAssegnaCasuale_Click();
    EXPECT_EQ(counting.scripted.draws(), 132 + 128);
}

TEST_F(CommentTest, TheShuffleSwapsEachPlaceFromTheLastDownWithTheDrawnOne) {
    // At 10:00:00 with no number scripted every draw gives 1: each pass moves the
    // first of its places to the end of them.
    f->cmdAssegnaCasuale_Click();
    EXPECT_EQ(Order(*f, 1), (std::vector<int>{3, 4, 5, 6, 7, 1, 2}));  // two passes over seven
    EXPECT_EQ(Order(*f, 2), (std::vector<int>{5, 3, 6, 7, 1, 2, 4}));  // three places, then seven
    EXPECT_EQ(Order(*f, 9), (std::vector<int>{2, 3, 1}));
    EXPECT_EQ(Order(*f, 10), (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(Order(*f, 11), (std::vector<int>{1, 2, 3}));
    for (int who = 2; who <= 4; ++who)
        for (int c = 1; c <= 11; ++c) EXPECT_EQ(text(f->LineCursorsOf(who)(c)), "1");

    // The cursors take the draws in their order: Bob 1 to 8 and an unused draw, Giorgetto, Carla.
    f = std::make_unique<frmZirimbo2012>(h.rt);
    const int bob[9] = {2, 3, 4, 5, 6, 7, 1, 2, 7};
    const int giorgetto[9] = {7, 6, 5, 4, 3, 2, 1, 7, 1};
    const int carla[9] = {1, 1, 2, 2, 3, 3, 4, 4, 5};
    for (int v : bob) script(v, 7);
    for (int v : giorgetto) script(v, 7);
    for (int v : carla) script(v, 7);
    for (int v : {3, 2, 1, 1, 1, 2, 3, 2, 2, 3, 3, 3}) script(v, 3);
    f->cmdAssegnaGiocatori_Click();
    for (int s = 1; s <= 8; ++s) {
        EXPECT_EQ(text(f->lblEtiBob(s)), std::to_string(bob[s - 1]));
        EXPECT_EQ(text(f->lblEtiGio(s)), std::to_string(giorgetto[s - 1]));
        EXPECT_EQ(text(f->lblEtiCar(s)), std::to_string(carla[s - 1]));
    }
    EXPECT_EQ(text(f->lblEtiBob(9)) + text(f->lblEtiBob(10)) + text(f->lblEtiBob(11)), "321");
    EXPECT_EQ(text(f->lblEtiGio(9)) + text(f->lblEtiGio(10)) + text(f->lblEtiGio(11)), "123");
    EXPECT_EQ(text(f->lblEtiCar(9)) + text(f->lblEtiCar(10)) + text(f->lblEtiCar(11)), "233");
    EXPECT_EQ(h.scripted.remaining(), 0u);
}
