// The real main window, drawn headless from the generated game folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "form/frmZirimbo2012.h"
#include "frontend/renderer.h"
#include "png_picture.h"
#include "tests/support/scratch_folder.h"
#include "toolkit/runtime.h"

using render_test::Picture;
using render_test::Rgb;

namespace {

Rgb mean(const Picture& p, int x0, int y0, int x1, int y1) {
    long r = 0, g = 0, b = 0, n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            Rgb c = p.at(x, y);
            r += c.r, g += c.g, b += c.b, ++n;
        }
    return Rgb{int(r / n), int(g / n), int(b / n)};
}

}  // namespace

TEST(MainWindowRender, BoardPawnsAndDieAppearWhereTheyBelong) {
    tk::HeadlessRuntime h;
    h.rt.startDirectory = ZIRIMBO_GAME_FOLDER;
    auto f = std::make_unique<zirimbo::frmZirimbo2012>(h.rt);
    f->Load();
    f->Show();
    // The start-up splash, when there is one, is out of the way once the game begins.
    if (auto* splash = f->find("FraSplash")) splash->Visible = false;

    const scratch::Folder scratch{"zirimbo_main"};
    const auto png = scratch.path() / "finestra.png";
    ASSERT_TRUE(zirimbo::frontend::renderToPng(*f, png.string(), 1024, 768));
    Picture pic(png);
    ASSERT_TRUE(pic.ok());

    // The die: a red body (7300, 10425 twips) with a white top-left pip.
    EXPECT_EQ(pic.at(7300 / 15 + 4, 10425 / 15 + 30), (Rgb{255, 0, 0}));
    EXPECT_EQ(pic.at((7435 + 97) / 15, (10575 + 97) / 15), (Rgb{255, 255, 255}));

    // Red's first parking square shows a red pawn: its middle is clearly red.
    Rgb redPawn = mean(pic, 1130 / 15 + 40, 150 / 15 + 40, 1130 / 15 + 70, 150 / 15 + 70);
    EXPECT_GT(redPawn.r, redPawn.g + 60) << redPawn;
    EXPECT_GT(redPawn.r, redPawn.b + 60) << redPawn;
    // Blue's first parking square shows a blue pawn.
    Rgb bluePawn = mean(pic, 12675 / 15 + 40, 150 / 15 + 40, 12675 / 15 + 70, 150 / 15 + 70);
    EXPECT_GT(bluePawn.b, bluePawn.r + 60) << bluePawn;

    // Tiles: the board is drawn, not left in the window's background colour.
    Rgb background{0xFD, 0xF7, 0xD7};
    for (int c : {1, 3, 20, 36}) {
        const auto& tile = f->ImgTessera(c);
        Rgb m = mean(pic, tile.Left / 15 + 20, tile.Top / 15 + 20, tile.Left / 15 + 90, tile.Top / 15 + 90);
        EXPECT_FALSE(m == background) << c;
    }
}
