#include "wordlist/CommandLine.h"

#include "store/WordRecord.h"
#include "wordlist/CommandLineTexts.h"
#include "wordlist/vocabulary/Scowl.h"
#include "wordlist/vocabulary/WordNet.h"

#include <QCommandLineParser>
#include <QDir>

#include <cstdio>

namespace lexitor::wordlist {

namespace {

struct OptionText {
    int set; // the OptionSet that allows it
    const char* name;
    const char* value; // the name of its value; nullptr for a switch
    const char* description;
    const char* defaultValue = nullptr;
};

const OptionText kOptions[] = {
    {kLevelOption, "level", "N", "The level: 0, 1 or 2 (the files word0.mdb .. word2.mdb)."},
    {kDirOption, "dir", "DIR", "The folder of the level databases; default: the current one."},
    {kFormatOption, "format", "F",
     "The file's format. Import: tsv, csv, pairs, kvtml, jet or words; default: a Jet file "
     "by its first bytes, .kvtml by its name, a bare list of words by its text, else the "
     "extension (.tsv, .tab, .csv). Export: tsv, csv or kvtml; default: OUT's extension, "
     "else tsv."},
    {kDryRunOption, "dry-run", nullptr,
     "Checks everything and tells what would be imported, writing nothing; for bare words "
     "it prints each entry."},
    {kImportOptions, "skip-invalid", nullptr,
     "Imports the rows that pass and lists the others with their reasons, instead of "
     "refusing the whole file."},
    {kImportOptions, "table", "NAME",
     "The table of a Jet file to read; default: its level table (word0, word1 or word2)."},
    {kImportOptions, "from", "N", "The KVTML translation that holds the word; default: 0."},
    {kImportOptions, "to", "N",
     "The KVTML translation that holds the meaning; default: 1, or in a file of one "
     "language the entry's comment."},
    {kSourceOptions, "wordnet", "DIR",
     "WordNet's database files, for a bare list of words; default: /usr/share/wordnet.",
     vocabulary::kDefaultWordNetDir},
    {kSourceOptions, "scowl", "DIR",
     "SCOWL's word lists, for a bare list of words; default: /usr/share/dict/scowl.",
     vocabulary::kDefaultScowlDir},
};

const QCommandLineOption& helpOption() {
    static const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                         QStringLiteral("Shows this help."));
    return help;
}

QCommandLineOption option(const OptionText& text) {
    QCommandLineOption option(QString::fromLatin1(text.name), QString::fromLatin1(text.description),
                              QString::fromLatin1(text.value ? text.value : ""),
                              QString::fromLatin1(text.defaultValue ? text.defaultValue : ""));
    return option;
}

// A parser that knows the options `allowed` and the command's file name.
void declare(QCommandLineParser& parser, int allowed, const CommandText* command) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(helpOption());
    for (const OptionText& text : kOptions) {
        if (allowed & text.set)
            parser.addOption(option(text));
    }
    if (command && !command->argument.isEmpty())
        parser.addPositionalArgument(command->argument, command->argumentHelp);
}

// The parser's help with the usage line naming the tool, not the path it
// was started by.
QString helpText(const QCommandLineParser& parser, const QString& usage) {
    QString text = parser.helpText();
    text.remove(0, text.indexOf(u'\n') + 1);
    return QStringLiteral("Usage: lexitor-words %1\n").arg(usage) + text;
}

QString indented(const QString& text, int by) {
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        if (!line.isEmpty())
            line.prepend(QString(by, u' '));
    }
    return lines.join(u'\n');
}

// A text's paragraphs broken at words to lines of at most `width`; a
// paragraph's indent, and a list item's text, carry on in its next lines,
// `hanging` further in.
QString wrapped(const QString& text, int width, int hanging = 0) {
    QStringList out;
    for (const QString& paragraph : text.split(u'\n')) {
        const qsizetype lead = paragraph.size() - paragraph.trimmed().size();
        const QString first = paragraph.left(lead);
        const bool item = paragraph.mid(lead).startsWith(QStringLiteral("- "));
        const QString next = first + QString(hanging + (item ? 2 : 0), u' ');
        QString line = first;
        bool empty = true;
        for (const QString& word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            if (!empty && line.size() + 1 + word.size() > width) {
                out.append(line);
                line = next;
                empty = true;
            }
            line += (empty ? QString() : QStringLiteral(" ")) + word;
            empty = false;
        }
        out.append(line);
    }
    return out.join(u'\n');
}

