// lexitor-words convert [--dir DIR]

#include "wordlist/CommandLine.h"
#include "wordlist/Commands.h"
#include "wordlist/JetFolderConversion.h"

#include <cstdio>

namespace lexitor::wordlist {

int runConvert(const QStringList& args) {
    int status = kExitOk;
    const std::optional<Options> options =
        parseOptions(QStringLiteral("convert"), args, kDirOption,
                     {0, 0, "takes no file names, only --dir"}, status);
    if (!options)
        return status;
    const auto folderLock = claimFolder(QStringLiteral("convert"), options->dir);
    if (!folderLock)
        return kExitRefused;
    const FolderConversion conversion = convertJetFolder(options->dir);
    if (conversion.isEmpty()) {
        printLine(
            QStringLiteral("No Jet word files in %1; nothing to convert.").arg(conversion.folder));
        return kExitOk;
    }
    printLine(conversionMessage(conversion));
    // Told only once the message has left the process.
    if (std::fflush(stdout) == 0)
        conversionReported(conversion);
    return conversion.refused.empty() ? kExitOk : kExitRefused;
}

} // namespace lexitor::wordlist
