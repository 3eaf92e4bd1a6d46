#include "app/Form2.h"
#include "app/JetFilesOnStart.h"
#include "app/Program.h"
#include "screens/ScreenRefs.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    using namespace lexitor;
    // The folder is taken before anything reads its word files. Jet files
    // are read in forked children, so their readers start while this
    // process still has a single thread.
    const bool folderClaimed = app::claimWordFolder();
    auto jetFiles = app::wordFolderHeld() ? std::make_unique<app::JetFilesOnStart>() : nullptr;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexitor"));
    // The program ends only through the main menu's Exit.
    QApplication::setQuitOnLastWindowClosed(false);
    const screens::Services services = app::systemServices();
    if (!folderClaimed) {
        app::reportWordFolderTaken(services);
        return 1;
    }
    app::connectStore(services);

    const wordlist::FolderConversion conversion =
        jetFiles ? jetFiles->bringAcross() : wordlist::FolderConversion{};
    jetFiles.reset();
    screens::refs::get<app::Form2>(services).showScreen();
    app::reportJetConversion(services, conversion);
    const int status = QApplication::exec();
    screens::refs::releaseAll();
    return status;
}
