#include "app/Program.h"

#include "screens/Messages.h"
#include "store/Engine.h"
#include "store/FolderLock.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>

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

void openHelpPage() {
    const QUrl page = QUrl::fromLocalFile(QDir::current().absoluteFilePath("readme.html"));
    if (urlOpener())
        urlOpener()(page);
    else
        QDesktopServices::openUrl(page);
}

void setUrlOpener(std::function<bool(const QUrl&)> opener) {
    urlOpener() = std::move(opener);
}

} // namespace lexitor::app
