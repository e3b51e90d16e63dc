// The threat tables of the three characters: for each cell where one of the
// mover's pawns may stand, the cells from which an opponent could strike it on
// the next throw, which opponents count there and with what weight, and the
// colours whose parked pawns could enter onto it with a six.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zirimbo::ai {

// A colour set as bits: bit 1 red, bit 2 blue, bit 3 yellow, bit 4 green.
constexpr std::uint8_t ColourBit(int colour) { return static_cast<std::uint8_t>(1u << colour); }
constexpr std::uint8_t kAllColours = 0x1E;
constexpr std::uint8_t OpponentsOf(int mover) { return static_cast<std::uint8_t>(kAllColours & ~ColourBit(mover)); }

// One line of a threat table as the design lists it. Each text is a list of
// source cells and runs ("15-20", "33 x2, 36 x2, 35"); a run marked x2 weighs 2.
// `all` looks for every opponent's pawns, `byColour[x]` for colour x's pawns only
// (the mover's own column stays empty); `parking` names a colour ("red") or is empty.
struct ThreatRow {
    int cell;
    const char* all;
    std::array<const char*, 5> byColour;  // [1..4]
    const char* parking;
};

// One item of a line: a run of source cells, the colours whose pawns count there, a weight.
struct ThreatItem {
    int from, to;
    std::uint8_t colours;
    int weight;
};

// The threats listed for one cell.
struct ThreatCase {
    std::vector<ThreatItem> items;
    std::uint8_t parking = 0;  // colours whose parked pawns count once
};

// The listed lines of a mover's table (2 Bob, 3 Giorgetto, 4 Carla); cells
// without a line have no threats (the refuges and the mover's exit cell).
std::span<const ThreatRow> ListedThreatRows(int mover);

// A line read into items. Throws std::invalid_argument on a text it cannot read.
ThreatCase ReadThreatRow(int mover, const ThreatRow& row);

// A table flattened for counting: every source cell of every item in one array,
// each cell's entries in a slice of it.
struct ThreatTable {
    struct Source {
        std::uint8_t cell;
        std::uint8_t colours;
        std::uint8_t weight;
    };
    struct Slice {
        std::uint16_t first = 0;
        std::uint8_t count = 0;
        std::uint8_t parking = 0;
    };
    int mover = 0;
    std::array<Slice, 37> cases{};
    std::vector<Source> sources;
};

ThreatTable CompileThreatTable(int mover, std::span<const ThreatRow> rows);

// The compiled table of a mover (2, 3 or 4), built on first use.
const ThreatTable& ThreatTableOf(int mover);

}  // namespace zirimbo::ai
