// A six-column CSV word list, read as `lexitor-words import` reads it.

#include "fuzz/ReadAsImport.h"
#include "wordlist/formats/WordListReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lexitor::wordlist;
    WordListSource source(memoryDevice(lexitor::fuzz::bytesOf(data, size)), Format::Csv);
    lexitor::fuzz::readAsImport(source, Format::Csv);
    return 0;
}
