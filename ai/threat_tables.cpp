#include "ai/threat_tables.h"

#include <cctype>
#include <cstring>
#include <stdexcept>

#include "board/board_geometry.h"

namespace zirimbo::ai {

namespace {

// Bob, blue: columns red, -, yellow, green.
const ThreatRow kBobRows[] = {
    {1, "15-20", {"", "", "", "", ""}, "red"},
    {2, "16-20, 1", {"", "", "", "", ""}, ""},
    {4, "1-3, 18-20", {"", "", "", "", ""}, ""},
    {5, "19-20, 1-4", {"", "", "", "", ""}, ""},
    {6, "1-5, 20", {"", "", "", "", ""}, ""},
    {7, "1-6", {"", "", "", "", ""}, ""},
    {9, "3-8", {"", "", "", "", ""}, ""},
    {10, "4-9", {"", "", "", "", ""}, ""},
    {11, "5-10", {"", "", "", "", ""}, "yellow"},
    {12, "6-11", {"", "", "", "", ""}, ""},
    {14, "8-13", {"", "", "", "", ""}, ""},
    {15, "9-14", {"", "", "", "", ""}, ""},
    {16, "10-15", {"", "", "", "", ""}, "green"},
    {17, "11-16", {"", "", "", "", ""}, ""},
    {19, "13-18", {"", "", "", "", ""}, ""},
    {20, "14-19", {"", "", "", "", ""}, ""},
    {21, "27-32", {"", "15-20", "", "", "13-15"}, ""},
    {22, "28-32, 21", {"", "16-20", "", "", "14-15"}, ""},
    {23, "29-32, 21-22", {"", "17-20", "", "", "15"}, ""},
    {24, "21-23, 30-32", {"", "18-20", "", "", ""}, ""},
    {25, "21-24, 31-32", {"", "19-20", "", "", ""}, ""},
    {26, "21-25, 32", {"", "20", "", "", ""}, ""},
    {27, "21-26", {"", "", "", "5-10", ""}, ""},
    {28, "22-27", {"", "", "", "6-10", ""}, ""},
    {29, "23-28", {"", "", "", "7-10", ""}, ""},
    {30, "24-29", {"", "", "", "8-10", "10-15"}, ""},
    {31, "25-30", {"", "", "", "9-10", "11-15"}, ""},
    {32, "26-31", {"", "", "", "10", "12-15"}, ""},
    {34, "33 x2, 36 x2, 35", {"", "28-31, 32 x2", "", "24-26", "26-29"}, ""},
    {35, "33-34 x2, 36", {"", "29-32", "", "21-24, 25-26 x2", "27-29"}, ""},
    {36, "34-35 x2, 33", {"", "30-32", "", "22-25, 26 x2", "24-27, 28-29 x2"}, ""},
};

// Giorgetto, yellow: columns red, blue, -, green.
const ThreatRow kGiorgettoRows[] = {
    {1, "15-20", {"", "", "", "", ""}, "red"},
    {2, "1, 16-20", {"", "", "", "", ""}, ""},
    {4, "1-3, 18-20", {"", "", "", "", ""}, ""},
    {5, "1-4, 19-20", {"", "", "", "", ""}, ""},
    {6, "1-5, 20", {"", "", "", "", ""}, "blue"},
    {7, "1-6", {"", "", "", "", ""}, ""},
    {9, "3-8", {"", "", "", "", ""}, ""},
    {10, "4-9", {"", "", "", "", ""}, ""},
    {11, "5-10", {"", "", "", "", ""}, ""},
    {12, "6-11", {"", "", "", "", ""}, ""},
    {14, "8-13", {"", "", "", "", ""}, ""},
    {15, "9-14", {"", "", "", "", ""}, ""},
    {16, "10-15", {"", "", "", "", ""}, "green"},
    {17, "11-16", {"", "", "", "", ""}, ""},
    {19, "13-18", {"", "", "", "", ""}, ""},
    {20, "14-19", {"", "", "", "", ""}, ""},
    {21, "27-32", {"", "15-20", "", "", "13-15"}, ""},
    {22, "21, 28-32", {"", "16-20", "", "", "14-15"}, ""},
    {23, "21-22, 29-32", {"", "17-20", "", "", "15"}, ""},
    {24, "21-23, 30-32", {"", "18-20", "1-5, 20", "", ""}, ""},
    {25, "21-24, 31-32", {"", "19-20", "1-5", "", ""}, ""},
    {26, "21-25, 32", {"", "20", "2-5", "", ""}, ""},
    {27, "21-26", {"", "", "3-5", "", ""}, ""},
    {28, "22-27", {"", "", "4-5", "", ""}, ""},
    {29, "23-28", {"", "", "5", "", ""}, ""},
    {30, "24-29", {"", "", "", "", "10-15"}, ""},
    {31, "25-30", {"", "", "", "", "11-15"}, ""},
    {32, "26-31", {"", "", "", "", "12-15"}, ""},
    {33, "34, 35-36 x2", {"", "27-30, 31-32 x2", "21-23", "", "25-28, 29 x2"}, ""},
    {35, "33-34 x2, 36", {"", "29-32", "21-22, 23 x2, 31-32", "", "27-29"}, ""},
    {36, "33, 34-35 x2", {"", "30-32", "21-23, 32", "", "24-27, 28-29 x2"}, ""},
};

// Carla, green: columns red, blue, yellow, -.
const ThreatRow kCarlaRows[] = {
    {1, "15-20", {"", "", "", "", ""}, "red"},
    {2, "1, 16-20", {"", "", "", "", ""}, ""},
    {4, "1-3, 18-20", {"", "", "", "", ""}, ""},
    {5, "1-4, 19-20", {"", "", "", "", ""}, ""},
    {6, "1-5, 20", {"", "", "", "", ""}, "blue"},
    {7, "1-6", {"", "", "", "", ""}, ""},
    {9, "3-8", {"", "", "", "", ""}, ""},
    {10, "4-9", {"", "", "", "", ""}, ""},
    {11, "5-10", {"", "", "", "", ""}, "yellow"},
    {12, "6-11", {"", "", "", "", ""}, ""},
    {14, "8-13", {"", "", "", "", ""}, ""},
    {15, "9-14", {"", "", "", "", ""}, ""},
    {16, "10-15", {"", "", "", "", ""}, ""},
    {17, "11-16", {"", "", "", "", ""}, ""},
    {19, "13-18", {"", "", "", "", ""}, ""},
    {20, "14-19", {"", "", "", "", ""}, ""},
    {21, "27-32", {"", "15-20", "", "", ""}, ""},
    {22, "21, 28-32", {"", "16-20", "", "", ""}, ""},
    {23, "21-22, 29-32", {"", "17-20", "", "", ""}, ""},
    {24, "21-23, 30-32", {"", "18-20", "1-5, 20", "", ""}, ""},
    {25, "21-24, 31-32", {"", "19-20", "1-5", "", ""}, ""},
    {26, "21-25, 32", {"", "20", "2-5", "", ""}, ""},
    {27, "21-26", {"", "", "3-5", "5-10", ""}, ""},
    {28, "22-27", {"", "", "4-5", "6-10", ""}, ""},
    {29, "23-28", {"", "", "5", "7-10", ""}, ""},
    {30, "24-29", {"", "", "", "8-10", ""}, ""},
    {31, "25-30", {"", "", "", "9-10", ""}, ""},
    {32, "26-31", {"", "", "", "10", ""}, ""},
    {33, "34, 35-36 x2", {"", "27-30, 31-32 x2", "21-23", "23-26", ""}, ""},
    {34, "33 x2, 35, 36 x2", {"", "28-31, 32 x2", "21, 22-23 x2, 30-32", "24-26", ""}, ""},
    {36, "33, 34-35 x2", {"", "30-32", "21-23, 32", "22-25, 26 x2", ""}, ""},
};

int ColourNamed(const std::string& name) {
    if (name == "red") return kRed;
    if (name == "blue") return kBlue;
    if (name == "yellow") return kYellow;
    if (name == "green") return kGreen;
    throw std::invalid_argument("unknown colour: " + name);
}

// Reads "a", "a-b", each optionally followed by " x2", separated by commas.
void ReadItems(const char* text, std::uint8_t colours, std::vector<ThreatItem>& out) {
    const std::string s = text;
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < s.size() && s[i] == ' ') ++i;
    };
    auto number = [&] {
        skipBlanks();
        if (i >= s.size() || !std::isdigit(static_cast<unsigned char>(s[i])))
            throw std::invalid_argument("threat list: " + s);
        int n = 0;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) n = n * 10 + (s[i++] - '0');
        if (n < 1 || n > 36) throw std::invalid_argument("threat list: " + s);
        return n;
    };
    skipBlanks();
    while (i < s.size()) {
        ThreatItem item{};
        item.colours = colours;
        item.weight = 1;
        item.from = item.to = number();
        skipBlanks();
        if (i < s.size() && s[i] == '-') {
            ++i;
            item.to = number();
            if (item.to < item.from) throw std::invalid_argument("threat list: " + s);
        }
        skipBlanks();
        if (s.compare(i, 2, "x2") == 0) {
            item.weight = 2;
            i += 2;
        }
        skipBlanks();
        if (i < s.size()) {
            if (s[i] != ',') throw std::invalid_argument("threat list: " + s);
            ++i;
            skipBlanks();
        }
        out.push_back(item);
    }
}

}  // namespace

