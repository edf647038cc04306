// The default look read as a player sees it, with the default skin beside the program and with
// no skin folder at all: every label of the start window and the game window's status line,
// score heading and score lines stand out from what lies behind them, a selected option button
// looks pressed, a small picture button shows the keyboard focus and its whole picture, the
// skin's description fits its box with even margins, and the built-in plates hold their labels.
#include "app.h"
#include "art/builtin_pictures.h"
#include "game/skin_files.h"
#include "program_fixture.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// ---- Contrast as the accessibility guidelines measure it --------------------------------------

double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How one text reads: against what lies behind most of its letters, and behind the worst of them.
struct Legibility {
    int inkPixels = 0;     // pixels the text changes
    int inTextColour = 0;  // of them, pixels drawn in (nearly) the text's own colour
    double typical = 0;    // exceeded behind nine in ten of its letters' pixels
    double worst = 0;      // behind its least readable pixel
};

// The text is found by drawing the container with and without it: the pixels that change are
// its letters, and the second picture is exactly what lies behind them.
Legibility legibilityOf(QWidget* text) {
    QWidget* ground = text->parentWidget();
    const QImage with = ground->grab().toImage();
    text->hide();
    const QImage without = ground->grab().toImage();
    text->show();
    const QColor ink = text->palette().color(QPalette::WindowText);

    Legibility result;
    std::vector<double> behindLetters;
    const QRect place = text->geometry().intersected(with.rect());
    for (int y = place.top(); y <= place.bottom(); ++y) {
        for (int x = place.left(); x <= place.right(); ++x) {
            const QColor drawn = with.pixelColor(x, y), behind = without.pixelColor(x, y);
            if (!qttest::near(drawn, behind, 24)) {
                ++result.inkPixels;
                // Small letters are smoothed: few of their pixels reach the colour itself.
                if (qttest::near(drawn, ink, 64)) ++result.inTextColour;
                behindLetters.push_back(contrast(ink, behind));
            }
        }
    }
    if (behindLetters.empty()) return result;
    std::sort(behindLetters.begin(), behindLetters.end());
    result.worst = behindLetters.front();
    result.typical = behindLetters[behindLetters.size() / 10];
    return result;
}

// ---- Where things are drawn ------------------------------------------------------------------

// The box around what a text draws, in its container's pixels: the pixels that change when it
// is hidden.
QRect inkOf(QWidget* text) {
    QWidget* ground = text->parentWidget();
    const QImage with = ground->grab().toImage();
    text->hide();
    const QImage without = ground->grab().toImage();
    text->show();
    QRect ink;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) != without.pixel(x, y)) ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// The box around the plate under `point`: the pixels joined to it where a picture with plates
// differs from the same ground without them.
QRect plateAt(const QImage& plated, const QImage& bare, QPoint point) {
    auto onPlate = [&](QPoint p) {
        return plated.rect().contains(p) && plated.pixel(p) != bare.pixel(p);
    };
    QRect plate;
    std::vector<QPoint> todo;
    std::vector<bool> seen(std::size_t(plated.width()) * std::size_t(plated.height()));
    if (onPlate(point)) todo.push_back(point);
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        const std::size_t index = std::size_t(p.y()) * std::size_t(plated.width()) + p.x();
        if (seen[index]) continue;
        seen[index] = true;
        plate |= QRect(p, QSize(1, 1));
        for (QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            if (onPlate(p + step)) todo.push_back(p + step);
        }
    }
    return plate;
}

std::string describe(const QRect& r) {
    return QString("(%1,%2)-(%3,%4)")
        .arg(r.left())
        .arg(r.top())
        .arg(r.right())
        .arg(r.bottom())
        .toStdString();
}

// ---- The program with or without its skin -----------------------------------------------------

// The real platform, except that the program's own folder is one the test chooses: the start
// window takes its skin from there.
class ProgramFolderPlatform final : public forms::Platform {
public:
    ProgramFolderPlatform(qtui::QtPlatform& real, std::filesystem::path folder)
        : real_(real), folder_(std::move(folder)) {}

    long long nowMs() override { return real_.nowMs(); }
    void wakeAt(long long dueMs) override { real_.wakeAt(dueMs); }
    void showForm(forms::Form& form) override { real_.showForm(form); }
    void hideForm(forms::Form& form) override { real_.hideForm(form); }
    void destroyForm(forms::Form& form) override { real_.destroyForm(form); }
    void bringToFront(forms::Form& form) override { real_.bringToFront(form); }
    void setTopmost(forms::Form& form) override { real_.setTopmost(form); }
    void formChanged(forms::Form& form, forms::Property what) override {
        real_.formChanged(form, what);
    }
    void controlChanged(forms::Control& control, forms::Property what) override {
        real_.controlChanged(control, what);
    }
    void setFocus(forms::Control& control) override { real_.setFocus(control); }
    void runModal(forms::Form& form, const std::function<bool()>& done) override {
        real_.runModal(form, done);
    }
    int messageBox(const std::string& text, int style, const std::string& title) override {
        ADD_FAILURE() << "unexpected message box: " << text;
        return real_.messageBox(text, style, title);
    }
    std::optional<std::string> fileDialog(const forms::FileDialogRequest& request) override {
        return real_.fileDialog(request);
    }
    void playSound(const std::string&, const std::filesystem::path&) override {}
    void launch(const std::string& commandLine, int style) override {
        real_.launch(commandLine, style);
    }
    bool anotherInstanceRunning() override { return false; }
    std::filesystem::path programFolder() override { return folder_; }
    void endProgram() override { ADD_FAILURE() << "the program ended"; }

private:
    qtui::QtPlatform& real_;
    std::filesystem::path folder_;
};

