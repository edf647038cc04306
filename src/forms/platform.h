#pragma once
// What the runtime asks of a platform. The real one draws Qt windows; the virtual one in the
// tests keeps a clock the test advances and a scripted user.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace forms {

class Form;
class Control;

// Which property of a control or form changed, so that a view redraws only that.
enum class Property {
    Caption,
    Text,
    Enabled,
    Visible,
    Picture,
    ForeColor,
    BackColor,
    Value,
    Geometry,
    Font,
    ToolTip,
    Everything,
};

struct FileDialogRequest {
    bool save = false;
    std::string filter;       // "description|pattern|description|pattern|"
    std::string initialPath;  // a file name to start from, or ""
};

class Platform {
public:
    virtual ~Platform() = default;

    // Time. The runtime owns the timer queue and only asks to be woken at its next due time.
    virtual long long nowMs() = 0;
    virtual void wakeAt(long long dueMs) = 0;  // -1: nothing is due

    // Windows. A form's view is built from its control declarations.
    virtual void showForm(Form& form) = 0;
    virtual void hideForm(Form& form) = 0;
    virtual void destroyForm(Form& form) = 0;  // the form was unloaded
    virtual void bringToFront(Form& form) = 0;
    virtual void setTopmost(Form& form) = 0;
    virtual void formChanged(Form& form, Property what) = 0;
    virtual void controlChanged(Control& control, Property what) = 0;
    virtual void setFocus(Control& control) = 0;

    // Runs a nested event loop until `done` says so; timers keep firing inside it.
    virtual void runModal(Form& form, const std::function<bool()>& done) = 0;

    // Modal dialogs. Styles: 48 OK with an exclamation icon (returns 1), 52 Yes/No with an
    // exclamation icon (returns 6 or 7).
    virtual int messageBox(const std::string& text, int style, const std::string& title) = 0;
    virtual std::optional<std::string> fileDialog(const FileDialogRequest& request) = 0;

    // Services.
    virtual void playSound(const std::string& requested, const std::filesystem::path& file) = 0;
    virtual void launch(const std::string& commandLine, int windowStyle) = 0;
    virtual bool anotherInstanceRunning() = 0;
    virtual std::filesystem::path programFolder() = 0;

    // Stops the program at once. The real platform does not return; the virtual one records
    // the end and returns, and the runtime then unwinds every running handler.
    virtual void endProgram() = 0;
};

}  // namespace forms
