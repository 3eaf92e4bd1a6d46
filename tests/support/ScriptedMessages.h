#pragma once
// Answers message boxes in tests and records what was shown.

#include "screens/Fatal.h"
#include "screens/Messages.h"

#include <QList>
#include <QTest>
#include <QStringList>

#include <deque>
#include <functional>

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
    ScriptedMessages() {
        screens::setMessageResponder([this](const screens::Message& message) {
            shown.append(message);
            if (onShow)
                onShow(message);
            if (answers.empty())
                return (message.code & 0x7) == screens::vbYesNo ? screens::vbYes : screens::vbOK;
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        });
        screens::setFatalHandler([this](const QString& text) { fatal.append(text); });
    }
    ~ScriptedMessages() {
        screens::setMessageResponder({});
        screens::setFatalHandler({});
    }
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

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

    QList<screens::Message> shown;
    std::deque<int> answers; // next answers; default OK, or Yes for a question
    QStringList fatal;       // fatal errors reported (the program would have ended)
    std::function<void(const screens::Message&)> onShow; // runs while the box is "open"
};

} // namespace lexitor::testing
