#include "store/detail/LockWait.h"

#include <sqlite3.h>

#include <cstdio>
#include <thread>

namespace lexitor::store {

LockWait::LockWait(std::shared_ptr<const EngineSettings> settings)
    : settings_(settings ? std::move(settings) : std::make_shared<const EngineSettings>()) {}

void LockWait::install(sqlite3* db) {
    sqlite3_busy_handler(db, &LockWait::wait, this);
}

// SQLite calls this while another connection holds the lock it needs;
// returning 0 gives up with SQLITE_BUSY.
int LockWait::wait(void* self, int) {
    auto& w = *static_cast<LockWait*>(self);
    if (!w.inWait_) {
        w.inWait_ = true;
        w.started_ = std::chrono::steady_clock::now();
        if (w.settings_->lockWait)
            w.settings_->lockWait(true);
    }
    if (std::chrono::steady_clock::now() - w.started_ >= w.settings_->lockWaitLimit)
        return 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return 1;
}

void LockWait::end() {
    if (inWait_) {
        inWait_ = false;
        if (settings_->lockWait)
            settings_->lockWait(false);
    }
}

void LockWait::notify(const std::string& text) const {
    if (settings_->notice)
        settings_->notice(text);
    else
        std::fprintf(stderr, "%s\n", text.c_str());
}

} // namespace lexitor::store
