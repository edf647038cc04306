#pragma once
// The virtual platform: a clock the test advances, scripted answers for message boxes and file
// dialogs, scripts for modal windows, and logs of what the program asked of the platform.
#include "forms/form.h"
#include "forms/platform.h"
#include "forms/runtime.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace virt {

struct MessageBoxShown {
    std::string text;
    int style;
    std::string title;
};

struct Launch {
    std::string commandLine;
    int windowStyle;
};

class VirtualPlatform : public forms::Platform {
public:
    void attach(forms::Runtime& runtime) { runtime_ = &runtime; }

    // ---- Clock ----
    long long nowMs() override { return now_; }
    void wakeAt(long long) override {}
    // Moves the clock on by `ms`, firing every tick that falls due on the way, in order.
    void advance(long long ms);
    int wakeUps = 0;  // the moments the clock stopped at to run ticks

    // ---- Scripts ----
    // Answers for the next message boxes, in order. An unexpected message box fails the test.
    void answerMessageBox(int answer, std::string expectedText = "");
    // Answers for the next file dialogs: a path, or std::nullopt for Cancel.
    void answerFileDialog(std::optional<std::string> path);
    // What the user does while the named window is shown modal. When the script leaves the
    // window open, the test fails (it would never close) and the window is hidden.
    void whenModal(const std::string& formName, std::function<void()> script);
    bool scriptsUsedUp() const;

    // ---- What the program did ----
    std::vector<std::string> sounds;  // the paths as the program passed them
    std::vector<MessageBoxShown> messageBoxes;
    std::vector<forms::FileDialogRequest> fileDialogs;
    std::vector<Launch> launches;
    std::vector<std::string> modalShows;  // names of forms shown modal, in order
    bool programEnded = false;
    int redraws = 0;  // change notifications for loaded, shown forms

    bool isShown(const forms::Form& form) const { return shown_.count(&form) != 0; }
    bool isTopmost(const forms::Form& form) const { return topmost_.count(&form) != 0; }
    const forms::Control* focus() const { return focus_; }

    // ---- Settings of the machine ----
    bool otherInstanceRunning = false;
    std::filesystem::path programDir;

    // ---- forms::Platform ----
    void showForm(forms::Form& form) override;
    void hideForm(forms::Form& form) override;
    void destroyForm(forms::Form& form) override;
    void bringToFront(forms::Form&) override {}
    void setTopmost(forms::Form& form) override { topmost_.insert(&form); }
    void formChanged(forms::Form& form, forms::Property) override;
    void controlChanged(forms::Control& control, forms::Property) override;
    void setFocus(forms::Control& control) override { focus_ = &control; }
    void runModal(forms::Form& form, const std::function<bool()>& done) override;
    int messageBox(const std::string& text, int style, const std::string& title) override;
    std::optional<std::string> fileDialog(const forms::FileDialogRequest& request) override;
    void playSound(const std::string& requested, const std::filesystem::path&) override {
        sounds.push_back(requested);
    }
    void launch(const std::string& commandLine, int windowStyle) override {
        launches.push_back({commandLine, windowStyle});
    }
    bool anotherInstanceRunning() override { return otherInstanceRunning; }
    std::filesystem::path programFolder() override { return programDir; }
    void endProgram() override { programEnded = true; }

private:
    struct Answer {
        int value;
        std::string expected;
    };
    forms::Runtime* runtime_ = nullptr;
    long long now_ = 0;
    std::deque<Answer> answers_;
    std::deque<std::optional<std::string>> files_;
    std::map<std::string, std::deque<std::function<void()>>> modalScripts_;
    std::set<const forms::Form*> shown_;
    std::set<const forms::Form*> topmost_;
    const forms::Control* focus_ = nullptr;
};

}  // namespace virt
