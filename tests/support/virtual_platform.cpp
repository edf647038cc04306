#include "virtual_platform.h"

#include <gtest/gtest.h>

namespace virt {

void VirtualPlatform::advance(long long ms) {
    const long long target = now_ + ms;
    // Woken as the real platform is: only for timers that are awake.
    while (runtime_ && !programEnded) {
        const long long due = runtime_->nextWake();
        if (due < 0 || due > target) break;
        now_ = std::max(now_, due);
        ++wakeUps;
        runtime_->runDueTimers();
    }
    // Sleeping timers fall behind the clock, as on the real platform, and take up their places
    // when the state next changes.
    now_ = std::max(now_, target);
}

void VirtualPlatform::answerMessageBox(int answer, std::string expectedText) {
    answers_.push_back({answer, std::move(expectedText)});
}

void VirtualPlatform::answerFileDialog(std::optional<std::string> path) {
    files_.push_back(std::move(path));
}

void VirtualPlatform::whenModal(const std::string& formName, std::function<void()> script) {
    modalScripts_[formName].push_back(std::move(script));
}

bool VirtualPlatform::scriptsUsedUp() const {
    if (!answers_.empty() || !files_.empty()) return false;
    for (const auto& [name, scripts] : modalScripts_) {
        if (!scripts.empty()) return false;
    }
    return true;
}

void VirtualPlatform::showForm(forms::Form& form) {
    shown_.insert(&form);
    form.placed();
}

void VirtualPlatform::hideForm(forms::Form& form) { shown_.erase(&form); }

void VirtualPlatform::destroyForm(forms::Form& form) {
    shown_.erase(&form);
    topmost_.erase(&form);
    if (focus_ && &focus_->form() == &form) focus_ = nullptr;
}

void VirtualPlatform::formChanged(forms::Form& form, forms::Property) {
    if (isShown(form)) ++redraws;
}

void VirtualPlatform::controlChanged(forms::Control& control, forms::Property) {
    if (isShown(control.form())) ++redraws;
}

void VirtualPlatform::runModal(forms::Form& form, const std::function<bool()>& done) {
    modalShows.push_back(form.name());
    auto& scripts = modalScripts_[form.name()];
    if (scripts.empty()) {
        ADD_FAILURE() << "window " << form.name() << " was shown modal with no script to close it";
    } else {
        auto script = std::move(scripts.front());
        scripts.pop_front();
        script();
    }
    if (!done()) {
        ADD_FAILURE() << "modal window " << form.name() << " would never close";
        form.hide();
    }
}

int VirtualPlatform::messageBox(const std::string& text, int style, const std::string& title) {
    messageBoxes.push_back({text, style, title});
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected message box \"" << text << "\" titled \"" << title << "\"";
        return style == forms::vbYesNoExclamation ? forms::vbNo : forms::vbOK;
    }
    Answer answer = answers_.front();
    answers_.pop_front();
    if (!answer.expected.empty()) {
        EXPECT_NE(text.find(answer.expected), std::string::npos)
            << "message box \"" << text << "\" was expected to say \"" << answer.expected << "\"";
    }
    return answer.value;
}

std::optional<std::string> VirtualPlatform::fileDialog(const forms::FileDialogRequest& request) {
    fileDialogs.push_back(request);
    if (files_.empty()) {
        ADD_FAILURE() << "unexpected file dialog";
        return std::nullopt;
    }
    auto answer = files_.front();
    files_.pop_front();
    return answer;
}

}  // namespace virt
