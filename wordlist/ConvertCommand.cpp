// lexitor-words convert [--dir DIR]

#include "wordlist/CommandLine.h"
#include "wordlist/Commands.h"
#include "wordlist/JetFolderConversion.h"

namespace lexitor::wordlist {

int runConvert(const QStringList& args) {
    const std::optional<Options> options =
        parseOptions(QStringLiteral("convert"), args, kDirOption);
    if (!options)
        return kExitUsage;
    if (options->help) {
        printHelp();
        return kExitOk;
    }
    if (!options->positional.isEmpty()) {
        printError(QStringLiteral("convert: takes no file names, only --dir "
                                  "(see lexitor-words --help)"));
        return kExitUsage;
    }
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
    return conversion.refused.empty() ? kExitOk : kExitRefused;
}

} // namespace lexitor::wordlist
