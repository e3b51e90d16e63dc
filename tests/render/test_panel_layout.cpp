// The panels, the rematch box and the information window as the player sees them at the
// window sizes the program opens: every text fits its label at the font it is drawn
// with, no picture drawn later hides a text, and a text drawn on a picture lies on
// one plain colour of it (the white of a speech bubble, never on a logo or a border).
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>

#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "../support/game_fixture.h"
#include "form/frmLumo2012.h"
#include "form/frmZirimbo2012.h"
#include "form/various.h"
#include "frontend/renderer.h"
#include "toolkit/runtime.h"

namespace various = zirimbo::various;

using zirimbo::frontend::Renderer;

namespace {

struct Screen {
    int width, height;
};

std::string Name(const ::testing::TestParamInfo<Screen>& info) {
    return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
}
// How the test log shows a screen, instead of its bytes.
void PrintTo(const Screen& s, std::ostream* out) { *out << s.width << "x" << s.height; }

// A picture file's pixels, read once.
class Pixels {
public:
    explicit Pixels(const std::string& path) {
        if (SDL_Surface* s = IMG_Load(path.c_str())) {
            surface_ = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGBA32, 0);
            SDL_FreeSurface(s);
        }
    }
    ~Pixels() {
        if (surface_) SDL_FreeSurface(surface_);
    }
    Pixels(const Pixels&) = delete;
    Pixels& operator=(const Pixels&) = delete;
    bool ok() const { return surface_ != nullptr; }
    int width() const { return surface_->w; }
    int height() const { return surface_->h; }
    // Red, green, blue and alpha of a pixel.
    Uint32 at(int x, int y) const {
        const auto* row = static_cast<const Uint8*>(surface_->pixels) + y * surface_->pitch;
        const Uint8* p = row + 4 * x;
        return (Uint32(p[0]) << 24) | (Uint32(p[1]) << 16) | (Uint32(p[2]) << 8) | p[3];
    }

private:
    SDL_Surface* surface_ = nullptr;
};

struct Box {
    int x0, y0, x1, y1;  // pixels, right and bottom excluded
};

int ToPixels(int twips) { return (twips * 2 + 15) / 30; }

Box BoxOf(const tk::Control& c) {
    return Box{ToPixels(c.absLeft()), ToPixels(c.absTop()), ToPixels(c.absLeft() + c.Width),
               ToPixels(c.absTop() + c.Height)};
}

