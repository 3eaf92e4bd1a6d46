// The generator's parts on single lines and words: the file parsers, gloss
// cleaning, word forms, the offensive filter and the quality figures.

#include "wordlist/vocabulary/Gloss.h"
#include "wordlist/vocabulary/Offensive.h"
#include "wordlist/vocabulary/Quality.h"
#include "wordlist/vocabulary/Random.h"
#include "wordlist/vocabulary/WordForms.h"
#include "wordlist/vocabulary/WordNet.h"

#include <QTest>

using namespace lexitor::wordlist::vocabulary;
using lexitor::store::WordRecord;

class VocabularyPartsTest : public QObject {
    Q_OBJECT

private slots:
    void dataLines() {
        Synset s;
        QVERIFY(parseDataLine("00300006 00 s 02 better(a) 0 finer(p) 1 002 @ 00300005 a 0000 ;u "
                              "07157273 n 0200 | superior; \"a better job\"  ",
                              s));
        QCOMPARE(s.id.pos, Pos::Adj); // satellites live with adjectives
        QCOMPARE(s.id.offset, 300006u);
        QCOMPARE(s.words, (std::vector<std::string>{"better", "finer"}));
        QCOMPARE(s.links.size(), 2u);
        QCOMPARE(s.usages.size(), 1u);
        QCOMPARE(s.usages[0].domain.offset, 7157273u);
        QCOMPARE(s.usages[0].word, 2u); // finer's alone
        QCOMPARE(s.gloss, std::string("superior; \"a better job\""));

        // Verb frames after the pointers are skipped; a word count is hex.
        Synset v;
        QVERIFY(parseDataLine("00200001 38 v 0a a 0 b 0 c 0 d 0 e 0 f 0 g 0 h 0 i 0 j 0 000 02 + "
                              "02 00 + 08 00 | go",
                              v));
        QCOMPARE(v.words.size(), 10u);
        QCOMPARE(v.lexFile, 38);

        Synset ignored;
        QVERIFY(!parseDataLine("  1 This software and database is being provided", ignored));
        QVERIFY(!parseDataLine("00100001 05 n 03 dog 0 | truncated", ignored));
        QVERIFY(!parseDataLine("", ignored));

        std::string lemma;
        Sense sense;
        QVERIFY(parseSenseLine("small%5:00:00:big:00 00300004 2 11", lemma, sense));
        QCOMPARE(lemma, std::string("small"));
        QCOMPARE(sense.synset.pos, Pos::Adj);
        QCOMPARE(sense.senseNumber, 2);
        QCOMPARE(sense.tagCount, 11);
        QVERIFY(!parseSenseLine("small 00300004 2", lemma, sense));
        QVERIFY(!parseSenseLine("small%9:00:00:: 00300004 2 11", lemma, sense));
    }

