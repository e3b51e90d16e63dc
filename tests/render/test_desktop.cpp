// The program as a desktop program: its command line, and the game folder it finds
// or prepares wherever it is started from.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "frontend/command_line.h"
#include "frontend/game_folder.h"
#include "tests/support/another_user.h"
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

TEST(CommandLine, HelpSaysWhereTheMediaAndThePlayersDataAre) {
    const std::string options =
        "  --windowed LxA  gioca in una finestra di L x A pixel (per esempio 1024x768)\n"
        "  --help          mostra questo aiuto ed esce\n"
        "  --version       mostra la versione ed esce\n";
    const std::string text = usageText({"/usr/share/zirimbo", {}, "/home/ana/.local/share/zirimbo/Dati"});
    EXPECT_EQ(text.substr(0, text.find('\n')), "Uso: zirimbo [OPZIONI]");
    EXPECT_NE(text.find("\n\n" + options + "\n"), std::string::npos) << text;
    EXPECT_NE(text.find(": /usr/share/zirimbo\n"), std::string::npos) << text;
    EXPECT_NE(text.find(": /home/ana/.local/share/zirimbo/Dati\n"), std::string::npos) << text;
    // No shell expressions, and Italian throughout.
    for (const char* notThere : {"$", "~", "{", "folder", "the "})
        EXPECT_EQ(text.find(notThere), std::string::npos) << notThere;

    // Media found nowhere, no folder for the data: said, where the game looked included.
    const std::string none = usageText({"", {"/opt/gioco/bin/gamefolder", "/opt/gioco/share/zirimbo"}, ""});
    EXPECT_NE(none.find("\n\n" + options + "\n"), std::string::npos) << none;
    EXPECT_NE(none.find("/opt/gioco/bin/gamefolder"), std::string::npos) << none;
    EXPECT_NE(none.find("/opt/gioco/share/zirimbo"), std::string::npos) << none;
    EXPECT_NE(none.find("XDG_DATA_HOME"), std::string::npos) << none;
    EXPECT_EQ(none.find("$"), std::string::npos) << none;
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
    std::optional<GameFolder> prepare(const fs::path& current, const WritableCheck& canWrite = canWriteFolder) {
        const std::string xdg = (root_ / "xdg").string();
        return prepareGameFolder(current.string(), (root_ / "prefix/bin").string(), xdg.c_str(), "/nessuna", canWrite);
    }
    // prepare(), with what it said.
    std::optional<GameFolder> prepare(const fs::path& current, std::string& said,
                                      const WritableCheck& canWrite = canWriteFolder) {
        ::testing::internal::CaptureStderr();
        auto folder = prepare(current, canWrite);
        said = ::testing::internal::GetCapturedStderr();
        return folder;
    }
    static std::string firstLine(const fs::path& p) {
        std::ifstream in(p);
        std::string text;
        std::getline(in, text);
        return text;
    }
    static void write(const fs::path& p, const std::string& text) {
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary | std::ios::trunc) << text;
    }
    static std::vector<std::string> names(const fs::path& folder) {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(folder)) out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
    static long lines(const std::string& said) { return std::count(said.begin(), said.end(), '\n'); }

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
    std::string said;
    folder = prepare(root_ / "xdg/zirimbo", said);
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->folder, (root_ / "prefix/bin/gamefolder").string());
    EXPECT_FALSE(fs::exists(root_ / "xdg/zirimbo/Grafica"));
    EXPECT_EQ(firstLine(root_ / "xdg/zirimbo/Musiche/file.txt"), "mia");
    EXPECT_EQ(lines(said), 1) << said;
    EXPECT_NE(said.find("(1 files)"), std::string::npos) << said;
    EXPECT_NE(said.find((root_ / "xdg/zirimbo/Musiche/file.txt").string()), std::string::npos) << said;
}