// The outermost frame around a control (nullptr for one placed on the window).
const tk::Control* OuterFrame(const tk::Control& c) {
    const tk::Control* outer = c.Container;
    while (outer && outer->Container) outer = outer->Container;
    return outer;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// The renderer on a screen of the given size, and what it draws there.
class LayoutCheck {
public:
    explicit LayoutCheck(Screen s)
        : surface_(SDL_CreateRGBSurfaceWithFormat(0, s.width, s.height, 32, SDL_PIXELFORMAT_ARGB8888)),
          sdl_(SDL_CreateSoftwareRenderer(surface_)),
          renderer_(std::make_unique<Renderer>(sdl_)) {}
    ~LayoutCheck() {
        renderer_.reset();
        SDL_DestroyRenderer(sdl_);
        SDL_FreeSurface(surface_);
    }

    // Draws the window, then checks every shown text within `frame` (all of the window
    // for nullptr) as it was laid out.
    void check(tk::Window& w, const tk::Control* frame, const std::string& what) {
        renderer_->draw(w);
        const auto order = w.drawingOrder();
        for (std::size_t i = 0; i < order.size(); ++i) {
            const tk::Control& c = *order[i];
            if (c.kind() != tk::Kind::Label || !c.shown() || (frame && OuterFrame(c) != frame)) continue;
            const auto& label = static_cast<const tk::Label&>(c);
            const auto lines = renderer_->labelLines(label);
            if (lines.empty()) continue;
            const std::string where =
                what + ": " + c.Name() + "(" + std::to_string(c.Index()) + ") \"" + label.Caption.get() + "\"";
            fitsItsLabel(label, lines, where);
            for (std::size_t j = 0; j < order.size(); ++j) {
                const tk::Control& p = *order[j];
                if (p.kind() != tk::Kind::Image || !p.shown() || OuterFrame(p) != OuterFrame(c)) continue;
                const auto& image = static_cast<const tk::Image&>(p);
                if (image.Picture.get().empty()) continue;
                const std::string over = where + " and " + p.Name() + "(" + std::to_string(p.Index()) + ")";
                if (j > i)
                    notCoveredBy(image, lines, over);
                else
                    onPlainGround(image, lines, over);
            }
        }
    }

private:
    static void fitsItsLabel(const tk::Label& label, const std::vector<Renderer::TextLine>& lines,
                             const std::string& where) {
        const Box b = BoxOf(label);
        std::string laidOut;
        for (const auto& l : lines) laidOut += (laidOut.empty() ? "" : " | ") + l.text;
        std::vector<std::string> shown;
        for (const auto& l : lines) {
            EXPECT_GE(l.x, b.x0) << where << ": line \"" << l.text << "\" starts left of its label";
            EXPECT_LE(l.x + l.w, b.x1) << where << ": line \"" << l.text << "\" runs past its label";
            EXPECT_LE(l.y + l.h, b.y1) << where << ": line \"" << l.text << "\" is cut at the bottom: " << laidOut;
            for (auto& word : Words(l.text)) shown.push_back(word);
        }
        EXPECT_EQ(shown, Words(label.Caption)) << where << ": a word is split between lines";
    }

    // The picture pixels (as stretched on screen) under each line, visited one by one.
    template <class Visit>
    void underLines(const tk::Image& image, const std::vector<Renderer::TextLine>& lines, Visit visit) {
        const Pixels& pic = pixels(image.Picture);
        ASSERT_TRUE(pic.ok()) << image.Picture.get();
        const Box b = BoxOf(image);
        if (b.x1 <= b.x0 || b.y1 <= b.y0) return;
        for (const auto& l : lines) {
            for (int y = std::max(l.y, b.y0); y < std::min(l.y + l.h, b.y1); ++y)
                for (int x = std::max(l.x, b.x0); x < std::min(l.x + l.w, b.x1); ++x) {
                    const int px = (x - b.x0) * pic.width() / (b.x1 - b.x0);
                    const int py = (y - b.y0) * pic.height() / (b.y1 - b.y0);
                    if (!visit(l, x, y, pic.at(px, py))) return;
                }
        }
    }

    void notCoveredBy(const tk::Image& image, const std::vector<Renderer::TextLine>& lines, const std::string& what) {
        underLines(image, lines, [&](const Renderer::TextLine& l, int x, int y, Uint32 rgba) {
            const bool opaque = (rgba & 0xFF) != 0;
            EXPECT_FALSE(opaque) << what << ": the picture covers \"" << l.text << "\" at " << x << "," << y;
            return !opaque;
        });
    }

    void onPlainGround(const tk::Image& image, const std::vector<Renderer::TextLine>& lines, const std::string& what) {
        bool seen = false;
        Uint32 ground = 0;
        underLines(image, lines, [&](const Renderer::TextLine& l, int x, int y, Uint32 rgba) {
            if ((rgba & 0xFF) == 0) return true;
            if (!seen) {
                seen = true;
                ground = rgba;
                return true;
            }
            EXPECT_EQ(rgba, ground) << what << ": \"" << l.text << "\" lies on a drawing at " << x << "," << y;
            return rgba == ground;
        });
    }

    const Pixels& pixels(const std::string& path) {
        auto it = pictures_.find(path);
        if (it == pictures_.end()) it = pictures_.emplace(path, std::make_unique<Pixels>(path)).first;
        return *it->second;
    }

    SDL_Surface* surface_;
    SDL_Renderer* sdl_;
    std::unique_ptr<Renderer> renderer_;
    std::map<std::string, std::unique_ptr<Pixels>> pictures_;
};

struct PanelLayout : ::testing::TestWithParam<Screen> {
    tk::HeadlessRuntime h;
    std::optional<game_fixture::GameFolder> folder;
    std::unique_ptr<zirimbo::frmZirimbo2012> f;
    std::unique_ptr<LayoutCheck> layout;

    void SetUp() override {
        h.rt.screen.Width = GetParam().width * 15;
        h.rt.screen.Height = GetParam().height * 15;
        folder.emplace();  // a win is saved on the scoreboard
        h.rt.startDirectory = folder->path();
        f = std::make_unique<zirimbo::frmZirimbo2012>(h.rt);
        f->Load();
        f->Show();
        f->TmrTobelioZanvuti.Enabled = false;
        f->FraSplash.Visible = false;
        layout = std::make_unique<LayoutCheck>(GetParam());
    }
    void TearDown() override {
        layout.reset();
        f.reset();
        folder.reset();
    }
    void openOnly(int panel) {
        for (int i = 0; i <= 3; ++i) f->FraPannello(i).Visible = i == panel;
    }
};

}  // namespace

