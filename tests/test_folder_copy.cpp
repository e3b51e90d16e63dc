// The player's copy of the shipped data files, seeded file by file and never
// overwritten, and the clearing of the media copy an earlier version made: only
// what is provably the game's own unchanged copy goes.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/another_user.h"
#include "tests/support/scratch_folder.h"
#include "toolkit/folder_copy.h"

namespace fs = std::filesystem;

namespace {

class FolderCopyTest : public ::testing::Test {
protected:
    fs::path source() const { return root_ / "share"; }
    fs::path target() const { return root_ / "player"; }
    static void write(const fs::path& p, const std::string& text) {
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary | std::ios::trunc) << text;
    }
    static std::string read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static std::vector<std::string> names(const fs::path& folder) {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(folder)) out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
    // An earlier version's copy of the media: the files, and its record of them written
    // after them, an hour ago.
    void copyAsBefore(const std::vector<std::string>& files) {
        fs::create_directories(target());
        {
            std::ofstream stamp(target() / ".media-stamp", std::ios::binary);
            for (const std::string& f : files) {
                write(target() / f, read(source() / f));
                fs::last_write_time(target() / f, recorded() - std::chrono::minutes(1));
                stamp << f << '\t' << fs::file_size(source() / f) << "\t1234567\n";
            }
        }
        fs::last_write_time(target() / ".media-stamp", recorded());
    }
    static fs::file_time_type recorded() {
        static const fs::file_time_type at = fs::file_time_type::clock::now() - std::chrono::hours(1);
        return at;
    }

    scratch::Folder scratch_{"zirimbo-folder-copy"};
    fs::path root_ = scratch_.path();
};

TEST_F(FolderCopyTest, SeedsEachMissingDataFileAndNeverOverwritesOne) {
    write(source() / "Dati/ZirNom.txt", "\"Doduru\"\r\n");
    write(source() / "Dati/ZirOpz.txt", "\"S\xEC\"\r\n");
    write(source() / "Dati/ZirCla.txt", "\"1\"\r\n");
    write(source() / "Dati/Sotto/Altro.txt", "no");
    const std::string dati = (target() / "Dati").string();

    const tk::SeedResult first = tk::seedFolder((source() / "Dati").string(), dati);
    EXPECT_TRUE(first.errors.empty());
    EXPECT_EQ(first.seeded, 3);
    EXPECT_EQ(names(dati), (std::vector<std::string>{"ZirCla.txt", "ZirNom.txt", "ZirOpz.txt"}));
    EXPECT_EQ(read(target() / "Dati/ZirOpz.txt"), "\"S\xEC\"\r\n");

    // The player's own data stays; a lost file comes back; a name in another case counts.
    write(target() / "Dati/ZirNom.txt", "\"Mia\"\r\n");
    fs::remove(target() / "Dati/ZirOpz.txt");
    fs::rename(target() / "Dati/ZirCla.txt", target() / "Dati/zircla.TXT");
    const tk::SeedResult again = tk::seedFolder((source() / "Dati").string(), dati);
    EXPECT_EQ(again.seeded, 1);
    EXPECT_EQ(read(target() / "Dati/ZirNom.txt"), "\"Mia\"\r\n");
    EXPECT_EQ(read(target() / "Dati/ZirOpz.txt"), "\"S\xEC\"\r\n");
    EXPECT_EQ(names(dati), (std::vector<std::string>{"ZirNom.txt", "ZirOpz.txt", "zircla.TXT"}));

    // Without the shipped folder: one line naming it, and nothing touched.
    fs::remove_all(source());
    const tk::SeedResult none = tk::seedFolder((source() / "Dati").string(), dati);
    ASSERT_EQ(none.errors.size(), 1u);
    EXPECT_NE(none.errors[0].find((source() / "Dati").string()), std::string::npos) << none.errors[0];
    EXPECT_EQ(read(target() / "Dati/ZirNom.txt"), "\"Mia\"\r\n");
}

