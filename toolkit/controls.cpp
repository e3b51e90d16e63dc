#include "toolkit/controls.h"

#include <cctype>
#include <climits>
#include <stdexcept>

#include "toolkit/audio.h"
#include "toolkit/log.h"
#include "toolkit/paths.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"
#include "toolkit/window.h"

namespace tk {

void notifyPropertySet(Control* owner, const void* prop, bool changed) {
    if (owner) owner->propertySet(prop, changed);
}

void badIndex(const std::string& name, int index) {
    throw std::out_of_range("control array " + name + " has no element " + std::to_string(index));
}

Control::Control(Window& window, Kind kind, std::string name, int index)
    : window_(window), kind_(kind), name_(std::move(name)), index_(index) {
    window_.registerControl(this);
}

std::string Control::qualifiedName() const { return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")"; }

void Control::propertySet(const void*, bool changed) {
    if (changed) window_.markDirty();
}

void Control::Move(int left, int top, int width, int height) {
    if (left >= 0) Left = left;
    if (top >= 0) Top = top;
    if (width >= 0) Width = width;
    if (height >= 0) Height = height;
}

bool Control::shown() const {
    for (const Control* c = this; c; c = c->Container)
        if (!c->Visible) return false;
    return true;
}

int Control::absLeft() const {
    int x = Left;
    for (const Control* c = Container; c; c = c->Container) x += c->Left;
    return x;
}

int Control::absTop() const {
    int y = Top;
    for (const Control* c = Container; c; c = c->Container) y += c->Top;
    return y;
}

Label::Label(Window& w, std::string name, int index) : Control(w, Kind::Label, std::move(name), index) {}

Image::Image(Window& w, std::string name, int index) : Control(w, Kind::Image, std::move(name), index) {}

Shape::Shape(Window& w, std::string name, int index) : Control(w, Kind::Shape, std::move(name), index) {
    BorderStyle = 1;
}

Frame::Frame(Window& w, std::string name, int index) : Control(w, Kind::Frame, std::move(name), index) {
    BorderStyle = 1;
}

CommandButton::CommandButton(Window& w, std::string name, int index)
    : Control(w, Kind::CommandButton, std::move(name), index) {
    BackColor = 0xC0C0C0;
}

TextBox::TextBox(Window& w, std::string name, int index) : Control(w, Kind::TextBox, std::move(name), index) {
    BorderStyle = 1;
}

namespace {
// The characters of a UTF-8 text, each with the bytes that follow it.
std::vector<std::string> characters(const std::string& s) {
    std::vector<std::string> out;
    for (char ch : s) {
        if (out.empty() || (static_cast<unsigned char>(ch) & 0xC0) != 0x80) out.emplace_back();
        out.back() += ch;
    }
    return out;
}

bool storable(const std::string& ch) {
    unsigned char first = static_cast<unsigned char>(ch[0]);
    if (first < 0x20 || first == 0x7F) return false;  // line breaks, tabs and other controls
    if (ch == "\"") return false;                     // a data file's text ends at a double quote
    return fitsCp1252(ch);
}
}  // namespace

std::string TextBox::SelText() const {
    const std::string& t = Text;
    std::size_t from = byteOfCharacter(t, SelStart());
    return t.substr(from, byteOfCharacter(t, SelStart() + SelLength()) - from);
}

void TextBox::setSelStart(int start) {
    anchor_ = caret_ = std::clamp(start, 0, characterCount(Text));
    window().markDirty();
}

void TextBox::setSelLength(int length) {
    anchor_ = SelStart();
    caret_ = std::clamp(anchor_ + length, anchor_, characterCount(Text));
    window().markDirty();
}

void TextBox::selectAll() {
    anchor_ = 0;
    caret_ = characterCount(Text);
    window().markDirty();
}

void TextBox::moveCaret(int to, bool extend) {
    caret_ = std::clamp(to, 0, characterCount(Text));
    if (!extend) anchor_ = caret_;
    window().markDirty();
}

void TextBox::removeSelection() {
    if (SelLength() == 0) return;
    const int start = SelStart();
    std::string t = Text;
    std::size_t from = byteOfCharacter(t, start);
    t.erase(from, byteOfCharacter(t, start + SelLength()) - from);
    Text = t;
    anchor_ = caret_ = start;
}

bool TextBox::typeText(const std::string& utf8) {
    if (!editable()) return false;
    const int room = MaxLength > 0 ? MaxLength - (characterCount(Text) - SelLength()) : INT_MAX;
    std::string taken;
    int count = 0;
    bool refused = false;
    for (const std::string& ch : characters(utf8)) {
        if (!storable(ch) || count >= room) {
            refused = true;
            continue;
        }
        taken += ch;
        ++count;
    }
    if (count > 0) {
        removeSelection();
        std::string t = Text;
        t.insert(byteOfCharacter(t, caret_), taken);
        Text = t;
        anchor_ = caret_ = caret_ + count;
    }
    if (refused && onRefused) onRefused(Index());
    return !refused;
}

bool TextBox::editKey(int keyCode, int shift) {
    if (!editable()) return false;
    const bool extend = (shift & vbShiftMask) != 0;
    const bool ctrl = (shift & vbCtrlMask) != 0;
    switch (keyCode) {
        case vbKeyLeft: moveCaret(SelLength() > 0 && !extend ? SelStart() : caret_ - 1, extend); return true;
        case vbKeyRight:
            moveCaret(SelLength() > 0 && !extend ? SelStart() + SelLength() : caret_ + 1, extend);
            return true;
        case vbKeyHome: moveCaret(0, extend); return true;
        case vbKeyEnd: moveCaret(characterCount(Text), extend); return true;
        case vbKeyBack:
        case vbKeyDelete:
            if (SelLength() == 0) {
                // Nothing selected: the character before (Backspace) or after (Delete) the caret.
                if (keyCode == vbKeyBack && caret_ > 0) anchor_ = caret_ - 1;
                if (keyCode == vbKeyDelete) anchor_ = std::min(caret_ + 1, characterCount(Text));
            }
            removeSelection();
            window().markDirty();
            return true;
        case vbKeyA:
            if (!ctrl) return false;
            selectAll();
            return true;
        case vbKeyV: {
            if (!ctrl) return false;
            const auto& clipboard = window().runtime().clipboardText;
            if (clipboard) paste(clipboard());
            return true;
        }
        default: return false;
    }
}

void TextBox::propertySet(const void* prop, bool changed) {
    // A new text keeps the caret and the selection within it.
    if (prop == &Text) {
        const int n = characterCount(Text);
        anchor_ = std::min(anchor_, n);
        caret_ = std::min(caret_, n);
    }
    Control::propertySet(prop, changed);
}

Timer::Timer(Window& w, std::string name, int index) : Control(w, Kind::Timer, std::move(name), index) {
    Enabled = false;  // every timer is off at design
    w.runtime().timers.add(this);
}

Timer::~Timer() { window().runtime().timers.remove(this); }

void Timer::propertySet(const void* prop, bool changed) {
    // Setting the interval always restarts the count; switching the timer on starts it.
    if (prop == &Interval || (prop == &Enabled && changed && Enabled)) window().runtime().timers.rearm(this);
}

DirListBox::DirListBox(Window& w, std::string name, int index) : Control(w, Kind::DirListBox, std::move(name), index) {
    Path = w.runtime().startDirectory;
}

SoundChannel::SoundChannel(Window& w, std::string name, int index)
    : Control(w, Kind::SoundChannel, std::move(name), index) {
    channel_ = w.runtime().audio.addChannel(qualifiedName());
}

namespace {
bool isMidi(const std::string& path) {
    auto dot = path.rfind('.');
    if (dot == std::string::npos) return false;
    std::string ext = path.substr(dot + 1);
    for (auto& ch : ext) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return ext == "mid" || ext == "midi";
}
}  // namespace

void SoundChannel::command(const std::string& cmd) {
    AudioBackend& audio = window().runtime().audio;
    if (cmd == "Open") {
        if (!open_) {
            audio.open(channel_, resolvePath(FileName), isMidi(FileName));
            open_ = true;
        }
    } else if (cmd == "Prev") {
        if (open_) audio.rewind(channel_);
    } else if (cmd == "Play") {
        if (open_) audio.play(channel_);
    } else if (cmd == "Close") {
        if (open_) audio.close(channel_);
        open_ = false;
    }
    // Any other command is ignored.
}

int SoundChannel::mode() const {
    if (!open_) return 524;
    return window().runtime().audio.playing(channel_) ? 526 : 525;
}

std::string LoadPicture(const std::string& mixedPath) {
    if (mixedPath.empty()) return {};
    std::string real = resolvePath(mixedPath);
    if (!pathExists(real)) {
        logMissingFile(real);
        return {};
    }
    return real;
}

}  // namespace tk
