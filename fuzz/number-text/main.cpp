// The text of the level box, read as "Add Records" reads it.

#include "entry/NumberText.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    lexitor::entry::isNumeric(text);
    lexitor::entry::readLevel(text, 3);
    return 0;
}
