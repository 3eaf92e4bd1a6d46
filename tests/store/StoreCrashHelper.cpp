// Helper for the durability test: adds rows "<prefix><n>" to word0 of the
// file named on the command line, one durable Update each, and prints n
// after each Update returns, until it is killed.
#include "store/Engine.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: store_crash_helper FILE PREFIX\n", stderr);
        return 2;
    }
    try {
        auto db = lexitor::store::DBEngine::instance().OpenDatabase(argv[1]);
        auto rs = db->OpenRecordset("word0");
        for (long n = 0;; ++n) {
            const std::string word = argv[2] + std::to_string(n);
            rs->AddNew();
            rs->SetField("word", word);
            rs->SetField("ans", word + " means something rather long, to make the page fill up");
            rs->Update();
            std::printf("%ld\n", n);
            std::fflush(stdout);
        }
    } catch (const lexitor::store::EngineError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
