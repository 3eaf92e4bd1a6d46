#include "wordlist/CommandLine.h"

#include <cstdio>

namespace lexitor::wordlist {

void printHelp() {
    std::fputs(R"(Usage: lexitor-words COMMAND [OPTIONS]

Creates Lexitor's level word databases (word0.mdb, word1.mdb, word2.mdb) and
moves word lists in and out of them.

Commands:
  create FILE --level N
      Creates FILE as a new, empty word database for level N (0, 1 or 2),
      with its table, fields and index. An existing FILE is never touched.

  import LIST --level N [--dir DIR] [--format F] [--dry-run] [--skip-invalid]
              [--table NAME] [--from N] [--to N] [--wordnet DIR] [--scowl DIR]
      Adds the rows of the word list LIST to DIR/wordN.mdb, which must exist
      (see create). LIST is a word list (below), a two-column list
      (--format pairs), a KVTML file (.kvtml) or a Jet file (.mdb). The file
      is checked in full first; any problem refuses the whole import, with
      the line (KVTML: entry id; Jet: row) and the reason, and nothing is
      written. Otherwise every row is added in one step, texts exactly as
      they stand in the file (surrounding blanks kept). A row is refused when
        - its word or its answer (ans) is missing or shorter than 2
          characters once surrounding blanks are removed;
        - word, ans, c1, c2 or c3 is null (only ref may be null);
        - it has a number of fields other than 6;
        - its word is already in any level database in DIR (letter case
          and surrounding blanks are ignored), or earlier in the list;
        - it breaks the format's rules (below);
      and the whole file is refused when it is not UTF-8 or its first row
      is not the header.
      --dry-run       checks everything and reports what would be imported,
                      writing nothing; for bare words it prints each entry.
      --skip-invalid  imports the rows that pass and lists the others with
                      their reasons, instead of refusing the whole file.
      --table NAME    the table of a Jet file to read; default: its level
                      table (word0, word1 or word2).
      --from N, --to N  the KVTML translations that hold the word (default 0)
                      and its meaning (default 1; in a file of one language,
                      the entry's comment).
      --level auto    puts each row in the level of its word's commonness, as
                      the default lists grade words (SCOWL; a word of another
                      language by its meaning), moving the nearest words so
                      that every level holds the 2 a quiz needs; all three
                      level files must exist. The count per level is shown.

      A bare list of words (--format words, or any file without a header
      holding one word or several per line, separated by blanks or commas)
      gets its meanings from WordNet (/usr/share/wordnet, or --wordnet DIR)
      by the rules of the default vocabulary: the first sense of the word's
      most used part of speech (else another sense readers meet often), a
      meaning of at most 80 characters without markup that does not give
      the word away, three wrong meanings of the same kind and similar
      length taken from the default vocabulary (SCOWL,
      /usr/share/dict/scowl, or --scowl DIR) and never a meaning of the word
      or of a synonym, and an example from WordNet as ref where there is
      one. Capitals and the punctuation around a word do not matter for the
      look-up; an inflected form is taught and stored as its base form
      ("abetting → abet" is shown). Each word is a row of its own: a word
      is refused when WordNet does not know it (a pronoun, preposition or
      conjunction is named as such), when none of its meanings can be used,
      when it is offensive, or as a duplicate, and the other words of its
      line are kept. A word with an offensive sense is taught its clean
      sense, with a warning. At most 10,000 words. The same list always
      gives the same entries.

  convert [--dir DIR]
      Brings the Jet level files of DIR (word0.mdb .. word2.mdb kept in the
      Jet format of Access) across to Lexitor's format, as the program does
      when it starts: every row as stored, nulls and blanks kept. The
      original is kept unchanged beside the new file (word1.mdb.jet); rows
      that Lexitor's checks would refuse today are kept all the same and
      listed in DIR/jet-conversion-report.txt.

  export --level N [--dir DIR] [--format tsv|csv|kvtml] [OUT]
      Writes every row of DIR/wordN.mdb, in the table's own order, as a
      word list to OUT, or to standard output when OUT is not given.
      A TSV export refuses (and writes nothing) when a text holds a tab or
      a line break or is exactly \N; use CSV for such texts. KVTML (read by
      KDE's Parley and its other education programs) holds each word with
      its meaning, the non-blank c1..c3 as multiple-choice choices and ref
      as the example, in one lesson named after the level.

  generate --out DIR [--wordnet DIR] [--scowl DIR] [--per-level N]
      Builds the default vocabulary from the WordNet and SCOWL packages and
      writes DIR/level0.tsv .. level2.tsv for import; see
      `lexitor-words generate --help`.

  quality [FILE...] [--dir DIR] [--wordnet DIR]
      Measures how fair the questions of level databases or word lists are,
      against WordNet; see `lexitor-words quality --help`.

  help, --help, -h
      Shows this text.

Options:
  --level N        the level 0, 1 or 2 (files word0.mdb, word1.mdb, word2.mdb)
  --dir DIR        the folder of the level databases; default: the current one
  --format F       tsv, csv, pairs, kvtml or jet; default: from the file's
                   extension (.tsv, .tab, .csv, .kvtml, .mdb), and TSV for
                   standard output

Word list files:
  UTF-8 text (a leading byte order mark is allowed). The first row is the
  header naming the six fields in this order:
      word  ans  c1  c2  c3  ref
  word is the vocabulary word, ans its right meaning, c1 to c3 three wrong
  meanings, ref an optional reference such as an example sentence. Every
  further row is one entry. Empty lines are skipped.

  TSV   fields separated by one tab, rows by LF or CRLF. A field that is
        exactly \N is null; any other text is taken verbatim, so a text
        cannot hold a tab or a line break.
  CSV   RFC 4180: fields separated by commas, rows by CRLF (LF is read too).
        A field holding a comma, a quote, a tab or a line break is enclosed
        in double quotes, with each quote inside written twice. An empty
        unquoted field is null; "" is an empty text.

  An export read back by import gives the same rows.

Two-column lists (--format pairs), as flash-card programs and spreadsheets
  export them: a word and its meaning per row, TSV or CSV (told by the
  extension, else by a tab in the first line). A first row such as
  "word<TAB>meaning" or "term,definition" is a header; Anki's leading
  "#name:value" lines are skipped. c1..c3 are three meanings of other rows,
  distinct and never the row's own, chosen the same way on every run; ref
  is null.

KVTML files: the word is the entry's text in translation --from, the
  answer its text in translation --to (in a one-language file, its
  comment). c1..c3 are the entry's multiple-choice choices where it has
  any (the first three, a blank one as a single space), else meanings of
  other entries, preferably of the same lesson and word type; ref is its
  first example sentence, else null.

While Lexitor runs in a folder (it keeps lexitor.lock there), import,
convert and create refuse to write to it; export works at any time.

Exit status: 0 on success, 1 when a file or database is refused or fails,
2 for a bad command line. Messages go to standard error.
)",
               stdout);
}

} // namespace lexitor::wordlist