TEST_P(PanelLayout, EveryRulesPageFitsAndStaysOnTheBubble) {
    openOnly(0);
    for (int page = 1; page <= 6; ++page) {
        layout->check(*f, &f->FraPannello(0), "rules page " + f->lblPagina.Caption.get());
        f->lblLetturaRegole_Click(1);
    }
}

TEST_P(PanelLayout, EveryOptionValueAndHelpTextFits) {
    openOnly(2);
    for (int option = 0; option <= 5; ++option) {
        f->lblOpzione_MouseMove(option, tk::MouseArgs{});
        // Each value of its cycle: at most three, and a fourth click comes back.
        for (int click = 0; click < 3; ++click) {
            layout->check(*f, &f->FraPannello(2), "option " + std::to_string(option));
            f->lblOpzione_Click(option);
        }
    }
}

TEST_P(PanelLayout, TheScoreboardOptionsAndExitPanelsFit) {
    f->lblData(1).Caption = "31/12/2026";
    for (int panel = 1; panel <= 3; ++panel) {
        openOnly(panel);
        layout->check(*f, &f->FraPannello(panel), "panel " + std::to_string(panel));
    }
}

TEST_P(PanelLayout, TheRematchBoxFitsForEveryWinner) {
    openOnly(-1);
    f->FraRicomincia.Visible = true;
    // The human's win, with each of the pictures it can show.
    for (const char* picture : {"\\Fumetti\\B01.gif", "\\Fumetti\\G12.gif", "\\Fumetti\\C12.gif"}) {
        f->ImgVarie(various::kRematchCharacter).Picture = f->LoadPicture(picture);
        f->lblVarie(various::kRematchPrompt).Caption =
            "Potrai vincere ancora (forse!) cliccando sul pulsante NUOVA PARTITA!";
        layout->check(*f, &f->FraRicomincia, std::string("the human wins, ") + picture);
    }
    f->CommentBobVictory();
    layout->check(*f, &f->FraRicomincia, "Bob wins");
    f->CommentGiorgettoVictory();
    layout->check(*f, &f->FraRicomincia, "Giorgetto wins");
    f->CommentCarlaVictory();
    layout->check(*f, &f->FraRicomincia, "Carla wins");
}

TEST_P(PanelLayout, TheInformationWindowFits) {
    zirimbo::frmLumo2012 info(h.rt, ZIRIMBO_GAME_FOLDER);
    info.Show();
    layout->check(info, nullptr, "information window");
}

// The client areas the program opens, the largest 4:3 area below a title bar: 756x567 on an
// 800x600 display, 980x735 on 1024x768, 1280x960 on 1280x1024, 1396x1047 on 1920x1080; and
// the design's own size and the smallest the intro recommends.
INSTANTIATE_TEST_SUITE_P(Screens, PanelLayout,
                         ::testing::Values(Screen{756, 567}, Screen{800, 600}, Screen{980, 735}, Screen{1024, 768},
                                           Screen{1280, 960}, Screen{1396, 1047}),
                         Name);
