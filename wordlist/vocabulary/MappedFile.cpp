#include "wordlist/vocabulary/MappedFile.h"

#include "wordlist/vocabulary/WordNet.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace lexitor::wordlist::vocabulary {

MappedFile::MappedFile(const std::filesystem::path& path) {
    // Non-blocking, so that a FIFO put in the file's place cannot hang the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        throw VocabularyError("cannot read " + path.string());
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (regular && info.st_size > 0) {
        void* mapped = ::mmap(nullptr, std::size_t(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
        if (mapped != MAP_FAILED) {
            data_ = static_cast<const char*>(mapped);
            size_ = std::size_t(info.st_size);
        }
    }
    ::close(fd);
    if (!regular)
        throw VocabularyError(path.string() + " is not a regular file");
    if (info.st_size > 0 && !data_)
        throw VocabularyError("cannot read " + path.string());
}

MappedFile::MappedFile(MappedFile&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
    if (this != &other) {
        MappedFile gone(std::move(*this));
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

MappedFile::~MappedFile() {
    if (data_)
        ::munmap(const_cast<char*>(data_), size_);
}

} // namespace lexitor::wordlist::vocabulary