TEST_F(FolderCopyTest, OnlyTheGamesOwnUnchangedCopyGoesAndThePlayersFilesStay) {
    for (const char* f :
         {"Grafica/Logo.gif", "Grafica/Sub/Deep.gif", "Musiche/1a.ogg", "Rumori/Tic.WAV", "Pedine/R1.gif"})
        write(source() / f, std::string("shipped ") + f);
    write(source() / "Dati/ZirNom.txt", "\"Doduru\"\r\n");
    copyAsBefore({"Grafica/Logo.gif", "Grafica/Sub/Deep.gif", "Musiche/1a.ogg", "Rumori/Tic.WAV", "Pedine/R1.gif"});
    // What the player put there or changed, and the data files.
    write(target() / "Musiche/mysong.mp3", "la la");
    write(target() / "Grafica/holiday.jpg", "sea");
    fs::create_directories(target() / "Pedine/Vuota");
    write(target() / "Rumori/Tic.WAV", "my own tic");
    write(target() / "Grafica/Sub/Deep.gif", std::string(fs::file_size(source() / "Grafica/Sub/Deep.gif"), 'm'));
    write(target() / "Dati/ZirNom.txt", "\"Mia\"\r\n");
    // Shipped anew since the copy was made: the copy as recorded is the game's all the same.
    write(source() / "Musiche/1a.ogg", "a newer tune");
    // A record naming the data folder or a way out of the folder is not followed.
    write(target() / "fuori.txt", "shipped fuori.txt");
    write(source() / "fuori.txt", "shipped fuori.txt");
    std::ofstream(target() / ".media-stamp", std::ios::app) << "Dati/ZirNom.txt\t8\t1\nGrafica/../fuori.txt\t17\t1\n";
    fs::last_write_time(target() / ".media-stamp", recorded());
    // The half-made folders of an interrupted copy.
    write(target() / ".Grafica.part/Logo.gif", read(source() / "Grafica/Logo.gif"));
    write(target() / ".Rumori.old/Tic.WAV", read(source() / "Rumori/Tic.WAV"));

    const tk::OldCopyResult result = tk::removeUnchangedCopy(source().string(), target().string(), ".media-stamp");
    EXPECT_TRUE(result.errors.empty());
    EXPECT_EQ(result.removed, 5);
    EXPECT_EQ(result.kept, (std::vector<std::string>{(target() / "Grafica/Sub/Deep.gif").string(),
                                                     (target() / "Rumori/Tic.WAV").string()}));
    EXPECT_EQ(names(target()),
              (std::vector<std::string>{"Dati", "Grafica", "Musiche", "Pedine", "Rumori", "fuori.txt"}));
    EXPECT_EQ(names(target() / "Grafica"), (std::vector<std::string>{"Sub", "holiday.jpg"}));
    EXPECT_EQ(names(target() / "Musiche"), std::vector<std::string>{"mysong.mp3"});
    EXPECT_EQ(names(target() / "Pedine"), std::vector<std::string>{"Vuota"});
    EXPECT_EQ(read(target() / "Rumori/Tic.WAV"), "my own tic");
    EXPECT_EQ(read(target() / "Dati/ZirNom.txt"), "\"Mia\"\r\n");
    for (const char* f : {"Grafica/Logo.gif", "Pedine/R1.gif"})
        EXPECT_EQ(read(source() / f), std::string("shipped ") + f);

    // Done once: nothing more goes later.
    write(target() / "Musiche/1a.ogg", read(source() / "Musiche/1a.ogg"));
    EXPECT_EQ(tk::removeUnchangedCopy(source().string(), target().string(), ".media-stamp").removed, 0);
    EXPECT_TRUE(fs::exists(target() / "Musiche/1a.ogg"));
}

