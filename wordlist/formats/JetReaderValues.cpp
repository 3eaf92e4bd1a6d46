#include "wordlist/formats/JetReaderValues.h"

#include "wordlist/formats/Utf8Check.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace lexitor::wordlist::jet {

namespace {

constexpr unsigned char kDataPage = 0x01;
constexpr std::uint32_t kInline = 0x80000000;   // the text follows in the row
constexpr std::uint32_t kOnePiece = 0x40000000; // in one piece of a page
constexpr std::uint32_t kLengthMask = 0x3fffffff;
constexpr int kRowOffsetMask = 0x1fff;
constexpr int kDeletedRow = 0x8000;

struct Damage {
    std::string what;
};

std::uint32_t get32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
int get16(const unsigned char* p) {
    return p[0] | p[1] << 8;
}

std::string pageText(std::uint32_t page) {
    return "page " + std::to_string(page);
}

// A control character, in UTF-8 that is known to be well formed: C0 but the
// tab and the line breaks, DEL, and C1 (U+0080 to U+009F, encoded C2 80 to
// C2 9F). A note typed over several lines in Access is a sound Memo value,
// carried over as it stands.
bool holdsControl(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7f)
            return true;
        if (c == 0xc2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xa0)
            return true;
    }
    return false;
}

// Writes the character `c` as UTF-8 at `out`; gives the byte after it.
char* putUtf8(char* out, char32_t c) {
    if (c < 0x80) {
        *out++ = char(c);
    } else if (c < 0x800) {
        *out++ = char(0xc0 | c >> 6);
        *out++ = char(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        *out++ = char(0xe0 | c >> 12);
        *out++ = char(0x80 | (c >> 6 & 0x3f));
        *out++ = char(0x80 | (c & 0x3f));
    } else {
        *out++ = char(0xf0 | c >> 18);
        *out++ = char(0x80 | (c >> 12 & 0x3f));
        *out++ = char(0x80 | (c >> 6 & 0x3f));
        *out++ = char(0x80 | (c & 0x3f));
    }
    return out;
}

// Jet 4 text: UTF-16LE, or after FF FE compressed, one byte a character
// with a zero byte switching to two-byte characters and back. Decoded here
// rather than through iconv, which took most of the reading's time, and so
// that a character outside the BMP comes through whole; a lone surrogate is
// damage.
std::string decodeUtf16(const unsigned char* bytes, std::size_t size) {
    // A byte becomes at most two bytes of UTF-8, two bytes at most three.
    std::string text(2 * size, '\0');
    char* out = text.data();
    const bool compressed = size >= 2 && bytes[0] == 0xff && bytes[1] == 0xfe;
    bool oneByte = compressed;
    char16_t high = 0; // a surrogate waiting for its other half
    for (std::size_t i = compressed ? 2 : 0; i < size;) {
        char16_t unit = 0;
        if (compressed && bytes[i] == 0) {
            oneByte = !oneByte;
            ++i;
            continue;
        }
        if (oneByte) {
            unit = bytes[i++];
        } else if (i + 1 < size) {
            unit = char16_t(bytes[i] | bytes[i + 1] << 8);
            i += 2;
        } else {
            break; // an odd byte at the end, as libmdb leaves it
        }
        if (unit < 0x80 && high == 0) {
            *out++ = char(unit);
            continue;
        }
        const bool isHigh = unit >= 0xd800 && unit < 0xdc00;
        const bool isLow = unit >= 0xdc00 && unit < 0xe000;
        if ((high != 0 && !isLow) || (high == 0 && isLow))
            throw Damage{"does not decode to text"};
        if (isHigh) {
            high = unit;
        } else if (isLow) {
            out = putUtf8(out, 0x10000 + (char32_t(high - 0xd800) << 10) + (unit - 0xdc00));
            high = 0;
        } else {
            out = putUtf8(out, unit);
        }
    }
    if (high != 0)
        throw Damage{"does not decode to text"};
    text.resize(std::size_t(out - text.data()));
    return text;
}

} // namespace

ValueReader::ValueReader(MdbHandle* mdb, std::uint32_t tablePage, std::size_t fileSize)
    : mdb_(mdb), tablePage_(tablePage),
      pages_(std::uint32_t(fileSize / std::size_t(mdb->fmt->pg_size))),
      pageSize_(std::size_t(mdb->fmt->pg_size)), page_(pageSize_) {}

