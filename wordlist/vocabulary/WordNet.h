#pragma once
// WordNet 3.0 as the vocabulary needs it, read from the database files that
// Debian's wordnet-base and wordnet-sense-index install: data.*, *.exc and
// index.sense. The files are mapped, not parsed up front: a synset or a
// lemma's senses are read the first time they are asked for, so that a
// look-up of a few words costs milliseconds and little memory.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lexitor::wordlist::vocabulary {

// Where Debian's wordnet-base installs the database files.
inline constexpr const char* kDefaultWordNetDir = "/usr/share/wordnet";

// A missing or unreadable input file; the text says which and what to do.
class VocabularyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Parts of speech as the data files group them: satellites live with adjectives.
enum class Pos : std::uint8_t { Noun, Verb, Adj, Adv };
inline constexpr std::size_t kPosCount = 4;

struct SynsetId {
    Pos pos = Pos::Noun;
    std::uint32_t offset = 0;
    friend bool operator==(const SynsetId&, const SynsetId&) = default;
};

struct SynsetIdHash {
    std::size_t operator()(const SynsetId& id) const {
        return std::hash<std::uint64_t>()((std::uint64_t(id.pos) << 32) | id.offset);
    }
};

// A usage domain ("slang", "obscenity") of a whole synset or of one of its words.
struct Usage {
    SynsetId domain;
    std::size_t word = 0; // 1 for the synset's first word ...; 0 for all of them
};

struct Synset {
    SynsetId id;
    int lexFile = 0;                // the lexicographer file, e.g. 5 = noun.animal
    std::vector<std::string> words; // as written: case kept, '_' for a space
    std::vector<SynsetId> links;    // every pointer's target
    std::vector<Usage> usages;      // the ";u" pointers
    std::string gloss;              // definition and quoted examples
};

struct Sense {
    SynsetId synset;
    int senseNumber = 0;
    int tagCount = 0;
};

class WordNet {
public:
    // An empty WordNet, filled with add() (small hand-made ones for tests).
    WordNet();
    // Reads the files in `dir`; throws VocabularyError when one is missing
    // or cannot be read.
    explicit WordNet(const std::filesystem::path& dir);
    WordNet(WordNet&&) noexcept;
    WordNet& operator=(WordNet&&) noexcept;
    ~WordNet();

    const Synset* synset(SynsetId id) const;
    // The senses of a lower-case lemma in the file's order ('_' for a space).
    const std::vector<Sense>& sensesOf(const std::string& lemma) const;
    // True when some synset of `pos` writes `lemma` in lower case: a common
    // word, not only a name.
    bool isCommonLemma(const std::string& lemma, Pos pos) const;
    // The base forms the exception list of `pos` gives for `form`.
    const std::vector<std::string>& exceptionBases(Pos pos, const std::string& form) const;
    // The irregular forms of `base` in any exception list: go -> went, gone.
    const std::vector<std::string>& irregularForms(const std::string& base) const;
    // Every synset, in file order.
    void forEachSynset(const std::function<void(const Synset&)>& visit) const;

    // Adds `synset` and a sense of it for each of its words, numbered after
    // the word's earlier senses of the same part of speech, with the tag
    // counts given (0 for the rest).
    void add(Synset synset, const std::vector<int>& tagCounts = {});
    void addException(Pos pos, const std::string& form, const std::string& base);

private:
    struct Files;
    std::unique_ptr<Files> files_;
    std::vector<SynsetId> added_;
    mutable std::unordered_map<SynsetId, Synset, SynsetIdHash> synsets_;
    mutable std::unordered_map<std::string, std::vector<Sense>> senses_;
    std::array<std::unordered_map<std::string, std::vector<std::string>>, kPosCount> exceptions_;
    std::unordered_map<std::string, std::vector<std::string>> irregularForms_;
};

// The files a WordNet reads that are missing from `dir`.
std::vector<std::string> missingWordNetFiles(const std::filesystem::path& dir);

// Throws VocabularyError when a file is missing or cannot be read.
WordNet loadWordNet(const std::filesystem::path& dir);

// Parsers of single lines, exposed for the tests. They return false for a
// line that is not a record (the licence header, a blank or broken line).
bool parseDataLine(std::string_view line, Synset& out);
bool parseSenseLine(std::string_view line, std::string& lemma, Sense& out);

} // namespace lexitor::wordlist::vocabulary
