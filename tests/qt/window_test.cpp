// Window-level behaviour: the title bar and task bar of each border style, windows kept on top,
// and the read-only multi-line box of the help texts.
#include "qt_fixture.h"

#include <QPlainTextEdit>
#include <QScrollBar>

namespace {

using forms::BorderStyle;
using forms::FormDesign;

struct Panel : forms::Form {
    forms::TextBox notes{*this, "notes"};
    Panel(forms::Runtime& runtime, FormDesign look) : Form(runtime, "Panel") {
        design(std::move(look));
        notes.design({.left = 0, .top = 0, .width = 1500, .height = 600,
                      .caption = "first line\r\nsecond line", .multiLine = true, .locked = true,
                      .scrollBars = true});
    }
};

class Windows : public qttest::QtPlatformTest {};

TEST_F(Windows, ToolWindowHasATitleAndACloseBoxOnlyAndAFixedSize) {
    Panel panel(runtime, {.caption = "Tool", .border = BorderStyle::FixedToolWindow,
                          .clientWidth = 1500, .clientHeight = 900});
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
    Panel panel(runtime, {.border = BorderStyle::FixedDialog, .captionBar = false,
                          .showInTaskbar = false, .clientWidth = 3900, .clientHeight = 1500});
    panel.show();
    QWidget* window = platform.windowOf(panel);
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(window->windowType(), Qt::Tool);
    EXPECT_EQ(platform.clientAreaOf(panel)->size(), QSize(260, 100));
    platform.destroyForm(panel);
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
