// The user's clicks, keys, focus and close box reach the runtime, and only where they may.
#include "qt_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <string>

namespace {

using forms::Design;
using forms::FormDesign;

struct Entry : forms::Form {
    forms::Image cell{*this, "cell"};
    forms::Image takenCell{*this, "takenCell"};
    forms::Label caption{*this, "caption"};
    forms::CommandButton go{*this, "go"};
    forms::CommandButton stop{*this, "stop"};
    forms::OptionButton easy{*this, "easy"};
    forms::OptionButton hard{*this, "hard"};
    forms::TextBox name{*this, "name"};
    forms::TextBox first{*this, "first"};

    int cellClicks = 0, takenClicks = 0, captionClicks = 0, goClicks = 0, stopClicks = 0;
    std::string keys;  // every KeyPress, as the codes it saw
    int changes = 0;
    bool refuseClose = false;
    int closeQuestions = 0;

    explicit Entry(forms::Runtime& runtime) : Form(runtime, "Entry") {
        // clang-format off
        design(FormDesign{.caption = "Entry", .clientWidth = 4500, .clientHeight = 3000});
        cell.design({.left = 0, .top = 0, .width = 450, .height = 450,
                     .picture = qttest::solidPicture(10, 10, Qt::white)});
        takenCell.design({.left = 600, .top = 0, .width = 450, .height = 450, .enabled = false});
        caption.design({.left = 1200, .top = 0, .width = 900, .height = 300, .caption = "Click"});
        go.design({.left = 0, .top = 600, .width = 900, .height = 450, .caption = "Go", .tabIndex = 3});
        stop.design({.left = 1200, .top = 600, .width = 900, .height = 450, .caption = "Stop",
                     .enabled = false, .tabIndex = 4});
        easy.design({.left = 0, .top = 1200, .width = 900, .height = 300, .caption = "Easy",
                     .tabIndex = 5, .value = 1});
        hard.design({.left = 1200, .top = 1200, .width = 900, .height = 300, .caption = "Hard",
                     .tabIndex = 6});
        name.design({.left = 0, .top = 1800, .width = 2000, .height = 300, .tabIndex = 1,
                     .maxLength = 4});
        first.design({.left = 0, .top = 2400, .width = 2000, .height = 300, .tabIndex = 0});
        // clang-format on
        on(cell.Click, &Entry::cell_Click);
        on(takenCell.Click, &Entry::takenCell_Click);
        on(caption.Click, &Entry::caption_Click);
        on(go.Click, &Entry::go_Click);
        on(stop.Click, &Entry::stop_Click);
        on(name.KeyPress, &Entry::name_KeyPress);
        on(name.Change, &Entry::name_Change);
    }

    void cell_Click() { ++cellClicks; }
    void takenCell_Click() { ++takenClicks; }
    void caption_Click() { ++captionClicks; }
    void go_Click() { ++goClicks; }
    void stop_Click() { ++stopClicks; }
    void name_Change() { ++changes; }
    void name_KeyPress(std::int16_t& key) {
        keys += std::to_string(key) + " ";
        if (key == 'x') key = 0;    // swallowed
        if (key == 'q') key = 'Q';  // replaced
    }

protected:
    void Form_QueryUnload(int& cancel, int) override {
        ++closeQuestions;
        if (refuseClose) cancel = 1;
    }
};

class Input : public qttest::QtPlatformTest {
protected:
    void SetUp() override {
        entry.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(platform.windowOf(entry)));
    }
    QLineEdit* nameBox() { return qobject_cast<QLineEdit*>(widgetOf(entry.name)); }

    Entry entry{runtime};
};

TEST_F(Input, ClicksReachEnabledControlsOnly) {
    QTest::mouseClick(widgetOf(entry.cell), Qt::LeftButton);
    QTest::mouseClick(widgetOf(entry.takenCell), Qt::LeftButton);
    QTest::mouseClick(widgetOf(entry.caption), Qt::LeftButton);
    QTest::mouseClick(widgetOf(entry.go), Qt::LeftButton);
    QTest::mouseClick(widgetOf(entry.stop), Qt::LeftButton);
    EXPECT_EQ(entry.cellClicks, 1);
    EXPECT_EQ(entry.takenClicks, 0);
    EXPECT_EQ(entry.captionClicks, 1);
    EXPECT_EQ(entry.goClicks, 1);
    EXPECT_EQ(entry.stopClicks, 0);

    entry.cell.setEnabled(false);
    entry.stop.setEnabled(true);
    QTest::mouseClick(widgetOf(entry.cell), Qt::LeftButton);
    QTest::mouseClick(widgetOf(entry.stop), Qt::LeftButton);
    EXPECT_EQ(entry.cellClicks, 1);
    EXPECT_EQ(entry.stopClicks, 1);
}

