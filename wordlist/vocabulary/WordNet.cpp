#include "wordlist/vocabulary/WordNet.h"

#include "wordlist/vocabulary/TextTools.h"

#include <charconv>
#include <fstream>
#include <optional>

namespace lexitor::wordlist::vocabulary {
namespace {

constexpr std::array<const char*, kPosCount> kPosNames = {"noun", "verb", "adj", "adv"};

std::optional<Pos> posFromLetter(std::string_view letter) {
    if (letter == "n")
        return Pos::Noun;
    if (letter == "v")
        return Pos::Verb;
    if (letter == "a" || letter == "s")
        return Pos::Adj;
    if (letter == "r")
        return Pos::Adv;
    return std::nullopt;
}

// The synset type digit of a sense key: 1 n, 2 v, 3 a, 4 r, 5 s.
std::optional<Pos> posFromDigit(char digit) {
    switch (digit) {
    case '1':
        return Pos::Noun;
    case '2':
        return Pos::Verb;
    case '3':
    case '5':
        return Pos::Adj;
    case '4':
        return Pos::Adv;
    default:
        return std::nullopt;
    }
}

template <typename T> bool parseNumber(std::string_view text, T& out, int base = 10) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out, base);
    return ec == std::errc() && end == text.data() + text.size();
}

std::ifstream openOrThrow(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw VocabularyError("cannot read " + path.string());
    return in;
}

std::filesystem::path dataFile(const std::filesystem::path& dir, std::size_t pos) {
    return dir / (std::string("data.") + kPosNames[pos]);
}

std::filesystem::path excFile(const std::filesystem::path& dir, std::size_t pos) {
    return dir / (std::string(kPosNames[pos]) + ".exc");
}

void loadData(const std::filesystem::path& path, WordNet& wn) {
    std::ifstream in = openOrThrow(path);
    std::string line;
    while (std::getline(in, line)) {
        Synset synset;
        if (!parseDataLine(line, synset))
            continue;
        for (const std::string& word : synset.words)
            if (isLowerCase(word))
                wn.commonLemmas[std::size_t(synset.id.pos)].insert(word);
        wn.synsets.emplace(synset.id, std::move(synset));
    }
}

void loadExceptions(const std::filesystem::path& path, std::size_t pos, WordNet& wn) {
    std::ifstream in = openOrThrow(path);
    std::string line;
    std::vector<std::string_view> fields;
    while (std::getline(in, line)) {
        splitSpaces(line, fields);
        if (fields.size() < 2)
            continue;
        const std::string form(fields[0]);
        for (std::size_t i = 1; i < fields.size(); ++i) {
            const std::string base(fields[i]);
            if (base == form)
                continue;
            wn.exceptions[pos][form].push_back(base);
            wn.irregularForms[base].push_back(form);
        }
    }
}

void loadSenses(const std::filesystem::path& path, WordNet& wn) {
    std::ifstream in = openOrThrow(path);
    wn.senses.reserve(std::filesystem::file_size(path) / 50); // a little more than its lemmas
    std::string line;
    std::string lemma;
    std::vector<Sense>* senses = nullptr; // the lemma's: the file is sorted by lemma
    std::string sensesLemma;
    while (std::getline(in, line)) {
        Sense sense;
        if (!parseSenseLine(line, lemma, sense))
            continue;
        if (!senses || lemma != sensesLemma) {
            senses = &wn.senses[lemma];
            sensesLemma = lemma;
        }
        senses->push_back(sense);
    }
}

} // namespace

const Synset* WordNet::synset(SynsetId id) const {
    const auto it = synsets.find(id);
    return it == synsets.end() ? nullptr : &it->second;
}

const std::vector<Sense>& WordNet::sensesOf(const std::string& lemma) const {
    static const std::vector<Sense> none;
    const auto it = senses.find(lemma);
    return it == senses.end() ? none : it->second;
}

