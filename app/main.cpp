#include "app/Form2.h"
#include "app/Program.h"
#include "screens/ScreenRefs.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexitor"));
    // The program ends only through the main menu's Exit.
    QApplication::setQuitOnLastWindowClosed(false);
    if (!lexitor::app::claimWordFolder())
        return 1;
    lexitor::app::connectStore();

    lexitor::refs::get<lexitor::Form2>().showScreen();
    const int status = QApplication::exec();
    lexitor::refs::releaseAll();
    return status;
}
