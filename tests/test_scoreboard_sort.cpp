// The scoreboard: the sort with its shared positions, the player found by the
// row colour, the faces by place, the file written after each sort, the victory
// blink and the developer's win buttons.
#include "tests/test_panels_fixture.h"

#include "toolkit/seqfile.h"

using zirimbo::colour::Black;

namespace {
constexpr tk::Color kHuman = 0x8080FF, kBob = 0xFFCB84, kGiorgetto = 0x80FFFF, kCarla = 0x80FF80;

struct ScoreboardTest : PanelsTest {
    tk::Color rowColour(int r) const {
        const tk::ControlArray<tk::Shape>* rows[4] = {&f->Shp1SfondoClass, &f->Shp2SfondoClass, &f->Shp3SfondoClass,
                                                      &f->Shp4SfondoClass};
        return (*rows[r - 1])(0).BackColor;
    }
    void wins(const std::vector<const char*>& w) {
        for (int r = 1; r <= 4; ++r) f->lblVinte(r).Caption = w[r - 1];
    }
    std::vector<std::string> column(tk::ControlArray<tk::Label>& c) const {
        std::vector<std::string> out;
        for (int r = 1; r <= 4; ++r) out.push_back(c(r).Caption);
        return out;
    }
    std::vector<std::string> faces() const {
        std::vector<std::string> out;
        for (int r = 1; r <= 4; ++r) out.push_back(fileOf(f->ImgClassifica(r)));
        return out;
    }
    using V = std::vector<std::string>;
};
}  // namespace

TEST_F(ScoreboardTest, CarlasFirstWinPutsHerOnTopAndTheOthersShareSecondPlace) {
    EXPECT_EQ(faces(), (V{"rossa.gif", "B03.gif", "G11.gif", "C01.gif"}));  // nobody has won yet
    wins({"0", "0", "0", "1"});
    f->lblData(4).Caption = "07/12/2026";
    f->cmdCambiaClassifica_Click();
    EXPECT_EQ(column(f->lblNomeClass), (V{"Carla", "Giocatore", "Bob", "Giorgetto"}));
    EXPECT_EQ(column(f->lblVinte), (V{"1", "0", "0", "0"}));
    EXPECT_EQ(column(f->lblData), (V{"07/12/2026", "", "", ""}));
    EXPECT_EQ(column(f->lblPosizioneClass), (V{"1", "2", "2", "2"}));
    EXPECT_EQ(rowColour(1), kCarla);
    EXPECT_EQ(rowColour(2), kHuman);
    EXPECT_EQ(rowColour(3), kBob);
    EXPECT_EQ(rowColour(4), kGiorgetto);
    EXPECT_EQ(f->Shp1SfondoClass(3).BackColor.get(), kCarla);     // the whole row moves
    EXPECT_EQ(f->Shp1SfondoClass(4).BackColor.get(), 0xB8C9E5u);  // the face's box stays
    EXPECT_EQ(faces(), (V{"C09.gif", "rossa.gif", "B11.gif", "G11.gif"}));
    // Outside a sort every wins text is black again and the buffer count is back to 0.
    for (int r = 1; r <= 4; ++r) EXPECT_EQ(f->lblVinte(r).ForeColor.get(), Black);
    EXPECT_EQ(f->lblContaExp.Caption.get(), "0");
}

