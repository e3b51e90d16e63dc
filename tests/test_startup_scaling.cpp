// The one rescaling of the main window at load, and the window taking the screen's size.
#include <string>

#include "shell/scaling.h"
#include "test_startup_fixture.h"

namespace {
struct Geometry {
    int left, top, width, height;
    double font;
};
Geometry Of(const tk::Control& c) { return {c.Left, c.Top, c.Width, c.Height, c.FontSize}; }
}  // namespace

struct ScalingTest : StartUpTest {
    void loadOn(int widthTwips, int heightTwips) {
        h.rt.screen.Width = widthTwips;
        h.rt.screen.Height = heightTwips;
        load();
    }
    // The design geometry: a window that is built but not loaded.
    std::unique_ptr<zirimbo::frmZirimbo2012> design() { return std::make_unique<zirimbo::frmZirimbo2012>(h.rt); }
};

TEST_F(ScalingTest, TheTableCoversEveryControlItNames) {
    auto d = design();
    EXPECT_EQ(zirimbo::ScaledControlCount(*d), 329);
}

TEST_F(ScalingTest, AnEightHundredBySixHundredScreenShrinksEverythingByTheSameFactor) {
    auto d = design();
    loadOn(12000, 9000);
    auto& w = *f;
    // 0.78125 both ways: the first tile at (2167.97, 117.19), 1300.78 square.
    EXPECT_EQ(w.ImgTessera(1).Left.get(), 2168);
    EXPECT_EQ(w.ImgTessera(1).Top.get(), 117);
    EXPECT_EQ(w.ImgTessera(1).Width.get(), 1301);
    EXPECT_EQ(w.ImgTessera(1).Height.get(), 1301);
    EXPECT_DOUBLE_EQ(w.lblSpiegazioni.FontSize.get(), d->lblSpiegazioni.FontSize.get() * 0.78125);
    // The panels were placed before the rescaling and moved with it.
    EXPECT_EQ(w.FraPannello(2).Left.get(), 82);
    EXPECT_EQ(w.FraRicomincia.Left.get(), 3445);
    EXPECT_EQ(w.FraRicomincia.Top.get(), 1395);
    // A control inside a frame keeps its place in the frame, scaled.
    EXPECT_EQ(w.txtPassword.Left.get(), 5262);
    EXPECT_EQ(w.txtPassword.Top.get(), 7113);
    EXPECT_DOUBLE_EQ(w.txtPassword.FontSize.get(), 11.25 * 0.78125);
    // The window's client area is the screen's.
    EXPECT_EQ(w.Width, 12000);
    EXPECT_EQ(w.Height, 9000);
}

TEST_F(ScalingTest, AScreenOfAnotherShapeStretchesUnequallyAndFontsFollowTheHeight) {
    loadOn(19200, 15360);  // 1280 x 1024
    auto& w = *f;
    EXPECT_EQ(w.ImgTessera(1).Left.get(), 3469);  // 3468.75
    EXPECT_EQ(w.ImgTessera(1).Top.get(), 200);
    EXPECT_EQ(w.ImgTessera(1).Width.get(), 2081);  // 2081.25
    EXPECT_EQ(w.ImgTessera(1).Height.get(), 2220);
    EXPECT_DOUBLE_EQ(w.lblVinte(1).FontSize.get(), 26.25 * 15360.0 / 11520.0);
}

TEST_F(ScalingTest, ControlsOutsideTheTableKeepTheirDesignGeometry) {
    auto d = design();
    loadOn(12000, 9000);
    auto& w = *f;
    tk::Control* kept[][2] = {{&w.ImgGif(0), &d->ImgGif(0)},         {&w.ImgGif(37), &d->ImgGif(37)},
                              {&w.lblOpzione(6), &d->lblOpzione(6)}, {&w.lblVoceOpzione(6), &d->lblVoceOpzione(6)},
                              {&w.cmdGioca, &d->cmdGioca},           {&w.FraCasuale, &d->FraCasuale}};
    for (auto& pair : kept) {
        Geometry a = Of(*pair[0]), b = Of(*pair[1]);
        EXPECT_EQ(a.left, b.left) << pair[0]->qualifiedName();
        EXPECT_EQ(a.top, b.top) << pair[0]->qualifiedName();
        EXPECT_EQ(a.width, b.width) << pair[0]->qualifiedName();
        EXPECT_EQ(a.height, b.height) << pair[0]->qualifiedName();
        EXPECT_EQ(a.font, b.font) << pair[0]->qualifiedName();
    }
    // The bottom buttons' click areas move but keep their font size; their captions scale.
    EXPECT_EQ(w.lblPulsante(1).FontSize.get(), d->lblPulsante(1).FontSize.get());
    EXPECT_NE(w.lblPulsante(1).Left.get(), d->lblPulsante(1).Left.get());
    EXPECT_DOUBLE_EQ(w.lblScrittaPulsanti(1).FontSize.get(), d->lblScrittaPulsanti(1).FontSize.get() * 0.78125);
}

TEST_F(ScalingTest, AScreenOfTheDesignWidthKeepsTheDesignLayoutWhateverItsHeight) {
    auto d = design();
    loadOn(15360, 9000);  // 1024 x 600
    auto& w = *f;
    EXPECT_EQ(w.ImgTessera(1).Top.get(), d->ImgTessera(1).Top.get());
    EXPECT_EQ(w.ImgTessera(36).Height.get(), d->ImgTessera(36).Height.get());
    EXPECT_EQ(w.FraPannello(0).Left.get(), 105);
    EXPECT_EQ(w.lblSpiegazioni.FontSize.get(), d->lblSpiegazioni.FontSize.get());
}
