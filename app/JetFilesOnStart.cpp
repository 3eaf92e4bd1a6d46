#include "app/JetFilesOnStart.h"

#include "screens/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProgressDialog>

namespace lexitor::app {

JetFilesOnStart::JetFilesOnStart() : conversion_(QDir::currentPath()) {}

wordlist::FolderConversion
JetFilesOnStart::bringAcross(std::chrono::milliseconds showProgressAfter) {
    const QStringList names = conversion_.reading();
    if (names.isEmpty())
        return conversion_.finish();
    QProgressDialog progress(QStringLiteral("Bringing %1 across from the Jet format…")
                                 .arg(names.join(QStringLiteral(", "))),
                             QStringLiteral("Cancel"), 0, 0);
    progress.setWindowTitle(QStringLiteral("Lexitor"));
    progress.setWindowModality(Qt::ApplicationModal);
    QElapsedTimer waited;
    waited.start();
    try {
        return conversion_.finish([&] {
            if (!progress.isVisible() &&
                std::chrono::milliseconds(waited.elapsed()) >= showProgressAfter)
                progress.show();
            QCoreApplication::processEvents();
            return !progress.wasCanceled();
        });
    } catch (const std::exception& error) {
        // Whatever happened, the program starts, and says so.
        wordlist::FolderConversion failed;
        failed.refused.push_back(
            {0,
             QStringLiteral("The Jet word files could not be brought across: %1")
                 .arg(QString::fromUtf8(error.what())),
             false});
        return failed;
    }
}

void reportJetConversion(const screens::Services& services,
                         const wordlist::FolderConversion& conversion) {
    if (conversion.isEmpty())
        return;
    screens::MsgBox(services, wordlist::conversionMessage(conversion),
                    conversion.refused.empty() ? screens::vbInformation : screens::vbExclamation);
    wordlist::conversionReported(conversion);
}

} // namespace lexitor::app
