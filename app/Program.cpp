#include "app/Program.h"

#include "app/HelpWindow.h"
#include "screens/Messages.h"
#include "store/Engine.h"
#include "store/FolderLock.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>

namespace lexitor::app {

namespace {
std::function<void()>& endHandler() {
    static std::function<void()> handler;
    return handler;
}
std::function<bool(const QUrl&)>& urlOpener() {
    static std::function<bool(const QUrl&)> opener;
    return opener;
}
} // namespace

namespace {
std::unique_ptr<store::FolderLock>& folderLock() {
    static std::unique_ptr<store::FolderLock> lock;
    return lock;
}
} // namespace

bool claimWordFolder() {
    folderLock() = std::make_unique<store::FolderLock>(QDir::currentPath());
    return folderLock()->state() != store::FolderLock::State::Taken;
}

void reportWordFolderTaken() {
    const QString folder = QDir::toNativeSeparators(QDir::currentPath());
    const QString text =
        folderLock() && folderLock()->takenByWordTool()
            ? QStringLiteral("lexitor-words is working on the words in the folder \"%1\". Start "
                             "Lexitor again when it is done.")
                  .arg(folder)
            : QStringLiteral("Lexitor is already running in the folder \"%1\". Only one copy "
                             "works on these words at a time: use the one that is open.")
                  .arg(folder);
    screens::MsgBox(text, screens::vbExclamation);
}

void connectStore() {
    store::setLockWaitHook([](bool waiting) {
        if (!waiting) {
            QApplication::restoreOverrideCursor();
            return;
        }
        QApplication::setOverrideCursor(Qt::WaitCursor);
        // Shows the cursor; no click or key press is taken meanwhile.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    store::setNoticeHook([](const std::string& text) {
        screens::MsgBox(QString::fromStdString(text), screens::vbInformation);
    });
}

void endProgram() {
    if (endHandler())
        endHandler()();
    else
        QCoreApplication::exit(0);
}

void setEndProgramHandler(std::function<void()> handler) {
    endHandler() = std::move(handler);
}

std::optional<QString> openHelpPage() {
    const QString path = QDir::current().absoluteFilePath(QStringLiteral("readme.html"));
    // A browser starts on its own and reports nothing; a page that is not
    // there, or cannot be read, is found here, with the system's reason.
    QFile page(path);
    if (!QFileInfo(path).isDir() && page.open(QIODevice::ReadOnly)) {
        page.close();
        // Where no browser takes it, the page is shown in our own window.
        const QUrl url = QUrl::fromLocalFile(path);
        if (!(urlOpener() ? urlOpener()(url) : openInWebBrowser(url)))
            showHelpWindow(url);
        return std::nullopt;
    }
    // Qt has no words of its own for a folder in the page's place.
    const QString reason = QFileInfo(path).isDir()
                               ? QStringLiteral("There is a folder of that name, not a page.")
                               : page.errorString();
    return QStringLiteral("The help page readme.html could not be opened from %1.\n%2")
        .arg(QDir::toNativeSeparators(QDir::currentPath()), reason);
}

void setUrlOpener(std::function<bool(const QUrl&)> opener) {
    urlOpener() = std::move(opener);
}

} // namespace lexitor::app
