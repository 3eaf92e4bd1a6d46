#include "wordlist/vocabulary/Scowl.h"

#include "wordlist/vocabulary/TextTools.h"
#include "wordlist/vocabulary/WordNet.h"

#include <fstream>

namespace lexitor::wordlist::vocabulary {
namespace {

std::filesystem::path listFile(const std::filesystem::path& dir, const char* category, int size) {
    return dir / (std::string(category) + "-words." + std::to_string(size));
}

void readList(const std::filesystem::path& path, int size, ScowlWords& words) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw VocabularyError("cannot read " + path.string());
    std::string line;
    while (std::getline(in, line)) {
        const std::string word(trimmed(line));
        if (word.empty())
            continue;
        const auto [it, added] = words.emplace(word, size);
        if (!added && size < it->second)
            it->second = size;
    }
}

} // namespace

int levelOfScowlSize(int size) {
    switch (size) {
    case 10:
    case 20:
        return 0;
    case 35:
    case 40:
        return 1;
    case 50:
    case 55:
    case 60:
        return 2;
    default:
        return -1;
    }
}

std::vector<std::string> missingScowlFiles(const std::filesystem::path& dir) {
    std::vector<std::string> missing;
    for (int size : kScowlSizes)
        if (const auto path = listFile(dir, "english", size);
            !std::filesystem::is_regular_file(path))
            missing.push_back(path.string());
    return missing;
}

ScowlWords loadScowl(const std::filesystem::path& dir) {
    if (const auto missing = missingScowlFiles(dir); !missing.empty())
        throw VocabularyError("missing SCOWL word list " + missing.front() +
                              " (install the package scowl)");
    ScowlWords words;
    for (int size : kScowlSizes) {
        readList(listFile(dir, "english", size), size, words);
        if (const auto american = listFile(dir, "american", size);
            std::filesystem::is_regular_file(american))
            readList(american, size, words);
    }
    return words;
}

} // namespace lexitor::wordlist::vocabulary
