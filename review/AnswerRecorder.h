#pragma once
// Keeps the answers a screen is given, each in its word's level file with
// the time on the screen's clock, and tells the user once (per screen
// visit) when answers cannot be kept there. An answer that cannot be kept
// never stops the screen.

#include "review/Clock.h"
#include "store/ReviewLog.h"

#include <QString>

#include <functional>
#include <string>

namespace lexitor::review {

class AnswerRecorder {
public:
    using Tell = std::function<void(const QString& text)>;
    AnswerRecorder(Clock clock, Tell tell) : clock_(std::move(clock)), tell_(std::move(tell)) {}

    // Tells at once when the file can only be read, before any answer.
    void checkKept(store::Database& database, const store::LevelDatabase& level);
    // Keeps one answer to the row holding `word`; a word no longer there is
    // passed over.
    void record(store::Database& database, const store::LevelDatabase& level,
                const std::string& word, bool right, store::AnswerPlace place, bool asNew = false);

private:
    void tellOnce(const std::string& why);

    Clock clock_;
    Tell tell_;
    bool told_ = false;
};

} // namespace lexitor::review
