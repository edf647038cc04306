#pragma once
// A window-level or module-level variable. It reads and writes like the plain value it holds
// (`PlayerTurn = 1`, `if (PlayerTurn == 2)`, `++Player1Score`), and tells the runtime when a
// write changes it, so that a timer asleep on the old state wakes (see Runtime::noteChange).
#include "forms/form.h"
#include "forms/runtime.h"

#include <ostream>
#include <utility>

namespace forms {

template <class T>
class Variable {
public:
    explicit Variable(Runtime& runtime, T initial = T{})
        : runtime_(runtime), value_(std::move(initial)) {}
    explicit Variable(Form& form, T initial = T{}) : Variable(form.runtime(), std::move(initial)) {}
    Variable(const Variable&) = delete;

    operator const T&() const { return value_; }
    const T& get() const { return value_; }
    const T* operator->() const { return &value_; }

    Variable& operator=(const T& value) {
        if (!(value_ == value)) {
            runtime_.noteChange();
            value_ = value;
        }
        return *this;
    }
    Variable& operator=(const Variable& other) { return *this = other.value_; }

    Variable& operator++() { return *this = static_cast<T>(value_ + 1); }
    Variable& operator--() { return *this = static_cast<T>(value_ - 1); }
    Variable& operator+=(const T& step) { return *this = static_cast<T>(value_ + step); }
    Variable& operator-=(const T& step) { return *this = static_cast<T>(value_ - step); }

    friend std::ostream& operator<<(std::ostream& out, const Variable& v) {
        return out << v.value_;
    }

private:
    Runtime& runtime_;
    T value_;
};

}  // namespace forms
