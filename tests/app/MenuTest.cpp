// The main menu: its four actions, the quit question, the help page and the
// close box, driven with real keys and clicks.

#include "app/Form2.h"
#include "app/Program.h"
#include "app/frmChoice.h"
#include "app/frmLogin.h"
#include "quiz/frmTest.h"
#include "screens/ScreenRefs.h"
#include "support/ScreenDriver.h"
#include "support/ScriptedMessages.h"

#include <QtTest>

using namespace lexitor;
using namespace lexitor::app;
using namespace lexitor::quiz;
using namespace lexitor::screens;

class MenuTest : public QObject {
    Q_OBJECT

    int ends = 0;
    QList<QUrl> opened;
    bool viewerStarts = true;

    Form2& showMenu() {
        Form2& menu = refs::get<Form2>();
        menu.showScreen();
        QApplication::setActiveWindow(&menu);
        return menu;
    }

private slots:
    void init() {
        ends = 0;
        opened.clear();
        app::setEndProgramHandler([this] { ++ends; });
        app::setUrlOpener([this](const QUrl& url) {
            opened.append(url);
            return viewerStarts;
        });
    }
    void cleanup() {
        testing::releaseScreens();
        app::setEndProgramHandler({});
        app::setUrlOpener({});
    }

    // Exit, Esc and the close box all ask first; No changes nothing.
    void everyWayOutAsksAndNoChangesNothing() {
        QFETCH(int, way);
        testing::ScriptedMessages messages;
        Form2& menu = showMenu();
        menu.n = 3;
        messages.answers = {vbNo};
        if (way == 0)
            QTest::keyClick(&menu, Qt::Key_Escape);
        else if (way == 1)
            QTest::mouseClick(menu.ui.cmdExit, Qt::LeftButton);
        else
            QVERIFY(!menu.close());
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, QString("Are you sure you want to quit?"));
        QCOMPARE(messages.shown[0].title, QString("Confirm"));
        QCOMPARE(messages.shown[0].code, vbYesNo + vbInformation);
        QCOMPARE(ends, 0);
        QCOMPARE(refs::get<Form2>().n, 3);
        QVERIFY(menu.isVisible());
    }
    void everyWayOutAsksAndNoChangesNothing_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("Esc") << 0;
        QTest::newRow("Exit") << 1;
        QTest::newRow("close box") << 2;
    }

    void yesReleasesTheScreensItHoldsAndEnds() {
        testing::ScriptedMessages messages;
        Form2& menu = showMenu();
        refs::get<frmLogin>(); // created earlier in the run
        messages.answers = {vbYes};
        QTest::mouseClick(menu.ui.cmdExit, Qt::LeftButton);
        QCOMPARE(ends, 1);
        QVERIFY(!refs::exists<Form2>());
        QVERIFY(!refs::exists<frmLogin>());
        // Screens never created are not created by the quit.
        QVERIFY(!refs::exists<frmChoice>());
        QVERIFY(!refs::exists<frmTest>());
    }

    // The page of the working folder; when it cannot be shown, a message
    // says what failed, with the reason where there is one.
    void theQuestionMarkOpensTheHelpPage() {
        QFETCH(QString, page);
        QFETCH(bool, starts);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString before = QDir::currentPath();
        QDir::setCurrent(folder.path());
        if (page == "file")
            QFile("readme.html").open(QIODevice::WriteOnly);
        else if (page == "folder")
            QDir().mkdir("readme.html");
        viewerStarts = starts;
        testing::ScriptedMessages messages;
        Form2& menu = showMenu();
        QTest::mouseClick(menu.ui.Label1, Qt::LeftButton);
        const QString where = QDir::currentPath();
        QDir::setCurrent(before);

        const QUrl url = QUrl::fromLocalFile(QDir(where).absoluteFilePath("readme.html"));
        QCOMPARE(opened, page == "file" ? QList<QUrl>{url} : QList<QUrl>{});
        QVERIFY(menu.isVisible());
        QStringList expected;
        if (!(page == "file" && starts))
            expected.append("The help page readme.html could not be opened from " +
                            QDir::toNativeSeparators(where) + "." +
                            (reason.isEmpty() ? "" : "\n" + reason));
        QCOMPARE(messages.texts(), expected);
        for (const auto& message : std::as_const(messages.shown))
            QCOMPARE(message.code, vbExclamation);
    }
    void theQuestionMarkOpensTheHelpPage_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("reason");
        QTest::newRow("shown") << "file" << true << "";
        QTest::newRow("no viewer") << "file" << false << "";
        QTest::newRow("missing") << "" << true << "No such file or directory";
        QTest::newRow("a folder") << "folder" << true
                                  << "There is a folder of that name, not a page.";
    }
};

QTEST_MAIN(MenuTest)
#include "MenuTest.moc"
