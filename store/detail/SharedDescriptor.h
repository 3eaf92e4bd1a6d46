#pragma once
// One read-only descriptor per word file in this process, shared by every
// connection on it and closed only when the last of them is done. Closing
// any descriptor of a file drops every POSIX lock the process holds on it,
// SQLite's included, so the store never opens and closes one of its own
// while a connection may hold a lock: it keeps this one open instead.

#include <cstddef>
#include <memory>
#include <string>

namespace lexitor::store {

class SharedDescriptor {
public:
    // The descriptor of the regular file at `path`, opened without blocking
    // (see FileKind.h); nullptr with `why` set when it cannot be had.
    static std::shared_ptr<SharedDescriptor> open(const std::string& path, std::string& why);
    ~SharedDescriptor();
    SharedDescriptor(const SharedDescriptor&) = delete;
    SharedDescriptor& operator=(const SharedDescriptor&) = delete;

    // Reads exactly `size` bytes at `offset`; false when the file is shorter.
    bool read(void* into, std::size_t size, long long offset) const;

private:
    SharedDescriptor(int fd, unsigned long long device, unsigned long long inode);
    int fd_;
    unsigned long long device_, inode_;
    bool keep_ = false;
};

} // namespace lexitor::store
