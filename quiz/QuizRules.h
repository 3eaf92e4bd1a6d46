#pragma once
// The rules of the quiz that need no screen: where the answer and the
// wrong choices go, which choices are replaced, and how the level moves.

#include "store/WordRecord.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>
#include <string>

namespace lexitor::quiz {

inline constexpr qint16 kOptionCount = 4;
inline constexpr qint16 kStartLevel = 1;

// The fields a question row offers for an option button.
enum class Choice { Ans, C1, C2, C3 };

// Which field stands on each option button 0..3 when the right answer is on
// option answerSlot - 1 (answerSlot 1..4): c1, c2, c3 keep buttons 1, 2, 3,
// except the one displaced by the answer, which moves to button 0.
std::array<Choice, kOptionCount> placement(qint16 answerSlot);

// A wrong choice is replaced by another row's answer when it is missing or
// shorter than three characters once the blanks around it are removed.
bool needsSubstitute(const std::optional<std::string>& choice);

// A reference worth showing: present and not blank.
bool hasReference(const std::optional<std::string>& ref);

// The level after a full block of three answers; marks[1..3] hold 1 for a
// right and 0 for a wrong answer.
qint16 levelAfterBlock(qint16 level, const std::array<qint16, 4>& marks);

// Moves off a used-up level: first up to the next level that is not used
// up, then down. std::nullopt when all three levels are used up.
std::optional<qint16> skipUsedUp(qint16 level, const std::array<bool, store::kLevelCount>& usedUp);

} // namespace lexitor::quiz