std::span<const ThreatRow> ListedThreatRows(int mover) {
    switch (mover) {
        case kBlue: return kBobRows;
        case kYellow: return kGiorgettoRows;
        case kGreen: return kCarlaRows;
        default: return {};
    }
}

ThreatCase ReadThreatRow(int mover, const ThreatRow& row) {
    ThreatCase c;
    ReadItems(row.all, OpponentsOf(mover), c.items);
    for (int colour = 1; colour <= 4; ++colour) {
        const char* text = row.byColour[colour];
        if (!text || !*text) continue;
        if (colour == mover) throw std::invalid_argument("a mover never threatens itself");
        ReadItems(text, ColourBit(colour), c.items);
    }
    if (row.parking && *row.parking) c.parking = ColourBit(ColourNamed(row.parking));
    return c;
}

ThreatTable CompileThreatTable(int mover, std::span<const ThreatRow> rows) {
    ThreatTable t;
    t.mover = mover;
    for (const ThreatRow& row : rows) {
        if (row.cell < 1 || row.cell > 36) throw std::invalid_argument("threat table cell");
        ThreatCase c = ReadThreatRow(mover, row);
        ThreatTable::Slice& slice = t.cases[row.cell];
        slice.first = static_cast<std::uint16_t>(t.sources.size());
        for (const ThreatItem& item : c.items)
            for (int s = item.from; s <= item.to; ++s)
                t.sources.push_back(
                    {static_cast<std::uint8_t>(s), item.colours, static_cast<std::uint8_t>(item.weight)});
        slice.count = static_cast<std::uint8_t>(t.sources.size() - slice.first);
        slice.parking = c.parking;
    }
    return t;
}

const ThreatTable& ThreatTableOf(int mover) {
    static const std::array<ThreatTable, 3> tables = {
        CompileThreatTable(kBlue, ListedThreatRows(kBlue)),
        CompileThreatTable(kYellow, ListedThreatRows(kYellow)),
        CompileThreatTable(kGreen, ListedThreatRows(kGreen)),
    };
    return tables.at(static_cast<std::size_t>(mover - kBlue));
}

}  // namespace zirimbo::ai
