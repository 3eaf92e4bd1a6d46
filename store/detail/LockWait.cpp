#include "store/detail/LockWait.h"

#include "store/Engine.h"

#include <sqlite3.h>

#include <cstdio>
#include <thread>

namespace lexitor::store {

namespace {

using Clock = std::chrono::steady_clock;

struct Hooks {
    std::function<void(bool)> waiting;
    std::function<void(const std::string&)> notice;
    std::chrono::milliseconds limit{5000};
    bool inWait = false;
    Clock::time_point started;
};

Hooks& hooks() {
    static Hooks instance;
    return instance;
}

// SQLite calls this while another connection holds the lock it needs;
// returning 0 gives up with SQLITE_BUSY.
int waitForLock(void*, int) {
    Hooks& h = hooks();
    if (!h.inWait) {
        h.inWait = true;
        h.started = Clock::now();
        if (h.waiting) {
            h.waiting(true);
        }
    }
    if (Clock::now() - h.started >= h.limit) {
        return 0;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return 1;
}

} // namespace

void setLockWaitHook(std::function<void(bool waiting)> hook) {
    hooks().waiting = std::move(hook);
}

void setNoticeHook(std::function<void(const std::string& text)> hook) {
    hooks().notice = std::move(hook);
}

void setLockWaitLimit(std::chrono::milliseconds limit) {
    hooks().limit = limit;
}

void installLockWait(sqlite3* db) {
    sqlite3_busy_handler(db, &waitForLock, nullptr);
}

void endLockWait() {
    Hooks& h = hooks();
    if (h.inWait) {
        h.inWait = false;
        if (h.waiting) {
            h.waiting(false);
        }
    }
}

void notify(const std::string& text) {
    if (hooks().notice) {
        hooks().notice(text);
    } else {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

} // namespace lexitor::store
