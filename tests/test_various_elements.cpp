// The names of the various arrays' elements point at the elements that play
// those roles: each lies in the frame its name says, the texts and pictures
// that never change are the right ones, and the elements shown are exactly the
// named ones (a misnumbered name would leave a spare shown or a role hidden).
#include <set>
#include <string>

#include "form/various.h"
#include "shell/panel_values.h"
#include "tests/test_panels_fixture.h"

namespace various = zirimbo::various;

namespace {

enum Where { Rules, Scoreboard, Options, Exit, Rematch, Window };

struct VariousElementsTest : PanelsTest {
    const tk::Frame* frameOf(Where w) const {
        switch (w) {
            case Rematch: return &f->FraRicomincia;
            case Window: return nullptr;
            default: return &f->FraPannello(w);
        }
    }
    // Every element shown of an array, by index.
    template <class C>
    static std::set<int> shown(tk::ControlArray<C>& array) {
        std::set<int> out;
        array.forEach([&](C& c) {
            if (c.Visible) out.insert(c.Index());
        });
        return out;
    }
};

TEST_F(VariousElementsTest, EachNamedTextLiesInItsPanelAndTheFixedOnesReadAsDesigned) {
    const struct {
        int index;
        Where where;
        const char* caption;  // nullptr: written at run time
    } texts[] = {
        {various::kRulesHeading, Rules, "Regole del Gioco"},
        {various::kRulesPageTitle, Rules, "1 - Caratteristiche del Gioco"},
        {various::kRulesPageBody, Rules, nullptr},
        {various::kRulesCharacterName, Rules, "Giorgetto"},
        {various::kRulesCharacterSketch, Rules, nullptr},
        {various::kRulesFooter, Rules, nullptr},
        {various::kScoreboardHeading, Scoreboard, "Classifica"},
        {various::kScoreboardPositionColumn, Scoreboard, "Posizione"},
        {various::kScoreboardNameColumn, Scoreboard, "Nome"},
        {various::kScoreboardWinsColumn, Scoreboard, "Vinte"},
        {various::kScoreboardDateColumn, Scoreboard, "Data ultima vittoria"},
        {various::kScoreboardFooter, Scoreboard, "Clicca sul pulsante 'CLAS' per uscire da questo Pannello."},
        {various::kOptionsHeading, Options, "Opzioni"},
        {various::kOptionsFooter, Options, "Clicca sul pulsante 'OPZ' per uscire da questo Pannello."},
        {various::kOptionsHelpText, Options, zirimbo::kOptionsHelp},
        {various::kExitHeading, Exit, "Esci"},
        {various::kExitQuestion, Exit, "Vuoi davvero uscire??"},
        {various::kExitYesCaption, Exit, "Sì"},
        {various::kExitNoCaption, Exit, "No"},
        {various::kExitFooter, Exit, nullptr},
        {various::kRematchPrompt, Rematch, "Vuoi la rivincita? Clicca su NUOVA PARTITA!"},
        {various::kNewGameCaption, Rematch, "NUOVA PARTITA"},
    };
    std::set<int> named;
    for (const auto& t : texts) {
        const tk::Label& l = f->lblVarie(t.index);
        SCOPED_TRACE(l.qualifiedName());
        EXPECT_EQ(l.Container, frameOf(t.where));
        if (t.caption) {
            EXPECT_EQ(l.Caption.get(), t.caption);
        }
        named.insert(t.index);
    }
    EXPECT_EQ(shown(f->lblVarie), named);
}

TEST_F(VariousElementsTest, EachNamedPictureAndShapeLiesWhereItsNameSays) {
    const struct {
        int index;
        Where where;
        const char* file;  // nullptr: a character, chosen at run time
    } pictures[] = {
        {various::kRulesLogo, Rules, "Logo.gif"},
        {various::kRulesCharacter, Rules, "G11.gif"},
        {various::kRulesBubble, Rules, "Fumetto.gif"},
        {various::kRulesBackArrow, Rules, "Indietro1.gif"},
        {various::kRulesForwardArrow, Rules, "Avanti1.gif"},
        {various::kScoreboardLogo, Scoreboard, "Logo.gif"},
        {various::kOptionsLogo, Options, "Logo.gif"},
        {various::kOptionsBubble, Options, "Fumetto.gif"},
        {various::kOptionsCharacter, Options, nullptr},
        {various::kExitLogo, Exit, "Logo.gif"},
        {various::kExitCharacter, Exit, nullptr},
        {various::kExitLeftPicture, Exit, "EsciAutore.jpg"},
        {various::kExitRightPicture, Exit, "EsciGioco.jpg"},
        {various::kRematchLogo, Rematch, "Logo.gif"},
        {various::kRematchBubble, Rematch, "Fumetto.gif"},
        {various::kRematchCharacter, Rematch, nullptr},
        {various::kBottomBarLogo, Window, "Logo.gif"},
    };
    std::set<int> named;
    for (const auto& p : pictures) {
        const tk::Image& i = f->ImgVarie(p.index);
        SCOPED_TRACE(i.qualifiedName());
        EXPECT_EQ(i.Container, frameOf(p.where));
        if (p.file) {
            EXPECT_EQ(fileOf(i), p.file);
        }
        named.insert(p.index);
    }
    EXPECT_EQ(shown(f->ImgVarie), named);

    const struct {
        int index;
        Where where;
    } shapes[] = {
        {various::kRulesArrowBar, Rules},
        {various::kMenuBar, Window},
        {various::kNewGameButton, Rematch},
        {various::kExitLeftColumn, Exit},
        {various::kExitRightColumn, Exit},
        {various::kScoreboardRowLine, Scoreboard},
        {various::kScoreboardRowLine + 1, Scoreboard},
        {various::kScoreboardRowLine + 2, Scoreboard},
        {various::kScoreboardRowLine + 3, Scoreboard},
    };
    named.clear();
    for (const auto& s : shapes) {
        EXPECT_EQ(f->ShpVari(s.index).Container, frameOf(s.where)) << s.index;
        named.insert(s.index);
    }
    EXPECT_EQ(shown(f->ShpVari), named);

    // The answers' circles lie under their captions and click areas.
    const struct {
        int circle, caption, answer;
    } answers[2] = {{various::kExitYesCircle, various::kExitYesCaption, 0},
                    {various::kExitNoCircle, various::kExitNoCaption, 1}};
    for (const auto& a : answers) {
        const tk::Shape& circle = f->Shape3(a.circle);
        EXPECT_TRUE(circle.Visible);
        EXPECT_EQ(circle.Left.get(), f->lblVarie(a.caption).Left.get());
        EXPECT_EQ(circle.Left.get(), f->lblEsci(a.answer).Left.get());
    }
    EXPECT_FALSE(f->txtVari(various::kBiographyBox).Text.get().empty());
    EXPECT_FALSE(f->txtVari(various::kRightsBox).Text.get().empty());
}

}  // namespace
