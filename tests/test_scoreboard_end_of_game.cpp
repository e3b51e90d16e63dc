// The end of a won game: the end-of-game timer opens the scoreboard over the
// rematch box and plays the end piece; the logo animation; the NUOVA PARTITA
// button's look; and the whole human victory from the last pawn out to the box.
#include "tests/test_panels_fixture.h"

#include "form/various.h"
#include "toolkit/seqfile.h"

namespace various = zirimbo::various;

using zirimbo::colour::Black;
using zirimbo::colour::Red;
using zirimbo::colour::White;

namespace {
constexpr tk::Color kHuman = 0x8080FF;
constexpr tk::Color kBob = 0xFFCB84;

struct EndOfGameTest : PanelsTest {
    void fireEndPanel() {
        f->TmrPannelloVittoria.Interval = 100;
        f->TmrPannelloVittoria.Enabled = true;
        h.advance(100);
    }
};
}  // namespace

TEST_F(EndOfGameTest, TheScoreboardOpensOverTheRematchBoxWhichClosingItReveals) {
    f->setBackColor(kHuman);
    f->lblPuoiGiocare.Caption = "No";
    f->HideMenuButtons();
    f->ImgPersonaggio.Picture = f->LoadPicture("\\Fumetti\\B09.gif");
    f->SwitchChannelFile(f->mmcMusiche, "\\Musiche\\Vittoria.mid");
    h.audio.clear();
    fireEndPanel();
    EXPECT_FALSE(f->TmrPannelloVittoria.Enabled);
    EXPECT_EQ(commands("mmcMusiche"), (std::vector<std::string>{"Open", "Play"}));
    EXPECT_NE(h.audio.log[0].find("Vittoria.mid"), std::string::npos);
    EXPECT_TRUE(f->TmrVerdi.Enabled);
    EXPECT_TRUE(f->ImgPersonaggio.Picture.get().empty());
    EXPECT_TRUE(f->lblPulsante(1).Visible);
    EXPECT_EQ(f->lblPuoiGiocare.Caption.get(), "Si");
    EXPECT_EQ(openPanels(), "0100");
    EXPECT_EQ(plays("mmcTic"), 1);
    EXPECT_TRUE(f->FraRicomincia.Visible);
    auto [x, y] = centre(f->lblNuovaPartita);
    EXPECT_EQ(f->controlAt(x, y), &f->FraPannello(1));

    f->click(f->lblPulsante(1));
    EXPECT_EQ(f->controlAt(x, y), &f->lblNuovaPartita);
}

TEST_F(EndOfGameTest, AComputersVictoryPlaysTheDefeatPieceOnceAndNoMusicOptionPlaysNothing) {
    f->setBackColor(kBob);
    f->SwitchChannelFile(f->mmcMusiche, "\\Musiche\\Sconfitta.mid");
    h.audio.clear();
    fireEndPanel();
    EXPECT_EQ(commands("mmcMusiche"), (std::vector<std::string>{"Open", "Play"}));
    EXPECT_FALSE(f->TmrVerdi.Enabled);
    EXPECT_FALSE(f->TmrLampeggiaLogo.Enabled);

    f->click(f->lblPulsante(1));
    f->setBackColor(kHuman);
    f->lblVoceOpzione(3).Caption = "No";
    h.audio.clear();
    fireEndPanel();
    EXPECT_TRUE(commands("mmcMusiche").empty());
    EXPECT_FALSE(f->TmrVerdi.Enabled);
    EXPECT_EQ(openPanels(), "0100");
}

TEST_F(EndOfGameTest, TheLogoCyclesAndALaterAnimationGoesOnFromWhereItStopped) {
    f->TmrLampeggiaLogo.Enabled = true;
    const char* expected[5] = {"Logo2.gif", "Logo3.gif", "Logo4.gif", "Logo.gif", "Logo2.gif"};
    for (const char* file : expected) {
        h.advance(150);
        EXPECT_EQ(fileOf(f->ImgVarie(various::kScoreboardLogo)), file);
    }
    h.advance(150);  // Logo3, frame 2
    f->TmrLampeggiaLogo.Enabled = false;
    f->ImgVarie(various::kScoreboardLogo).Picture = f->LoadPicture("\\Grafica\\Logo.gif");
    f->TmrLampeggiaLogo.Enabled = true;
    h.advance(150);
    EXPECT_EQ(fileOf(f->ImgVarie(various::kScoreboardLogo)), "Logo4.gif");
}

TEST_F(EndOfGameTest, TheHumansVictoryRecordsTheWinAndEndsOnTheScoreboard) {
    // The fourth red pawn has reached cell 36.
    f->lblDadiUsciti(1).Caption = "4";
    f->lblCaselle(36).Caption = "2";
    f->lblPedinaCliccata.Caption = "2";
    f->lblVinte(3).Caption = "2";  // Giorgetto has won twice before
    f->lblNomeClass(1).Caption = "Marta";
    f->TmrTornaZirimbo.Interval = 350;
    f->TmrTornaZirimbo.Enabled = true;
    h.advance(350);
    EXPECT_EQ(f->lblNomeClass(1).Caption.get(), "Giorgetto");
    EXPECT_EQ(f->lblNomeClass(2).Caption.get(), "Lia");
    EXPECT_EQ(f->lblVinte(2).Caption.get(), "1");
    EXPECT_EQ(f->lblData(2).Caption.get(), h.rt.today());
    EXPECT_EQ(f->lblPosizioneClass(2).Caption.get(), "2");
    EXPECT_EQ(f->lblPosizione.Caption.get(), "2");
    const auto saved = tk::readValues(folder + "/Dati/ZirCla.txt").values;
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(saved[5], "Lia");

    h.advance(300);
    EXPECT_EQ(f->lblNomeClass(2).ForeColor.get(), 0x00FFFFu);  // the blink
    EXPECT_FALSE(f->FraRicomincia.Visible);
    h.advance(6300);
    EXPECT_TRUE(f->FraRicomincia.Visible);
    EXPECT_EQ(openPanels(), "0100");
    EXPECT_EQ(f->FraPannello(1).BackColor.get(), kHuman);
    EXPECT_TRUE(f->TmrVerdi.Enabled);
}
