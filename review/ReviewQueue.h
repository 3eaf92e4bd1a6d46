#pragma once
// What Review asks, one word at a time, across the three levels: the words
// due today, most overdue first (the lower level first among equals), then
// up to kNewPerDay words never answered, from level 0 up, each level in its
// table order. Each word is chosen from the files as they are then.

#include "store/ReviewLog.h"

#include <array>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>

namespace lexitor::review {

inline constexpr int kNewPerDay = 10;
inline constexpr int kChartDays = 14;

// The three level files of the working directory, open while it lives.
struct OpenLevels {
    OpenLevels();
    std::array<std::unique_ptr<store::Database>, store::kLevelCount> db;
};

struct Question {
    int level = 0;
    store::ReviewWord word;
    bool isNew = false;
};

struct DueToday {
    int due = 0;   // words due, overdue ones included
    int fresh = 0; // new words Review would still ask today
};

class ReviewQueue {
public:
    ReviewQueue(OpenLevels& levels, int today);

    // The next word to ask, which then counts as asked; none when the day's
    // words are done.
    std::optional<Question> next();
    DueToday dueToday();
    // How many words fall due on each of the kChartDays days after today;
    // the first day also holds those still due today.
    std::array<int, kChartDays> dueAhead();

private:
    bool asked(int level, const std::string& key) const { return asked_.count({level, key}) > 0; }
    std::optional<Question> nextNew();

    std::array<store::ReviewLog, store::kLevelCount> logs_;
    int today_;
    int newToday_ = 0; // new words asked today, by earlier visits and this one
    std::array<long long, store::kLevelCount> newAfter_{}; // how far each table order was walked
    std::set<std::pair<int, std::string>> asked_;
};

} // namespace lexitor::review
