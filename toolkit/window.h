// A window: its controls in design order (later ones in front), its background,
// load/show/unload, focus, key preview and the routing of mouse and keys.
//
// Drawing order: within each container (the window or a frame) the light
// controls (labels, pictures, shapes) come first and the heavy ones (frames,
// buttons, text boxes) after them, each group in the order the controls were
// created. A frame's controls are drawn with the frame.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/controls.h"

namespace tk {

class Runtime;

class Window {
public:
    Window(Runtime& rt, std::string name);
    Window(const Window&) = delete;
    virtual ~Window();

    Runtime& runtime() const { return rt_; }
    const std::string& Name() const { return name_; }

    // Window properties.
    Color BackColor() const { return backColor_; }
    void setBackColor(Color c);
    std::string Caption;
    bool KeyPreview = false;
    int Width = 15360;  // design client size, twips
    int Height = 11520;

    // Life cycle: Load runs Form_Load once; Show makes it the front window; Unload removes it.
    void Load();
    void Show();
    void Hide();
    void Unload();
    bool loaded() const { return loaded_; }
    bool visible() const { return visible_; }
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    // Window events.
    std::function<void(int keyCode, int shift)> onKeyDown;
    std::function<void(const MouseArgs&)> onMouseMove;

    // Focus.
    void SetFocus(Control& c);
    Control* focused() const { return focus_; }
    // The control that holds the mouse button down, if any.
    Control* pressed() const { return pressed_; }

    // Input from the front end (or a test), in window twips.
    void mouseDown(int x, int y, int button = 1);
    void mouseUp(int x, int y, int button = 1);
    void mouseMove(int x, int y);
    void keyDown(int keyCode, int shift = 0);
    void textInput(const std::string& utf8);

    // Clicks a control directly, as a user would (hidden or disabled controls ignore it).
    void click(Control& c);

    // The frontmost shown, enabled control at a point that takes the mouse, or none.
    Control* controlAt(int x, int y) const;

    // Every control, in creation order, and in drawing order (back to front).
    const std::vector<Control*>& controls() const { return controls_; }
    std::vector<Control*> drawingOrder() const;
    Control* find(const std::string& name, int index = -1) const;

    // Redraw bookkeeping: set by any visible change, taken by the front end.
    void markDirty() { dirty_ = true; }
    bool takeDirty() {
        bool d = dirty_;
        dirty_ = false;
        return d;
    }

    // Registration, called by the controls' constructors and destructors.
    void registerControl(Control* c);
    void unregisterControl(Control* c);

private:
    void appendChildren(const Frame* container, std::vector<Control*>& out) const;
    Runtime& rt_;
    std::string name_;
    Color backColor_ = 0xC0C0C0;
    bool loaded_ = false;
    bool visible_ = false;
    bool dirty_ = true;
    Control* focus_ = nullptr;
    Control* pressed_ = nullptr;  // the control that took the mouse-down
    std::vector<Control*> controls_;
};

}  // namespace tk