    void glossCleaning() {
        const Gloss g = splitGloss("a club; used in games; \"he swung the bat\"; \"a bat; "
                                   "not a ball\" - Anon");
        QCOMPARE(g.definition, std::string("a club; used in games"));
        QCOMPARE(g.examples, (std::vector<std::string>{"he swung the bat", "a bat; not a ball"}));
        // An example without a semicolon before it still leaves the definition;
        // a note between examples is not part of it.
        QCOMPARE(splitGloss("walk: \"walk the dog\"").definition, std::string("walk"));
        QCOMPARE(splitGloss("as much as necessary; \"Have I eaten enough?\"; (`plenty' is "
                            "nonstandard) \"I've had plenty, thanks\"")
                     .definition,
                 std::string("as much as necessary"));

        // WordNet's markup and usage notes, and what is left of the definition.
        const std::pair<const char*, const char*> cleaned[] = {
            {"(usually followed by `to') having the necessary means", "having the necessary means"},
            {"(used to introduce a logical conclusion) from that fact", "from that fact"},
            {"(comparative of `good') superior to another", "superior to another"},
            {"a (usually rectangular) container", "a (usually rectangular) container"},
            {"(used pejoratively) out of fashion", "out of fashion"},
            {"a fabric (used for sails)", "a fabric (used for sails)"},
            {"killed; `slain' is formal or literary as in", "killed"},
            {"keep in a certain state, position, or activity; e.g.",
             "keep in a certain state, position, or activity"},
            {"of metal e.g.", "of metal"},
            {"having a tendency (to); often used in combination", "having a tendency (to)"},
            {"usually in combination: person in charge of a thing", "person in charge of a thing"},
            {"abbreviation for `dead on arrival' at the emergency room",
             "abbreviation for \"dead on arrival\" at the emergency room"},
            {"(poetic )beautiful, especially to the sight", "beautiful, especially to the sight"},
            {"an amount) of something", nullptr},
            {"(of a path winding", nullptr}};
        for (const auto& [definition, clean] : cleaned)
            QCOMPARE(cleanDefinition(definition),
                     clean ? std::optional<std::string>(clean) : std::nullopt);
        QCOMPARE(cleanExample("the word `dog' is animate"), "the word \"dog\" is animate");
        QCOMPARE(cleanExample("`I won't come,' she said"), "\"I won't come,\" she said");

        QCOMPARE(meaningFromDefinition("a short meaning"),
                 std::optional<std::string>("a short meaning"));
        const std::string longFirst(70, 'x');
        QCOMPARE(meaningFromDefinition(longFirst + "; and a second clause that is too long"),
                 std::optional<std::string>(longFirst));
        QCOMPARE(meaningFromDefinition(std::string(81, 'y')), std::nullopt);
        QCOMPARE(meaningFromDefinition(std::string(81, 'y') + "; short"), std::nullopt);
        QCOMPARE(meaningFromDefinition(std::string(80, 'z'))->size(), 80u);
        // A long clause ends early where it still says what it defines, not
        // on a word that leaves the phrase open.
        QCOMPARE(meaningFromDefinition("any of numerous small rodents typically resembling "
                                       "diminutive rats having pointed snouts and small ears on "
                                       "elongated bodies"),
                 std::optional<std::string>(
                     "any of numerous small rodents typically resembling diminutive rats"));
        QCOMPARE(meaningFromDefinition("one of nine divisions of play during which each team has "
                                       "a turn at bat in the sport of baseball"),
                 std::nullopt);
        // Asides go first; an alternative goes only where no clause is left open.
        QCOMPARE(meaningFromDefinition("a weapon that discharges a missile at high velocity "
                                       "(especially from a metal tube or barrel)"),
                 std::optional<std::string>("a weapon that discharges a missile at high velocity"));
        QCOMPARE(meaningFromDefinition("a legal document codifying the result of deliberations of "
                                       "a committee or society or legislative body"),
                 std::optional<std::string>("a legal document codifying the result of "
                                            "deliberations of a committee or society"));
        QCOMPARE(meaningFromDefinition("the instrument by which a claim or right or interest in "
                                       "property is transferred from one person to another"),
                 std::nullopt);
    }

    void wordForms() {
        WordNet wn;
        std::uint32_t offset = 0;
        const std::vector<std::pair<Pos, std::vector<const char*>>> common = {
            {Pos::Noun, {"glass", "goose", "building", "man"}},
            {Pos::Verb, {"build", "find", "see"}},
            {Pos::Adj, {"good", "large", "new"}}};
        for (const auto& [pos, lemmas] : common)
            for (const char* lemma : lemmas)
                wn.add({.id = {pos, ++offset}, .words = {lemma}});
        wn.addException(Pos::Noun, "geese", "goose");
        wn.addException(Pos::Verb, "found", "find");
        wn.addException(Pos::Adj, "better", "good");
        wn.addException(Pos::Verb, "went", "go");

        for (const char* word : {"geese", "glasses", "men"})
            QVERIFY2(isInflection(wn, word, Pos::Noun), word);
        QVERIFY(isInflection(wn, "found", Pos::Verb) && isInflection(wn, "building", Pos::Verb));
        QVERIFY(isInflection(wn, "better", Pos::Adj) && isInflection(wn, "larger", Pos::Adj));
        // Only forms of the part of speech asked about count.
        for (const char* word : {"building", "news", "found", "seed"})
            QVERIFY2(!isInflection(wn, word, Pos::Noun), word);

        // Pairs of words.
        const char* related[] = {"happiness", "happy",         "decide",  "decision", "sleep",
                                 "asleep",    "run",           "running", "bed",      "bedroom",
                                 "go",        "went",          "society", "social",   "housewife",
                                 "wife",      "microorganism", "organism"};
        for (std::size_t i = 0; i < std::size(related); i += 2)
            QVERIFY2(sharesRoot(wn, related[i], related[i + 1]), related[i]);
        // "use" is too short to be a part of "housewife".
        const char* unrelated[] = {"house", "horse", "housewife", "use",
                                   "art",   "part",  "cat",       "act"};
        for (std::size_t i = 0; i < std::size(unrelated); i += 2)
            QVERIFY2(!sharesRoot(wn, unrelated[i], unrelated[i + 1]), unrelated[i]);
        QVERIFY(mentionsWord(wn, "runner", "someone who runs in races"));
        QVERIFY(!mentionsWord(wn, "runner", "someone who races"));
    }

