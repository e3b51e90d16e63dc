#include "frontend/renderer.h"

#include <SDL_image.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "frontend/fonts.h"
#include "frontend/media_loader.h"
#include "toolkit/log.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"

namespace zirimbo::frontend {

namespace {

// The classic system colours, for values with the high bit set (0x80000000 + index).
constexpr std::uint32_t kSystemColours[] = {
    0xC0C0C0,  // scroll bars
    0x008080,  // desktop
    0x000080,  // active title bar
    0x808080,  // inactive title bar
    0xC0C0C0,  // menu bar
    0xFFFFFF,  // window background
    0x000000,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0xFFFFFF,  // active title bar text
    0xC0C0C0,  // active border
    0xC0C0C0,  // inactive border
    0x808080,  // application workspace
    0x000080,  // highlight
    0xFFFFFF,  // highlighted text
    0xC0C0C0,  // button face
    0x808080,  // button shadow
    0x808080,  // disabled text
    0x000000,  // button text
    0xC0C0C0,  // inactive title bar text
    0xFFFFFF,  // button highlight
    0x000000,  // button dark shadow
    0xDFDFDF,  // button light shadow
    0x000000,  // tooltip text
    0xFFFFE1,  // tooltip background
};             // these are red-green-blue

constexpr SDL_Color rgb(std::uint32_t v) {
    return SDL_Color{Uint8((v >> 16) & 0xFF), Uint8((v >> 8) & 0xFF), Uint8(v & 0xFF), 255};
}

constexpr SDL_Color kWhite = rgb(0xFFFFFF);
constexpr SDL_Color kBlack = rgb(0x000000);
constexpr SDL_Color kFace = rgb(0xC0C0C0);
constexpr SDL_Color kLight = rgb(0xDFDFDF);
constexpr SDL_Color kShadow = rgb(0x808080);
constexpr SDL_Color kTrack = rgb(0xE0E0E0);
constexpr SDL_Color kHighlight = rgb(0x000080);  // selected text's background

// Twips to pixels, to the nearest pixel (also for negative positions).
int toPixels(int twips, int tpp) {
    if (tpp <= 0) tpp = 15;
    long v = long(twips) * 2 + tpp;
    long d = 2L * tpp;
    long q = v / d;
    if (v % d != 0 && v < 0) --q;
    return int(q);
}

std::uint32_t colourKey(SDL_Color c) { return (Uint32(c.r) << 16) | (Uint32(c.g) << 8) | c.b; }

// The horizontal extent of an outline at a pixel row, `inset` pixels inside its edge.
struct Outline {
    enum Kind { Box, Ellipse, Rounded } kind = Box;
    double x = 0, y = 0, w = 0, h = 0;
    double radius = 0;  // corners of a rounded box