TEST_F(Input, ClickedOptionIsSelectedAndTheOtherOfItsGroupCleared) {
    QTest::mouseClick(widgetOf(entry.hard), Qt::LeftButton);
    EXPECT_TRUE(entry.hard.value());
    EXPECT_FALSE(entry.easy.value());
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(widgetOf(entry.hard))->isChecked());
    EXPECT_FALSE(qobject_cast<QAbstractButton*>(widgetOf(entry.easy))->isChecked());
}

TEST_F(Input, WindowOpensWithTheFocusOnTheFirstControlInTheTabOrder) {
    EXPECT_EQ(QApplication::focusWidget(), widgetOf(entry.first));
    EXPECT_EQ(entry.activeControl(), &entry.first);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(entry.activeControl(), &entry.name);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(entry.activeControl(), &entry.go);
}

TEST_F(Input, FocusSetByCodeMovesTheKeyboardFocus) {
    runtime.setFocus(entry.go);
    EXPECT_EQ(QApplication::focusWidget(), widgetOf(entry.go));
    EXPECT_EQ(entry.activeControl(), &entry.go);
}

TEST_F(Input, EveryCharacterKeyPassesKeyPressBeforeTheBoxTakesIt) {
    QTest::keyClicks(nameBox(), "abx");
    EXPECT_EQ(entry.keys, "97 98 120 ");
    EXPECT_EQ(entry.name.text(), "ab");  // the handler swallowed the x
    EXPECT_EQ(entry.changes, 2);
    EXPECT_EQ(entry.name.selStart(), 2);

    QTest::keyClick(nameBox(), Qt::Key_Q);
    EXPECT_EQ(entry.name.text(), "abQ");  // the handler replaced the q

    QTest::keyClick(nameBox(), Qt::Key_Return);
    QTest::keyClick(nameBox(), Qt::Key_Backspace);
    EXPECT_EQ(entry.keys, "97 98 120 113 13 8 ");
    EXPECT_EQ(entry.name.text(), "ab");
    EXPECT_EQ(entry.name.selStart(), 2);
}

TEST_F(Input, BoxRefusesCharactersBeyondItsMaximumLength) {
    QTest::keyClicks(nameBox(), "abcdef");
    EXPECT_EQ(entry.name.text(), "abcd");
    EXPECT_EQ(entry.changes, 4);
}

TEST_F(Input, TextWrittenByCodeShowsWholeButTypingStaysRefusedBeyondTheMaximum) {
    entry.name.setText("Alexandra");  // longer than the box's four characters
    EXPECT_EQ(nameBox()->text(), "Alexandra");
    nameBox()->end(false);
    QTest::keyClick(nameBox(), Qt::Key_S);
    EXPECT_EQ(entry.name.text(), "Alexandra");
    QTest::keyClick(nameBox(), Qt::Key_Backspace);
    EXPECT_EQ(entry.name.text(), "Alexandr");
}

