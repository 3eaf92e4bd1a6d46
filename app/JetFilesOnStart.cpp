#include "app/JetFilesOnStart.h"

#include "screens/Messages.h"

#include <QDir>

namespace lexitor::app {

tools::wordlist::FolderConversion bringJetFilesAcross() {
    return tools::wordlist::convertJetFolder(QDir::currentPath());
}

void reportJetConversion(const tools::wordlist::FolderConversion& conversion) {
    if (conversion.isEmpty())
        return;
    screens::MsgBox(tools::wordlist::conversionMessage(conversion),
                    conversion.refused.empty() ? screens::vbInformation : screens::vbExclamation);
}

} // namespace lexitor::app