    bool span(double inset, int row, int& left, int& right) const {
        double x0 = x + inset, y0 = y + inset, x1 = x + w - inset, y1 = y + h - inset;
        double cy = row + 0.5;
        if (x1 <= x0 || y1 <= y0 || cy < y0 || cy > y1) return false;
        double l = x0, r = x1;
        if (kind == Ellipse) {
            double rx = (x1 - x0) / 2, ry = (y1 - y0) / 2;
            double dy = (cy - (y0 + ry)) / ry;
            double half = rx * std::sqrt(std::max(0.0, 1 - dy * dy));
            l = x0 + rx - half;
            r = x0 + rx + half;
        } else if (kind == Rounded) {
            double rr = std::max(0.0, std::min({radius - inset, (x1 - x0) / 2, (y1 - y0) / 2}));
            double dy = 0;
            if (cy < y0 + rr)
                dy = y0 + rr - cy;
            else if (cy > y1 - rr)
                dy = cy - (y1 - rr);
            if (dy > 0) {
                double cut = rr - std::sqrt(std::max(0.0, rr * rr - dy * dy));
                l += cut;
                r -= cut;
            }
        }
        left = int(std::lround(l));
        right = int(std::lround(r));
        return right > left;
    }
};

// A multi-line text box with a vertical scroll bar (alone or with the horizontal one).
bool hasScrollBar(const tk::TextBox& box) { return box.MultiLine && (box.ScrollBars == 2 || box.ScrollBars == 3); }

// Characters of UTF-8 text: the byte length of the character at `i`.
std::size_t charLength(const std::string& s, std::size_t i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
    return std::min(n, s.size() - i);
}

}  // namespace

SDL_Color toSdlColor(tk::Color c) {
    if (c & 0x80000000u) {
        std::uint32_t index = c & 0xFFFFFF;
        std::uint32_t v = index < std::size(kSystemColours) ? kSystemColours[index] : 0xC0C0C0;
        return rgb(v);
    }
    return SDL_Color{Uint8(c & 0xFF), Uint8((c >> 8) & 0xFF), Uint8((c >> 16) & 0xFF), 255};
}

std::string stripMnemonics(const std::string& caption) {
    if (caption.find('&') == std::string::npos) return caption;
    std::string out;
    out.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

namespace {

// Breaks one paragraph (a text without line ends) into the lines that fit.
class ParagraphWrapper {
public:
    using Measure = std::function<int(const std::string&)>;
    ParagraphWrapper(const std::string& para, int maxWidth, const Measure& measure, std::vector<std::string>& lines)
        : para_(para), maxWidth_(maxWidth), measure_(measure), lines_(lines) {}

    void wrap() {
        if (maxWidth_ <= 0 || fits(std::string(), 0, para_.size())) {
            lines_.push_back(para_);
            return;
        }
        std::size_t pos = 0;
        while (pos < para_.size()) pos = place(pos);
        if (!line_.empty() || !wrapped_) lines_.push_back(line_);
    }

private:
    // True when `line` followed by para[from, to) fits. A long piece is tried on
    // starts of growing length first, so that one far wider than the line is turned
    // down after measuring little more than a line: the work stays in proportion
    // to the text, however long its words are.
    bool fits(const std::string& line, std::size_t from, std::size_t to) const {
        for (std::size_t probe = 64; from + probe < to; probe *= 2) {
            std::size_t cut = from + probe;
            while (cut > from && (static_cast<unsigned char>(para_[cut]) & 0xC0) == 0x80) --cut;
            if (measure_(line + para_.substr(from, cut - from)) > maxWidth_) return false;
        }
        return measure_(line + para_.substr(from, to - from)) <= maxWidth_;
    }

    // The end of the word starting at `word`: a word cut over many lines is scanned once.
    std::size_t wordEndFrom(std::size_t word) {
        if (word < wordEnd_) return wordEnd_;
        std::size_t next = word;
        while (next < para_.size() && para_[next] != ' ') ++next;
        wordEnd_ = next;
        return next;
    }

    // Places the blanks and the word from `pos` on; returns where the next piece starts.
    std::size_t place(std::size_t pos) {
        std::size_t word = pos;
        while (word < para_.size() && para_[word] == ' ') ++word;
        const std::size_t next = wordEndFrom(word);
        const std::size_t from = (line_.empty() && wrapped_) ? word : pos;  // a continued line drops its leading blanks
        if (fits(line_, from, next)) {
            line_ += para_.substr(from, next - from);
            return next;
        }
        if (line_.empty()) return cutWord(word, next);
        lines_.push_back(line_);
        line_.clear();
        wrapped_ = true;
        return word;
    }

    // A word wider than the line: its first line holds as many characters as fit (one at least).
    std::size_t cutWord(std::size_t word, std::size_t next) {
        std::string piece;
        std::size_t i = word;
        while (i < next) {
            const std::size_t len = charLength(para_, i);
            std::string longer = piece + para_.substr(i, len);
            if (!piece.empty() && measure_(longer) > maxWidth_) break;
            piece = std::move(longer);
            i += len;
        }
        lines_.push_back(piece);
        wrapped_ = true;
        return i;
    }

    const std::string& para_;
    const int maxWidth_;
    const Measure& measure_;
    std::vector<std::string>& lines_;
    std::string line_;
    bool wrapped_ = false;  // the line continues a paragraph: its leading blanks go
    std::size_t wordEnd_ = 0;
};

// Where the line end at `end` stops: CR LF counts as one.
std::size_t afterLineEnd(const std::string& text, std::size_t end) {
    return end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
}

}  // namespace

std::vector<std::string> wrapText(const std::string& text, int maxWidth,
                                  const std::function<int(const std::string&)>& measure) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find_first_of("\r\n", start);
        const std::string para = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        ParagraphWrapper(para, maxWidth, measure, lines).wrap();
        if (end == std::string::npos) break;
        start = afterLineEnd(text, end);
    }
    return lines;
}

// ---------------------------------------------------------------------------

Renderer::Renderer(SDL_Renderer* target) : r_(target) {
    if (TTF_Init() != 0) tk::logLine(std::string("cannot start the font engine: ") + TTF_GetError());
    SDL_SetRenderDrawBlendMode(r_, SDL_BLENDMODE_NONE);
}

Renderer::~Renderer() {
    rest();
    TTF_Quit();
}

void Renderer::rest() {
    for (auto& [key, pic] : texts_)
        if (pic.tex) SDL_DestroyTexture(pic.tex);
    for (auto& [key, tex] : images_)
        if (tex) SDL_DestroyTexture(tex);
    for (auto& [key, font] : fonts_)
        if (font) TTF_CloseFont(font);
    texts_.clear();
    layouts_.clear();
    images_.clear();
    fonts_.clear();
    restFontLookup();
}

int Renderer::tppX(const tk::Window& w) const { return std::max(1, w.runtime().screen.TwipsPerPixelX); }
int Renderer::tppY(const tk::Window& w) const { return std::max(1, w.runtime().screen.TwipsPerPixelY); }

Renderer::Rect Renderer::controlRect(const tk::Control& c) const {
    const tk::Window& w = c.window();
    int l = c.absLeft(), t = c.absTop();
    int x0 = toPixels(l, tppX(w)), y0 = toPixels(t, tppY(w));
    int x1 = toPixels(l + c.Width, tppX(w)), y1 = toPixels(t + c.Height, tppY(w));
    return Rect{x0, y0, x1 - x0, y1 - y0};
}

