#pragma once
// SQLite's unix VFS takes paths of at most 512 bytes and resolves every
// symbolic link in them, so a word file in a deeper folder cannot be opened
// by its path. For such a file the store opens its folder and gives SQLite
// a short name for the file through that open folder,
// "/proc/self/fd/<folder>/<file>", under a VFS of its own (kVfsName) that
// differs from SQLite's own only in taking such names as they are; the
// kernel resolves them, and the journal beside the file is named alike.
// Raising the VFS's own limit would not do: its journal code copies names
// into buffers of that size.

#include <string>

namespace lexitor::store {

class FolderAlias {
public:
    // `path`: the word file, absolute.
    explicit FolderAlias(const std::string& path);
    ~FolderAlias();
    FolderAlias(const FolderAlias&) = delete;
    FolderAlias& operator=(const FolderAlias&) = delete;

    // The name to hand SQLite: the plain path, or for a path too long for
    // SQLite the name through the open folder (where /proc/self/fd is there).
    const std::string& sqliteName() const { return sqliteName_; }
    // The open folder (for openat), or -1; the file's own name in it.
    int folder() const { return folder_; }
    const std::string& fileName() const { return fileName_; }

private:
    int folder_ = -1;
    std::string fileName_;
    std::string sqliteName_;
};

// The name of the store's VFS, registered with SQLite on first use.
const char* storeVfs();

} // namespace lexitor::store
