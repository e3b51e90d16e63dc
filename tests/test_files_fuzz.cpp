// Damaged data files through the real loaders and savers: thousands of seeded
// variants of each shipped file (bytes changed, cut, quotes, commas, line ends,
// byte-order marks and huge numbers put in). Whatever a variant holds, loading it
// leaves legal values, and the save that follows loses nothing of it: what was
// read is written back, or the variant is kept beside the new file.
// ZIRIMBO_FUZZ_ITERATIONS sets the number of variants of each file.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "shell/panel_values.h"
#include "test_startup_fixture.h"
#include "toolkit/seqfile.h"
#include "toolkit/text.h"

namespace {

int Iterations() {
    const char* set = std::getenv("ZIRIMBO_FUZZ_ITERATIONS");
    const long n = set ? tk::Val(set) : 0;
    return n > 0 ? static_cast<int>(n) : 2000;
}

std::string Shipped(const std::string& dataFile) {
    std::ifstream in(std::string(ZIRIMBO_SOURCE_DIR) + "/data/Dati/" + dataFile, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// One to four changes of the bytes, drawn from `rng`.
std::string Mutate(std::string bytes, std::mt19937& rng) {
    static const std::string kPieces[] = {
        "\"",
        ",",
        "\r",
        "\n",
        "\r\n",
        "\xEF\xBB\xBF",
        "99999999999999999999",
        "-1",
        "65535",
        "32768",
        " ",
        "\"\"",
        "\xEC",
        "\xC3\xAC",
        "8421631",
        "16763780",
        "0",
        "\t",
        "\x1A",
        std::string(1, '\0'),
    };
    const auto at = [&](std::size_t size) {
        return size == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, size)(rng);
    };
    const int changes = std::uniform_int_distribution<int>(1, 4)(rng);
    for (int c = 0; c < changes; ++c) {
        switch (std::uniform_int_distribution<int>(0, 5)(rng)) {
            case 0:  // one byte changed
                if (!bytes.empty()) bytes[std::min(at(bytes.size()), bytes.size() - 1)] = static_cast<char>(rng());
                break;
            case 1:  // cut short
                bytes.resize(at(bytes.size()));
                break;
            case 2:
            case 3: {  // a piece put in
                bytes.insert(at(bytes.size()), kPieces[rng() % std::size(kPieces)]);
                break;
            }
            case 4: {  // a run of bytes taken out
                const std::size_t from = at(bytes.size());
                bytes.erase(from, std::uniform_int_distribution<std::size_t>(1, 12)(rng));
                break;
            }
            case 5: {  // a number made huge
                const std::size_t digit = bytes.find_first_of("0123456789", at(bytes.size()));
                if (digit != std::string::npos) bytes.insert(digit, "4294967296000");
                break;
            }
        }
    }
    return bytes;
}

// A value as the writer stores it: quotes and line ends cannot be written inside.
std::string AsWritten(std::string value) {
    for (char& c : value) {
        if (c == '"') {
            c = '\'';
        } else if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return value;
}

std::size_t Characters(const std::string& utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Every save flushes its file to the disk: the folder lies in memory where the
// machine has a memory file system, or the thousands of saves would wait on the disk.
std::filesystem::path ScratchBase() {
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0) return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

struct FuzzTest : ::testing::Test {
    test_startup::GameFolder folder{ScratchBase()};
    tk::HeadlessRuntime h;

    std::unique_ptr<zirimbo::frmZirimbo2012> Window() {
        auto f = std::make_unique<zirimbo::frmZirimbo2012>(h.rt);
        f->lblPercorso.Caption = folder.path();
        return f;
    }

    // Writes each variant of `dataFile`, loads it and saves it: `check` looks at the
    // loaded window. After the save the variant is either kept beside the file
    // whole, or its first `lines` values are read back from the new file unchanged
    // (but for `rewritten`, a line the save always writes anew).
    template <class Load, class Save, class Check>
    void Run(const std::string& dataFile, unsigned seed, std::size_t lines, std::size_t rewritten, Load load, Save save,
             Check check) {
        std::mt19937 rng(seed);
        const std::string shipped = Shipped(dataFile);
        const std::string path = folder.path() + "/Dati/" + dataFile;
        int kept = 0;
        for (int variant = 0; variant < Iterations(); ++variant) {
            const std::string bytes = Mutate(shipped, rng);
            folder.write(dataFile, bytes);
            const std::vector<std::string> read = tk::readValues(path).values;
            auto f = Window();
            load(*f);
            check(*f, bytes);
            save(*f);
            const std::vector<std::string> copies = folder.kept(dataFile);
            if (!copies.empty()) {
                ++kept;
                ASSERT_EQ(copies, std::vector<std::string>{bytes}) << "variant " << variant;
                folder.removeKept(dataFile);
                continue;
            }
            const std::vector<std::string> saved = tk::readValues(path).values;
            for (std::size_t i = 0; i < std::min(read.size(), lines); ++i) {
                if (i == rewritten) continue;
                ASSERT_EQ(AsWritten(read[i]), saved.at(i)) << "variant " << variant << " line " << i + 1;
            }
            if (HasFailure()) return;
        }
        // The variants do reach both ways.
        EXPECT_GT(kept, 0);
        EXPECT_LT(kept, Iterations());
    }
};

TEST_F(FuzzTest, DamagedOptionsFilesLeaveOptionsAmongTheirChoices) {
    const std::vector<std::string> choices[6] = {{"Sì", "No"}, {"Sì", "No"},
                                                 {"Sì", "No"}, {"No", "Ogni tanto", "Sempre"},
                                                 {"Sì", "No"}, {"Lenta", "Normale", "Veloce"}};
    Run(
        "ZirOpz.txt", 1, 11, 6, [](zirimbo::frmZirimbo2012& f) { f.LoadOptions(); },
        [](zirimbo::frmZirimbo2012& f) { f.SaveOptionsAndName(); },
        [&](zirimbo::frmZirimbo2012& f, const std::string& bytes) {
            for (int i = 0; i <= 5; ++i) {
                const std::string value = f.lblVoceOpzione(i).Caption;
                ASSERT_NE(std::find(choices[i].begin(), choices[i].end(), value), choices[i].end())
                    << i << " " << value << " from " << ::testing::PrintToString(bytes);
            }
            for (tk::Timer* t :
                 {&f.TmrMusiche, &f.TmrGiocaAutomatico, &f.TmrMossaBlu3, &f.TmrMossaGiallo3, &f.TmrMossaVerde3}) {
                ASSERT_GE(t->Interval.get(), 50) << ::testing::PrintToString(bytes);
                ASSERT_LE(t->Interval.get(), 5000) << ::testing::PrintToString(bytes);
            }
        });
}

TEST_F(FuzzTest, DamagedNameFilesLeaveANameOfASaneLength) {
    Run(
        "ZirNom.txt", 2, 1, 1, [](zirimbo::frmZirimbo2012& f) { f.ReadPlayerName(); },
        [](zirimbo::frmZirimbo2012& f) {
            f.lblNomeGiocatore.Caption = f.txtPassword.Text.get();  // as the name entry takes it
            f.SaveOptionsAndName();
        },
        [](zirimbo::frmZirimbo2012& f, const std::string& bytes) {
            ASSERT_LE(Characters(f.txtPassword.Text), static_cast<std::size_t>(zirimbo::kNameLength))
                << ::testing::PrintToString(bytes);
        });
}

TEST_F(FuzzTest, DamagedScoreboardsLeaveFourPlayersAndWinsTheSortCanHold) {
    Run(
        "ZirCla.txt", 3, 32, 32, [](zirimbo::frmZirimbo2012& f) { f.LoadScoreboard(); },
        [](zirimbo::frmZirimbo2012& f) { f.SaveScoreboard(); },
        [](zirimbo::frmZirimbo2012& f, const std::string& bytes) {
            std::vector<tk::Color> players;
            for (int r = 1; r <= 4; ++r) {
                const std::string wins = f.lblVinte(r).Caption;
                const long n = tk::Val(wins);
                ASSERT_TRUE(tk::Str(n) == wins && n >= 0 && n <= 32767)
                    << wins << " " << ::testing::PrintToString(bytes);
                const tk::Color colour = zirimbo::ScoreboardRowShapes(f, r)(0).BackColor;
                for (int e = 1; e <= 3; ++e) ASSERT_EQ(zirimbo::ScoreboardRowShapes(f, r)(e).BackColor.get(), colour);
                players.push_back(colour);
            }
            std::sort(players.begin(), players.end());
            ASSERT_EQ(players, (std::vector<tk::Color>{0x8080FF, 0x80FF80, 0x80FFFF, 0xFFCB84}))
                << ::testing::PrintToString(bytes);
        });
}

}  // namespace
