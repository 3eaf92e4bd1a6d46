// 100,000 random engine calls on two recordsets of one table, with another
// connection adding, changing and deleting rows between them as another
// program would, checked call by call against a plain model: rows in a
// vector, orders by sorting, and a cursor per recordset. Midway and at the
// end the file is reopened and its content compared with the model.
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
#include <tuple>

using namespace lexitor::testing;

namespace {

std::string fold(const std::string& word) {
    return QString::fromStdString(word)
        .trimmed()
        .normalized(QString::NormalizationForm_C)
        .toCaseFolded()
        .toStdString();
}

struct ModelRow {
    int serial = 0; // grows with every add, as the rowid does
    WordRecord record;
    std::string key; // fold(word), kept up to date by the test
};

struct Cursor {
    enum Where { Unset, Bof, Row, Deleted, Eof } where = Unset;
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

class Model {
public:
    std::vector<ModelRow> rows;
    int nextSerial = 1;
    // The highest rowid handed out by a committed add, and by an add of the
    // running transaction: a reopened file hands out the next above the first.
    int committed = 0;
    int pending = 0;

    void commit() {
        committed = std::max(committed, pending);
        pending = 0;
    }

    // Call after any change to `rows`.
    void changed() {
        orders_[0].reset();
        orders_[1].reset();
    }
    // Serials in table order or index order.
    const std::vector<int>& order(bool indexed) const {
        auto& cached = orders_[indexed ? 1 : 0];
        if (!cached) {
            std::vector<const ModelRow*> sorted;
            for (const auto& row : rows)
                sorted.push_back(&row);
            if (indexed) {
                std::sort(sorted.begin(), sorted.end(), [](const ModelRow* a, const ModelRow* b) {
                    const int c = a->key.compare(b->key);
                    return c != 0 ? c < 0 : a->serial < b->serial;
                });
            }
            cached.emplace();
            for (const ModelRow* row : sorted)
                cached->push_back(row->serial);
        }
        return *cached;
    }
    ModelRow* find(int serial) { return const_cast<ModelRow*>(std::as_const(*this).find(serial)); }
    const ModelRow* find(int serial) const {
        const auto it = std::lower_bound(rows.begin(), rows.end(), serial,
                                         [](const ModelRow& r, int s) { return r.serial < s; });
        return it == rows.end() || it->serial != serial ? nullptr : &*it;
    }
    // Place of the cursor's row in its order, or for a deleted row the
    // place of the row after it.
    long long place(const Cursor& c) const {
        const auto& serials = order(c.indexed);
        if (c.where == Cursor::Row)
            return std::find(serials.begin(), serials.end(), c.serial) - serials.begin();
        long long at = 0;
        for (int serial : serials) {
            const bool before = c.indexed ? std::make_tuple(find(serial)->key, serial) <
                                                std::make_tuple(c.key, c.serial)
                                          : serial < c.serial;
            at += before ? 1 : 0;
        }
        return at;
    }

private:
    mutable std::array<std::optional<std::vector<int>>, 2> orders_;
};

// "äpfel" twice more: with a combining diaeresis, and in capitals so.
const std::array<const char*, 14> kWords = {
    "apple", "Apple", " apple ", "banana", "BANANA",      "cherry",      "äpfel",
    "ÄPFEL", "b",     "",        " ",      "a\u0308pfel", "A\u0308PFEL", "zebra"};

} // namespace

class StoreRandomTest : public QObject {
    Q_OBJECT

private:
    // In memory where the system has it: this test is about the model, not
    // the disk, and a disk's syncs would make it slow.
    QTemporaryDir dir_{QDir("/dev/shm").exists() ? "/dev/shm/store_random_test-XXXXXX"
                                                 : QDir::tempPath() + "/store_random_test-XXXXXX"};
    QRandomGenerator rng_{20240601};
    Model model_;
    std::unique_ptr<Database> db_;
    std::array<Cursor, 2> cursors_;
    std::optional<Transaction> transaction_;
    std::vector<ModelRow> snapshot_;
    QString file_;
    std::string why_;          // what differed, for the failure text
    sqlite3* other_ = nullptr; // another program's connection

    // Runs one statement on the other connection with `values` bound.
    void otherWrites(const std::string& sql, const std::vector<FieldValue>& values) {
        sqlite3_stmt* statement = nullptr;
        QCOMPARE(sqlite3_prepare_v2(other_, sql.c_str(), -1, &statement, nullptr), SQLITE_OK);
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (values[i])
                sqlite3_bind_text(statement, int(i) + 1, values[i]->c_str(), -1, SQLITE_TRANSIENT);
        }
        const int rc = sqlite3_step(statement);
        sqlite3_finalize(statement);
        QVERIFY2(rc == SQLITE_DONE, sqlite3_errmsg(other_));
    }

