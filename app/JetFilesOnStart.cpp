#include "app/JetFilesOnStart.h"

#include "screens/Messages.h"

#include <QDir>

namespace lexitor::app {

wordlist::FolderConversion bringJetFilesAcross() {
    return wordlist::convertJetFolder(QDir::currentPath());
}

void reportJetConversion(const screens::Services& services,
                         const wordlist::FolderConversion& conversion) {
    if (conversion.isEmpty())
        return;
    screens::MsgBox(services, wordlist::conversionMessage(conversion),
                    conversion.refused.empty() ? screens::vbInformation : screens::vbExclamation);
}

} // namespace lexitor::app
