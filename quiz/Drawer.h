#pragma once
// Drawing the quiz's questions and their options, over the quiz state, the
// rows of the three levels and a source of chance. No screen takes part.

#include "quiz/QuizState.h"
#include "quiz/RnGen.h"
#include "store/WordRecord.h"

#include <QtGlobal>

#include <array>
#include <optional>
#include <string>
#include <utility>

namespace lexitor::quiz {

// The rows of the levels, named by level and row offset.
class RowSource {
public:
    virtual ~RowSource() = default;
    // Whether the level has a row at the offset, with a word and an answer.
    virtual bool usable(qint16 level, qint16 offset) = 0;
    // The answer of that row; std::nullopt where it has none or there is no
    // such row.
    virtual std::optional<std::string> answer(qint16 level, qint16 offset) = 0;
};

// The quiz's chances, each named for what it decides.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // The row offset of a question, 1..last.
    virtual qint16 offset(qint16 last) = 0;
    // The option holding the right answer, 1..4.
    virtual qint16 answerSlot() = 0;
    // The row offset whose answer stands in for a wrong choice, 1..last.
    virtual qint16 substitute(qint16 last) = 0;
};

// Every draw is one RndInt over the generator's values, or over the values
// of `uniform` where one is given.
class RndIntSource final : public RandomSource {
public:
    RndIntSource() = default;
    explicit RndIntSource(UniformSource uniform) : uniform_(std::move(uniform)) {}

    qint16 offset(qint16 last) override;
    qint16 answerSlot() override;
    qint16 substitute(qint16 last) override;

private:
    qint16 draw(qint16 lower, qint16 upper);

    UniformSource uniform_;
};

// The fields ans, c1, c2, c3 of a question row, in that order.
using StoredChoices = std::array<store::FieldValue, kOptionCount>;

class Drawer {
public:
    Drawer(QuizState& state, RowSource& rows, RandomSource& random)
        : q_(state), rows_(rows), random_(random) {}

    // The first question's offset at the current level, recorded in cell 0.
    // A row that cannot be asked counts as asked, and the question after it
    // is drawn instead. std::nullopt once every level is used up.
    std::optional<qint16> firstQuestion();
    // The next question after the level skip: an offset not asked yet at
    // the level then current, recorded. std::nullopt once every level is
    // used up.
    std::optional<qint16> nextQuestion();
    // The captions of options 0..3 for a question row: the answer on the
    // option drawn for it, the wrong choices, or substitutes for them.
    std::array<std::string, kOptionCount> options(const StoredChoices& row);

private:
    std::optional<qint16> drawOffset();
    std::string substitute(const std::string& rightAnswer);
    qint16 last() const { return static_cast<qint16>(q_.recCount[q_.currentLevel] - 1); }

    QuizState& q_;
    RowSource& rows_;
    RandomSource& random_;
};

} // namespace lexitor::quiz
