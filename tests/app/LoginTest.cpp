// The login before "Add Records": exact comparison of both texts, the
// refusal with the password selected, its keys, and the two ways back to
// the main menu.
#include "app/Form2.h"
#include "app/frmLogin.h"
#include "entry/Form1.h"
#include "screens/ScreenRefs.h"
#include "support/ScreenDriver.h"
#include "support/ScriptedMessages.h"
#include "support/WordFiles.h"

#include <QApplication>
#include <QPointer>
#include <QtTest>

using namespace lexitor;
using namespace lexitor::entry;
using namespace lexitor::testing;

namespace {
const QString kRefusal = "Invalid Password, try again!";
} // namespace

class LoginTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WordFiles> files;
    std::unique_ptr<ScriptedMessages> messages;

    // The main menu's add-words button, as the user reaches the login.
    static frmLogin& loginFromMenu() { return fromMenu<frmLogin>(&Form2Controls::cmdEdit); }

private slots:
    void init() {
        files = std::make_unique<WordFiles>();
        messages = std::make_unique<ScriptedMessages>();
    }
    void cleanup() {
        QVERIFY2(messages->fatal.isEmpty(), qPrintable(messages->fatal.join("; ")));
        releaseScreens();
        messages.reset();
        files.reset();
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
        typeInto(login.ui.txtUser, userText);
        typeInto(pass, passText);
        QTest::mouseClick(login.ui.cmdOK, Qt::LeftButton);
        QCOMPARE(messages->texts(), QStringList{kRefusal});
        QCOMPARE(messages->shown[0].title, QString("Login"));
        QCOMPARE(messages->shown[0].code, screens::vbOKOnly);
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
        QCOMPARE(messages->texts(), QStringList{kRefusal});
        QCOMPARE(login.focusWidget(), pass);
        QTest::keyClicks(pass, "mupretdoxa");
        QTest::keyClick(pass, Qt::Key_Enter);
        QCOMPARE(messages->shown.size(), 1);
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

    void twoWaysBack() {
        // Cancel: the next visit starts from a fresh, empty screen.
        frmLogin& first = loginFromMenu();
        QPointer<frmLogin> firstScreen = &first;
        QTest::keyClicks(first.ui.txtUser, "kavel");
        QTest::keyClicks(first.ui.txtPass, "half");
        QTest::mouseClick(first.ui.cmdCancel, Qt::LeftButton);
        QVERIFY(refs::get<Form2>().isVisible());
        deleteUnloaded();
        QVERIFY(firstScreen.isNull());
        frmLogin& fresh = loginFromMenu();
        QCOMPARE(fresh.ui.txtUser->text(), QString());
        QCOMPARE(fresh.ui.txtPass->text(), QString());
        QCOMPARE(fresh.focusWidget(), fresh.ui.txtUser);
        QVERIFY(!fresh.LoginSucceeded);

        // Success, then Exit from Add Records: the same screen comes back,
        // user name kept, password empty.
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
        QVERIFY(messages->shown.isEmpty());
    }
};

QTEST_MAIN(LoginTest)
#include "LoginTest.moc"
