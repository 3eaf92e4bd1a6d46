// A two-column list, its codec told by its first line as for a file whose
// name does not tell it, read as `lexitor-words import` reads it.

#include "fuzz/ReadAsImport.h"
#include "wordlist/formats/PairsReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lexitor::wordlist;
    const QByteArray bytes = lexitor::fuzz::bytesOf(data, size);
    PairsSource source(memoryDevice(bytes), pairsCodec(QStringLiteral("list.txt"), bytes),
                       lexitor::fuzz::judge());
    lexitor::fuzz::readAsImport(source, Format::Pairs);
    return 0;
}
