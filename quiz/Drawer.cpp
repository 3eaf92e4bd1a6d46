#include "quiz/Drawer.h"

#include <algorithm>

namespace lexitor::quiz {

qint16 RndIntSource::offset(qint16 last) {
    return draw(1, last);
}

qint16 RndIntSource::answerSlot() {
    return draw(1, kOptionCount);
}

qint16 RndIntSource::substitute(qint16 last) {
    return draw(1, last);
}

qint16 RndIntSource::draw(qint16 lower, qint16 upper) {
    return uniform_ ? rndIntOf(uniform_(), lower, upper) : RndInt(lower, upper);
}

std::optional<qint16> Drawer::firstQuestion() {
    const qint16 offset = random_.offset(last());
    q_.usedOffsets.recordFirst(q_.currentLevel, offset);
    if (!rows_.usable(q_.currentLevel, offset))
        return nextQuestion();
    return offset;
}

std::optional<qint16> Drawer::nextQuestion() {
    for (;;) {
        const auto level = skipUsedUp(q_.currentLevel, q_.levelUsedUp);
        if (!level)
            return std::nullopt;
        q_.currentLevel = *level;
        const auto offset = drawOffset();
        if (!offset)
            return std::nullopt;
        q_.usedOffsets.record(q_.currentLevel, *offset);
        // Another program may have deleted rows since the offset was drawn.
        if (rows_.usable(q_.currentLevel, *offset))
            return offset;
    }
}

// An offset not asked yet at the level now current. The attempts are
// counted across level changes; a level whose count reaches its rows less
// one is used up, and the level skip moves off it.
std::optional<qint16> Drawer::drawOffset() {
    int attempts = 0;
    for (;;) {
        const qint16 offset = random_.offset(last());
        bool found = q_.usedOffsets.contains(q_.currentLevel, offset) ||
                     !rows_.usable(q_.currentLevel, offset);
        ++attempts;
        if (attempts >= q_.recCount[q_.currentLevel] - 1) {
            q_.levelUsedUp[q_.currentLevel] = true;
            const auto level = skipUsedUp(q_.currentLevel, q_.levelUsedUp);
            if (!level)
                return std::nullopt;
            q_.currentLevel = *level;
            // The offset was drawn for the old level: it may name no row
            // here, or a row that cannot be asked.
            if (!found && (offset > last() || !rows_.usable(q_.currentLevel, offset)))
                found = true;
        }
        if (!found)
            return offset;
    }
}

std::array<std::string, kOptionCount> Drawer::options(const StoredChoices& row) {
    q_.answerSlot = random_.answerSlot();
    const auto onOption = placement(q_.answerSlot);
    const std::string answer = row[0].value_or("");
    std::array<std::string, kOptionCount> captions;
    for (const Choice choice : {Choice::Ans, Choice::C1, Choice::C2, Choice::C3}) {
        const auto& field = row[static_cast<std::size_t>(choice)];
        std::string caption = answer;
        if (choice != Choice::Ans)
            caption = needsSubstitute(field) ? substitute(answer) : *field;
        const auto index = std::find(onOption.begin(), onOption.end(), choice) - onOption.begin();
        captions[static_cast<std::size_t>(index)] = caption;
    }
    return captions;
}

// The answer of another row of the level. A row that would show the right
// answer a second time (the question row itself, or a row with the same
// answer) or has no answer is drawn again; after a few unlucky draws the
// rows after the last one are tried in turn. Only where no row of the
// level serves does the right answer stand twice.
std::string Drawer::substitute(const std::string& rightAnswer) {
    const auto serves = [&](qint16 offset) -> std::optional<std::string> {
        auto ans = rows_.answer(q_.currentLevel, offset);
        if (!ans || *ans == rightAnswer)
            return std::nullopt;
        return ans;
    };
    constexpr int kDraws = 3;
    std::optional<std::string> chosen;
    qint16 offset = 1;
    for (int draw = 0; draw < std::min<int>(kDraws, last()) && !chosen; ++draw) {
        offset = random_.substitute(last());
        chosen = serves(offset);
    }
    for (int step = 1; step < last() && !chosen; ++step)
        chosen = serves(static_cast<qint16>((offset - 1 + step) % last() + 1));
    return chosen.value_or(rightAnswer);
}

} // namespace lexitor::quiz
