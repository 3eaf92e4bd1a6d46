#include "quiz/QuizRules.h"

#include "store/WordRules.h"

#include <stdexcept>

namespace lexitor::quiz {

std::array<Choice, kOptionCount> placement(qint16 answerSlot) {
    if (answerSlot < 1 || answerSlot > kOptionCount)
        throw std::out_of_range("answer slot outside 1..4");
    std::array<Choice, kOptionCount> onOption = {Choice::Ans, Choice::C1, Choice::C2, Choice::C3};
    const int answerOption = answerSlot - 1;
    onOption[0] = onOption[answerOption];
    onOption[answerOption] = Choice::Ans;
    return onOption;
}

bool needsSubstitute(const std::optional<std::string>& choice) {
    return !choice || !store::isLongEnough(*choice, store::kShortestChoice);
}

bool hasReference(const std::optional<std::string>& ref) {
    return ref && !QString::fromStdString(*ref).trimmed().isEmpty();
}

qint16 levelAfterBlock(qint16 level, const std::array<qint16, 4>& marks) {
    int right = 0;
    for (int position = 1; position <= 3; ++position)
        right += marks[position] == 1 ? 1 : 0;
    if (right == 3 && level < 2)
        return static_cast<qint16>(level + 1);
    if (right <= 1 && level > 0)
        return static_cast<qint16>(level - 1);
    return level;
}

std::optional<qint16> skipUsedUp(qint16 level, const std::array<bool, store::kLevelCount>& usedUp) {
    if (usedUp[level] && level < 2) {
        ++level;
        if (usedUp[level] && level < 2)
            ++level;
    }
    if (usedUp[level] && level == 2) {
        level = 1;
        if (usedUp[1]) {
            level = 0;
            if (usedUp[0])
                return std::nullopt;
        }
    }
    return level;
}

} // namespace lexitor::quiz
