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
    static frmLogin& loginFromMenu() { return fromMenu<frmLogin>("cmdEdit"); }

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

    void onlyTheExactTextsPass() {
        frmLogin& login = loginFromMenu();
        QLineEdit* user = login.textBox("txtUser");
        QLineEdit* pass = login.textBox("txtPass");
        QCOMPARE(login.focusWidget(), user);
        QCOMPARE(pass->echoMode(), QLineEdit::Password);
        QVERIFY(!login.LoginSucceeded);

        // clang-format off
        const std::pair<QString, QString> refused[] = {
            {"", ""}, {"kavel", ""}, {"", "mupretdoxa"}, {"kavel ", "mupretdoxa"},
            {" kavel", "mupretdoxa"}, {"Kavel", "mupretdoxa"}, {"KAVEL", "mupretdoxa"},
            {"kavel", "mupretdoxa "}, {"kavel", " mupretdoxa"}, {"kavel", "Mupretdoxa"},
            {"admin", "mupretdoxa"}, {"mupretdoxa", "kavel"}, {"kavell", "mupretdoxa"},
            {"kavel", "mupretdox"}};
        // clang-format on
        for (const auto& [userText, passText] : refused) {
            const QByteArray what = (userText + "|" + passText).toUtf8();
            typeInto(user, userText);
            typeInto(pass, passText);
            messages->clear();
            QTest::mouseClick(login.button("cmdOK"), Qt::LeftButton);
            QVERIFY2(messages->texts() == QStringList{kRefusal}, what);
            QVERIFY2(messages->shown[0].title == "Login", what);
            QVERIFY2(messages->shown[0].code == screens::vbOKOnly, what);
            QVERIFY2(login.isVisible() && !refs::exists<Form1>(), what);
            QVERIFY2(!login.LoginSucceeded, what);
            QVERIFY2(user->text() == userText, what);
            QVERIFY2(login.focusWidget() == pass, what);
            QVERIFY2(pass->selectedText() == passText, what);
        }

        // The next typing replaces the whole old password.
        typeInto(user, "kavel");
        typeInto(pass, "wrong one");
        QTest::mouseClick(login.button("cmdOK"), Qt::LeftButton);
        QTest::keyClicks(pass, "mupretdoxa");
        QCOMPARE(pass->text(), QString("mupretdoxa"));

        messages->clear();
        QTest::mouseClick(login.button("cmdOK"), Qt::LeftButton);
        QVERIFY(messages->shown.isEmpty());
        QVERIFY(login.LoginSucceeded);
        QVERIFY(!login.isVisible());
        QVERIFY(refs::exists<frmLogin>());
        QCOMPARE(user->text(), QString("kavel"));
        QCOMPARE(pass->text(), QString());
        QVERIFY(refs::get<Form1>().isVisible());
        QVERIFY(!refs::get<Form2>().isVisible());
    }

    void keys() {
        frmLogin& login = loginFromMenu();
        QLineEdit* user = login.textBox("txtUser");
        QLineEdit* pass = login.textBox("txtPass");
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

        // Esc is Cancel: back to the menu, the login screen discarded.
        QTest::keyClick(refs::get<Form1>().textBox("txtWord"), Qt::Key_Escape);
        frmLogin& again = loginFromMenu();
        QCOMPARE(&again, &login);
        QPointer<frmLogin> cancelled = &again;
        QTest::keyClick(again.textBox("txtPass"), Qt::Key_Escape);
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
        QTest::keyClicks(first.textBox("txtUser"), "kavel");
        QTest::keyClicks(first.textBox("txtPass"), "half");
        QTest::mouseClick(first.button("cmdCancel"), Qt::LeftButton);
        QVERIFY(refs::get<Form2>().isVisible());
        deleteUnloaded();
        QVERIFY(firstScreen.isNull());
        frmLogin& fresh = loginFromMenu();
        QCOMPARE(fresh.textBox("txtUser")->text(), QString());
        QCOMPARE(fresh.textBox("txtPass")->text(), QString());
        QCOMPARE(fresh.focusWidget(), fresh.textBox("txtUser"));
        QVERIFY(!fresh.LoginSucceeded);

        // Success, then Exit from Add Records: the same screen comes back,
        // user name kept, password empty.
        QTest::keyClicks(fresh.textBox("txtUser"), "kavel");
        QTest::keyClicks(fresh.textBox("txtPass"), "mupretdoxa");
        QTest::mouseClick(fresh.button("cmdOK"), Qt::LeftButton);
        Form1& entry = refs::get<Form1>();
        QTest::mouseClick(entry.button("cmdExit2"), Qt::LeftButton);
        QVERIFY(!refs::exists<Form1>());
        QVERIFY(refs::get<Form2>().isVisible());
        deleteUnloaded();
        frmLogin& back = loginFromMenu();
        QCOMPARE(&back, &fresh);
        QVERIFY(back.isVisible());
        QVERIFY(back.LoginSucceeded);
        QCOMPARE(back.textBox("txtUser")->text(), QString("kavel"));
        QCOMPARE(back.textBox("txtPass")->text(), QString());
        // And it lets the user in again, to a freshly loaded Add Records.
        QTest::keyClicks(back.textBox("txtPass"), "mupretdoxa");
        QTest::mouseClick(back.button("cmdOK"), Qt::LeftButton);
        QVERIFY(refs::get<Form1>().isVisible());
        QCOMPARE(refs::get<Form1>().textBox("txtWord")->text(), QString());
        QVERIFY(messages->shown.isEmpty());
    }
};

QTEST_MAIN(LoginTest)
#include "LoginTest.moc"
