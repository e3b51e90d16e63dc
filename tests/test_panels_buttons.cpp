// The four bottom buttons: the turn gate, opening, switching and closing the
// panels with their colours and sounds, the hover reset on the bare panels, the
// CLAS and OPZ buttons under a character's picture, and the stacking of the frames.
#include "form/various.h"
#include "tests/test_panels_fixture.h"

namespace various = zirimbo::various;

using zirimbo::colour::Black;
using zirimbo::colour::Panel;
using zirimbo::colour::Red;
using zirimbo::colour::White;

namespace {
const char* const kRefusal = "Puoi aprire i Pannelli e consultarli solo durante il tuo turno di gioco!!";
const char* const kOptionsHelp =
    "Passa con il mouse sopra le scritte con lo sfondo bianco per avere una breve descrizione del comando; "
    "cliccaci sopra invece per cambiare la relativa opzione!";
}  // namespace

TEST_F(PanelsTest, AButtonOpensItsPanelSwitchesFromAnotherAndClosesItAgain) {
    f->click(f->lblPulsante(0));
    f->click(f->lblPulsante(1));
    EXPECT_EQ(openPanels(), "0100");
    EXPECT_EQ(f->Shape3(0).BackColor.get(), Panel);
    EXPECT_EQ(f->lblScrittaPulsanti(0).ForeColor.get(), Black);
    EXPECT_EQ(f->Shape3(1).BackColor.get(), White);
    EXPECT_EQ(f->lblScrittaPulsanti(1).ForeColor.get(), Red);
    EXPECT_EQ(plays("mmcTic"), 2);
    EXPECT_EQ(plays("mmcMossa"), 0);

    f->click(f->lblPulsante(1));
    EXPECT_EQ(openPanels(), "0000");
    EXPECT_EQ(f->Shape3(1).BackColor.get(), Panel);
    EXPECT_EQ(f->lblScrittaPulsanti(1).ForeColor.get(), Black);
    EXPECT_EQ(plays("mmcMossa"), 1);
}

TEST_F(PanelsTest, OutsideTheHumansTurnEveryButtonRefusesAndThePanelsStay) {
    f->click(f->lblPulsante(2));
    h.audio.clear();
    f->lblPuoiGiocare.Caption = "No";
    for (int i = 0; i <= 3; ++i) {
        f->lblSpiegazioni.Caption = "";
        f->click(f->lblPulsante(i));
        EXPECT_EQ(f->lblSpiegazioni.Caption.get(), kRefusal);
        EXPECT_EQ(openPanels(), "0010");
    }
    EXPECT_EQ(plays("mmcDeng"), 4);
    EXPECT_EQ(plays("mmcTic") + plays("mmcMossa"), 0);
    // The refusal is not a pawn refusal: nothing puts the old line back.
    EXPECT_FALSE(f->TmrRicompareSpiegazione.Enabled);
}

TEST_F(PanelsTest, OpeningTheOptionsPanelResetsItsHoverAndDrawsACharacter) {
    f->click(f->lblPulsante(2));
    hover(f->lblOpzione(4));
    EXPECT_EQ(f->lblMouseMove.Caption.get(), "4");
    f->click(f->lblPulsante(2));  // closed with option 4 still red
    f->ImgVarie(various::kOptionsCharacter).Picture = std::string{};
    f->click(f->lblPulsante(2));
    EXPECT_EQ(f->lblMouseMove.Caption.get(), "6");
    EXPECT_EQ(f->lblVarie(various::kOptionsHelpText).Caption.get(), kOptionsHelp);
    for (int i = 0; i <= 5; ++i) {
        EXPECT_EQ(f->lblOpzione(i).ForeColor.get(), Black) << i;
        EXPECT_EQ(f->lblVoceOpzione(i).ForeColor.get(), Black) << i;
    }
    EXPECT_FALSE(f->ImgVarie(various::kOptionsCharacter).Picture.get().empty());
}