TEST_F(FolderCopyTest, ACopyThatCouldNotBeRemovedIsTriedAgainAndNothingElseIsSaidTwice) {
    for (const char* f : {"Bob/01B1.wav", "Carla/01C1.wav", "Carla/01C2.wav"}) write(source() / f, f);
    copyAsBefore({"Bob/01B1.wav", "Carla/01C1.wav", "Carla/01C2.wav"});
    write(target() / "Carla/01C2.wav", "changed");
    // Bob's folder cannot be written, the rest can.
    const auto readOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                          fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
    fs::permissions(root_, readOnly | fs::perms::owner_write);
    for (const fs::path& folder : {target(), target() / "Carla"}) fs::permissions(folder, fs::perms::all);
    fs::permissions(target() / "Bob", readOnly);
    const int status = scratch::asAnotherUser([&] {
        const auto r = tk::removeUnchangedCopy(source().string(), target().string(), ".media-stamp");
        return r.removed == 1 && r.kept.size() == 1 && r.errors.size() == 1 &&
                       r.errors[0].find((target() / "Bob/01B1.wav").string()) != std::string::npos
                   ? 0
                   : 1;
    });
    fs::permissions(target() / "Bob", fs::perms::all);
    if (status == scratch::kNoOtherUser) GTEST_SKIP() << "no other user to run as";
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(fs::exists(target() / "Bob/01B1.wav"));
    EXPECT_FALSE(fs::exists(target() / "Carla/01C1.wav"));
    ASSERT_TRUE(fs::exists(target() / ".media-stamp"));
    EXPECT_EQ(fs::last_write_time(target() / ".media-stamp"), recorded());

    // Once it can: the copy goes, and the changed file kept before is not named again.
    const tk::OldCopyResult result = tk::removeUnchangedCopy(source().string(), target().string(), ".media-stamp");
    EXPECT_EQ(result.removed, 1);
    EXPECT_TRUE(result.kept.empty());
    EXPECT_TRUE(result.errors.empty());
    EXPECT_EQ(names(target()), std::vector<std::string>{"Carla"});
}

TEST_F(FolderCopyTest, WithoutProofNothingGoes) {
    write(source() / "Grafica/Logo.gif", "logo");
    write(source() / "Bob/01B1.wav", "bob");
    write(source() / "Carla/01C1.wav", "carla");
    write(source() / "Carla/01C2.wav", "carla 2");
    copyAsBefore({"Grafica/Logo.gif", "Bob/01B1.wav", "Carla/01C1.wav", "Carla/01C2.wav"});
    // A folder linked to one of the player's elsewhere, holding the same bytes.
    fs::remove_all(target() / "Bob");
    write(root_ / "altrove/01B1.wav", "bob");
    fs::create_directory_symlink(root_ / "altrove", target() / "Bob");
    // Carla's voices are shipped as Ogg now: the copy as the record left it goes all
    // the same, one written since stays.
    for (const char* voice : {"Carla/01C1", "Carla/01C2"}) {
        fs::remove(source() / (std::string(voice) + ".wav"));
        write(source() / (std::string(voice) + ".ogg"), voice);
    }
    write(target() / "Carla/01C2.wav", "carla 2");

    tk::OldCopyResult result = tk::removeUnchangedCopy(source().string(), target().string(), ".media-stamp");
    EXPECT_EQ(result.removed, 2);
    EXPECT_EQ(result.kept, std::vector<std::string>{(target() / "Carla/01C2.wav").string()});
    EXPECT_TRUE(fs::exists(root_ / "altrove/01B1.wav"));
    EXPECT_FALSE(fs::exists(target() / "Carla/01C1.wav"));
    EXPECT_FALSE(fs::exists(target() / ".media-stamp"));
    result = tk::removeUnchangedCopy(source().string(), target().string(), ".media-stamp");
    EXPECT_EQ(result.removed, 0);
    EXPECT_TRUE(result.kept.empty());
    EXPECT_TRUE(fs::exists(target() / "Carla/01C2.wav"));
    EXPECT_TRUE(fs::exists(root_ / "altrove/01B1.wav"));

    // No record, or the record in the shipped folder itself: nothing is touched.
    write(target() / "Grafica/Logo.gif", "logo");
    EXPECT_EQ(tk::removeUnchangedCopy(source().string(), target().string(), ".media-stamp").removed, 0);
    std::ofstream(source() / ".media-stamp") << "Grafica/Logo.gif\t4\t1\n";
    EXPECT_EQ(tk::removeUnchangedCopy(source().string(), source().string(), ".media-stamp").removed, 0);
    EXPECT_TRUE(fs::exists(source() / "Grafica/Logo.gif"));
    EXPECT_TRUE(fs::exists(target() / "Grafica/Logo.gif"));
}

}  // namespace
