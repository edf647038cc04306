#include "forms/runtime.h"

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/paths.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <tuple>
#include <utility>

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
        noteUntracked();
        std::fprintf(stderr, "tesselby: run-time error %d in %s: %s\n", e.number(),
                     describe().c_str(), e.what());
    } catch (const std::exception& e) {
        noteUntracked();
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
    noteChange();
    if (control.kind() == ControlKind::Menu) {
        userMenu(static_cast<Menu&>(control));
        return;
    }
    if (!acceptsInput(control)) return;
    const std::string what = control.name() + "_Click";
    // Pressing a control gives it the focus before it acts, as the mouse does.
    const auto order = tabOrder(control.form());
    if (control.form().isShown() &&
        std::find(order.begin(), order.end(), &control) != order.end()) {
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
        case ControlKind::Label: raise(static_cast<Label&>(control).Click, what); break;
        default: break;
    }
}

void Runtime::userMenu(Menu& item) {
    noteChange();
    if (!acceptsInput(item.form()) || !item.reachable()) return;
    raise(item.Click, item.name() + "_Click");
}

bool Runtime::userShortcut(Form& form, const std::string& key) {
    noteChange();
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
    noteChange();
    if (!acceptsInput(box) || !box.KeyPress) return;
    dispatch([&] { box.KeyPress(keyAscii); }, box.name() + "_KeyPress");
}

void Runtime::userFocus(Control& control) {
    noteChange();
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
        if (c->takesTabFocus() && acceptsInput(*c)) order.push_back(c);
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
    noteChange();
    if (!acceptsInput(form)) return;
    dispatch([&] { form.unload(UnloadMode::ClosedByUser); }, form.name() + "_QueryUnload");
}

// ---- Timers -----------------------------------------------------------------------------
//
// Sleeping timers. The windows poll: 1-ms timers copy captions that are already there and look
// for work that is not there, on and on, while the user thinks. A tick is worked out from the
// program's state alone: the controls, the forms, the window-level and module-level variables.
// So a tick that changed none of it, after which nothing has changed, would change nothing at
// its next tick either, nor at any later one until something changes. Such a timer sleeps: it
// keeps its schedule, one interval after another, but the platform is not woken for it and its
// ticks are passed over without running the handler. The first change of state anywhere (see
// noteChange) wakes every sleeper at once, at the tick its schedule gives it next, and it ticks
// again in the very order it would have had if it had ticked all along.
//
// A tick never puts its timer to sleep when it changed anything, when it read what the runtime
// cannot watch (the clock, the file system), or when it ended in an error, which is reported
// again at every tick. This is why handlers keep their state in controls and in
// forms::Variable, never in plain members the runtime cannot see.

int Runtime::effectiveInterval(int interval) const { return std::max(interval, timerFloor_); }

long long Runtime::now() {
    noteUntracked();
    return clock();
}

bool Runtime::asleep(const Timer& timer) const { return timer.asleepIn_ == changes_; }

void Runtime::armTimer(Timer& timer) {
    // Only a loaded form's enabled timer with a positive interval ticks.
    if (!timer.form().isLoaded() || !timer.peek().enabled || timer.peek().interval <= 0) {
        timers_.cancel(timer);
    } else {
        const long long moment = clock();
        timers_.schedule(timer, moment + effectiveInterval(timer.peek().interval), moment);
    }
    wakePlatform();
}

void Runtime::disarmTimer(Timer& timer) {
    timers_.cancel(timer);
    wakePlatform();
}

long long Runtime::nextWake() const {
    for (const auto& [due, since, order, timer] : timers_.entries()) {
        if (!asleep(*timer)) return due;
    }
    return -1;
}

void Runtime::wakePlatform() { platform_.wakeAt(nextWake()); }

void Runtime::passOverSleepers(const TimerQueue::Entry& limit) {
    while (!timers_.empty()) {
        const TimerQueue::Entry head = *timers_.entries().begin();
        Timer& timer = *std::get<3>(head);
        // Compared whole, as the queue orders them: a sleeper due with the limit's timer, and
        // scheduled at the same moment before it, would tick first.
        if (!asleep(timer) || !(head < limit)) return;
        // Passed over, its tick schedules the next one interval on, at its own due time and
        // after whatever was scheduled before, as an awake tick schedules its next one at its
        // end. Its ticks that fall before the limit's moment are passed over at once: nothing ran
        // at their moments, or it would have been passed over then, so nothing was scheduled
        // beside them. If the tick it lands on still comes before the limit, the next turn of
        // the loop passes that one over too.
        const long long step = effectiveInterval(timer.peek().interval);
        const long long limitDue = std::get<0>(limit);
        long long due = std::get<0>(head) + step;
        if (due < limitDue) due += (limitDue - due + step - 1) / step * step;
        timers_.schedule(timer, due, due - step);
    }
}

