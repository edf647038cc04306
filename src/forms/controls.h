#pragma once
// The controls a form is built from. Each control keeps its design values and its live state;
// every read or write goes through the form first, so touching a control of an unloaded form
// loads that form (design values back, its load handler run) before the access goes on.
#include "forms/color.h"
#include "forms/picture.h"
#include "forms/platform.h"
#include "forms/timer_queue.h"

#include <cstdint>
#include <functional>
#include <string>

namespace forms {

class Form;
class Runtime;

using Event = std::function<void()>;
using KeyEvent = std::function<void(std::int16_t& keyAscii)>;
// The two control keys a text box reports as key codes of their own.
inline constexpr std::int16_t KeyBackspace = 8;
inline constexpr std::int16_t KeyEnter = 13;

enum class ControlKind {
    Label,
    Image,
    PictureBox,
    CommandButton,
    OptionButton,
    CheckBox,
    TextBox,
    Line,
    Menu,
    Timer,
    CommonDialog,
};

struct Font {
    std::string name;  // "" = the platform's default font
    double size = 0;   // points; 0 = default size
    bool bold = false;
    bool operator==(const Font&) const = default;
};

// Design values, written in a form's control table with designated initialisers.
// Positions and sizes are twips relative to the container; colours are BGR numbers.
struct Design {
    Control* container = nullptr;  // a panel (PictureBox) or, for a menu item, its menu
    int left = 0, top = 0, width = 0, height = 0;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Line
    std::string caption;                 // also the text of a TextBox
    Color foreColor = DefaultColor;
    Color backColor = DefaultColor;
    Picture picture, downPicture, disabledPicture;
    bool enabled = true;
    bool visible = true;
    int tabIndex = -1;
    bool tabStop = true;
    std::string toolTip;
    int value = 0;  // CheckBox 0/1; OptionButton 1 = selected
    int maxLength = 0;
    bool multiLine = false, locked = false, scrollBars = false;
    bool stretch = false;      // Image: picture stretched to the control
    bool border = false;       // single-line border
    bool autoSize = false;     // Label sizes itself to its text; PictureBox to its picture
    bool transparent = false;  // Label: the background shows through
    bool graphical = false;    // CommandButton / OptionButton show pictures
    bool isDefault = false, isCancel = false;
    std::string shortcut;  // Menu: "Ctrl+N", "F3"
    int interval = 0;      // Timer, milliseconds
    std::string filter;    // CommonDialog
    // Last, so that no table skips it on the way to a later field: GCC 12 at -O3 warns that
    // such a skipped font may be used uninitialised.
    Font font;
};

class Control {
public:
    Control(Form& form, std::string name, ControlKind kind);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }
    Form& form() const { return form_; }

    // Sets the design values; called once from the form's control table.
    void design(Design values);
    const Design& designValues() const { return design_; }

    bool enabled();
    virtual void setEnabled(bool on);
    bool visible();
    void setVisible(bool on);
    // Places the control (twips, in its container); a negative size is InvalidPropertyValue.
    void move(int left, int top, int width, int height);

    // The live state as the platform draws it, without loading the form.
    const Design& peek() const { return live_; }
    // A control the Tab key stops at whenever it is enabled and visible: a text box, button,
    // option or check box that is a tab stop and has a place in the order.
    bool takesTabFocus() const;

    // Run by the form when it loads and unloads.
    virtual void resetToDesign();
    virtual void discard() {}

protected:
    Design& live();  // loads the form when needed
    Runtime& runtime() const;
    // Tells the runtime and the platform that a property has just changed.
    void changed(Property what);
    template <class T>
    bool assign(T Design::*field, const T& value, Property what) {
        Design& state = live();
        if (state.*field == value) return false;
        state.*field = value;
        changed(what);
        return true;
    }

private:
    Form& form_;
    std::string name_;
    ControlKind kind_;
    Design design_;
    Design live_;
};

class Label : public Control {
public:
    Label(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Label) {}
    const std::string& caption() { return live().caption; }
    void setCaption(const std::string& text) { assign(&Design::caption, text, Property::Caption); }
    Color foreColor() { return live().foreColor; }
    void setForeColor(Color c) { assign(&Design::foreColor, c, Property::ForeColor); }
    void setFont(const Font& f) { assign(&Design::font, f, Property::Font); }
    Font font() { return live().font; }
    Event Click;
};

