// Draws a window's controls onto an SDL renderer: 15 twips to a pixel, colours
// held as blue-green-red, controls back to front, each clipped to itself and to
// the frames around it. Pictures, fonts and rendered text are cached per renderer.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include <SDL.h>

#include "toolkit/controls.h"
#include "toolkit/window.h"

typedef struct _TTF_Font TTF_Font;

namespace zirimbo::frontend {

// A window colour (blue-green-red, or a system colour with the high bit set) as SDL wants it.
SDL_Color toSdlColor(tk::Color c);

// Width of a text box's vertical scroll bar, pixels.
constexpr int kScrollBarWidth = 17;

class Renderer {
public:
    explicit Renderer(SDL_Renderer* target);
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;
    ~Renderer();

    // Draws the whole window (background, then every shown control); does not present.
    void draw(tk::Window& window);

    // Scrolls a multi-line text box by `pixels` (positive goes down), kept within its
    // text; marks the window dirty and returns true when the view moved.
    bool scrollTextBox(tk::TextBox& box, int pixels);
    // The height of one line of a text box's text, pixels.
    int lineHeight(const tk::TextBox& box);
    // The frontmost shown multi-line text box with a scroll bar at a window point (pixels).
    tk::TextBox* scrollableTextBoxAt(tk::Window& window, int xPx, int yPx) const;
    // A click at a window point (pixels): when it falls on a text box's scroll bar, the
    // box scrolls a page up (upper half) or down (lower half) and true is returned.
    bool clickScrollBar(tk::Window& window, int xPx, int yPx);

    // A label's caption as draw() lays it out: each line and its box, window pixels.
    struct TextLine {
        std::string text;
        int x = 0, y = 0, w = 0, h = 0;
    };
    std::vector<TextLine> labelLines(const tk::Label& label);

    // Frees cached text pictures that have not been drawn for a while (called by draw()).
    void trimCaches();
    // Frees every cached picture, text and font: the window's surface keeps showing the
    // last frame, and the next frame makes again what it draws.
    void rest();

private:
    struct Rect {
        int x = 0, y = 0, w = 0, h = 0;
        bool empty() const { return w <= 0 || h <= 0; }
        SDL_Rect sdl() const { return SDL_Rect{x, y, w, h}; }
    };
    struct FontRef {
        TTF_Font* font = nullptr;
        int height = 0;  // line height, pixels
    };
    struct TextPic {
        SDL_Texture* tex = nullptr;
        int w = 0, h = 0;
        std::uint64_t lastUsed = 0;
    };
    struct Layout {
        std::vector<std::string> lines;
        std::uint64_t lastUsed = 0;
    };

    // Geometry.
    int tppX(const tk::Window& w) const;
    int tppY(const tk::Window& w) const;
    Rect controlRect(const tk::Control& c) const;
    Rect clipFor(const tk::Control& c) const;
    // The drawing area: the renderer's logical size when it scales, else its output.
    void canvasSize(int& w, int& h) const;
    bool scaled() const;
    static Rect intersect(const Rect& a, const Rect& b);

    // Per kind.
    void drawImage(const tk::Image& c, const Rect& r);
    void drawShape(const tk::Shape& c, const Rect& r);
    void drawLabel(const tk::Label& c, const Rect& r);
    void drawFrame(const tk::Frame& c, const Rect& r);
    void drawButton(const tk::CommandButton& c, const Rect& r, bool focused);
    void drawTextBox(tk::TextBox& c, const Rect& r, bool focused);

    // Primitives.
    void setColor(SDL_Color c);
    void fillRect(const Rect& r, SDL_Color c);
    void outlineRect(const Rect& r, SDL_Color c, int width = 1);
    void bevel(const Rect& r, SDL_Color topLeft, SDL_Color bottomRight);
    void drawSunkenBorder(const Rect& r);
    void drawRaisedBorder(const Rect& r);

    // Text.
    FontRef fontFor(const tk::Control& c);
    TextPic* textPicture(TTF_Font* font, const std::string& text, SDL_Color color);
    int textWidth(TTF_Font* font, const std::string& text);
    const std::vector<std::string>& layoutText(TTF_Font* font, const std::string& text, int maxWidth);
    // Draws lines of text from `top` down, aligned within `box` (0 left, 1 right, 2 centre).
    void drawLines(TTF_Font* font, int lineH, const std::vector<std::string>& lines, const Rect& box, int top,
                   int alignment, SDL_Color color);

    // Multi-line text box layout shared by drawing and scrolling.
    struct BoxLayout {
        Rect inner;  // where the text goes
        Rect bar;    // scroll bar (empty when none)
        int lineH = 0;
        int contentH = 0;
        const std::vector<std::string>* lines = nullptr;
        TTF_Font* font = nullptr;
    };
    BoxLayout textBoxLayout(const tk::TextBox& c, const Rect& r);
    void drawScrollBar(tk::TextBox& c, const BoxLayout& b);
    void drawOneLineText(tk::TextBox& c, const BoxLayout& b, SDL_Color fore, bool editing);

    // A picture at the size it is drawn (w x h pixels).
    SDL_Texture* imageTexture(const std::string& path, int w, int h);

    SDL_Renderer* r_;
    SDL_Rect clip_{0, 0, 0, 0};
    std::uint64_t frame_ = 0;
    bool smooth_ = false;  // the picture is scaled to the screen: smooth every texture
    // By path and drawn size; nullptr for unreadable files.
    std::map<std::tuple<std::string, int, int>, SDL_Texture*> images_;
    // Fonts: by (file, size in quarter pixels, style).
    std::map<std::tuple<std::string, int, int>, TTF_Font*> fonts_;
    std::map<std::tuple<TTF_Font*, std::string, std::uint32_t>, TextPic> texts_;
    std::map<std::tuple<TTF_Font*, std::string, int>, Layout> layouts_;
};

// Renders a window with the software renderer into a picture of the given size and
// saves it as PNG; false when it could not be saved.
bool renderToPng(tk::Window& window, const std::string& path, int widthPx, int heightPx);

// Strips the access-key marks of a caption: "&File" shows "File", "&&" shows "&".
std::string stripMnemonics(const std::string& caption);

// Splits text into lines that fit `maxWidth` by `measure` (a width in pixels), breaking at
// blanks and at every line end (CR LF, LF or CR); a word wider than the line is cut between
// characters. maxWidth <= 0 only breaks at line ends.
std::vector<std::string> wrapText(const std::string& text, int maxWidth,
                                  const std::function<int(const std::string&)>& measure);

}  // namespace zirimbo::frontend
