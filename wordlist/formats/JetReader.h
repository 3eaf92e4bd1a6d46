#pragma once
// Reading the level table of a Jet database file (the .mdb format of Access
// 97 to 2003) with libmdb. The library runs in a child process, so that a
// damaged file that makes it crash or misread ends only that child and is
// reported as damaged.

#include "store/WordRecord.h"

#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

namespace lexitor::wordlist {

// The file cannot be read, is damaged, or holds no such table; the text
// names the file.
class JetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct JetWords {
    QString table;           // as the file spells it
    QStringList otherFields; // fields besides the six word fields
    std::vector<store::WordRecord> rows; // in the table's own order, texts as stored
};

// Whether the file starts like a Jet (or ACE) database.
bool isJetFile(const QString& path);

// The rows of `table` (any letter case) in the Jet file `path`, or of its one
// level table (word0, word1 or word2) when `table` is empty. The word fields
// must be Text or Memo fields; a null stays apart from an empty text.
JetWords readJetWords(const QString& path, const QString& table = {});

} // namespace lexitor::wordlist
