#include "store/detail/FolderAlias.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstring>

namespace lexitor::store {

namespace {

constexpr std::string_view kThroughFolder = "/proc/self/fd/";

sqlite3_vfs* unixVfs() {
    static sqlite3_vfs* const vfs = sqlite3_vfs_find("unix");
    return vfs;
}

int fullPathname(sqlite3_vfs*, const char* path, int size, char* out) {
    if (std::string_view(path).starts_with(kThroughFolder)) {
        if (static_cast<int>(std::strlen(path)) >= size)
            return SQLITE_CANTOPEN;
        std::strcpy(out, path);
        return SQLITE_OK;
    }
    return unixVfs()->xFullPathname(unixVfs(), path, size, out);
}

} // namespace

const char* storeVfs() {
    static sqlite3_vfs vfs = [] {
        sqlite3_vfs copy = *unixVfs();
        copy.zName = "lexitor";
        copy.pNext = nullptr;
        copy.xFullPathname = &fullPathname;
        return copy;
    }();
    static const bool registered = sqlite3_vfs_register(&vfs, 0) == SQLITE_OK;
    return registered ? vfs.zName : nullptr;
}

FolderAlias::FolderAlias(const std::string& path) : sqliteName_(path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return;
    fileName_ = path.substr(slash + 1);
    const std::string folder = slash == 0 ? "/" : path.substr(0, slash);
    folder_ = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder_ < 0)
        return;
    // Only where it is needed: the kernel resolves a name through
    // /proc/self/fd more slowly, and SQLite looks for a journal at every read.
    constexpr std::size_t kLongestSuffix = sizeof "-journal";
    if (path.size() + kLongestSuffix < static_cast<std::size_t>(unixVfs()->mxPathname))
        return;
    const std::string through = std::string(kThroughFolder) + std::to_string(folder_);
    if (::access(through.c_str(), F_OK) == 0)
        sqliteName_ = through + "/" + fileName_;
}

FolderAlias::~FolderAlias() {
    if (folder_ >= 0)
        ::close(folder_);
}

} // namespace lexitor::store