TEST_F(ScoreboardTest, EqualWinsSharePositionsAndTheFacesFollowThePlace) {
    wins({"2", "5", "0", "5"});
    f->cmdCambiaClassifica_Click();
    EXPECT_EQ(column(f->lblVinte), (V{"5", "5", "2", "0"}));
    EXPECT_EQ(column(f->lblNomeClass), (V{"Bob", "Carla", "Giocatore", "Giorgetto"}));
    EXPECT_EQ(column(f->lblPosizioneClass), (V{"1", "1", "3", "4"}));
    // Two leaders, the human in the middle, Giorgetto last.
    EXPECT_EQ(faces(), (V{"B09.gif", "C09.gif", "rossa.gif", "G02.gif"}));

    wins({"3", "1", "1", "1"});
    f->cmdCambiaClassifica_Click();
    EXPECT_EQ(column(f->lblPosizioneClass), (V{"1", "2", "2", "2"}));
    EXPECT_EQ(faces(), (V{"B09.gif", "C01.gif", "rossa.gif", "G11.gif"}));

    // The human alone in last place keeps the normal face.
    wins({"4", "3", "0", "1"});
    f->cmdCambiaClassifica_Click();
    EXPECT_EQ(rowColour(4), kHuman);
    EXPECT_EQ(f->lblPosizioneClass(4).Caption.get(), "4");
    EXPECT_EQ(fileOf(f->ImgClassifica(4)), "rossa.gif");
}

TEST_F(ScoreboardTest, OnlyTheHumansVictoryWritesThePlayersNameIntoTheRow) {
    f->lblNomeClass(1).Caption = "Marta";  // the last human who won
    wins({"0", "1", "0", "0"});
    f->setBackColor(kBob);
    f->cmdCambiaClassifica_Click();
    EXPECT_EQ(f->lblNomeClass(2).Caption.get(), "Marta");

    f->lblVinte(2).Caption = "1";
    f->setBackColor(kHuman);
    f->cmdCambiaClassifica_Click();
    EXPECT_EQ(rowColour(1), kBob);
    EXPECT_EQ(rowColour(2), kHuman);
    EXPECT_EQ(f->lblNomeClass(2).Caption.get(), "Lia");
    EXPECT_EQ(fileOf(f->ImgClassifica(2)), "rossa2.gif");  // sharing first place
}

TEST_F(ScoreboardTest, ARowWithNegativeWinsIsPlacedLastInsteadOfLost) {
    // An edited file: no row may vanish or be doubled by the sort.
    wins({"2", "-1", "0", "3"});
    f->cmdCambiaClassifica_Click();
    EXPECT_EQ(column(f->lblNomeClass), (V{"Carla", "Giocatore", "Giorgetto", "Bob"}));
    EXPECT_EQ(column(f->lblVinte), (V{"3", "2", "0", "-1"}));
    EXPECT_EQ(rowColour(4), kBob);
    EXPECT_EQ(column(f->lblPosizioneClass), (V{"1", "2", "3", "4"}));
}

TEST_F(ScoreboardTest, EverySortSavesTheScoreboardFile) {
    wins({"0", "0", "2", "0"});
    f->lblData(3).Caption = "06/12/2026";
    f->cmdCambiaClassifica_Click();
    const auto values = tk::readValues(folder + "/Dati/ZirCla.txt").values;
    ASSERT_EQ(values.size(), 32u);
    EXPECT_EQ((V(values.begin(), values.begin() + 8)),
              (V{"1", "Giorgetto", "2", "06/12/2026", "2", "Giocatore", "0", ""}));
    EXPECT_EQ(values[16], "8454143");  // Giorgetto's colour, element 0 of row 1
    EXPECT_EQ(values[17], "8421631");
}

TEST_F(ScoreboardTest, TheVictoryBlinkAlternatesTheHumansRowStartingWithYellow) {
    f->lblPosizione.Caption = "3";
    f->TmrLampeggiaVittoria.Enabled = true;
    h.advance(300);
    for (tk::Label* l : {&f->lblPosizioneClass(3), &f->lblNomeClass(3), &f->lblVinte(3), &f->lblData(3)})
        EXPECT_EQ(l->ForeColor.get(), 0x00FFFFu);
    EXPECT_EQ(f->lblNomeClass(2).ForeColor.get(), Black);
    h.advance(300);
    EXPECT_EQ(f->lblVinte(3).ForeColor.get(), Black);
    h.advance(300);
    EXPECT_EQ(f->lblVinte(3).ForeColor.get(), 0x00FFFFu);
}