void Renderer::canvasSize(int& w, int& h) const {
    w = h = 0;
    SDL_RenderGetLogicalSize(r_, &w, &h);
    if (w <= 0 || h <= 0) SDL_GetRendererOutputSize(r_, &w, &h);
}

bool Renderer::scaled() const {
    int lw = 0, lh = 0, ow = 0, oh = 0;
    SDL_RenderGetLogicalSize(r_, &lw, &lh);
    if (lw <= 0 || lh <= 0) return false;
    SDL_GetRendererOutputSize(r_, &ow, &oh);
    return lw != ow || lh != oh;
}

Renderer::Rect Renderer::intersect(const Rect& a, const Rect& b) {
    int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
    int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
    return Rect{x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

// A control shows only within itself, every frame around it and the window.
Renderer::Rect Renderer::clipFor(const tk::Control& c) const {
    int ow = 0, oh = 0;
    canvasSize(ow, oh);
    Rect clip = intersect(Rect{0, 0, ow, oh}, controlRect(c));
    for (const tk::Control* f = c.Container; f; f = f->Container) clip = intersect(clip, controlRect(*f));
    return clip;
}

void Renderer::draw(tk::Window& window) {
    ++frame_;
    smooth_ = scaled();
    SDL_RenderSetClipRect(r_, nullptr);
    setColor(toSdlColor(window.BackColor()));
    SDL_RenderClear(r_);

    tk::Control* focus = window.focused();
    for (tk::Control* c : window.drawingOrder()) {
        if (!c->shown()) continue;
        tk::Kind k = c->kind();
        if (k == tk::Kind::Timer || k == tk::Kind::DirListBox || k == tk::Kind::SoundChannel) continue;
        Rect r = controlRect(*c);
        Rect clip = clipFor(*c);
        if (r.empty() || clip.empty()) continue;
        clip_ = clip.sdl();
        SDL_RenderSetClipRect(r_, &clip_);
        switch (k) {
            case tk::Kind::Image: drawImage(static_cast<const tk::Image&>(*c), r); break;
            case tk::Kind::Shape: drawShape(static_cast<const tk::Shape&>(*c), r); break;
            case tk::Kind::Label: drawLabel(static_cast<const tk::Label&>(*c), r); break;
            case tk::Kind::Frame: drawFrame(static_cast<const tk::Frame&>(*c), r); break;
            case tk::Kind::CommandButton: drawButton(static_cast<const tk::CommandButton&>(*c), r, c == focus); break;
            case tk::Kind::TextBox: drawTextBox(static_cast<tk::TextBox&>(*c), r, c == focus); break;
            default: break;
        }
    }
    SDL_RenderSetClipRect(r_, nullptr);
    trimCaches();
}

// ---------------------------------------------------------------------------
// Primitives

void Renderer::setColor(SDL_Color c) { SDL_SetRenderDrawColor(r_, c.r, c.g, c.b, 255); }

void Renderer::fillRect(const Rect& r, SDL_Color c) {
    if (r.empty()) return;
    setColor(c);
    SDL_Rect s = r.sdl();
    SDL_RenderFillRect(r_, &s);
}

void Renderer::outlineRect(const Rect& r, SDL_Color c, int width) {
    for (int i = 0; i < width; ++i) {
        Rect in{r.x + i, r.y + i, r.w - 2 * i, r.h - 2 * i};
        if (in.empty()) break;
        setColor(c);
        SDL_Rect s = in.sdl();
        SDL_RenderDrawRect(r_, &s);
    }
}

// One-pixel edges: top and left in one colour, bottom and right in the other.
void Renderer::bevel(const Rect& r, SDL_Color topLeft, SDL_Color bottomRight) {
    if (r.empty()) return;
    int x1 = r.x + r.w - 1, y1 = r.y + r.h - 1;
    setColor(topLeft);
    SDL_RenderDrawLine(r_, r.x, r.y, x1 - 1, r.y);
    SDL_RenderDrawLine(r_, r.x, r.y, r.x, y1 - 1);
    setColor(bottomRight);
    SDL_RenderDrawLine(r_, r.x, y1, x1, y1);
    SDL_RenderDrawLine(r_, x1, r.y, x1, y1);
}

void Renderer::drawSunkenBorder(const Rect& r) {
    bevel(r, kShadow, kWhite);
    bevel(Rect{r.x + 1, r.y + 1, r.w - 2, r.h - 2}, kBlack, kLight);
}

void Renderer::drawRaisedBorder(const Rect& r) {
    bevel(r, kWhite, kBlack);
    bevel(Rect{r.x + 1, r.y + 1, r.w - 2, r.h - 2}, kLight, kShadow);
}

// ---------------------------------------------------------------------------
// Pictures

namespace {
// Whether every pixel of a picture is opaque: such a picture is copied, not blended.
bool opaque(const SDL_Surface* s) {
    if (!s->format->Amask) return SDL_HasColorKey(const_cast<SDL_Surface*>(s)) == SDL_FALSE;
    if (s->format->BytesPerPixel != 4) return false;
    for (int y = 0; y < s->h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < s->w; ++x)
            if ((row[x] & s->format->Amask) != s->format->Amask) return false;
    }
    return true;
}
}  // namespace

SDL_Texture* Renderer::imageTexture(const std::string& path, int w, int h) {
    // A picture is kept at the size it is drawn, stretched once rather than at every
    // frame (which SDL's software renderer would otherwise do).
    const auto key = std::make_tuple(path, w, h);
    auto it = images_.find(key);
    if (it != images_.end()) return it->second;
    SDL_Texture* tex = nullptr;
    // A missing or damaged picture is logged by the loader and stays empty.
    if (SDL_Surface* s = loadPicture(path)) {
        if ((s->w != w || s->h != h) && w > 0 && h > 0) {
            SDL_Surface* from = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
            SDL_Surface* to = from ? SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888) : nullptr;
            if (to && SDL_SoftStretchLinear(from, nullptr, to, nullptr) == 0) {
                SDL_FreeSurface(s);
                s = to;
                to = nullptr;
            }
            SDL_FreeSurface(from);
            SDL_FreeSurface(to);
        }
        tex = SDL_CreateTextureFromSurface(r_, s);
        if (tex)
            SDL_SetTextureBlendMode(tex, opaque(s) ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
        else
            tk::logLine("cannot draw picture: " + path);
        SDL_FreeSurface(s);
    }
    images_.emplace(key, tex);
    return tex;
}

void Renderer::drawImage(const tk::Image& c, const Rect& r) {
    const std::string& path = c.Picture;
    if (!path.empty() && !r.empty()) {
        if (SDL_Texture* tex = imageTexture(path, r.w, r.h)) {
            int tw = 0, th = 0;
            SDL_QueryTexture(tex, nullptr, nullptr, &tw, &th);
            // Smooth only when the picture is stretched; pictures at their own size stay exact.
            bool exact = tw == r.w && th == r.h && !smooth_;
            SDL_SetTextureScaleMode(tex, exact ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
            SDL_Rect dst = r.sdl();
            SDL_RenderCopy(r_, tex, nullptr, &dst);
        }
    }
    if (c.BorderStyle == 1) outlineRect(r, kBlack);
}

// ---------------------------------------------------------------------------
// Shapes

void Renderer::drawShape(const tk::Shape& c, const Rect& r) {
    int kind = c.ShapeKind;
    Outline o;
    o.x = r.x;
    o.y = r.y;
    o.w = r.w;
    o.h = r.h;
    if (kind == 1 || kind == 3 || kind == 5) {  // square, circle, rounded square: centred
        int side = std::min(r.w, r.h);
        o.x = r.x + (r.w - side) / 2;
        o.y = r.y + (r.h - side) / 2;
        o.w = o.h = side;
    }
    o.kind = (kind == 2 || kind == 3) ? Outline::Ellipse : (kind == 4 || kind == 5) ? Outline::Rounded : Outline::Box;
    o.radius = std::min(o.w, o.h) / 6.0;

    int border = c.BorderStyle == 0 ? 0 : std::max(1, int(c.BorderWidth));
    int top = int(o.y), bottom = int(o.y + o.h);
    std::vector<SDL_Rect> rows;
    rows.reserve(std::size_t(std::max(0, bottom - top)) * 2);

    auto fillWith = [&](SDL_Color col) {
        rows.clear();
        for (int y = top; y < bottom; ++y) {
            int l, rr;
            if (o.span(0, y, l, rr)) rows.push_back(SDL_Rect{l, y, rr - l, 1});
        }
        setColor(col);
        if (!rows.empty()) SDL_RenderFillRects(r_, rows.data(), int(rows.size()));
    };
    if (c.BackStyle == 1) fillWith(toSdlColor(c.BackColor));
    if (c.FillStyle == 0) fillWith(toSdlColor(c.FillColor));

    if (border > 0) {
        rows.clear();
        for (int y = top; y < bottom; ++y) {
            int ol, orr;
            if (!o.span(0, y, ol, orr)) continue;
            int il, ir;
            if (o.span(border, y, il, ir) && il < ir) {
                if (il > ol) rows.push_back(SDL_Rect{ol, y, il - ol, 1});
                if (orr > ir) rows.push_back(SDL_Rect{ir, y, orr - ir, 1});
            } else {
                rows.push_back(SDL_Rect{ol, y, orr - ol, 1});
            }
        }
        setColor(toSdlColor(c.BorderColor));
        if (!rows.empty()) SDL_RenderFillRects(r_, rows.data(), int(rows.size()));
    }
}

// ---------------------------------------------------------------------------
// Text

Renderer::FontRef Renderer::fontFor(const tk::Control& c) {
    static std::set<std::string> reported;
    FontRef ref;
    bool bold = c.FontBold, italic = c.FontItalic;
    auto face = findFont(c.FontName, bold, italic);
    if (!face) {
        if (reported.insert(c.FontName).second) tk::logLine("no font for \"" + c.FontName.get() + "\": text not drawn");
        return ref;
    }
    // The size in quarter pixels: a font scaled down with the screen keeps the width the
    // layout was scaled by, where a whole-pixel size would run past its label.
    int quarters = int(std::lround(double(c.FontSize) * 20.0 * 4 / tppY(c.window())));
    quarters = std::clamp(quarters, 4, 1600);
    int style = TTF_STYLE_NORMAL;
    if (bold && !face->bold) style |= TTF_STYLE_BOLD;
    if (italic && !face->italic) style |= TTF_STYLE_ITALIC;
    if (c.FontUnderline) style |= TTF_STYLE_UNDERLINE;

    auto key = std::make_tuple(face->file + "#" + std::to_string(face->index), quarters, style);
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
        // At 18 dots per inch a point is a quarter of a pixel.
        TTF_Font* f = TTF_OpenFontIndexDPI(face->file.c_str(), quarters, face->index, 18, 18);
        if (f) {
            TTF_SetFontStyle(f, style);
            // Glyphs placed at fractions of a pixel: small text keeps an even spacing.
            TTF_SetFontHinting(f, TTF_HINTING_LIGHT_SUBPIXEL);
        } else if (reported.insert(face->file).second) {
            tk::logLine("cannot open font " + face->file + ": " + TTF_GetError());
        }
        it = fonts_.emplace(key, f).first;
    }
    ref.font = it->second;
    if (ref.font) ref.height = TTF_FontHeight(ref.font);
    return ref;
}

int Renderer::textWidth(TTF_Font* font, const std::string& text) {
    if (text.empty()) return 0;
    int w = 0, h = 0;
    if (TTF_SizeUTF8(font, text.c_str(), &w, &h) != 0) return 0;
    return w;
}

Renderer::TextPic* Renderer::textPicture(TTF_Font* font, const std::string& text, SDL_Color color) {
    if (text.empty() || !font) return nullptr;
    auto key = std::make_tuple(font, text, colourKey(color));
    auto it = texts_.find(key);
    if (it == texts_.end()) {
        TextPic pic;
        if (SDL_Surface* s = TTF_RenderUTF8_Blended(font, text.c_str(), color)) {
            pic.tex = SDL_CreateTextureFromSurface(r_, s);
            pic.w = s->w;
            pic.h = s->h;
            SDL_FreeSurface(s);
            if (pic.tex) SDL_SetTextureBlendMode(pic.tex, SDL_BLENDMODE_BLEND);
        }
        it = texts_.emplace(key, pic).first;
    }
    it->second.lastUsed = frame_;
    if (it->second.tex) SDL_SetTextureScaleMode(it->second.tex, smooth_ ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    return it->second.tex ? &it->second : nullptr;
}

const std::vector<std::string>& Renderer::layoutText(TTF_Font* font, const std::string& text, int maxWidth) {
    auto key = std::make_tuple(font, text, maxWidth);
    auto it = layouts_.find(key);
    if (it == layouts_.end()) {
        Layout l;
        l.lines = wrapText(text, maxWidth, [&](const std::string& s) { return textWidth(font, s); });
        it = layouts_.emplace(key, std::move(l)).first;
    }
    it->second.lastUsed = frame_;
    return it->second.lines;
}

void Renderer::drawLines(TTF_Font* font, int lineH, const std::vector<std::string>& lines, const Rect& box, int top,
                         int alignment, SDL_Color color) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        int y = top + int(i) * lineH;
        if (y >= clip_.y + clip_.h) break;
        if (y + lineH <= clip_.y) continue;
        TextPic* pic = textPicture(font, lines[i], color);
        if (!pic) continue;
        int x = box.x;
        if (alignment == 1)
            x = box.x + box.w - pic->w;
        else if (alignment == 2)
            x = box.x + (box.w - pic->w) / 2;
        SDL_Rect dst{x, y, pic->w, pic->h};
        SDL_RenderCopy(r_, pic->tex, nullptr, &dst);
    }
}

