#include "forms/runtime.h"

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/paths.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace forms {

Runtime::Runtime(Platform& platform) : platform_(platform), random_(0x7e55e1b7u) {}

// ---- Handlers ---------------------------------------------------------------------------

void Runtime::dispatch(const std::function<void()>& handler, std::string_view what) {
    run(handler, [what] { return std::string(what); });
}

void Runtime::run(const std::function<void()>& handler,
                  const std::function<std::string()>& describe) {
    if (ended_ || !handler) return;
    try {
        handler();
    } catch (const ProgramEnded&) {
        // The program has ended; every running handler unwinds to here.
    } catch (const RuntimeError& e) {
        std::fprintf(stderr, "tesselby: run-time error %d in %s: %s\n", e.number(),
                     describe().c_str(), e.what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tesselby: error in %s: %s\n", describe().c_str(), e.what());
    }
}

void Runtime::raise(const std::function<void()>& event, std::string_view what) {
    if (event) dispatch(event, what);
}

// ---- User input -------------------------------------------------------------------------

bool Runtime::blockedByModal(const Form& form) const {
    return !modalStack_.empty() && modalStack_.back() != &form;
}

bool Runtime::acceptsInput(const Form& form) const {
    return !ended_ && form.isLoaded() && !blockedByModal(form);
}

bool Runtime::acceptsInput(Control& control) {
    if (!acceptsInput(control.form())) return false;
    for (Control* c = &control; c; c = c->peek().container) {
        if (!c->peek().enabled || !c->peek().visible) return false;
    }
    return true;
}

void Runtime::userClick(Control& control) {
    if (control.kind() == ControlKind::Menu) {
        userMenu(static_cast<Menu&>(control));
        return;
    }
    if (!acceptsInput(control)) return;
    const std::string what = control.name() + "_Click";
    // Pressing a control gives it the focus before it acts, as the mouse does.
    const auto order = tabOrder(control.form());
    if (control.form().isShown() && std::find(order.begin(), order.end(), &control) != order.end()) {
        userFocus(control);
        if (!acceptsInput(control)) return;
    }
    switch (control.kind()) {
        case ControlKind::OptionButton:
            dispatch([&] { static_cast<OptionButton&>(control).setValue(true); }, what);
            break;
        case ControlKind::CheckBox: {
            auto& box = static_cast<CheckBox&>(control);
            dispatch([&] { box.setValue(box.value() ? 0 : 1); }, what);
            break;
        }
        case ControlKind::Image:
        case ControlKind::PictureBox:
            raise(static_cast<PictureControl&>(control).Click, what);
            break;
        case ControlKind::CommandButton:
            raise(static_cast<CommandButton&>(control).Click, what);
            break;
        case ControlKind::Label:
            raise(static_cast<Label&>(control).Click, what);
            break;
        default:
            break;
    }
}

void Runtime::userMenu(Menu& item) {
    if (!acceptsInput(item.form()) || !item.reachable()) return;
    raise(item.Click, item.name() + "_Click");
}

bool Runtime::userShortcut(Form& form, const std::string& key) {
    if (!acceptsInput(form)) return false;
    for (Control* c : form.controls()) {
        if (c->kind() != ControlKind::Menu) continue;
        auto* item = static_cast<Menu*>(c);
        if (item->shortcut() == key && item->reachable()) {
            raise(item->Click, item->name() + "_Click");
            return true;
        }
    }
    return false;
}

void Runtime::userKeyPress(TextBox& box, std::int16_t& keyAscii) {
    if (!acceptsInput(box) || !box.KeyPress) return;
    dispatch([&] { box.KeyPress(keyAscii); }, box.name() + "_KeyPress");
}

void Runtime::userFocus(Control& control) {
    Form& form = control.form();
    if (form.activeControl() == &control || !acceptsInput(form)) return;
    form.setActiveControl(&control);
    if (control.kind() == ControlKind::OptionButton) {
        raise(static_cast<OptionButton&>(control).GotFocus, control.name() + "_GotFocus");
    }
}

void Runtime::setFocus(Control& control) {
    Form& form = control.form();
    if (!form.isShown()) return;  // focus moves only in a window on screen
    platform_.setFocus(control);
    userFocus(control);
}

std::vector<Control*> Runtime::tabOrder(Form& form) {
    std::vector<Control*> order;
    for (Control* c : form.controls()) {
        const auto kind = c->kind();
        const bool focusable = kind == ControlKind::TextBox || kind == ControlKind::CommandButton ||
                               kind == ControlKind::OptionButton || kind == ControlKind::CheckBox;
        if (focusable && c->peek().tabStop && c->peek().tabIndex >= 0 && acceptsInput(*c)) {
            order.push_back(c);
        }
    }
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->peek().tabIndex < b->peek().tabIndex;
    });
    return order;
}

