// Icons nobody looks at during the first frame are made later: the program's icon once the
// window has been drawn, the menu bar's overflow icon only if it is ever drawn.
#include "qt_fixture.h"

#include "platform/qt/deferred_icons.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QTest>

namespace {

using forms::FormDesign;

TEST(DeferredIcons, AnIconIsMadeOnceAndOnlyWhenDrawnOrMeasured) {
    qttest::application();
    int made = 0;
    const QIcon icon = qtui::deferredIcon([&made] {
        ++made;
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::red);
        return QIcon(pixmap);
    });
    const QIcon copy = icon;
    EXPECT_FALSE(copy.isNull());
    EXPECT_EQ(made, 0);
    EXPECT_EQ(copy.pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::red));
    EXPECT_FALSE(icon.availableSizes().isEmpty());
    EXPECT_EQ(made, 1);
}

TEST(DeferredIcons, TheMenuBarsOverflowIconIsTheStylesOwnWhenDrawn) {
    qttest::application();
    qtui::DeferringStyle style(QStringLiteral("fusion"));
    const QIcon deferred =
        style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, nullptr);
    const QIcon own =
        QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    EXPECT_EQ(deferred.pixmap(16, 16).toImage(), own.pixmap(16, 16).toImage());
}

struct Iconic : forms::Form {
    explicit Iconic(forms::Runtime& runtime) : Form(runtime, "Iconic") {
        // clang-format off
        design(FormDesign{.caption = "Iconic", .clientWidth = 1500, .clientHeight = 900,
                          .icon = qttest::solidPicture(32, 32, Qt::blue)});
        // clang-format on
    }
};

class WindowIcon : public qttest::QtPlatformTest {
protected:
    Iconic form{runtime};
};

TEST_F(WindowIcon, TheWindowTakesItsIconRightAfterItsFirstFrame) {
    form.show();
    QWidget* window = platform.windowOf(form);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->windowIcon().isNull(); }, 5000));
    EXPECT_EQ(window->windowIcon().pixmap(32, 32).toImage().pixelColor(16, 16), QColor(Qt::blue));
}

}  // namespace