void Renderer::trimCaches() {
    constexpr std::uint64_t keepFrames = 120;
    if (texts_.size() > 256) {
        for (auto it = texts_.begin(); it != texts_.end();) {
            if (it->second.lastUsed + keepFrames < frame_) {
                if (it->second.tex) SDL_DestroyTexture(it->second.tex);
                it = texts_.erase(it);
            } else {
                ++it;
            }
        }
    }
    if (layouts_.size() > 256) {
        for (auto it = layouts_.begin(); it != layouts_.end();) {
            if (it->second.lastUsed + keepFrames < frame_)
                it = layouts_.erase(it);
            else
                ++it;
        }
    }
}

// ---------------------------------------------------------------------------
// Labels, frames, buttons

void Renderer::drawLabel(const tk::Label& c, const Rect& r) {
    if (c.BackStyle == 1) fillRect(r, toSdlColor(c.BackColor));
    int pad = 0;
    if (c.BorderStyle == 1) {
        outlineRect(r, kBlack);
        pad = 1;
    }
    const std::string& caption = c.Caption;
    if (caption.empty()) return;
    FontRef f = fontFor(c);
    if (!f.font) return;
    Rect box{r.x + pad, r.y + pad, r.w - 2 * pad, r.h - 2 * pad};
    // A label's caption always wraps at its width.
    const auto& lines = layoutText(f.font, stripMnemonics(caption), box.w);
    if (c.Enabled) {
        drawLines(f.font, f.height, lines, box, box.y, c.Alignment, toSdlColor(c.ForeColor));
    } else {
        Rect shifted{box.x + 1, box.y + 1, box.w, box.h};
        drawLines(f.font, f.height, lines, shifted, shifted.y, c.Alignment, kWhite);
        drawLines(f.font, f.height, lines, box, box.y, c.Alignment, kShadow);
    }
}

