#include "frontend/display.h"

namespace zirimbo::frontend {

namespace {

bool empty(const char* value) { return !value || !*value; }

constexpr const char* kNoDisplay = "no display to open the game's window on: ";

}  // namespace

std::optional<std::string> noDisplayNamed(const char* display, const char* waylandDisplay, const char* videoDriver) {
    if (!empty(display) || !empty(waylandDisplay) || !empty(videoDriver)) return std::nullopt;
    return std::string(kNoDisplay) + "DISPLAY and WAYLAND_DISPLAY are not set";
}

}  // namespace zirimbo::frontend
