#include "frontend/display.h"

#include <strings.h>

#include <string_view>

namespace zirimbo::frontend {

namespace {

bool empty(const char* value) { return !value || !*value; }

// Whether the comma-separated list names the driver (SDL compares without regard to case).
bool names(std::string_view list, std::string_view driver) {
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const std::string_view one = list.substr(0, comma);
        if (one.size() == driver.size() && strncasecmp(one.data(), driver.data(), one.size()) == 0) return true;
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    return false;
}

constexpr const char* kNoDisplay = "no display to open the game's window on: ";

}  // namespace

std::optional<std::string> noDisplayNamed(const char* display, const char* waylandDisplay, const char* videoDriver) {
    if (!empty(display) || !empty(waylandDisplay) || !empty(videoDriver)) return std::nullopt;
    return std::string(kNoDisplay) + "DISPLAY and WAYLAND_DISPLAY are not set";
}

std::optional<std::string> unseenVideoDriver(const char* current, const char* asked) {
    if (empty(current)) return std::nullopt;
    const std::string_view driver(current);
    if (!names("offscreen,dummy", driver) || (!empty(asked) && names(asked, driver))) return std::nullopt;
    return std::string(kNoDisplay) + "SDL found no display (video driver " + current + ")";
}

}  // namespace zirimbo::frontend
