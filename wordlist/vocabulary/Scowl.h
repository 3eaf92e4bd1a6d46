#pragma once
// The size-graded SCOWL word lists that Debian's scowl package installs in
// /usr/share/dict/scowl/: english-words.SIZE and american-words.SIZE.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace lexitor::wordlist::vocabulary {

inline constexpr const char* kDefaultScowlDir = "/usr/share/dict/scowl";

// The sizes the vocabulary uses and the level each one feeds.
inline constexpr int kScowlSizes[] = {10, 20, 35, 40, 50, 55, 60};

// 10, 20 -> 0; 35, 40 -> 1; 50, 55, 60 -> 2; any other size -> -1.
int levelOfScowlSize(int size);

// Every line of the lists up to size 60, each at the smallest size it is in.
using ScowlWords = std::map<std::string, int>;

// The english-words lists that are missing (the american lists are optional).
std::vector<std::string> missingScowlFiles(const std::filesystem::path& dir);

// Throws VocabularyError when a needed list is missing or unreadable.
ScowlWords loadScowl(const std::filesystem::path& dir);

} // namespace lexitor::wordlist::vocabulary
