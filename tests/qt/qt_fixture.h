#pragma once
// The Qt platform under test: one QApplication for the suite (offscreen unless told otherwise),
// a platform wired to a runtime, and helpers to look at what a window draws.
#include "forms/form.h"
#include "forms/runtime.h"
#include "platform/qt/qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace qttest {

// The offscreen plugin says so for every fixed-size window; it is not what a test looks at.
inline QtMessageHandler previousHandler = nullptr;
inline void dropPluginNotices(QtMsgType type, const QMessageLogContext& context,
                              const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) return;
    if (previousHandler) {
        previousHandler(type, context, text);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
    }
}

inline QApplication& application() {
    static const bool filtered =
        (previousHandler = qInstallMessageHandler(dropPluginNotices), true);
    (void)filtered;
    static int argc = 1;
    static char name[] = "qt_tests";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit Qt's own globals are gone before a static application would be.
    static QApplication* const app = new QApplication(argc, argv);
    return *app;
}

// A solid picture of one colour, for checking where a control draws it.
inline forms::Picture solidPicture(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return forms::Picture::fromImage(image);
}

// The widget made for a control inside `root`, found as the window system sees it: looking makes
// nothing.
inline QWidget* widgetNamedAfter(const QWidget* root, const forms::Control& control) {
    return root ? root->findChild<QWidget*>(QString::fromStdString(control.name())) : nullptr;
}

inline bool near(QColor a, QColor b, int tolerance = 40) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

inline int countPixels(const QImage& image, const QRect& area, QColor colour) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (near(image.pixelColor(x, y), colour)) ++count;
        }
    }
    return count;
}

// Runs `then` from the event loop as soon as `condition` holds, checking every few
// milliseconds: a test waits for the state it needs, never for a fixed time, so that a busy
// machine makes it slower but not wrong. After five seconds it fails, naming `what`, and closes
// whatever modal window is open, so that the loop the test waits in ends.
inline void once(std::function<bool()> condition, std::function<void()> then, std::string what) {
    auto* poll = new QTimer;
    QElapsedTimer since;
    since.start();
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        if (condition()) {
            poll->deleteLater();
            poll->stop();
            then();
        } else if (since.hasExpired(5000)) {
            poll->deleteLater();
            poll->stop();
            ADD_FAILURE() << "waited five seconds for " << what;
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        }
    });
    poll->start(5);
}

// The modal window of type `Window` once it is the active window with the keyboard focus in
// it, the way the user finds it; null before then.
template <typename Window>
Window* activeModal() {
    auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
    const QWidget* focus = QApplication::focusWidget();
    if (!window || !window->isActiveWindow() || !focus || !window->isAncestorOf(focus))
        return nullptr;
    return window;
}

class QtPlatformTest : public ::testing::Test {
protected:
    QtPlatformTest() {
        application();
        platform.attach(runtime);
    }

    // Windows go before the forms they show.
    void TearDown() override {
        for (forms::Form* form : runtime.forms()) platform.destroyForm(*form);
        QCoreApplication::processEvents();
    }

    QImage clientImage(const forms::Form& form) {
        QWidget* client = platform.clientAreaOf(form);
        return client ? client->grab().toImage() : QImage();
    }

    QWidget* widgetOf(const forms::Control& control) { return platform.widgetOf(control); }

    QTemporaryDir lockFolder;  // a single-instance lock of the test's own
    qtui::QtPlatform platform{lockFolder.filePath("tesselby.lock")};
    forms::Runtime runtime{platform};
};

}  // namespace qttest
