#include "app/Program.h"

#include "app/HelpWindow.h"
#include "quiz/Drawer.h"
#include "screens/Fatal.h"
#include "screens/Messages.h"
#include "store/Engine.h"
#include "store/FolderLock.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>

namespace lexitor::app {

screens::Services systemServices() {
    screens::Services services;
    services.showMessage = screens::showMessageBox;
    services.endAfterFatal = screens::endAtOnce;
    // main then destroys every screen.
    services.endProgram = [] { QCoreApplication::exit(0); };
    services.now = [] { return QDateTime::currentDateTime(); };
    services.quizDraws = std::make_shared<quiz::RndIntSource>();
    // What follows the browser's start is reported through the pieces above.
    services.openUrl = [guard = services](const QUrl& page) {
        return openInWebBrowser(page, guard);
    };
    return services;
}

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

bool wordFolderHeld() {
    return folderLock() && folderLock()->state() == store::FolderLock::State::Held;
}

void reportWordFolderTaken(const screens::Services& services) {
    const QString folder = QDir::toNativeSeparators(QDir::currentPath());
    const QString text =
        folderLock() && folderLock()->takenByWordTool()
            ? QStringLiteral("lexitor-words is working on the words in the folder \"%1\". Start "
                             "Lexitor again when it is done.")
                  .arg(folder)
            : QStringLiteral("Lexitor is already running in the folder \"%1\". Only one copy "
                             "works on these words at a time: use the one that is open.")
                  .arg(folder);
    screens::MsgBox(services, text, screens::vbExclamation);
}

void connectStore(const screens::Services& services, std::chrono::milliseconds lockWaitLimit) {
    store::EngineSettings settings;
    settings.lockWait = [](bool waiting) {
        if (!waiting) {
            QApplication::restoreOverrideCursor();
            return;
        }
        QApplication::setOverrideCursor(Qt::WaitCursor);
        // Shows the cursor; no click or key press is taken meanwhile.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    settings.notice = [services](const std::string& text) {
        screens::MsgBox(services, QString::fromStdString(text), screens::vbInformation);
    };
    settings.lockWaitLimit = lockWaitLimit;
    // Without the folder's lock another program could change the words at
    // the same time: they are then only read.
    const bool unlocked =
        folderLock() && folderLock()->state() == store::FolderLock::State::Unavailable;
    if (unlocked)
        settings.readOnly = "Lexitor could not lock its folder against changes by other programs";
    store::DBEngine::instance().setSettings(std::move(settings));
    if (unlocked)
        screens::MsgBox(services, QString::fromStdString(folderLock()->problem()) +
                            QStringLiteral("\nThe words are open for reading only: they can be "
                                           "quizzed, but nothing can be added, corrected or "
                                           "deleted."),
                        screens::vbExclamation);
}

std::optional<QString> openHelpPage(const screens::Services& services) {
    const QString path = QDir::current().absoluteFilePath(QStringLiteral("readme.html"));
    // A browser starts on its own and reports nothing; a page that is not
    // there, or cannot be read, is found here, with the system's reason.
    QFile page(path);
    if (!QFileInfo(path).isDir() && page.open(QIODevice::ReadOnly)) {
        page.close();
        // Where no browser takes it, the page is shown in our own window.
        const QUrl url = QUrl::fromLocalFile(path);
        if (!services.openUrl(url))
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

} // namespace lexitor::app