enum class Look { DefaultSkin, BuiltIn };

std::string nameOf(const ::testing::TestParamInfo<Look>& look) {
    return look.param == Look::DefaultSkin ? "DefaultSkin" : "BuiltInPictures";
}

// The program runs from a folder of its own, which holds the default skin or nothing, and is
// also the working directory, as when it is started beside its files.
class DefaultLook : public ::testing::TestWithParam<Look> {
protected:
    DefaultLook() {
        qttest::application();
        if (GetParam() == Look::DefaultSkin) skin_files::copyDefaultSkin(folder());
        std::filesystem::current_path(folder());
        real.attach(app.runtime);
    }
    ~DefaultLook() override { std::filesystem::current_path(previousFolder); }
    void TearDown() override {
        for (forms::Form* form : app.runtime.forms()) real.destroyForm(*form);
        QCoreApplication::processEvents();
    }

    std::filesystem::path folder() const { return programFolder.path().toStdString(); }

    // Game > New, both names typed, X to go first against a human, the level left at Normal.
    void fillInTheStartWindow() {
        qttest::fillInTheStartWindow(app);
        app.runtime.userClick(app.Start.Option4);
    }

    // New in the start window, and a point for each player shown on the score lines.
    void startTheGame() {
        fillInTheStartWindow();
        app.runtime.userMenu(app.Start.NewGame);
        app.gamer.Cr1.setCaption("2");
        app.gamer.Cr2.setCaption("1");
        app.gamer.Timer15_Timer();  // the display sync writes the score lines
    }

    QWidget* widgetOf(const forms::Control& control) { return real.widgetOf(control); }

    void expectReadable(const forms::Control& label) {
        QWidget* text = widgetOf(label);
        ASSERT_NE(text, nullptr) << label.name();
        const Legibility reading = legibilityOf(text);
        const std::string what = label.name() + " \"" + label.peek().caption + "\"";
        ASSERT_GT(reading.inkPixels, 10) << what << " draws no text";
        EXPECT_GT(reading.inTextColour, 3) << what << " is not drawn in its own colour";
        EXPECT_GE(reading.typical, 4.5) << what;
        EXPECT_GE(reading.worst, 3.0) << what;
    }

    QTemporaryDir programFolder;
    QTemporaryDir lockFolder;
    std::filesystem::path previousFolder = std::filesystem::current_path();
    qtui::QtPlatform real{lockFolder.filePath("tesselby.lock")};
    ProgramFolderPlatform platform{real, folder()};
    App app{platform};
};

INSTANTIATE_TEST_SUITE_P(BothLooks, DefaultLook,
                         ::testing::Values(Look::DefaultSkin, Look::BuiltIn), nameOf);

TEST_P(DefaultLook, EveryLabelOfTheStartWindowStandsOutFromItsGround) {
    fillInTheStartWindow();
    // The watched-game row lies below the visible client area; its label is measured all the
    // same, on its own panel.
    for (const forms::Control* label :
         {&app.Start.Label1, &app.Start.Label2, &app.Start.Label3, &app.Start.Label4,
          &app.Start.Label5, &app.Start.Label6, &app.Start.Label7, &app.Start.Label8,
          &app.Start.Label9, &app.Start.Label10, &app.Start.Label11}) {
        expectReadable(*label);
    }
}

TEST_P(DefaultLook, TheNotReadyPromptStandsOutFromTheTopBar) {
    app.start();
    expectReadable(app.gamer.label);
}

TEST_P(DefaultLook, TheTurnLineAndTheScoresStandOutFromTheGameWindow) {
    startTheGame();
    for (const forms::Control* label :
         {&app.gamer.label, &app.gamer.Label2, &app.gamer.NameA, &app.gamer.NameB}) {
        expectReadable(*label);
    }
}

TEST_P(DefaultLook, ASelectedOptionLooksPressedBesideItsNeighbour) {
    fillInTheStartWindow();
    ASSERT_TRUE(app.Start.Option1.value());
    ASSERT_FALSE(app.Start.Option2.value());
    const QImage selected = widgetOf(app.Start.Option1)->grab().toImage();
    const QImage neighbour = widgetOf(app.Start.Option2)->grab().toImage();
    ASSERT_EQ(selected.size(), neighbour.size());

    // Most of the face differs plainly, not a pixel of bevel.
    int plainlyDifferent = 0;
    for (int y = 0; y < selected.height(); ++y) {
        for (int x = 0; x < selected.width(); ++x) {
            if (contrast(selected.pixelColor(x, y), neighbour.pixelColor(x, y)) >= 2.0)
                ++plainlyDifferent;
        }
    }
    EXPECT_GE(plainlyDifferent, selected.width() * selected.height() / 3);
}

