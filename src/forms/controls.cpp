#include "forms/controls.h"

#include "forms/errors.h"
#include "forms/form.h"
#include "forms/runtime.h"

namespace forms {

Control::Control(Form& form, std::string name, ControlKind kind)
    : form_(form), name_(std::move(name)), kind_(kind) {
    form_.addControl(this);
}

void Control::design(Design values) {
    design_ = std::move(values);
    live_ = design_;
}

Design& Control::live() {
    form_.touch();
    return live_;
}

Runtime& Control::runtime() const { return form_.runtime(); }

void Control::changed(Property what) {
    runtime().noteChange();
    if (form_.isLoaded()) runtime().platform().controlChanged(*this, what);
}

void Control::resetToDesign() { live_ = design_; }

bool Control::enabled() { return live().enabled; }
void Control::setEnabled(bool on) { assign(&Design::enabled, on, Property::Enabled); }
bool Control::takesTabFocus() const {
    const bool focusable = kind_ == ControlKind::TextBox || kind_ == ControlKind::CommandButton ||
                           kind_ == ControlKind::OptionButton || kind_ == ControlKind::CheckBox;
    return focusable && live_.tabStop && live_.tabIndex >= 0;
}

bool Control::visible() { return live().visible; }
void Control::setVisible(bool on) { assign(&Design::visible, on, Property::Visible); }

void Control::move(int left, int top, int width, int height) {
    if (width < 0 || height < 0) {
        throw RuntimeError(ErrorCode::InvalidPropertyValue, "Invalid property value");
    }
    Design& state = live();
    if (state.left == left && state.top == top && state.width == width && state.height == height) {
        return;
    }
    state.left = left;
    state.top = top;
    state.width = width;
    state.height = height;
    changed(Property::Geometry);
}

// ---- OptionButton -----------------------------------------------------------------------

void OptionButton::setValue(bool selected) {
    if (!selected) {
        assign(&Design::value, 0, Property::Value);
        return;
    }
    const bool wasSelected = value();
    for (Control* other : form().controls()) {
        if (other != this && other->kind() == ControlKind::OptionButton &&
            other->peek().container == peek().container) {
            static_cast<OptionButton*>(other)->assign(&Design::value, 0, Property::Value);
        }
    }
    assign(&Design::value, 1, Property::Value);
    // Selecting an option raises its Click, also from code; selecting it again does not.
    if (!wasSelected && Click) Click();
}

// ---- CheckBox ---------------------------------------------------------------------------

void CheckBox::setValue(int v) {
    if (assign(&Design::value, v, Property::Value) && Click) Click();
}

// ---- TextBox ----------------------------------------------------------------------------

void TextBox::setText(const std::string& text) {
    if (selStart_ != 0) runtime().noteChange();
    selStart_ = 0;
    if (assign(&Design::caption, text, Property::Text) && Change) Change();
}

void TextBox::userEdited(const std::string& text, int caret) {
    runtime().noteChange();  // input, also when it only moved the caret
    selStart_ = caret;
    if (assign(&Design::caption, text, Property::Text) && Change) {
        runtime().raise(Change, name() + "_Change");
    }
}

void TextBox::resetToDesign() {
    Control::resetToDesign();
    selStart_ = 0;
}

// ---- Menu -------------------------------------------------------------------------------

Menu* Menu::parentMenu() const {
    Control* parent = peek().container;
    return parent && parent->kind() == ControlKind::Menu ? static_cast<Menu*>(parent) : nullptr;
}

bool Menu::reachable() const {
    for (const Menu* m = this; m; m = m->parentMenu()) {
        if (!m->peek().enabled || !m->peek().visible) return false;
    }
    return true;
}

// ---- Timer ------------------------------------------------------------------------------

Timer::~Timer() { runtime().timers().cancel(*this); }

void Timer::setInterval(int ms) {
    if (!assign(&Design::interval, ms, Property::Value)) return;
    // A new interval starts counting afresh.
    if (peek().enabled) runtime().armTimer(*this);
}

void Timer::setEnabled(bool on) {
    if (!assign(&Design::enabled, on, Property::Enabled)) return;
    if (on) {
        runtime().armTimer(*this);
    } else {
        runtime().disarmTimer(*this);
    }
}

void Timer::resetToDesign() {
    Control::resetToDesign();
    runtime().disarmTimer(*this);
    if (peek().enabled) runtime().armTimer(*this);
}

void Timer::discard() { runtime().disarmTimer(*this); }

// ---- CommonDialog -----------------------------------------------------------------------

void CommonDialog::ShowOpen() { showDialog(false); }
void CommonDialog::ShowSave() { showDialog(true); }

void CommonDialog::setFileName(const std::string& path) {
    Design& state = live();
    if (state.caption == path) return;
    runtime().noteChange();
    state.caption = path;
}

void CommonDialog::showDialog(bool save) {
    FileDialogRequest request{save, filter(), fileName()};
    setFileName(runtime().fileDialog(request).value_or(""));
}

}  // namespace forms
