// The generator on a small WordNet and SCOWL fixture in the packages' own
// file formats (fixtures/), checked against the rules of a good list.

#include "support/WordFiles.h"
#include "wordlist/vocabulary/Distractors.h"
#include "wordlist/vocabulary/LevelTsv.h"
#include "wordlist/vocabulary/QualityReport.h"
#include "wordlist/vocabulary/SenseChoice.h"
#include "wordlist/vocabulary/TextTools.h"
#include "wordlist/vocabulary/Vocabulary.h"
#include "wordlist/vocabulary/WordForms.h"
#include "wordlist/vocabulary/WordListEntries.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <set>

using namespace lexitor::wordlist::vocabulary;
using lexitor::store::WordRecord;
using lexitor::testing::wordsOf;

namespace {

const std::string kFixtures = VOCABULARY_FIXTURES;

// The fixture WordNet and SCOWL, their candidates, and the default lists.
struct Fixture {
    WordNet wn = loadWordNet(kFixtures + "/wordnet");
    ScowlWords scowl = loadScowl(kFixtures + "/scowl");
    DropCounts dropped;
    LevelCandidates candidates = buildCandidates(wn, scowl, dropped);
    Vocabulary lists = generateVocabulary(wn, scowl);
};

const Fixture& fx() {
    static const Fixture fixture;
    return fixture;
}

// The entries of `words` made in turn by one maker.
std::vector<std::variant<MadeEntry, Refused>> entriesOf(const QStringList& words, int level) {
    EntryMaker maker(fx().wn, fx().candidates, fx().scowl);
    std::vector<std::variant<MadeEntry, Refused>> made;
    for (const QString& word : words)
        made.push_back(maker.make(word.toStdString(), level));
    return made;
}

const WordRecord* find(const Vocabulary& v, const std::string& word, int* level = nullptr) {
    for (std::size_t l = 0; l < lexitor::store::kLevelCount; ++l)
        for (const auto& r : v.levels[l])
            if (r.word == word) {
                if (level)
                    *level = int(l);
                return &r;
            }
    return nullptr;
}

std::string reasonFor(const std::string& word) {
    Candidate c;
    const auto reason = judgeWord(fx().wn, word, c);
    return reason ? std::string(*reason) : std::string("kept");
}

} // namespace

class VocabularyGenerateTest : public QObject {
    Q_OBJECT

private slots:
    void levelsFollowScowlSizes() {
        const Vocabulary& v = fx().lists;
        // dog is in sizes 10 and 35: the smaller wins; color is from the
        // american list; slow from size 40.
        const std::pair<const char*, int> levels[] = {{"dog", 0},     {"color", 0}, {"happy", 1},
                                                      {"slow", 1},    {"anode", 2}, {"beaker", 2},
                                                      {"crucible", 2}};
        for (const auto& [word, expected] : levels) {
            int level = -1;
            QVERIFY2(find(v, word, &level) && level == expected, word);
        }
        QVERIFY(!find(v, "zebra")); // size 70 is beyond the vocabulary
        QCOMPARE(levelOfScowlSize(70), -1);

        // The most frequent first: size 10 before size 20, then tag counts,
        // then spelling (car and cat tie at 30).
        const auto level0 = wordsOf(v.levels[0]);
        QVERIFY(level0.size() >= 8);
        QCOMPARE(std::vector<std::string>(level0.begin(), level0.begin() + 8),
                 (std::vector<std::string>{"dog", "run", "car", "cat", "house", "find", "eat",
                                           "thing"}));
    }

    void wordsThatAreLeftOut() {
        const std::string shape = "not a plain lower-case word of 3 letters or more",
                          inflection = "an inflection of another word",
                          hasWord = "meaning contains the word",
                          offensive = "offensive in its main or a first sense";
        // clang-format off
        const std::pair<const char*, std::string> reasons[] = {
            {"Paris", shape}, {"dog's", shape}, {"ox", shape}, // WordNet knows ox: two letters
            {"dogs", "unknown to WordNet"},
            {"glasses", inflection}, {"found", inflection}, /* verb.exc */ {"better", inflection},
            {"building", "kept"}, // a noun, though build is a verb
            // The month is the main sense; the verb is never taken instead.
            {"march", "main sense is a proper noun"},
            // asleep, happy, resists
            {"runner", hasWord}, {"sleep", hasWord}, {"happiness", hasWord}, {"resistor", hasWord},
            // frob's verb is the main sense, but its first noun sense is an
            // obscenity that readers meet.
            {"zorp", offensive}, {"frob", offensive}, {"blag", offensive},
            {"crap", "on the ban list"}};
        // clang-format on
        for (const auto& [word, reason] : reasons)
            QCOMPARE(reasonFor(word), reason);

        const Vocabulary& v = fx().lists;
        for (const char* word : {"glasses", "found", "better", "march", "runner", "sleep", "zorp",
                                 "frob", "blag", "crap", "hound", "Paris", "ox"})
            QVERIFY2(!find(v, word), word);
        QVERIFY(v.dropped.at("synset already taken by a more frequent word") >= 1); // hound
    }

