#include "wordlist/formats/JetReader.h"

#include "store/FileKind.h"
#include "wordlist/formats/JetReaderChild.h"
#include "wordlist/formats/JetReaderPayload.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>

namespace lexitor::wordlist {

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr qint64 kMegabyte = qint64(1) << 20;

[[noreturn]] void fail(const QString& text) {
    throw JetError(text.toStdString());
}

QString damagedFileText(const QString& name) {
    return QStringLiteral("'%1' could not be read: the Jet reader stopped on it (the file looks "
                          "damaged).")
        .arg(name);
}

QString secondsText(std::chrono::milliseconds time) {
    const auto seconds = std::chrono::ceil<std::chrono::seconds>(time).count();
    return seconds == 1 ? QStringLiteral("1 second") : QStringLiteral("%1 seconds").arg(seconds);
}

QString tooLongText(const QString& name, std::chrono::milliseconds allowed) {
    return QStringLiteral("'%1' could not be read within %2: the Jet reader was stopped, and the "
                          "file looks damaged.")
        .arg(name, secondsText(allowed));
}

JetWords parsePayload(const QByteArray& bytes, const QString& name) {
    jet::PayloadReader in(bytes);
    const auto failure = [&in] { fail(QString::fromStdString(in.text())); };
    const char kind = in.byte();
    if (kind == 'E')
        failure();
    JetWords words;
    words.table = QString::fromStdString(in.text());
    for (std::uint32_t i = in.number(); in.ok() && i > 0; --i)
        words.otherFields.append(QString::fromStdString(in.text()));
    for (char row = in.byte(); in.ok() && row != 'Z'; row = in.byte()) {
        store::WordRecord& r = words.rows.emplace_back();
        if (row == 'D') {
            const QString field = QString::fromStdString(in.text());
            words.damaged.push_back(
                {int(words.rows.size()), field, QString::fromStdString(in.text())});
        } else if (row == 'R') {
            for (const store::WordField& f : store::kWordFields)
                r.*f.member = in.field();
        } else if (row == 'E') {
            failure();
        } else {
            break;
        }
    }
    if (kind != 'T' || !in.ok() || !in.atEnd())
        fail(damagedFileText(name));
    return words;
}

} // namespace

JetLimits jetLimits(qint64 fileSize) {
    const qint64 megabytes = std::max<qint64>(fileSize, 0) / kMegabyte;
    return {std::chrono::milliseconds(10s) + megabytes * std::chrono::milliseconds(2s),
            (std::size_t(512) << 20) + 8 * std::size_t(std::max<qint64>(fileSize, 0))};
}

bool isJetFile(const QString& path) {
    std::string why;
    const int fd = store::openRegularFile(QFile::encodeName(path).toStdString(), why);
    if (fd < 0)
        return false;
    char start[20];
    const ssize_t n = ::pread(fd, start, sizeof start, 0);
    ::close(fd);
    const QByteArray bytes(start, n == ssize_t(sizeof start) ? n : 0);
    return bytes.startsWith(QByteArray("\0\1\0\0", 4)) &&
           (bytes.mid(4) == QByteArray("Standard Jet DB\0", 16) ||
            bytes.mid(4) == QByteArray("Standard ACE DB\0", 16));
}

JetReading::JetReading(const QString& path, const QString& table, const JetLimits& limits)
    : name_(QFileInfo(path).fileName()), allowed_(limits.time) {
    if (const auto refusal = store::notARegularFile(QFile::encodeName(path).toStdString()))
        fail(QString::fromStdString(*refusal));
    if (!isJetFile(path))
        fail(QStringLiteral("'%1' is not a Jet database file.").arg(name_));
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        fail(QStringLiteral("Cannot read '%1': %2.")
                 .arg(name_, QString::fromLocal8Bit(std::strerror(errno))));
    const pid_t parent = ::getpid();
    deadline_ = Clock::now() + limits.time;
    child_ = ::fork();
    if (child_ == 0) {
        ::close(ends[0]);
        jet::runReaderChild(ends[1], parent, path, table, limits);
    }
    const int error = errno;
    ::close(ends[1]);
    if (child_ < 0) {
        ::close(ends[0]);
        fail(QStringLiteral("Cannot read '%1': %2.")
                 .arg(name_, QString::fromLocal8Bit(std::strerror(error))));
    }
    fd_ = ends[0];
    // What the child sends is about half the file: one allocation, not many.
    // Eight times the file is more than its text can decode to.
    const qint64 size = QFileInfo(path).size();
    bytes_.reserve(qsizetype(std::min<qint64>(size, qint64(256) << 20)));
    largest_ = std::max<qint64>(8 * size, qint64(64) << 20);
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) | O_NONBLOCK);
}

JetReading::~JetReading() {
    if (child_ > 0)
        ::kill(child_, SIGKILL);
    reap();
    if (fd_ >= 0)
        ::close(fd_);
}

bool JetReading::wait(std::chrono::milliseconds slice) {
    const Clock::time_point until = std::min(Clock::now() + slice, deadline_);
    while (fd_ >= 0) {
        char buffer[1 << 16];
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n > 0)
            bytes_.append(buffer, n);
        if (bytes_.size() > largest_) {
            stop(damagedFileText(name_));
            return true;
        }
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
            ::close(fd_);
            fd_ = -1;
            break;
        }
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now());
        if (left <= 0ms) {
            if (Clock::now() >= deadline_)
                stop(tooLongText(name_, allowed_));
            return stopped_.has_value();
        }
        if (n < 0) {
            pollfd ready{fd_, POLLIN, 0};
            ::poll(&ready, 1, int(left.count()));
        }
    }
    // The pipe closed: the child has written all it will and is ending.
    reap();
    return true;
}

void JetReading::cancel() {
    if (!stopped_ && (fd_ >= 0 || child_ > 0))
        stop(QStringLiteral("Reading '%1' was cancelled.").arg(name_));
}

void JetReading::stop(const QString& why) {
    stopped_ = why;
    if (child_ > 0)
        ::kill(child_, SIGKILL);
    reap();
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

void JetReading::reap() {
    while (child_ > 0) {
        const pid_t done = ::waitpid(child_, &status_, 0);
        if (done == child_ || (done < 0 && errno != EINTR))
            child_ = -1;
    }
}

JetWords JetReading::words() const {
    if (stopped_)
        fail(*stopped_);
    if (WIFSIGNALED(status_) && WTERMSIG(status_) == SIGXCPU)
        fail(tooLongText(name_, allowed_));
    // A crash, a limit reached or a failed write: whatever came is not to be trusted.
    if (!WIFEXITED(status_) || WEXITSTATUS(status_) > 1)
        fail(damagedFileText(name_));
    return parsePayload(bytes_, name_);
}

JetWords readJetWords(const QString& path, const QString& table, const JetLimits& limits) {
    JetReading reading(path, table, limits);
    while (!reading.wait(1h)) {
    }
    return reading.words();
}

JetWords readJetWords(const QString& path, const QString& table) {
    return readJetWords(path, table, jetLimits(QFileInfo(path).size()));
}

QString damageText(const std::vector<DamagedRow>& damaged, std::size_t shown) {
    QStringList parts;
    for (std::size_t i = 0; i < damaged.size() && i < shown; ++i)
        parts.append(QStringLiteral("row %1, field %2 %3")
                         .arg(damaged[i].row)
                         .arg(damaged[i].field, damaged[i].what));
    if (damaged.size() > shown)
        parts.append(QStringLiteral("and %1 more").arg(damaged.size() - shown));
    return parts.join(QStringLiteral("; "));
}

} // namespace lexitor::wordlist
