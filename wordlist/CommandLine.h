#pragma once
// What the sub-commands share: their options, messages to the user, and
// the paths of the level databases in a folder.

#include "store/FolderLock.h"
#include "wordlist/formats/WordList.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace lexitor::wordlist {

// Exit statuses of the tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1; // bad input, a refused file, an engine failure
inline constexpr int kExitUsage = 2;   // a bad command line

struct Options {
    int level = -1;
    bool autoLevel = false; // import --level auto: each word by how common it is
    QString dir = QStringLiteral(".");
    std::optional<Format> format;
    bool dryRun = false;
    bool skipInvalid = false;
    QString table;               // --table: a Jet file's table
    std::optional<int> from, to; // --from, --to: KVTML translations
    QString wordnet, scowl;      // --wordnet, --scowl: for bare word lists
    bool help = false;
    QStringList positional;
};

enum OptionSet {
    kLevelOption = 1,
    kDirOption = 2,
    kFormatOption = 4,
    kDryRunOption = 8,
    kImportOptions = 16, // --skip-invalid, --table, --from, --to
    kSourceOptions = 32, // --wordnet DIR, --scowl DIR
};

// How many file names a sub-command takes, and what to say otherwise.
struct Positionals {
    qsizetype min = 0;
    qsizetype max = 0;
    const char* rule = "";
};

// Parses the arguments after the sub-command's name. Returns std::nullopt,
// with the status to exit with in `exitStatus`, where the command ends
// here: after printing the help (--help) or the reason the command line is
// bad. --level is required whenever it is allowed; with the import options
// it may be "auto" (autoLevel, level -1).
std::optional<Options> parseOptions(const QString& command, const QStringList& args, int allowed,
                                    Positionals positionals, int& exitStatus);

// "lexitor-words: <message>" on stderr.
void printError(const QString& message);
// A line on stdout.
void printLine(const QString& message);
// The full help text, also printed by `lexitor-words --help`.
void printHelp();

// Takes the word folder `dir` for a command that writes there; nullptr,
// after saying why, while Lexitor or another writing command works there
// or where no lock can be had (see store/FolderLock.h).
std::unique_ptr<store::FolderLock> claimFolder(const QString& command, const QString& dir);

// DIR/wordN.mdb for level N.
QString levelFilePath(const QString& dir, int level);

} // namespace lexitor::wordlist
