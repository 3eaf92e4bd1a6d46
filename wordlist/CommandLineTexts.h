#pragma once
// What the help of lexitor-words says beside its options: each command's
// synopsis, what it does and examples, and the formats of the files it
// reads and writes. The options describe themselves (CommandLine.cpp).

#include <QString>

#include <vector>

namespace lexitor::wordlist {

struct CommandText {
    QString name;
    QString synopsis; // "import LIST --level N [...]"
    QString argument, argumentHelp; // its file name, if it takes one
    QString details;
    QString examples; // one command a line
};

const std::vector<CommandText>& commandTexts();
const CommandText* commandText(const QString& name);

// The first lines of `lexitor-words --help`.
QString toolDescription();
// The sections after the commands: the file formats, where Lexitor runs,
// the exit status.
QString fileFormatsText();
QString closingText();

} // namespace lexitor::wordlist
