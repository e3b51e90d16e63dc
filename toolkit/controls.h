// The controls of a window, with the property names and units the game's code
// uses: positions and sizes in twips (15 to a pixel), colours as 24-bit
// blue-green-red values (0xFF is red), font sizes in points.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/prop.h"

namespace tk {

using Color = std::uint32_t;
class Window;
class Frame;

enum class Kind { Label, Image, Shape, Frame, CommandButton, TextBox, Timer, DirListBox, SoundChannel };

struct MouseArgs {
    int Button = 1;  // 1 left, 2 right, 4 middle
    int Shift = 0;
    int X = 0;  // twips, relative to the control
    int Y = 0;
};

// Key codes the game uses.
enum KeyCode : int {
    vbKeyBack = 8,
    vbKeyReturn = 13,
    vbKeyEscape = 27,
    vbKeyEnd = 35,
    vbKeyHome = 36,
    vbKeyLeft = 37,
    vbKeyRight = 39,
    vbKeyDelete = 46,
    vbKeyA = 65,
    vbKeyV = 86,
};

// The shift state of a key: any of these added together.
enum ShiftMask : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

class Control {
public:
    Control(Window& window, Kind kind, std::string name, int index);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    Window& window() const { return window_; }
    Kind kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    int Index() const { return index_; }  // -1 outside a control array
    std::string qualifiedName() const;    // "lblCaselle(3)" or "lblSpiegazioni"

    Prop<int> Left{this, 0};
    Prop<int> Top{this, 0};
    Prop<int> Width{this, 0};
    Prop<int> Height{this, 0};
    Prop<bool> Visible{this, true};
    Prop<bool> Enabled{this, true};
    Prop<Color> BackColor{this, 0xFFFFFF};
    Prop<Color> ForeColor{this, 0x000000};
    Prop<int> BorderStyle{this, 0};  // 0 none, 1 single line
    Prop<std::string> Caption{this, std::string{}};
    // Font, for the controls that show text.
    Prop<std::string> FontName{this, std::string{"Arial"}};
    Prop<double> FontSize{this, 8.25};
    Prop<bool> FontBold{this, false};
    Prop<bool> FontItalic{this, false};
    Prop<bool> FontUnderline{this, false};
    Prop<int> Alignment{this, 0};  // 0 left, 1 right, 2 centre

    // The frame that holds this control (positions are relative to it), or none.
    Frame* Container = nullptr;

    // Places the control (twips); a negative value keeps that coordinate.
    void Move(int left, int top = -1, int width = -1, int height = -1);

    // Events, with the element's index (-1 outside an array).
    std::function<void(int)> onClick;
    std::function<void(int, const MouseArgs&)> onMouseDown, onMouseUp, onMouseMove;
    std::function<void(int, int keyCode, int shift)> onKeyDown;

    bool handlesMouse() const { return onClick || onMouseDown || onMouseUp || onMouseMove; }
    // Visible itself and every frame around it visible.
    bool shown() const;
    // Position on the window, in twips.
    int absLeft() const;
    int absTop() const;

    // Called for every property write; `changed` is false when the value stayed.
    virtual void propertySet(const void* prop, bool changed);

private:
    Window& window_;
    Kind kind_;
    std::string name_;
    int index_;
};

// A text on the window. BackStyle 0 transparent, 1 opaque.
class Label : public Control {
public:
    Label(Window& w, std::string name, int index = -1);
    Prop<int> BackStyle{this, 1};
    Prop<bool> WordWrap{this, true};
};

// A picture stretched to the control. Picture holds the real path of the file, or "" for none.
class Image : public Control {
public:
    Image(Window& w, std::string name, int index = -1);
    Prop<std::string> Picture{this, std::string{}};
};

// 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle, 5 rounded square.
class Shape : public Control {
public:
    Shape(Window& w, std::string name, int index = -1);
    Prop<int> ShapeKind{this, 0};
    Prop<int> BackStyle{this, 0};  // 0 transparent, 1 opaque (filled with BackColor)
    Prop<int> FillStyle{this, 1};  // 0 solid (filled with FillColor), 1 transparent
    Prop<Color> FillColor{this, 0x000000};
    Prop<Color> BorderColor{this, 0x000000};
    Prop<int> BorderWidth{this, 1};  // pixels
    // BorderStyle of a shape: 0 no border, 1 solid (the default).
};

// A container: its controls lie relative to it and are hidden with it.
class Frame : public Control {
public:
    Frame(Window& w, std::string name, int index = -1);
};

// A button. Style 1 (graphical) paints its face with BackColor. Enter presses the
// focused button, or else the window's Default button.
class CommandButton : public Control {
public:
    CommandButton(Window& w, std::string name, int index = -1);
    Prop<int> Style{this, 0};
    Prop<bool> Default{this, false};
    Prop<int> TabIndex{this, 0};
};

// A text box: single-line and editable, or multi-line and read-only with a scroll bar.
// An editable box edits at its caret. The selection is counted in characters:
// SelStart characters lie before it and SelLength in it (0: only the caret); the
// caret stands at one of its ends. Taking the focus selects the whole text.
class TextBox : public Control {
public:
    TextBox(Window& w, std::string name, int index = -1);
    Prop<std::string> Text{this, std::string{}};
    Prop<bool> MultiLine{this, false};
    Prop<int> ScrollBars{this, 0};  // 0 none, 2 vertical
    Prop<bool> Locked{this, false};
    Prop<int> MaxLength{this, 0};  // 0 no limit (characters)
    int scrollTop = 0;             // first line shown (pixels), kept by the front end