// Shared by Image and PictureBox: a control that shows a picture.
class PictureControl : public Control {
public:
    using Control::Control;
    Picture picture() { return live().picture; }
    void setPicture(const Picture& p) { assign(&Design::picture, p, Property::Picture); }
    Event Click;
};

class Image : public PictureControl {
public:
    Image(Form& form, std::string name)
        : PictureControl(form, std::move(name), ControlKind::Image) {}
};

// A PictureBox also serves as a panel that holds other controls.
class PictureBox : public PictureControl {
public:
    PictureBox(Form& form, std::string name)
        : PictureControl(form, std::move(name), ControlKind::PictureBox) {}
};

class CommandButton : public Control {
public:
    CommandButton(Form& form, std::string name)
        : Control(form, std::move(name), ControlKind::CommandButton) {}
    const std::string& caption() { return live().caption; }
    void setCaption(const std::string& text) { assign(&Design::caption, text, Property::Caption); }
    void setPicture(const Picture& p) { assign(&Design::picture, p, Property::Picture); }
    void setDownPicture(const Picture& p) { assign(&Design::downPicture, p, Property::Picture); }
    void setDisabledPicture(const Picture& p) {
        assign(&Design::disabledPicture, p, Property::Picture);
    }
    void setFont(const Font& f) { assign(&Design::font, f, Property::Font); }
    Event Click;
};

// Selecting an option clears the other options of its container and raises its Click.
class OptionButton : public Control {
public:
    OptionButton(Form& form, std::string name)
        : Control(form, std::move(name), ControlKind::OptionButton) {}
    bool value() { return live().value != 0; }
    void setValue(bool selected);
    void setPicture(const Picture& p) { assign(&Design::picture, p, Property::Picture); }
    Event Click;
    Event GotFocus;
};

class CheckBox : public Control {
public:
    CheckBox(Form& form, std::string name)
        : Control(form, std::move(name), ControlKind::CheckBox) {}
    int value() { return live().value; }
    void setValue(int v);
    Event Click;
};

class TextBox : public Control {
public:
    TextBox(Form& form, std::string name) : Control(form, std::move(name), ControlKind::TextBox) {}
    const std::string& text() { return live().caption; }
    // An assignment from code raises Change when the text differs and leaves the caret at 0.
    void setText(const std::string& text);
    int selStart() {
        live();
        return selStart_;
    }
    int maxLength() { return live().maxLength; }
    void setFont(const Font& f) { assign(&Design::font, f, Property::Font); }
    void setForeColor(Color c) { assign(&Design::foreColor, c, Property::ForeColor); }
    // The user edited the text in place: the platform reports the new text and caret.
    void userEdited(const std::string& text, int caret);
    void resetToDesign() override;
    Event Change;
    KeyEvent KeyPress;

private:
    int selStart_ = 0;
};

class Line : public Control {
public:
    Line(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Line) {}
};

// A menu title (no container) or a menu item (container = its menu). A disabled menu disables
// its items and their shortcut keys.
class Menu : public Control {
public:
    Menu(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Menu) {}
    const std::string& caption() { return live().caption; }
    const std::string& shortcut() const { return peek().shortcut; }
    Menu* parentMenu() const;
    // Enabled and visible together with every menu above it.
    bool reachable() const;
    Event Click;
};

// A timer of the runtime's one ordered queue. Switching on a timer that is already on leaves its
// schedule alone; the next tick is due one interval after the end of the last one.
class Timer : public Control {
public:
    Timer(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Timer) {}
    ~Timer() override;
    void setInterval(int ms);
    void setEnabled(bool on) override;
    void resetToDesign() override;
    void discard() override;
    Event Tick;

private:
    friend class TimerQueue;
    friend class Runtime;
    bool scheduled_ = false;
    long long due_ = 0;
    long long since_ = 0;
    unsigned long long order_ = 0;
    TimerQueue::Node spareNode_;
    unsigned long long asleepIn_ = 0;  // the runtime's state count it sleeps in; 0: awake
};

// The open and save dialog for files, with a "description|pattern|..." filter.
// After a cancel FileName is empty.
class CommonDialog : public Control {
public:
    CommonDialog(Form& form, std::string name)
        : Control(form, std::move(name), ControlKind::CommonDialog) {}
    const std::string& fileName() { return live().caption; }
    void setFileName(const std::string& path);
    const std::string& filter() { return live().filter; }
    void ShowOpen();
    void ShowSave();

private:
    void showDialog(bool save);
};

}  // namespace forms
