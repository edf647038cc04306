// A window makes widgets only for the controls on screen. A hidden control, or one placed beyond
// the window's edge as a form's hidden state is, gets its widget when it comes into view, in its
// place in the drawing order and in its panel.
#include "qt_fixture.h"

#include <QApplication>
#include <QColor>
#include <QTest>

namespace {

using qttest::solidPicture;

struct Board : forms::Form {
    forms::Image Cell{*this, "Cell"};
    forms::Image Strike{*this, "Strike"};     // hidden, in front of the cell
    forms::Image Cover{*this, "Cover"};       // declared last: in front of both
    forms::Label Below{*this, "Below"};       // under the window's bottom edge until it grows
    forms::Label Beyond{*this, "Beyond"};     // right of the window's edge: hidden state
    forms::PictureBox Panel{*this, "Panel"};  // hidden, holding one control
    forms::Label Held{*this, "Held"};

    explicit Board(forms::Runtime& runtime) : Form(runtime, "Board") {
        // clang-format off
        design(forms::FormDesign{.caption = "Board", .clientWidth = 1500, .clientHeight = 1500});
        Cell.design({.left = 0, .top = 0, .width = 900, .height = 900,
                     .picture = solidPicture(60, 60, Qt::blue), .stretch = true});
        Strike.design({.left = 300, .top = 300, .width = 900, .height = 900,
                       .picture = solidPicture(60, 60, Qt::red), .visible = false,
                       .stretch = true});
        Cover.design({.left = 600, .top = 600, .width = 600, .height = 600,
                      .picture = solidPicture(40, 40, Qt::green), .stretch = true});
        Below.design({.left = 0, .top = 1800, .width = 900, .height = 255, .caption = "score"});
        Beyond.design({.left = 1800, .top = 0, .width = 900, .height = 255, .caption = "state"});
        Panel.design({.left = 0, .top = 1000, .width = 1200, .height = 450, .visible = false});
        Held.design({.container = &Panel, .left = 15, .top = 15, .width = 600, .height = 255,
                     .caption = "held"});
        // clang-format on
    }
};

class LazyWidgets : public qttest::QtPlatformTest {
protected:
    QWidget* made(const forms::Control& control) {
        return qttest::widgetNamedAfter(platform.clientAreaOf(board), control);
    }
    QColor colourAt(int xTwips, int yTwips) {
        return clientImage(board).pixelColor(xTwips / forms::TwipsPerPixel,
                                             yTwips / forms::TwipsPerPixel);
    }
    Board board{runtime};
};

TEST_F(LazyWidgets, OnlyTheControlsOnScreenHaveWidgetsWhenTheWindowOpens) {
    board.show();
    EXPECT_NE(made(board.Cell), nullptr);
    EXPECT_NE(made(board.Cover), nullptr);
    EXPECT_EQ(made(board.Strike), nullptr);
    EXPECT_EQ(made(board.Below), nullptr);
    EXPECT_EQ(made(board.Beyond), nullptr);
    EXPECT_EQ(made(board.Panel), nullptr);
    EXPECT_EQ(made(board.Held), nullptr);
}

TEST_F(LazyWidgets, AControlShownLaterTakesItsPlaceInTheDrawingOrder) {
    board.show();
    board.Strike.setVisible(true);
    ASSERT_NE(made(board.Strike), nullptr);
    EXPECT_TRUE(qttest::near(colourAt(450, 450), Qt::red));    // in front of the cell
    EXPECT_TRUE(qttest::near(colourAt(750, 750), Qt::green));  // behind the later control
    EXPECT_TRUE(qttest::near(colourAt(150, 150), Qt::blue));
}

TEST_F(LazyWidgets, ControlsComingIntoViewAsTheWindowGrowsGetTheirWidgets) {
    board.show();
    board.setHeight(board.height() + 900);
    ASSERT_NE(made(board.Below), nullptr);
    EXPECT_TRUE(made(board.Below)->isVisible());
    EXPECT_EQ(made(board.Beyond), nullptr);
}

TEST_F(LazyWidgets, APanelShownLaterBringsTheControlsItHolds) {
    board.show();
    board.Panel.setVisible(true);
    ASSERT_NE(made(board.Held), nullptr);
    EXPECT_EQ(made(board.Held)->parentWidget(), made(board.Panel));
    EXPECT_TRUE(made(board.Held)->isVisible());
}

TEST_F(LazyWidgets, AWidgetAskedForIsMadeAtOnceWithTheControlsState) {
    board.show();
    board.Beyond.setCaption("changed while unseen");
    QWidget* widget = widgetOf(board.Beyond);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget, made(board.Beyond));
    EXPECT_EQ(widget->property("text").toString(), "changed while unseen");
}

}  // namespace

// A button the keyboard can reach has its widget from the start, below the window's edge too, and
// one on a panel shown later gets its widget with the panel: Qt's focus chain holds only widgets.
struct Reachable : forms::Form {
    forms::TextBox Name{*this, "Name"};
    forms::PictureBox Row{*this, "Row"};  // below the window's bottom edge
    forms::CommandButton Below{*this, "Below"};
    forms::PictureBox Later{*this, "Later"};  // hidden until shown, and below the edge
    forms::CommandButton Held{*this, "Held"};

    explicit Reachable(forms::Runtime& runtime) : Form(runtime, "Reachable") {
        // clang-format off
        design(forms::FormDesign{.caption = "Reachable", .clientWidth = 1500, .clientHeight = 600});
        Name.design({.left = 0, .top = 0, .width = 900, .height = 285, .tabIndex = 0});
        Row.design({.left = 0, .top = 900, .width = 1200, .height = 450});
        Below.design({.container = &Row, .left = 15, .top = 15, .width = 600, .height = 255,
                      .caption = "below", .tabIndex = 1});
        Later.design({.left = 0, .top = 1500, .width = 1200, .height = 450, .visible = false});
        Held.design({.container = &Later, .left = 15, .top = 15, .width = 600, .height = 255,
                     .caption = "held", .tabIndex = 2});
        // clang-format on
    }
};

class KeyboardWidgets : public qttest::QtPlatformTest {
protected:
    QWidget* made(const forms::Control& control) {
        return qttest::widgetNamedAfter(platform.windowOf(form), control);
    }
    Reachable form{runtime};
};

TEST_F(KeyboardWidgets, ButtonsBelowTheEdgeAreInTheFocusChainAndShownPanelsBringTheirs) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(platform.windowOf(form)));
    ASSERT_NE(made(form.Below), nullptr);
    EXPECT_EQ(made(form.Below)->parentWidget(), made(form.Row));
    EXPECT_EQ(made(form.Held), nullptr);
    auto tabFrom = [](QWidget* widget) {
        widget->setFocus(Qt::TabFocusReason);
        QTest::keyClick(widget, Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    EXPECT_EQ(tabFrom(made(form.Name)), made(form.Below));

    form.Later.setVisible(true);
    ASSERT_NE(made(form.Held), nullptr);
    EXPECT_TRUE(made(form.Held)->isVisibleTo(platform.windowOf(form)));
    EXPECT_EQ(tabFrom(made(form.Below)), made(form.Held));
}
