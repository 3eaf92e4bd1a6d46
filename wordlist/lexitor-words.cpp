// lexitor-words: creates Lexitor's level word databases and moves word
// lists in and out of them. `lexitor-words --help` documents every command.

#include "wordlist/CommandLine.h"
#include "wordlist/Commands.h"

#include <QCoreApplication>

#include <exception>

int main(int argc, char* argv[]) {
    using namespace lexitor::wordlist;
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const QString command = args.isEmpty() ? QStringLiteral("help") : args.takeFirst();

    try {
        if (command == u"create")
            return runCreate(args);
        if (command == u"import")
            return runImport(args);
        if (command == u"export")
            return runExport(args);
        if (command == u"convert")
            return runConvert(args);
        if (command == u"generate")
            return runGenerate(args);
        if (command == u"quality")
            return runQuality(args);
    } catch (const std::exception& error) {
        printError(command + QStringLiteral(": ") + QString::fromUtf8(error.what()));
        return kExitRefused;
    }
    if (command == u"help" || command == u"--help" || command == u"-h") {
        printHelp();
        return kExitOk;
    }
    printError(QStringLiteral("unknown command \"%1\" (see lexitor-words --help)").arg(command));
    return kExitUsage;
}
