// lexitor-words create FILE --level N

#include "store/WordRecord.h"
#include "wordlist/CommandLine.h"
#include "wordlist/Commands.h"

#include <QFileInfo>

namespace lexitor::wordlist {

int runCreate(const QStringList& args) {
    int status = kExitOk;
    const std::optional<Options> options =
        parseOptions(QStringLiteral("create"), args, kLevelOption,
                     {1, 1, "name exactly one database file to create"}, status);
    if (!options)
        return status;
    const QString path = options->positional.front();
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        printError(QStringLiteral("create: %1 already exists; it was left as it was").arg(path));
        return kExitRefused;
    }
    const auto folderLock = claimFolder(QStringLiteral("create"), QFileInfo(path).absolutePath());
    if (!folderLock)
        return kExitRefused;
    try {
        store::createLevelDatabase(path.toStdString(), options->level);
    } catch (const store::EngineError& error) {
        printError(QStringLiteral("create: ") + QString::fromStdString(error.what()));
        return kExitRefused;
    }
    printLine(QStringLiteral("Created %1 for level %2.").arg(path).arg(options->level));
    return kExitOk;
}

} // namespace lexitor::wordlist
