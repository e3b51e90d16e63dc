// What the display's window manager does for the game's window.
#pragma once

#include <SDL.h>

namespace zirimbo::frontend {

// True when a window manager will show the window full screen on request. On X11
// that needs a window manager that names itself and lists the full-screen state
// among those it supports; without one a request would change nothing but SDL's
// idea of the window's size. Other platforms are trusted to do it.
bool windowManagerDoesFullScreen(SDL_Window* window);

// False when the window's X display lets no graphics card draw OpenGL for the
// game: it offers none of DRI3 and DRI2 (through which Mesa's drivers reach a
// card) and NV-GLX (NVIDIA's driver), as virtual displays, most remote desktops
// and virtual machines without 3D acceleration. True elsewhere.
bool displayMayDrawOpenGlOnCard(SDL_Window* window);

}  // namespace zirimbo::frontend
