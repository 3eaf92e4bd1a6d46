#include "wordlist/formats/Utf8Check.h"

#include <algorithm>

namespace lexitor::wordlist {

namespace {

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The length of the well-formed sequence at `i`, or 0.
int sequenceLength(QByteArrayView bytes, qsizetype i) {
    const auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(i);
    if (lead < 0x80)
        return 1;
    int length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0; // overlong
        if (lead == 0xED)
            high = 0x9F; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90; // overlong
        if (lead == 0xF4)
            high = 0x8F; // past U+10FFFF
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    if (at(i + 1) < low || at(i + 1) > high)
        return 0;
    for (int k = 2; k < length; ++k) {
        if (!isContinuation(at(i + k)))
            return 0;
    }
    return length;
}

constexpr qint64 kPieceBytes = 1 << 20;

ListIssue notUtf8Issue(int line, qint64 offset) {
    return {line, QStringLiteral("the file is not UTF-8 (byte %1 of the file)").arg(offset + 1), 0,
            Place::Line};
}

} // namespace

std::optional<qsizetype> firstInvalidUtf8(QByteArrayView bytes) {
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = sequenceLength(bytes, i);
        if (length == 0)
            return i;
        i += length;
    }
    return std::nullopt;
}

int lineAtOffset(QByteArrayView bytes, qsizetype offset) {
    const auto end = bytes.begin() + std::min(offset, bytes.size());
    return 1 + static_cast<int>(std::count(bytes.begin(), end, '\n'));
}

std::optional<QByteArrayView> listText(QByteArrayView bytes, std::vector<ListIssue>& issues) {
    const qsizetype bomLength = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    bytes = bytes.sliced(bomLength);
    if (const auto bad = firstInvalidUtf8(bytes)) {
        issues.push_back(notUtf8Issue(lineAtOffset(bytes, *bad), *bad + bomLength));
        return std::nullopt;
    }
    return bytes;
}

std::optional<ListIssue> notUtf8(QIODevice& device) {
    device.seek(0);
    qint64 offset = device.peek(3) == "\xEF\xBB\xBF" ? device.skip(3) : 0;
    int line = 1;
    QByteArray piece;
    for (;;) {
        // (read() makes room for all it is asked for)
        const QByteArray more = device.read(std::min(kPieceBytes, device.size() - device.pos()));
        const bool last = more.isEmpty();
        piece += more;
        const auto bad = firstInvalidUtf8(piece);
        // A sequence the piece cuts short is read whole with the next one.
        const bool cutShort = bad && !last && piece.size() - *bad < 4;
        if (bad && !cutShort)
            return notUtf8Issue(line + lineAtOffset(piece, *bad) - 1, offset + *bad);
        const qsizetype good = bad ? *bad : piece.size();
        line += int(piece.first(good).count('\n'));
        offset += good;
        piece.remove(0, good);
        if (last)
            return std::nullopt;
    }
}

} // namespace lexitor::wordlist
