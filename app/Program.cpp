#include "app/Program.h"

#include "screens/Messages.h"
#include "store/Engine.h"
#include "store/FolderLock.h"

#include <QApplication>
#include <QDesktopServices>
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

bool wordFolderHeld() {
    return folderLock() && folderLock()->state() == store::FolderLock::State::Held;
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

void connectStore(std::chrono::milliseconds lockWaitLimit) {
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
    settings.notice = [](const std::string& text) {
        screens::MsgBox(QString::fromStdString(text), screens::vbInformation);
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
        screens::MsgBox(QString::fromStdString(folderLock()->problem()) +
                            QStringLiteral("\nThe words are open for reading only: they can be "
                                           "quizzed, but nothing can be added, corrected or "
                                           "deleted."),
                        screens::vbExclamation);
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
    // The viewer starts on its own and reports nothing; a page that is not
    // there, or cannot be read, is found here, with the system's reason.
    QString reason;
    QFile page(path);
    bool opened = !QFileInfo(path).isDir() && page.open(QIODevice::ReadOnly);
    if (!opened) {
        // Qt has no words of its own for a folder in the page's place.
        reason = QFileInfo(path).isDir()
                     ? QStringLiteral("There is a folder of that name, not a page.")
                     : page.errorString();
    } else {
        page.close();
        const QUrl url = QUrl::fromLocalFile(path);
        opened = urlOpener() ? urlOpener()(url) : QDesktopServices::openUrl(url);
    }
    if (opened)
        return std::nullopt;
    QString message = QStringLiteral("The help page readme.html could not be opened from %1.")
                          .arg(QDir::toNativeSeparators(QDir::currentPath()));
    if (!reason.isEmpty())
        message += QStringLiteral("\n") + reason;
    return message;
}

void setUrlOpener(std::function<bool(const QUrl&)> opener) {
    urlOpener() = std::move(opener);
}

} // namespace lexitor::app