TEST_F(PanelsTest, TheBarePanelClearsTheHoverOnce) {
    f->click(f->lblPulsante(2));
    hover(f->lblOpzione(5));
    EXPECT_EQ(f->lblVoceOpzione(5).ForeColor.get(), Red);
    // The panel's own background, well away from every option.
    const tk::Frame& panel = f->FraPannello(2);
    f->mouseMove(panel.absLeft() + 14000, panel.absTop() + 3000);
    EXPECT_EQ(f->lblMouseMove.Caption.get(), "6");
    EXPECT_EQ(f->lblOpzione(5).ForeColor.get(), Black);
    EXPECT_EQ(f->lblVoceOpzione(5).ForeColor.get(), Black);
    EXPECT_EQ(f->lblVarie(various::kOptionsHelpText).Caption.get(), kOptionsHelp);
    // A further move changes nothing (the help text someone wrote stays).
    f->lblVarie(various::kOptionsHelpText).Caption = "x";
    f->mouseMove(panel.absLeft() + 14100, panel.absTop() + 3000);
    EXPECT_EQ(f->lblVarie(various::kOptionsHelpText).Caption.get(), "x");
}

TEST_F(PanelsTest, UnderACharactersPictureOnlyRegAndEscTakeClicks) {
    f->HideMenuButtons();
    f->HideMenuButtons();
    for (int i = 1; i <= 2; ++i) {
        EXPECT_FALSE(f->lblPulsante(i).Visible);
        EXPECT_FALSE(f->Shape3(i).Visible);
        EXPECT_FALSE(f->lblScrittaPulsanti(i).Visible);
    }
    EXPECT_FALSE(f->ShpVari(various::kMenuBar).Visible);
    EXPECT_TRUE(f->lblPulsante(0).Visible);
    EXPECT_TRUE(f->lblPulsante(3).Visible);
    auto [x, y] = centre(f->lblPulsante(1));
    f->mouseDown(x, y);
    f->mouseUp(x, y);
    EXPECT_EQ(openPanels(), "0000");
    auto [ex, ey] = centre(f->lblPulsante(3));
    f->mouseDown(ex, ey);
    f->mouseUp(ex, ey);
    EXPECT_EQ(openPanels(), "0001");

    f->ShowMenuButtons();
    f->ShowMenuButtons();
    EXPECT_TRUE(f->lblPulsante(1).Visible);
    EXPECT_TRUE(f->ShpVari(various::kMenuBar).Visible);
    f->mouseDown(x, y);
    f->mouseUp(x, y);
    EXPECT_EQ(openPanels(), "0100");
}

TEST_F(PanelsTest, TheRematchBoxLiesUnderThePanelsAndTheValuesOverTheirBoxes) {
    f->FraRicomincia.Visible = true;
    f->click(f->lblPulsante(1));
    auto [x, y] = centre(f->lblNuovaPartita);
    const tk::Control* hit = f->controlAt(x, y);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->qualifiedName(), "FraPannello(1)");
    f->click(f->lblPulsante(1));
    hit = f->controlAt(x, y);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->Name(), "lblNuovaPartita");

    const auto order = f->drawingOrder();
    auto at = [&](const tk::Control& c) { return std::find(order.begin(), order.end(), &c) - order.begin(); };
    for (int i = 0; i <= 5; ++i) {
        EXPECT_LT(at(f->ShpVoceOpzio(i)), at(f->lblVoceOpzione(i))) << i;
        EXPECT_LT(at(f->ShpOpzio(i)), at(f->lblOpzione(i))) << i;
    }
    EXPECT_LT(at(f->Shape3(various::kExitYesCircle)), at(f->lblVarie(various::kExitYesCaption)));
    EXPECT_LT(at(f->lblVarie(various::kExitYesCaption)), at(f->lblEsci(0)));
    EXPECT_LT(at(f->ImgVarie(various::kRulesBackArrow)), at(f->lblLetturaRegole(0)));
    // The bar joining CLAS and OPZ shows only between the two circles.
    EXPECT_LT(at(f->ShpVari(various::kMenuBar)), at(f->Shape3(1)));
    EXPECT_LT(at(f->ShpVari(various::kMenuBar)), at(f->Shape3(2)));
}
