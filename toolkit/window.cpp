#include "toolkit/window.h"

#include <algorithm>

#include "toolkit/runtime.h"

namespace tk {

Window::Window(Runtime& rt, std::string name) : rt_(rt), name_(std::move(name)) {}

Window::~Window() {
    auto& ws = rt_.windows;
    ws.erase(std::remove(ws.begin(), ws.end(), this), ws.end());
}

void Window::setBackColor(Color c) {
    if (c != backColor_) markDirty();
    backColor_ = c;
}

void Window::registerControl(Control* c) { controls_.push_back(c); }

void Window::unregisterControl(Control* c) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    if (focus_ == c) focus_ = nullptr;
    if (pressed_ == c) pressed_ = nullptr;
}

void Window::Load() {
    if (loaded_) return;
    loaded_ = true;
    rt_.windows.push_back(this);
    Form_Load();
}

void Window::Show() {
    Load();
    visible_ = true;
    // The shown window goes to the front.
    auto& ws = rt_.windows;
    ws.erase(std::remove(ws.begin(), ws.end(), this), ws.end());
    ws.push_back(this);
    markDirty();
}

void Window::Hide() {
    visible_ = false;
    markDirty();
}

void Window::Unload() {
    if (!loaded_) return;
    Form_Unload();
    loaded_ = false;
    visible_ = false;
    // Timers of an unloaded window stop.
    for (Control* c : controls_)
        if (c->kind() == Kind::Timer) static_cast<Timer*>(c)->Enabled = false;
    auto& ws = rt_.windows;
    ws.erase(std::remove(ws.begin(), ws.end(), this), ws.end());
}

void Window::SetFocus(Control& c) {
    if (focus_ == &c) return;
    markDirty();
    focus_ = &c;
    // A text box taking the focus selects its whole text, so that typing replaces it.
    if (c.kind() == Kind::TextBox) static_cast<TextBox&>(c).selectAll();
}

namespace {
bool isHeavy(Kind k) {
    return k == Kind::Frame || k == Kind::CommandButton || k == Kind::TextBox || k == Kind::DirListBox;
}
bool isDrawable(Kind k) { return k != Kind::Timer && k != Kind::SoundChannel; }
}  // namespace

void Window::appendChildren(const Frame* container, std::vector<Control*>& out) const {
    for (int pass = 0; pass < 2; ++pass) {
        for (Control* c : controls_) {
            if (c->Container != container || !isDrawable(c->kind())) continue;
            if (isHeavy(c->kind()) != (pass == 1)) continue;
            out.push_back(c);
            if (c->kind() == Kind::Frame) appendChildren(static_cast<const Frame*>(c), out);
        }
    }
}

std::vector<Control*> Window::drawingOrder() const {
    std::vector<Control*> out;
    out.reserve(controls_.size());
    appendChildren(nullptr, out);
    return out;
}

Control* Window::find(const std::string& name, int index) const {
    for (Control* c : controls_)
        if (c->Name() == name && c->Index() == index) return c;
    return nullptr;
}

namespace {
bool inside(const Control& c, int x, int y) {
    int l = c.absLeft(), t = c.absTop();
    return x >= l && y >= t && x < l + c.Width && y < t + c.Height;
}
// A control is reachable when it and every frame around it are visible and enabled,
// and the point lies within every frame around it.
bool reachable(const Control& c, int x, int y) {
    for (const Control* p = &c; p; p = p->Container)
        if (!p->Visible || !p->Enabled || !inside(*p, x, y)) return false;
    return true;
}
}  // namespace

Control* Window::controlAt(int x, int y) const {
    auto order = drawingOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        Control* c = *it;
        if (!reachable(*c, x, y)) continue;
        // Shapes never take the mouse; light controls only when they handle it;
        // frames, buttons and text boxes always do, so nothing behind them is reached.
        if (c->kind() == Kind::Shape) continue;
        if (!isHeavy(c->kind()) && !c->handlesMouse()) continue;
        return c;
    }
    return nullptr;
}

namespace {
MouseArgs argsFor(const Control& c, int x, int y, int button) {
    MouseArgs a;
    a.Button = button;
    a.X = x - c.absLeft();
    a.Y = y - c.absTop();
    return a;
}
}  // namespace

void Window::mouseDown(int x, int y, int button) {
    Control* c = controlAt(x, y);
    pressed_ = c;
    if (!c) return;
    if (c->kind() == Kind::TextBox || c->kind() == Kind::CommandButton) SetFocus(*c);
    if (c->onMouseDown) c->onMouseDown(c->Index(), argsFor(*c, x, y, button));
}

void Window::mouseUp(int x, int y, int button) {
    Control* c = pressed_;
    pressed_ = nullptr;
    if (!c) return;
    // The control that took the press gets the release; a click needs the release over it.
    bool over = c->shown() && c->Enabled && reachable(*c, x, y);
    if (c->onMouseUp) c->onMouseUp(c->Index(), argsFor(*c, x, y, button));
    if (over && button == 1 && c->onClick && c->shown() && c->Enabled) c->onClick(c->Index());
}

void Window::mouseMove(int x, int y) {
    Control* c = pressed_ ? pressed_ : controlAt(x, y);
    if (c && c->onMouseMove) {
        c->onMouseMove(c->Index(), argsFor(*c, x, y, 0));
        return;
    }
    if (!c && onMouseMove) {
        MouseArgs a;
        a.X = x;
        a.Y = y;
        onMouseMove(a);
    }
}

void Window::click(Control& c) {
    if (!c.shown() || !c.Enabled) return;
    if (c.onMouseDown) c.onMouseDown(c.Index(), MouseArgs{});
    if (c.onMouseUp) c.onMouseUp(c.Index(), MouseArgs{});
    if (c.onClick && c.shown() && c.Enabled) c.onClick(c.Index());
}

void Window::keyDown(int keyCode, int shift) {
    // The window sees the key first when it previews keys.
    if (KeyPreview && onKeyDown) onKeyDown(keyCode, shift);
    Control* f = focus_;
    if (f && (!f->shown() || !f->Enabled)) f = nullptr;
    if (!f) {
        // The focus left a control that was hidden or disabled: it goes to the first
        // button in tab order that can take it.
        CommandButton* best = nullptr;
        for (Control* c : controls_) {
            if (c->kind() != Kind::CommandButton || !c->shown() || !c->Enabled) continue;
            auto* b = static_cast<CommandButton*>(c);
            if (!best || b->TabIndex < best->TabIndex) best = b;
        }
        f = best;
    }
    if (f && f->onKeyDown) f->onKeyDown(f->Index(), keyCode, shift);
    if (!KeyPreview && !f && onKeyDown) onKeyDown(keyCode, shift);
    if (keyCode == vbKeyReturn) {
        if (f && f->kind() == Kind::CommandButton) {
            if (f->onClick) f->onClick(f->Index());
            return;
        }
        for (Control* c : controls_) {
            if (c->kind() != Kind::CommandButton) continue;
            auto* b = static_cast<CommandButton*>(c);
            if (b->Default && b->Enabled && b->shown() && b->onClick) {
                b->onClick(b->Index());
                return;
            }
        }
    } else if (f && f->kind() == Kind::TextBox) {
        static_cast<TextBox*>(f)->editKey(keyCode, shift);
    }
}

void Window::textInput(const std::string& utf8) {
    Control* f = focus_;
    if (f && f->kind() == Kind::TextBox && f->shown()) static_cast<TextBox*>(f)->typeText(utf8);
}

}  // namespace tk
