// The characters' threat tables against the threat rule, and the threat count.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "ai/evaluation.h"
#include "ai/threat_tables.h"
#include "board/board_geometry.h"

using namespace zirimbo::ai;

namespace {

// (threatened cell, attacking colour, source cell) -> weight.
using ThreatMap = std::map<std::tuple<int, int, int>, int>;
// (threatened cell, colour whose parked pawns count).
using ParkingSet = std::set<std::pair<int, int>>;

bool HasNoCase(int mover, int c) { return IsRefuge(c) || c == ExitCellOf(mover); }

// Cell k places behind c on c's own ring.
int Behind(int c, int k) {
    if (IsOuter(c)) return ((c - 1 - k) % 20 + 20) % 20 + 1;
    if (IsMiddle(c)) return 21 + ((c - 21 - k) % 12 + 12) % 12;
    return 33 + ((c - 33 - k) % 4 + 4) % 4;
}

// The rule as the table's description states it: ring items for every
// opponent, path items per opponent colour from the ring just outside, parking
// items on the opponents' start cells.
void DeriveFromRule(int mover, ThreatMap& items, ParkingSet& parking) {
    auto add = [&](int c, int x, int s, int w) { items[{c, x, s}] += w; };
    for (int c = 1; c <= 36; ++c) {
        if (HasNoCase(mover, c)) continue;
        for (int x = 1; x <= 4; ++x) {
            if (x == mover) continue;
            if (IsInner(c)) {
                add(c, x, Behind(c, 1), 2);
                add(c, x, Behind(c, 2), 2);
                add(c, x, Behind(c, 3), 1);
            } else {
                for (int k = 1; k <= 6; ++k) add(c, x, Behind(c, k), 1);
            }
            if (IsMiddle(c) || IsInner(c)) {
                const int lo = IsMiddle(c) ? 1 : 21, hi = IsMiddle(c) ? 20 : 32;
                for (int s = lo; s <= hi; ++s) {
                    const int step = PathStep(x, s);
                    int w = 0;
                    for (int t = 1; t <= 6; ++t)
                        if (step + t <= 42 && PathCell(x, step + t) == c) ++w;
                    if (w) add(c, x, s, w);
                }
            }
            if (IsOuter(c) && c == StartCellOf(x)) parking.insert({c, x});
        }
    }
}

// The same from the throws themselves: for an opponent pawn on every other
// cell, the number of die values that bring it onto c by its path or, on the
// outer and middle rings, round its ring; a six brings a parked pawn to its start.
void DeriveFromThrows(int mover, ThreatMap& items, ParkingSet& parking) {
    for (int c = 1; c <= 36; ++c) {
        if (HasNoCase(mover, c)) continue;
        for (int x = 1; x <= 4; ++x) {
            if (x == mover) continue;
            for (int s = 1; s <= 36; ++s) {
                if (s == c) continue;
                const int step = PathStep(x, s);
                const int ring = IsOuter(s) ? s : IsMiddle(s) ? s + 6 : 0;
                int w = 0;
                for (int d = 1; d <= 6; ++d) {
                    const bool byPath = PathCell(x, step + d) == c;
                    const bool byRing = ring != 0 && RingEntry(ring + d) == c;
                    if (byPath || byRing) ++w;
                }
                if (w) items[{c, x, s}] = w;
            }
            if (StartCellOf(x) == c) parking.insert({c, x});
        }
    }
}

// The listed table, item by item, spread over the colours each item names.
void ReadListed(int mover, ThreatMap& items, ParkingSet& parking, std::vector<std::string>& overlaps) {
    std::set<int> listedCells;
    for (const ThreatRow& row : ListedThreatRows(mover)) {
        EXPECT_TRUE(listedCells.insert(row.cell).second) << "cell listed twice: " << row.cell;
        const ThreatCase tc = ReadThreatRow(mover, row);
        for (const ThreatItem& item : tc.items)
            for (int x = 1; x <= 4; ++x) {
                if (!(item.colours & ColourBit(x))) continue;
                for (int s = item.from; s <= item.to; ++s) {
                    auto [it, fresh] = items.insert({{row.cell, x, s}, item.weight});
                    if (!fresh) overlaps.push_back(std::to_string(row.cell) + " from " + std::to_string(s));
                }
            }
        for (int x = 1; x <= 4; ++x)
            if (tc.parking & ColourBit(x)) parking.insert({row.cell, x});
    }
}

std::string Describe(const std::tuple<int, int, int>& k) {
    static const char* names[] = {"", "red", "blue", "yellow", "green"};
    return "cell " + std::to_string(std::get<0>(k)) + ", " + names[std::get<1>(k)] + " on " +
           std::to_string(std::get<2>(k));
}

void CompareWithRule(int mover) {
    ThreatMap rule, throws, listed;
    ParkingSet ruleParking, throwParking, listedParking;
    std::vector<std::string> overlaps;
    DeriveFromRule(mover, rule, ruleParking);
    DeriveFromThrows(mover, throws, throwParking);
    ReadListed(mover, listed, listedParking, overlaps);

    // The rule and the throws it stands for agree.
    EXPECT_EQ(rule, throws);
    EXPECT_EQ(ruleParking, throwParking);
    // No two items of a line look for the same colour on the same cell.
    EXPECT_TRUE(overlaps.empty()) << overlaps.front();
    // Item by item, both ways.
    for (const auto& [key, w] : rule) {
        auto it = listed.find(key);
        if (it == listed.end())
            ADD_FAILURE() << "missing from the table: " << Describe(key) << " weight " << w;
        else
            EXPECT_EQ(it->second, w) << Describe(key);
    }
    for (const auto& [key, w] : listed)
        if (!rule.count(key)) ADD_FAILURE() << "not in the rule: " << Describe(key) << " weight " << w;
    EXPECT_EQ(listedParking, ruleParking);
}

}  // namespace

