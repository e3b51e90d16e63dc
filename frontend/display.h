// Whether the game's window can be seen where the game runs.
#pragma once

#include <optional>
#include <string>

namespace zirimbo::frontend {

// Before SDL starts: why there is no display to open the window on, when neither
// DISPLAY nor WAYLAND_DISPLAY names one and SDL_VIDEODRIVER asks for no driver of
// its own (a console, ssh, a scheduled job). Nothing when there may be one.
std::optional<std::string> noDisplayNamed(const char* display, const char* waylandDisplay, const char* videoDriver);

// Once SDL's video has started on `current`: why the window would not be seen,
// when that driver shows nothing (offscreen, dummy) and `asked` (SDL_VIDEODRIVER,
// one driver or several separated by commas) did not ask for it. SDL falls back on
// such a driver when no display answers.
std::optional<std::string> unseenVideoDriver(const char* current, const char* asked);

}  // namespace zirimbo::frontend
