// A child process for fatal_test: starts at the main menu in the working
// folder, answers every message box by printing it, and presses Enter (the
// quiz). An engine failure on the way must end this process.

#include "app/Form2.h"
#include "screens/Messages.h"
#include "screens/ScreenRefs.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    lexitor::screens::setMessageResponder([](const lexitor::screens::Message& message) {
        std::printf("%s|%s|%d\n", qPrintable(message.title), qPrintable(message.text),
                    message.code);
        std::fflush(stdout);
        return lexitor::screens::vbOK;
    });
    auto& menu = lexitor::refs::get<lexitor::Form2>();
    menu.showScreen();
    QTest::keyClick(&menu, Qt::Key_Return);
    std::printf("still running\n");
    lexitor::refs::releaseAll();
    return 0;
}
