// A bare list of words: whether a file is one, which splits every line
// into its words. (Making the words' entries needs WordNet loaded for each
// list, far too slow to fuzz.)

#include "fuzz/ReadAsImport.h"
#include "wordlist/WordsImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lexitor::wordlist::isBareWordList(lexitor::fuzz::bytesOf(data, size));
    return 0;
}
