#include "store/Transaction.h"

#include "store/detail/Connection.h"

namespace lexitor::store {

Transaction::Transaction(Database& database) : connection_(database.connection_) {
    connection_->begin();
}

Transaction::~Transaction() {
    if (!committed_) {
        connection_->rollback();
    }
}

void Transaction::commit() {
    if (committed_) {
        throw EngineError("The transaction on '" + connection_->name() + "' is already committed.");
    }
    connection_->commit();
    committed_ = true;
}

} // namespace lexitor::store
