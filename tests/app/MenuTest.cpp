// The main menu and the screens it opens on the way to Add Records and the
// editor, driven with real keys and clicks: the quit question, the help
// page, the login (exact texts, the refusal with the password selected, the
// two ways back) and the level chooser (each level by click and by access
// key, a level too small to edit).

#include "app/Form2.h"
#include "app/Program.h"
#include "app/frmChoice.h"
#include "app/frmLogin.h"
#include "editor/frmEdit.h"
#include "entry/Form1.h"
#include "quiz/frmTest.h"
#include "screens/ScreenRefs.h"
#include "support/ScreenDriver.h"
#include "support/ScriptedMessages.h"
#include "support/WordFiles.h"

#include <QPointer>
#include <QtTest>

using namespace lexitor;
using namespace lexitor::editor;
using namespace lexitor::entry;
using namespace lexitor::quiz;
using namespace lexitor::testing;

namespace {
const QString kRefusal = "Invalid Password, try again!";
} // namespace

class MenuTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WordFiles> files_;
    std::unique_ptr<ScriptedMessages> messages_;
    int ends = 0;
    QList<QUrl> opened;
    bool viewerStarts = true;

    Form2& showMenu() {
        Form2& menu = refs::get<Form2>();
        menu.showScreen();
        QApplication::setActiveWindow(&menu);
        return menu;
    }
    static frmLogin& loginFromMenu() { return fromMenu<frmLogin>(&Form2Controls::cmdEdit); }
    static frmChoice& chooserFromMenu() { return fromMenu<frmChoice>(&Form2Controls::cmdEdit2); }
    static QStringList visibleScreens() {
        QStringList titles;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible())
                titles.append(widget->windowTitle());
        return titles;
    }
    static void leaveEditor() {
        QTest::mouseClick(refs::get<frmEdit>().ui.cmdExit, Qt::LeftButton);
        deleteUnloaded();
    }
    void addTwoWordsPerLevel() {
        for (int level = 0; level < store::kLevelCount; ++level) {
            const std::string name = "level" + std::to_string(level);
            files_->add(level, {wordRow((name + "a").c_str(), "first"),
                                wordRow((name + "b").c_str(), "second")});
        }
    }

