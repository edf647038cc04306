#include "platform/qt/qt_platform.h"

#include "forms/form.h"
#include "forms/runtime.h"
#include "platform/qt/deferred_icons.h"
#include "platform/qt/dialogs.h"
#include "platform/qt/form_window.h"
#include "platform/qt/launcher.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace qtui {

QtPlatform::QtPlatform(const QString& lockFile) : instanceLock_(lockFile) {
    // The style Qt chose, or the user; none yet when the application is made later.
    const QStyle* chosen = QApplication::style();
    if (!dynamic_cast<const DeferringStyle*>(chosen)) {
        QApplication::setStyle(new DeferringStyle(chosen ? chosen->name() : QString()));
    }
    // The windows draw their own menu bars; asking the desktop for a global one would cost every
    // window with a menu a round trip to the session bus before its first frame.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    clock_.start();
    wakeTimer_.setSingleShot(true);
    wakeTimer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wakeTimer_, &QTimer::timeout, [this] { wake(); });
}

QtPlatform::~QtPlatform() = default;

// ---- Time -------------------------------------------------------------------------------

void QtPlatform::wakeAt(long long dueMs) {
    if (dueMs == armedFor_ && (dueMs < 0 || wakeTimer_.isActive())) return;
    armedFor_ = dueMs;
    if (dueMs < 0) {
        wakeTimer_.stop();
        return;
    }
    const long long wait = std::max(0LL, dueMs - nowMs());
    wakeTimer_.start(static_cast<int>(std::min<long long>(wait, 24LL * 60 * 60 * 1000)));
}

void QtPlatform::wake() {
    if (!runtime_) return;
    armedFor_ = -1;
    // The ticks of one wake-up all see the same moment, as on a clock that moves in steps: two
    // timers that fell due together are scheduled together again, and the program wakes up once
    // for both instead of twice a millisecond apart.
    batchMoment_ = clock_.elapsed();
    runtime_->runDueTimers();
    batchMoment_ = -1;
}

// ---- Windows ----------------------------------------------------------------------------

FormWindow* QtPlatform::find(const forms::Form& form) const {
    auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second.get();
}

QWidget* QtPlatform::windowOf(const forms::Form& form) const { return find(form); }

QWidget* QtPlatform::clientAreaOf(const forms::Form& form) const {
    FormWindow* window = find(form);
    return window ? window->clientArea() : nullptr;
}

QWidget* QtPlatform::widgetOf(const forms::Control& control) const {
    FormWindow* window = find(control.form());
    return window ? window->widgetOf(control) : nullptr;
}

void QtPlatform::showForm(forms::Form& form) {
    auto& slot = windows_[&form];
    if (!slot) slot = std::make_unique<FormWindow>(form);
    FormWindow& window = *slot;
    // Modality can change only while the window is off the screen.
    window.setWindowModality(form.isShownModal() ? Qt::ApplicationModal : Qt::NonModal);
    window.applyWindowFlags();
    if (form.placementPending()) {
        window.centreOnScreen();
        form.placed();
    }
    window.show();
    window.activateWindow();
}

void QtPlatform::hideForm(forms::Form& form) {
    if (FormWindow* window = find(form)) window->hide();
}

void QtPlatform::destroyForm(forms::Form& form) {
    auto it = windows_.find(&form);
    if (it == windows_.end()) return;
    std::unique_ptr<FormWindow> window = std::move(it->second);
    windows_.erase(it);
    window->hide();
    buryWindow(std::move(window));
}

void QtPlatform::buryWindow(std::unique_ptr<FormWindow> window) {
    // A buried window does nothing more: a call it had queued (its icon after the first frame)
    // would reach a form that may be gone before the window is.
    QCoreApplication::removePostedEvents(window.get(), QEvent::MetaCall);
    graveyard_.push_back(std::move(window));
    // Deleted once the event that unloaded the form has been handled to its end.
    QTimer::singleShot(0, [this] { clearGraveyard(); });
}

void QtPlatform::clearGraveyard() {
    if (nestedLoops_ == 0) graveyard_.clear();
}

void QtPlatform::bringToFront(forms::Form& form) {
    if (FormWindow* window = find(form)) {
        window->raise();
        window->activateWindow();
    }
}

void QtPlatform::setTopmost(forms::Form& form) {
    // A window not built yet takes the setting when it is; a hidden one stays hidden.
    if (FormWindow* window = find(form)) window->applyWindowFlags();
}

void QtPlatform::formChanged(forms::Form& form, forms::Property what) {
    if (FormWindow* window = find(form)) window->refreshForm(what);
}

void QtPlatform::controlChanged(forms::Control& control, forms::Property what) {
    if (FormWindow* window = find(control.form())) window->refreshControl(control, what);
}

void QtPlatform::setFocus(forms::Control& control) {
    if (QWidget* widget = widgetOf(control)) widget->setFocus(Qt::OtherFocusReason);
}

// ---- Modal windows and dialogs ----------------------------------------------------------

template <class Body>
auto QtPlatform::nested(Body&& body) {
    // Inside a nested loop, and after it, time flows again for the ticks of the wake-up below.
    batchMoment_ = -1;
    struct Depth {
        QtPlatform& platform;
        explicit Depth(QtPlatform& p) : platform(p) { ++platform.nestedLoops_; }
        ~Depth() {
            if (--platform.nestedLoops_ == 0 && !platform.graveyard_.empty()) {
                QTimer::singleShot(0, [p = &platform] { p->clearGraveyard(); });
            }
        }
    } depth(*this);
    return body();
}

void QtPlatform::runModal(forms::Form&, const std::function<bool()>& done) {
    // The window was shown application-modal by showForm: the others take no input, while the
    // timers keep firing in this loop.
    nested([&] {
        QEventLoop loop;
        while (!done()) loop.processEvents(QEventLoop::WaitForMoreEvents);
    });
}

int QtPlatform::messageBox(const std::string& text, int style, const std::string& title) {
    return nested([&] { return showMessageBox(text, style, title); });
}

std::optional<std::string> QtPlatform::fileDialog(const forms::FileDialogRequest& request) {
    return nested([&] { return showFileDialog(request); });
}

// ---- Services ---------------------------------------------------------------------------

void QtPlatform::playSound(const std::string&, const std::filesystem::path& file) {
    sound_.play(file);
}

void QtPlatform::launch(const std::string& commandLine, int) {
    if (auto link = mailLinkOf(commandLine)) openMailLink(*link);
}

bool QtPlatform::anotherInstanceRunning() { return instanceLock_.heldElsewhere(); }

std::filesystem::path QtPlatform::programFolder() {
    return QCoreApplication::applicationDirPath().toStdString();
}

void QtPlatform::endProgram() {
    // At once: no window closes, no handler runs. Only the lock is given back on the way out.
    instanceLock_.release();
    std::fflush(nullptr);
    std::_Exit(0);
}

}  // namespace qtui
