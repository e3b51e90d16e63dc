// The options, player-name and scoreboard files: their exact form, the round trip
// between runs, and what a damaged file leaves.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "test_startup_fixture.h"
#include "toolkit/text.h"

namespace {
std::string Shipped(const std::string& dataFile) {
    std::ifstream in(std::string(ZIRIMBO_SOURCE_DIR) + "/data/Dati/" + dataFile, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
constexpr tk::Color kHuman = 0x8080FF, kBob = 0xFFCB84, kGiorgetto = 0x80FFFF, kCarla = 0x80FF80;
}  // namespace

using FilesTest = StartUpTest;

TEST_F(FilesTest, TheDesignOptionsAndNameAreWrittenExactlyAsShipped) {
    load();
    passStartUp("Doduru");
    f->SaveOptionsAndName();
    EXPECT_EQ(folder.read("ZirOpz.txt"), Shipped("ZirOpz.txt"));
    EXPECT_EQ(folder.read("ZirNom.txt"), Shipped("ZirNom.txt"));
}

TEST_F(FilesTest, OptionsAndANewNameSavedOnExitAreReadBackUnchangedNextRun) {
    load();
    passStartUp("Rossi, Maria Luisa");
    f->lblVoceOpzione(0).Caption = "No";
    f->lblVoceOpzione(3).Caption = "Ogni tanto";
    f->lblVoceOpzione(5).Caption = "Veloce";
    f->TmrGiocaAutomatico.Interval = 260;
    for (tk::Timer* t : {&f->TmrMossaBlu3, &f->TmrMossaGiallo3, &f->TmrMossaVerde3}) t->Interval = 130;
    f->TmrMusiche.Interval = 1234;  // the poll is written as 2000 whatever it holds
    f->SaveOptionsAndName();
    const std::string options = folder.read("ZirOpz.txt");
    EXPECT_EQ(options,
              "\"No\"\r\n\"S\xEC\"\r\n\"S\xEC\"\r\n\"Ogni tanto\"\r\n\"S\xEC\"\r\n\"Veloce\"\r\n"
              "2000\r\n260\r\n130\r\n130\r\n130\r\n");
    EXPECT_EQ(folder.read("ZirNom.txt"), "\"Rossi, Maria Luisa\"\r\n");

    load();  // the next run
    EXPECT_EQ(f->txtPassword.Text.get(), "Rossi, Maria Luisa");
    const char* expected[6] = {"No", "Sì", "Sì", "Ogni tanto", "Sì", "Veloce"};
    for (int i = 0; i <= 5; ++i) EXPECT_EQ(f->lblVoceOpzione(i).Caption.get(), expected[i]) << i;
    EXPECT_EQ(f->TmrMusiche.Interval.get(), 2000);
    EXPECT_EQ(f->TmrGiocaAutomatico.Interval.get(), 260);
    EXPECT_EQ(f->TmrMossaGiallo3.Interval.get(), 130);
    // Loading enables no timer of the options.
    EXPECT_FALSE(f->TmrMusiche.Enabled);
    EXPECT_FALSE(f->TmrGiocaAutomatico.Enabled);
}

TEST_F(FilesTest, TheIntervalsAreTakenAsTheyStandNotFromTheSpeed) {
    folder.write("ZirOpz.txt",
                 "\"S\xEC\"\r\n\"S\xEC\"\r\n\"S\xEC\"\r\n\"Sempre\"\r\n\"S\xEC\"\r\n\"Lenta\"\r\n"
                 "2000\r\n300\r\n200\r\n100\r\n150\r\n");
    load();
    EXPECT_EQ(f->lblVoceOpzione(5).Caption.get(), "Lenta");
    EXPECT_EQ(f->TmrGiocaAutomatico.Interval.get(), 300);
    EXPECT_EQ(f->TmrMossaBlu3.Interval.get(), 200);
    EXPECT_EQ(f->TmrMossaGiallo3.Interval.get(), 100);
    EXPECT_EQ(f->TmrMossaVerde3.Interval.get(), 150);
}

TEST_F(FilesTest, AMissingShortOrDamagedOptionsFileKeepsTheDefaultsWhereItFails) {
    folder.remove("ZirOpz.txt");
    load();
    EXPECT_EQ(f->lblVoceOpzione(3).Caption.get(), "Sempre");
    EXPECT_EQ(f->TmrMossaBlu3.Interval.get(), 220);

    // Two lines only: the rest keeps the design values.
    folder.write("ZirOpz.txt", "\"No\"\r\n\"No\"\r\n");
    load();
    EXPECT_EQ(f->lblVoceOpzione(1).Caption.get(), "No");
    EXPECT_EQ(f->lblVoceOpzione(2).Caption.get(), "Sì");
    EXPECT_EQ(f->TmrGiocaAutomatico.Interval.get(), 440);

    // An interval of 0 or a word would stop a move timer for good: the design value stays.
    folder.write("ZirOpz.txt",
                 "\"S\xEC\"\r\n\"S\xEC\"\r\n\"S\xEC\"\r\n\"Sempre\"\r\n\"S\xEC\"\r\n\"Normale\"\r\n"
                 "abc\r\n0\r\n-5\r\n220x\r\n99999999\r\n");
    load();
    EXPECT_EQ(f->TmrMusiche.Interval.get(), 2000);
    EXPECT_EQ(f->TmrGiocaAutomatico.Interval.get(), 440);
    EXPECT_EQ(f->TmrMossaBlu3.Interval.get(), 220);
    EXPECT_EQ(f->TmrMossaGiallo3.Interval.get(), 220);
    EXPECT_EQ(f->TmrMossaVerde3.Interval.get(), 220);
}

TEST_F(FilesTest, LeavingTheNameUnchangedStillRewritesTheNameFile) {
    folder.write("ZirNom.txt", "Pino\r\n");  // an unquoted name reads as well
    load();
    passStartUp();
    EXPECT_EQ(f->lblNomeGiocatore.Caption.get(), "Pino");
    f->SaveOptionsAndName();
    EXPECT_EQ(folder.read("ZirNom.txt"), "\"Pino\"\r\n");
}

TEST_F(FilesTest, TheDesignScoreboardIsWrittenExactlyAsShippedAndReadBackWhole) {
    load();
    f->SaveScoreboard();
    EXPECT_EQ(folder.read("ZirCla.txt"), Shipped("ZirCla.txt"));

    // A played scoreboard: other order, names and dates with commas, wins.
    const char* names[5] = {"", "Carla", "Gigi, il Grande", "Bob", "Giorgetto"};
    const char* wins[5] = {"", "5", "5", "2", "0"};
    const char* dates[5] = {"", "07/12/2026", "1, dicembre", "03/01/2025", ""};
    const char* positions[5] = {"", "1", "1", "3", "4"};
    const tk::Color colours[5] = {0, kCarla, kHuman, kBob, kGiorgetto};
    zirimbo::ControlArray<zirimbo::Shape>* rows[5] = {nullptr, &f->Shp1SfondoClass, &f->Shp2SfondoClass,
                                                      &f->Shp3SfondoClass, &f->Shp4SfondoClass};
    for (int r = 1; r <= 4; ++r) {
        f->lblPosizioneClass(r).Caption = positions[r];
        f->lblNomeClass(r).Caption = names[r];
        f->lblVinte(r).Caption = wins[r];
        f->lblData(r).Caption = dates[r];
        for (int e = 0; e <= 3; ++e) (*rows[r])(e).BackColor = colours[r];
    }
    f->SaveScoreboard();
    const std::string saved = folder.read("ZirCla.txt");
    EXPECT_EQ(saved.rfind("\"1\"\r\n\"Carla\"\r\n\"5\"\r\n\"07/12/2026\"\r\n\"1\"\r\n\"Gigi, il Grande\"\r\n", 0), 0u)
        << saved;
    EXPECT_NE(saved.find("\r\n8454016\r\n8421631\r\n16763780\r\n8454143\r\n"), std::string::npos);
    // Lines after the 32nd are ignored.
    folder.write("ZirCla.txt", saved + "\"extra\"\r\n42\r\n");

    load();
    rows[1] = &f->Shp1SfondoClass, rows[2] = &f->Shp2SfondoClass, rows[3] = &f->Shp3SfondoClass,
    rows[4] = &f->Shp4SfondoClass;
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(f->lblPosizioneClass(r).Caption.get(), positions[r]) << r;
        EXPECT_EQ(f->lblNomeClass(r).Caption.get(), names[r]) << r;
        EXPECT_EQ(f->lblVinte(r).Caption.get(), wins[r]) << r;
        EXPECT_EQ(f->lblData(r).Caption.get(), dates[r]) << r;
        for (int e = 0; e <= 3; ++e) EXPECT_EQ((*rows[r])(e).BackColor.get(), colours[r]) << r << " " << e;
        // The face background is not stored.
        EXPECT_EQ((*rows[r])(4).BackColor.get(), 0xB8C9E5u) << r;
    }
}

TEST_F(FilesTest, ADamagedScoreboardKeepsItsTextsWhileTheColoursStillTellThePlayersApart) {
    std::string played = Shipped("ZirCla.txt");
    played.replace(played.find("Giocatore"), 9, "Zorro");
    played.replace(played.find("\"0\""), 3, "\"12\"");
    const std::string lastLineLost = played.substr(0, played.size() - 9);
    std::string word = played, strayLine = played;
    word.replace(word.find("16763780"), 8, "blu");
    strayLine.replace(strayLine.find("16763780"), 8, "8421631");  // one of Bob's lines says the human
    const std::string rowFourUntold = played.substr(0, played.find("8454016"));
    for (const std::string& damaged : {lastLineLost, word, strayLine, rowFourUntold}) {
        folder.write("ZirCla.txt", damaged);
        load();
        EXPECT_EQ(f->lblNomeClass(1).Caption.get(), "Zorro");
        EXPECT_EQ(f->lblVinte(1).Caption.get(), "12");
        const tk::Color colours[5] = {0, kHuman, kBob, kGiorgetto, kCarla};
        for (int e = 0; e <= 3; ++e) {
            EXPECT_EQ(f->Shp2SfondoClass(e).BackColor.get(), colours[2]) << e;
            EXPECT_EQ(f->Shp4SfondoClass(e).BackColor.get(), colours[4]) << e;
        }
        // The first save keeps the damaged file beside the whole one it writes.
        f->SaveScoreboard();
        EXPECT_EQ(folder.kept("ZirCla.txt"), std::vector<std::string>{damaged});
        EXPECT_EQ(folder.read("ZirCla.txt"), played);
        f->SaveScoreboard();
        EXPECT_EQ(folder.kept("ZirCla.txt").size(), 1u);
        folder.removeKept("ZirCla.txt");
    }
}

TEST_F(FilesTest, AScoreboardThatCannotTellThePlayersApartStartsFromTheDesignButIsKept) {
    std::string renamed = Shipped("ZirCla.txt");
    renamed.replace(renamed.find("Giocatore"), 9, "Zorro");
    std::string twice = renamed;  // two rows of the human, none of Bob
    for (std::size_t at; (at = twice.find("16763780")) != std::string::npos;) twice.replace(at, 8, "8421631");
    const std::string textsOnly = renamed.substr(0, renamed.find("8421631"));
    for (const std::string& damaged : {twice, textsOnly}) {
        folder.write("ZirCla.txt", damaged);
        load();
        EXPECT_EQ(f->lblNomeClass(1).Caption.get(), "Giocatore");
        EXPECT_EQ(f->Shp2SfondoClass(0).BackColor.get(), kBob);
        f->SaveScoreboard();
        EXPECT_EQ(folder.kept("ZirCla.txt"), std::vector<std::string>{damaged});
        EXPECT_EQ(folder.read("ZirCla.txt"), Shipped("ZirCla.txt"));
        folder.removeKept("ZirCla.txt");
    }
    // A missing file has nothing to keep; an intact one is not kept either.
    folder.remove("ZirCla.txt");
    load();
    f->SaveScoreboard();
    load();
    f->SaveScoreboard();
    EXPECT_TRUE(folder.kept("ZirCla.txt").empty());
}

TEST_F(FilesTest, WinsAreWholeNumbersTheSortCanHold) {
    std::string file = Shipped("ZirCla.txt");
    const char* read[4] = {"99999999999999999999", "-5", "tre", " 7 "};
    const char* taken[4] = {"32767", "0", "0", "7"};
    std::size_t at = 0;
    for (const char* wins : read) {
        at = file.find("\"0\"", at);
        file.replace(at + 1, 1, wins);
        at += 3;
    }
    folder.write("ZirCla.txt", file);
    load();
    for (int r = 1; r <= 4; ++r) EXPECT_EQ(f->lblVinte(r).Caption.get(), taken[r - 1]) << r;
    // One more win does not go past the most the column holds.
    f->RecordScoreboardWin(kHuman);
    EXPECT_EQ(f->lblVinte(1).Caption.get(), "32767");
    f->lblVinte(1).Caption = "99999999999999999999";
    f->RecordScoreboardWin(kHuman);
    EXPECT_EQ(f->lblVinte(1).Caption.get(), "32767");
    EXPECT_EQ(folder.kept("ZirCla.txt"), std::vector<std::string>{file});
}

TEST_F(FilesTest, ANameFileTheSaveWouldChangeIsKeptFirst) {
    // A byte-order mark before the name is not part of it.
    folder.write("ZirNom.txt", "\xEF\xBB\xBF\"Doduru\"\r\n");
    ::testing::internal::CaptureStderr();
    load();
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(f->txtPassword.Text.get(), "Doduru");
    EXPECT_NE(said.find(folder.path() + "/Dati/ZirNom.txt: "), std::string::npos) << said;
    passStartUp();
    f->SaveOptionsAndName();
    EXPECT_EQ(folder.read("ZirNom.txt"), Shipped("ZirNom.txt"));
    EXPECT_EQ(folder.kept("ZirNom.txt"), std::vector<std::string>{"\xEF\xBB\xBF\"Doduru\"\r\n"});

    // A double quote, which the file cannot hold inside a name.
    const std::string quoted = "\"Pino \"il\" Re\"\r\n";
    folder.write("ZirNom.txt", quoted);
    load();
    passStartUp();
    f->SaveOptionsAndName();
    EXPECT_EQ(folder.read("ZirNom.txt"), "\"Pino 'il' Re\"\r\n");
    EXPECT_EQ(folder.kept("ZirNom.txt").size(), 2u);
    EXPECT_EQ(folder.kept("ZirNom.txt").back(), quoted);

    // A file as the game writes it is not kept.
    load();
    passStartUp();
    f->SaveOptionsAndName();
    EXPECT_EQ(folder.kept("ZirNom.txt").size(), 2u);
}

TEST_F(FilesTest, AnOldNameHoldingAQuoteAndACommaShiftsNothing) {
    std::string file = Shipped("ZirCla.txt");
    file.replace(file.find("\"Giocatore\""), 11, "\"Pino \"il\", Re\"");
    file.replace(file.find("\"0\""), 3, "\"4\"");
    folder.write("ZirCla.txt", file);
    folder.write("ZirNom.txt", "\"Pino \"il\", Re\"\r\n");
    load();
    EXPECT_EQ(f->txtPassword.Text.get(), "Pino \"il\", Re");
    EXPECT_EQ(f->lblNomeClass(1).Caption.get(), "Pino \"il\", Re");
    EXPECT_EQ(f->lblVinte(1).Caption.get(), "4");
    EXPECT_EQ(f->lblNomeClass(2).Caption.get(), "Bob");
    EXPECT_EQ(f->Shp4SfondoClass(3).BackColor.get(), kCarla);
}

TEST_F(FilesTest, OptionTextsOutsideTheirChoicesTakeTheDesignValueAndStayClickable) {
    // A trailing blank, another case, UTF-8 instead of the code page, a byte-order mark.
    folder.write("ZirOpz.txt",
                 "\"Sempre \"\r\n\"s\xEC\"\r\n\"S\xC3\xAC\"\r\n\"sempre\"\r\n\xEF\xBB\xBF\"No\"\r\n\"veloce\"\r\n"
                 "2000\r\n65535\r\n49\r\n50\r\n5000\r\n");
    load();
    const char* design[6] = {"Sì", "Sì", "Sì", "Sempre", "Sì", "Normale"};
    for (int i = 0; i <= 5; ++i) EXPECT_EQ(f->lblVoceOpzione(i).Caption.get(), design[i]) << i;
    EXPECT_EQ(f->TmrGiocaAutomatico.Interval.get(), 440);
    EXPECT_EQ(f->TmrMossaBlu3.Interval.get(), 220);
    EXPECT_EQ(f->TmrMossaGiallo3.Interval.get(), 50);
    EXPECT_EQ(f->TmrMossaVerde3.Interval.get(), 5000);
    passStartUp();
    f->lblOpzione_Click(3);
    EXPECT_EQ(f->lblVoceOpzione(3).Caption.get(), "No");
    f->lblOpzione_Click(5);
    EXPECT_EQ(f->lblVoceOpzione(5).Caption.get(), "Veloce");
    const std::string damaged = folder.read("ZirOpz.txt");
    f->SaveOptionsAndName();
    EXPECT_EQ(folder.kept("ZirOpz.txt"), std::vector<std::string>{damaged});
    EXPECT_EQ(folder.read("ZirOpz.txt").rfind("\"S\xEC\"\r\n\"S\xEC\"\r\n\"S\xEC\"\r\n\"No\"\r\n", 0), 0u);
    EXPECT_TRUE(folder.kept("ZirNom.txt").empty());
}

TEST_F(FilesTest, TheNameKeepsASaneLength) {
    std::string longName;
    for (int i = 0; i < 1000; ++i) longName += "Pin\xE8 ";  // in the code page
    folder.write("ZirNom.txt", "\"" + longName + "\"\r\n");
    load();
    EXPECT_EQ(f->txtPassword.Text.get(), "Pinè Pinè Pinè Pinè Pinè Pinè Pinè Pinè ");
    // The box takes no more characters than the file keeps.
    EXPECT_FALSE(f->txtPassword.typeText("x"));
    f->txtPassword.Text = "";
    for (int i = 0; i < 40; ++i) EXPECT_TRUE(f->txtPassword.typeText("è"));
    EXPECT_FALSE(f->txtPassword.typeText("è"));
    passStartUp();
    f->SaveOptionsAndName();
    EXPECT_EQ(folder.kept("ZirNom.txt").size(), 1u);
    EXPECT_EQ(folder.read("ZirNom.txt"), "\"" + std::string(40, '\xE8') + "\"\r\n");
}

TEST_F(FilesTest, APipeADeviceOrAHugeFileInPlaceOfADataFileIsNeverRead) {
    // Nobody writes into the pipe: reading it would wait for good.
    folder.remove("ZirOpz.txt");
    ASSERT_EQ(::mkfifo((folder.path() + "/Dati/ZirOpz.txt").c_str(), 0600), 0);
    std::filesystem::remove(folder.path() + "/Dati/ZirCla.txt");
    std::filesystem::create_symlink("/dev/zero", folder.path() + "/Dati/ZirCla.txt");
    folder.write("ZirNom.txt", "\"" + std::string(100000, 'a') + "\"\r\n");
    load();
    EXPECT_EQ(f->lblVoceOpzione(3).Caption.get(), "Sempre");
    EXPECT_EQ(f->lblNomeClass(4).Caption.get(), "Carla");
    EXPECT_EQ(f->txtPassword.Text.get(), "");
    passStartUp();
    f->SaveOptionsAndName();
    f->SaveScoreboard();
    EXPECT_EQ(folder.read("ZirOpz.txt"), Shipped("ZirOpz.txt"));
    EXPECT_EQ(folder.read("ZirCla.txt"), Shipped("ZirCla.txt"));
    EXPECT_EQ(folder.read("ZirNom.txt"), Shipped("ZirNom.txt"));
    EXPECT_EQ(folder.kept("ZirNom.txt").size(), 1u);
    EXPECT_EQ(folder.kept("ZirNom.txt").front().size(), 100004u);
}

TEST_F(FilesTest, TemporaryFilesOfACutShortSaveAreRemovedAtStart) {
    folder.write(".ZirOpz.txt.tmp-999999999", "\"S");
    load();
    EXPECT_FALSE(std::filesystem::exists(folder.path() + "/Dati/.ZirOpz.txt.tmp-999999999"));
    EXPECT_EQ(folder.read("ZirOpz.txt"), Shipped("ZirOpz.txt"));
}

TEST_F(FilesTest, MessagesNameTheDataFilesByTheirRealPaths) {
    folder.remove("ZirNom.txt");
    folder.remove("ZirOpz.txt");
    folder.remove("ZirCla.txt");
    ::testing::internal::CaptureStderr();
    load();
    const std::string said = ::testing::internal::GetCapturedStderr();
    for (const char* file : {"ZirNom.txt", "ZirOpz.txt", "ZirCla.txt"})
        EXPECT_NE(said.find(folder.path() + "/Dati/" + file + ":"), std::string::npos) << said;
    EXPECT_EQ(said.find('\\'), std::string::npos) << said;
}
