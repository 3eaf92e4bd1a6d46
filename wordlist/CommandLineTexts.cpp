#include "wordlist/CommandLineTexts.h"

namespace lexitor::wordlist {

const std::vector<CommandText>& commandTexts() {
    static const std::vector<CommandText> texts = {
        {QStringLiteral("create"), QStringLiteral("create FILE --level N"), QStringLiteral("FILE"),
         QStringLiteral("the word database to create"),
         QStringLiteral(
             "Creates FILE as a new, empty word database for level N (0, 1 or 2), with its "
             "table, fields and index. An existing FILE is never touched."),
         QStringLiteral("lexitor-words create word1.mdb --level 1")},
        {QStringLiteral("import"),
         QStringLiteral("import LIST --level N|auto [--dir DIR] [--format F] [--dry-run] "
                        "[--skip-invalid] [--table NAME] [--from N] [--to N] [--wordnet DIR] "
                        "[--scowl DIR]"),
         QStringLiteral("LIST"), QStringLiteral("the file to import"),
         QStringLiteral(
             "Adds the rows of LIST to DIR/wordN.mdb, which must exist (see create). LIST is a "
             "word list (see Word list files), a two-column list (--format pairs), a KVTML "
             "file (.kvtml), a Jet file (.mdb) or a bare list of words. The file is checked "
             "in full first; any problem refuses the whole import, with the line (KVTML: "
             "entry id; Jet: row) and the reason, and nothing is written. Otherwise every "
             "row is added in one step, texts exactly as they stand in the file (surrounding "
             "blanks kept). A row is refused when\n"
             "  - its word or its answer (ans) is missing or shorter than 2 characters once "
             "surrounding blanks are removed;\n"
             "  - word, ans, c1, c2 or c3 is null (only ref may be null);\n"
             "  - a text is not UTF-8, or holds a NUL or another control character than tab "
             "and line breaks;\n"
             "  - its word is already in any level database in DIR (letter case and "
             "surrounding blanks are ignored), or earlier in the list;\n"
             "  - it breaks the format's rules (a six-column list: 6 fields);\n"
             "and the whole file is refused when it is not UTF-8, its first row is not the "
             "header, or it is not a regular file (a folder, a named pipe, a device).\n"
             "\n"
             "With --level auto each row goes to the level of its word's commonness, as the "
             "default lists grade words (SCOWL; a word of another language by its meaning), "
             "moving the nearest words so that every level holds the 2 a quiz needs; all three "
             "level files must exist. The count per level is shown.\n"
             "\n"
             "A bare list of words (--format words, or any file without a header holding one "
             "word or several per line, separated by blanks or commas) gets its meanings from "
             "WordNet by the rules of the default vocabulary: the first sense of the word's "
             "most used part of speech (else another sense readers meet often), a meaning of at "
             "most 80 characters without markup that does not give the word away, three wrong "
             "meanings of the same kind and similar length taken from the default vocabulary "
             "(SCOWL) and never a meaning of the word or of a synonym, and an example from "
             "WordNet as ref where there is one. Capitals and the punctuation around a word do "
             "not matter for the look-up; an inflected form is taught and stored as its base "
             "form (\"abetting \u2192 abet\" is shown). Each word is a row of its own: a word "
             "is refused when WordNet does not know it (a pronoun, preposition or conjunction "
             "is named as such), when none of its meanings can be used, when it is offensive, "
             "or as a duplicate, and the other words of its line are kept. A word with an "
             "offensive sense is taught its clean sense, with a warning. At most 10,000 words. "
             "The same list always gives the same entries."),
         QStringLiteral("lexitor-words import more-words.tsv --level 1 --dir run --dry-run\n"
                        "lexitor-words import deck.txt --format pairs --level 2 --skip-invalid\n"
                        "lexitor-words import animals.kvtml --level 0 --from 1 --to 0\n"
                        "lexitor-words import syllabus.txt --level 2 --dry-run\n"
                        "lexitor-words import more-words.txt --level auto --dry-run")},
        {QStringLiteral("export"),
         QStringLiteral("export --level N [--dir DIR] [--format tsv|csv|kvtml] [OUT]"),
         QStringLiteral("OUT"), QStringLiteral("the file to write; standard output without it"),
         QStringLiteral(
             "Writes every row of DIR/wordN.mdb, in the table's own order, as a word list to "
             "OUT, or to standard output when OUT is not given. A TSV export refuses (and "
             "writes nothing) when a text holds a tab or a line break or is exactly \\N; use "
             "CSV for such texts. KVTML (read by KDE's Parley and its other education "
             "programs) holds each word with its meaning, the non-blank c1..c3 as "
             "multiple-choice choices and ref as the example, in one lesson named after the "
             "level."),
         QStringLiteral("lexitor-words export --level 1 --dir run my-level1.csv\n"
                        "lexitor-words export --level 2 --format kvtml level2.kvtml")},
        {QStringLiteral("convert"), QStringLiteral("convert [--dir DIR]"), QString(), QString(),
         QStringLiteral(
             "Brings the Jet level files of DIR (word0.mdb .. word2.mdb kept in the Jet format "
             "of Access) across to Lexitor's format, as the program does when it starts: "
             "every row as stored, nulls and blanks kept. The original is kept unchanged "
             "beside the new file (word1.mdb.jet); rows that Lexitor's checks would refuse "
             "today are kept all the same and listed in DIR/jet-conversion-report.txt."),
         QStringLiteral("lexitor-words convert --dir run")},
        {QStringLiteral("generate"),
         QStringLiteral("generate --out DIR [--wordnet DIR] [--scowl DIR] [--per-level N]"),
         QString(), QString(),
         QStringLiteral("Builds the default vocabulary from the WordNet and SCOWL packages and "
                        "writes DIR/level0.tsv .. level2.tsv for import; lexitor-words "
                        "generate --help tells more."),
         QStringLiteral("lexitor-words generate --out lists")},
        {QStringLiteral("quality"), QStringLiteral("quality [FILE...] [--dir DIR] [--wordnet DIR]"),
         QString(), QString(),
         QStringLiteral("Measures how fair the questions of level databases or word lists are, "
                        "against WordNet; lexitor-words quality --help tells more."),
         QStringLiteral("lexitor-words quality --dir run")},
    };
    return texts;
}

const CommandText* commandText(const QString& name) {
    for (const CommandText& text : commandTexts()) {
        if (text.name == name)
            return &text;
    }
    return nullptr;
}

QString toolDescription() {
    return QStringLiteral(
        "Creates Lexitor's level word databases (word0.mdb, word1.mdb, word2.mdb) and moves "
        "word lists in and out of them. lexitor-words COMMAND --help tells what a command "
        "takes.");
}

QString fileFormatsText() {
    return QStringLiteral(
        "Word list files:\n"
        "  UTF-8 text (a leading byte order mark is allowed). The first row is the header\n"
        "  naming the six fields in this order:\n"
        "      word  ans  c1  c2  c3  ref\n"
        "  word is the vocabulary word, ans its right meaning, c1 to c3 three wrong\n"
        "  meanings, ref an optional reference such as an example sentence. Every\n"
        "  further row is one entry. Empty lines are skipped.\n"
        "\n"
        "  TSV   fields separated by one tab, rows by LF or CRLF. A field that is\n"
        "        exactly \\N is null; any other text is taken verbatim, so a text\n"
        "        cannot hold a tab or a line break.\n"
        "  CSV   RFC 4180: fields separated by commas, rows by CRLF (LF is read too).\n"
        "        A field holding a comma, a quote, a tab or a line break is enclosed\n"
        "        in double quotes, with each quote inside written twice. An empty\n"
        "        unquoted field is null; \"\" is an empty text.\n"
        "\n"
        "  An export read back by import gives the same rows.\n"
        "\n"
        "Two-column lists (--format pairs):\n"
        "  As flash-card programs and spreadsheets export them: a word and its meaning\n"
        "  per row, TSV or CSV (told by the extension, else by a tab in the first\n"
        "  line). A first row such as \"word<TAB>meaning\" or \"term,definition\" is a\n"
        "  header; Anki's leading \"#name:value\" lines are skipped. c1..c3 are three\n"
        "  meanings of other rows, distinct and never the row's own, chosen the same\n"
        "  way on every run; ref is null.\n"
        "\n"
        "KVTML files:\n"
        "  The word is the entry's text in translation --from, the answer its text in\n"
        "  translation --to (in a one-language file, its comment). c1..c3 are the\n"
        "  entry's multiple-choice choices where it has any (the first three, a blank\n"
        "  one as a single space), else meanings of other entries, preferably of the\n"
        "  same lesson and word type; ref is its first example sentence, else null.\n"
        "  Elements nested more than 256 deep refuse the file.\n");
}

QString closingText() {
    return QStringLiteral(
        "Lexitor's folder:\n"
        "  While Lexitor runs in a folder (it keeps lexitor.lock there), import,\n"
        "  convert and create refuse to write to it; export works at any time.\n"
        "\n"
        "Exit status:\n"
        "  0 on success, 1 when a file or database is refused or fails, 2 for a bad\n"
        "  command line. Messages go to standard error.\n");
}

} // namespace lexitor::wordlist
