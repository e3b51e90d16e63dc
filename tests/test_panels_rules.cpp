// The rules panel's page reader: turning pages both ways with wrap-around, every
// element of the page written, the page kept across closing, the arrows' look.
#include "form/various.h"
#include "tests/test_panels_fixture.h"
#include "toolkit/text.h"

namespace various = zirimbo::various;

TEST_F(PanelsTest, RulesPagesWrapAroundBothWaysAndShowTheirCharacter) {
    f->click(f->lblPulsante(0));
    EXPECT_EQ(f->lblPagina.Caption.get(), "1");
    EXPECT_EQ(f->lblVarie(various::kRulesPageTitle).Caption.get(), "1 - Caratteristiche del Gioco");
    EXPECT_EQ(fileOf(f->ImgVarie(various::kRulesCharacter)), "G11.gif");

    f->click(f->lblLetturaRegole(0));
    EXPECT_EQ(f->lblPagina.Caption.get(), "6");
    EXPECT_EQ(f->lblVarie(various::kRulesPageTitle).Caption.get(), "6 - Obblighi di gioco");
    EXPECT_EQ(f->lblVarie(various::kRulesCharacterName).Caption.get(), "Carla");
    EXPECT_EQ(fileOf(f->ImgVarie(various::kRulesCharacter)), "C04.gif");

    f->click(f->lblLetturaRegole(1));
    EXPECT_EQ(f->lblPagina.Caption.get(), "1");

    const char* titles[7] = {"",
                             "1 - Caratteristiche del Gioco",
                             "2 - Entrata in gioco dei segnalini",
                             "3 - Caratteristiche del percorso",
                             "4 - Mangiare i segnalini avversari",
                             "5 - Opportunità di gioco",
                             "6 - Obblighi di gioco"};
    const char* pictures[7] = {"", "G11.gif", "B11.gif", "C01.gif", "G04.gif", "B12.gif", "C04.gif"};
    const char* names[7] = {"", "Giorgetto", "Bob", "Carla", "Giorgetto", "Bob", "Carla"};
    const int sketchLengths[7] = {0, 122, 121, 132, 122, 121, 132};  // characters, whole on every page
    const int bodyLengths[7] = {0, 514, 657, 528, 500, 479, 475};
    for (int step = 1; step <= 6; ++step) {
        f->click(f->lblLetturaRegole(1));
        const int page = step % 6 + 1;
        EXPECT_EQ(f->lblVarie(various::kRulesPageTitle).Caption.get(), titles[page]);
        EXPECT_EQ(f->lblVarie(various::kRulesCharacterName).Caption.get(), names[page]);
        EXPECT_EQ(tk::characterCount(f->lblVarie(various::kRulesCharacterSketch).Caption), sketchLengths[page]);
        EXPECT_EQ(tk::characterCount(f->lblVarie(various::kRulesPageBody).Caption), bodyLengths[page]) << page;
        EXPECT_EQ(fileOf(f->ImgVarie(various::kRulesCharacter)), pictures[page]);
    }
    EXPECT_EQ(f->lblPagina.Caption.get(), "1");  // six clicks come back
    EXPECT_EQ(plays("mmcTic"), 1 + 8);
}

TEST_F(PanelsTest, TheRulesPanelReopensOnTheLastPageShown) {
    f->click(f->lblPulsante(0));
    for (int i = 0; i < 3; ++i) f->click(f->lblLetturaRegole(1));
    f->click(f->lblPulsante(0));
    EXPECT_EQ(openPanels(), "0000");
    f->click(f->lblPulsante(0));
    EXPECT_EQ(f->lblPagina.Caption.get(), "4");
    EXPECT_EQ(f->lblVarie(various::kRulesPageTitle).Caption.get(), "4 - Mangiare i segnalini avversari");
}

TEST_F(PanelsTest, AnArrowShowsPressedWhileHeldAndRestsAfterwards) {
    f->click(f->lblPulsante(0));
    EXPECT_EQ(fileOf(f->ImgVarie(various::kRulesBackArrow)), "Indietro1.gif");
    auto [x, y] = centre(f->lblLetturaRegole(0));
    f->mouseDown(x, y);
    EXPECT_EQ(fileOf(f->ImgVarie(various::kRulesBackArrow)), "Indietro2.gif");
    EXPECT_EQ(fileOf(f->ImgVarie(various::kRulesForwardArrow)), "Avanti1.gif");
    // Released off the arrow: no page turn, but the arrow rests again.
    f->mouseUp(x + 3000, y);
    EXPECT_EQ(fileOf(f->ImgVarie(various::kRulesBackArrow)), "Indietro1.gif");
    EXPECT_EQ(f->lblPagina.Caption.get(), "1");

    auto [ax, ay] = centre(f->lblLetturaRegole(1));
    f->mouseDown(ax, ay);
    EXPECT_EQ(fileOf(f->ImgVarie(various::kRulesForwardArrow)), "Avanti2.gif");
    f->mouseUp(ax, ay);
    EXPECT_EQ(fileOf(f->ImgVarie(various::kRulesForwardArrow)), "Avanti1.gif");
    EXPECT_EQ(f->lblPagina.Caption.get(), "2");
}
