// The rules that make a question worth learning from, each on a small
// WordNet made here: the sense a word is taught with, the root left out of
// its meaning, wrong options that are never a second right answer, the
// level a word's commonness gives it, and the quality report that checks
// all of these on finished lists.

#include "wordlist/vocabulary/Distractors.h"
#include "wordlist/vocabulary/FunctionWords.h"
#include "wordlist/vocabulary/LevelBands.h"
#include "wordlist/vocabulary/QualityReport.h"
#include "wordlist/vocabulary/RootMask.h"
#include "wordlist/vocabulary/SenseChoice.h"

#include <QTest>

#include <set>

using namespace lexitor::wordlist::vocabulary;
using lexitor::store::WordRecord;

namespace {

struct Row {
    Pos pos;
    std::vector<std::pair<const char*, int>> words; // with their tag counts
    const char* gloss;
};

// Synsets numbered in order from 1 within their part of speech.
WordNet wordNet(std::initializer_list<Row> rows) {
    WordNet wn;
    std::array<std::uint32_t, kPosCount> offsets{};
    for (const Row& row : rows) {
        Synset synset{.id = {row.pos, ++offsets[std::size_t(row.pos)]}, .gloss = row.gloss};
        std::vector<int> tags;
        for (const auto& [word, tagCount] : row.words) {
            synset.words.push_back(word);
            tags.push_back(tagCount);
        }
        wn.add(std::move(synset), tags);
    }
    return wn;
}

// "get" shares a sense with "find" and "receive"; "do" means what one of
// get's senses says in part.
WordNet getAndFind() {
    return wordNet(
        {{Pos::Verb, {{"get", 50}, {"acquire", 5}}, "come into the possession of something"},
         {Pos::Verb, {{"get", 9}, {"find", 4}, {"receive", 3}}, "receive a specified treatment"},
         {Pos::Verb, {{"get", 2}}, "perform or carry out an action of some kind"},
         {Pos::Verb, {{"find", 20}}, "come upon, as if by accident; meet with"},
         {Pos::Verb, {{"do", 30}}, "carry out an action of some kind"},
         {Pos::Verb, {{"run", 30}}, "move fast by using one's feet"},
         {Pos::Verb, {{"fly", 10}}, "travel through the air above"},
         {Pos::Verb, {{"soar", 2}}, "travel through the air above quickly"},
         {Pos::Verb, {{"sing", 10}}, "produce tones with the voice"},
         {Pos::Verb, {{"grab", 10}}, "come into the possession of something fast"},
         {Pos::Adj, {{"quick", 9}}, "accomplished rapidly and without delay"}});
}

Candidate candidate(const WordNet& wn, const std::string& word, std::size_t sense = 0) {
    const Sense& s = wn.sensesOf(word).at(sense);
    const Synset* synset = wn.synset(s.synset);
    return {.word = word, .synset = synset, .meaning = synset->gloss};
}

} // namespace

class VocabularyRulesTest : public QObject {
    Q_OBJECT

private slots:
    void senseChoice() {
        const WordNet wn = wordNet({{Pos::Noun, {{"run", 5}}, "a score in baseball"},
                                    {Pos::Verb, {{"run", 2}}, "compete in a race"},
                                    {Pos::Verb, {{"run", 30}}, "move fast"},
                                    {Pos::Verb, {{"run", 10}}, "be in charge of"},
                                    {Pos::Adj, {{"idle", 0}}, "not working"},
                                    {Pos::Noun, {{"idle", 0}}, "the state of rest"},
                                    {Pos::Noun, {{"idle", 0}}, "a slow engine speed"},
                                    {Pos::Verb, {{"coin", 0}}, "make up a word"},
                                    {Pos::Noun, {{"coin", 0}}, "a flat metal piece"}});
        // The part of speech tagged most often, and its first sense, not its
        // most tagged one: WordNet numbers senses by their use.
        QCOMPARE(mainPos(wn, "run"), Pos::Verb);
        QCOMPARE(chooseMainSense(wn, "run")->synset->gloss, std::string("compete in a race"));
        // Untagged: the part of speech with more senses, then nouns first.
        QCOMPARE(mainPos(wn, "idle"), Pos::Noun);
        QCOMPARE(mainPos(wn, "coin"), Pos::Noun);
        QCOMPARE(chooseMainSense(wn, "nothing"), std::nullopt);
        // The first senses, then senses tagged at least a quarter as often
        // as the most tagged; a rarer one never.
        std::vector<std::string> common;
        for (const ChosenSense& c : commonSenses(wn, "run"))
            common.push_back(c.synset->gloss);
        QCOMPARE(common, (std::vector<std::string>{"compete in a race", "a score in baseball",
                                                   "move fast", "be in charge of"}));
        QCOMPARE(firstSenses(wn, "run").size(), 2u);
    }

