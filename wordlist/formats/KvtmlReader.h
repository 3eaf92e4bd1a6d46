#pragma once
// KVTML 2.0 collections as rows to import (see KvtmlWalk.h for the format).

#include "wordlist/formats/KvtmlWalk.h"
#include "wordlist/formats/QuestionRows.h"

#include <memory>
#include <optional>

namespace lexitor::wordlist {

struct KvtmlOptions {
    int from = 0;          // the translation that holds the word
    std::optional<int> to; // the one that holds the answer; default 1, or
                           // the word's comment in a one-language file
};

// The rows of a KVTML file, placed by entry id: the word, the answer, the
// wrong meanings (see QuestionRows) and the entry's first example as ref,
// texts exactly as the file has them; an entry without an id, or with the
// id of an earlier one, is a problem of its own. The file is refused when
// it is not KVTML 2.0 or lacks the translations asked for.
class KvtmlSource final : public RowSource {
public:
    KvtmlSource(std::unique_ptr<QIODevice> device, KvtmlOptions options,
                OptionJudge* judge = nullptr);
    Place place() const override { return Place::Entry; }
    void read(RowSink& sink) override;

private:
    struct FirstEntry {
        int id = 0, ordinal = 0, line = 0;
    };
    void prepare();
    // The question of the entry, or nullopt when its id is missing or taken.
    std::optional<Question> question(const KvtmlEntry& entry, int ordinal) const;
    const FirstEntry* firstWithId(int id) const;

    std::unique_ptr<QIODevice> device_;
    KvtmlOptions options_;
    bool prepared_ = false;
    std::optional<ListIssue> refused_;
    bool oneLanguage_ = false;
    std::vector<FirstEntry> firstEntries_;                  // by id
    std::vector<std::pair<int, int>> lessonOf_, wordTypeOf_; // entry id -> group, by id
    QuestionRows questions_;
};

} // namespace lexitor::wordlist