    int SelStart() const { return std::min(anchor_, caret_); }
    int SelLength() const { return std::abs(caret_ - anchor_); }
    std::string SelText() const;
    // Puts the caret at a place in the text (kept within it), with nothing selected.
    void setSelStart(int start);
    // Selects this many characters from SelStart (kept within the text); the caret goes to their end.
    void setSelLength(int length);
    void selectAll();
    // Where the caret stands, in characters from the start.
    int caret() const { return caret_; }

    // Typing and pasting replace the selection with the text. A character a data file
    // cannot hold (one outside the 8-bit code page, a control character or a double
    // quote), or one beyond MaxLength, is left out and onRefused tells so; the rest goes
    // in. True when every character went in.
    bool typeText(const std::string& utf8);
    bool paste(const std::string& utf8) { return typeText(utf8); }
    // The editing keys: Left, Right, Home and End move the caret (with Shift they stretch
    // the selection), Backspace and Delete remove the selection or the character before
    // or after the caret, Ctrl+A selects everything and Ctrl+V pastes the clipboard.
    // False for any other key.
    bool editKey(int keyCode, int shift);

    // A typed or pasted character could not be stored.
    std::function<void(int)> onRefused;

    void propertySet(const void* prop, bool changed) override;

private:
    bool editable() const { return !Locked && Enabled; }
    void moveCaret(int to, bool extend);
    void removeSelection();
    int anchor_ = 0;  // the fixed end of the selection
    int caret_ = 0;
};

// A timer: see timers.h for what Interval and Enabled do.
class Timer : public Control {
public:
    Timer(Window& w, std::string name, int index = -1);
    ~Timer() override;
    Prop<int> Interval{this, 0};
    std::function<void(int)> onTimer;
    void propertySet(const void* prop, bool changed) override;
    // Scheduler state.
    std::int64_t due = 0;
};

// The directory list: its Path is the current directory when the window is created.
class DirListBox : public Control {
public:
    DirListBox(Window& w, std::string name, int index = -1);
    Prop<std::string> Path{this, std::string{}};
};

// A sound channel driven by command strings: "Open", "Prev", "Play", "Close";
// any other string is ignored. Mode is 524 while closed, 526 while playing and
// 525 once the piece has played to its end (or was never started).
class SoundChannel : public Control {
public:
    SoundChannel(Window& w, std::string name, int index = -1);
    Prop<std::string> FileName{this, std::string{}};

    class CommandProp {
    public:
        explicit CommandProp(SoundChannel& c) : c_(c) {}
        CommandProp& operator=(const std::string& cmd) {
            c_.command(cmd);
            return *this;
        }

    private:
        SoundChannel& c_;
    } Command{*this};

    class ModeProp {
    public:
        explicit ModeProp(const SoundChannel& c) : c_(c) {}
        operator int() const { return c_.mode(); }

    private:
        const SoundChannel& c_;
    } Mode{*this};

    void command(const std::string& cmd);
    int mode() const;

private:
    int channel_;
    bool open_ = false;
};

// A control array: elements by the indices the design gives (from 0 or 1, gaps allowed).
template <class C>
class ControlArray {
public:
    ControlArray(Window& w, std::string name, int first, int last) : name_(std::move(name)) {
        for (int i = first; i <= last; ++i) add(w, i);
    }
    ControlArray(Window& w, std::string name, std::initializer_list<int> indices) : name_(std::move(name)) {
        for (int i : indices) add(w, i);
    }
    C& operator()(int i) { return at(i); }
    const C& operator()(int i) const { return at(i); }
    C& operator[](int i) { return at(i); }
    bool exists(int i) const { return items_.count(i) != 0; }
    int LBound() const { return items_.begin()->first; }
    int UBound() const { return items_.rbegin()->first; }
    std::size_t size() const { return items_.size(); }
    const std::string& Name() const { return name_; }

    // Calls f on every element, in index order; the setters below give every element the same event.
    template <class F>
    void forEach(F f) {
        for (auto& [i, c] : items_) f(*c);
    }
    void setOnClick(const std::function<void(int)>& h) {
        forEach([&](C& c) { c.onClick = h; });
    }
    void setOnMouseDown(const std::function<void(int, const MouseArgs&)>& h) {
        forEach([&](C& c) { c.onMouseDown = h; });
    }
    void setOnMouseUp(const std::function<void(int, const MouseArgs&)>& h) {
        forEach([&](C& c) { c.onMouseUp = h; });
    }
    void setOnMouseMove(const std::function<void(int, const MouseArgs&)>& h) {
        forEach([&](C& c) { c.onMouseMove = h; });
    }

private:
    void add(Window& w, int i) { items_.emplace(i, std::make_unique<C>(w, name_, i)); }
    C& at(int i) const;
    std::string name_;
    std::map<int, std::unique_ptr<C>> items_;
};

[[noreturn]] void badIndex(const std::string& name, int index);

template <class C>
C& ControlArray<C>::at(int i) const {
    auto it = items_.find(i);
    if (it == items_.end()) badIndex(name_, i);
    return *it->second;
}

// The picture of a file (paths as for resolvePath): its real path, or "" for the
// empty picture. An empty name gives the empty picture; a missing file too, with
// one line on the standard error output.
std::string LoadPicture(const std::string& mixedPath);

}  // namespace tk
