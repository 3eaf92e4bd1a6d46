#pragma once
// A regular file mapped read-only into memory for as long as the object
// lives: the WordNet files are read where they lie, page by page as needed.

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace lexitor::wordlist::vocabulary {

class MappedFile {
public:
    MappedFile() = default;
    // Throws VocabularyError when `path` is not a regular file that can be read.
    explicit MappedFile(const std::filesystem::path& path);
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    ~MappedFile();

    std::string_view text() const { return {data_, size_}; }

private:
    const char* data_ = nullptr;
    std::size_t size_ = 0;
};

} // namespace lexitor::wordlist::vocabulary