std::vector<Renderer::TextLine> Renderer::labelLines(const tk::Label& c) {
    std::vector<TextLine> out;
    const std::string caption = stripMnemonics(c.Caption);
    FontRef f = fontFor(c);
    if (caption.empty() || !f.font) return out;
    const Rect r = controlRect(c);
    const int pad = c.BorderStyle == 1 ? 1 : 0;
    const Rect box{r.x + pad, r.y + pad, r.w - 2 * pad, r.h - 2 * pad};
    const auto& lines = layoutText(f.font, caption, box.w);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        TextLine line{lines[i], box.x, box.y + int(i) * f.height, textWidth(f.font, lines[i]), f.height};
        if (c.Alignment == 1)
            line.x = box.x + box.w - line.w;
        else if (c.Alignment == 2)
            line.x = box.x + (box.w - line.w) / 2;
        out.push_back(line);
    }
    return out;
}

void Renderer::drawFrame(const tk::Frame& c, const Rect& r) {
    fillRect(r, toSdlColor(c.BackColor));
    if (c.BorderStyle != 1) return;  // a frame without a border shows no caption either
    const std::string caption = stripMnemonics(c.Caption);
    FontRef f;
    if (!caption.empty()) f = fontFor(c);
    int lineTop = f.font ? f.height / 2 : 0;
    // An etched line: a shadow with a highlight inside it.
    Rect outer{r.x, r.y + lineTop, r.w - 1, r.h - lineTop - 1};
    outlineRect(outer, kShadow);
    outlineRect(Rect{outer.x + 1, outer.y + 1, outer.w, outer.h}, kWhite);
    setColor(kShadow);
    SDL_RenderDrawLine(r_, outer.x, outer.y, outer.x + outer.w - 1, outer.y);
    SDL_RenderDrawLine(r_, outer.x, outer.y, outer.x, outer.y + outer.h - 1);
    if (f.font) {
        int tw = textWidth(f.font, caption);
        Rect gap{r.x + 6, r.y, std::min(tw + 4, r.w - 8), f.height};
        fillRect(gap, toSdlColor(c.BackColor));
        SDL_Color col = c.Enabled ? toSdlColor(c.ForeColor) : kShadow;
        drawLines(f.font, f.height, {caption}, Rect{gap.x + 2, gap.y, gap.w - 2, gap.h}, gap.y, 0, col);
    }
}