private slots:
    void init() {
        files_ = std::make_unique<WordFiles>();
        messages_ = std::make_unique<ScriptedMessages>();
        ends = 0;
        opened.clear();
        app::setEndProgramHandler([this] { ++ends; });
        app::setUrlOpener([this](const QUrl& url) {
            opened.append(url);
            return viewerStarts;
        });
    }
    void cleanup() {
        const QStringList fatal = messages_->fatal;
        releaseScreens();
        app::setEndProgramHandler({});
        app::setUrlOpener({});
        messages_.reset();
        files_.reset();
        QVERIFY2(fatal.isEmpty(), qPrintable(fatal.join("; ")));
    }

    // Exit, Esc and the close box all ask first; No changes nothing.
    void everyWayOutAsksAndNoChangesNothing() {
        QFETCH(int, way);
        ScriptedMessages& messages = *messages_;
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
        ScriptedMessages& messages = *messages_;
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
        ScriptedMessages& messages = *messages_;
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

    // Anything but the exact two texts is refused, with the password
    // selected for the next try and the user name kept.
    void refusesAllButTheExactTexts() {
        QFETCH(QString, userText);
        QFETCH(QString, passText);
        frmLogin& login = loginFromMenu();
        QLineEdit* pass = login.ui.txtPass;
        QCOMPARE(login.focusWidget(), login.ui.txtUser);
        QCOMPARE(pass->echoMode(), QLineEdit::Password);
        QVERIFY(!refs::get<Form2>().isVisible());
        typeInto(login.ui.txtUser, userText);
        typeInto(pass, passText);
        QTest::mouseClick(login.ui.cmdOK, Qt::LeftButton);
        QCOMPARE(messages_->texts(), QStringList{kRefusal});
        QCOMPARE(messages_->shown[0].title, QString("Login"));
        QCOMPARE(messages_->shown[0].code, screens::vbOKOnly);
        QVERIFY(login.isVisible() && !refs::exists<Form1>() && !login.LoginSucceeded);
        QCOMPARE(login.ui.txtUser->text(), userText);
        QCOMPARE(login.focusWidget(), pass);
        QCOMPARE(pass->selectedText(), passText);
        // The next typing replaces the whole old password.
        QTest::keyClicks(pass, "mupretdoxa");
        QCOMPARE(pass->text(), QString("mupretdoxa"));
    }
    void refusesAllButTheExactTexts_data() {
        QTest::addColumn<QString>("userText");
        QTest::addColumn<QString>("passText");
        // clang-format off
        const std::pair<const char*, const char*> refused[] = {
            {"", ""}, {"kavel", ""}, {"", "mupretdoxa"}, {"kavel ", "mupretdoxa"},
            {" kavel", "mupretdoxa"}, {"Kavel", "mupretdoxa"}, {"kavel", " mupretdoxa"},
            {"kavel", "Mupretdoxa"}, {"mupretdoxa", "kavel"}, {"kavell", "mupretdoxa"},
            {"kavel", "mupretdox"}};
        // clang-format on
        for (const auto& [user, pass] : refused)
            QTest::addRow("%s|%s", user, pass) << user << pass;
    }

    void keys() {
        frmLogin& login = loginFromMenu();
        QLineEdit* user = login.ui.txtUser;
        QLineEdit* pass = login.ui.txtPass;
        QTest::keyClick(user, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(login.focusWidget(), pass);
        QTest::keyClick(pass, Qt::Key_U, Qt::AltModifier);
        QCOMPARE(login.focusWidget(), user);

        // Enter in either box is OK.
        QTest::keyClicks(user, "kavel");
        QTest::keyClick(user, Qt::Key_Return);
        QCOMPARE(messages_->texts(), QStringList{kRefusal});
        QCOMPARE(login.focusWidget(), pass);
        QTest::keyClicks(pass, "mupretdoxa");
        QTest::keyClick(pass, Qt::Key_Enter);
        QCOMPARE(messages_->shown.size(), 1);
        QVERIFY(login.LoginSucceeded);
        QVERIFY(refs::get<Form1>().isVisible());
        QVERIFY(!login.isVisible() && !refs::get<Form2>().isVisible());
        QCOMPARE(pass->text(), QString());

        // Esc is Cancel: back to the menu, the login screen discarded.
        QTest::keyClick(refs::get<Form1>().ui.txtWord, Qt::Key_Escape);
        frmLogin& again = loginFromMenu();
        QCOMPARE(&again, &login);
        QPointer<frmLogin> cancelled = &again;
        QTest::keyClick(again.ui.txtPass, Qt::Key_Escape);
        QVERIFY(!cancelled->LoginSucceeded);
        QVERIFY(!refs::exists<frmLogin>());
        QVERIFY(!cancelled->isVisible());
        QVERIFY(refs::get<Form2>().isVisible());
        deleteUnloaded();
        QVERIFY(cancelled.isNull());
    }

    // Cancel is in keys(); here success, then Exit from Add Records: the
    // same screen comes back, user name kept, password empty.
    void backFromAddRecords() {
        frmLogin& fresh = loginFromMenu();
        QTest::keyClicks(fresh.ui.txtUser, "kavel");
        QTest::keyClicks(fresh.ui.txtPass, "mupretdoxa");
        QTest::mouseClick(fresh.ui.cmdOK, Qt::LeftButton);
        Form1& entry = refs::get<Form1>();
        QTest::mouseClick(entry.ui.cmdExit2, Qt::LeftButton);
        QVERIFY(!refs::exists<Form1>());
        QVERIFY(refs::get<Form2>().isVisible());
        deleteUnloaded();
        frmLogin& back = loginFromMenu();
        QCOMPARE(&back, &fresh);
        QVERIFY(back.isVisible());
        QVERIFY(back.LoginSucceeded);
        QCOMPARE(back.ui.txtUser->text(), QString("kavel"));
        QCOMPARE(back.ui.txtPass->text(), QString());
        // And it lets the user in again, to a freshly loaded Add Records.
        QTest::keyClicks(back.ui.txtPass, "mupretdoxa");
        QTest::mouseClick(back.ui.cmdOK, Qt::LeftButton);
        QVERIFY(refs::get<Form1>().isVisible());
        QCOMPARE(refs::get<Form1>().ui.txtWord->text(), QString());
        QVERIFY(messages_->shown.isEmpty());
    }

    void eachLevelByClickAndByAccessKey() {
        addTwoWordsPerLevel();
        const struct {
            QPushButton* frmChoiceControls::*button;
            Qt::Key key;
        } levels[] = {{&frmChoiceControls::Command1, Qt::Key_0},
                      {&frmChoiceControls::Command2, Qt::Key_1},
                      {&frmChoiceControls::Command3, Qt::Key_2}};
        frmChoice* first = nullptr;
        for (int level = 0; level < store::kLevelCount; ++level) {
            const QString word = QStringLiteral("level%1a").arg(level);
            for (bool byKey : {false, true}) {
                frmChoice& chooser = chooserFromMenu();
                // The same chooser every time, opened with the first level's focus.
                if (!first) {
                    first = &chooser;
                    QCOMPARE(QApplication::focusWidget(), chooser.ui.Command1);
                }
                QCOMPARE(&chooser, first);
                QCOMPARE(visibleScreens(), QStringList{"Database Level"});
                if (byKey)
                    QTest::keyClick(QApplication::focusWidget(), levels[level].key,
                                    Qt::AltModifier);
                else
                    QTest::mouseClick(chooser.ui.*levels[level].button, Qt::LeftButton);
                QCOMPARE(refs::get<Form2>().n, level + 1);
                QCOMPARE(refs::get<frmEdit>().ui.txtWord->text(), word);
                QCOMPARE(visibleScreens(), QStringList{"Edit Database"});
                QVERIFY(refs::exists<frmChoice>());
                leaveEditor();
            }
        }
        QVERIFY(messages_->shown.isEmpty());
    }

    void levelTooSmallLeavesOnlyTheMenu() {
        files_.reset(); // back to the first directory before the next one is entered
        files_ = std::make_unique<WordFiles>();
        files_->add(0, {wordRow("zero", "0"), wordRow("nought", "0")});
        files_->add(1, {wordRow("only", "1")});
        for (Qt::Key key : {Qt::Key_1, Qt::Key_2}) { // one row, then none
            frmChoice& chooser = chooserFromMenu();
            QVERIFY(chooser.isVisible());
            QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
            QCOMPARE(messages_->texts().last(), QString("Sorry not enough records exist"));
            QCOMPARE(messages_->shown.last().title, QString("Database Error"));
            QCOMPARE(messages_->shown.last().code, screens::vbCritical);
            QCOMPARE(visibleScreens(), QStringList{"Make your Chioce"});
            QVERIFY(!refs::exists<frmChoice>());
            QVERIFY(!refs::exists<frmEdit>());
            deleteUnloaded();
        }
        // A fresh chooser from the menu goes on working.
        QTest::mouseClick(chooserFromMenu().ui.Command1, Qt::LeftButton);
        QCOMPARE(refs::get<frmEdit>().ui.txtWord->text(), QString("zero"));
        QCOMPARE(messages_->shown.size(), 2);
    }

    // Closing the window is not a choice: back to the menu, chooser kept.
    void closingTheWindowReturnsToTheMenu() {
        addTwoWordsPerLevel();
        frmChoice& chooser = chooserFromMenu();
        chooser.close();
        QCOMPARE(visibleScreens(), QStringList{"Make your Chioce"});
        QCOMPARE(refs::peek<frmChoice>(), &chooser);
        QVERIFY(!refs::exists<frmEdit>());
        QCOMPARE(&chooserFromMenu(), &chooser);
    }
};

QTEST_MAIN(MenuTest)
#include "MenuTest.moc"
