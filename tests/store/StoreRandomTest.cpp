// 100,000 random engine calls on two recordsets of one table, with another
// connection adding, changing and deleting rows between them as another
// program would, checked call by call against a plain model: rows by rowid,
// orders by sorting, and a cursor per recordset. Midway and at the end the
// file is reopened and its content compared with the model in both orders.
#include "StoreFixtures.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <stdexcept>
#include <tuple>

using namespace lexitor::testing;

namespace {

[[noreturn]] void differ(const std::string& why) {
    throw std::runtime_error(why);
}

std::string fold(const std::string& word) {
    const QString trimmed = QString::fromStdString(word).trimmed();
    return trimmed.normalized(QString::NormalizationForm_C).toCaseFolded().toStdString();
}

struct Row {
    WordRecord record;
    std::string key; // fold(word)
};

struct Cursor {
    enum Where { Unset, Bof, At, Deleted, Eof } where = Unset;
    bool deletedHere = false; // Deleted by this cursor, not elsewhere
    bool indexed = false;
    int serial = 0;
    std::string key; // of the row, for a deleted row's place in index order
    std::unique_ptr<Recordset> rs;
    std::vector<std::pair<RowBookmark, int>> bookmarks;
    // The row as the recordset last read it: a change of a row that changed
    // since is refused.
    std::optional<std::pair<int, WordRecord>> lastRead;
};

// "äpfel" twice more: with a combining diaeresis, and in capitals so. No
// word holds a quote, so the other program's SQL can name them as they are.
const std::array<const char*, 14> kWords = {
    "apple", "Apple", " apple ", "banana", "BANANA",      "cherry",      "äpfel",
    "ÄPFEL", "b",     "",        " ",      "a\u0308pfel", "A\u0308PFEL", "zebra"};

} // namespace

class StoreRandomTest : public QObject {
    Q_OBJECT

    // In memory where the system has it: this test is about the model, not
    // the disk, and a disk's syncs would make it slow.
    QTemporaryDir dir_{QDir("/dev/shm").exists() ? "/dev/shm/store_random_test-XXXXXX"
                                                 : QDir::tempPath() + "/store_random_test-XXXXXX"};
    QRandomGenerator rng_{20240601};
    std::map<int, Row> rows_, snapshot_;                    // by rowid: table order
    std::array<std::optional<std::vector<int>>, 2> orders_; // rowids in table, index order
    int nextSerial_ = 1;
    // The highest rowid handed out by a committed add, and by an add of the
    // running transaction: a reopened file hands out the next above the first.
    int committed_ = 0, pending_ = 0;
    std::unique_ptr<Database> db_;
    std::array<Cursor, 2> cursors_;
    std::optional<Transaction> transaction_;
    QString file_;
    std::string context_;      // the running call, for the failure text
    sqlite3* other_ = nullptr; // another program's connection

    int draw(int below) { return static_cast<int>(rng_.bounded(below)); }
    std::string randomWord() { return kWords[static_cast<std::size_t>(draw(kWords.size()))]; }