void Renderer::drawButton(const tk::CommandButton& c, const Rect& r, bool focused) {
    SDL_Color face = c.Style == 1 ? toSdlColor(c.BackColor) : kFace;
    fillRect(r, face);
    Rect edge = r;
    if (focused || c.Default) {
        outlineRect(edge, kBlack);
        edge = Rect{r.x + 1, r.y + 1, r.w - 2, r.h - 2};
    }
    drawRaisedBorder(edge);

    const std::string caption = stripMnemonics(c.Caption);
    if (!caption.empty()) {
        FontRef f = fontFor(c);
        if (f.font) {
            Rect box{r.x + 4, r.y + 4, r.w - 8, r.h - 8};
            const auto& lines = layoutText(f.font, caption, box.w);
            int textH = int(lines.size()) * f.height;
            int top = r.y + (r.h - textH) / 2;
            if (c.Enabled) {
                drawLines(f.font, f.height, lines, box, top, 2, toSdlColor(c.ForeColor));
            } else {
                drawLines(f.font, f.height, lines, Rect{box.x + 1, box.y, box.w, box.h}, top + 1, 2, kWhite);
                drawLines(f.font, f.height, lines, box, top, 2, kShadow);
            }
        }
    }
    if (focused && r.w > 8 && r.h > 8) {
        // The dotted focus rectangle inside the edge.
        Rect d{r.x + 4, r.y + 4, r.w - 8, r.h - 8};
        std::vector<SDL_Point> dots;
        for (int x = d.x; x < d.x + d.w; x += 2) {
            dots.push_back({x, d.y});
            dots.push_back({x, d.y + d.h - 1});
        }
        for (int y = d.y; y < d.y + d.h; y += 2) {
            dots.push_back({d.x, y});
            dots.push_back({d.x + d.w - 1, y});
        }
        setColor(kBlack);
        SDL_RenderDrawPoints(r_, dots.data(), int(dots.size()));
    }
}

