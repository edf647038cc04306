// Window-level behaviour: the title bar, frame and task bar of each border style, windows kept
// on top, and the read-only multi-line box of the help texts.
#include "qt_fixture.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QWindow>
#include <utility>

namespace {

using forms::BorderStyle;
using forms::FormDesign;

struct Panel : forms::Form {
    forms::TextBox notes{*this, "notes"};
    Panel(forms::Runtime& runtime, FormDesign look) : Form(runtime, "Panel") {
        design(std::move(look));
        // clang-format off
        notes.design({.left = 0, .top = 0, .width = 1500, .height = 600,
                      .caption = "first line\r\nsecond line", .multiLine = true, .locked = true,
                      .scrollBars = true});
        // clang-format on
    }
};

// A window with nothing on it but its white background.
struct Bare : forms::Form {
    Bare(forms::Runtime& runtime, FormDesign look) : Form(runtime, "Bare") {
        look.clientWidth = 1500;
        look.clientHeight = 900;
        look.backColor = forms::White;
        design(std::move(look));
    }
};

class Windows : public qttest::QtPlatformTest {
protected:
    // How many pixels of the window's outermost ring show `colour`, and how many of the ring
    // just inside it.
    std::pair<int, int> ringPixels(const forms::Form& form, QColor colour) {
        QWidget* window = platform.windowOf(form);
        const QImage image = window->grab().toImage();
        const QRect outer = image.rect(), inner = outer.adjusted(1, 1, -1, -1);
        auto ring = [&](const QRect& r) {
            return qttest::countPixels(image, QRect(r.left(), r.top(), r.width(), 1), colour) +
                   qttest::countPixels(image, QRect(r.left(), r.bottom(), r.width(), 1), colour) +
                   qttest::countPixels(image, QRect(r.left(), r.top() + 1, 1, r.height() - 2),
                                       colour) +
                   qttest::countPixels(image, QRect(r.right(), r.top() + 1, 1, r.height() - 2),
                                       colour);
        };
        return {ring(outer), ring(inner)};
    }
    static int ringSize(const QSize& size) { return 2 * size.width() + 2 * size.height() - 4; }
};

TEST_F(Windows, ToolWindowHasATitleAndACloseBoxOnlyAndAFixedSize) {
    Panel panel(runtime, {.caption = "Tool",
                          .border = BorderStyle::FixedToolWindow,
                          .clientWidth = 1500,
                          .clientHeight = 900});
    panel.show();
    QWidget* window = platform.windowOf(panel);
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    platform.destroyForm(panel);
}

TEST_F(Windows, DialogWithoutCaptionBarHasNoTitleAndStaysOutOfTheTaskBar) {
    Panel panel(runtime, {.border = BorderStyle::FixedDialog,
                          .captionBar = false,
                          .showInTaskbar = false,
                          .clientWidth = 3900,
                          .clientHeight = 1500});
    panel.show();
    QWidget* window = platform.windowOf(panel);
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(window->windowType(), Qt::Tool);
    EXPECT_EQ(platform.clientAreaOf(panel)->size(), QSize(260, 100));
    platform.destroyForm(panel);
}

TEST_F(Windows, DialogWithoutCaptionBarDrawsItsOwnFrameLineWhenNobodyFramesIt) {
    Bare dialog(runtime,
                {.border = BorderStyle::FixedDialog, .captionBar = false, .showInTaskbar = false});
    dialog.show();
    QWidget* window = platform.windowOf(dialog);
    ASSERT_TRUE(window->windowHandle()->frameMargins().isNull());  // no window manager here
    const QColor line = window->palette().color(QPalette::Shadow);
    const auto [outer, inner] = ringPixels(dialog, line);
    EXPECT_EQ(outer, ringSize(window->size()));
    EXPECT_EQ(inner, 0);
    EXPECT_EQ(ringPixels(dialog, Qt::white).second, ringSize(window->size() - QSize(2, 2)));
    platform.destroyForm(dialog);
}

TEST_F(Windows, WindowWithATitleBarLeavesItsFrameToTheWindowManager) {
    Bare tool(runtime, {.caption = "Tool", .border = BorderStyle::FixedToolWindow});
    tool.show();
    QWidget* window = platform.windowOf(tool);
    EXPECT_EQ(ringPixels(tool, Qt::white).first, ringSize(window->size()));
    platform.destroyForm(tool);
}

TEST_F(Windows, TopmostWindowLoadedHiddenStaysHiddenUntilShownOnTop) {
    Panel panel(runtime, {.caption = "Scores", .clientWidth = 1500, .clientHeight = 900});
    panel.load();
    panel.makeTopmost();
    EXPECT_EQ(platform.windowOf(panel), nullptr);

    panel.show();
    QWidget* window = platform.windowOf(panel);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->isVisible());
    platform.destroyForm(panel);
}

TEST_F(Windows, ShownWindowMadeTopmostStaysOnScreen) {
    Panel panel(runtime, {.caption = "Scores", .clientWidth = 1500, .clientHeight = 900});
    panel.show();
    panel.makeTopmost();
    QWidget* window = platform.windowOf(panel);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->isVisible());
    platform.destroyForm(panel);
}

TEST_F(Windows, LockedMultiLineBoxShowsItsLinesReadOnlyWithAScrollBar) {
    Panel panel(runtime, {.caption = "Help", .clientWidth = 3000, .clientHeight = 1500});
    panel.show();
    auto* box = qobject_cast<QPlainTextEdit*>(widgetOf(panel.notes));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->blockCount(), 2);
    EXPECT_EQ(box->toPlainText(), "first line\nsecond line");
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    platform.destroyForm(panel);
}

}  // namespace
