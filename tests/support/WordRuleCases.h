#pragma once
// One table of words for every place that takes or seeks a word: "Add
// Records", lexitor-words import, the editor's Find and the store's index
// order and Seek must all agree.
// Each row: a word already stored, a word typed, and what adding it does.

#include <QString>
#include <QTest>

namespace lexitor::testing {

enum class WordOutcome { Added, TooShort, AlreadyThere };

struct WordRuleCase {
    const char* name;
    const char* stored;
    const char* typed;
    WordOutcome outcome;
};

// clang-format off
inline constexpr WordRuleCase kWordRuleCases[] = {
    {"two letters", "zebra", "ab", WordOutcome::Added},
    {"one letter in blanks", "zebra", "  a ", WordOutcome::TooShort},
    {"one letter in no-break spaces", "zebra", "\u00a0a\u00a0", WordOutcome::TooShort},
    {"one emoji", "zebra", "\U0001F600", WordOutcome::TooShort},
    {"two emoji", "zebra", "\U0001F600\U0001F600", WordOutcome::Added},
    {"e with a combining accent", "zebra", "e\u0301", WordOutcome::TooShort},
    {"a flag", "zebra", "\U0001F1EB\U0001F1F7", WordOutcome::TooShort},
    {"composed, then decomposed", "caf\u00e9", "cafe\u0301", WordOutcome::AlreadyThere},
    {"decomposed, then composed capitals", "e\u0301clair", " \u00c9CLAIR ",
     WordOutcome::AlreadyThere},
    {"without the accent", "caf\u00e9", "cafe", WordOutcome::Added},
    {"sharp s is not ss", "stra\u00dfe", "STRASSE", WordOutcome::Added},
    {"capital sharp s", "stra\u00dfe", "STRA\u1e9eE", WordOutcome::AlreadyThere},
    {"plain capital I", "istanbul", " ISTANBUL", WordOutcome::AlreadyThere},
    {"dotted capital I is a letter of its own", "istanbul", "\u0130STANBUL", WordOutcome::Added},
    {"dotless i is a letter of its own", "istanbul", "\u0131stanbul", WordOutcome::Added},
    {"a ligature is not its letters", "file", "\ufb01le", WordOutcome::Added},
    {"full-width capitals", "\uff41\uff42\uff43", "\uff21\uff22\uff23", WordOutcome::AlreadyThere},
    {"full-width is not ASCII", "abc", "\uff41\uff42\uff43", WordOutcome::Added},
    {"ideographic and no-break blanks around", "zebra", "\u3000zebra\u00a0",
     WordOutcome::AlreadyThere},
};
// clang-format on

// The table as QtTest rows: stored, typed (QString) and outcome (int).
inline void addWordRuleRows(bool sameWordsOnly = false) {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("outcome");
    for (const WordRuleCase& rule : kWordRuleCases) {
        if (!sameWordsOnly || rule.outcome == WordOutcome::AlreadyThere)
            QTest::newRow(rule.name) << QString::fromUtf8(rule.stored)
                                     << QString::fromUtf8(rule.typed) << int(rule.outcome);
    }
}

} // namespace lexitor::testing
