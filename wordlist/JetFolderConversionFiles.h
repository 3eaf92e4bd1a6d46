#pragma once
// The file steps of bringing a Jet folder across, each durable when it
// returns: a file written whole under its name or not at all, an original
// kept by a second name, a folder's names synced.

#include <QByteArray>
#include <QString>

#include <optional>
#include <stdexcept>

namespace lexitor::wordlist::conversion {

// A step failed; the text says which and why, without a final stop.
class FileError : public std::runtime_error {
public:
    explicit FileError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// word0.mdb, word1.mdb or word2.mdb.
QString levelFileName(int level);

// "<what> '<name>': <the system's reason>", from errno.
QString systemError(const QString& what, const QString& path);

// fsync of a file or a folder; throws FileError.
void syncToDisk(const QString& path, bool folder);

// Gives `to` the bytes of `from` by rename(2), which replaces `to` in one
// step: no moment exists without a file of that name. Throws FileError.
void replaceFile(const QString& from, const QString& to);

// Writes `bytes` as the file `path`: into `path`.tmp, synced, then renamed
// over it and the folder synced. Throws FileError.
void writeFileDurably(const QString& path, const QByteArray& bytes);

// The bytes of the regular file `path`: std::nullopt when there is none;
// throws FileError when something else stands there or it cannot be read.
std::optional<QByteArray> readRegularFile(const QString& path);

// Whether two paths hold the same bytes (the same file, or equal files).
bool sameBytes(const QString& a, const QString& b);

// Keeps `path` under a name of its own beside it: word1.mdb.jet, or
// word1.mdb.2.jet ... when that name holds another file, which is never
// replaced. A name that already holds the same bytes was kept by an
// earlier, interrupted run. Returns the full path of the kept file.
QString keepOriginal(const QString& path);

// Removes a half-made word file and its journals.
void removeLeftovers(const QString& path);

// Why nothing can be written into `folder` (it or its file system is
// read-only), or std::nullopt. By the permission bits too, so that even the
// superuser does not write where nobody is meant to.
std::optional<QString> folderReadOnly(const QString& folder);

} // namespace lexitor::wordlist::conversion