    void offensiveFilter() {
        WordNet wn;
        const Synset obscenity{.id = {Pos::Noun, 1}, .words = {"obscenity", "smut"}};
        const Synset slang{.id = {Pos::Noun, 2}, .words = {"slang", "cant"}};
        wn.add(obscenity);
        wn.add(slang);

        const Synset plain{.gloss = "a domesticated carnivorous mammal"};
        QVERIFY(!isObsceneOrSlur(wn, plain) && !isDisparaging(wn, plain));
        QVERIFY(isObsceneOrSlur(wn, Synset{.usages = {{obscenity.id}}}));
        QVERIFY(!isObsceneOrSlur(wn, Synset{.usages = {{slang.id}}}));
        QVERIFY(isDisparaging(wn, Synset{.usages = {{slang.id}}}));
        // Slang for the second word of a synset only: "stiff", not "corpse".
        const Synset corpse{.words = {"corpse", "stiff"}, .usages = {{slang.id, 2}}};
        QVERIFY(!isDisparaging(wn, corpse, 0) && isDisparaging(wn, corpse, 1));
        for (const char* gloss : {"(ethnic slur) a term for", "an offensive term for a person",
                                  "obscene terms for", "vulgar slang for", "used as expletives"})
            QVERIFY2(isObsceneOrSlur(wn, Synset{.gloss = gloss}), gloss);
        for (const char* gloss : {"(disparaging) a person", "a derogatory word", "slang for money"})
            QVERIFY2(isDisparaging(wn, Synset{.gloss = gloss}), gloss);
        // The definition counts, not the examples.
        QVERIFY(
            !isObsceneOrSlur(wn, Synset{.gloss = "offensive to the mind; \"an obscene deed\""}));
        QVERIFY(isSexual(Synset{.gloss = "fulfill sexually; \"consummate a marriage\""}));
        QVERIFY(isSexual(Synset{.gloss = "exchange sex for money"}));
        QVERIFY(!isSexual(Synset{.gloss = "a young person of either sex"}));
        QVERIFY(!isSexual(Synset{.gloss = "make perfect; \"sexual health\""}));
        QVERIFY(isBannedWord("crap") && isBannedWord("jackass") && !isBannedWord("cat"));

        // A word is offensive by its main sense, or by the first sense of another
        // part of speech when that is obscene and met at all.
        wn.add({.id = {Pos::Verb, 3}, .words = {"frob"}, .gloss = "adjust a control"}, {10});
        wn.add({.id = {Pos::Noun, 4}, .words = {"frob"}, .usages = {{obscenity.id}}}, {0});
        wn.add({.id = {Pos::Verb, 5}, .words = {"zap"}, .gloss = "strike suddenly"}, {10});
        wn.add({.id = {Pos::Noun, 6}, .words = {"zap"}, .usages = {{obscenity.id}}}, {1});
        wn.add({.id = {Pos::Noun, 7}, .words = {"grub"}, .usages = {{slang.id}}}, {3});
        wn.add({.id = {Pos::Verb, 8}, .words = {"grub"}, .gloss = "dig"}, {1});
        QVERIFY(!isOffensiveWord(wn, "frob"));
        QVERIFY(isOffensiveWord(wn, "zap") && isOffensiveWord(wn, "grub"));
    }

    void qualityFigures() {
        const std::vector<WordRecord> records = {
            // The answer is the longest and shares the root: both guessers right.
            {"sleep", "the state of sleeping deeply", "a cat", "a dog", "a cow", "x"},
            // Nothing shares the root; a distractor is longest.
            {"dog", "a pet", "a tame animal kept at home", "a bird", "a fish", std::nullopt},
            // Two options as long as the answer: a third of a point.
            {"cow", "aaaa", "bbbb", "cccc", "dd", std::nullopt},
            // The answer contains the word; a meaning over 80 characters.
            {"car", "a car" + std::string(80, 'r'), "truck", "van", "bus", "y"},
        };
        const LevelQuality q = measureLevel(records);
        QCOMPARE(q.words, 4u);
        QCOMPARE(q.withRef, 0.5);
        QCOMPARE(q.longMeanings, 0.25);
        QCOMPARE(q.meaningHasWord, 0.25);
        QCOMPARE(q.rootGuess, (1.0 + 0.25 + 0.25 + 1.0) / 4);
        QCOMPARE(q.longestGuess, (1.0 + 0.0 + 1.0 / 3 + 1.0) / 4);
        QVERIFY(describeQuality(q, 1).starts_with("level 1: 4 words, 50.0% with a reference"));
    }

    void randomNumbers() {
        // Fixed values: the lists must not change with the platform.
        QCOMPARE(Random(42).next(), 13679457532755275413ULL);
        Random r(7);
        for (int i = 0; i < 100; ++i)
            QVERIFY(r.below(3) < 3);
        QVERIFY(hashText("dog") != hashText("god"));
    }
};

QTEST_GUILESS_MAIN(VocabularyPartsTest)
#include "VocabularyPartsTest.moc"
