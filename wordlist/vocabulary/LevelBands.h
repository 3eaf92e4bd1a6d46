#pragma once
// Which level a word belongs in by how common it is: the SCOWL size bands
// of the default vocabulary (sizes 10-20 level 0, 35-40 level 1, 50-60
// level 2), so that words imported with --level auto sit beside default
// words as common as they are.

#include "wordlist/vocabulary/Scowl.h"
#include "wordlist/vocabulary/WordNet.h"

#include <array>
#include <string>
#include <vector>

namespace lexitor::wordlist::vocabulary {

// The SCOWL size of `word` (any case) or, for an inflected form, of its
// base form; 100 when no list up to size 60 holds either.
int commonnessOf(const WordNet* wn, const ScowlWords& scowl, const std::string& word);

// The band of a SCOWL size: 0, 1, or 2 for anything rarer than size 40.
int bandOfSize(int size);

// The level of each word, by its band, in the order given. Where a level
// would end with fewer than the 2 words a quiz needs (counting the
// `present` rows of each level), the words nearest to it in commonness
// move in from the other levels, as long as they can spare them.
// `commonness` holds each word's commonnessOf.
std::vector<int> levelsByCommonness(const std::vector<int>& commonness,
                                    const std::array<int, 3>& present);

} // namespace lexitor::wordlist::vocabulary
