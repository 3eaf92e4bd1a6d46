#pragma once
// Answers message boxes in tests and records what was shown, and the
// services that send them here.

#include "screens/Messages.h"
#include "screens/Services.h"

#include <QList>
#include <QTest>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>

namespace lexitor::screens {
inline bool operator==(const Message& a, const Message& b) {
    return a.text == b.text && a.title == b.title && a.code == b.code;
}
inline char* toString(const Message& m) {
    return QTest::toString(QStringLiteral("%1 | %2 | %3").arg(m.title, m.text).arg(m.code));
}
} // namespace lexitor::screens

namespace lexitor::testing {

class ScriptedMessages {
public:
    ScriptedMessages() = default;
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    // Services whose message boxes are answered here and whose fatal errors
    // are recorded here (the program would have ended), with the quiz's
    // draws from `draws` where given and a clock that stands still; nothing else. Screens keep them, so
    // this must outlive the screens made with them.
    screens::Services services(quiz::RandomSource* draws = nullptr) {
        screens::Services services;
        services.showMessage = [this](const screens::Message& message) { return answer(message); };
        services.endAfterFatal = [this](const QString& text) { fatal.append(text); };
        // The clock answers are kept by stands still.
        services.now = [] { return QDateTime(QDate(2024, 5, 1), QTime(12, 0)); };
        if (draws)
            services.quizDraws = std::shared_ptr<quiz::RandomSource>(draws, [](auto*) {});
        return services;
    }

    QStringList texts() const {
        QStringList all;
        for (const auto& message : shown)
            all.append(message.text);
        return all;
    }
    void clear() {
        shown.clear();
        fatal.clear();
    }

    int answer(const screens::Message& message) {
        shown.append(message);
        if (onShow)
            onShow(message);
        if (answers.empty())
            return (message.code & 0x7) == screens::vbYesNo ? screens::vbYes : screens::vbOK;
        const int next = answers.front();
        answers.pop_front();
        return next;
    }

    QList<screens::Message> shown;
    std::deque<int> answers; // next answers; default OK, or Yes for a question
    QStringList fatal;       // fatal errors reported (the program would have ended)
    std::function<void(const screens::Message&)> onShow; // runs while the box is "open"
};

} // namespace lexitor::testing
