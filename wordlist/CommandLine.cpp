#include "wordlist/CommandLine.h"

#include "store/WordRecord.h"
#include "wordlist/vocabulary/Scowl.h"
#include "wordlist/vocabulary/WordNet.h"

#include <QCommandLineParser>
#include <QDir>

#include <cstdio>

namespace lexitor::wordlist {

namespace {

std::optional<Options> parse(const QString& command, const QStringList& args, int allowed) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption level(QStringLiteral("level"), QString(), QStringLiteral("N"));
    const QCommandLineOption dir(QStringLiteral("dir"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("FORMAT"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"));
    const QCommandLineOption skipInvalid(QStringLiteral("skip-invalid"));
    const QCommandLineOption table(QStringLiteral("table"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption from(QStringLiteral("from"), QString(), QStringLiteral("N"));
    const QCommandLineOption to(QStringLiteral("to"), QString(), QStringLiteral("N"));
    const QCommandLineOption wordnet(QStringLiteral("wordnet"), QString(), QStringLiteral("DIR"),
                                     QString::fromLatin1(vocabulary::kDefaultWordNetDir));
    const QCommandLineOption scowl(QStringLiteral("scowl"), QString(), QStringLiteral("DIR"),
                                   QString::fromLatin1(vocabulary::kDefaultScowlDir));
    parser.addOption(help);
    if (allowed & kLevelOption)
        parser.addOption(level);
    if (allowed & kDirOption)
        parser.addOption(dir);
    if (allowed & kFormatOption)
        parser.addOption(format);
    if (allowed & kDryRunOption)
        parser.addOption(dryRun);
    if (allowed & kImportOptions)
        parser.addOptions({skipInvalid, table, from, to});
    if (allowed & kSourceOptions)
        parser.addOptions({wordnet, scowl});

    const QString usage = QStringLiteral(" (see lexitor-words --help)");
    if (!parser.parse(QStringList{command} + args)) {
        printError(command + QStringLiteral(": ") + parser.errorText() + usage);
        return std::nullopt;
    }
    Options options;
    if (parser.isSet(help)) {
        options.help = true;
        return options;
    }
    options.positional = parser.positionalArguments();
    if (allowed & kLevelOption) {
        bool ok = false;
        const QString text = parser.value(level);
        options.level = text.toInt(&ok);
        options.autoLevel = (allowed & kImportOptions) && text == u"auto";
        const bool known = ok && options.level >= 0 && options.level < int(store::kLevels.size());
        if (!parser.isSet(level) || (!known && !options.autoLevel)) {
            printError(command + QStringLiteral(": --level 0, 1 or 2 is required") + usage);
            return std::nullopt;
        }
    }
    if ((allowed & kDirOption) && parser.isSet(dir))
        options.dir = parser.value(dir);
    if ((allowed & kFormatOption) && parser.isSet(format)) {
        options.format = formatFromName(parser.value(format));
        if (!options.format) {
            printError(command +
                       QStringLiteral(": --format must be tsv, csv, pairs, kvtml, jet or words") +
                       usage);
            return std::nullopt;
        }
    }
    options.dryRun = (allowed & kDryRunOption) && parser.isSet(dryRun);
    if (allowed & kImportOptions) {
        options.skipInvalid = parser.isSet(skipInvalid);
        options.table = parser.value(table);
        for (auto [option, value] :
             {std::pair{&from, &options.from}, std::pair{&to, &options.to}}) {
            if (!parser.isSet(*option))
                continue;
            bool ok = false;
            *value = parser.value(*option).toInt(&ok);
            if (!ok || *value < 0) {
                printError(command +
                           QStringLiteral(": --%1 takes a translation number (0, 1 ...)")
                               .arg(option->names().front()) +
                           usage);
                return std::nullopt;
            }
        }
    }
    if (allowed & kSourceOptions) {
        options.wordnet = parser.value(wordnet);
        options.scowl = parser.value(scowl);
    }
    return options;
}

} // namespace

std::optional<Options> parseOptions(const QString& command, const QStringList& args, int allowed,
                                    Positionals positionals, int& exitStatus) {
    exitStatus = kExitUsage;
    const std::optional<Options> options = parse(command, args, allowed);
    if (!options)
        return std::nullopt;
    if (options->help) {
        printHelp();
        exitStatus = kExitOk;
        return std::nullopt;
    }
    const qsizetype count = options->positional.size();
    if (count < positionals.min || count > positionals.max) {
        printError(command + QStringLiteral(": ") + QString::fromUtf8(positionals.rule) +
                   QStringLiteral(" (see lexitor-words --help)"));
        return std::nullopt;
    }
    return options;
}

void printError(const QString& message) {
    std::fprintf(stderr, "lexitor-words: %s\n", message.toUtf8().constData());
}

void printLine(const QString& message) {
    std::fprintf(stdout, "%s\n", message.toUtf8().constData());
}

std::unique_ptr<store::FolderLock> claimFolder(const QString& command, const QString& dir) {
    auto lock = std::make_unique<store::FolderLock>(dir);
    if (lock->state() == store::FolderLock::State::Held)
        return lock;
    if (lock->state() == store::FolderLock::State::Unavailable) {
        printError(QStringLiteral("%1: %2 Nothing was written.")
                       .arg(command, QString::fromStdString(lock->problem())));
        return nullptr;
    }
    printError(QStringLiteral("%1: %2 is working on the words in %3; try again when it is "
                              "done. Nothing was written.")
                   .arg(command,
                        lock->takenByWordTool() ? QStringLiteral("another lexitor-words")
                                                : QStringLiteral("Lexitor"),
                        QDir::toNativeSeparators(dir)));
    return nullptr;
}

QString levelFilePath(const QString& dir, int level) {
    const auto file = store::levelDatabase(level).file;
    return QDir(dir).filePath(QString::fromLatin1(file.data(), qsizetype(file.size())));
}

} // namespace lexitor::wordlist