    void put(int serial, const WordRecord& record) {
        rows_[serial] = {record, fold(*record.word)};
        orders_ = {};
    }
    const std::vector<int>& order(bool indexed) {
        auto& cached = orders_[indexed];
        if (!cached) {
            std::vector<std::pair<std::string_view, int>> sorted;
            for (const auto& [serial, row] : rows_)
                sorted.emplace_back(indexed ? std::string_view(row.key) : "", serial);
            std::sort(sorted.begin(), sorted.end());
            cached.emplace();
            for (const auto& [key, serial] : sorted)
                cached->push_back(serial);
        }
        return *cached;
    }
    // Place of the cursor's row in its order, or for a deleted row the
    // place of the row after it.
    long long place(const Cursor& c) {
        const auto& serials = order(c.indexed);
        if (c.where == Cursor::At)
            return std::find(serials.begin(), serials.end(), c.serial) - serials.begin();
        return std::count_if(serials.begin(), serials.end(), [&](int s) {
            return c.indexed ? std::tie(rows_[s].key, s) < std::tie(c.key, c.serial) : s < c.serial;
        });
    }
    void placeAt(Cursor& c, long long at) {
        const auto& serials = order(c.indexed);
        c.where = at < 0                                         ? Cursor::Bof
                  : at >= static_cast<long long>(serials.size()) ? Cursor::Eof
                                                                 : Cursor::At;
        if (c.where == Cursor::At)
            c.serial = serials[static_cast<std::size_t>(at)];
    }
    bool stale(const Cursor& c) {
        return c.where == Cursor::At && c.lastRead && c.lastRead->first == c.serial &&
               !(c.lastRead->second == rows_[c.serial].record);
    }
    void deleted(int serial, Cursor* by) {
        const std::string key = rows_[serial].key;
        rows_.erase(serial);
        orders_ = {};
        for (Cursor& each : cursors_) {
            if (each.where == Cursor::At && each.serial == serial) {
                each.where = Cursor::Deleted;
                each.deletedHere = &each == by;
                // A recordset of this connection saw the row go with the
                // key it had then; after another program's delete it
                // knows the key it saw last.
                if (by)
                    each.key = key;
            }
        }
    }

    // Runs `call` on the engine; the model said whether it must fail.
    static void expect(bool fail, const std::function<void()>& call) {
        const std::string error = errorOf(call);
        if (error.empty() == fail)
            differ(fail ? "expected an error" : "unexpected error: " + error);
    }

