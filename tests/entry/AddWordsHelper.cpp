// Opens "Add Records" on the level files in the directory given and adds
// words by clicking Add, one after the other, printing each word once its
// Add has returned. It stops after `count` words and then waits to be killed.
// Usage: form1_add_words_helper DIR COUNT
#include "entry/Form1.h"
#include "screens/Messages.h"
#include "screens/ScreenRefs.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>

using namespace lexitor;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 3 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1])))
        return 2;
    const int count = QString::fromLatin1(argv[2]).toInt();
    // Any message means a refused add: report it and stop.
    screens::setMessageResponder([](const screens::Message& message) {
        std::printf("message %s\n", qPrintable(message.text));
        std::fflush(stdout);
        std::_Exit(2);
        return 0;
    });

    Form1& form = refs::get<Form1>();
    form.showScreen();
    for (int i = 1; i <= count; ++i) {
        const int level = i % 3;
        form.textBox("txtWord")->setText(QString("durable%1").arg(i));
        form.textBox("txtAns")->setText("kept after a kill");
        form.textBox("txtlevel")->setText(QString::number(level));
        QTest::mouseClick(form.button("cmdAdd"), Qt::LeftButton);
        std::printf("added durable%d %d\n", i, level);
        std::fflush(stdout);
    }
    std::printf("done\n");
    std::fflush(stdout);
    return QApplication::exec();
}
