#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "tests/support/scratch_folder.h"
#include "toolkit/paths.h"

namespace fs = std::filesystem;

namespace {

class PathsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* f : {"Grafica/Logo.gif", "Suoni/tic.wav", "Dati/Partite/ZirNom.txt", "Città.txt"}) {
            fs::create_directories((root_ / f).parent_path());
            std::ofstream(root_ / f) << "x";
        }
        r_ = root_.string();
    }
    scratch::Folder scratch_{"zirimbo-paths"};
    fs::path root_ = scratch_.path();
    std::string r_;
};

TEST_F(PathsTest, FindsNamesWrittenInAnotherCase) {
    EXPECT_EQ(tk::resolvePath(r_ + "\\Grafica\\logo.gif"), r_ + "/Grafica/Logo.gif");
    EXPECT_EQ(tk::resolvePath(r_ + "\\suoni\\Tic.WAV"), r_ + "/Suoni/tic.wav");
    EXPECT_EQ(tk::resolvePath(r_ + "/dati\\\\PARTITE//zirnom.TXT"), r_ + "/Dati/Partite/ZirNom.txt");
    EXPECT_EQ(tk::resolvePath(r_ + "\\CITTÀ.TXT"), r_ + "/Città.txt");
    EXPECT_TRUE(tk::pathExists(r_ + "\\grafica"));
}

TEST_F(PathsTest, KeepsMissingNamesAsWritten) {
    EXPECT_EQ(tk::resolvePath(r_ + "\\dati\\Nuovo.txt"), r_ + "/Dati/Nuovo.txt");
    EXPECT_EQ(tk::resolvePath(r_ + "\\Manca\\grafica\\X.TXT"), r_ + "/Manca/grafica/X.TXT");
    EXPECT_FALSE(tk::pathExists(r_ + "\\dati\\Nuovo.txt"));
    EXPECT_FALSE(tk::pathExists(r_ + "\\Dati\\Partite\\ZirNom"));
}

TEST_F(PathsTest, PrefersTheExactName) {
    std::ofstream(root_ / "Grafica/logo.gif") << "y";
    EXPECT_EQ(tk::resolvePath(r_ + "\\Grafica\\logo.gif"), r_ + "/Grafica/logo.gif");
    EXPECT_EQ(tk::resolvePath(r_ + "\\Grafica\\Logo.gif"), r_ + "/Grafica/Logo.gif");
    EXPECT_EQ(tk::resolvePath(r_ + "\\Grafica\\LOGO.gif"), r_ + "/Grafica/Logo.gif");  // first in byte order
}

TEST_F(PathsTest, WorksWithRelativePaths) {
    const fs::path before = fs::current_path();
    fs::current_path(root_);
    const std::string plain = tk::resolvePath("grafica\\LOGO.gif");
    const std::string dotted = tk::resolvePath(".\\GRAFICA\\logo.gif");
    fs::current_path(before);
    EXPECT_EQ(plain, "Grafica/Logo.gif");
    EXPECT_EQ(dotted, "./Grafica/Logo.gif");
}

TEST_F(PathsTest, ARoutedFolderIsLookedForWhereItWasSent) {
    fs::create_directories(root_ / "Giocatore/Dati");
    std::ofstream(root_ / "Giocatore/Dati/ZIRNOM.txt") << "y";
    tk::routeFolder(r_ + "\\Dati", r_ + "/Giocatore/Dati");
    EXPECT_EQ(tk::resolvePath(r_ + "\\Dati\\ZirNom.txt"), r_ + "/Giocatore/Dati/ZIRNOM.txt");
    EXPECT_EQ(tk::resolvePath(r_ + "\\DATI\\Nuovo.txt"), r_ + "/Giocatore/Dati/Nuovo.txt");
    EXPECT_EQ(tk::resolvePath(r_ + "/dati/"), r_ + "/Giocatore/Dati/");
    EXPECT_FALSE(tk::pathExists(r_ + "\\Dati\\Partite\\ZirNom.txt"));
    // Other folders, and names that only start the same, stay where they are.
    EXPECT_EQ(tk::resolvePath(r_ + "\\grafica\\logo.gif"), r_ + "/Grafica/Logo.gif");
    EXPECT_EQ(tk::resolvePath(r_ + "\\Dati2\\x"), r_ + "/Dati2/x");
    EXPECT_EQ(tk::resolvePath("Dati\\ZirNom.txt"), "Dati/ZirNom.txt");
    tk::routeFolder("", "");
    EXPECT_EQ(tk::resolvePath(r_ + "\\Dati\\Partite\\zirnom.txt"), r_ + "/Dati/Partite/ZirNom.txt");
}

}  // namespace
