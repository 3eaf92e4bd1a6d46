// The level chooser between the main menu and the editor: each level by
// click and by access key, the way back from a level too small to edit,
// and its keys.
#include "app/Form2.h"
#include "app/frmChoice.h"
#include "editor/frmEdit.h"
#include "screens/ScreenRefs.h"
#include "support/ScreenDriver.h"
#include "support/ScriptedMessages.h"
#include "support/WordFiles.h"

#include <QApplication>
#include <QtTest>

using namespace lexitor;
using namespace lexitor::editor;
using namespace lexitor::testing;

class ChooserTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WordFiles> files;
    std::unique_ptr<ScriptedMessages> messages;

    // Main menu, then its level chooser button.
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

private slots:
    void init() {
        files = std::make_unique<WordFiles>();
        messages = std::make_unique<ScriptedMessages>();
        for (int level = 0; level < store::kLevelCount; ++level) {
            const std::string name = "level" + std::to_string(level);
            files->add(level, {wordRow((name + "a").c_str(), "first"),
                               wordRow((name + "b").c_str(), "second")});
        }
    }
    void cleanup() {
        const QStringList fatal = messages->fatal;
        releaseScreens();
        messages.reset();
        files.reset();
        QVERIFY2(fatal.isEmpty(), qPrintable(fatal.join("; ")));
    }

    void eachLevelByClickAndByAccessKey() {
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
        QVERIFY(messages->shown.isEmpty());
    }

    void levelTooSmallLeavesOnlyTheMenu() {
        files.reset(); // back to the first directory before the next one is entered
        files = std::make_unique<WordFiles>();
        files->add(0, {wordRow("zero", "0"), wordRow("nought", "0")});
        files->add(1, {wordRow("only", "1")});
        for (Qt::Key key : {Qt::Key_1, Qt::Key_2}) { // one row, then none
            frmChoice& chooser = chooserFromMenu();
            QVERIFY(chooser.isVisible());
            QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
            QCOMPARE(messages->texts().last(), QString("Sorry not enough records exist"));
            QCOMPARE(messages->shown.last().title, QString("Database Error"));
            QCOMPARE(messages->shown.last().code, screens::vbCritical);
            QCOMPARE(visibleScreens(), QStringList{"Make your Chioce"});
            QVERIFY(!refs::exists<frmChoice>());
            QVERIFY(!refs::exists<frmEdit>());
            deleteUnloaded();
        }
        // A fresh chooser from the menu goes on working.
        QTest::mouseClick(chooserFromMenu().ui.Command1, Qt::LeftButton);
        QCOMPARE(refs::get<frmEdit>().ui.txtWord->text(), QString("zero"));
        QCOMPARE(messages->shown.size(), 2);
    }

    void enterPressesOnlyTheFocusedButtonAndEscDoesNothing() {
        frmChoice& chooser = chooserFromMenu();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(visibleScreens(), QStringList{"Database Level"});
        QVERIFY(!refs::exists<frmEdit>());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), chooser.ui.Command2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(refs::get<Form2>().n, 2);
        QCOMPARE(refs::get<frmEdit>().ui.txtWord->text(), QString("level1a"));
        QVERIFY(!chooser.isVisible());
    }

    // Closing the window is not a choice: back to the menu, chooser kept.
    void closingTheWindowReturnsToTheMenu() {
        frmChoice& chooser = chooserFromMenu();
        chooser.close();
        QCOMPARE(visibleScreens(), QStringList{"Make your Chioce"});
        QCOMPARE(refs::peek<frmChoice>(), &chooser);
        QVERIFY(!refs::exists<frmEdit>());
        QCOMPARE(&chooserFromMenu(), &chooser);
    }
};

QTEST_MAIN(ChooserTest)
#include "ChooserTest.moc"
