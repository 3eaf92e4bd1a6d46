#include "app/Form2.h"
#include "app/JetFilesOnStart.h"
#include "screens/ScreenRefs.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    const auto conversion = lexitor::app::bringJetFilesAcross();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexitor"));
    // The program ends only through the main menu's Exit.
    QApplication::setQuitOnLastWindowClosed(false);

    lexitor::app::reportJetConversion(conversion);
    lexitor::refs::get<lexitor::Form2>().showScreen();
    const int status = QApplication::exec();
    lexitor::refs::releaseAll();
    return status;
}
