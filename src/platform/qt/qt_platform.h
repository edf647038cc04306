#pragma once
// The real platform: Qt Widgets windows, dialogs and timers, SDL2_mixer sound, a lock file for
// the single instance, xdg-open for the mail link.
#include "forms/platform.h"
#include "platform/qt/instance_lock.h"
#include "platform/qt/sound_player.h"

#include <QElapsedTimer>
#include <QTimer>
#include <map>
#include <memory>
#include <vector>

class QWidget;

namespace forms {
class Runtime;
}

namespace qtui {

class FormWindow;

class QtPlatform final : public forms::Platform {
public:
    // `lockFile` is the single-instance lock; tests give one of their own.
    explicit QtPlatform(const QString& lockFile = InstanceLock::defaultPath());
    ~QtPlatform() override;

    // The runtime whose timers this platform wakes. Call once, before the program starts.
    void attach(forms::Runtime& runtime) { runtime_ = &runtime; }

    // The window of a form that has been shown and not unloaded since, its client area, and the
    // widget of one of its controls; nullptr when there is none.
    QWidget* windowOf(const forms::Form& form) const;
    QWidget* clientAreaOf(const forms::Form& form) const;
    QWidget* widgetOf(const forms::Control& control) const;

    // ---- forms::Platform ----
    long long nowMs() override { return batchMoment_ >= 0 ? batchMoment_ : clock_.elapsed(); }
    void wakeAt(long long dueMs) override;

    void showForm(forms::Form& form) override;
    void hideForm(forms::Form& form) override;
    void destroyForm(forms::Form& form) override;
    void bringToFront(forms::Form& form) override;
    void setTopmost(forms::Form& form) override;
    void formChanged(forms::Form& form, forms::Property what) override;
    void controlChanged(forms::Control& control, forms::Property what) override;
    void setFocus(forms::Control& control) override;

    void runModal(forms::Form& form, const std::function<bool()>& done) override;
    int messageBox(const std::string& text, int style, const std::string& title) override;
    std::optional<std::string> fileDialog(const forms::FileDialogRequest& request) override;

    void playSound(const std::string& requested, const std::filesystem::path& file) override;
    void launch(const std::string& commandLine, int windowStyle) override;
    bool anotherInstanceRunning() override;
    std::filesystem::path programFolder() override;
    [[noreturn]] void endProgram() override;

private:
    FormWindow* find(const forms::Form& form) const;
    // Dialogs and modal windows run nested event loops; a window of an unloaded form is deleted
    // only once none runs, because a handler below such a loop may still be inside it.
    template <class Body>
    auto nested(Body&& body);
    void buryWindow(std::unique_ptr<FormWindow> window);
    void clearGraveyard();

    void wake();

    forms::Runtime* runtime_ = nullptr;
    QElapsedTimer clock_;
    QTimer wakeTimer_;
    long long armedFor_ = -1;     // the due time the wake timer is set for
    long long batchMoment_ = -1;  // the clock as the ticks of one wake-up see it, or -1
    std::map<const forms::Form*, std::unique_ptr<FormWindow>> windows_;
    std::vector<std::unique_ptr<FormWindow>> graveyard_;
    int nestedLoops_ = 0;
    SoundPlayer sound_;
    InstanceLock instanceLock_;
};

}  // namespace qtui
