#include "store/detail/SharedDescriptor.h"

#include "store/FileKind.h"

#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <mutex>
#include <utility>

namespace lexitor::store {

namespace {

using Key = std::pair<unsigned long long, unsigned long long>; // device, inode

struct Registry {
    std::mutex mutex;
    std::map<Key, std::weak_ptr<SharedDescriptor>> open;
};

Registry& registry() {
    static Registry instance;
    return instance;
}

} // namespace

std::shared_ptr<SharedDescriptor> SharedDescriptor::open(const std::string& path,
                                                         std::string& why) {
    Registry& r = registry();
    const std::lock_guard lock(r.mutex);
    // Looked up before opening: a second descriptor could never be closed.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (auto existing = r.open[{st.st_dev, st.st_ino}].lock())
            return existing;
    }
    const int fd = openRegularFile(path, why);
    if (fd < 0)
        return nullptr;
    ::fstat(fd, &st);
    const Key key{st.st_dev, st.st_ino};
    std::shared_ptr<SharedDescriptor> made(new SharedDescriptor(fd, key.first, key.second));
    // The path led elsewhere between the look and the open, to a file
    // open here already: this descriptor is then kept until the process ends.
    made->keep_ = !r.open[key].expired();
    if (!made->keep_)
        r.open[key] = made;
    return made;
}

SharedDescriptor::SharedDescriptor(int fd, unsigned long long device, unsigned long long inode)
    : fd_(fd), device_(device), inode_(inode) {}

SharedDescriptor::~SharedDescriptor() {
    Registry& r = registry();
    const std::lock_guard lock(r.mutex);
    const auto it = r.open.find({device_, inode_});
    if (it != r.open.end() && it->second.expired())
        r.open.erase(it);
    if (!keep_)
        ::close(fd_);
}

bool SharedDescriptor::read(void* into, std::size_t size, long long offset) const {
    return ::pread(fd_, into, size, offset) == static_cast<ssize_t>(size);
}

} // namespace lexitor::store
