#include "review/AnswerRecorder.h"

#include "review/Schedule.h"

namespace lexitor::review {

void AnswerRecorder::checkKept(store::Database& database, const store::LevelDatabase& level) {
    if (const auto why = store::ReviewLog(database, level).whyNotKept())
        tellOnce(*why);
}

void AnswerRecorder::record(store::Database& database, const store::LevelDatabase& level,
                            const std::string& word, bool right, store::AnswerPlace place,
                            bool asNew) {
    const QDateTime now = clock_();
    const store::Answer answer{right, now.toMSecsSinceEpoch(), localDay(now), place};
    try {
        store::ReviewLog(database, level)
            .record(word, answer, [&](const std::optional<store::ReviewState>& before) {
                return afterAnswer(before, right, answer.day, asNew);
            });
    } catch (const store::RecoverableError& error) {
        tellOnce(error.what());
    }
}

void AnswerRecorder::tellOnce(const std::string& why) {
    if (told_)
        return;
    told_ = true;
    tell_(QStringLiteral("Your answers cannot be kept, so they will not be remembered. %1")
              .arg(QString::fromStdString(why)));
}

} // namespace lexitor::review
