#pragma once
// The text of one Text or Memo value of a Jet row, checked as far as the
// file lets us: a long text must lead to a page that holds long texts (or
// rows of its own table), lie within its piece of that page, and decode,
// like every text, to UTF-8 without control characters (a tab is text).
// Jet keeps no checksums, so this is what tells a damaged value from text.
// Used in the reader child only.

// glib first: mdbtools.h includes it inside extern "C", where its C++ parts
// cannot be declared.
#include <glib.h>
#include <mdbtools.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lexitor::wordlist::jet {

struct ValueText {
    std::string text;
    std::string damage; // what is wrong, empty when the text is good
};

class ValueReader {
public:
    // `tablePage`: the page that defines the table being read; `fileSize`
    // in bytes.
    ValueReader(MdbHandle* mdb, std::uint32_t tablePage, std::size_t fileSize);

    // `field` of the row on the page in mdb->pg_buf.
    ValueText text(const MdbColumn& column, const MdbField& field);

private:
    struct Piece {
        const unsigned char* bytes;
        std::size_t size;
    };
    std::string longValue(const unsigned char* value, std::size_t size);
    Piece pieceAt(std::uint32_t pageRow);
    std::string decode(const unsigned char* bytes, std::size_t size);

    MdbHandle* mdb_;
    std::uint32_t tablePage_;
    std::uint32_t pages_ = 0;
    std::size_t pageSize_;
    std::vector<unsigned char> page_;
};

} // namespace lexitor::wordlist::jet