TEST_F(PrepareGameFolder, AnUpgradeFromTheLastVersionLeavesOnlyTheDataAndSaysSoOnce) {
    // Installed now: the voices are Ogg.
    const fs::path shipped = root_ / "prefix/share/zirimbo", player = root_ / "xdg/zirimbo";
    makeGameFolder(shipped);
    for (const char* voice : {"Bob/01B1", "Bob/01B2", "Carla/01C1", "Giorgetto/01G1"})
        write(shipped / (std::string(voice) + ".ogg"), std::string("Ogg ") + voice);
    // The player's folder as the last version left it: its copy of the media, the
    // voices as WAV, the record written after the copy; the player's data.
    const auto copied = fs::file_time_type::clock::now() - std::chrono::hours(2);
    makeGameFolder(player);
    for (const char* voice : {"Bob/01B1", "Bob/01B2", "Carla/01C1", "Giorgetto/01G1"})
        write(player / (std::string(voice) + ".wav"), std::string("RIFF as WAV ") + voice);
    {
        std::ofstream stamp(player / ".media-stamp", std::ios::binary);
        for (const auto& e : fs::recursive_directory_iterator(player)) {
            const fs::path relative = e.path().lexically_relative(player);
            if (!e.is_regular_file() || *relative.begin() == "Dati" || relative == ".media-stamp") continue;
            fs::last_write_time(e.path(), copied);
            stamp << relative.generic_string() << '\t' << e.file_size() << "\t1765000000\n";
        }
    }
    fs::last_write_time(player / ".media-stamp", copied + std::chrono::minutes(1));
    write(player / "Dati/ZirNom.txt", "\"Ana\"\r\n");
    // Since then the player changed one copy and put a tune of their own beside it.
    write(player / "Musiche/file.txt", "la mia musica");
    write(player / "Musiche/mia.mid", "la la");

    std::string said;
    auto folder = prepare(root_ / "empty", said);
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->folder, shipped.string());
    EXPECT_EQ(folder->data, (player / "Dati").string());
    EXPECT_EQ(names(player), (std::vector<std::string>{"Dati", "Musiche"}));
    EXPECT_EQ(names(player / "Musiche"), (std::vector<std::string>{"file.txt", "mia.mid"}));
    EXPECT_EQ(firstLine(player / "Dati/ZirNom.txt"), "\"Ana\"\r");
    EXPECT_EQ(lines(said), 1) << said;
    EXPECT_NE(said.find("removed the earlier copy of the game's media from " + player.string() + " (11 files)"),
              std::string::npos)
        << said;
    EXPECT_NE(said.find("kept 1 files"), std::string::npos) << said;
    EXPECT_NE(said.find((player / "Musiche/file.txt").string()), std::string::npos) << said;

    // The next start has nothing to do, and says nothing.
    folder = prepare(root_ / "empty", said);
    ASSERT_TRUE(folder);
    EXPECT_EQ(said, "");
    EXPECT_EQ(names(player), (std::vector<std::string>{"Dati", "Musiche"}));
}

TEST_F(PrepareGameFolder, TheInstalledFolderAsTheCurrentFolderGivesOnlyItsMedia) {
    const fs::path shipped = root_ / "prefix/share/zirimbo";
    makeGameFolder(shipped);
    for (const fs::path& current : {shipped, root_ / "prefix/bin/../share/zirimbo"}) {
        std::string said;
        const auto folder = prepare(current, said);
        ASSERT_TRUE(folder) << current;
        EXPECT_TRUE(fs::equivalent(folder->folder, shipped)) << folder->folder;
        EXPECT_EQ(folder->data, (root_ / "xdg/zirimbo/Dati").string());
        EXPECT_EQ(firstLine(root_ / "xdg/zirimbo/Dati/file.txt"), "Dati");
        EXPECT_EQ(said, "");
    }
}

