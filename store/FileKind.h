#pragma once
// What stands at a path, told without opening it for reading, so that a
// named pipe, a device or a socket in the place of a word file, a journal
// or a list to import is refused at once instead of being waited on.

#include <optional>
#include <string>

namespace lexitor::store {

enum class FileKind { Missing, Regular, Folder, Fifo, Device, Socket, Other };

// Follows symbolic links, as opening would.
FileKind fileKind(const std::string& path);

// Why `path` cannot be read as a file ("… is a named pipe (FIFO), not a
// file."), or nullopt when it is a regular file or nothing at all.
std::optional<std::string> notARegularFile(const std::string& path);

// Opens `path` for reading without ever blocking on what stands there, and
// only when it is a regular file: a file descriptor (the caller closes it),
// or -1 with `why` set to a sentence naming the file and the cause.
int openRegularFile(const std::string& path, std::string& why);

} // namespace lexitor::store
