// A rendered window read back from its PNG, pixel by pixel.
#pragma once

#include <SDL.h>
#include <SDL_image.h>

#include <filesystem>
#include <ostream>

namespace render_test {

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};
inline std::ostream& operator<<(std::ostream& os, const Rgb& c) {
    return os << "(" << c.r << "," << c.g << "," << c.b << ")";
}
inline constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255}, kGrey{192, 192, 192};

// A rendered picture read back from its PNG.
class Picture {
public:
    explicit Picture(const std::filesystem::path& png) {
        if (SDL_Surface* s = IMG_Load(png.c_str())) {
            surface_ = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGB24, 0);
            SDL_FreeSurface(s);
        }
    }
    ~Picture() {
        if (surface_) SDL_FreeSurface(surface_);
    }
    bool ok() const { return surface_ != nullptr; }
    int width() const { return surface_->w; }
    int height() const { return surface_->h; }
    Rgb at(int x, int y) const {
        const auto* p = static_cast<const Uint8*>(surface_->pixels) + y * surface_->pitch + x * 3;
        return Rgb{p[0], p[1], p[2]};
    }
    // Pixels in [x0,x1) x [y0,y1) whose colour differs from `c`.
    int countOther(int x0, int y0, int x1, int y1, Rgb c) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (!(at(x, y) == c)) ++n;
        return n;
    }

private:
    SDL_Surface* surface_ = nullptr;
};

}  // namespace render_test
