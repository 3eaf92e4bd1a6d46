#include "wordlist/JetFolderConversionFiles.h"

#include "store/FileKind.h"
#include "store/WordRecord.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace lexitor::wordlist::conversion {

namespace {

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

} // namespace

bool sameBytes(const QString& a, const QString& b) {
    struct stat sa {
    }, sb{};
    if (::stat(nativePath(a).constData(), &sa) != 0 || ::stat(nativePath(b).constData(), &sb) != 0)
        return false;
    if (sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino)
        return true;
    QFile fa(a), fb(b);
    if (!S_ISREG(sa.st_mode) || !S_ISREG(sb.st_mode) || sa.st_size != sb.st_size ||
        !fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly))
        return false;
    while (!fa.atEnd()) {
        if (fa.read(1 << 16) != fb.read(1 << 16))
            return false;
    }
    return true;
}

QString levelFileName(int level) {
    const std::string_view name = store::levelDatabase(level).file;
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

QString systemError(const QString& what, const QString& path) {
    return QStringLiteral("%1 '%2': %3")
        .arg(what, QFileInfo(path).fileName(), QString::fromLocal8Bit(std::strerror(errno)));
}

void syncToDisk(const QString& path, bool folder) {
    const int fd =
        ::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC | (folder ? O_DIRECTORY : 0));
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    errno = error;
    if (!synced)
        throw FileError(systemError(QStringLiteral("cannot write to disk"), path));
}

void replaceFile(const QString& from, const QString& to) {
    if (::rename(nativePath(from).constData(), nativePath(to).constData()) != 0)
        throw FileError(systemError(QStringLiteral("cannot replace"), to));
}

void writeFileDurably(const QString& path, const QByteArray& bytes) {
    const QString temporary = path + QStringLiteral(".tmp");
    ::unlink(nativePath(temporary).constData());
    const int fd =
        ::open(nativePath(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        throw FileError(systemError(QStringLiteral("cannot write"), temporary));
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    errno = error;
    if (!written) {
        const QString why = systemError(QStringLiteral("cannot write"), path);
        ::unlink(nativePath(temporary).constData());
        throw FileError(why);
    }
    replaceFile(temporary, path);
    syncToDisk(folderOf(path), true);
}

std::optional<QByteArray> readRegularFile(const QString& path) {
    std::string why;
    const int fd = store::openRegularFile(nativePath(path).toStdString(), why);
    if (fd < 0 && store::fileKind(nativePath(path).toStdString()) == store::FileKind::Missing)
        return std::nullopt;
    if (fd < 0)
        throw FileError(QString::fromStdString(why).chopped(1));
    QFile file;
    const bool read = file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    QByteArray bytes = read ? file.readAll() : QByteArray();
    if (!read || file.error() != QFileDevice::NoError)
        throw FileError(QStringLiteral("cannot read '%1': %2")
                            .arg(QFileInfo(path).fileName(), file.errorString()));
    return bytes;
}

QString keepOriginal(const QString& path) {
    for (int n = 1; n < 100; ++n) {
        const QString kept =
            n == 1 ? path + QStringLiteral(".jet") : QStringLiteral("%1.%2.jet").arg(path).arg(n);
        if (QFileInfo::exists(kept) || QFileInfo(kept).isSymLink()) {
            if (sameBytes(path, kept))
                return kept;
            continue;
        }
        if (::link(nativePath(path).constData(), nativePath(kept).constData()) == 0) {
            syncToDisk(folderOf(path), true);
            return kept;
        }
        if (errno == EEXIST) {
            --n; // someone took the name meanwhile: look at it again
            continue;
        }
        // A file system without hard links: a copy, complete before it
        // takes the name.
        const QString copy = kept + QStringLiteral(".tmp");
        QFile::remove(copy);
        if (!QFile::copy(path, copy))
            throw FileError(systemError(QStringLiteral("cannot keep a copy of"), path));
        syncToDisk(copy, false);
        if (::rename(nativePath(copy).constData(), nativePath(kept).constData()) != 0)
            throw FileError(systemError(QStringLiteral("cannot keep a copy of"), path));
        syncToDisk(folderOf(path), true);
        return kept;
    }
    throw FileError(QStringLiteral("there are too many kept originals of '%1'")
                        .arg(QFileInfo(path).fileName()));
}

void removeLeftovers(const QString& path) {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        ::unlink(nativePath(path + QLatin1String(suffix)).constData());
}

std::optional<QString> folderReadOnly(const QString& folder) {
    const QByteArray native = nativePath(folder);
    struct stat st {};
    struct statvfs fs {};
    if (::statvfs(native.constData(), &fs) == 0 && (fs.f_flag & ST_RDONLY))
        return QStringLiteral("its folder %1 is on a read-only file system").arg(folder);
    if (::stat(native.constData(), &st) == 0 &&
        ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
         ::access(native.constData(), W_OK) != 0))
        return QStringLiteral("its folder %1 is read-only").arg(folder);
    return std::nullopt;
}

} // namespace lexitor::wordlist::conversion
