#pragma once
// Many changes as one all-or-nothing step (bulk imports and conversions;
// the screens never need one). Without a transaction every Update and
// Delete is its own durable step.
//
//     Transaction transaction(database);
//     ... AddNew/Update, Edit/Update, Delete on its recordsets ...
//     transaction.commit();
//
// Leaving the scope without commit(), by an exception or a return, undoes
// every change made since the constructor.

#include "store/Engine.h"

#include <memory>

namespace lexitor::store {

class Transaction {
public:
    // Begins at once, holding the file's write lock until it ends. One
    // transaction at a time per Database: a second is an EngineError, as is
    // a Database that is closed or can only be read.
    explicit Transaction(Database& database);
    // Rolls back unless committed; never throws.
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Makes every change durable. A failed commit leaves the transaction
    // running, to be rolled back by the destructor; a second commit is an
    // EngineError.
    void commit();

private:
    std::shared_ptr<Connection> connection_;
    bool committed_ = false;
};

} // namespace lexitor::store
