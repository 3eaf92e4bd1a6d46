// A word file with a journal beside it, as a killed program leaves them.
// The input is the length of the word file (4 bytes, little-endian), the
// word file and then the journal; the store decides whether the journal
// belongs to the file before SQLite may apply it.

#include "fuzz/WordFileWalk.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    const std::size_t fileSize = std::min<std::size_t>(
        size - 4, data[0] | data[1] << 8 | data[2] << 16 | std::size_t(data[3]) << 24);
    const QString path = lexitor::fuzz::scratchFolder().filePath(QStringLiteral("word1.mdb"));
    lexitor::fuzz::writeBytes(path, data + 4, fileSize);
    lexitor::fuzz::writeBytes(path + QStringLiteral("-journal"), data + 4 + fileSize,
                              size - 4 - fileSize);
    lexitor::fuzz::openAndWalk(path);
    lexitor::fuzz::removeWordFile(path);
    return 0;
}