TEST_F(PrepareGameFolder, ACompleteFolderWhoseDataCannotBeWrittenGivesOnlyItsMedia) {
    makeGameFolder(root_ / "prefix/share/zirimbo");
    const fs::path disc = root_ / "disco";
    makeGameFolder(disc);
    write(disc / "Dati/file.txt", "dal disco");
    const std::string discData = (disc / "Dati").string();
    std::string said;
    const auto folder = prepare(disc, said, [&](const std::string& f) { return f != discData; });
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->folder, disc.string());
    EXPECT_EQ(folder->data, (root_ / "xdg/zirimbo/Dati").string());
    // The player's data start from that folder's own.
    EXPECT_EQ(firstLine(root_ / "xdg/zirimbo/Dati/file.txt"), "dal disco");
    EXPECT_EQ(names(disc / "Dati"), std::vector<std::string>{"file.txt"});
    EXPECT_EQ(lines(said), 1) << said;
    EXPECT_NE(said.find(discData), std::string::npos) << said;
    EXPECT_NE(said.find((root_ / "xdg/zirimbo/Dati").string()), std::string::npos) << said;
}

TEST_F(PrepareGameFolder, WhetherTheDataCanBeWrittenIsAskedOfTheSystemForThisUser) {
    // Root may write anywhere: the check runs as another user there.
    const fs::path disc = root_ / "disco";
    makeGameFolder(disc);
    const auto readOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                          fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
    fs::permissions(root_, readOnly | fs::perms::owner_write);
    fs::permissions(disc / "Dati", readOnly);
    fs::permissions(root_ / "xdg", fs::perms::all);
    const std::string xdg = (root_ / "xdg").string();
    const auto dataIn = [&] {
        const auto folder = prepareGameFolder(disc.string(), (root_ / "prefix/bin").string(), xdg.c_str(), "/nessuna");
        return !folder ? 3 : folder->data == (root_ / "xdg/zirimbo/Dati").string() ? 1 : folder->data.empty() ? 0 : 2;
    };
    const int readOnlyData =
        scratch::asAnotherUser([&] { return canWriteFolder((disc / "Dati").string()) ? 1 : dataIn(); });
    if (readOnlyData == scratch::kNoOtherUser) GTEST_SKIP() << "no other user to run as";
    EXPECT_EQ(readOnlyData, 1);
    EXPECT_EQ(firstLine(root_ / "xdg/zirimbo/Dati/file.txt"), "Dati");
    EXPECT_EQ(names(disc / "Dati"), std::vector<std::string>{"file.txt"});

    fs::permissions(disc / "Dati", fs::perms::all);
    EXPECT_EQ(scratch::asAnotherUser([&] { return canWriteFolder((disc / "Dati").string()) ? dataIn() : 4; }), 0);
    EXPECT_FALSE(canWriteFolder((root_ / "nessuna").string()));
}

TEST_F(PrepareGameFolder, ADataHomeThatIsALinkToNowhereSaysSoInOneLine) {
    makeGameFolder(root_ / "prefix/share/zirimbo");
    // No game, and one line naming the reason.
    const auto saysOnly = [&](const std::string& reason) {
        std::string said;
        EXPECT_FALSE(prepare(root_ / "empty", said));
        EXPECT_EQ(lines(said), 1) << said;
        EXPECT_NE(said.find(reason), std::string::npos) << said;
        EXPECT_EQ(said.find("File exists"), std::string::npos) << said;
    };
    // XDG_DATA_HOME itself a link to nowhere.
    fs::remove(root_ / "xdg");
    fs::create_directory_symlink(root_ / "altrove", root_ / "xdg");
    saysOnly((root_ / "xdg").string() + " is a link to " + (root_ / "altrove").string() + ", which does not exist");
    EXPECT_FALSE(fs::exists(root_ / "altrove"));

    // Its zirimbo folder a link, relative, to nowhere.
    fs::remove(root_ / "xdg");
    fs::create_directories(root_ / "xdg");
    fs::create_directory_symlink("../sparita", root_ / "xdg/zirimbo");
    saysOnly((root_ / "xdg/zirimbo").string() + " is a link to " + (root_ / "sparita").string() +
             ", which does not exist");
    EXPECT_FALSE(fs::exists(root_ / "sparita"));

    // A file where the folder should be.
    fs::remove(root_ / "xdg/zirimbo");
    write(root_ / "xdg/zirimbo", "un file");
    saysOnly((root_ / "xdg/zirimbo").string() + " is a file, not a folder");
}

