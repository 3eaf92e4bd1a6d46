// A child process for fatal_test: in the working folder, adds the word
// "kept" to level 0 through "Add Records", damages word2.mdb, then starts
// the quiz from the main menu, answering every message box by printing
// it. The damaged file must end this process, with word0.mdb still open.

#include "app/Form2.h"
#include "app/Program.h"
#include "entry/Form1.h"
#include "screens/Messages.h"
#include "screens/ScreenRefs.h"
#include "support/Files.h"
#include "support/ScreenDriver.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
    using namespace lexitor;
    using namespace lexitor::app;
    using namespace lexitor::entry;
    using namespace lexitor::screens;
    QApplication application(argc, argv);
    // The program's own services, but message boxes answered by printing them.
    Services services = app::systemServices();
    services.showMessage = [](const Message& message) {
        std::printf("%s|%s|%d\n", qPrintable(message.title), qPrintable(message.text),
                    message.code);
        std::fflush(stdout);
        return vbOK;
    };
    Form1& add = testing::showActive<Form1>(services);
    add.ui.txtWord->setText("kept");
    add.ui.txtAns->setText("stored before the end");
    add.ui.txtlevel->setText("0");
    QTest::mouseClick(add.ui.cmdAdd, Qt::LeftButton);
    testing::writeFile("word2.mdb", QByteArray(4096, '\x5a'));
    QTest::keyClick(&testing::showMenu(services), Qt::Key_Return);
    std::printf("still running\n");
    refs::releaseAll();
    return 0;
}
