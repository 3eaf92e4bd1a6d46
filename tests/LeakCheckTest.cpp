// Leaks 400 bytes on purpose, from inside a test slot where Qt's own code is
// on the stack: the sanitizer build must report it, or leaks in any other
// test would pass unseen.

#include <QtTest>

namespace {
// Kept out of the slot's frame, so no stale copy of the pointer stays where
// the leak check scans.
Q_NEVER_INLINE void leak() {
    char* volatile block = new char[400];
    block[0] = 1;
    block = nullptr;
}
} // namespace

class LeakCheckTest : public QObject {
    Q_OBJECT
private slots:
    void leaksFourHundredBytes() { leak(); }
};

QTEST_MAIN(LeakCheckTest)
#include "LeakCheckTest.moc"
