#include "store/detail/RollbackJournal.h"

#include "store/FileKind.h"

#include <unistd.h>

#include <cstring>
#include <vector>

namespace lexitor::store {

namespace {

constexpr unsigned char kMagic[8] = {0xd9, 0xd5, 0x05, 0xf9, 0x20, 0xa1, 0x63, 0xd7};

std::uint32_t number(const std::vector<unsigned char>& bytes, std::size_t at) {
    return std::uint32_t(bytes[at]) << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 |
           bytes[at + 3];
}

std::optional<std::vector<unsigned char>> wholeFile(const std::string& path) {
    std::string why;
    const int fd = openRegularFile(path, why);
    if (fd < 0)
        return std::nullopt;
    std::vector<unsigned char> bytes;
    unsigned char block[65536];
    ssize_t got = 0;
    while ((got = ::read(fd, block, sizeof block)) > 0)
        bytes.insert(bytes.end(), block, block + got);
    ::close(fd); // a journal holds no lock of SQLite's
    if (got < 0)
        return std::nullopt;
    return bytes;
}

} // namespace

std::optional<JournalContent> readJournal(const std::string& path) {
    const auto file = wholeFile(path);
    if (!file || file->size() < 28 || std::memcmp(file->data(), kMagic, sizeof kMagic) != 0)
        return std::nullopt;
    const std::vector<unsigned char>& bytes = *file;
    const std::uint32_t sector = number(bytes, 20);
    const std::uint32_t pageSize = number(bytes, 24);
    if (sector < 32 || sector > 65536 || pageSize < 512 || pageSize > 65536)
        return std::nullopt;
    JournalContent content;
    content.nonce = number(bytes, 12);
    const std::size_t record = pageSize + 8;
    std::size_t header = 0;
    bool first = true;
    while (header + 28 <= bytes.size() &&
           std::memcmp(bytes.data() + header, kMagic, sizeof kMagic) == 0) {
        std::uint64_t count = number(bytes, header + 8);
        const std::uint32_t nonce = number(bytes, header + 12);
        const std::uint32_t pagesBefore = number(bytes, header + 16);
        std::size_t at = header + sector;
        if (first && count == 0xffffffff) // written without syncs: records to the end
            count = (bytes.size() - at) / record;
        for (std::uint64_t i = 0; i < count; ++i, at += record) {
            if (at + record > bytes.size())
                return content;
            const std::uint32_t page = number(bytes, at);
            const unsigned char* data = bytes.data() + at + 4;
            std::uint32_t sum = nonce;
            for (std::int64_t j = std::int64_t(pageSize) - 200; j > 0; j -= 200)
                sum += data[j];
            // SQLite stops at the first record that does not check out.
            if (page == 0 || sum != number(bytes, at + 4 + pageSize))
                return content;
            if (page > pagesBefore || !content.pages.insert(page).second)
                continue;
            if (page == 1)
                content.pageOneCounter = number(bytes, at + 4 + 24);
        }
        header = (at + sector - 1) / sector * sector;
        first = false;
    }
    return content;
}

} // namespace lexitor::store
