// A property of a control: reads like a plain value, and every write tells the
// owning control, so that the window knows it must be redrawn and a timer knows
// its count starts again.
#pragma once

#include <string>
#include <utility>

namespace tk {

class Control;

// Implemented by Control; declared here so Prop can call it without the full class.
void notifyPropertySet(Control* owner, const void* prop, bool changed);

template <class T>
class Prop {
public:
    explicit Prop(Control* owner, T initial = T{}) : owner_(owner), value_(std::move(initial)) {}
    Prop(const Prop&) = delete;

    Prop& operator=(const T& v) {
        bool changed = !(value_ == v);
        value_ = v;
        notifyPropertySet(owner_, this, changed);
        return *this;
    }
    Prop& operator=(const Prop& other) { return *this = other.value_; }

    operator const T&() const { return value_; }
    const T& get() const { return value_; }

    friend bool operator==(const Prop& a, const T& b) { return a.value_ == b; }
    friend bool operator==(const T& a, const Prop& b) { return a == b.value_; }
    friend bool operator!=(const Prop& a, const T& b) { return !(a.value_ == b); }
    friend bool operator!=(const T& a, const Prop& b) { return !(a == b.value_); }

private:
    Control* owner_;
    T value_;
};

// Text properties also compare with string literals and concatenate.
inline bool operator==(const Prop<std::string>& a, const char* b) { return a.get() == b; }
inline bool operator!=(const Prop<std::string>& a, const char* b) { return a.get() != b; }
inline std::string operator+(const Prop<std::string>& a, const std::string& b) { return a.get() + b; }
inline std::string operator+(const std::string& a, const Prop<std::string>& b) { return a + b.get(); }
inline std::string operator+(const Prop<std::string>& a, const char* b) { return a.get() + b; }
inline std::string operator+(const char* a, const Prop<std::string>& b) { return a + b.get(); }

}  // namespace tk
