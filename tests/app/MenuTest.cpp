// The main menu and the screens it opens on the way to Add Records and the
// editor, driven with real keys and clicks: the quit question, the help
// page, the login (exact texts, the refusal with the password selected, the
// two ways back) and the level chooser (each level by click and by access
// key, a level too small to edit).

#include "app/HelpWindow.h"
#include "app/Program.h"
#include "app/frmChoice.h"
#include "app/frmLogin.h"
#include "editor/frmEdit.h"
#include "entry/Form1.h"
#include "quiz/frmTest.h"
#include "support/ScreenDriver.h"
#include "support/ScriptedMessages.h"
#include "support/WordFiles.h"

#include <QPointer>
#include <QTextBrowser>
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
    screens::Services services_;
    int ends = 0;
    QList<QUrl> opened;
    bool viewerStarts = true;

    frmLogin& loginFromMenu() { return fromMenu<frmLogin>(services_, &Form2Controls::cmdEdit); }
    frmChoice& chooserFromMenu() {
        return fromMenu<frmChoice>(services_, &Form2Controls::cmdEdit2);
    }
    static QStringList visibleScreens() {
        QStringList titles;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible())
                titles.append(widget->windowTitle());
        return titles;
    }

private slots:
    void init() {
        files_ = std::make_unique<WordFiles>();
        messages_ = std::make_unique<ScriptedMessages>();
        ends = 0;
        opened.clear();
        services_ = messages_->services();
        services_.endProgram = [this] { ++ends; };
        services_.openUrl = [this](const QUrl& url) {
            opened.append(url);
            return viewerStarts;
        };
    }
    void cleanup() {
        const QStringList fatal = messages_->fatal;
        releaseScreens();
        services_ = {};
        app::closeHelpWindow();
        messages_.reset();
        files_.reset();
        QVERIFY2(fatal.isEmpty(), qPrintable(fatal.join("; ")));
    }

    // Exit, Esc and the close box all ask first; No changes nothing, Yes
    // releases the screens the program holds and ends it.
    void everyWayOutAsksFirst() {
        QFETCH(int, way);
        QFETCH(int, answer);
        Form2& menu = showMenu(services_);
        refs::get<frmLogin>(services_); // created earlier in the run
        menu.n = 3;
        messages_->answers = {answer};
        if (way == 0)
            QTest::keyClick(&menu, Qt::Key_Escape);
        else if (way == 1)
            QTest::mouseClick(menu.ui.cmdExit, Qt::LeftButton);
        else
            QVERIFY(!menu.close());
        QCOMPARE(messages_->shown, (QList<Message>{{"Are you sure you want to quit?", "Confirm",
                                                     vbYesNo + vbInformation}}));
        QCOMPARE(ends, answer == vbYes ? 1 : 0);
        if (answer == vbNo) {
            QCOMPARE(refs::get<Form2>(services_).n, 3);
            QVERIFY(menu.isVisible() && refs::exists<frmLogin>());
            return;
        }
        QVERIFY(!refs::exists<Form2>() && !refs::exists<frmLogin>());
        // Screens never created are not created by the quit.
        QVERIFY(!refs::exists<frmChoice>() && !refs::exists<frmTest>());
    }
    void everyWayOutAsksFirst_data() {
        QTest::addColumn<int>("way");
        QTest::addColumn<int>("answer");
        QTest::newRow("Esc, No") << 0 << int(vbNo);
        QTest::newRow("Exit, No") << 1 << int(vbNo);
        QTest::newRow("close box, No") << 2 << int(vbNo);
        QTest::newRow("Exit, Yes") << 1 << int(vbYes);
    }

    // The page of the working folder, in our own window where no browser
    // takes it; a page that cannot be read gets a message with the reason.
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
        Form2& menu = showMenu(services_);
        QTest::mouseClick(menu.ui.Label1, Qt::LeftButton);
        const QString where = QDir::currentPath();
        QDir::setCurrent(before);

        const QUrl url = QUrl::fromLocalFile(QDir(where).absoluteFilePath("readme.html"));
        QCOMPARE(opened, page == "file" ? QList<QUrl>{url} : QList<QUrl>{});
        QVERIFY(menu.isVisible());
        QStringList expected;
        if (page != "file")
            expected.append("The help page readme.html could not be opened from " +
                            QDir::toNativeSeparators(where) + ".\n" + reason);
        QCOMPARE(messages_->texts(), expected);
        const QTextBrowser* own = app::helpWindow();
        QCOMPARE(own && own->isVisible(), page == "file" && !starts);
        if (own)
            QCOMPARE(own->source(), url);
        for (const auto& message : std::as_const(messages_->shown))
            QCOMPARE(message.code, vbExclamation);
    }
    void theQuestionMarkOpensTheHelpPage_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("reason");
        QTest::newRow("shown") << "file" << true << "";
        QTest::newRow("no browser") << "file" << false << "";
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
        QVERIFY(!refs::get<Form2>(services_).isVisible());
        typeInto(login.ui.txtUser, userText);
        typeInto(pass, passText);
        QTest::mouseClick(login.ui.cmdOK, Qt::LeftButton);
        QCOMPARE(messages_->shown, (QList<Message>{{kRefusal, "Login", vbOKOnly}}));
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
        QVERIFY(refs::get<Form1>(services_).isVisible());
        QVERIFY(!login.isVisible() && !refs::get<Form2>(services_).isVisible());
        // Exit from Add Records: the same login comes back, user name kept,
        // password empty, and it lets the user in again.
        QTest::keyClick(refs::get<Form1>(services_).ui.txtWord, Qt::Key_Escape);
        QVERIFY(!refs::exists<Form1>());
        deleteUnloaded();
        QCOMPARE(&loginFromMenu(), &login);
        QVERIFY(login.isVisible() && login.LoginSucceeded);
        QCOMPARE(user->text(), QString("kavel"));
        QCOMPARE(pass->text(), QString());
        QTest::keyClicks(pass, "mupretdoxa");
        QTest::keyClick(pass, Qt::Key_Return);
        QVERIFY(refs::get<Form1>(services_).isVisible());
        QTest::keyClick(refs::get<Form1>(services_).ui.txtWord, Qt::Key_Escape);
        deleteUnloaded();

        // Esc is Cancel: back to the menu, the login screen discarded.
        QPointer<frmLogin> cancelled = &loginFromMenu();
        QTest::keyClick(cancelled->ui.txtPass, Qt::Key_Escape);
        QVERIFY(!cancelled->LoginSucceeded);
        QVERIFY(!refs::exists<frmLogin>());
        QVERIFY(!cancelled->isVisible());
        QVERIFY(refs::get<Form2>(services_).isVisible());
        deleteUnloaded();
        QVERIFY(cancelled.isNull());
        QCOMPARE(messages_->shown.size(), 1);
    }

    void eachLevelByClickAndByAccessKey() {
        for (int level = 0; level < store::kLevelCount; ++level) {
            const std::string name = "level" + std::to_string(level);
            files_->add(level, {wordRow((name + "a").c_str(), "first"),
                                wordRow((name + "b").c_str(), "second")});
        }
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
                QCOMPARE(refs::get<Form2>(services_).n, level + 1);
                QCOMPARE(refs::get<frmEdit>(services_).ui.txtWord->text(), word);
                QCOMPARE(visibleScreens(), QStringList{"Edit Database"});
                QVERIFY(refs::exists<frmChoice>());
                QTest::mouseClick(refs::get<frmEdit>(services_).ui.cmdExit, Qt::LeftButton);
                deleteUnloaded();
            }
        }
        QVERIFY(messages_->shown.isEmpty());
    }

    // Closing the window is not a choice: back to the menu, chooser kept.
    // A level too small to edit leaves the menu alone.
    void closingOrALevelTooSmallLeavesOnlyTheMenu() {
        files_->add(0, {wordRow("zero", "0"), wordRow("nought", "0")});
        files_->add(1, {wordRow("only", "1")});
        frmChoice& kept = chooserFromMenu();
        kept.close();
        QCOMPARE(visibleScreens(), QStringList{"Make your Chioce"});
        QVERIFY(!refs::exists<frmEdit>());
        QCOMPARE(&chooserFromMenu(), &kept);
        for (Qt::Key key : {Qt::Key_1, Qt::Key_2}) { // one row, then none
            frmChoice& chooser = chooserFromMenu();
            QVERIFY(chooser.isVisible());
            QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
            QVERIFY(!messages_->shown.isEmpty());
            QCOMPARE(messages_->shown.last(),
                     (Message{"Sorry not enough records exist", "Database Error", vbCritical}));
            QCOMPARE(visibleScreens(), QStringList{"Make your Chioce"});
            QVERIFY(!refs::exists<frmChoice>() && !refs::exists<frmEdit>());
            deleteUnloaded();
        }
        // A fresh chooser from the menu goes on working.
        QTest::mouseClick(chooserFromMenu().ui.Command1, Qt::LeftButton);
        QCOMPARE(refs::get<frmEdit>(services_).ui.txtWord->text(), QString("zero"));
        QCOMPARE(messages_->shown.size(), 2);
    }
};

QTEST_MAIN(MenuTest)
#include "MenuTest.moc"