    void rootLeftOut() {
        const WordNet wn;
        // clang-format off
        const std::tuple<const char*, const char*, const char*> cases[] = {
            {"argue", "present reasons and arguments", "present reasons"},
            {"complain", "express complaints, discontent, displeasure, or unhappiness",
             "express discontent, displeasure, or unhappiness"},
            {"announce", "make known; make an announcement", "make known"},
            {"sing", "chant, hum, or singing", "chant or hum"},
            {"sing", "singing, chanting, or humming", "chanting or humming"},
            {"partaker", "someone who receives a part or a share", "someone who receives a share"},
            // Nothing can go without breaking the text.
            {"runner", "someone who runs in races", nullptr},
            {"champagne", "a wine produced in Champagne or resembling that", nullptr},
            {"beauteous", "(poetic )beautiful, especially to the sight", nullptr}};
        // clang-format on
        for (const auto& [word, definition, fair] : cases)
            QCOMPARE(withoutRootWords(wn, word, definition),
                     fair ? std::optional<std::string>(fair) : std::nullopt);
    }

    // Whatever the draw, the chooser offers only meanings that are wrong for
    // the word, and no two that say the same thing.
    void neverASecondRightAnswer() {
        const WordNet wn = getAndFind();
        std::vector<Candidate> pool;
        for (const char* word : {"find", "do", "receive", "run", "fly", "soar", "sing", "grab"})
            pool.push_back(candidate(wn, word, std::string(word) == "find" ? 1 : 0));
        pool.push_back(candidate(wn, "quick"));
        const DistractorChooser chooser(wn, pool);
        const Candidate get = candidate(wn, "get");
        const OwnMeanings own(wn, {"get"});
        QVERIFY(own.says("carry out an action") && own.says("come upon, as if by accident"));
        QVERIFY(!own.says("move fast") && !own.says("action"));
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            Random random(seed);
            const std::optional<Distractors> wrong = chooser.choose(get, own, random);
            QVERIFY(wrong);
            const std::set<std::string> options(wrong->begin(), wrong->end());
            QCOMPARE(options.size(), 3u);
            for (const std::string& option : options)
                QVERIFY2(std::set<std::string>({"move fast by using one's feet",
                                                "travel through the air above",
                                                "travel through the air above quickly",
                                                "produce tones with the voice"})
                             .contains(option),
                         option.c_str());
            QVERIFY(!options.contains("travel through the air above") ||
                    !options.contains("travel through the air above quickly"));
        }
        QVERIFY(sayTheSame("A dog.", "a dog") && !sayTheSame("a small dog", "dog small"));
        // Digits and other scripts are words too; no words say nothing.
        QVERIFY(!sayTheSame("word 1", "word 2") && !sayTheSame("собака", "кошка"));
        QVERIFY(sayTheSame("große Katze", "Katze") == false && !sayTheSame("", " - "));

