// The options panel: each option's cycle and what a change does at once (speed
// intervals, music, characters), the tick, the hover and the press look.
#include "form/various.h"
#include "tests/test_panels_fixture.h"

namespace various = zirimbo::various;

using zirimbo::colour::Black;
using zirimbo::colour::Red;

namespace {
struct OptionsTest : PanelsTest {
    void SetUp() override {
        PanelsTest::SetUp();
        f->click(f->lblPulsante(2));
        h.audio.clear();
    }
    std::string value(int i) const { return f->lblVoceOpzione(i).Caption; }
    std::vector<int> intervals() const {
        return {f->TmrGiocaAutomatico.Interval, f->TmrMossaBlu3.Interval, f->TmrMossaGiallo3.Interval,
                f->TmrMossaVerde3.Interval};
    }
};
}  // namespace

TEST_F(OptionsTest, TheSpeedCyclesAndSetsTheMoveIntervalsWithoutStartingATimer) {
    ASSERT_EQ(value(5), "Normale");
    EXPECT_EQ(intervals(), (std::vector<int>{440, 220, 220, 220}));
    f->click(f->lblOpzione(5));
    EXPECT_EQ(value(5), "Veloce");
    EXPECT_EQ(intervals(), (std::vector<int>{260, 130, 130, 130}));
    f->click(f->lblOpzione(5));
    EXPECT_EQ(value(5), "Lenta");
    EXPECT_EQ(intervals(), (std::vector<int>{620, 310, 310, 310}));
    f->click(f->lblOpzione(5));
    EXPECT_EQ(value(5), "Normale");
    EXPECT_EQ(intervals(), (std::vector<int>{440, 220, 220, 220}));
    EXPECT_FALSE(f->TmrGiocaAutomatico.Enabled);
    EXPECT_FALSE(f->TmrMossaBlu3.Enabled);
    EXPECT_EQ(plays("mmcTic"), 3);
    // A value outside the cycle stays as it is; switching the effects off is silent.
    f->lblVoceOpzione(5).Caption = "Rapida";
    f->lblVoceOpzione(1).Caption = "Sì";
    f->click(f->lblOpzione(5));
    EXPECT_EQ(value(5), "Rapida");
    EXPECT_EQ(intervals(), (std::vector<int>{440, 220, 220, 220}));
    f->click(f->lblOpzione(1));
    EXPECT_EQ(value(1), "No");
    EXPECT_EQ(plays("mmcTic"), 4);
}

TEST_F(OptionsTest, MusicStopsAtOnceStartsAtOnceOrGoesOn) {
    ASSERT_EQ(value(3), "Sempre");
    f->StartChannel(f->mmcMusiche);
    f->TmrMusiche.Enabled = true;
    f->TmrRipetiMusiche.Enabled = true;
    h.audio.clear();
    f->click(f->lblOpzione(3));
    EXPECT_EQ(value(3), "No");
    EXPECT_EQ(commands("mmcMusiche"), (std::vector<std::string>{"Prev", "Close"}));
    EXPECT_FALSE(f->TmrMusiche.Enabled);
    EXPECT_FALSE(f->TmrRipetiMusiche.Enabled);

    h.audio.clear();
    f->click(f->lblOpzione(3));
    EXPECT_EQ(value(3), "Ogni tanto");
    EXPECT_TRUE(f->TmrMusiche.Enabled);
    EXPECT_EQ(plays("mmcMusiche"), 1);

    h.audio.clear();
    f->click(f->lblOpzione(3));
    EXPECT_EQ(value(3), "Sempre");
    EXPECT_TRUE(commands("mmcMusiche").empty());
    EXPECT_TRUE(f->TmrMusiche.Enabled);
}

TEST_F(OptionsTest, CharactersOffClearsThePortraitAndBringsBackTheButtons) {
    f->ImgPersonaggio.Picture = f->LoadPicture("\\Fumetti\\B05.gif");
    f->HideMenuButtons();
    f->click(f->lblOpzione(0));
    EXPECT_EQ(value(0), "No");
    EXPECT_TRUE(f->ImgPersonaggio.Picture.get().empty());
    EXPECT_TRUE(f->lblPulsante(1).Visible);
    EXPECT_TRUE(f->lblPulsante(2).Visible);
    // Back to "Sì": nothing more happens.
    f->HideMenuButtons();
    f->click(f->lblOpzione(0));
    EXPECT_EQ(value(0), "Sì");
    EXPECT_FALSE(f->lblPulsante(1).Visible);
}

TEST_F(OptionsTest, HoverMovesTheHighlightWithOnePageSoundPerName) {
    hover(f->lblOpzione(3));
    EXPECT_EQ(f->lblMouseMove.Caption.get(), "3");
    EXPECT_EQ(f->lblOpzione(3).ForeColor.get(), Red);
    EXPECT_EQ(f->lblVoceOpzione(3).ForeColor.get(), Red);
    EXPECT_EQ(f->lblVarie(various::kOptionsHelpText).Caption.get(),
              "Con questa opzione puoi escludere qualsiasi sottofondo musicale oppure ascoltarlo 'Ogni tanto' o "
              "'Sempre'.");
    const tk::Label& name = f->lblOpzione(3);
    f->mouseMove(name.absLeft() + 10, name.absTop() + 10);  // still on the same name
    EXPECT_EQ(plays("mmcSfoglia"), 1);

    hover(f->lblOpzione(4));
    EXPECT_EQ(plays("mmcSfoglia"), 2);
    EXPECT_EQ(f->lblOpzione(3).ForeColor.get(), Black);
    EXPECT_EQ(f->lblVoceOpzione(3).ForeColor.get(), Black);
    EXPECT_EQ(f->lblOpzione(4).ForeColor.get(), Red);
    EXPECT_EQ(f->lblVarie(various::kOptionsHelpText).Caption.get(),
              "Questa opzione esclude o attiva i commenti vocali di Bob, Giorgetto e Carla!");

    f->lblVoceOpzione(1).Caption = "No";
    hover(f->lblOpzione(0));
    EXPECT_EQ(plays("mmcSfoglia"), 2);
    EXPECT_EQ(f->lblMouseMove.Caption.get(), "0");
}