    void mainSenseAndMeaning() {
        const WordNet& wn = fx().wn;
        // Across parts of speech: run's verb sense is tagged more than its noun.
        QCOMPARE(chooseMainSense(wn, "run")->synset->id.pos, Pos::Verb);
        // The first sense, even where the synset lists the word second.
        QCOMPARE(chooseMainSense(wn, "bank")->sense.senseNumber, 1);

        const Vocabulary& v = fx().lists;
        QCOMPARE(*find(v, "bank")->ans,
                 std::string("a financial institution that accepts deposits"));
        // A long definition ends early where it still says what it defines.
        QCOMPARE(*find(v, "thing")->ans,
                 std::string("a separate and self-contained entity of any sort whatever"));
        QCOMPARE(*find(v, "bat")->ans,
                 std::string("a club used for hitting a ball in various games"));
        QCOMPARE(*find(v, "run")->ans, std::string("move fast by using one's feet"));
        // Examples are cut off; a long definition is cut to its first clause.
        QCOMPARE(*find(v, "dog")->ans, std::string("a domesticated carnivorous mammal"));
        QCOMPARE(*find(v, "box")->ans, std::string("a (usually rectangular) container"));
        // ref: the first example holding the word itself, else none.
        QCOMPARE(find(v, "dog")->ref, std::optional<std::string>("the dog barked all night"));
        QCOMPARE(find(v, "box")->ref,
                 std::optional<std::string>("he rummaged through a box of spare parts"));
        QCOMPARE(find(v, "cat")->ref, std::nullopt);
        QCOMPARE(find(v, "building")->ref, std::optional<std::string>("the building was old"));
        // The word listed second in bank's first sense gets that synset.
        QVERIFY(find(v, "chiropteran")); // bat took the club, so the mammal is free
    }

    void everyRecordKeepsTheRules() {
        const WordNet& wn = fx().wn;
        const LevelCandidates& candidates = fx().candidates;
        const Vocabulary& v = fx().lists;
        std::set<std::string> seenWords;
        std::set<std::uint32_t> seenSynsets;
        for (std::size_t level = 0; level < lexitor::store::kLevelCount; ++level) {
            QVERIFY(v.levels[level].size() >= 5);
            for (const WordRecord& r : v.levels[level]) {
                const std::string& word = *r.word;
                QVERIFY2(seenWords.insert(word).second, word.c_str());
                QVERIFY(word.size() >= 3 && isLowerCase(word));
                const auto self = std::find_if(candidates[level].begin(), candidates[level].end(),
                                               [&](const Candidate& c) { return c.word == word; });
                QVERIFY(self != candidates[level].end());
                QVERIFY(seenSynsets.insert(self->synset->id.offset).second);
                const std::size_t length = r.ans->size();
                QVERIFY(length <= 80 && length >= 3);
                QVERIFY(!mentionsWord(wn, word, *r.ans));
                std::set<std::string> options = {*r.ans};
                for (const auto* c : {&r.c1, &r.c2, &r.c3}) {
                    QVERIFY(c->has_value());
                    QVERIFY2(options.insert(**c).second, word.c_str()); // all four differ
                    // The meaning of another candidate of this level and part of speech...
                    const auto source =
                        std::find_if(candidates[level].begin(), candidates[level].end(),
                                     [&](const Candidate& other) { return other.meaning == **c; });
                    QVERIFY(source != candidates[level].end());
                    QCOMPARE(source->synset->id.pos, self->synset->id.pos);
                    // ...within 40% of the answer's length...
                    QVERIFY2(10 * (*c)->size() >= 6 * length && 10 * (*c)->size() <= 14 * length,
                             word.c_str());
                    // ...and never one that mentions the word.
                    QVERIFY(!mentionsWord(wn, word, **c));
                }
            }
            // What the quality report checks on its own terms.
            const QualityReport q = measureQuality(wn, MeaningKinds(wn), v.levels[level]);
            QVERIFY(q.secondRightAnswer == 0 && q.optionsAlike == 0 && q.textsWithMarkup == 0 &&
                    q.offensive == 0 && q.wrongOptionsOfOtherKind == 0);
            QCOMPARE(q.firstSense, q.entries);
        }
    }

