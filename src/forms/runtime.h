#pragma once
// The window runtime: the event dispatcher, the timer queue, modal loops, message boxes, and the
// services the windows use (file number 1, numbers, random draws, directories, sound, launcher).
#include "forms/errors.h"
#include "forms/platform.h"
#include "forms/random.h"
#include "forms/textfile.h"
#include "forms/timer_queue.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

class Form;
class Control;
class Menu;
class TextBox;
class Timer;

// Message box styles and results.
inline constexpr int vbOKOnlyExclamation = 48;
inline constexpr int vbYesNoExclamation = 52;
inline constexpr int vbOK = 1;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

class Runtime {
public:
    explicit Runtime(Platform& platform);
    Platform& platform() { return platform_; }

    // ---- Handlers ---------------------------------------------------------------------
    // Runs one handler to its end. A run-time error that escapes it is reported on stderr and
    // the program goes on; nothing runs once the program has ended.
    void dispatch(const std::function<void()>& handler, std::string_view what);
    void raise(const std::function<void()>& event, std::string_view what);

    // ---- User input, from the platform ---------------------------------------------------
    // A user event reaches a handler only when the control is enabled and visible, its form is
    // loaded and no modal window blocks the form.
    bool acceptsInput(const Form& form) const;
    bool acceptsInput(Control& control);
    void userClick(Control& control);
    void userMenu(Menu& item);
    bool userShortcut(Form& form, const std::string& key);  // true when a menu item took it
    void userKeyPress(TextBox& box, std::int16_t& keyAscii);
    void userFocus(Control& control);
    void userClose(Form& form);

    // Moves the keyboard focus from code (only while the form is shown).
    void setFocus(Control& control);
    // The controls of a form that can take the focus now, in tab order.
    std::vector<Control*> tabOrder(Form& form);
    // A window put on screen gives the focus to the first control of its tab order.
    void focusFirst(Form& form);

    // ---- Timers ------------------------------------------------------------------------
    // The clock as a handler reads it: a tick that reads it depends on the time, and never
    // sleeps (see runtime.cpp).
    long long now();
    TimerQueue& timers() { return timers_; }
    // Fires every tick that is due now, in order, and passes over the ticks of sleeping timers.
    // The platform calls this when woken.
    void runDueTimers();
    // The earliest due time of a timer that is awake, or -1: the platform sleeps until then.
    long long nextWake() const;
    bool asleep(const Timer& timer) const;
    // Real platforms tick no faster than this (ms); 0 keeps the intervals as set.
    void setTimerFloor(int ms) { timerFloor_ = ms; }
    int effectiveInterval(int interval) const;
    void armTimer(Timer& timer);
    void disarmTimer(Timer& timer);
    void wakePlatform();

    // ---- State changes ------------------------------------------------------------------
    // Every change of what a handler can read comes through here before it takes effect: a
    // control's property, a form loaded, shown, hidden or unloaded, a variable, a random draw, a
    // file, a dialog, a sound, a launched command, and every piece of user input.
    void noteChange();
    // A handler read what the runtime does not watch (the clock, the file system).
    void noteUntracked() { untracked_ = true; }

    // ---- Modal windows and dialogs -------------------------------------------------------
    int msgBox(const std::string& text, int style, const std::string& title);
    std::optional<std::string> fileDialog(const FileDialogRequest& request);
    void runModal(Form& form);
    bool blockedByModal(const Form& form) const;

    // ---- End ---------------------------------------------------------------------------
    [[noreturn]] void end();
    bool ended() const { return ended_; }
    void throwIfEnded() const;

    // ---- Services ----------------------------------------------------------------------
    TextFile& file() {
        noteChange();
        return file1_;
    }
    Random& random() {
        noteChange();
        return random_;
    }
    std::string currentDirectory();
    void changeDirectory(const std::string& folder);
    // A Windows-style path (".\Skin\Back.bmp") as a file of this system, relative to the
    // current directory.
    std::filesystem::path resolve(std::string_view path);
    std::string programFolder();
    bool anotherInstanceRunning();
    void shell(const std::string& commandLine, int windowStyle);
    void playSound(const std::string& path);
    // Input longer than `longestInput` bytes is refused unread (see TextFile::open).
    void openFile(const std::string& path, FileMode mode,
                  long long longestInput = TextFile::longestInputFile);

    // ---- Forms -------------------------------------------------------------------------
    void registerForm(Form& form) { forms_.push_back(&form); }
    void unregisterForm(Form& form);
    const std::vector<Form*>& forms() const { return forms_; }

private:
    // Runs a handler; `describe` names it, and is only called to report an error.
    void run(const std::function<void()>& handler, const std::function<std::string()>& describe);
    long long clock() { return platform_.nowMs(); }
    void tick(Timer& timer);
    // Moves the sleeping timers at the head of the queue on past `limit`, in the queue's order,
    // over ticks that would have changed nothing.
    void passOverSleepers(const TimerQueue::Entry& limit);
    void catchUpSleepers();

    Platform& platform_;
    TimerQueue timers_;
    int timerFloor_ = 0;
    unsigned long long changes_ = 1;       // counts the changes of state; a sleeper sleeps in one
    int sleepers_ = 0;                     // timers put to sleep since the last change
    bool untracked_ = false;               // the running tick read what the runtime does not watch
    long long batchMoment_ = -1;           // the moment of the ticks being run, or -1
    std::vector<const Form*> modalStack_;  // nullptr stands for a message box or file dialog
    std::vector<Form*> forms_;
    bool ended_ = false;
    TextFile file1_;
    Random random_;
};

}  // namespace forms
