#include "app/HelpWindow.h"

#include "screens/Fatal.h"

#include <QApplication>
#include <QFile>
#include <QKeySequence>
#include <QProcess>
#include <QShortcut>
#include <QStandardPaths>
#include <QTextBrowser>

#include <memory>
#include <optional>

namespace lexitor::app {

namespace {

// What a program prints when it ends well; nothing when it is missing,
// fails or hangs.
std::optional<QString> outputOf(const QString& program, const QStringList& arguments) {
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return std::nullopt;
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(path, arguments);
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// The value of `key` in the [Desktop Entry] group of a desktop entry.
QString entryValue(const QString& entry, QStringView key) {
    bool inGroup = false;
    for (const QString& raw : entry.split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'['))
            inGroup = line == u"[Desktop Entry]";
        else if (inGroup && line.startsWith(key) && line.mid(key.size()).trimmed().startsWith(u'='))
            return line.mid(line.indexOf(u'=') + 1).trimmed();
    }
    return {};
}

std::unique_ptr<QTextBrowser>& window() {
    static std::unique_ptr<QTextBrowser> browser;
    return browser;
}

} // namespace

bool isWebBrowserEntry(const QString& desktopEntry) {
    return entryValue(desktopEntry, u"Categories").split(u';').contains(u"WebBrowser");
}

bool desktopHasWebBrowser() {
    const auto handler =
        outputOf(QStringLiteral("xdg-mime"),
                 {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
    if (!handler || handler->isEmpty())
        return false;
    const QString entryPath =
        QStandardPaths::locate(QStandardPaths::ApplicationsLocation, handler->section(u';', 0, 0));
    QFile entryFile(entryPath);
    if (entryPath.isEmpty() || !entryFile.open(QIODevice::ReadOnly))
        return false;
    const QString entry = QString::fromUtf8(entryFile.readAll());
    QString program = entryValue(entry, u"TryExec");
    if (program.isEmpty())
        program = QProcess::splitCommand(entryValue(entry, u"Exec")).value(0);
    return isWebBrowserEntry(entry) && !program.isEmpty() &&
           !QStandardPaths::findExecutable(program).isEmpty();
}

bool openInWebBrowser(const QUrl& page, const screens::Services& services) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty() || !desktopHasWebBrowser())
        return false;
    // xdg-open may wait for the browser, so it is watched without waiting;
    // with no pipes to it, the browser outlives the program unharmed.
    auto* process = new QProcess(qApp);
    process->setObjectName(QStringLiteral("helpPageOpener"));
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, page, services](int code, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || code != 0)
                             screens::guarded(services, [&page] { showHelpWindow(page); });
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, page, services](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         screens::guarded(services, [&page] { showHelpWindow(page); });
                         process->deleteLater();
                     });
    // Quitting leaves the browser open: only xdg-open, waiting for it, ends.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, process, [process] {
        process->disconnect();
        process->kill();
        process->waitForFinished();
    });
    process->start(opener, {page.toString()});
    return true;
}

void showHelpWindow(const QUrl& page) {
    auto& browser = window();
    if (!browser) {
        browser = std::make_unique<QTextBrowser>();
        browser->setOpenExternalLinks(true);
        browser->resize(760, 640);
        auto* hide = new QShortcut(QKeySequence::Cancel, browser.get());
        QObject::connect(hide, &QShortcut::activated, browser.get(), &QWidget::hide);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, &closeHelpWindow);
    }
    // Back at the top of the page, read again: it may have changed since.
    const bool shown = browser->source().adjusted(QUrl::RemoveFragment) == page;
    browser->setSource(page);
    if (shown)
        browser->reload();
    browser->setWindowTitle(browser->documentTitle());
    browser->show();
    browser->raise();
    browser->activateWindow();
}

QTextBrowser* helpWindow() {
    return window().get();
}

void closeHelpWindow() {
    window().reset();
}

} // namespace lexitor::app
