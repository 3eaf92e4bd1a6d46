#include "app/Form2.h"
#include "app/JetFilesOnStart.h"
#include "app/Program.h"
#include "screens/ScreenRefs.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    using namespace lexitor;
    // The folder is taken before anything reads its word files. Jet files
    // are read in a forked child, so they are brought across while this
    // process still has a single thread.
    const bool folderClaimed = app::claimWordFolder();
    const auto conversion =
        app::wordFolderHeld() ? app::bringJetFilesAcross() : wordlist::FolderConversion{};
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

    app::reportJetConversion(services, conversion);
    screens::refs::get<app::Form2>(services).showScreen();
    const int status = QApplication::exec();
    screens::refs::releaseAll();
    return status;
}
