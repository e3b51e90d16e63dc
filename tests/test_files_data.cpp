// The options, player-name and scoreboard files: their exact form, the round trip
// between runs, and what a damaged file leaves.
#include <fstream>
#include <iterator>
#include <string>

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
    folder.write("ZirOpz.txt", "\"S\xEC\"\r\n\"S\xEC\"\r\n\"S\xEC\"\r\n\"Sempre\"\r\n\"S\xEC\"\r\n\"Lenta\"\r\n"
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
    folder.write("ZirOpz.txt", "\"S\xEC\"\r\n\"S\xEC\"\r\n\"S\xEC\"\r\n\"Sempre\"\r\n\"S\xEC\"\r\n\"Normale\"\r\n"
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

TEST_F(FilesTest, AScoreboardFileThatCannotTellWhoseRowIsWhoseLeavesTheDesignScoreboard) {
    const std::string shipped = Shipped("ZirCla.txt");
    auto expectDesign = [&](const char* what) {
        load();
        EXPECT_EQ(f->lblNomeClass(1).Caption.get(), "Giocatore") << what;
        EXPECT_EQ(f->lblNomeClass(4).Caption.get(), "Carla") << what;
        EXPECT_EQ(f->Shp1SfondoClass(0).BackColor.get(), kHuman) << what;
        EXPECT_EQ(f->Shp4SfondoClass(3).BackColor.get(), kCarla) << what;
    };
    std::string renamed = shipped;
    renamed.replace(renamed.find("Giocatore"), 9, "Zorro");
    // Short file.
    folder.write("ZirCla.txt", renamed.substr(0, renamed.find("8454016")));
    expectDesign("short");
    // A colour line that is not a number.
    std::string bad = renamed;
    bad.replace(bad.find("16763780"), 8, "blu");
    folder.write("ZirCla.txt", bad);
    expectDesign("word");
    // A row of mixed colours.
    bad = renamed;
    bad.replace(bad.find("16763780"), 8, "8421631");
    folder.write("ZirCla.txt", bad);
    expectDesign("mixed row");
    // Two rows of the same player, none of Bob.
    bad = renamed;
    for (std::size_t at; (at = bad.find("16763780")) != std::string::npos;) bad.replace(at, 8, "8421631");
    folder.write("ZirCla.txt", bad);
    expectDesign("same player twice");
    // Missing.
    folder.remove("ZirCla.txt");
    expectDesign("missing");
    // The same content, whole, is taken.
    folder.write("ZirCla.txt", renamed);
    load();
    EXPECT_EQ(f->lblNomeClass(1).Caption.get(), "Zorro");
}
