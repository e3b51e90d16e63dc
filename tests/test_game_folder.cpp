// Every game-folder file the code names, and every voice and bubble the
// comments build by name, exists in the generated game folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "toolkit/paths.h"

namespace fs = std::filesystem;

namespace {

const std::string kFolder = ZIRIMBO_GAME_FOLDER;

// A file there as the game plays it: the file itself, or for a sound named as a WAV
// file, the Ogg Vorbis file beside it.
bool playable(const std::string& path) {
    if (tk::pathExists(path)) return true;
    const std::size_t stem = path.size() - std::min<std::size_t>(path.size(), 4);
    return tk::foldCase(path.substr(stem)) == ".wav" && tk::pathExists(path.substr(0, stem) + ".ogg");
}

bool inGameFolder(const std::string& relative) {
    std::string unescaped;
    for (std::size_t i = 0; i < relative.size(); ++i) {
        if (relative[i] == '\\' && i + 1 < relative.size() && relative[i + 1] == '\\') ++i;
        unescaped += relative[i];
    }
    return playable(kFolder + unescaped);
}

// The game-folder paths in string literals such as "\\Pedine\\R1.gif" of a source text:
// after the quote, an escaped backslash, a media folder, another escaped backslash and
// a file name up to its last three-letter extension before the next quote or backslash.
void addPathsNamedIn(const std::string& text, std::set<std::string>& found) {
    static const char* const kFolders[] = {"Dati",      "Grafica", "Pedine",  "Fumetti", "Bob",
                                           "Giorgetto", "Carla",   "Musiche", "Rumori"};
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    for (std::size_t quote = text.find('"'); quote != std::string::npos; quote = text.find('"', quote + 1)) {
        for (const char* folder : kFolders) {
            const std::string head = std::string("\\\\") + folder + "\\\\";
            if (text.compare(quote + 1, head.size(), head) != 0) continue;
            const std::size_t name = quote + 1 + head.size();
            const std::size_t stop = std::min(text.find_first_of("\"\\", name), text.size());
            for (std::size_t dot = stop; dot-- > name + 1;) {
                if (text[dot] == '.' && dot + 3 < stop && letter(text[dot + 1]) && letter(text[dot + 2]) &&
                    letter(text[dot + 3])) {
                    found.insert(text.substr(quote + 1, dot + 4 - (quote + 1)));
                    break;
                }
            }
        }
    }
}

std::set<std::string> pathsNamedInCode() {
    std::set<std::string> found;
    for (const char* dir : {"game", "ai", "computer_turn", "comments", "shell", "info_screen"}) {
        fs::path root = fs::path(ZIRIMBO_SOURCE_DIR) / dir;
        if (!fs::exists(root)) continue;
        for (const auto& e : fs::recursive_directory_iterator(root)) {
            if (!e.is_regular_file()) continue;
            std::ifstream in(e.path());
            std::stringstream ss;
            ss << in.rdbuf();
            addPathsNamedIn(ss.str(), found);
        }
    }
    return found;
}

}  // namespace

TEST(GameFolder, EveryFileTheCodeNamesExists) {
    auto paths = pathsNamedInCode();
    EXPECT_GT(paths.size(), 10u);
    for (const auto& p : paths) EXPECT_TRUE(inGameFolder(p)) << p;
}

TEST(GameFolder, EveryVoiceLineAndBubbleOfTheCharactersExists) {
    const struct {
        const char* folder;
        char letter;
    } characters[] = {{"Bob", 'B'}, {"Giorgetto", 'G'}, {"Carla", 'C'}};
    for (const auto& c : characters) {
        for (int category = 1; category <= 12; ++category) {
            int lines = category <= 8 ? 7 : category <= 11 ? 3 : 1;
            char name[32];
            for (int k = 1; k <= lines; ++k) {
                std::snprintf(name, sizeof name, "%02d%c%d.wav", category, c.letter, k);
                EXPECT_TRUE(playable(kFolder + "\\" + c.folder + "\\" + name)) << c.folder << "/" << name;
            }
            std::snprintf(name, sizeof name, "%c%02d.gif", c.letter, category);
            EXPECT_TRUE(tk::pathExists(kFolder + "\\Fumetti\\" + name)) << name;
        }
    }
}

TEST(GameFolder, EveryPieceOfMusicTileAndPawnExists) {
    for (const char* piece : {"1a", "1b", "1c", "2a", "2b", "2c", "3a", "3b",       "3c",        "4a",
                              "4b", "4c", "5a", "5b", "5c", "6a", "6b", "Vittoria", "Sconfitta", "Demo"})
        EXPECT_TRUE(tk::pathExists(kFolder + "\\Musiche\\" + piece + ".mid")) << piece;
    for (char kind = '1'; kind <= '6'; ++kind)
        for (char colour : {'R', 'B', 'G', 'V'})
            EXPECT_TRUE(tk::pathExists(kFolder + "\\Grafica\\" + kind + colour + ".jpg")) << kind << colour;
    for (char colour : {'R', 'B', 'G', 'V'})
        for (char n = '1'; n <= '5'; ++n)
            EXPECT_TRUE(tk::pathExists(kFolder + "\\Pedine\\" + colour + n + ".gif")) << colour << n;
    for (int k = 1; k <= 8; ++k)
        EXPECT_TRUE(tk::pathExists(kFolder + "\\Grafica\\logo" + std::to_string(k) + ".jpg")) << k;
}
