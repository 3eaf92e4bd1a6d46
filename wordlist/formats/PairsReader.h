#pragma once
// Two-column word lists, the shape flash-card programs and spreadsheets
// export: a word and its meaning per row, TSV or CSV, with an optional
// header row (and the "#name:value" lines Anki puts first).

#include "wordlist/formats/QuestionRows.h"

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>

namespace lexitor::wordlist {

// The codec of a two-column list: from the file's extension, else TSV when
// its first line (after Anki's "#" lines) holds a tab and CSV when not.
// `start` is the beginning of the file.
Format pairsCodec(const QString& fileName, QByteArrayView start);

// The rows of a two-column list, placed by line, with wrong meanings from
// the other rows (see QuestionRows) and a null ref.
class PairsSource final : public RowSource {
public:
    PairsSource(std::unique_ptr<QIODevice> device, Format codec, OptionJudge* judge = nullptr);
    Place place() const override { return Place::Line; }
    void read(RowSink& sink) override;

private:
    // Every row of two fields as a question, every other one and every
    // problem to `sink` when there is one, in file order.
    void walk(const std::function<void(const Question&)>& each, RowSink* sink);

    std::unique_ptr<QIODevice> device_;
    Format codec_;
    std::optional<std::optional<ListIssue>> notUtf8_; // once the file was looked at
    QuestionRows questions_;
};

} // namespace lexitor::wordlist