    void distractorExclusions() {
        const WordNet& wn = fx().wn;
        const auto& level0 = fx().candidates[0];
        const auto get = [&](const std::string& word) -> const Candidate& {
            return *std::find_if(level0.begin(), level0.end(),
                                 [&](const Candidate& c) { return c.word == word; });
        };
        const DistractorChooser chooser(wn, level0);
        const auto qualifies = [&](const char* word, const char* other) {
            return chooser.qualifies(get(word), OwnMeanings(wn, {word}), get(other));
        };
        QVERIFY(qualifies("horse", "bird"));
        QVERIFY(!qualifies("horse", "cow"));       // horse links to cow
        QVERIFY(!qualifies("cow", "horse"));       // and the other way round
        QVERIFY(!qualifies("run", "walk"));        // run's hypernym
        QVERIFY(!qualifies("bat", "chiropteran")); // another sense of bat
        QVERIFY(!qualifies("dog", "puppy"));       // "a young dog ..."

        // Whatever the draw, the linked meanings never turn up.
        const Vocabulary& v = fx().lists;
        for (const auto& [word, linked] : {std::pair{"horse", "cow"}, {"dog", "puppy"}}) {
            const WordRecord* r = find(v, word);
            QVERIFY(r);
            for (const auto* c : {&r->c1, &r->c2, &r->c3})
                QVERIFY2(*c != get(linked).meaning, word);
        }
        // Too small a pool drops the word rather than bending the rules.
        QVERIFY(!find(v, "walk") && !find(v, "often"));
        QVERIFY(v.dropped.at("too few wrong meanings of its level and kind") >= 2);
    }

    void sameInputsSameLists() {
        const Vocabulary& a = fx().lists;
        const Vocabulary b = generateVocabulary(loadWordNet(kFixtures + "/wordnet"),
                                                loadScowl(kFixtures + "/scowl"));
        QVERIFY(a.levels == b.levels);

        GenerateOptions other;
        other.seed = 12345;
        const Vocabulary c = generateVocabulary(fx().wn, fx().scowl, other);
        QCOMPARE(wordsOf(c.levels[0]), wordsOf(a.levels[0])); // the seed moves only distractors
    }