// ---------------------------------------------------------------------------
// Text boxes

Renderer::BoxLayout Renderer::textBoxLayout(const tk::TextBox& c, const Rect& r) {
    BoxLayout b;
    int edge = c.BorderStyle == 1 ? 2 : 0;
    Rect inside{r.x + edge, r.y + edge, r.w - 2 * edge, r.h - 2 * edge};
    if (hasScrollBar(c)) {
        int bw = std::min(kScrollBarWidth, std::max(0, inside.w));
        b.bar = Rect{inside.x + inside.w - bw, inside.y, bw, inside.h};
        inside.w -= bw;
    }
    b.inner = Rect{inside.x + 2, inside.y + 1, inside.w - 4, inside.h - 1};
    FontRef f = fontFor(c);
    b.font = f.font;
    b.lineH = std::max(1, f.height);
    if (f.font && c.MultiLine) {
        b.lines = &layoutText(f.font, c.Text, b.inner.w);
        b.contentH = int(b.lines->size()) * b.lineH;
    }
    return b;
}

int Renderer::lineHeight(const tk::TextBox& box) {
    FontRef f = fontFor(box);
    return std::max(1, f.height);
}

void Renderer::drawTextBox(tk::TextBox& c, const Rect& r, bool focused) {
    fillRect(r, toSdlColor(c.BackColor));
    if (c.BorderStyle == 1) drawSunkenBorder(r);
    BoxLayout b = textBoxLayout(c, r);
    SDL_Color fore = c.Enabled ? toSdlColor(c.ForeColor) : kShadow;

    if (!b.bar.empty())
        drawScrollBar(c, b);
    else if (c.MultiLine)
        c.scrollTop = std::clamp(c.scrollTop, 0, std::max(0, b.contentH - b.inner.h));
    if (!b.font || b.inner.empty()) return;

    // The text, within the box's inner area.
    SDL_Rect saved = clip_;
    Rect area = intersect(Rect{clip_.x, clip_.y, clip_.w, clip_.h}, Rect{b.inner.x, b.inner.y, b.inner.w, b.inner.h});
    if (area.empty()) return;
    clip_ = area.sdl();
    SDL_RenderSetClipRect(r_, &clip_);

    if (c.MultiLine)
        drawLines(b.font, b.lineH, *b.lines, b.inner, b.inner.y - c.scrollTop, c.Alignment, fore);
    else
        drawOneLineText(c, b, fore, focused && c.Enabled);
    clip_ = saved;
    SDL_RenderSetClipRect(r_, &clip_);
}

// The scroll bar: arrow buttons at both ends, the track and its thumb between.
void Renderer::drawScrollBar(tk::TextBox& c, const BoxLayout& b) {
    int maxScroll = std::max(0, b.contentH - b.inner.h);
    int arrowH = std::min(b.bar.w, b.bar.h / 2);
    Rect up{b.bar.x, b.bar.y, b.bar.w, arrowH};
    Rect down{b.bar.x, b.bar.y + b.bar.h - arrowH, b.bar.w, arrowH};
    Rect track{b.bar.x, up.y + up.h, b.bar.w, down.y - (up.y + up.h)};
    fillRect(track, kTrack);
    for (int i = 0; i < 2; ++i) {
        const Rect& btn = i == 0 ? up : down;
        fillRect(btn, kFace);
        drawRaisedBorder(btn);
        // The arrow: a small triangle, black while there is something to scroll.
        setColor(maxScroll > 0 ? kBlack : kShadow);
        int cx = btn.x + btn.w / 2, cy = btn.y + btn.h / 2;
        int size = std::max(1, btn.w / 4);
        for (int k = 0; k < size; ++k) {
            int y = i == 0 ? cy - size / 2 + k : cy + size / 2 - k;
            SDL_RenderDrawLine(r_, cx - k, y, cx + k, y);
        }
    }
    if (maxScroll > 0 && track.h > 4) {
        c.scrollTop = std::clamp(c.scrollTop, 0, maxScroll);
        int thumbH = std::clamp(track.h * b.inner.h / std::max(1, b.contentH), 8, track.h);
        int thumbY = track.y + int((long(track.h - thumbH) * c.scrollTop) / maxScroll);
        Rect thumb{track.x, thumbY, track.w, thumbH};
        fillRect(thumb, kFace);
        drawRaisedBorder(thumb);
    } else {
        c.scrollTop = 0;
    }
}

