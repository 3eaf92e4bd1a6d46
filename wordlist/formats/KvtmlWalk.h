#pragma once
// One walk through a KVTML 2.0 document, the XML vocabulary format of the
// KDE education programs: each entry holds translations (one per
// identifier, i.e. language), each with a text and optionally a comment,
// example sentences and multiple-choice choices; lessons and word types are
// nested containers naming entries. The walk reads the file as it goes,
// without recursion, and refuses elements nested deeper than any real
// collection nests them.

#include "store/Engine.h"
#include "wordlist/formats/WordList.h"

#include <QIODevice>

#include <optional>
#include <string>
#include <vector>

namespace lexitor::wordlist {

inline constexpr int kDeepestKvtml = 256; // elements inside each other

struct KvtmlTranslation {
    store::FieldValue text, comment;
    std::vector<std::string> choices;
};

struct KvtmlEntry {
    std::optional<int> id;
    int line = 0;
    KvtmlTranslation word, answer; // the translations asked for, as read
    store::FieldValue example;     // the entry's first, of any translation
};

// What a walk hands on, in document order.
class KvtmlVisitor {
public:
    virtual void identifiers(int /*count*/) {}
    virtual void entry(const KvtmlEntry& /*entry*/) {}
    // An entry named by a lesson (or a word type): `group` numbers the
    // containers in document order, lessons and word types alike.
    virtual void member(bool /*lesson*/, int /*group*/, int /*entryId*/) {}

protected:
    ~KvtmlVisitor() = default;
};

// Walks the document in `device` from its start, with the translations
// `word` and `answer` of each entry; nullopt when it was read whole, else
// the reason to refuse the file.
std::optional<ListIssue> walkKvtml(QIODevice& device, int word, int answer, KvtmlVisitor& visitor);

} // namespace lexitor::wordlist