    // Entries for the user's own words, each made alone at level 0, where the
    // pool is small enough for a wrong meaning from the word's own or a
    // linked synset to be drawn if it were allowed.
    void ownWordEntries() {
        QFETCH(QString, word);
        QFETCH(QString, stored);
        QFETCH(int, pos);
        QFETCH(QString, meaning);
        QFETCH(QString, refOrReason);
        QFETCH(QString, never);
        const auto made = entriesOf({word}, 0).front();
        const auto* refused = std::get_if<Refused>(&made);
        if (meaning.isEmpty()) {
            QVERIFY(refused && QString::fromStdString(refused->reason).contains(refOrReason));
            return;
        }
        QVERIFY2(!refused, refused ? refused->reason.c_str() : "");
        const MadeEntry& entry = std::get<MadeEntry>(made);
        const WordRecord& r = entry.record;
        // Stored as written, an inflection as its base form.
        QCOMPARE(QString::fromStdString(*r.word), stored.isEmpty() ? word : stored);
        QCOMPARE(entry.inflected.has_value(), !stored.isEmpty());
        QCOMPARE(QString::fromStdString(*r.ans), meaning);
        QCOMPARE(r.ref,
                 refOrReason.isEmpty() ? std::nullopt : std::optional(refOrReason.toStdString()));
        std::set<std::string> options = {*r.ans, never.toStdString()};
        for (const auto* c : {&r.c1, &r.c2, &r.c3}) {
            QVERIFY2(options.insert(**c).second, c->value().c_str());
            // A real meaning of a default-vocabulary word of the same kind.
            bool fromPool = false;
            for (const auto& level : fx().candidates)
                for (const Candidate& other : level)
                    fromPool |= other.meaning == **c && int(other.synset->id.pos) == pos;
            QVERIFY2(fromPool, c->value().c_str());
        }
    }
    void ownWordEntries_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("stored"); // empty: as written
        QTest::addColumn<int>("pos");
        QTest::addColumn<QString>("meaning");     // empty: refused
        QTest::addColumn<QString>("refOrReason"); // the reference (empty: none), or the reason
        QTest::addColumn<QString>("never");       // a meaning never offered as wrong
        const int noun = int(Pos::Noun), verb = int(Pos::Verb);
        const auto row = [](const char* word, const char* stored, int pos, const char* meaning,
                            const char* detail, const char* never = "") {
            QTest::newRow(word) << word << stored << pos << meaning << detail << never;
        };
        row("Horse", "", noun, "a large hoofed animal used for riding", "the horse galloped home",
            "a mature female of domestic cattle"); // cow: linked
        row("TABLE", "", noun, "a piece of furniture with a flat top", "");
        row("Ne\u2019er-do-well", "", noun, "a person who is worthless and lazy",
            ""); // typed apostrophe
        // Inflected forms are taught as their base form; the example holds some form.
        row("ran", "run", verb, "move fast by using one's feet",
            "don't run--you'll be out of breath", "use one's feet to advance on foot"); // walk
        row("geese", "goose", noun, "a web-footed aquatic bird", "");
        row("eating", "eat", verb, "take in solid food", "she was eating a banana");
        row("abetting", "abet", verb, "assist or encourage, usually in some wrongdoing",
            "he abetted the thief");
        // "fishes" may be the noun or the verb: the verb is fish's main sense.
        row("fishes", "fish", verb, "seek indirectly", "fish for compliments");
        // The form as written is left out of its base form's meaning.
        row("flies", "fly", verb, "travel through the air, as birds do", "");
        // A word in its own right keeps its own sense; its base's is its own too.
        row("found", "", verb, "set up or lay the groundwork for", "", "come upon after searching");
        // The main sense is the month: the verb is the first usable one.
        row("March", "", verb, "walk with regular steps", "");
        // The obscene noun is never taught; the verb is, with a warning.
        row("frob", "", verb, "adjust a made-up control by hand", "");
        row("runner", "", 0, "", "(meaning contains the word)");
        row("quickly", "", 0, "", "(too few wrong meanings");
        row("xyzzy", "", 0, "", "is not in WordNet");
        row("Although", "", 0, "", "is a conjunction, which WordNet does not hold");
        for (const char* offensive : {"zorp", "crap", "blag"})
            row(offensive, "", 0, "", "is left out as offensive");
    }

    void ownWordListIsStableAndVaried() {
        // The pool has fresh wrong meanings for every word of the short list;
        // for the long one it runs out of verbs, and meanings come again
        // rather than a word being left out.
        const QStringList few = {"Horse", "geese", "TABLE", "Cat", "ran", "eating", "abetting"};
        const QStringList many = few + QStringList{"found", "March", "drink", "xyzzy"};
        for (const QStringList& words : {few, many}) {
            const auto made = entriesOf(words, 2);
            std::set<std::string> wrong;
            std::size_t records = 0;
            for (std::size_t i = 0; i < made.size(); ++i) {
                if (const auto* entry = std::get_if<MadeEntry>(&made[i])) {
                    const WordRecord& r = entry->record;
                    QVERIFY(r == std::get<MadeEntry>(entriesOf(words, 2)[i]).record);
                    ++records;
                    wrong.insert({*r.c1, *r.c2, *r.c3});
                }
            }
            QCOMPARE(records, std::size_t(few.size() + (words == many ? 3 : 0)));
            QCOMPARE(wrong.size() == 3 * records, words == few);
        }
        // Without a level, each word takes the level of its commonness.
        EntryMaker maker(fx().wn, fx().candidates, fx().scowl);
        for (const auto& [word, level] : {std::pair{"horse", 0}, {"happy", 1}, {"abetting", 2}})
            QCOMPARE(std::get<MadeEntry>(maker.make(word, std::nullopt)).level, level);
    }

    // What levelTsv writes is imported by VocabularyImportTest; here, what
    // it refuses.
    void tsvRefusals() {
        const std::vector<WordRecord> tab = {{"bad", "a\ttab", "x", "y", "z", std::nullopt}};
        QString problem;
        QVERIFY(!levelTsv(tab, &problem));
        QVERIFY(problem.contains("ans"));
        QVERIFY(!levelTsv({{"bad", "fine", "x", "y", "z", "\\N"}}));
        QTemporaryDir dir;
        QVERIFY(writeLevelTsv(dir.filePath("no/such/folder/level0.tsv"), fx().lists.levels[0])
                    .has_value());
    }
};

QTEST_GUILESS_MAIN(VocabularyGenerateTest)
#include "VocabularyGenerateTest.moc"