// A one-line box's text; while it is being edited, the caret kept in view and
// the selection in white on the highlight colour.
void Renderer::drawOneLineText(tk::TextBox& c, const BoxLayout& b, SDL_Color fore, bool editing) {
    const std::string& text = c.Text;
    // Pixel offset of the character at `index` (a prefix of the text, in characters).
    auto offsetOf = [&](int index) { return textWidth(b.font, text.substr(0, tk::byteOfCharacter(text, index))); };
    int tw = textWidth(b.font, text);
    int x = b.inner.x;
    if (c.Alignment == 1)
        x = b.inner.x + b.inner.w - tw - 1;
    else if (c.Alignment == 2)
        x = b.inner.x + (b.inner.w - tw) / 2;
    if (editing) {
        // Keep the caret, where typing goes, in view; a selection as much as fits of it
        // from its start, so that a text selected whole shows its beginning.
        auto keepInView = [&](int index) {
            const int cx = x + offsetOf(index);
            if (cx + 1 > b.inner.x + b.inner.w)
                x -= cx + 1 - (b.inner.x + b.inner.w);
            else if (cx < b.inner.x)
                x += b.inner.x - cx;
        };
        if (c.SelLength() > 0) {
            keepInView(c.SelStart() + c.SelLength());
            keepInView(c.SelStart());
        } else {
            keepInView(c.caret());
        }
    }
    if (TextPic* pic = textPicture(b.font, text, fore)) {
        SDL_Rect dst{x, b.inner.y, pic->w, pic->h};
        SDL_RenderCopy(r_, pic->tex, nullptr, &dst);
    }
    if (editing && c.SelLength() > 0) {
        // The selection: its text in white on the highlight colour.
        int from = x + offsetOf(c.SelStart());
        Rect sel{from, b.inner.y, x + offsetOf(c.SelStart() + c.SelLength()) - from, b.lineH};
        fillRect(sel, kHighlight);
        if (TextPic* pic = textPicture(b.font, c.SelText(), kWhite)) {
            SDL_Rect dst{from, b.inner.y, pic->w, pic->h};
            SDL_RenderCopy(r_, pic->tex, nullptr, &dst);
        }
    } else if (editing) {
        setColor(toSdlColor(c.ForeColor));
        int cx = x + offsetOf(c.caret());
        SDL_RenderDrawLine(r_, cx, b.inner.y, cx, b.inner.y + b.lineH - 1);
    }
}

bool Renderer::scrollTextBox(tk::TextBox& box, int pixels) {
    if (!box.MultiLine) return false;
    BoxLayout b = textBoxLayout(box, controlRect(box));
    int maxScroll = std::max(0, b.contentH - b.inner.h);
    int next = std::clamp(box.scrollTop + pixels, 0, maxScroll);
    if (next == box.scrollTop) return false;
    box.scrollTop = next;
    box.window().markDirty();
    return true;
}

tk::TextBox* Renderer::scrollableTextBoxAt(tk::Window& window, int xPx, int yPx) const {
    auto order = window.drawingOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        tk::Control* c = *it;
        if (!c->shown()) continue;
        Rect clip = clipFor(*c);
        bool inside = xPx >= clip.x && yPx >= clip.y && xPx < clip.x + clip.w && yPx < clip.y + clip.h;
        if (!inside) continue;
        if (c->kind() == tk::Kind::TextBox) {
            auto* box = static_cast<tk::TextBox*>(c);
            return hasScrollBar(*box) ? box : nullptr;
        }
        // Anything else that takes the mouse hides what lies behind it.
        if (c->kind() == tk::Kind::Frame || c->kind() == tk::Kind::CommandButton || c->handlesMouse()) return nullptr;
    }
    return nullptr;
}

bool Renderer::clickScrollBar(tk::Window& window, int xPx, int yPx) {
    tk::TextBox* box = scrollableTextBoxAt(window, xPx, yPx);
    if (!box) return false;
    BoxLayout b = textBoxLayout(*box, controlRect(*box));
    const Rect& bar = b.bar;
    if (bar.empty() || xPx < bar.x || xPx >= bar.x + bar.w || yPx < bar.y || yPx >= bar.y + bar.h) return false;
    int arrowH = std::min(bar.w, bar.h / 2);
    int page = std::max(b.lineH, b.inner.h - b.lineH);
    if (yPx < bar.y + arrowH)
        scrollTextBox(*box, -b.lineH);
    else if (yPx >= bar.y + bar.h - arrowH)
        scrollTextBox(*box, b.lineH);
    else if (yPx < bar.y + bar.h / 2)
        scrollTextBox(*box, -page);
    else
        scrollTextBox(*box, page);
    return true;
}

// ---------------------------------------------------------------------------

bool renderToPng(tk::Window& window, const std::string& path, int widthPx, int heightPx) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, widthPx, heightPx, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!surface) return false;
    bool ok = false;
    if (SDL_Renderer* sr = SDL_CreateSoftwareRenderer(surface)) {
        {
            Renderer renderer(sr);
            renderer.draw(window);
            SDL_RenderPresent(sr);
        }
        SDL_DestroyRenderer(sr);
        // The picture is opaque: drop the alpha channel the blending left.
        SDL_Surface* out = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_RGB24, 0);
        if (out) {
            ok = IMG_SavePNG(out, path.c_str()) == 0;
            SDL_FreeSurface(out);
        }
    }
    SDL_FreeSurface(surface);
    return ok;
}

}  // namespace zirimbo::frontend
