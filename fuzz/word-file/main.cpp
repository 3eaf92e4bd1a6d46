// A damaged word file: the bytes stand as word1.mdb and are opened and
// walked as the screens do.

#include "fuzz/WordFileWalk.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = lexitor::fuzz::scratchFolder().filePath(QStringLiteral("word1.mdb"));
    lexitor::fuzz::writeBytes(path, data, size);
    lexitor::fuzz::openAndWalk(path);
    lexitor::fuzz::removeWordFile(path);
    return 0;
}
