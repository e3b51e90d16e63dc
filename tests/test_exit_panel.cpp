// The exit panel: the hover of the two answers, "No" as the ESC button, and the
// exit on "Sì": dead buttons, no music, the goodbye, the saved options and name,
// and the information window after the goodbye's delay.
#include "tests/test_panels_fixture.h"

#include <fstream>
#include <sstream>

#include "form/various.h"
#include "toolkit/seqfile.h"

namespace various = zirimbo::various;

using zirimbo::colour::Black;
using zirimbo::colour::Red;
using zirimbo::colour::White;

namespace {
struct ExitTest : PanelsTest {
    void SetUp() override {
        PanelsTest::SetUp();
        f->click(f->lblPulsante(3));
        h.audio.clear();
    }
    std::string bytesOf(const std::string& file) const {
        std::ifstream in(folder + "/Dati/" + file, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};
}  // namespace

TEST_F(ExitTest, AnAnswerTurnsRedOnEnteringAndTheBarePanelClearsBoth) {
    hover(f->lblEsci(0));
    EXPECT_EQ(f->lblIndexEsci.Caption.get(), "0");
    EXPECT_EQ(f->lblVarie(various::kExitYesCaption).ForeColor.get(), Red);
    const tk::Label& yes = f->lblEsci(0);
    f->mouseMove(yes.absLeft() + 20, yes.absTop() + 20);
    EXPECT_EQ(plays("mmcSfoglia"), 1);

    // Straight onto "No": it turns red and "Sì" stays red.
    hover(f->lblEsci(1));
    EXPECT_EQ(f->lblIndexEsci.Caption.get(), "1");
    EXPECT_EQ(f->lblVarie(various::kExitNoCaption).ForeColor.get(), Red);
    EXPECT_EQ(f->lblVarie(various::kExitYesCaption).ForeColor.get(), Red);
    EXPECT_EQ(plays("mmcSfoglia"), 2);

    const tk::Frame& panel = f->FraPannello(3);
    f->mouseMove(panel.absLeft() + 7000, panel.absTop() + 9000);
    EXPECT_EQ(f->lblIndexEsci.Caption.get(), "2");
    EXPECT_EQ(f->lblVarie(various::kExitYesCaption).ForeColor.get(), Black);
    EXPECT_EQ(f->lblVarie(various::kExitNoCaption).ForeColor.get(), Black);
}

TEST_F(ExitTest, NoClosesThePanelWithoutAGoodbye) {
    const std::string picture = f->ImgVarie(various::kExitCharacter).Picture;
    f->click(f->lblEsci(1));
    EXPECT_EQ(openPanels(), "0000");
    EXPECT_EQ(plays("mmcMossa"), 1);
    EXPECT_EQ(f->lblVarie(various::kExitQuestion).Caption.get(), "Vuoi davvero uscire??");
    EXPECT_EQ(f->ImgVarie(various::kExitCharacter).Picture.get(), picture);
    EXPECT_FALSE(f->TmrEsci.Enabled);
    EXPECT_EQ(f->TmrEsci.Interval.get(), 10000);
    // Reopened, the panel has no hover.
    hover(f->lblEsci(0));
    f->click(f->lblPulsante(3));
    EXPECT_EQ(f->lblIndexEsci.Caption.get(), "2");
    EXPECT_EQ(f->lblVarie(various::kExitYesCaption).ForeColor.get(), Black);
}

TEST_F(ExitTest, YesSilencesEverythingSavesAndHandsOverAfterTheGoodbye) {
    const std::string namesBefore = bytesOf("ZirNom.txt");
    f->lblVoceOpzione(5).Caption = "Veloce";
    f->TmrGiocaAutomatico.Interval = 260;
    f->TmrMossaBlu3.Interval = 130;
    f->TmrMossaGiallo3.Interval = 130;
    f->TmrMossaVerde3.Interval = 130;
    f->lblVoceOpzione(3).Caption = "Ogni tanto";
    f->lblUnoDeiTre.Caption = "2";
    f->StartChannel(f->mmcMusiche);
    h.audio.clear();
    EXPECT_EQ(bytesOf("ZirNom.txt"), namesBefore);  // nothing is saved before the exit

    f->click(f->lblEsci(0));
    for (int i = 0; i <= 3; ++i) EXPECT_FALSE(f->lblPulsante(i).Enabled) << i;
    EXPECT_FALSE(f->lblEsci(0).Enabled);
    EXPECT_FALSE(f->lblEsci(1).Enabled);
    EXPECT_EQ(commands("mmcMusiche"), (std::vector<std::string>{"Prev", "Close"}));
    EXPECT_EQ(f->lblVarie(various::kExitQuestion).Caption.get(), "Ciao Ciao!!");
    EXPECT_TRUE(f->TmrEsci.Enabled);
    EXPECT_EQ(f->TmrEsci.Interval.get(), 1200);

    const auto options = tk::readValues(folder + "/Dati/ZirOpz.txt").values;
    ASSERT_FALSE(options.empty());
    EXPECT_EQ(options, (std::vector<std::string>{"Sì", "Sì", "Sì", "Ogni tanto", "Sì", "Veloce", "2000", "260", "130",
                                                 "130", "130"}));
    EXPECT_EQ(bytesOf("ZirNom.txt"), "\"Lia\"\r\n");

    // Dead buttons: neither the answers nor the panel buttons do anything more.
    h.audio.clear();
    auto [x, y] = centre(f->lblEsci(1));
    f->mouseDown(x, y);
    f->mouseUp(x, y);
    f->lblPuoiGiocare.Caption = "No";
    auto [bx, by] = centre(f->lblPulsante(0));
    f->mouseDown(bx, by);
    f->mouseUp(bx, by);
    EXPECT_EQ(openPanels(), "0001");
    EXPECT_NE(f->lblSpiegazioni.Caption.get(),
              "Puoi aprire i Pannelli e consultarli solo durante il tuo turno di gioco!!");

    h.advance(1199);
    EXPECT_TRUE(f->loaded());
    h.advance(1);
    EXPECT_FALSE(f->loaded());
    ASSERT_EQ(h.rt.windows.size(), 1u);
    EXPECT_EQ(h.rt.windows.front()->Name(), "frmLumo2012");
    EXPECT_FALSE(h.rt.finished());
}

TEST_F(ExitTest, TheDelayFollowsTheCharacterAndMusicOffSendsTheMusicNothing) {
    const struct {
        const char* who;
        int delay;
    } cases[3] = {{"1", 1700}, {"2", 1200}, {"3", 1400}};
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        f->lblVoceOpzione(3).Caption = "No";
        f->lblUnoDeiTre.Caption = c.who;
        f->StartChannel(f->mmcMusiche);
        h.audio.clear();
        f->click(f->lblEsci(0));
        EXPECT_TRUE(commands("mmcMusiche").empty()) << c.who;
        EXPECT_EQ(f->TmrEsci.Interval.get(), c.delay) << c.who;
        h.advance(c.delay - 1);
        EXPECT_TRUE(f->loaded()) << c.who;
        h.advance(1);
        EXPECT_FALSE(f->loaded()) << c.who;
    }
}

TEST_F(ExitTest, NothingRollsOrPlaysWhileTheGoodbyeRuns) {
    h.useSeededRandom(3);
    f->lblUnoDeiTre.Caption = "1";  // Bob: the longest goodbye
    f->SetFocus(f->cmdGioca);
    // An automatic move and the turn hub were pending when the panel was opened.
    f->lblTurnoDiGioco.Caption = "1";
    f->TmrGiocaAutomatico.Enabled = true;
    f->TmrAspettaDado.Enabled = true;
    f->click(f->lblEsci(0));
    f->keyDown(tk::vbKeyReturn);
    f->click(f->ImgDado);
    f->ImgGif_Click(1);
    h.advance(1699);
    ASSERT_TRUE(f->loaded());
    EXPECT_FALSE(f->TimerDado.Enabled);
    EXPECT_FALSE(f->TmrGiocaAutomatico.Enabled);
    EXPECT_FALSE(f->TmrAspettaDado.Enabled);
    EXPECT_EQ(f->lblTurnoDiGioco.Caption.get(), "1");
    EXPECT_EQ(plays("mmcDado"), 0);
    // Bob's goodbye is the only voice heard.
    EXPECT_EQ(plays("mmcBob"), 1);
    EXPECT_EQ(plays("mmcGiorgetto"), 0);
    EXPECT_EQ(plays("mmcCarla"), 0);
    h.advance(1);
    EXPECT_FALSE(f->loaded());
}
