#include "review/ReviewQueue.h"

#include <algorithm>

namespace lexitor::review {

OpenLevels::OpenLevels() {
    for (const auto& level : store::kLevels)
        db[level.level] = store::DBEngine::instance().OpenDatabase(std::string(level.file));
}

ReviewQueue::ReviewQueue(OpenLevels& levels, int today)
    : logs_{store::ReviewLog(*levels.db[0], store::kLevels[0]),
            store::ReviewLog(*levels.db[1], store::kLevels[1]),
            store::ReviewLog(*levels.db[2], store::kLevels[2])},
      today_(today) {
    for (auto& log : logs_)
        newToday_ += log.newOn(today_);
}

std::optional<Question> ReviewQueue::next() {
    std::optional<Question> first;
    for (int level = 0; level < store::kLevelCount; ++level) {
        logs_[level].forEachDue(today_, [&](const store::ReviewWord& word) {
            if (asked(level, word.key))
                return true;
            if (!first || word.state->dueDay < first->word.state->dueDay)
                first = Question{level, word, false};
            return false;
        });
    }
    if (!first)
        first = nextNew();
    if (first)
        asked_.insert({first->level, first->word.key});
    return first;
}

std::optional<Question> ReviewQueue::nextNew() {
    std::optional<Question> found;
    for (int level = 0; level < store::kLevelCount && !found && newToday_ < kNewPerDay; ++level) {
        logs_[level].forEachNew(newAfter_[level], [&](const store::ReviewWord& word) {
            newAfter_[level] = word.rowId;
            if (asked(level, word.key))
                return true;
            found = Question{level, word, true};
            return false;
        });
    }
    if (found)
        ++newToday_;
    return found;
}

DueToday ReviewQueue::dueToday() {
    DueToday count;
    for (auto& log : logs_)
        log.forEachDue(today_, [&](const store::ReviewWord&) {
            ++count.due;
            return true;
        });
    std::set<std::pair<int, std::string>> fresh;
    for (int level = 0; level < store::kLevelCount; ++level) {
        logs_[level].forEachNew(0, [&](const store::ReviewWord& word) {
            fresh.insert({level, word.key});
            return newToday_ + int(fresh.size()) < kNewPerDay;
        });
        if (newToday_ + int(fresh.size()) >= kNewPerDay)
            break;
    }
    count.fresh = std::min(int(fresh.size()), std::max(0, kNewPerDay - newToday_));
    return count;
}

std::array<int, kChartDays> ReviewQueue::dueAhead() {
    std::array<int, kChartDays> days{};
    for (auto& log : logs_) {
        log.forEachDue(today_ + kChartDays, [&](const store::ReviewWord& word) {
            ++days[std::max(word.state->dueDay, today_ + 1) - (today_ + 1)];
            return true;
        });
    }
    return days;
}

} // namespace lexitor::review