void Runtime::focusFirst(Form& form) {
    const auto order = tabOrder(form);
    if (!order.empty()) setFocus(*order.front());
}

void Runtime::userClose(Form& form) {
    if (!acceptsInput(form)) return;
    dispatch([&] { form.unload(UnloadMode::ClosedByUser); }, form.name() + "_QueryUnload");
}

// ---- Timers -----------------------------------------------------------------------------

int Runtime::effectiveInterval(int interval) const { return std::max(interval, timerFloor_); }

void Runtime::armTimer(Timer& timer) {
    // Only a loaded form's enabled timer with a positive interval ticks.
    if (!timer.form().isLoaded() || !timer.peek().enabled || timer.peek().interval <= 0) {
        timers_.cancel(timer);
    } else {
        timers_.schedule(timer, now() + effectiveInterval(timer.peek().interval));
    }
    wakePlatform();
}

void Runtime::disarmTimer(Timer& timer) {
    timers_.cancel(timer);
    wakePlatform();
}

void Runtime::wakePlatform() { platform_.wakeAt(timers_.nextDue()); }

void Runtime::runDueTimers() {
    const long long moment = now();
    while (!ended_) {
        Timer* timer = timers_.popDue(moment);
        if (!timer) break;
        // Named only when it fails: this runs on every tick of every timer.
        run(timer->Tick, [timer] { return timer->name() + "_Timer"; });
        // The next tick is due one interval after the end of this one, unless the handler
        // switched the timer off, or off and on again (which scheduled it afresh).
        if (!ended_ && !timers_.isScheduled(*timer) && timer->form().isLoaded() &&
            timer->peek().enabled) {
            timers_.schedule(*timer, now() + effectiveInterval(timer->peek().interval));
        }
    }
    if (!ended_) wakePlatform();
}

// ---- Modal windows and dialogs ----------------------------------------------------------

namespace {

// Holds a window (or, as nullptr, a message box or file dialog) on the modal stack for as long
// as its nested loop runs, also when the loop is left by the end of the program.
class ModalScope {
public:
    ModalScope(std::vector<const Form*>& stack, const Form* form) : stack_(stack), form_(form) {
        stack_.push_back(form);
    }
    ~ModalScope() {
        auto it = std::find(stack_.rbegin(), stack_.rend(), form_);
        if (it != stack_.rend()) stack_.erase(std::next(it).base());
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    std::vector<const Form*>& stack_;
    const Form* form_;
};

}  // namespace

void Runtime::runModal(Form& form) {
    {
        ModalScope scope(modalStack_, &form);
        platform_.runModal(form, [&] { return ended_ || !form.isShown(); });
    }
    throwIfEnded();
}

int Runtime::msgBox(const std::string& text, int style, const std::string& title) {
    throwIfEnded();
    int answer = 0;
    {
        ModalScope scope(modalStack_, nullptr);
        answer = platform_.messageBox(text, style, title);
    }
    throwIfEnded();
    return answer;
}

std::optional<std::string> Runtime::fileDialog(const FileDialogRequest& request) {
    throwIfEnded();
    std::optional<std::string> chosen;
    {
        ModalScope scope(modalStack_, nullptr);
        chosen = platform_.fileDialog(request);
    }
    throwIfEnded();
    return chosen;
}

// ---- End --------------------------------------------------------------------------------

void Runtime::end() {
    ended_ = true;
    platform_.endProgram();
    throw ProgramEnded{};
}

void Runtime::throwIfEnded() const {
    if (ended_) throw ProgramEnded{};
}

// ---- Services ---------------------------------------------------------------------------

std::string Runtime::currentDirectory() const {
    std::error_code ec;
    return std::filesystem::current_path(ec).string();
}

void Runtime::changeDirectory(const std::string& folder) {
    std::error_code ec;
    std::filesystem::current_path(resolve(folder), ec);
    if (ec) throw RuntimeError(ErrorCode::PathNotFound, "Path not found: " + folder);
}

std::filesystem::path Runtime::resolve(std::string_view path) const {
    std::error_code ec;
    return mapWindowsPath(path, std::filesystem::current_path(ec));
}

std::string Runtime::programFolder() { return platform_.programFolder().string(); }

bool Runtime::anotherInstanceRunning() { return platform_.anotherInstanceRunning(); }

void Runtime::shell(const std::string& commandLine, int windowStyle) {
    platform_.launch(commandLine, windowStyle);
}

void Runtime::playSound(const std::string& path) { platform_.playSound(path, resolve(path)); }

void Runtime::openFile(const std::string& path, FileMode mode) { file1_.open(resolve(path), mode); }

void Runtime::unregisterForm(Form& form) { std::erase(forms_, &form); }

}  // namespace forms
