// Whether the game's window can be seen where the game runs.
#pragma once

#include <optional>
#include <string>

namespace zirimbo::frontend {

// Before SDL starts: why there is no display to open the window on, when neither
// DISPLAY nor WAYLAND_DISPLAY names one and SDL_VIDEODRIVER asks for no driver of
// its own (a console, ssh, a scheduled job). Nothing when there may be one.
std::optional<std::string> noDisplayNamed(const char* display, const char* waylandDisplay, const char* videoDriver);

}  // namespace zirimbo::frontend