std::optional<Options> parse(const QString& command, const QStringList& args, int allowed) {
    QCommandLineParser parser;
    declare(parser, allowed, commandText(command));
    const QString usage = QStringLiteral(" (see lexitor-words %1 --help)").arg(command);
    if (!parser.parse(QStringList{command} + args)) {
        printError(command + QStringLiteral(": ") + parser.errorText() + usage);
        return std::nullopt;
    }
    Options options;
    if (parser.isSet(helpOption())) {
        options.help = true;
        return options;
    }
    const auto value = [&parser](const char* name) { return parser.value(QString::fromLatin1(name)); };
    const auto isSet = [&parser](const char* name) { return parser.isSet(QString::fromLatin1(name)); };
    options.positional = parser.positionalArguments();
    if (allowed & kLevelOption) {
        bool ok = false;
        const QString text = value("level");
        options.level = text.toInt(&ok);
        options.autoLevel = (allowed & kImportOptions) && text == u"auto";
        const bool known = ok && options.level >= 0 && options.level < store::kLevelCount;
        if (!isSet("level") || (!known && !options.autoLevel)) {
            printError(command + QStringLiteral(": --level 0, 1 or 2 is required") + usage);
            return std::nullopt;
        }
    }
    if ((allowed & kDirOption) && isSet("dir"))
        options.dir = value("dir");
    if ((allowed & kFormatOption) && isSet("format")) {
        options.format = formatFromName(value("format"));
        if (!options.format) {
            printError(command +
                       QStringLiteral(": --format must be tsv, csv, pairs, kvtml, jet or words") +
                       usage);
            return std::nullopt;
        }
    }
    options.dryRun = (allowed & kDryRunOption) && isSet("dry-run");
    if (allowed & kImportOptions) {
        options.skipInvalid = isSet("skip-invalid");
        options.table = value("table");
        for (auto [name, target] : {std::pair{"from", &options.from}, std::pair{"to", &options.to}}) {
            if (!isSet(name))
                continue;
            bool ok = false;
            *target = value(name).toInt(&ok);
            if (!ok || *target < 0) {
                printError(command +
                           QStringLiteral(": --%1 takes a translation number (0, 1 ...)")
                               .arg(QLatin1String(name)) +
                           usage);
                return std::nullopt;
            }
        }
    }
    if (allowed & kSourceOptions) {
        options.wordnet = value("wordnet");
        options.scowl = value("scowl");
    }
    return options;
}

// The options each command allows, for its help.
int optionsOf(const QString& command) {
    if (command == u"create")
        return kLevelOption;
    if (command == u"import")
        return kLevelOption | kDirOption | kFormatOption | kDryRunOption | kImportOptions |
               kSourceOptions;
    if (command == u"export")
        return kLevelOption | kDirOption | kFormatOption;
    return kDirOption;
}

} // namespace

std::optional<Options> parseOptions(const QString& command, const QStringList& args, int allowed,
                                    Positionals positionals, int& exitStatus) {
    exitStatus = kExitUsage;
    const std::optional<Options> options = parse(command, args, allowed);
    if (!options)
        return std::nullopt;
    if (options->help) {
        printCommandHelp(command);
        exitStatus = kExitOk;
        return std::nullopt;
    }
    const qsizetype count = options->positional.size();
    if (count < positionals.min || count > positionals.max) {
        printError(command + QStringLiteral(": ") + QString::fromUtf8(positionals.rule) +
                   QStringLiteral(" (see lexitor-words %1 --help)").arg(command));
        return std::nullopt;
    }
    return options;
}

void printHelp() {
    QCommandLineParser parser;
    declare(parser, ~0, nullptr);
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                        QStringLiteral("Shows the version.")));
    parser.setApplicationDescription(wrapped(toolDescription(), 78));
    parser.addPositionalArgument(QStringLiteral("COMMAND"),
                                 QStringLiteral("create, import, export, convert, generate or quality."),
                                 QStringLiteral("COMMAND [ARGUMENTS]"));
    QString text = helpText(parser, QStringLiteral("[options] COMMAND [ARGUMENTS]"));
    text += QStringLiteral("\nCommands:\n");
    QString examples;
    for (const CommandText& command : commandTexts()) {
        text += indented(wrapped(command.synopsis, 76, 4), 2) + u'\n' +
                indented(wrapped(command.details, 72), 6) + QStringLiteral("\n\n");
        examples += indented(command.examples, 2) + u'\n';
    }
    text += fileFormatsText() + QStringLiteral("\nExamples:\n") + examples + u'\n' + closingText();
    std::fputs(text.toUtf8().constData(), stdout);
}

bool printCommandHelp(const QString& name) {
    const CommandText* command = commandText(name);
    if (!command)
        return false;
    QCommandLineParser parser;
    declare(parser, optionsOf(name), command);
    parser.setApplicationDescription(wrapped(command->details, 78));
    QString text = helpText(parser, wrapped(command->synopsis, 62, 6));
    text += QStringLiteral("\nExamples:\n") + indented(command->examples, 2) + u'\n';
    if (name == u"import" || name == u"export")
        text += u'\n' + fileFormatsText();
    text += u'\n' + closingText();
    std::fputs(text.toUtf8().constData(), stdout);
    return true;
}

void printVersion() {
    printLine(QStringLiteral("lexitor-words %1").arg(QStringLiteral(LEXITOR_VERSION)));
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

} // namespace lexitor::wordlist
