#include "wordlist/vocabulary/WordNet.h"

#include "wordlist/vocabulary/MappedFile.h"
#include "wordlist/vocabulary/TextTools.h"

#include <algorithm>
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

std::filesystem::path dataFile(const std::filesystem::path& dir, std::size_t pos) {
    return dir / (std::string("data.") + kPosNames[pos]);
}

std::filesystem::path excFile(const std::filesystem::path& dir, std::size_t pos) {
    return dir / (std::string(kPosNames[pos]) + ".exc");
}

// Calls `visit` with the start and text of every line of `text`.
template <typename Visit> void forEachLine(std::string_view text, Visit visit) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string_view::npos ? text.size() : end;
        visit(start, text.substr(start, end - start));
        start = end + 1;
    }
}

std::string_view lineAt(std::string_view text, std::size_t start) {
    const std::size_t end = text.find('\n', start);
    return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

// The lemma of an index.sense line: all before the '%'.
std::string_view lemmaOf(std::string_view line) {
    return line.substr(0, std::min(line.find('%'), line.find('\n')));
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && lowerCase(a) == lowerCase(b);
}

void readExceptions(const std::filesystem::path& path,
                    std::vector<std::pair<std::string, std::string>>& pairs) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw VocabularyError("cannot read " + path.string());
    std::string line;
    std::vector<std::string_view> fields;
    while (std::getline(in, line)) {
        splitSpaces(line, fields);
        for (std::size_t i = 1; i < fields.size(); ++i)
            if (fields[i] != fields[0])
                pairs.emplace_back(fields[0], fields[i]);
    }
}

} // namespace

// The mapped files. A synset is found where its offset says, as in
// WordNet's own files, where the offset is the line's byte position; a file
// whose offsets are only keys (a hand-made one) is indexed the first time.
// index.sense is sorted by lemma, so a lemma's lines are found by halving
// the file, touching a few of its pages only.
struct WordNet::Files {
    std::array<MappedFile, kPosCount> data;
    mutable std::array<std::optional<std::vector<std::pair<std::uint32_t, std::size_t>>>,
                       kPosCount>
        synsetLines; // offset, line start: made when an offset is not a position
    MappedFile senses;

    explicit Files(const std::filesystem::path& dir) : senses(dir / "index.sense") {
        for (std::size_t pos = 0; pos < kPosCount; ++pos)
            data[pos] = MappedFile(dataFile(dir, pos));
    }

    std::optional<std::string_view> synsetLine(SynsetId id) const {
        const std::string_view text = data[std::size_t(id.pos)].text();
        const auto startsWithOffset = [&](std::string_view line) {
            std::uint32_t offset = 0;
            return parseNumber(line.substr(0, line.find(' ')), offset) && offset == id.offset;
        };
        if (id.offset < text.size() && (id.offset == 0 || text[id.offset - 1] == '\n') &&
            startsWithOffset(lineAt(text, id.offset)))
            return lineAt(text, id.offset);
        auto& lines = synsetLines[std::size_t(id.pos)];
        if (!lines) {
            lines.emplace();
            forEachLine(text, [&](std::size_t start, std::string_view line) {
                std::uint32_t offset = 0;
                if (!line.empty() && line.front() != ' ' &&
                    parseNumber(line.substr(0, line.find(' ')), offset))
                    lines->emplace_back(offset, start);
            });
            std::sort(lines->begin(), lines->end());
        }
        const auto it = std::lower_bound(lines->begin(), lines->end(),
                                         std::pair<std::uint32_t, std::size_t>(id.offset, 0));
        if (it == lines->end() || it->first != id.offset)
            return std::nullopt;
        return lineAt(text, it->second);
    }

    // Where the first line of index.sense whose lemma is not before `lemma` starts.
    std::size_t firstSenseLine(const std::string& lemma) const {
        const std::string_view text = senses.text();
        std::size_t low = 0, high = text.size(); // low is always a line's start
        while (low < high) {
            std::size_t start = low + (high - low) / 2;
            while (start > low && text[start - 1] != '\n')
                --start;
            const std::string_view line = lineAt(text, start);
            if (lemmaOf(line) < lemma)
                low = start + line.size() + 1;
            else
                high = start;
        }
        return low;
    }
};

WordNet::WordNet() = default;
WordNet::WordNet(WordNet&&) noexcept = default;
WordNet& WordNet::operator=(WordNet&&) noexcept = default;
WordNet::~WordNet() = default;