TEST_P(DefaultLook, TheSmallAboutButtonShowsTheKeyboardFocus) {
    app.start();
    QWidget* about = widgetOf(app.gamer.AboutMe);
    ASSERT_TRUE(QTest::qWaitForWindowActive(about->window()));
    about->clearFocus();  // the window may open with the focus on it
    ASSERT_FALSE(about->hasFocus());
    const QImage unfocused = about->grab().toImage();
    about->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(about->hasFocus());
    const QImage focused = about->grab().toImage();

    // A ring around the picture: at least one side's worth of pixels changes plainly.
    int changed = 0;
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
            if (contrast(focused.pixelColor(x, y), unfocused.pixelColor(x, y)) >= 3.0) ++changed;
        }
    }
    EXPECT_GE(changed, focused.width());
}

TEST_P(DefaultLook, TheFocusRingOfTheScoresButtonLeavesItsPictureInSight) {
    startTheGame();
    QWidget* scores = widgetOf(app.gamer.Score);
    ASSERT_TRUE(QTest::qWaitForWindowActive(scores->window()));
    scores->clearFocus();
    const QImage unfocused = scores->grab().toImage();
    scores->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(scores->hasFocus());
    const QImage focused = scores->grab().toImage();

    // The picture sits in the middle of the face: not one of its pixels changes with the focus,
    // while a ring around it plainly does.
    const QSize size = app.gamer.Score.peek().picture.image().size();
    const QRect picture(
        QPoint((focused.width() - size.width()) / 2, (focused.height() - size.height()) / 2), size);
    int pictureChanged = 0, ringChanged = 0;
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
            if (picture.contains(x, y)) {
                if (focused.pixel(x, y) != unfocused.pixel(x, y)) ++pictureChanged;
            } else if (contrast(focused.pixelColor(x, y), unfocused.pixelColor(x, y)) >= 3.0) {
                ++ringChanged;
            }
        }
    }
    EXPECT_EQ(pictureChanged, 0) << "of the picture's " << size.width() * size.height();
    EXPECT_GE(ringChanged, focused.width());
}

TEST_P(DefaultLook, TheSkinDescriptionKeepsTheSameMarginOnTheRightAndBelowAsOnTheLeft) {
    app.start();
    app.Skin.show();
    QWidget* box = widgetOf(app.Skin.About);
    ASSERT_NE(box, nullptr);
    const int left = box->x();
    const int right = box->parentWidget()->width() - (box->x() + box->width());
    const int below = box->parentWidget()->height() - (box->y() + box->height());
    EXPECT_GE(left, 2);
    EXPECT_EQ(right, left);
    EXPECT_EQ(below, left);
}

TEST_P(DefaultLook, EachBuiltInPlateHoldsItsLabelWithRoomToSpareAndTouchesNoOther) {
    if (GetParam() != Look::BuiltIn) GTEST_SKIP() << "the default skin's labels have no plates";
    fillInTheStartWindow();
    struct Neighbours {
        QImage plated, bare;
        const forms::Label *upper, *lower;
    };
    const Neighbours neighbours[] = {
        {app.Start.peek().picture.image(), art::startGround(), &app.Start.Label1,
         &app.Start.Label2},
        {app.Start.Frame1.picture().image(), art::panelBackground(), &app.Start.Label4,
         &app.Start.Label5},
        {app.Start.Frame2.picture().image(), art::panelBackground(), &app.Start.Label7,
         &app.Start.Label6},
    };
    for (const Neighbours& pair : neighbours) {
        QRect plates[2];
        int n = 0;
        for (const forms::Label* label : {pair.upper, pair.lower}) {
            const std::string what = label->name() + " \"" + label->peek().caption + "\"";
            const QRect ink = inkOf(widgetOf(*label));
            ASSERT_FALSE(ink.isEmpty()) << what << " draws no text";
            const QRect plate = plates[n++] = plateAt(pair.plated, pair.bare, ink.center());
            // Within the plate's one-pixel edge, two pixels to spare at the sides and one above
            // and below.
            const QRect roomy = plate.adjusted(3, 2, -3, -2);
            EXPECT_TRUE(roomy.contains(ink))
                << what << " draws " << describe(ink) << " on the plate " << describe(plate);
        }
        // A pixel of ground at least between the two plates.
        EXPECT_FALSE(plates[0].adjusted(-1, -1, 1, 1).intersects(plates[1]))
            << pair.upper->name() << " on " << describe(plates[0]) << ", " << pair.lower->name()
            << " on " << describe(plates[1]);
    }
}

TEST_P(DefaultLook, TheSkinDescriptionFitsItsBoxWithoutScrollingSideways) {
    app.start();
    app.Skin.show();
    auto* box = qobject_cast<QAbstractScrollArea*>(widgetOf(app.Skin.About));
    ASSERT_NE(box, nullptr);
    QCoreApplication::processEvents();  // the box lays its text out
    EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0);
}

}  // namespace
