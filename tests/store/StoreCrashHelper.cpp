// Helper for the durability test: works on word0 of the file named on the
// command line until it is killed. For n = 0, 1, ... it adds "<prefix><n>",
// updates its answer when n is odd and deletes it when n % 3 == 2, each a
// durable step of its own, and prints "add n", "update n" or "delete n"
// once the step has returned. With "pause" it then waits for a line on
// standard input before the next step, so that it can be killed there.
// With "spill" it adds 20,000 rows in one transaction, more than SQLite
// keeps in memory, prints "ready" and waits: killed then, it leaves a
// journal that the next opening must apply.
#include "store/Recordset.h"
#include "store/Transaction.h"
#include "store/WordRecord.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: store_crash_helper FILE PREFIX [pause]\n", stderr);
        return 2;
    }
    const bool pause = argc > 3 && std::strcmp(argv[3], "pause") == 0;
    const bool spill = argc > 3 && std::strcmp(argv[3], "spill") == 0;
    const auto acknowledge = [pause](const char* step, long n) {
        std::printf("%s %ld\n", step, n);
        std::fflush(stdout);
        char line[16];
        if (pause && !std::fgets(line, sizeof line, stdin))
            std::exit(0);
    };
    try {
        auto db = lexitor::store::DBEngine::instance().OpenDatabase(argv[1]);
        auto rs = db->OpenRecordset("word0");
        if (spill) {
            lexitor::store::Transaction transaction(*db); // killed while it runs
            for (int n = 0; n < 20000; ++n)
                appendRecord(*rs,
                             {argv[2] + std::to_string(n), std::string(200, 'x'), {}, {}, {}, {}});
            std::puts("ready");
            std::fflush(stdout);
            char line[16];
            return std::fgets(line, sizeof line, stdin) ? 0 : 0;
        }
        for (long n = 0;; ++n) {
            const std::string word = argv[2] + std::to_string(n);
            const std::string ans = word + " means something rather long, to make the page fill up";
            appendRecord(*rs, {word, ans, {}, {}, {}, {}});
            acknowledge("add", n);
            rs->MoveLast();
            if (n % 2 == 1) {
                rs->Edit();
                rs->SetField("ans", "updated");
                rs->Update();
                acknowledge("update", n);
            }
            if (n % 3 == 2) {
                rs->Delete();
                acknowledge("delete", n);
            }
        }
    } catch (const lexitor::store::EngineError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
