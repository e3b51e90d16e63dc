// Pictures and sounds from the game folder that are damaged, truncated or not
// files at all: each behaves as a missing file and the game goes on.
#include <gtest/gtest.h>

#include <SDL.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "mutations.h"
#include "png_picture.h"
#include "frontend/renderer.h"
#include "toolkit/controls.h"
#include "toolkit/runtime.h"
#include "toolkit/window.h"

namespace fs = std::filesystem;
using render_test::Bytes;
using render_test::Picture;

namespace {

const fs::path kGameFolder = ZIRIMBO_GAME_FOLDER;

// A scratch folder for this process, removed at the end.
struct ScratchFolder {
    fs::path dir = fs::temp_directory_path() / ("zirimbo_media_" + std::to_string(getpid()));
    ScratchFolder() { fs::create_directories(dir); }
    ~ScratchFolder() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    fs::path write(const std::string& name, const Bytes& b) const {
        fs::path p = dir / name;
        std::ofstream f(p, std::ios::binary);
        f.write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
        return p;
    }
};

}  // namespace

TEST(DamagedPictures, DamagedPawnPicturesDrawAsEmptyCells) {
    ScratchFolder scratch;
    Bytes pawn = render_test::readBytes(kGameFolder / "Pedine" / "R1.gif");
    ASSERT_FALSE(pawn.empty());

    tk::HeadlessRuntime h;
    tk::Window w{h.rt, "frmProva"};
    w.setBackColor(0xFFFFFF);
    std::vector<std::unique_ptr<tk::Image>> cells;
    auto cell = [&](int i, const fs::path& picture) {
        cells.push_back(std::make_unique<tk::Image>(w, "imgCella" + std::to_string(i)));
        cells.back()->Move((i % 20) * 10 * 15, (i / 20) * 10 * 15, 10 * 15, 10 * 15);
        cells.back()->Picture = picture.string();
    };
    // Two hundred pawns, each with a few bytes changed; some of these once
    // brought the whole game down when drawn.
    for (std::uint32_t seed = 0; seed < 200; ++seed)
        cell(int(seed), scratch.write("R1_" + std::to_string(seed) + ".gif", render_test::flipBytes(pawn, seed)));
    // The intact pawn and one cut off after its header.
    cell(200, kGameFolder / "Pedine" / "R1.gif");
    cell(201, scratch.write("R1_corto.gif", Bytes(pawn.begin(), pawn.begin() + 20)));

    fs::path png = scratch.dir / "celle.png";
    ASSERT_TRUE(zirimbo_frontend::renderToPng(w, png.string(), 200, 110));
    Picture pic(png);
    ASSERT_TRUE(pic.ok());
    EXPECT_GT(pic.countOther(0, 100, 10, 110, render_test::kWhite), 0);  // the intact pawn
    EXPECT_EQ(pic.countOther(10, 100, 20, 110, render_test::kWhite), 0);  // the cut one: empty
}
