// The characters' lines: the game's texts and pauses are those from which the
// voices are made, the fixed lines read as they must, every text fits its
// category's length and every voice ends within the pause of its line.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "computer_turn/computer_players.h"
#include "form/frmZirimbo2012.h"

using zirimbo::frmZirimbo2012;

namespace {

struct TableRow {
    std::string character, text;
    int ms = 0;
};

// tools/voices.tsv by file name ("05B4.wav").
std::map<std::string, TableRow> VoiceTable() {
    std::map<std::string, TableRow> rows;
    std::ifstream in(std::string(ZIRIMBO_SOURCE_DIR) + "/tools/voices.tsv");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::stringstream ss(line);
        std::string file, character, text, ms;
        std::getline(ss, file, '\t');
        std::getline(ss, character, '\t');
        std::getline(ss, text, '\t');
        std::getline(ss, ms, '\t');
        rows[file] = {character, text, std::stoi(ms)};
    }
    return rows;
}

// Characters, not bytes, of a UTF-8 text.
int Length(const std::string& s) {
    int n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

const char* const kNames[5] = {"", "", "Bob", "Giorgetto", "Carla"};
const char kLetters[5] = {' ', ' ', 'B', 'G', 'C'};

}  // namespace

TEST(CommentLines, TheGameSaysWhatTheVoicesSayWithTheSamePauses) {
    const auto table = VoiceTable();
    ASSERT_GE(table.size(), 198u);
    int checked = 0;
    for (int player = 2; player <= 4; ++player) {
        for (int category = 1; category <= 11; ++category) {
            for (int k = 1; k <= frmZirimbo2012::CommentLineCount(category); ++k) {
                char file[32];
                std::snprintf(file, sizeof file, "%02d%c%d.wav", category, kLetters[player], k);
                const auto it = table.find(file);
                ASSERT_NE(it, table.end()) << file;
                EXPECT_EQ(it->second.character, kNames[player]) << file;
                EXPECT_EQ(frmZirimbo2012::CommentLineText(player, category, k), it->second.text) << file;
                EXPECT_EQ(frmZirimbo2012::CommentLineLength(player, category, k), it->second.ms) << file;
                // The voice file of line k is the one of that name in the character's folder.
                EXPECT_EQ(frmZirimbo2012::CommentVoiceFile(player, category, k),
                          std::string("\\") + kNames[player] + "\\" + file);
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 3 * (8 * 7 + 3 * 3));
    EXPECT_EQ(frmZirimbo2012::CommentBubble(3, 6), "\\Fumetti\\G06.gif");
}

TEST(CommentLines, TheFixedLinesReadAsTheyMust) {
    struct Fixed {
        int player, category, line;
        const char* text;
    };
    const Fixed fixed[] = {
        {2, 1, 1, "Speriamo bene..."},
        {2, 1, 7, "Se faccio sei, vi pago da bere..."},
        {2, 2, 6, "Baah!!"},
        {4, 2, 4, "Pazienza..."},
        {3, 2, 6, "Posso rilanciare?"},
        {3, 3, 1, "Largo a Giorgetto!!"},
        {2, 3, 5, "Vai, Bob!!"},
        {4, 4, 2, "Ti spiace se ti mangio una pedina?"},
        {3, 5, 3, "Son Giorgetto, e a mangiare non smetto!!"},
        {3, 5, 7, "Zi-rim-bo!!"},
        {4, 5, 1, "Mi spiace!"},
        {2, 5, 4, "E' stata una decisione sofferta..."},
        {2, 6, 7, "Mi sei debitore di una pedina!"},
        {4, 6, 2, "Meglio una gallina domani..."},
        {3, 6, 2, "Ti mangerò la prossima volta..."},
        {4, 7, 1, "Perché mi hai mangiato??"},
        {3, 7, 6, "Ahi!"},
        {2, 8, 1, "Fuori uno!"},
        {2, 8, 2, "Fuori due!!"},
        {2, 8, 3, "Fuori tre!!!"},
        {3, 8, 1, "Uno!"},
        {3, 8, 2, "Due!!"},
        {3, 8, 3, "Tre!!!"},
        {4, 8, 1, "Primo birillino!"},
        {4, 8, 2, "Secondo birillino!!"},
        {4, 8, 3, "Terzo birillino!!!"},
        {3, 8, 6, "Lallallà...!!"},
        {4, 8, 7, "Evviva!!"},
        {2, 9, 3, "Niente applausi, grazie: troppo gentili!"},
        {3, 9, 3, "Giorgetto, grande campione di Zirimbo!!"},
        {4, 9, 1, "Sono stata brava, eh?"},
        {2, 10, 3, "Arrivederci!!"},
        {4, 10, 3, "Torni a casa?"},
        {3, 10, 1, "(.....)"},
        {2, 11, 2, "Al sicuro!!"},
    };
    for (const auto& x : fixed)
        EXPECT_EQ(frmZirimbo2012::CommentLineText(x.player, x.category, x.line), std::string(x.text))
            << x.player << " " << x.category << " " << x.line;
}

TEST(CommentLines, EveryTextFitsItsCategory) {
    for (int player = 2; player <= 4; ++player) {
        for (int category = 1; category <= 11; ++category) {
            for (int k = 1; k <= frmZirimbo2012::CommentLineCount(category); ++k) {
                const std::string t = frmZirimbo2012::CommentLineText(player, category, k);
                int low = 1, high = 60;
                if (category <= 4)
                    low = 6, high = 34;
                else if (category <= 7)
                    low = 4, high = 40;
                else if (category == 8 && k >= 4)
                    low = 3, high = 13;
                else if (category == 9)
                    low = 21, high = 59;
                EXPECT_GE(Length(t), low) << t;
                EXPECT_LE(Length(t), high) << t;
                // The character's name never stands in front of the line.
                EXPECT_NE(t.rfind(std::string(kNames[player]) + ":", 0), 0u) << t;
            }
        }
    }
    // Out of range: no line.
    EXPECT_EQ(std::string(frmZirimbo2012::CommentLineText(2, 9, 4)), "");
    EXPECT_EQ(frmZirimbo2012::CommentLineLength(1, 5, 1), 0);
}

namespace {

// Length of an Ogg Vorbis file in milliseconds (the granule position of its last page,
// its samples, over the rate of its identification header), or -1.
double OggMs(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto le = [&](std::size_t at, int bytes) {
        std::uint64_t v = 0;
        for (int i = bytes; i-- > 0;) v = v << 8 | std::uint8_t(b[at + std::size_t(i)]);
        return v;
    };
    std::uint64_t rate = 0, samples = 0;
    std::size_t at = 0;
    while (at + 27 <= b.size() && b.compare(at, 4, "OggS") == 0) {
        const std::size_t segments = std::uint8_t(b[at + 26]), body = at + 27 + segments;
        if (body > b.size()) return -1;
        if (at == 0 && body + 16 <= b.size()) rate = le(body + 12, 4);
        samples = le(at + 6, 8);
        std::size_t length = 0;
        for (std::size_t i = 0; i < segments; ++i) length += std::uint8_t(b[at + 27 + i]);
        at = body + length;
    }
    return at == b.size() && rate ? 1000.0 * double(samples) / double(rate) : -1;
}

// The voice the game plays for a line named as a WAV file ("05B4.wav"): the Ogg beside it.
double VoiceMs(const std::string& character, const std::string& wavName) {
    return OggMs(std::string(ZIRIMBO_GAME_FOLDER) + "/" + character + "/" + wavName.substr(0, wavName.size() - 4) +
                 ".ogg");
}

// The pause each line is given, in milliseconds, as the game's rules lay it down:
// kPauses[character 0 Bob, 1 Giorgetto, 2 Carla][category 1..12][line 1..7].
const int kPauses[3][13][8] = {
    {{},
     {0, 1400, 1300, 2100, 1900, 2100, 1000, 2200},
     {0, 2000, 2800, 1800, 1800, 1700, 1100, 2100},
     {0, 1300, 2000, 1500, 1900, 1600, 2600, 1200},
     {0, 1900, 2200, 2500, 3100, 2700, 3500, 3400},
     {0, 2500, 3000, 2800, 4400, 1600, 2000, 2300},
     {0, 2400, 2200, 1600, 2500, 2400, 1600, 2700},
     {0, 1200, 1700, 1900, 2000, 2700, 3100, 2300},
     {0, 1300, 1200, 1400, 1600, 1900, 1000, 1000},
     {0, 4600, 3300, 2400},
     {0, 1300, 900, 1800},
     {0, 1700, 1200, 2200},
     {0, 1600}},
    {{},
     {0, 2000, 1600, 2400, 1500, 1600, 2900, 1600},
     {0, 1200, 1800, 2300, 1000, 800, 1600, 1800},
     {0, 1700, 1300, 1200, 800, 900, 1600, 1700},
     {0, 2200, 2300, 3500, 3300, 2900, 1700, 1800},
     {0, 1600, 1100, 3200, 2300, 1300, 2500, 2400},
     {0, 1600, 2300, 1300, 2800, 1400, 2000, 2400},
     {0, 2400, 1700, 2000, 2100, 1700, 1000, 2600},
     {0, 800, 1100, 700, 1500, 1900, 1500, 1000},
     {0, 1600, 3800, 3500},
     {0, 1300, 900, 1800},
     {0, 1500, 2200, 2300},
     {0, 1800}},
    {{},
     {0, 1700, 1500, 1700, 2700, 2700, 1800, 2200},
     {0, 2100, 2400, 1800, 1400, 1800, 2100, 2300},
     {0, 1900, 1500, 1400, 2300, 1100, 1500, 1800},
     {0, 2500, 3500, 3500, 2300, 2700, 2700, 1900},
     {0, 1700, 2500, 3100, 2500, 1800, 2700, 2200},
     {0, 2300, 2600, 2400, 2200, 2700, 1300, 2600},
     {0, 2200, 1600, 1700, 2800, 1900, 2800, 1800},
     {0, 1600, 2100, 1700, 1500, 1100, 1100, 1300},
     {0, 1800, 2800, 3400},
     {0, 1300, 3000, 1500},
     {0, 2300, 1000, 2900},
     {0, 1000}},
};

}  // namespace

// A voice that outlasts its pause is cut by the character's next line or runs over
// the next player's turn: every recording must end within the pause of its line.
TEST(CommentLines, EveryVoiceEndsWithinThePauseOfItsLine) {
    int checked = 0;
    for (int player = 2; player <= 4; ++player) {
        const auto& pauses = kPauses[player - 2];
        for (int category = 1; category <= 12; ++category) {
            const int lines = category == 12 ? 1 : frmZirimbo2012::CommentLineCount(category);
            for (int k = 1; k <= lines; ++k) {
                char file[32];
                std::snprintf(file, sizeof file, "%02d%c%d.wav", category, kLetters[player], k);
                const int pause = pauses[category][k];
                if (category == 12)
                    EXPECT_EQ(zirimbo::players::kPlayers[player].skipPause, pause) << file;
                else
                    EXPECT_EQ(frmZirimbo2012::CommentLineLength(player, category, k), pause) << file;
                const double ms = VoiceMs(kNames[player], file);
                EXPECT_GT(ms, 0) << file;
                EXPECT_LE(ms, pause) << file;
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 3 * (8 * 7 + 3 * 3 + 1));
    // The goodbye on exit reuses a line and must end before the window closes.
    EXPECT_LE(VoiceMs("Bob", "10B3.wav"), 1700);
    EXPECT_LE(VoiceMs("Giorgetto", "05G2.wav"), 1200);
    EXPECT_LE(VoiceMs("Carla", "10C3.wav"), 1400);
}
