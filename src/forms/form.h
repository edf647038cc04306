#pragma once
// A window of the program: one instance for the whole run. Its plain member variables live as
// long as the program; its controls take their design values again at every load.
#include "forms/color.h"
#include "forms/controls.h"
#include "forms/picture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace forms {

class Runtime;

enum class BorderStyle {
    None,
    FixedSingle,
    Sizable,
    FixedDialog,      // dialog frame; with captionBar false it has no title bar at all
    FixedToolWindow,  // small title bar with a close box only, not resizable
    SizableToolWindow,
};

enum class ShowMode { Modeless = 0, Modal = 1 };

// Why a form is being unloaded, as its QueryUnload handler is told.
enum class UnloadMode { ClosedByUser = 0, ByCode = 1, WindowsShutdown = 2, TaskManager = 3 };

struct FormDesign {
    std::string caption;
    BorderStyle border = BorderStyle::FixedToolWindow;
    bool captionBar = true;  // false: no title bar (no caption, no close box)
    bool showInTaskbar = true;
    int clientWidth = 0, clientHeight = 0;  // twips, below the menu bar
    bool centred = true;                    // centred on the screen when shown after a load
    Color backColor = DefaultColor;
    Color foreColor = DefaultColor;
    Picture picture;  // background, drawn at its own size from the top left
    Picture icon;
};

// The classic frame around a window's client area, in twips, so that an outer size set by the
// program shows exactly the client area it meant to show.
struct FrameMetrics {
    int left, right, top, bottom;  // top includes the title bar and the menu bar
};
FrameMetrics frameMetrics(BorderStyle border, bool captionBar, bool hasMenu);

inline constexpr int TwipsPerPixel = 15;

class Form {
public:
    Form(Runtime& runtime, std::string name);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    const std::string& name() const { return name_; }
    Runtime& runtime() const { return runtime_; }

    // Lifecycle.
    void load();  // loads when not loaded; harmless otherwise
    void show(ShowMode mode = ShowMode::Modeless);
    void hide();
    void unload(UnloadMode cause = UnloadMode::ByCode);
    bool isLoaded() const { return loaded_; }
    bool isShown() const { return shown_; }
    bool isShownModal() const { return shown_ && modal_; }

    // Properties. Width and height are the outer size in twips, frame and menu bar included.
    const std::string& caption();
    void setCaption(const std::string& text);
    int width();
    void setWidth(int twips);
    int height();
    void setHeight(int twips);
    int clientWidth();
    int clientHeight();
    Picture picture();
    void setPicture(const Picture& p);
    Color backColor();
    void setBackColor(Color c);
    bool topmost() const { return topmost_; }
    void makeTopmost();  // keeps the window above others; a hidden window stays hidden
    // The user dragged the window's frame to this outer size (twips); Form_Resize follows.
    void resizedByUser(int widthTwips, int heightTwips);

    const FormDesign& designValues() const { return design_; }
    const FormDesign& peek() const { return live_; }
    int peekWidth() const { return width_; }
    int peekHeight() const { return height_; }
    bool hasMenu() const;
    FrameMetrics frame() const;
    // True from a load until the platform has placed the window on screen once.
    bool placementPending() const { return placementPending_; }
    void placed() { placementPending_ = false; }

    const std::vector<Control*>& controls() const { return controls_; }
    Control* control(const std::string& name) const;
    Control* activeControl() const { return activeControl_; }
    void setActiveControl(Control* c);

    // Loads the form when it is not loaded; every control access goes through here.
    void touch();

protected:
    void design(FormDesign values);

    virtual void form_load() {}
    virtual void Form_QueryUnload(int& cancel, int unloadMode) {
        (void)cancel;
        (void)unloadMode;
    }
    // Runs when the window is first shown and whenever its outer size changes.
    virtual void Form_Resize() {}

    // Wires a control event to a handler of the derived form, once, in the form's constructor.
    template <class F>
    void on(Event& event, void (F::*handler)()) {
        F* self = static_cast<F*>(this);
        event = [self, handler] { (self->*handler)(); };
    }
    template <class F>
    void on(KeyEvent& event, void (F::*handler)(std::int16_t&)) {
        F* self = static_cast<F*>(this);
        event = [self, handler](std::int16_t& key) { (self->*handler)(key); };
    }

private:
    friend class Control;
    void addControl(Control* c) { controls_.push_back(c); }
    void removeControl(Control* c);

    Runtime& runtime_;
    std::string name_;
    FormDesign design_;
    FormDesign live_;
    int width_ = 0, height_ = 0;
    std::vector<Control*> controls_;
    Control* activeControl_ = nullptr;
    bool loaded_ = false;
    bool shown_ = false;
    bool modal_ = false;
    bool unloading_ = false;
    bool topmost_ = false;
    bool placementPending_ = false;
};

}  // namespace forms
