// Helper for the review durability test: keeps answers in the level-0 file
// named on the command line until it is killed. Answer n goes to word
// "w<n % 5>" with the time FIRST + n (milliseconds), and "kept n" is
// printed once it is durable. While the other writer holds the lock too
// long, the answer is tried again.
#include "review/Schedule.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    using namespace lexitor;
    if (argc < 3)
        return 2;
    const long long first = std::atoll(argv[2]);
    auto db = store::DBEngine::instance().OpenDatabase(argv[1]);
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
