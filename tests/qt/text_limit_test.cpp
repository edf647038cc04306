// A box's maximum length holds for every way the user puts text in: pasted by key, by the
// context menu or (on X11) by a middle click, dropped, or composed by an input method. What would
// go past it is cut off at the limit; the program's own writes still show whole.
#include "qt_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>

namespace {

using forms::FormDesign;

struct Names : forms::Form {
    forms::TextBox name{*this, "name"};
    forms::TextBox notes{*this, "notes"};
    int changes = 0;

    explicit Names(forms::Runtime& runtime) : Form(runtime, "Names") {
        // clang-format off
        design(FormDesign{.caption = "Names", .clientWidth = 4500, .clientHeight = 1500});
        name.design({.left = 0, .top = 0, .width = 3000, .height = 300, .tabIndex = 0, .maxLength = 4});
        notes.design({.left = 0, .top = 600, .width = 3000, .height = 300, .tabIndex = 1});
        // clang-format on
        on(name.Change, &Names::name_Change);
    }
    void name_Change() { ++changes; }
};

class TextLimit : public qttest::QtPlatformTest {
protected:
    void SetUp() override {
        names.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(platform.windowOf(names)));
        QTest::keyClicks(nameBox(), "ab");
    }
    QLineEdit* nameBox() { return qobject_cast<QLineEdit*>(widgetOf(names.name)); }
    QLineEdit* notesBox() { return qobject_cast<QLineEdit*>(widgetOf(names.notes)); }
    static void copy(const QString& text) { QApplication::clipboard()->setText(text); }

    void pasteByKey(QLineEdit* box) { QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier); }

    // Right click, then the menu's Paste.
    void pasteByMenu(QLineEdit* box) {
        QContextMenuEvent click(QContextMenuEvent::Mouse, box->rect().center(),
                                box->mapToGlobal(box->rect().center()));
        QCoreApplication::sendEvent(box, &click);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction* paste = nullptr;
        for (QAction* item : menu->actions()) {
            if (item->text().startsWith(QLineEdit::tr("&Paste"))) paste = item;
        }
        ASSERT_NE(paste, nullptr);
        paste->trigger();
        menu->close();
    }

    // Text dragged in from elsewhere and dropped at the right end of the box.
    bool drop(QLineEdit* box, const QString& text) {
        QMimeData data;
        data.setText(text);
        const QPoint end(box->width() - 4, box->height() / 2);
        QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &enter);
        QDropEvent dropped(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &dropped);
        return dropped.isAccepted();
    }

    void compose(QLineEdit* box, const QString& text) {
        QInputMethodEvent composed;
        composed.setCommitString(text);
        QCoreApplication::sendEvent(box, &composed);
    }

    Names names{runtime};
};

TEST_F(TextLimit, PasteKeepsWhatFitsAndAFullBoxRefusesMore) {
    copy("cdefgh");
    pasteByKey(nameBox());
    EXPECT_EQ(names.name.text(), "abcd");
    EXPECT_EQ(names.name.selStart(), 4);
    EXPECT_EQ(names.changes, 3);  // two typed characters and one paste

    QTest::keyClick(nameBox(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(names.name.text(), "abcd");
    EXPECT_EQ(names.changes, 3);
}

TEST_F(TextLimit, PasteOverASelectionMayUseTheRoomItFrees) {
    nameBox()->setSelection(1, 1);  // the "b"
    copy("XYZ");
    pasteByKey(nameBox());
    EXPECT_EQ(names.name.text(), "aXYZ");

    nameBox()->selectAll();
    copy("Sebastian");
    QTest::keyClick(nameBox(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(names.name.text(), "Seba");
}

TEST_F(TextLimit, ContextMenuPasteKeepsWhatFits) {
    copy("cdefgh");
    pasteByMenu(nameBox());
    EXPECT_EQ(names.name.text(), "abcd");
}

TEST_F(TextLimit, MiddleClickPasteOfTheSelectionKeepsWhatFits) {
    QClipboard& clipboard = *QApplication::clipboard();
    if (!clipboard.supportsSelection()) GTEST_SKIP() << "no selection to paste on this platform";
    clipboard.setText("cdefgh", QClipboard::Selection);
    QTest::mouseClick(nameBox(), Qt::MiddleButton, {},
                      QPoint(nameBox()->width() - 4, nameBox()->height() / 2));
    EXPECT_EQ(names.name.text(), "abcd");
    QTest::mouseClick(nameBox(), Qt::MiddleButton, {},
                      QPoint(nameBox()->width() - 4, nameBox()->height() / 2));
    EXPECT_EQ(names.name.text(), "abcd");
}

TEST_F(TextLimit, DropKeepsWhatFitsAndAFullBoxRefusesIt) {
    EXPECT_TRUE(drop(nameBox(), "cdefgh"));
    EXPECT_EQ(names.name.text(), "abcd");
    EXPECT_FALSE(drop(nameBox(), "e"));
    EXPECT_EQ(names.name.text(), "abcd");
}

TEST_F(TextLimit, ComposedCharactersKeepToTheLimit) {
    compose(nameBox(), QString::fromUtf8("\u00e9\u00e8\u00ea"));
    EXPECT_EQ(names.name.text(), "ab\u00e9\u00e8");
    compose(nameBox(), QString::fromUtf8("\u00fc"));
    EXPECT_EQ(names.name.text(), "ab\u00e9\u00e8");
}

TEST_F(TextLimit, NameWrittenByTheProgramShowsWholeAndTakesNoPasteOrDrop) {
    names.name.setText("Alexandra");
    nameBox()->end(false);
    copy("s");
    pasteByKey(nameBox());
    pasteByMenu(nameBox());
    EXPECT_FALSE(drop(nameBox(), "s"));
    EXPECT_EQ(names.name.text(), "Alexandra");
    EXPECT_EQ(nameBox()->text(), "Alexandra");
}

TEST_F(TextLimit, BoxWithoutAMaximumTakesAllThatIsPutIn) {
    const QString longText(300, QChar('w'));
    copy(longText);
    pasteByKey(notesBox());
    EXPECT_TRUE(drop(notesBox(), longText));
    compose(notesBox(), longText);
    EXPECT_EQ(names.notes.text().size(), 900u);
}

}  // namespace
