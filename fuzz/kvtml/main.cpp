// A KVTML collection, read as `lexitor-words import` reads it with its
// default translations.

#include "fuzz/ReadAsImport.h"
#include "wordlist/formats/KvtmlReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lexitor::wordlist;
    KvtmlSource source(memoryDevice(lexitor::fuzz::bytesOf(data, size)), {},
                       lexitor::fuzz::judge());
    lexitor::fuzz::readAsImport(source, Format::Kvtml);
    return 0;
}
