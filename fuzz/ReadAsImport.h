#pragma once
// What the harnesses of the import's readers share: the bytes as a file
// in memory, read as `lexitor-words import` reads a file, once through
// Lexitor's row checks and then once more, as the rows are added.

#include "wordlist/formats/RowChecks.h"
#include "wordlist/vocabulary/QuestionJudge.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace lexitor::fuzz {

inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The judge of wrong options the import uses where WordNet is installed;
// nullptr where it is not.
inline wordlist::OptionJudge* judge() {
    static const auto wordNet = []() -> std::unique_ptr<wordlist::vocabulary::WordNet> {
        try {
            return std::make_unique<wordlist::vocabulary::WordNet>(
                wordlist::vocabulary::loadWordNet(wordlist::vocabulary::kDefaultWordNetDir));
        } catch (const wordlist::vocabulary::VocabularyError&) {
            return nullptr;
        }
    }();
    static auto judge =
        wordNet ? std::make_unique<wordlist::vocabulary::WordNetJudge>(*wordNet) : nullptr;
    return judge.get();
}

inline void readAsImport(wordlist::RowSource& source, wordlist::Format format) {
    struct Checked final : wordlist::RowSink {
        Checked(wordlist::Format format, wordlist::Place place) : checks(format, place) {}
        void take(wordlist::ListRow row) override { checks.check(row); }
        void refuse(wordlist::ListIssue) override {}
        wordlist::RowChecks checks;
    } checked(format, source.place());
    source.read(checked);
    struct Again final : wordlist::RowSink {
        void take(wordlist::ListRow) override {}
        void refuse(wordlist::ListIssue) override {}
    } again;
    source.read(again);
}

} // namespace lexitor::fuzz
