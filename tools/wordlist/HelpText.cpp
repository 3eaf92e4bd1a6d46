#include "tools/wordlist/CommandLine.h"

#include <cstdio>

namespace lexitor::tools::wordlist {

void printHelp() {
    std::fputs(R"(Usage: lexitor-words COMMAND [OPTIONS]

Creates Lexitor's level word databases (word0.mdb, word1.mdb, word2.mdb) and
moves word lists in and out of them.

Commands:
  create FILE --level N
      Creates FILE as a new, empty word database for level N (0, 1 or 2),
      with its table, fields and index. An existing FILE is never touched.

  import LIST --level N [--dir DIR] [--format tsv|csv] [--dry-run]
      Adds the rows of the word list LIST to DIR/wordN.mdb, which must exist
      (see create). The file is checked in full first; any problem refuses
      the whole import, with the line number and the reason, and nothing is
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
      --dry-run  checks everything and reports what would be imported,
                 writing nothing.

  export --level N [--dir DIR] [--format tsv|csv] [OUT]
      Writes every row of DIR/wordN.mdb, in the table's own order, as a
      word list to OUT, or to standard output when OUT is not given.
      A TSV export refuses (and writes nothing) when a text holds a tab or
      a line break or is exactly \N; use CSV for such texts.

  generate --out DIR [--wordnet DIR] [--scowl DIR] [--per-level N]
      Builds the default vocabulary from the WordNet and SCOWL packages and
      writes DIR/level0.tsv .. level2.tsv for import; see
      `lexitor-words generate --help`.

  help, --help, -h
      Shows this text.

Options:
  --level N        the level 0, 1 or 2 (files word0.mdb, word1.mdb, word2.mdb)
  --dir DIR        the folder of the level databases; default: the current one
  --format F       tsv or csv; default: from the file's extension (.tsv, .tab
                   or .csv), and TSV for standard output

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

While Lexitor runs in a folder (it keeps lexitor.lock there), import and
create refuse to write to it; export works at any time.

Exit status: 0 on success, 1 when a file or database is refused or fails,
2 for a bad command line. Messages go to standard error.
)",
               stdout);
}

} // namespace lexitor::tools::wordlist
