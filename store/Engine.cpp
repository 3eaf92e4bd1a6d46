// DBEngine and Database: opening word database files and their tables.
#include "store/Engine.h"

#include "store/detail/Companions.h"
#include "store/detail/Connection.h"
#include "store/detail/FileCheck.h"
#include "store/detail/RecordsetState.h"

#include <QFileInfo>

namespace lexitor::store {

DBEngine& DBEngine::instance() {
    static DBEngine engine;
    return engine;
}

std::unique_ptr<Database> DBEngine::OpenDatabase(const std::string& name) {
    const WordFile file = checkWordFile(name);
    std::shared_ptr<Connection> connection;
    try {
        checkCompanions(file.path, name, file.readOnly.empty());
        // Nobody can write where nobody can make a journal: SQLite may skip
        // its locks, unless a journal stands there already.
        const bool immutable = file.folderReadOnly &&
                               !QFileInfo::exists(QString::fromStdString(file.path + "-journal")) &&
                               !QFileInfo::exists(QString::fromStdString(file.path + "-wal"));
        connection = std::make_shared<Connection>(file.path, name, file.readOnly, immutable);
        // Reading the schema must not change the file, whatever it holds.
        connection->exec("PRAGMA query_only=ON");
        checkWordSchema(*connection);
        connection->exec("PRAGMA query_only=OFF");
        connection->settleJournal();
    } catch (const RecoverableError& error) {
        // A file that cannot be opened now is an opening failure like any other.
        throw EngineError(error.what());
    }
    return std::unique_ptr<Database>(new Database(name, std::move(connection)));
}

Database::Database(std::string name, std::shared_ptr<Connection> connection)
    : name_(std::move(name)), connection_(std::move(connection)) {}

Database::~Database() {
    try {
        Close();
    } catch (...) {
        // Closing releases memory and the file; nothing is left to report to.
    }
}

std::unique_ptr<Recordset> Database::OpenRecordset(const std::string& table, int type) {
    if (!connection_->isOpen()) {
        throw EngineError("The database '" + name_ + "' is closed.");
    }
    if (type != dbOpenTable) {
        throw EngineError("Only table-type recordsets (dbOpenTable) are supported.");
    }
    auto state = std::make_unique<Recordset::State>();
    state->connection = connection_;
    state->table = checkWordTable(*connection_, table);
    state->quotedTable = quotedName(state->table);
    state->order = connection_->order(state->table);
    return std::unique_ptr<Recordset>(new Recordset(std::move(state)));
}

void Database::Close() {
    connection_->close();
}

} // namespace lexitor::store
