// The characters' lines: the game's texts and pauses are those from which the
// voices are made, the fixed lines read as they must, and every text fits its
// category's length.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "shell/frmZirimbo2012.h"

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
                if (category <= 4) low = 6, high = 34;
                else if (category <= 7) low = 4, high = 40;
                else if (category == 8 && k >= 4) low = 3, high = 13;
                else if (category == 9) low = 21, high = 59;
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
