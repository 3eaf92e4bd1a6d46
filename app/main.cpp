#include "app/Form2.h"
#include "app/JetFilesOnStart.h"
#include "app/Program.h"
#include "screens/ScreenRefs.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // The folder is taken before anything reads its word files. Jet files
    // are read in a forked child, so they are brought across while this
    // process still has a single thread.
    const bool folderClaimed = lexitor::app::claimWordFolder();
    const auto conversion = folderClaimed ? lexitor::app::bringJetFilesAcross()
                                          : lexitor::tools::wordlist::FolderConversion{};
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexitor"));
    // The program ends only through the main menu's Exit.
    QApplication::setQuitOnLastWindowClosed(false);
    if (!folderClaimed) {
        lexitor::app::reportWordFolderTaken();
        return 1;
    }
    lexitor::app::connectStore();

    lexitor::app::reportJetConversion(conversion);
    lexitor::refs::get<lexitor::Form2>().showScreen();
    const int status = QApplication::exec();
    lexitor::refs::releaseAll();
    return status;
}