void Runtime::catchUpSleepers() {
    // Within a batch of ticks, the ticks still due at its moment are waiting their turn.
    if (batchMoment_ >= 0 && clock() == batchMoment_) return;
    passOverSleepers({clock(), std::numeric_limits<long long>::max(), 0, nullptr});
}

void Runtime::noteChange() {
    if (sleepers_ > 0) {
        // The sleepers first take up the places they would have now, then the change wakes them.
        catchUpSleepers();
        sleepers_ = 0;
        ++changes_;
        wakePlatform();
    } else {
        ++changes_;
    }
}

void Runtime::runDueTimers() {
    const long long moment = clock();
    const long long outerMoment = std::exchange(batchMoment_, moment);
    while (!ended_ && !timers_.empty()) {
        const TimerQueue::Entry head = *timers_.entries().begin();
        if (std::get<0>(head) > moment) break;
        if (asleep(*std::get<3>(head))) {
            // Passed over up to the first tick due now of a timer that is awake, which may wake
            // them; or else past this moment.
            TimerQueue::Entry limit{moment, std::numeric_limits<long long>::max(), 0, nullptr};
            for (const auto& entry : timers_.entries()) {
                if (std::get<0>(entry) > moment) break;
                if (!asleep(*std::get<3>(entry))) {
                    limit = entry;
                    break;
                }
            }
            passOverSleepers(limit);
            continue;
        }
        Timer* timer = timers_.popDue(moment);
        tick(*timer);
    }
    batchMoment_ = outerMoment;
    if (!ended_) wakePlatform();
}

void Runtime::tick(Timer& timer) {
    const unsigned long long changesBefore = changes_;
    const bool outerUntracked = std::exchange(untracked_, false);
    // Named only when it fails: this runs on every tick of every timer.
    run(timer.Tick, [&timer] { return timer.name() + "_Timer"; });
    const bool quiet = changes_ == changesBefore && !untracked_;
    untracked_ = outerUntracked || untracked_;
    // The next tick is due one interval after the end of this one, unless the handler switched
    // the timer off, or off and on again (which scheduled it afresh).
    if (!ended_ && !timers_.isScheduled(timer) && timer.form().isLoaded() && timer.peek().enabled) {
        const long long end = clock();
        timers_.schedule(timer, end + effectiveInterval(timer.peek().interval), end);
        if (quiet) {
            timer.asleepIn_ = changes_;
            ++sleepers_;
        }
    }
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
    noteChange();
    {
        ModalScope scope(modalStack_, &form);
        platform_.runModal(form, [&] { return ended_ || !form.isShown(); });
    }
    throwIfEnded();
}

int Runtime::msgBox(const std::string& text, int style, const std::string& title) {
    throwIfEnded();
    noteChange();
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
    noteChange();
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

std::string Runtime::currentDirectory() {
    noteUntracked();
    std::error_code ec;
    return std::filesystem::current_path(ec).string();
}

void Runtime::changeDirectory(const std::string& folder) {
    noteChange();
    std::error_code ec;
    std::filesystem::current_path(resolve(folder), ec);
    if (ec) throw RuntimeError(ErrorCode::PathNotFound, "Path not found: " + folder);
}

std::filesystem::path Runtime::resolve(std::string_view path) {
    noteUntracked();  // it looks the name up in the folder, and the file is read next
    std::error_code ec;
    return mapWindowsPath(path, std::filesystem::current_path(ec));
}

std::string Runtime::programFolder() { return platform_.programFolder().string(); }

bool Runtime::anotherInstanceRunning() {
    noteUntracked();
    return platform_.anotherInstanceRunning();
}

void Runtime::shell(const std::string& commandLine, int windowStyle) {
    noteChange();
    platform_.launch(commandLine, windowStyle);
}

void Runtime::playSound(const std::string& path) {
    noteChange();
    platform_.playSound(path, resolve(path));
}

void Runtime::openFile(const std::string& path, FileMode mode, long long longestInput) {
    file().open(resolve(path), mode, longestInput);
}

void Runtime::unregisterForm(Form& form) { std::erase(forms_, &form); }

}  // namespace forms