    // Another program adds, changes or deletes a row, keeping to the rule
    // that a rowid is never handed out twice.
    void otherProgramStep() {
        const auto writes = [this](const std::string& sql) {
            if (sqlite3_exec(other_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
                differ(std::string("other program: ") + sqlite3_errmsg(other_));
        };
        const int what = rows_.empty() ? 0 : draw(3);
        if (what == 0) {
            const int serial = committed_ = nextSerial_++;
            const std::string id = std::to_string(serial), word = randomWord();
            writes("BEGIN; INSERT INTO word0 (rowid, word, ans, c1, c2, c3) VALUES (" + id + ", '" +
                   word + "', 'other" + id + "', 'c1', 'c2', 'c3'); " +
                   "INSERT OR REPLACE INTO lexitor_rowids VALUES ('word0', " + id + "); COMMIT;");
            return put(serial, {word, "other" + id, "c1", "c2", "c3", {}});
        }
        const int serial = std::next(rows_.begin(), draw(rows_.size()))->first;
        const std::string id = std::to_string(serial);
        if (what == 1) {
            writes("DELETE FROM word0 WHERE rowid=" + id);
            return deleted(serial, nullptr);
        }
        WordRecord record = rows_[serial].record;
        record.ans = "changed" + std::to_string(draw(1000));
        if (draw(2) == 0)
            record.word = randomWord();
        writes("UPDATE word0 SET word='" + *record.word + "', ans='" + *record.ans +
               "' WHERE rowid=" + id);
        put(serial, record);
    }

    // Commits a running transaction, opens the file anew, and compares it
    // with the model in both orders.
    void reopen() {
        endTransaction(true);
        for (auto& c : cursors_)
            c = Cursor{};
        db_.reset();
        nextSerial_ = committed_ + 1;
        db_ = openDb(file_);
        auto check = db_->OpenRecordset("word0");
        if (check->RecordCount() != static_cast<int>(rows_.size()))
            differ("reopened: record count differs");
        for (const bool indexed : {false, true}) {
            check->Index(indexed ? "wrdin" : "");
            std::vector<WordRecord> expected, seen;
            for (int serial : order(indexed))
                expected.push_back(rows_[serial].record);
            for (check->MoveFirst(); !expected.empty() && !check->Eof(); check->MoveNext())
                seen.push_back(currentRecord(*check));
            if (seen != expected)
                differ(indexed ? "reopened: index order differs" : "reopened: rows differ");
        }
        for (auto& c : cursors_)
            c.rs = db_->OpenRecordset("word0");
    }

    // One random call on cursor `c`, then its position and row checked.
    void step(Cursor& c) {
        const auto size = static_cast<long long>(rows_.size());
        const bool at = c.where == Cursor::At;
        const int op = draw(100);
        context_ = "op " + std::to_string(op) + " where " + std::to_string(c.where) +
                   (c.indexed ? " indexed" : "");
        if (op < 12) {
            expect(size == 0, [&] { op < 8 ? c.rs->MoveFirst() : c.rs->MoveLast(); });
            if (size > 0)
                placeAt(c, op < 8 ? 0 : size - 1);
        } else if (op < 40) {
            const int n = draw(10) == 0 ? draw(2001) - 1000 : draw(7) - 3;
            const auto w = c.where;
            const bool fail = w == Cursor::Unset || (w == Cursor::Bof && n <= 0) ||
                              (w == Cursor::Eof && n >= 0) || (w == Cursor::Deleted && n == 0);
            expect(fail, [&] {
                n == 1 ? c.rs->MoveNext() : n == -1 ? c.rs->MovePrevious() : c.rs->Move(n);
            });
            if (!fail && n != 0) {
                placeAt(c, n + (w == Cursor::Bof   ? -1
                                : w == Cursor::Eof ? size
                                                   : place(c) - (w == Cursor::Deleted && n > 0)));
            }
        } else if (op < 50) {
            const std::string key = randomWord(), folded = fold(key);
            const bool ge = draw(2) == 0;
            expect(!c.indexed, [&] { c.rs->Seek(ge ? ">=" : "=", key); });
            if (c.indexed) {
                const auto& serials = order(true);
                const auto it = std::find_if(serials.begin(), serials.end(),
                                             [&](int s) { return rows_[s].key >= folded; });
                const bool match = it != serials.end() && (ge || rows_[*it].key == folded);
                if (c.rs->NoMatch() == match)
                    differ("NoMatch differs");
                c.where = match ? Cursor::At : Cursor::Unset;
                c.serial = match ? *it : 0;
            }
        } else if (op < 54) {
            const bool indexed = draw(2) == 0;
            c.rs->Index(indexed ? "wrdin" : "");
            if (indexed != c.indexed && c.where == Cursor::Deleted)
                c.where = Cursor::Unset;
            c.indexed = indexed;
        } else if (op < 58) {
            expect(!at, [&] { c.bookmarks.emplace_back(c.rs->Bookmark(), c.serial); });
        } else if (op < 62 && !c.bookmarks.empty()) {
            const auto [mark, serial] =
                c.bookmarks[static_cast<std::size_t>(draw(static_cast<int>(c.bookmarks.size())))];
            expect(!rows_.contains(serial), [&] { c.rs->Bookmark(mark); });
            if (rows_.contains(serial)) {
                c.where = Cursor::At;
                c.serial = serial;
            }
        } else if (op < 74 && size < 400) {
            const int serial = nextSerial_++;
            (transaction_ ? pending_ : committed_) = serial;
            const WordRecord record{randomWord(), "ans" + std::to_string(serial), "c1", {}, "",
                                    "ref"};
            appendRecord(*c.rs, record);
            put(serial, record);
        } else if (op < 84) {
            expect(!at, [&] { c.rs->Edit(); });
            if (at) {
                const bool refused = stale(c);
                WordRecord edited = rows_[c.serial].record;
                if (draw(2) == 0)
                    c.rs->SetField("word", edited.word = randomWord());
                c.rs->SetField("c2", edited.c2 = "edit" + std::to_string(draw(1000)));
                const std::string error = errorOf([&] { c.rs->Update(); });
                if (refused ? !error.starts_with("RowChanged: ") : !error.empty())
                    differ("update: " + error);
                c.lastRead.reset();
                if (!refused) {
                    put(c.serial, edited);
                    c.lastRead.emplace(c.serial, edited);
                }
            }
        } else if (op < 92) {
            const bool refused = stale(c);
            const std::string error = errorOf([&] { c.rs->Delete(); });
            if (error.empty() != (at && !refused) || error.starts_with("RowChanged: ") != refused)
                differ("delete: " + error);
            if (refused)
                c.lastRead.reset();
            else if (at)
                deleted(c.serial, &c);
        } else if (op < 96) {
            // Often the first call after another program's change.
            if (c.rs->RecordCount() != size)
                differ("RecordCount differs");
        }

        const bool nowhere = c.where == Cursor::Unset && rows_.empty();
        if (c.rs->Bof() != (c.where == Cursor::Bof || nowhere) ||
            c.rs->Eof() != (c.where == Cursor::Eof || nowhere)) {
            differ("BOF/EOF differ, model where " + std::to_string(c.where));
        }
        if (c.where == Cursor::At) {
            const Row& row = rows_[c.serial];
            c.key = row.key;
            if (!(currentRecord(*c.rs) == row.record))
                differ("row differs: engine " + c.rs->Field("ans").value_or("?") + " model " +
                       *row.record.ans);
            c.lastRead.emplace(c.serial, row.record);
            return;
        }
        const std::string expected = c.where != Cursor::Deleted ? "No current record."
                                     : c.deletedHere            ? "Record is deleted."
                                                                : "RowGone: ";
        const std::string seen = errorOf([&] { c.rs->Field("word"); });
        if (!seen.starts_with(expected))
            differ("expected '" + expected + "', got '" + seen + "'");
    }

    // Ends the running transaction, if any, by a commit or a rollback.
    void endTransaction(bool commit) {
        if (!transaction_)
            return;
        if (commit) {
            transaction_->commit();
            committed_ = std::max(committed_, pending_);
        }
        transaction_.reset();
        pending_ = 0;
        if (commit)
            return;
        rows_ = snapshot_;
        orders_ = {};
        // Rows that vanished leave no place to move from: start again at the top.
        for (auto& c : cursors_) {
            if (c.where == Cursor::Deleted ||
                (c.where == Cursor::At && !rows_.contains(c.serial))) {
                if (rows_.empty()) {
                    c.where = Cursor::Deleted;
                    c.deletedHere = false;
                } else {
                    c.rs->MoveFirst();
                    placeAt(c, 0);
                }
            }
            std::erase_if(c.bookmarks, [&](const auto& b) { return !rows_.contains(b.second); });
        }
    }

private slots:
    void randomOperationsMatchTheModel() {
        file_ = dir_.filePath("word0.mdb");
        const std::vector<std::string> seeds{"seed", "Seed", "grape"};
        makeLevelFile(file_, 0, seeds);
        for (const auto& word : seeds)
            put(committed_ = nextSerial_++, sampleRecord(word));
        QCOMPARE(sqlite3_open(file_.toUtf8().constData(), &other_), SQLITE_OK);
        sqlite3_busy_timeout(other_, 10000);
        constexpr int kOperations = 100000;
        int i = 0;
        QString failure;
        try {
            reopen();
            for (i = 1; i <= kOperations; ++i) {
                // Mostly the next transaction starts at once, sparing an
                // fsync per change.
                if (i % 400 == 0) {
                    endTransaction(draw(5) != 0);
                    if (draw(20) != 0) {
                        transaction_.emplace(*db_);
                        snapshot_ = rows_;
                    }
                }
                if (i == kOperations / 2)
                    reopen();
                // Between two calls, not seen until the next one.
                if (!transaction_ && draw(20) == 0)
                    otherProgramStep();
                else
                    step(cursors_[static_cast<std::size_t>(draw(2))]);
            }
            reopen();
        } catch (const std::exception& error) {
            failure = QStringLiteral("engine and model differ at operation %1 (%2): %3")
                          .arg(i)
                          .arg(QString::fromStdString(context_), error.what());
        }
        sqlite3_close(other_);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(rows_.size() > 20);
    }
};

QTEST_GUILESS_MAIN(StoreRandomTest)
#include "StoreRandomTest.moc"
