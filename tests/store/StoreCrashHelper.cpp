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
#include <string>

int main(int argc, char** argv) {
    const std::string mode = argc > 3 ? argv[3] : "";
    char line[16];
    const auto acknowledge = [&](const char* step, long n) {
        std::printf("%s %ld\n", step, n);
        std::fflush(stdout);
        if (mode == "pause" && !std::fgets(line, sizeof line, stdin))
            std::exit(0);
    };
    // An EngineError ends it with its text on standard error.
    auto db = lexitor::store::DBEngine::instance().OpenDatabase(argv[1]);
    auto rs = db->OpenRecordset("word0");
    if (mode == "spill") {
        lexitor::store::Transaction transaction(*db); // killed while it runs
        for (int n = 0; n < 20000; ++n)
            appendRecord(*rs, {argv[2] + std::to_string(n), std::string(200, 'x'), {}, {}, {}, {}});
        acknowledge("ready", 0);
        return std::fgets(line, sizeof line, stdin) ? 0 : 1;
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
}
