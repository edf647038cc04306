// The yardstick for bench/idle.sh: the smallest Qt Widgets program that shows a window of the
// game window's size, so that the program's own start-up, idle and memory costs stand out.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    window.setFixedSize(215, 257);
    window.show();
    return QApplication::exec();
}
