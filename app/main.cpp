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
    auto jetFiles = folderClaimed ? std::make_unique<app::JetFilesOnStart>() : nullptr;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexitor"));
    // The program ends only through the main menu's Exit.
    QApplication::setQuitOnLastWindowClosed(false);
    if (!folderClaimed) {
        app::reportWordFolderTaken();
        return 1;
    }
    app::connectStore();

    const wordlist::FolderConversion conversion = jetFiles->bringAcross();
    jetFiles.reset();
    screens::refs::get<app::Form2>().showScreen();
    app::reportJetConversion(conversion);
    const int status = QApplication::exec();
    screens::refs::releaseAll();
    return status;
}
