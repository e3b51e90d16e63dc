// The program as a desktop program: its command line, and the game folder it finds
// or prepares wherever it is started from.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "frontend/command_line.h"
#include "frontend/game_folder.h"
#include "tests/support/scratch_folder.h"

namespace fs = std::filesystem;
using namespace zirimbo::frontend;

TEST(CommandLine, HelpVersionAndAWindowSize) {
    EXPECT_TRUE(parseCommandLine({"--help"}).help);
    EXPECT_TRUE(parseCommandLine({"--version"}).version);
    const CommandLine none = parseCommandLine({});
    EXPECT_TRUE(none.error.empty());
    EXPECT_FALSE(none.windowed);
    for (const auto& args : {std::vector<std::string>{"--windowed", "800x600"}, {"--windowed=800X600"}}) {
        const CommandLine cl = parseCommandLine(args);
        ASSERT_TRUE(cl.windowed) << args.back();
        EXPECT_EQ(cl.windowed->width, 800);
        EXPECT_EQ(cl.windowed->height, 600);
        EXPECT_TRUE(cl.error.empty());
    }
}

TEST(CommandLine, ArgumentsNotUnderstoodGiveAMessage) {
    for (const auto& args : {std::vector<std::string>{"--windowed"},
                             {"--windowed", "800"},
                             {"--windowed", "x600"},
                             {"--windowed", "800x"},
                             {"--windowed", "-800x600"},
                             {"--windowed", "800x600x2"},
                             {"--windowed", "0x0"},
                             {"--windowed", "99999999999x600"},
                             {"--windowed", "8 00x600"},
                             {"--fullscreen"},
                             {"gioca"}}) {
        const CommandLine cl = parseCommandLine(args);
        EXPECT_FALSE(cl.error.empty()) << args.back();
        EXPECT_FALSE(cl.windowed) << args.back();
    }
    EXPECT_NE(parseCommandLine({"--windowed", "grande"}).error.find("\"grande\""), std::string::npos);
}

TEST(GameFolder, ThePlayersFolderAndWhereTheMediaMayBe) {
    EXPECT_EQ(playerGameFolder("/dati/utente", "/home/zoe"), "/dati/utente/zirimbo");
    EXPECT_EQ(playerGameFolder(nullptr, "/home/zoe"), "/home/zoe/.local/share/zirimbo");
    EXPECT_EQ(playerGameFolder("", "/home/zoe/"), "/home/zoe/.local/share/zirimbo");
    EXPECT_EQ(playerGameFolder("relativa", "/home/zoe"), "/home/zoe/.local/share/zirimbo");
    EXPECT_EQ(playerGameFolder(nullptr, nullptr), "");
    EXPECT_EQ(mediaFolders("/opt/gioco/bin"),
              (std::vector<std::string>{"/opt/gioco/bin/gamefolder", "/opt/gioco/share/zirimbo"}));
}

namespace {

class PrepareGameFolder : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(root_ / "empty");
        fs::create_directories(root_ / "xdg");
        fs::create_directories(root_ / "prefix/bin");
    }

    static void makeGameFolder(const fs::path& at) {
        for (const char* name :
             {"Bob", "Carla", "Dati", "Fumetti", "Giorgetto", "Grafica", "Musiche", "Pedine", "Rumori"}) {
            fs::create_directories(at / name);
            std::ofstream(at / name / "file.txt") << name;
        }
    }
    std::optional<GameFolder> prepare(const fs::path& current) {
        const std::string xdg = (root_ / "xdg").string();
        return prepareGameFolder(current.string(), (root_ / "prefix/bin").string(), xdg.c_str(), "/nessuna");
    }
    static std::string firstLine(const fs::path& p) {
        std::ifstream in(p);
        std::string text;
        std::getline(in, text);
        return text;
    }

    scratch::Folder scratch_{"zirimbo-prepare"};
    fs::path root_ = scratch_.path();
};

}  // namespace

TEST_F(PrepareGameFolder, ACompleteCurrentFolderIsUsedAsItIs) {
    makeGameFolder(root_ / "cartella");
    const auto folder = prepare(root_ / "cartella");
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->folder, (root_ / "cartella").string());
    EXPECT_EQ(folder->data, "");
    EXPECT_TRUE(fs::is_empty(root_ / "xdg"));
}

TEST_F(PrepareGameFolder, TheMediaAreReadInPlaceAndThePlayersFolderHoldsOnlyTheData) {
    makeGameFolder(root_ / "prefix/share/zirimbo");
    auto folder = prepare(root_ / "empty");
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->folder, (root_ / "prefix/share/zirimbo").string());
    EXPECT_EQ(folder->data, (root_ / "xdg/zirimbo/Dati").string());
    EXPECT_EQ(firstLine(root_ / "xdg/zirimbo/Dati/file.txt"), "Dati");
    EXPECT_EQ(std::distance(fs::directory_iterator(root_ / "xdg/zirimbo"), fs::directory_iterator()), 1);
    EXPECT_TRUE(fs::is_empty(root_ / "empty"));

    // The build's media beside the program come first; the player's data stay.
    makeGameFolder(root_ / "prefix/bin/gamefolder");
    std::ofstream(root_ / "prefix/bin/gamefolder/Dati/file.txt") << "dalla build";
    std::ofstream(root_ / "xdg/zirimbo/Dati/file.txt") << "del giocatore";
    folder = prepare(root_ / "empty");
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->folder, (root_ / "prefix/bin/gamefolder").string());
    EXPECT_EQ(firstLine(root_ / "xdg/zirimbo/Dati/file.txt"), "del giocatore");

    // Started inside the player's folder, complete from an earlier version: the media
    // are still read where they are shipped, and what was not the game's own stays.
    makeGameFolder(root_ / "xdg/zirimbo");
    std::ofstream(root_ / "xdg/zirimbo/.media-stamp") << "Grafica/file.txt\t7\t1\nMusiche/file.txt\t7\t1\n";
    std::ofstream(root_ / "xdg/zirimbo/Musiche/file.txt") << "mia";
    ::testing::internal::CaptureStderr();
    folder = prepare(root_ / "xdg/zirimbo");
    const std::string said = ::testing::internal::GetCapturedStderr();
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->folder, (root_ / "prefix/bin/gamefolder").string());
    EXPECT_FALSE(fs::exists(root_ / "xdg/zirimbo/Grafica"));
    EXPECT_EQ(firstLine(root_ / "xdg/zirimbo/Musiche/file.txt"), "mia");
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 2) << said;
    EXPECT_NE(said.find("(1 files)"), std::string::npos) << said;
    EXPECT_NE(said.find((root_ / "xdg/zirimbo/Musiche/file.txt").string()), std::string::npos) << said;
}

TEST_F(PrepareGameFolder, NoMediaAnywhereSaysWhereItLooked) {
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(prepare(root_ / "empty"));
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find((root_ / "prefix/bin/gamefolder").string()), std::string::npos) << said;
    EXPECT_NE(said.find((root_ / "prefix/share/zirimbo").string()), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;

    // A damaged installation (no pictures) with an earlier copy in the player's folder: play with that.
    makeGameFolder(root_ / "xdg/zirimbo");
    fs::create_directories(root_ / "prefix/share/zirimbo/Dati");
    ::testing::internal::CaptureStderr();
    const auto folder = prepare(root_ / "empty");
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("no game media"), std::string::npos);
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->folder, (root_ / "xdg/zirimbo").string());
    EXPECT_EQ(folder->data, "");
}
