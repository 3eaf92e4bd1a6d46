#pragma once
// Waiting for another program's lock: SQLite's busy handler, bounded in
// time by the engine's settings, telling the program through its hook when
// a wait starts and ends. Each connection has its own.

#include "store/Engine.h"

#include <chrono>
#include <memory>
#include <string>

struct sqlite3;

namespace lexitor::store {

class LockWait {
public:
    explicit LockWait(std::shared_ptr<const EngineSettings> settings);
    LockWait(const LockWait&) = delete;
    LockWait& operator=(const LockWait&) = delete;

    const EngineSettings& settings() const { return *settings_; }
    // Installs the bounded wait on a connection.
    void install(sqlite3* db);
    // Ends the wait the last SQLite call went through, if it waited.
    void end();
    // Passes a notice to the program's hook, or to standard error.
    void notify(const std::string& text) const;

private:
    static int wait(void* self, int attempts);

    std::shared_ptr<const EngineSettings> settings_;
    bool inWait_ = false;
    std::chrono::steady_clock::time_point started_;
};

} // namespace lexitor::store