        const std::pair<const char*, bool> suits[] = {
            {"position 90 in a countable series of things", false},
            {"the cardinal number that is the sum of five and one", false},
            {"being ten more than eighty", false},
            {"a genus of perennial herbs", false},
            {"United States physicist (1879-1955)", false},
            {"a small feline kept as a house pet", true},
            {"one who travels more than others", true}};
        for (const auto& [meaning, fair] : suits)
            QVERIFY2(suitsAsWrongOption(meaning) == fair, meaning);
    }

    void levelsByHowCommon() {
        WordNet wn;
        wn.add({.id = {Pos::Verb, 1}, .words = {"run"}});
        wn.addException(Pos::Verb, "ran", "run");
        const ScowlWords scowl = {{"run", 10}, {"ice", 20}, {"cream", 35}, {"abet", 50}};
        QCOMPARE(commonnessOf(&wn, scowl, "ran"), 10);
        QCOMPARE(commonnessOf(&wn, scowl, "ice cream"), 35); // as common as its rarest word
        QCOMPARE(commonnessOf(&wn, scowl, "xyzzy"), 100);
        QCOMPARE(commonnessOf(&wn, scowl, "abet"), 50);

        // commonness, rows already in each level, levels
        const std::tuple<std::vector<int>, std::array<int, 3>, std::vector<int>> cases[] = {
            {{10, 20, 35, 40, 50, 100}, {0, 0, 0}, {0, 0, 1, 1, 2, 2}},
            // Every level gets two words: the nearest in commonness move.
            {{60, 50, 100, 55, 60, 50}, {0, 0, 0}, {1, 0, 2, 1, 2, 0}},
            {{10, 10, 10, 10, 35}, {0, 0, 3}, {1, 0, 0, 0, 1}},
            {{60, 60, 60}, {5, 5, 5}, {2, 2, 2}},
            // Too few to spare: as many as can be.
            {{100, 100, 100}, {0, 0, 0}, {0, 2, 2}}};
        for (const auto& [commonness, present, levels] : cases)
            QCOMPARE(levelsByCommonness(commonness, present), levels);

        QCOMPARE(functionWordClass("although"), std::optional<std::string_view>("a conjunction"));
        QCOMPARE(functionWordClass("among"), std::optional<std::string_view>("a preposition"));
        QCOMPARE(functionWordClass("dog"), std::nullopt);
    }

    void qualityReport() {
        const WordNet wn = getAndFind();
        const MeaningKinds kinds(wn);
        QCOMPARE(kinds.kindsOf("Accomplished rapidly and without delay!"),
                 1u << unsigned(Pos::Adj));
        const std::vector<WordRecord> records = {
            // A synonym's meaning among the wrong options; the main sense.
            {"get", "come into the possession of something", "come upon, as if by accident",
             "travel through the air", "produce tones with the voice", "get it"},
            // Not the main sense; an adjective's meaning offered for a verb.
            {"get", "receive a specified treatment", "accomplished rapidly and without delay",
             "move fast", "travel through the air", " "},
            // Two options alike; markup; a word unknown to WordNet.
            {"zorp", "a made-up thing", "a made-up thing, often green", "(used of `x') a note",
             "travel through the air", std::nullopt},
            {"crap", "worthless stuff", "a", "b", "c", std::nullopt}};
        const QualityReport q = measureQuality(wn, kinds, records);
        QCOMPARE(q.entries, 4u);
        QCOMPARE(q.secondRightAnswerWords, std::vector<std::string>{"get"});
        QCOMPARE(q.alikeWords, std::vector<std::string>{"zorp"});
        QCOMPARE(q.withWordNetMeaning, 2u);
        QCOMPARE(q.firstSense, 1u);
        QCOMPARE(q.wrongOptionsOfOtherKind, 1u);
        QCOMPARE(q.textsWithMarkup, 1u);
        QCOMPARE(q.offensiveWords, std::vector<std::string>{"crap"});
        QCOMPARE(q.withReference, 1u);
        const std::string text = describeReport(q, "list");
        QVERIFY2(text.find("second right answer: 1 (get)") != std::string::npos, text.c_str());
        QVERIFY(text.find("first sense of the main part of speech: 1 of 2") != std::string::npos);

        for (const char* markup : {"(used of verbs) acting", "often followed by `to'",
                                   "keep clean; e.g.", "a (club", "nonstandard"})
            QVERIFY2(hasMarkup(markup), markup);
        QVERIFY(!hasMarkup("a (usually rectangular) container (used for tools)"));
    }
};

QTEST_GUILESS_MAIN(VocabularyRulesTest)
#include "VocabularyRulesTest.moc"
