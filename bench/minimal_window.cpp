// The yardstick for bench/idle.sh: the smallest Qt Widgets program that shows a window of the
// game window's size with one line of text (any window with text pays for loading the fonts),
// so that the program's own start-up, idle and memory costs stand out.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    window.setFixedSize(215, 257);
    QLabel line(QStringLiteral("Select \"New\" To play"), &window);
    line.move(6, 8);
    window.show();
    return QApplication::exec();
}