// offset lex_filenum ss_type w_cnt [word lex_id]... p_cnt [ptr offset pos st]... | gloss
bool parseDataLine(std::string_view line, Synset& out) {
    if (line.empty() || line.front() == ' ')
        return false;
    const std::size_t bar = line.find(" | ");
    if (bar == std::string_view::npos)
        return false;
    thread_local std::vector<std::string_view> f;
    splitSpaces(line.substr(0, bar), f);
    if (f.size() < 4)
        return false;
    const std::optional<Pos> pos = posFromLetter(f[2]);
    std::size_t wordCount = 0;
    if (!pos || !parseNumber(f[0], out.id.offset) || !parseNumber(f[1], out.lexFile) ||
        !parseNumber(f[3], wordCount, 16))
        return false;
    out.id.pos = *pos;
    std::size_t i = 4;
    if (f.size() < i + 2 * wordCount + 1)
        return false;
    for (std::size_t w = 0; w < wordCount; ++w, i += 2) {
        std::string_view word = f[i];
        // Adjectives may carry a syntactic marker: big(a), galore(ip).
        if (const std::size_t paren = word.find('('); paren != std::string_view::npos)
            word = word.substr(0, paren);
        out.words.emplace_back(word);
    }
    std::size_t pointerCount = 0;
    if (!parseNumber(f[i++], pointerCount) || f.size() < i + 4 * pointerCount)
        return false;
    for (std::size_t p = 0; p < pointerCount; ++p, i += 4) {
        SynsetId target;
        const std::optional<Pos> targetPos = posFromLetter(f[i + 2]);
        if (!targetPos || !parseNumber(f[i + 1], target.offset))
            return false;
        target.pos = *targetPos;
        out.links.push_back(target);
        if (f[i] == ";u")
            out.usages.push_back(target);
    }
    out.gloss = std::string(trimmed(line.substr(bar + 3)));
    return true;
}

// lemma%ss_type:lex_filenum:lex_id:head_word:head_id synset_offset sense_number tag_cnt
bool parseSenseLine(std::string_view line, std::string& lemma, Sense& out) {
    thread_local std::vector<std::string_view> f;
    splitSpaces(line, f);
    if (f.size() != 4)
        return false;
    const std::size_t percent = f[0].find('%');
    if (percent == std::string_view::npos || percent + 1 >= f[0].size())
        return false;
    const std::optional<Pos> pos = posFromDigit(f[0][percent + 1]);
    if (!pos || !parseNumber(f[1], out.synset.offset) || !parseNumber(f[2], out.senseNumber) ||
        !parseNumber(f[3], out.tagCount))
        return false;
    out.synset.pos = *pos;
    lemma.assign(f[0].substr(0, percent));
    return true;
}

std::vector<std::string> missingWordNetFiles(const std::filesystem::path& dir) {
    std::vector<std::filesystem::path> needed;
    for (std::size_t pos = 0; pos < kPosCount; ++pos) {
        needed.push_back(dataFile(dir, pos));
        needed.push_back(excFile(dir, pos));
    }
    needed.push_back(dir / "index.sense");
    std::vector<std::string> missing;
    for (const auto& path : needed)
        if (!std::filesystem::is_regular_file(path))
            missing.push_back(path.string());
    return missing;
}

WordNet loadWordNet(const std::filesystem::path& dir) {
    if (const auto missing = missingWordNetFiles(dir); !missing.empty())
        throw VocabularyError("missing WordNet file " + missing.front() +
                              ": WordNet is not installed (install it with "
                              "apt-get install wordnet-base wordnet-sense-index)");
    WordNet wn;
    for (std::size_t pos = 0; pos < kPosCount; ++pos) {
        loadData(dataFile(dir, pos), wn);
        loadExceptions(excFile(dir, pos), pos, wn);
    }
    loadSenses(dir / "index.sense", wn);
    return wn;
}

} // namespace lexitor::wordlist::vocabulary