TEST_F(PrepareGameFolder, WhatHelpTellsIsFoundWithoutTouchingAnything) {
    const fs::path shipped = root_ / "prefix/share/zirimbo";
    makeGameFolder(shipped);
    // A player's folder from the last version: help leaves it as it is.
    write(root_ / "xdg/zirimbo/Grafica/file.txt", "Grafica");
    write(root_ / "xdg/zirimbo/.media-stamp", "Grafica/file.txt\t7\t1\n");
    // XDG_DATA_HOME reached through a link: the real path is told.
    fs::create_directory_symlink(root_ / "xdg", root_ / "collegamento");
    const std::string xdg = (root_ / "collegamento").string();
    const auto before = names(root_ / "xdg/zirimbo");
    const fs::path real = fs::canonical(root_);

    HelpFolders where = helpFolders((root_ / "empty").string(), (root_ / "prefix/bin").string(), xdg.c_str(), "/x");
    EXPECT_EQ(where.media, (real / "prefix/share/zirimbo").string());
    EXPECT_EQ(where.data, (real / "xdg/zirimbo/Dati").string());
    EXPECT_EQ(names(root_ / "xdg/zirimbo"), before);
    EXPECT_TRUE(fs::is_empty(root_ / "empty"));

    // Nothing installed: where the game looked; the data folder even though it is not there yet.
    fs::remove_all(root_ / "prefix/share");
    fs::remove_all(root_ / "xdg/zirimbo");
    where = helpFolders((root_ / "empty").string(), (root_ / "prefix/bin").string(), xdg.c_str(), "/x");
    EXPECT_EQ(where.media, "");
    EXPECT_EQ(where.lookedIn, (std::vector<std::string>{(real / "prefix/bin/gamefolder").string(),
                                                        (real / "prefix/share/zirimbo").string()}));
    EXPECT_EQ(where.data, (real / "xdg/zirimbo/Dati").string());
    EXPECT_TRUE(fs::is_empty(root_ / "xdg"));

    // A complete current folder whose Dati can be written: its own.
    makeGameFolder(root_ / "cartella");
    where = helpFolders((root_ / "cartella").string(), (root_ / "prefix/bin").string(), xdg.c_str(), "/x");
    EXPECT_EQ(where.media, (real / "cartella").string());
    EXPECT_EQ(where.data, (real / "cartella/Dati").string());
}

TEST_F(PrepareGameFolder, TheProgramsHelpNamesTheRealFolders) {
    const fs::path build = fs::path(ZIRIMBO_GAME_FOLDER).parent_path(), program = build / "zirimbo";
    if (!fs::exists(program)) GTEST_SKIP() << "no " << program;
    const std::string command = "cd '" + (root_ / "empty").string() + "' && env -u XDG_DATA_HOME HOME='" +
                                (root_ / "casa").string() + "' '" + program.string() + "' --help";
    std::string text;
    if (FILE* out = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, out)) > 0;) text.append(buffer, n);
        EXPECT_EQ(::pclose(out), 0) << text;
    }
    EXPECT_EQ(text.substr(0, text.find('\n')), "Uso: zirimbo [OPZIONI]");
    EXPECT_NE(text.find(": " + fs::canonical(ZIRIMBO_GAME_FOLDER).string() + "\n"), std::string::npos) << text;
    EXPECT_NE(text.find(": " + (fs::canonical(root_) / "casa/.local/share/zirimbo/Dati").string() + "\n"),
              std::string::npos)
        << text;
    EXPECT_FALSE(fs::exists(root_ / "casa"));
    EXPECT_TRUE(fs::is_empty(root_ / "empty"));
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
