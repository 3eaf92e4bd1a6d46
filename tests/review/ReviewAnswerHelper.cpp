// Helper for the review durability test: keeps answers in the level-0 file
// named on the command line until it is killed. Answer n goes to word
// "w<n % 5>" with the time FIRST + n (milliseconds), and "kept n" is
// printed once it is durable. While the other writer holds the lock too
// long, the answer is tried again. Opening is tried again too: the check
// of a journal that a killed writer left can meet the other writer rolling
// it back, and then fails without touching the file.
#include "review/Schedule.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char** argv) {
    using namespace lexitor;
    if (argc < 3)
        return 2;
    const long long first = std::atoll(argv[2]);
    std::unique_ptr<store::Database> db;
    for (int attempt = 0; !db; ++attempt) {
        try {
            db = store::DBEngine::instance().OpenDatabase(argv[1]);
        } catch (const store::EngineError&) {
            if (attempt == 50)
                throw;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    store::ReviewLog log(*db, store::kLevels[0]);
    for (long n = 0;; ++n) {
        const store::Answer answer{n % 3 != 0, first + n, 100 + int(n / 20),
                                   store::AnswerPlace::Review};
        for (;;) {
            try {
                log.record("w" + std::to_string(n % 5), answer, [&](const auto& before) {
                    return review::afterAnswer(before, answer.right, answer.day);
                });
                break;
            } catch (const store::RecoverableError&) {
            }
        }
        std::printf("kept %ld\n", n);
        std::fflush(stdout);
    }
}
