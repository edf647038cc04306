// The open and save dialog: the form's filter with patterns that ignore letter case, the start
// file preselected, Cancel as nothing, a typed name kept as typed.
#include "platform/qt/dialogs.h"
#include "qt_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {

const std::string SavedGames = "Tesselby *.TBY|*.TBY|All Files *.*|*.*|";

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

// The patterns of a Qt name filter, "Description (*.a *.b)", as the dialog reads them.
QStringList patternsOf(const QString& filter) {
    const qsizetype open = filter.lastIndexOf('(');
    return filter.mid(open + 1, filter.size() - open - 2).split(' ', Qt::SkipEmptyParts);
}

// Runs `script` on the file dialog once it is open with the focus in it. A dialog the script
// leaves open fails the test and is cancelled, so that the test ends.
void whenDialogOpens(std::function<void(QFileDialog&)> script) {
    qttest::once([] { return qttest::activeModal<QFileDialog>() != nullptr; },
                 [script] {
                     QFileDialog& dialog = *qttest::activeModal<QFileDialog>();
                     script(dialog);
                     if (!dialog.isVisible()) return;
                     ADD_FAILURE() << "the file dialog stayed open on "
                                   << dialog.selectedFiles().join(",").toStdString();
                     dialog.reject();
                 },
                 "the file dialog");
}

TEST(FileFilter, SavedGamePatternMatchesTheExtensionInAnyLetterCase) {
    const QStringList filters = qtui::nameFiltersOf(SavedGames);
    ASSERT_EQ(filters.size(), 2);
    EXPECT_TRUE(filters[0].startsWith("Tesselby *.TBY ("));
    EXPECT_TRUE(filters[1].startsWith("All Files *.* ("));

    QTemporaryDir folder;
    for (const char* name : {"a.tby", "B.TBY", "c.Tby", "d.txt", "tby"})
        touch(folder.filePath(name));
    const QStringList found =
        QDir(folder.path()).entryList(patternsOf(filters[0]), QDir::Files, QDir::Name);
    EXPECT_EQ(found, QStringList({"B.TBY", "a.tby", "c.Tby"}));
    // A game saved under a name typed without an extension still shows among all files.
    EXPECT_EQ(QDir(folder.path()).entryList(patternsOf(filters[1]), QDir::Files).size(), 5);
}

TEST(FileFilter, MalformedFilterGivesOnlyItsWholeEntries) {
    EXPECT_TRUE(qtui::nameFiltersOf("").isEmpty());
    EXPECT_EQ(qtui::nameFiltersOf("Text|*.txt|Lonely").size(), 1);
}

class FileDialog : public qttest::QtPlatformTest {
protected:
    QTemporaryDir folder;
};

TEST_F(FileDialog, OpensAtTheStartFileAndCancelGivesNothing) {
    const QString start = folder.filePath("saved.tby");
    touch(start);
    QStringList selected;
    whenDialogOpens([&](QFileDialog& dialog) {
        selected = dialog.selectedFiles();
        EXPECT_EQ(dialog.nameFilters(), qtui::nameFiltersOf(SavedGames));
        dialog.reject();
    });
    const auto chosen = platform.fileDialog({false, SavedGames, start.toStdString()});
    EXPECT_EQ(chosen, std::nullopt);
    EXPECT_EQ(selected, QStringList({start}));
}

TEST_F(FileDialog, SaveKeepsATypedNameWithoutExtension) {
    const QString typed = folder.filePath("mygame");
    whenDialogOpens([&](QFileDialog& dialog) {
        dialog.setDirectory(folder.path());
        QTest::keyClicks(QApplication::focusWidget(), "mygame");  // into the file name box
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    const auto chosen = platform.fileDialog({true, SavedGames, ""});
    EXPECT_EQ(chosen, typed.toStdString());
}

}  // namespace
