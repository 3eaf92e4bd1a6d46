// "?" on a desktop as it really is: the desktop's helpers (xdg-mime,
// xdg-open, a browser) are small scripts on PATH, its programs' desktop
// entries files in XDG_DATA_DIRS. Then our own window, driven by keys and
// clicks, and every internal link of the real help page inside it.

#include "app/HelpWindow.h"
#include "app/Program.h"

#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

using namespace lexitor;

namespace {

void write(const QString& path, const QString& text, bool program = false) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
    if (program)
        file.setPermissions(file.permissions() | QFile::ExeOwner);
}

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir desktop;
    QByteArray savedPath = qgetenv("PATH");
    QString savedFolder = QDir::currentPath();

    QString at(const QString& name) const { return desktop.filePath(name); }

private slots:
    void init() {
        QVERIFY(desktop.isValid());
        for (const char* folder : {"bin", "share/applications", "home", "words"})
            QVERIFY(QDir(desktop.path()).mkpath(folder));
        qputenv("PATH", at("bin").toLocal8Bit());
        qputenv("XDG_DATA_DIRS", at("share").toLocal8Bit());
        qputenv("XDG_DATA_HOME", at("home").toLocal8Bit());
        QDir::setCurrent(at("words"));
        write("readme.html",
              "<html><head><title>Lexitor help</title></head><body>Hi</body></html>");
    }
    void cleanup() {
        QDir::setCurrent(savedFolder);
        qputenv("PATH", savedPath);
        app::closeHelpWindow();
        QDir(desktop.path()).removeRecursively();
    }

    void theHelpIsShownWhateverTheDesktopHas() {
        QFETCH(QString, handler);
        QFETCH(QString, entry);
        QFETCH(bool, installed);
        QFETCH(int, openerExit);
        QFETCH(bool, inBrowser);
        QFETCH(bool, inOwnWindow);
        if (handler != "no xdg-utils") {
            write(at("bin/xdg-mime"),
                  "#!/bin/sh\necho \"$*\" > \"$0.args\"\necho '" + handler + "'\n", true);
            write(at("bin/xdg-open"),
                  "#!/bin/sh\necho \"$*\" > \"$0.args\"\nexit " + QString::number(openerExit) +
                      "\n",
                  true);
            if (!entry.isEmpty())
                write(at("share/applications/" + handler), entry);
        }
        if (installed)
            write(at("bin/web-browser"), "#!/bin/sh\n", true);

        QCOMPARE(app::openHelpPage(app::systemServices()), std::nullopt);
        if (auto* opener = qApp->findChild<QProcess*>("helpPageOpener")) {
            QSignalSpy ended(opener, &QProcess::finished);
            QVERIFY(ended.wait());
        }
        const QUrl page = QUrl::fromLocalFile(QDir::current().absoluteFilePath("readme.html"));
        if (handler != "no xdg-utils")
            QCOMPARE(readAll(at("bin/xdg-mime.args")), QString("query default text/html\n"));
        QCOMPARE(readAll(at("bin/xdg-open.args")), inBrowser ? page.toString() + "\n" : QString());
        QTextBrowser* own = app::helpWindow();
        QCOMPARE(own && own->isVisible(), inOwnWindow);
        if (own) {
            QCOMPARE(own->windowTitle(), QString("Lexitor help"));
            QCOMPARE(own->source(), page);
        }
    }
    void theHelpIsShownWhateverTheDesktopHas_data() {
        QTest::addColumn<QString>("handler");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<int>("openerExit");
        QTest::addColumn<bool>("inBrowser");
        QTest::addColumn<bool>("inOwnWindow");
        const QString browser = "[Desktop Entry]\nType=Application\nName=Web\nExec=web-browser %u\n"
                                "Categories=Network;WebBrowser;\n";
        const QString editor =
            "[Desktop Entry]\nName=Vim\nExec=web-browser %F\nCategories=Utility;TextEditor;\n"
            "[Desktop Action new]\nCategories=WebBrowser;\n";
        // clang-format off
        QTest::newRow("no xdg-utils")          << "no xdg-utils" << ""      << true  << 0 << false << true;
        QTest::newRow("nothing for web pages") << ""             << ""      << true  << 0 << false << true;
        QTest::newRow("a text editor")         << "vim.desktop"  << editor  << true  << 0 << false << true;
        QTest::newRow("entry gone")            << "web.desktop"  << ""      << true  << 0 << false << true;
        QTest::newRow("browser gone")          << "web.desktop"  << browser << false << 0 << false << true;
        QTest::newRow("a browser")             << "web.desktop"  << browser << true  << 0 << true  << false;
        QTest::newRow("a browser that fails")  << "web.desktop"  << browser << true  << 4 << true  << true;
        // clang-format on
    }

    // One window, brought back and reloaded by the next "?"; Esc hides it;
    // a click on an internal link moves to its place in the page.
    void ownWindowKeysAndLinks() {
        QString body = "<p><a href=\"#end\">To the end</a></p>";
        for (int line = 0; line < 200; ++line)
            body += "<p>Line " + QString::number(line) + "</p>";
        write("readme.html", "<html><head><title>Lexitor help</title></head><body>" + body +
                                 "<h2 id=\"end\">The end</h2></body></html>");
        const QUrl page = QUrl::fromLocalFile(QDir::current().absoluteFilePath("readme.html"));
        app::showHelpWindow(page);
        QTextBrowser* own = app::helpWindow();
        QVERIFY(own && QTest::qWaitForWindowExposed(own));
        QCOMPARE(own->windowTitle(), QString("Lexitor help"));

        QTextCursor link = own->document()->find("To the end");
        QVERIFY(!link.isNull());
        link.setPosition(link.selectionStart() + 2);
        QCOMPARE(own->verticalScrollBar()->value(), 0);
        QTest::mouseClick(own->viewport(), Qt::LeftButton, {}, own->cursorRect(link).center());
        QVERIFY(own->verticalScrollBar()->value() > 0);

        QTest::keyClick(own, Qt::Key_Escape);
        QVERIFY(!own->isVisible());
        write("readme.html", "<html><head><title>Lexitor help, new</title></head></html>");
        app::showHelpWindow(page);
        QCOMPARE(app::helpWindow(), own);
        QVERIFY(own->isVisible());
        QCOMPARE(own->windowTitle(), QString("Lexitor help, new"));
    }

    // Every "#name" the real help page links to is a place in it, as our
    // window reads it.
    void everyInternalLinkOfTheHelpPageLeadsSomewhere() {
        const QString source =
            qEnvironmentVariable("LEXITOR_TEST_SOURCE_DIR") + "/data/readme.html";
        const QString html = readAll(source);
        QVERIFY2(!html.isEmpty(), qPrintable(source));
        app::showHelpWindow(QUrl::fromLocalFile(source));
        QSet<QString> places;
        for (QTextBlock block = app::helpWindow()->document()->begin(); block.isValid();
             block = block.next())
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
                for (const QString& name : fragment.fragment().charFormat().anchorNames())
                    places.insert(name);
        const QRegularExpression link("href=\"#([^\"]*)\"");
        int links = 0;
        for (const auto& match : link.globalMatch(html)) {
            ++links;
            QVERIFY2(places.contains(match.captured(1)), qPrintable(match.captured(1)));
        }
        QVERIFY(links > 10);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