TEST(ThreatTables, BobsTableFollowsTheThreatRule) { CompareWithRule(kBlue); }
TEST(ThreatTables, GiorgettosTableFollowsTheThreatRule) { CompareWithRule(kYellow); }
TEST(ThreatTables, CarlasTableFollowsTheThreatRule) { CompareWithRule(kGreen); }

TEST(ThreatTables, UnreadableListsAreRefused) {
    const ThreatRow bad{5, "1-", {"", "", "", "", ""}, ""};
    EXPECT_THROW(ReadThreatRow(kBlue, bad), std::invalid_argument);
    const ThreatRow selfThreat{5, "", {"", "", "1", "", ""}, ""};
    EXPECT_THROW(ReadThreatRow(kBlue, selfThreat), std::invalid_argument);
}

// ---- The threat count on a board ----

namespace {
struct Position {
    Board b;
    Position& on(int cell, int pawn) {
        b.cell[cell] = static_cast<std::uint8_t>(pawn);
        return *this;
    }
    Position& parked(int pawn) {
        b.parked[pawn] = static_cast<std::uint8_t>(pawn);
        return *this;
    }
    std::array<std::int16_t, 17> threats(int mover) const {
        std::array<std::int16_t, 17> n{};
        CountThreats(b, ThreatTableOf(mover), n);
        return n;
    }
};
}  // namespace

TEST(ThreatCount, RefugesAndOwnStartCell) {
    // Opponents all around a refuge count nothing.
    for (int refuge : {3, 8, 13, 18}) {
        Position p;
        p.on(refuge, 5);
        for (int k = 1; k <= 6; ++k) p.on(Behind(refuge, k), 1);
        EXPECT_EQ(p.threats(kBlue)[5], 0) << refuge;
    }
    // Bob on his start cell: cells 1-5 and 20 only; parked pawns of any colour add nothing.
    Position s;
    s.on(6, 5).on(1, 2).on(20, 9).on(19, 13).parked(1).parked(9).parked(13).parked(6);
    EXPECT_EQ(s.threats(kBlue)[5], 2);
}

TEST(ThreatCount, ParkedPawnsOfAColourCountOnce) {
    // Bob on cell 1: opponents on 15 and 20, two red pawns parked: 3. Blue behind him: nothing.
    Position p;
    p.on(1, 5).on(15, 9).on(20, 14).on(16, 6).parked(2).parked(3);
    EXPECT_EQ(p.threats(kBlue)[5], 3);
    // Carla on cell 1 with three red pawns parked and a yellow pawn on 20.
    Position c;
    c.on(1, 13).on(20, 9).parked(1).parked(2).parked(3);
    EXPECT_EQ(c.threats(kGreen)[13], 2);
}

TEST(ThreatCount, PathItemsLookForOneColourOnly) {
    Position p27;
    p27.on(27, 5).on(10, 9);
    EXPECT_EQ(p27.threats(kBlue)[5], 1);
    p27.on(10, 1);
    EXPECT_EQ(p27.threats(kBlue)[5], 0);
    p27.on(10, 13);
    EXPECT_EQ(p27.threats(kBlue)[5], 0);

    Position g21;
    g21.on(21, 9).on(13, 14);
    EXPECT_EQ(g21.threats(kYellow)[9], 1);
    g21.on(13, 5);
    EXPECT_EQ(g21.threats(kYellow)[9], 0);
}

TEST(ThreatCount, InnerCellsWeighTwoForTwoThrows) {
    // Bob on 34: 2 for 33, 2 for 36, 1 for 35, 2 for red on 32.
    Position b;
    b.on(34, 5).on(33, 9).on(36, 13).on(35, 1).on(32, 2);
    EXPECT_EQ(b.threats(kBlue)[5], 2 + 2 + 1 + 2);
    // Carla on 33: red on 23 is nothing to her, blue and yellow on 23 are.
    Position c;
    c.on(33, 13).on(23, 1);
    EXPECT_EQ(c.threats(kGreen)[13], 0);
    c.on(23, 6);
    EXPECT_EQ(c.threats(kGreen)[13], 1);
}

TEST(ThreatCount, EveryThreatenedPawnCountsItsAttackersOnItsOwn) {
    // One red pawn on 32 against green pawns on 21, 26, 34 and 36.
    Position fan;
    fan.on(32, 1).on(21, 13).on(26, 14).on(34, 15).on(36, 16);
    const auto n = fan.threats(kGreen);
    EXPECT_EQ(n[13], 1);
    EXPECT_EQ(n[14], 1);
    EXPECT_EQ(n[15], 2);
    EXPECT_EQ(n[16], 1);
    EXPECT_EQ(n[1], 0);  // opponents are never charged
}