ValueText ValueReader::text(const MdbColumn& column, const MdbField& field) {
    try {
        if (field.siz < 0 || field.start < 0 || std::size_t(field.start + field.siz) > pageSize_)
            throw Damage{"lies outside its row"};
        const unsigned char* value = mdb_->pg_buf + field.start;
        const auto size = std::size_t(field.siz);
        std::string text =
            column.col_type == MDB_MEMO ? longValue(value, size) : decode(value, size);
        if (holdsControl(text))
            throw Damage{"holds control characters"};
        return {std::move(text), {}};
    } catch (const Damage& damage) {
        return {{}, damage.what};
    }
}

std::string ValueReader::longValue(const unsigned char* value, std::size_t size) {
    if (size == 0)
        return {};
    if (size < MDB_MEMO_OVERHEAD)
        throw Damage{"is too short to hold a long text"};
    const std::uint32_t header = get32(value);
    const std::size_t length = header & kLengthMask;
    if (header & kInline) {
        if (length > size - MDB_MEMO_OVERHEAD)
            throw Damage{"holds a long text that runs past its row"};
        return decode(value + MDB_MEMO_OVERHEAD, length);
    }
    if (header & kOnePiece) {
        const Piece piece = pieceAt(get32(value + 4));
        if (length > piece.size)
            throw Damage{"holds a long text that is longer than its piece of the page"};
        return decode(piece.bytes, length);
    }
    if ((header & 0xff000000) != 0)
        throw Damage{"holds a long text of a kind Jet does not write"};
    // Pieces on several pages, each starting with where the next one is.
    std::vector<unsigned char> all;
    std::uint32_t next = get32(value + 4);
    for (std::uint32_t steps = 0; next != 0; ++steps) {
        if (steps > pages_)
            throw Damage{"holds a long text whose pieces go round in a circle"};
        const Piece piece = pieceAt(next);
        if (piece.size < 4 || all.size() + piece.size - 4 > length)
            throw Damage{"holds a long text whose pieces do not add up to its length"};
        next = get32(piece.bytes);
        all.insert(all.end(), piece.bytes + 4, piece.bytes + piece.size);
    }
    if (all.size() != length)
        throw Damage{"holds a long text whose pieces do not add up to its length"};
    return decode(all.data(), all.size());
}

ValueReader::Piece ValueReader::pieceAt(std::uint32_t pageRow) {
    const std::uint32_t page = pageRow >> 8;
    const int row = int(pageRow & 0xff);
    if (page == 0 || page >= pages_)
        throw Damage{"holds a long text on " + pageText(page) + ", outside the file"};
    if (mdb_read_alt_pg(mdb_, page) != ssize_t(pageSize_))
        throw Damage{"holds a long text on " + pageText(page) + ", which cannot be read"};
    std::memcpy(page_.data(), mdb_->alt_pg_buf, pageSize_);
    const unsigned char* p = page_.data();
    if (p[0] != kDataPage)
        throw Damage{"holds a long text on " + pageText(page) + ", which holds no rows"};
    if (std::memcmp(p + 4, "LVAL", 4) != 0 && get32(p + 4) != tablePage_)
        throw Damage{"holds a long text on " + pageText(page) + ", which holds another table"};
    const int rowCountAt = mdb_->fmt->row_count_offset;
    const int rows = get16(p + rowCountAt);
    if (row >= rows)
        throw Damage{"holds a long text in piece " + std::to_string(row) + " of " + pageText(page) +
                     ", which has " + std::to_string(rows) + " pieces"};
    const int start = get16(p + rowCountAt + 2 + 2 * row);
    if (start & kDeletedRow)
        throw Damage{"holds a long text in a deleted piece of " + pageText(page)};
    const int from = start & kRowOffsetMask;
    const int to = row == 0 ? int(pageSize_) : get16(p + rowCountAt + 2 * row) & kRowOffsetMask;
    if (from < rowCountAt + 2 + 2 * rows || from > to || to > int(pageSize_))
        throw Damage{"holds a long text that runs past its piece of " + pageText(page)};
    return {p + from, std::size_t(to - from)};
}

std::string ValueReader::decode(const unsigned char* bytes, std::size_t size) {
    if (size == 0)
        return {};
    if (mdb_->f->jet_version != MDB_VER_JET3)
        return decodeUtf16(bytes, size);
    // Jet 3 text is in the file's code page. Every stored byte becomes at
    // most three bytes of UTF-8.
    std::string text(3 * size + 16, '\0');
    const std::size_t length = mdb_unicode2ascii(mdb_, reinterpret_cast<const char*>(bytes), size,
                                                 text.data(), text.size());
    text.resize(std::min(length, text.size()));
    if (firstInvalidUtf8(QByteArrayView(text.data(), qsizetype(text.size()))))
        throw Damage{"does not decode to text"};
    return text;
}

} // namespace lexitor::wordlist::jet