    bool stale(const Cursor& c) const {
        return c.where == Cursor::Row && c.lastRead && c.lastRead->first == c.serial &&
               !(c.lastRead->second == model_.find(c.serial)->record);
    }

    void deleted(int serial, Cursor* by) {
        const std::string key = model_.find(serial)->key;
        std::erase_if(model_.rows, [serial](const ModelRow& r) { return r.serial == serial; });
        model_.changed();
        for (Cursor& each : cursors_) {
            if (each.where == Cursor::Row && each.serial == serial) {
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

    // Another program adds, changes or deletes a row, keeping to the rule
    // that a rowid is never handed out twice.
    void otherProgramStep() {
        const int what = draw(3);
        if (what == 0 || model_.rows.empty()) {
            const int serial = model_.committed = model_.nextSerial++;
            WordRecord record{randomWord(), "other" + std::to_string(serial), "c1", "c2", "c3", {}};
            otherWrites("BEGIN", {});
            otherWrites("INSERT INTO word0 (rowid, word, ans, c1, c2, c3, ref) "
                        "VALUES (" +
                            std::to_string(serial) + ", ?, ?, ?, ?, ?, ?)",
                        {record.word, record.ans, record.c1, record.c2, record.c3, record.ref});
            otherWrites("INSERT OR REPLACE INTO lexitor_rowids VALUES ('word0', " +
                            std::to_string(serial) + ")",
                        {});
            otherWrites("COMMIT", {});
            model_.rows.push_back({serial, record, fold(*record.word)});
            model_.changed();
            return;
        }
        ModelRow& row = model_.rows[static_cast<std::size_t>(draw(model_.rows.size()))];
        const std::string rowId = std::to_string(row.serial);
        if (what == 1) {
            otherWrites("DELETE FROM word0 WHERE rowid=" + rowId, {});
            deleted(row.serial, nullptr);
            return;
        }
        row.record.ans = "changed" + std::to_string(draw(1000));
        if (draw(2) == 0) {
            row.record.word = randomWord();
            row.key = fold(*row.record.word);
            model_.changed();
        }
        otherWrites("UPDATE word0 SET word=?, ans=? WHERE rowid=" + rowId,
                    {row.record.word, row.record.ans});
    }

    int draw(int below) { return static_cast<int>(rng_.bounded(below)); }
    std::string randomWord() { return kWords[static_cast<std::size_t>(draw(kWords.size()))]; }

    void placeAt(Cursor& c, long long at) {
        const auto& serials = model_.order(c.indexed);
        if (at < 0) {
            c.where = Cursor::Bof;
        } else if (at >= static_cast<long long>(serials.size())) {
            c.where = Cursor::Eof;
        } else {
            c.where = Cursor::Row;
            c.serial = serials[static_cast<std::size_t>(at)];
        }
    }

    // Runs `call` on the engine; the model said whether it must fail.
    bool expectOutcome(bool shouldFail, const std::function<void()>& call) {
        const std::string error = errorOf(call);
        if (error.empty() == shouldFail) {
            why_ = shouldFail ? "expected an error" : "unexpected error: " + error;
            return false;
        }
        return true;
    }

    void reopen() {
        if (transaction_) {
            transaction_->commit();
            transaction_.reset();
            model_.commit();
        }
        for (auto& c : cursors_)
            c = Cursor{};
        db_.reset();
        model_.nextSerial = model_.committed + 1;
        db_ = openDb(file_);
        // The file holds exactly the model, in both orders.
        auto check = db_->OpenRecordset("word0");
        QCOMPARE(check->RecordCount(), static_cast<int>(model_.rows.size()));
        std::vector<WordRecord> expected, seen;
        for (int serial : model_.order(false))
            expected.push_back(model_.find(serial)->record);
        if (!expected.empty()) {
            for (check->MoveFirst(); !check->Eof(); check->MoveNext())
                seen.push_back(currentRecord(*check));
        }
        QVERIFY(seen == expected);
        check->Index("wrdin");
        std::vector<std::string> expectedWords;
        for (int serial : model_.order(true))
            expectedWords.push_back(*model_.find(serial)->record.word);
        QCOMPARE(walk(*check), expectedWords);
        check->Close();
        for (auto& c : cursors_)
            c.rs = db_->OpenRecordset("word0");
    }

    // One random call on cursor `c`; returns false when engine and model disagree.
    bool step(Cursor& c) {
        const auto size = static_cast<long long>(model_.rows.size());
        const bool row = c.where == Cursor::Row;
        const int op = draw(100);
        why_ = "op " + std::to_string(op) + " where " + std::to_string(c.where) +
               (c.indexed ? " indexed" : "") + ": ";
        if (op < 12) {
            const bool first = op < 8;
            const bool fail = size == 0;
            if (!expectOutcome(fail, [&] { first ? c.rs->MoveFirst() : c.rs->MoveLast(); }))
                return false;
            if (!fail)
                placeAt(c, first ? 0 : size - 1);
        } else if (op < 40) {
            const int n = draw(10) == 0 ? draw(2001) - 1000 : draw(7) - 3;
            bool fail = false;
            long long base = 0;
            switch (c.where) {
            case Cursor::Unset:
                fail = true;
                break;
            case Cursor::Bof:
                fail = n <= 0;
                base = -1;
                break;
            case Cursor::Eof:
                fail = n >= 0;
                base = size;
                break;
            case Cursor::Row:
                base = model_.place(c);
                break;
            case Cursor::Deleted:
                fail = n == 0;
                base = model_.place(c) - (n > 0 ? 1 : 0);
                break;
            }
            const auto call = [&] {
                n == 1 ? c.rs->MoveNext() : n == -1 ? c.rs->MovePrevious() : c.rs->Move(n);
            };
            if (!expectOutcome(fail, call))
                return false;
            if (!fail && n != 0)
                placeAt(c, base + n);
        } else if (op < 50) {
            const std::string key = randomWord();
            const bool ge = draw(2) == 0;
            if (!expectOutcome(!c.indexed, [&] { c.rs->Seek(ge ? ">=" : "=", key); }))
                return false;
            if (c.indexed) {
                const std::string folded = fold(key);
                const auto& serials = model_.order(true);
                const auto it = std::find_if(serials.begin(), serials.end(),
                                             [&](int s) { return model_.find(s)->key >= folded; });
                const bool match = it != serials.end() && (ge || model_.find(*it)->key == folded);
                if (c.rs->NoMatch() == match)
                    return false;
                c.where = match ? Cursor::Row : Cursor::Unset;
                c.serial = match ? *it : 0;
            }
        } else if (op < 54) {
            const bool indexed = draw(2) == 0;
            c.rs->Index(indexed ? "wrdin" : "");
            if (indexed != c.indexed && c.where == Cursor::Deleted)
                c.where = Cursor::Unset;
            c.indexed = indexed;
        } else if (op < 58) {
            if (!expectOutcome(!row,
                               [&] { c.bookmarks.emplace_back(c.rs->Bookmark(), c.serial); })) {
                return false;
            }
        } else if (op < 62 && !c.bookmarks.empty()) {
            const auto& [mark, serial] =
                c.bookmarks[static_cast<std::size_t>(draw(c.bookmarks.size()))];
            const bool fail = model_.find(serial) == nullptr;
            if (!expectOutcome(fail, [&] { c.rs->Bookmark(mark); }))
                return false;
            if (!fail) {
                c.where = Cursor::Row;
                c.serial = serial;
            }
        } else if (op < 74 && size < 400) {
            const int serial = model_.nextSerial++;
            (transaction_ ? model_.pending : model_.committed) = serial;
            WordRecord record{randomWord(), "ans" + std::to_string(serial), "c1", std::nullopt, "",
                              "ref"};
            appendRecord(*c.rs, record);
            model_.rows.push_back({serial, record, fold(*record.word)});
            model_.changed();
        } else if (op < 84) {
            if (!expectOutcome(!row, [&] { c.rs->Edit(); })) {
                return false;
            }
            if (row) {
                const bool refused = stale(c);
                ModelRow edited = *model_.find(c.serial);
                if (draw(2) == 0) {
                    edited.record.word = randomWord();
                    edited.key = fold(*edited.record.word);
                    c.rs->SetField("word", edited.record.word);
                }
                edited.record.c2 = "edit" + std::to_string(draw(1000));
                c.rs->SetField("c2", edited.record.c2);
                const std::string error = errorOf([&] { c.rs->Update(); });
                if (error.starts_with("RowChanged: ") != refused || (!refused && !error.empty())) {
                    why_ += "update: " + error;
                    return false;
                }
                c.lastRead.reset();
                if (!refused) {
                    *model_.find(c.serial) = edited;
                    model_.changed();
                    c.lastRead.emplace(c.serial, edited.record);
                }
            }
        } else if (op < 92) {
            const bool refused = stale(c);
            const std::string error = errorOf([&] { c.rs->Delete(); });
            if (error.empty() != (row && !refused) ||
                error.starts_with("RowChanged: ") != refused) {
                why_ += "delete: " + error;
                return false;
            }
            if (refused)
                c.lastRead.reset();
            else if (row)
                deleted(c.serial, &c);
        }
        return check(c);
    }

    // The engine's view of the cursor matches the model's.
    bool check(Cursor& c) {
        if (c.where == Cursor::Row)
            c.key = model_.find(c.serial)->key;
        const bool empty = model_.rows.empty();
        if (c.rs->Bof() != (c.where == Cursor::Bof || (c.where == Cursor::Unset && empty)) ||
            c.rs->Eof() != (c.where == Cursor::Eof || (c.where == Cursor::Unset && empty))) {
            why_ += "BOF/EOF differ, model where " + std::to_string(c.where);
            return false;
        }
        if (c.where == Cursor::Row) {
            const auto seen = errorOf([&] {
                if (!(currentRecord(*c.rs) == model_.find(c.serial)->record)) {
                    throw EngineError("row differs: engine " + c.rs->Field("ans").value_or("?") +
                                      " model " + *model_.find(c.serial)->record.ans);
                }
            });
            c.lastRead.emplace(c.serial, model_.find(c.serial)->record);
            why_ += seen;
            return seen.empty();
        }
        const std::string expected = c.where != Cursor::Deleted ? "No current record."
                                     : c.deletedHere            ? "Record is deleted."
                                                                : "RowGone: ";
        const std::string seen = errorOf([&] { c.rs->Field("word"); });
        why_ += "expected '" + expected + "', got '" + seen + "'";
        return seen.starts_with(expected);
    }

    // Ends the running transaction, if any, by a commit or a rollback, and
    // mostly starts the next one at once (sparing an fsync per change).
    void transactionStep() {
        if (transaction_) {
            const bool commit = draw(5) != 0;
            if (commit)
                transaction_->commit();
            transaction_.reset();
            commit ? model_.commit() : rolledBack();
        }
        if (draw(20) != 0) {
            transaction_.emplace(*db_);
            snapshot_ = model_.rows;
        }
    }

    void rolledBack() {
        model_.pending = 0;
        model_.rows = snapshot_;
        model_.changed();
        // Rows that vanished leave no place to move from: start again at the top.
        for (auto& c : cursors_) {
            const bool lost =
                c.where == Cursor::Deleted || (c.where == Cursor::Row && !model_.find(c.serial));
            if (lost && !model_.rows.empty()) {
                c.rs->MoveFirst();
                placeAt(c, 0);
            } else if (lost) {
                c.where = Cursor::Deleted;
                c.deletedHere = false;
            }
            std::erase_if(c.bookmarks, [&](const auto& b) { return !model_.find(b.second); });
        }
    }

private slots:
    void randomOperationsMatchTheModel() {
        file_ = dir_.filePath("word0.mdb");
        makeLevelFile(file_, 0, {"seed", "Seed", "grape"});
        model_.rows = {{1, sampleRecord("seed"), "seed"},
                       {2, sampleRecord("Seed"), "seed"},
                       {3, sampleRecord("grape"), "grape"}};
        model_.committed = 3;
        model_.changed();
        QCOMPARE(sqlite3_open(file_.toUtf8().constData(), &other_), SQLITE_OK);
        sqlite3_busy_timeout(other_, 10000);
        reopen();
        constexpr int kOperations = 100000;
        for (int i = 1; i <= kOperations; ++i) {
            if (i % 400 == 0)
                transactionStep();
            if (i == kOperations / 2)
                reopen();
            // Between two calls, not seen until the next one.
            if (!transaction_ && draw(20) == 0) {
                otherProgramStep();
                continue;
            }
            auto& c = cursors_[static_cast<std::size_t>(draw(2))];
            if (!step(c)) {
                QFAIL(qPrintable(QStringLiteral("engine and model differ at operation %1: %2")
                                     .arg(i)
                                     .arg(QString::fromStdString(why_))));
            }
        }
        reopen();
        sqlite3_close(other_);
        QVERIFY(model_.rows.size() > 20);
    }
};

QTEST_GUILESS_MAIN(StoreRandomTest)
#include "StoreRandomTest.moc"