WordNet::WordNet(const std::filesystem::path& dir) {
    if (const auto missing = missingWordNetFiles(dir); !missing.empty())
        throw VocabularyError("missing WordNet file " + missing.front() +
                              ": WordNet is not installed (install it with "
                              "apt-get install wordnet-base wordnet-sense-index)");
    files_ = std::make_unique<Files>(dir);
    std::vector<std::pair<std::string, std::string>> pairs;
    for (std::size_t pos = 0; pos < kPosCount; ++pos) {
        pairs.clear();
        readExceptions(excFile(dir, pos), pairs);
        for (const auto& [form, base] : pairs)
            addException(Pos(pos), form, base);
    }
}

const Synset* WordNet::synset(SynsetId id) const {
    if (const auto it = synsets_.find(id); it != synsets_.end())
        return &it->second;
    if (!files_)
        return nullptr;
    const std::optional<std::string_view> line = files_->synsetLine(id);
    Synset parsed;
    if (!line || !parseDataLine(*line, parsed) || parsed.id != id)
        return nullptr;
    return &synsets_.emplace(id, std::move(parsed)).first->second;
}

const std::vector<Sense>& WordNet::sensesOf(const std::string& lemma) const {
    static const std::vector<Sense> none;
    if (const auto it = senses_.find(lemma); it != senses_.end())
        return it->second;
    if (!files_)
        return none;
    const std::string_view text = files_->senses.text();
    std::vector<Sense>& found = senses_[lemma]; // remembered even when empty
    std::string parsedLemma;
    for (std::size_t start = files_->firstSenseLine(lemma); start < text.size();) {
        const std::string_view line = lineAt(text, start);
        if (lemmaOf(line) != lemma)
            break;
        Sense sense;
        if (parseSenseLine(line, parsedLemma, sense))
            found.push_back(sense);
        start += line.size() + 1;
    }
    return found;
}

bool WordNet::isCommonLemma(const std::string& lemma, Pos pos) const {
    for (const Sense& sense : sensesOf(lemma)) {
        const Synset* s = sense.synset.pos == pos ? synset(sense.synset) : nullptr;
        if (s && std::any_of(s->words.begin(), s->words.end(), [&](const std::string& word) {
                return isLowerCase(word) && equalsIgnoringCase(word, lemma);
            }))
            return true;
    }
    return false;
}

const std::vector<std::string>& WordNet::exceptionBases(Pos pos, const std::string& form) const {
    static const std::vector<std::string> none;
    const auto& exceptions = exceptions_[std::size_t(pos)];
    const auto it = exceptions.find(form);
    return it == exceptions.end() ? none : it->second;
}

const std::vector<std::string>& WordNet::irregularForms(const std::string& base) const {
    static const std::vector<std::string> none;
    const auto it = irregularForms_.find(base);
    return it == irregularForms_.end() ? none : it->second;
}

void WordNet::forEachSynset(const std::function<void(const Synset&)>& visit) const {
    if (files_) {
        for (const MappedFile& file : files_->data) {
            forEachLine(file.text(), [&](std::size_t, std::string_view line) {
                Synset parsed;
                if (parseDataLine(line, parsed))
                    visit(parsed);
            });
        }
    }
    for (const SynsetId& id : added_)
        visit(synsets_.at(id));
}

void WordNet::add(Synset synset, const std::vector<int>& tagCounts) {
    for (std::size_t i = 0; i < synset.words.size(); ++i) {
        std::vector<Sense>& senses = senses_[lowerCase(synset.words[i])];
        const auto samePos = std::count_if(senses.begin(), senses.end(), [&](const Sense& s) {
            return s.synset.pos == synset.id.pos;
        });
        senses.push_back({synset.id, int(samePos) + 1, i < tagCounts.size() ? tagCounts[i] : 0});
    }
    added_.push_back(synset.id);
    synsets_[synset.id] = std::move(synset);
}

void WordNet::addException(Pos pos, const std::string& form, const std::string& base) {
    exceptions_[std::size_t(pos)][form].push_back(base);
    irregularForms_[base].push_back(form);
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
        // source/target: two hex bytes, the source word first; 0000 for the synset
        std::uint16_t sourceTarget = 0;
        if (f[i] == ";u" && parseNumber(f[i + 3], sourceTarget, 16))
            out.usages.push_back({target, std::size_t(sourceTarget >> 8)});
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
    return WordNet(dir);
}

} // namespace lexitor::wordlist::vocabulary
