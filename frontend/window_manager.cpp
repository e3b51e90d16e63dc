#include "frontend/window_manager.h"

#include <SDL_syswm.h>

#include <initializer_list>

#if defined(ZIRIMBO_X11) && defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace zirimbo::frontend {

#if defined(ZIRIMBO_X11) && defined(SDL_VIDEO_DRIVER_X11)
namespace {

// A window left named by a window manager that has gone answers with an error, not a crash.
int ignoreError(Display*, XErrorEvent*) { return 0; }

// The values of a 32-bit list property of a window (none when it has no such property).
template <class Visit>
void readList(Display* d, Window w, const char* name, Atom type, Visit visit) {
    const Atom property = XInternAtom(d, name, True);
    if (property == None) return;
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(d, w, property, 0, 4096, False, type, &actual, &format, &count, &after, &data) == Success &&
        actual == type && format == 32 && data) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        for (unsigned long i = 0; i < count; ++i) visit(values[i]);
    }
    if (data) XFree(data);
}

// The window a window manager names itself by, checked on that window too, as the
// window manager standard (EWMH) asks; None when there is no window manager.
Window supportingWindow(Display* d, Window root) {
    Window named = None, confirmed = None;
    readList(d, root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, [&](unsigned long v) { named = Window(v); });
    if (named == None) return None;
    XErrorHandler previous = XSetErrorHandler(ignoreError);
    readList(d, named, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, [&](unsigned long v) { confirmed = Window(v); });
    XSync(d, False);
    XSetErrorHandler(previous);
    return confirmed == named ? named : None;
}

// The X display the window is on; nullptr when it is not on one.
Display* x11DisplayOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return nullptr;
    return info.info.x11.display;
}

}  // namespace
#endif

bool windowManagerDoesFullScreen(SDL_Window* window) {
#if defined(ZIRIMBO_X11) && defined(SDL_VIDEO_DRIVER_X11)
    Display* d = x11DisplayOf(window);
    if (!d) return true;
    const Window root = DefaultRootWindow(d);
    if (supportingWindow(d, root) == None) return false;
    const Atom fullScreen = XInternAtom(d, "_NET_WM_STATE_FULLSCREEN", True);
    bool listed = false;
    readList(d, root, "_NET_SUPPORTED", XA_ATOM, [&](unsigned long v) { listed = listed || Atom(v) == fullScreen; });
    return fullScreen != None && listed;
#else
    (void)window;
    return true;
#endif
}

bool displayMayDrawOpenGlOnCard(SDL_Window* window) {
#if defined(ZIRIMBO_X11) && defined(SDL_VIDEO_DRIVER_X11)
    Display* d = x11DisplayOf(window);
    if (!d) return true;
    int opcode = 0, event = 0, error = 0;
    for (const char* extension : {"DRI3", "DRI2", "NV-GLX"})
        if (XQueryExtension(d, extension, &opcode, &event, &error)) return true;
    return false;
#else
    (void)window;
    return true;
#endif
}

}  // namespace zirimbo::frontend
