#include "toolkit/controls.h"

#include <cctype>
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

std::string Control::qualifiedName() const {
    return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

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
std::size_t utf8Length(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char ch : s)
        if ((ch & 0xC0) != 0x80) ++n;
    return n;
}
}  // namespace

bool TextBox::typeText(const std::string& utf8) {
    if (Locked || !Enabled) return false;
    if (!fitsCp1252(utf8)) return false;
    if (MaxLength > 0 && utf8Length(Text.get()) + utf8Length(utf8) > static_cast<std::size_t>(MaxLength.get()))
        return false;
    Text = Text.get() + utf8;
    return true;
}

void TextBox::backspace() {
    if (Locked || !Enabled) return;
    std::string t = Text;
    if (t.empty()) return;
    std::size_t i = t.size() - 1;
    while (i > 0 && (static_cast<unsigned char>(t[i]) & 0xC0) == 0x80) --i;
    t.erase(i);
    Text = t;
}

Timer::Timer(Window& w, std::string name, int index) : Control(w, Kind::Timer, std::move(name), index) {
    Enabled = false;  // every timer is off at design
    w.runtime().timers.add(this);
}

Timer::~Timer() { window().runtime().timers.remove(this); }

void Timer::propertySet(const void* prop, bool changed) {
    // Setting the interval always restarts the count; switching the timer on starts it.
    if (prop == &Interval || (prop == &Enabled && changed && Enabled))
        window().runtime().timers.rearm(this);
}

DirListBox::DirListBox(Window& w, std::string name, int index)
    : Control(w, Kind::DirListBox, std::move(name), index) {
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
