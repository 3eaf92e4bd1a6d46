#pragma once
// WordNet 3.0 as the generator needs it, read from the database files that
// Debian's wordnet-base and wordnet-sense-index install: data.*, *.exc and
// index.sense.

#include <array>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <unordered_set>
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

struct Synset {
    SynsetId id;
    int lexFile = 0;                // the lexicographer file, e.g. 5 = noun.animal
    std::vector<std::string> words; // as written: case kept, '_' for a space
    std::vector<SynsetId> links;    // every pointer's target
    std::vector<SynsetId> usages;   // usage domains (";u" pointers)
    std::string gloss;              // definition and quoted examples
};

struct Sense {
    SynsetId synset;
    int senseNumber = 0;
    int tagCount = 0;
};

struct WordNet {
    std::unordered_map<SynsetId, Synset, SynsetIdHash> synsets;
    std::unordered_map<std::string, std::vector<Sense>> senses; // lowercase lemma -> senses
    // Lemmas written in lower case in some synset of that part of speech.
    std::array<std::unordered_set<std::string>, kPosCount> commonLemmas;
    // Irregular forms from the .exc files: form -> base forms.
    std::array<std::unordered_map<std::string, std::vector<std::string>>, kPosCount> exceptions;
    // The reverse, over all parts of speech: base -> irregular forms.
    std::unordered_map<std::string, std::vector<std::string>> irregularForms;

    const Synset* synset(SynsetId id) const;
    const std::vector<Sense>& sensesOf(const std::string& lemma) const;
};

// The files loadWordNet reads that are missing from `dir`.
std::vector<std::string> missingWordNetFiles(const std::filesystem::path& dir);

// Throws VocabularyError when a file is missing or cannot be read.
WordNet loadWordNet(const std::filesystem::path& dir);

// Parsers of single lines, exposed for the tests. They return false for a
// line that is not a record (the licence header, a blank or broken line).
bool parseDataLine(std::string_view line, Synset& out);
bool parseSenseLine(std::string_view line, std::string& lemma, Sense& out);

} // namespace lexitor::wordlist::vocabulary
