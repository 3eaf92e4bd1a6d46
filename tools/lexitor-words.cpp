// lexitor-words: creates Lexitor's level word databases and moves word
// lists in and out of them. `lexitor-words --help` documents every command.

#include "tools/Commands.h"
#include "tools/wordlist/CommandLine.h"

#include <QCoreApplication>

#include <exception>

int main(int argc, char* argv[]) {
    using namespace lexitor::tools;
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
    } catch (const std::exception& error) {
        wordlist::printError(command + QStringLiteral(": ") + QString::fromUtf8(error.what()));
        return wordlist::kExitRefused;
    }
    if (command == u"help" || command == u"--help" || command == u"-h") {
        wordlist::printHelp();
        return wordlist::kExitOk;
    }
    wordlist::printError(
        QStringLiteral("unknown command \"%1\" (see lexitor-words --help)").arg(command));
    return wordlist::kExitUsage;
}