TEST_F(Input, ControlKeysTypeNothingAndReachNoKeyPressHandler) {
    QTest::keyClicks(nameBox(), "ab");
    QTest::keyClick(nameBox(), Qt::Key_H, Qt::ControlModifier);
    QTest::keyClick(nameBox(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(entry.keys, "97 98 ");
    EXPECT_EQ(entry.name.text(), "ab");
}

TEST_F(Input, TextSetByCodeShowsWithTheCaretAtTheStart) {
    QTest::keyClicks(nameBox(), "ab");
    entry.name.setText("Anne");
    EXPECT_EQ(nameBox()->text(), "Anne");
    EXPECT_EQ(nameBox()->cursorPosition(), 0);
    EXPECT_EQ(entry.name.selStart(), 0);
}

// Two boxes in the tab order, and a control of every kind that takes the focus left out of it:
// a tab stop with no place in the order.
struct Unordered : forms::Form {
    forms::TextBox first{*this, "first"};
    forms::TextBox box{*this, "box"};
    forms::TextBox memo{*this, "memo"};
    forms::CommandButton button{*this, "button"};
    forms::CommandButton pictured{*this, "pictured"};
    forms::OptionButton option{*this, "option"};
    forms::CheckBox check{*this, "check"};
    forms::TextBox second{*this, "second"};
    explicit Unordered(forms::Runtime& runtime) : Form(runtime, "Unordered") {
        // clang-format off
        design(FormDesign{.caption = "Unordered", .clientWidth = 4500, .clientHeight = 3000});
        first.design({.left = 0, .top = 0, .width = 2000, .height = 300, .tabIndex = 0});
        box.design({.left = 0, .top = 400, .width = 2000, .height = 300});
        memo.design({.left = 0, .top = 800, .width = 2000, .height = 600, .multiLine = true});
        button.design({.left = 0, .top = 1500, .width = 900, .height = 300, .caption = "Go"});
        pictured.design({.left = 1000, .top = 1500, .width = 900, .height = 300,
                         .picture = qttest::solidPicture(10, 10, Qt::white), .graphical = true});
        option.design({.left = 0, .top = 1900, .width = 900, .height = 300, .caption = "Easy"});
        check.design({.left = 1000, .top = 1900, .width = 900, .height = 300, .caption = "Sound"});
        second.design({.left = 0, .top = 2400, .width = 2000, .height = 300, .tabIndex = 1});
        // clang-format on
    }
};

TEST_F(Input, TabAndShiftTabPassByEveryControlLeftOutOfTheTabOrder) {
    Unordered form(runtime);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(platform.windowOf(form)));
    auto pressFourTimes = [&](Qt::KeyboardModifiers modifiers) {
        std::string seen;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            seen += QApplication::focusWidget()->objectName().toStdString() + " ";
        }
        return seen;
    };
    EXPECT_EQ(pressFourTimes(Qt::NoModifier), "second first second first ");
    EXPECT_EQ(pressFourTimes(Qt::ShiftModifier), "second first second first ");
    platform.destroyForm(form);
}

// A window with a picture that unloads it when clicked, the way an Ok button closes a side
// window, and goes on with a message box while its window is gone.
struct SelfClosing : forms::Form {
    forms::Image ok{*this, "ok"};
    explicit SelfClosing(forms::Runtime& runtime) : Form(runtime, "SelfClosing") {
        design(FormDesign{.caption = "SelfClosing", .clientWidth = 1500, .clientHeight = 900});
        ok.design({.left = 0, .top = 0, .width = 900, .height = 450});
        on(ok.Click, &SelfClosing::ok_Click);
    }
    void ok_Click() {
        unload();
        runtime().msgBox("Closed", forms::vbOKOnlyExclamation, "Gammerlin");  // and runs on
    }
};

TEST_F(Input, HandlerMayUnloadItsOwnWindowAndRunOn) {
    SelfClosing side(runtime);
    side.show();
    qttest::once([] { return qttest::activeModal<QMessageBox>() != nullptr; },
                 [] { qttest::activeModal<QMessageBox>()->close(); }, "the message box");
    QTest::mouseClick(widgetOf(side.ok), Qt::LeftButton);
    EXPECT_FALSE(side.isLoaded());
    EXPECT_EQ(platform.windowOf(side), nullptr);
    QCoreApplication::processEvents();  // the old window is deleted now
    side.show();                        // and a new one built at the next show
    EXPECT_NE(platform.windowOf(side), nullptr);
    platform.destroyForm(side);
}

TEST_F(Input, CloseBoxAsksTheFormWhichMayRefuse) {
    entry.refuseClose = true;
    platform.windowOf(entry)->close();
    EXPECT_EQ(entry.closeQuestions, 1);
    EXPECT_TRUE(entry.isLoaded());
    EXPECT_TRUE(platform.windowOf(entry)->isVisible());

    entry.refuseClose = false;
    platform.windowOf(entry)->close();
    EXPECT_EQ(entry.closeQuestions, 2);
    EXPECT_FALSE(entry.isLoaded());
    EXPECT_EQ(platform.windowOf(entry), nullptr);
}

}  // namespace
