#pragma once
// What the Jet reader child sends back through its pipe:
//   'T' table, n, n other fields,   then for each row
//       'R' six fields | 'D' field, what,   and at the end 'Z';
// or, at any point between two records, 'E' and why the file as a whole
// cannot be read. The child sends it as it reads.
// Numbers are 32-bit little-endian, texts a number of bytes and the bytes,
// a field 0 for a null or 1 and a text.

#include "store/Engine.h"

#include <QByteArray>

#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <string_view>

namespace lexitor::wordlist::jet {

// Writes into `fd` as it goes, in pieces of about 64 KiB.
class PayloadWriter {
public:
    explicit PayloadWriter(int fd) : fd_(fd) {}
    void byte(char c) { bytes_.push_back(c); }
    void number(std::uint32_t n) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes_.push_back(char((n >> shift) & 0xff));
    }
    void text(std::string_view s) {
        number(std::uint32_t(s.size()));
        bytes_.append(s);
    }
    void field(const store::FieldValue& value) {
        byte(value ? 1 : 0);
        if (value)
            text(*value);
    }
    // Between two records.
    void flushIfFull() {
        if (bytes_.size() >= kPiece && !flush())
            ::_exit(2); // the parent is gone, or stopped listening
    }
    bool flush() {
        std::size_t done = 0;
        while (done < bytes_.size()) {
            const ssize_t n = ::write(fd_, bytes_.data() + done, bytes_.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            done += std::size_t(n);
        }
        bytes_.clear();
        return true;
    }

private:
    static constexpr std::size_t kPiece = std::size_t(1) << 16;
    int fd_;
    std::string bytes_;
};

// Reads what PayloadWriter wrote; ok() turns false, for good, at the first
// read past the end.
class PayloadReader {
public:
    explicit PayloadReader(const QByteArray& bytes) : bytes_(bytes) {}
    bool ok() const { return ok_; }
    bool atEnd() const { return at_ == bytes_.size(); }
    char byte() { return need(1) ? bytes_[at_++] : '\0'; }
    std::uint32_t number() {
        if (!need(4))
            return 0;
        std::uint32_t n = 0;
        for (int shift = 0; shift < 32; shift += 8)
            n |= std::uint32_t(static_cast<unsigned char>(bytes_[at_++])) << shift;
        return n;
    }
    std::string text() {
        const std::uint32_t size = number();
        if (!need(qsizetype(size)))
            return {};
        std::string s(bytes_.constData() + at_, size);
        at_ += size;
        return s;
    }
    store::FieldValue field() {
        if (byte() == 0)
            return std::nullopt;
        return text();
    }

private:
    bool need(qsizetype n) {
        ok_ = ok_ && bytes_.size() - at_ >= n;
        return ok_;
    }
    const QByteArray& bytes_;
    qsizetype at_ = 0;
    bool ok_ = true;
};

} // namespace lexitor::wordlist::jet
