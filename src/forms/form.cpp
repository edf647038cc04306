#include "forms/form.h"

#include "forms/runtime.h"

#include <algorithm>

namespace forms {

FrameMetrics frameMetrics(BorderStyle border, bool captionBar, bool hasMenu) {
    // The classic window frame in pixels: thin borders, a small title bar on tool windows, a
    // full one elsewhere, and one menu bar.
    int side = 0, caption = 0;
    switch (border) {
        case BorderStyle::None: side = 0; break;
        case BorderStyle::FixedSingle:
        case BorderStyle::FixedDialog:
        case BorderStyle::FixedToolWindow: side = 4; break;
        case BorderStyle::Sizable:
        case BorderStyle::SizableToolWindow: side = 5; break;
    }
    if (captionBar && border != BorderStyle::None) {
        const bool tool =
            border == BorderStyle::FixedToolWindow || border == BorderStyle::SizableToolWindow;
        caption = tool ? 17 : 19;
    }
    const int menu = hasMenu ? 20 : 0;
    return FrameMetrics{side * TwipsPerPixel, side * TwipsPerPixel,
                        (side + caption + menu) * TwipsPerPixel, side * TwipsPerPixel};
}

Form::Form(Runtime& runtime, std::string name) : runtime_(runtime), name_(std::move(name)) {
    runtime_.registerForm(*this);
}

Form::~Form() { runtime_.unregisterForm(*this); }

void Form::design(FormDesign values) {
    design_ = std::move(values);
    live_ = design_;
}

bool Form::hasMenu() const {
    return std::any_of(controls_.begin(), controls_.end(),
                       [](const Control* c) { return c->kind() == ControlKind::Menu; });
}

FrameMetrics Form::frame() const {
    return frameMetrics(design_.border, design_.captionBar, hasMenu());
}

Control* Form::control(const std::string& name) const {
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [&](const Control* c) { return c->name() == name; });
    return it == controls_.end() ? nullptr : *it;
}

void Form::removeControl(Control* c) { std::erase(controls_, c); }

void Form::setActiveControl(Control* c) {
    if (activeControl_ == c) return;
    runtime_.noteChange();
    activeControl_ = c;
}

// ---- Lifecycle --------------------------------------------------------------------------

void Form::touch() {
    if (!loaded_) load();
}

void Form::load() {
    if (loaded_) return;
    runtime_.throwIfEnded();
    runtime_.noteChange();
    // Marked loaded first: the load handler touches the form's own controls.
    loaded_ = true;
    shown_ = false;
    modal_ = false;
    topmost_ = false;
    activeControl_ = nullptr;
    placementPending_ = true;
    live_ = design_;
    const FrameMetrics f = frame();
    width_ = design_.clientWidth + f.left + f.right;
    height_ = design_.clientHeight + f.top + f.bottom;
    for (Control* c : controls_) c->resetToDesign();
    form_load();
}

void Form::show(ShowMode mode) {
    touch();
    if (mode == ShowMode::Modeless || shown_) {
        // A window already on screen is brought forward, never shown a second time.
        if (shown_) {
            runtime_.platform().bringToFront(*this);
        } else {
            runtime_.noteChange();
            shown_ = true;
            runtime_.platform().showForm(*this);
            runtime_.focusFirst(*this);
            Form_Resize();
        }
        return;
    }
    runtime_.noteChange();
    shown_ = true;
    modal_ = true;
    runtime_.platform().showForm(*this);
    runtime_.focusFirst(*this);
    Form_Resize();
    runtime_.runModal(*this);
}

void Form::hide() {
    touch();
    if (!shown_) return;
    runtime_.noteChange();
    shown_ = false;
    modal_ = false;
    runtime_.platform().hideForm(*this);
}

void Form::unload(UnloadMode cause) {
    if (!loaded_ || unloading_) return;
    int cancel = 0;
    unloading_ = true;
    try {
        Form_QueryUnload(cancel, static_cast<int>(cause));
    } catch (...) {
        unloading_ = false;
        throw;
    }
    unloading_ = false;
    if (cancel != 0) return;
    runtime_.noteChange();
    for (Control* c : controls_) c->discard();
    loaded_ = false;
    shown_ = false;
    modal_ = false;
    activeControl_ = nullptr;
    runtime_.platform().destroyForm(*this);
}

// ---- Properties -------------------------------------------------------------------------

const std::string& Form::caption() {
    touch();
    return live_.caption;
}

void Form::setCaption(const std::string& text) {
    touch();
    if (live_.caption == text) return;
    runtime_.noteChange();
    live_.caption = text;
    runtime_.platform().formChanged(*this, Property::Caption);
}

int Form::width() {
    touch();
    return width_;
}

void Form::setWidth(int twips) {
    touch();
    if (width_ == twips) return;
    runtime_.noteChange();
    width_ = twips;
    runtime_.platform().formChanged(*this, Property::Geometry);
    Form_Resize();
}

int Form::height() {
    touch();
    return height_;
}

void Form::setHeight(int twips) {
    touch();
    if (height_ == twips) return;
    runtime_.noteChange();
    height_ = twips;
    runtime_.platform().formChanged(*this, Property::Geometry);
    Form_Resize();
}

void Form::resizedByUser(int widthTwips, int heightTwips) {
    if (!loaded_ || (width_ == widthTwips && height_ == heightTwips)) return;
    // The window on screen has this size already, so the platform is not told of it again.
    runtime_.noteChange();
    width_ = widthTwips;
    height_ = heightTwips;
    Form_Resize();
}

int Form::clientWidth() {
    const FrameMetrics f = (touch(), frame());
    return std::max(0, width_ - f.left - f.right);
}

int Form::clientHeight() {
    const FrameMetrics f = (touch(), frame());
    return std::max(0, height_ - f.top - f.bottom);
}

Picture Form::picture() {
    touch();
    return live_.picture;
}

void Form::setPicture(const Picture& p) {
    touch();
    if (live_.picture == p) return;
    runtime_.noteChange();
    live_.picture = p;
    runtime_.platform().formChanged(*this, Property::Picture);
}

Color Form::backColor() {
    touch();
    return live_.backColor;
}

void Form::setBackColor(Color c) {
    touch();
    if (live_.backColor == c) return;
    runtime_.noteChange();
    live_.backColor = c;
    runtime_.platform().formChanged(*this, Property::BackColor);
}

void Form::makeTopmost() {
    touch();
    if (!topmost_) runtime_.noteChange();
    topmost_ = true;
    runtime_.platform().setTopmost(*this);
}

}  // namespace forms
