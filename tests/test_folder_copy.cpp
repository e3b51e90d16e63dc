// The player's working copy of the game's media: copied once, refreshed only when
// the originals change, repaired after damage or an interrupted copy, and the data
// folder never overwritten.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "toolkit/folder_copy.h"

namespace fs = std::filesystem;

namespace {

class FolderCopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("zirimbo-folder-copy-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        write(source() / "Grafica/Logo.gif", "logo");
        write(source() / "Grafica/Sub/Deep.gif", "deep");
        write(source() / "Rumori/Tic.WAV", "tic");
        write(source() / "Dati/ZirNom.txt", "\"Doduru\"\r\n");
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path source() const { return root_ / "build"; }
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
    tk::FolderCopyResult refresh() {
        return tk::refreshFolderCopy(source().string(), target().string(), {"Dati"}, ".media");
    }

    fs::path root_;
};

TEST_F(FolderCopyTest, CopiesEverythingOnceThenNothingWhileUnchanged) {
    auto first = refresh();
    EXPECT_TRUE(first.errors.empty());
    EXPECT_EQ(first.refreshed, 2);  // Grafica and Rumori; Dati is not counted
    EXPECT_EQ(read(target() / "Grafica/Sub/Deep.gif"), "deep");
    EXPECT_EQ(read(target() / "Rumori/Tic.WAV"), "tic");
    EXPECT_EQ(read(target() / "Dati/ZirNom.txt"), "\"Doduru\"\r\n");

    auto second = refresh();
    EXPECT_TRUE(second.errors.empty());
    EXPECT_EQ(second.refreshed, 0);
}

TEST_F(FolderCopyTest, RefreshesOnlyTheChangedFolderAndNeverTheData) {
    refresh();
    write(target() / "Dati/ZirNom.txt", "\"Mia\"\r\n");  // the player's own data
    write(source() / "Dati/ZirNom.txt", "\"Altro\"\r\n");
    write(source() / "Rumori/Tic.WAV", "a longer tic");
    auto again = refresh();
    EXPECT_EQ(again.refreshed, 1);
    EXPECT_EQ(read(target() / "Rumori/Tic.WAV"), "a longer tic");
    EXPECT_EQ(read(target() / "Dati/ZirNom.txt"), "\"Mia\"\r\n");
}

TEST_F(FolderCopyTest, RepairsALostOrDamagedCopy) {
    refresh();
    fs::remove(target() / "Grafica/Sub/Deep.gif");
    write(target() / "Rumori/Tic.WAV", "");
    auto again = refresh();
    EXPECT_EQ(again.refreshed, 2);
    EXPECT_EQ(read(target() / "Grafica/Sub/Deep.gif"), "deep");
    EXPECT_EQ(read(target() / "Rumori/Tic.WAV"), "tic");
}

TEST_F(FolderCopyTest, CompletesACopyThatWasInterrupted) {
    refresh();
    write(source() / "Grafica/Logo.gif", "new logo");
    // Stopped after the old copy was moved aside and before the new one took its place.
    fs::rename(target() / "Grafica", target() / ".Grafica.old");
    write(target() / ".Grafica.part/Logo.gif", "half");
    auto again = refresh();
    EXPECT_TRUE(again.errors.empty());
    EXPECT_EQ(read(target() / "Grafica/Logo.gif"), "new logo");
    EXPECT_EQ(read(target() / "Grafica/Sub/Deep.gif"), "deep");
    EXPECT_FALSE(fs::exists(target() / ".Grafica.old"));
    EXPECT_FALSE(fs::exists(target() / ".Grafica.part"));
    EXPECT_EQ(refresh().refreshed, 0);
}

TEST_F(FolderCopyTest, AMissingSourceIsReportedByName) {
    fs::remove_all(source());
    auto result = refresh();
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_NE(result.errors[0].find(source().string()), std::string::npos);
    EXPECT_EQ(result.refreshed, 0);
}

}  // namespace
