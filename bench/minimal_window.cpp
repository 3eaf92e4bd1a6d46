// The yardstick for start-up time: a Qt program that shows one window.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(345, 260);
    window.show();
    return QApplication::exec();
}
