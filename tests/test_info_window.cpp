// The edition information window: its texts, its fit to the screen, and the end
// of the program when it is closed.
#include <cmath>
#include <string>

#include "form/frmLumo2012.h"
#include "test_startup_fixture.h"

namespace {
struct InfoWindowTest : ::testing::Test {
    tk::HeadlessRuntime h;
    void onScreen(int widthTwips, int heightTwips) {
        h.rt.screen.Width = widthTwips;
        h.rt.screen.Height = heightTwips;
    }
};
}  // namespace

TEST_F(InfoWindowTest, OnTheDesignScreenTheLayoutStaysAsDesignedAndTheTextsAreFilled) {
    onScreen(12000, 9000);
    zirimbo::frmLumo2012 w(h.rt, ZIRIMBO_GAME_FOLDER);
    EXPECT_EQ(w.TxtLumo(0).Text.get(), "");
    w.Show();
    EXPECT_EQ(w.cmdEsciLumo.Left.get(), 7560);
    EXPECT_EQ(w.cmdEsciLumo.Top.get(), 8190);
    EXPECT_EQ(w.cmdEsciLumo.Width.get(), 855);
    EXPECT_EQ(w.cmdEsciLumo.FontSize.get(), 9.75);
    EXPECT_EQ(w.ShpLumo(1).Width.get(), 7785);
    EXPECT_EQ(w.TxtLumo(0).Text.get(), zirimbo::frmLumo2012::Biography());
    EXPECT_EQ(w.TxtLumo(1).Text.get(), zirimbo::frmLumo2012::ProjectDescription());
    EXPECT_EQ(w.TxtLumo(2).Text.get().rfind(w.lbl2012Lumo(0).Caption.get(), 0), 0u)
        << "the invitation begins with the web address";
    EXPECT_NE(w.ImgTobiZanvt.Picture.get(), "");
    EXPECT_NE(w.ImgLumo.Picture.get(), "");
    EXPECT_EQ(w.focused(), &w.cmdEsciLumo);
    EXPECT_EQ(w.Width, 12000);
}

TEST_F(InfoWindowTest, AOneThousandTwentyFourScreenEnlargesEverythingButTheHiddenButton) {
    onScreen(15360, 11520);  // 1.28 both ways
    zirimbo::frmLumo2012 w(h.rt, ZIRIMBO_GAME_FOLDER);
    w.Show();
    EXPECT_EQ(w.cmdEsciLumo.Left.get(), 9677);  // 9676.8
    EXPECT_EQ(w.cmdEsciLumo.Top.get(), 10483);  // 10483.2
    EXPECT_EQ(w.cmdEsciLumo.Width.get(), 1094);
    EXPECT_EQ(w.cmdEsciLumo.Height.get(), 557);
    EXPECT_NEAR(w.cmdEsciLumo.FontSize.get(), 12.48, 1e-5);
    EXPECT_NEAR(w.lbl2012Lumo(1).FontSize.get(), 12.75 * 1.28, 1e-5);
    EXPECT_NEAR(w.TxtLumo(1).FontSize.get(), 11.25 * 1.28, 1e-5);
    EXPECT_EQ(w.ShpLumo(0).Height.get(), static_cast<int>(std::lround(8730 * 1.28)));
    EXPECT_EQ(w.cmdSetFocus.Left.get(), 50000);
    EXPECT_EQ(w.cmdSetFocus.Top.get(), 50000);
    // The window covers the screen it was fitted to.
    EXPECT_EQ(w.Width, 15360);
    EXPECT_EQ(w.Height, 11520);
}

TEST_F(InfoWindowTest, ShownAfterTheMainWindowItIsTheLastWindowAndClosingItEndsTheProgram) {
    h.rt.startDirectory = ZIRIMBO_GAME_FOLDER;
    zirimbo::frmZirimbo2012 main(h.rt);
    main.Load();
    main.Show();
    main.ShowInfoWindow();
    main.Unload();
    zirimbo::frmLumo2012* info = main.InfoWindow();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(h.rt.activeWindow(), info);
    EXPECT_FALSE(h.rt.finished());
    // Enter presses "Ok!", which has the focus.
    info->keyDown(tk::vbKeyReturn);
    EXPECT_FALSE(info->loaded());
    EXPECT_TRUE(h.rt.finished());
}
