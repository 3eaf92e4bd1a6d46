// DBEngine and Database: opening word database files and their tables.
#include "store/Engine.h"

#include "store/MessageText.h"
#include "store/detail/Companions.h"
#include "store/detail/Connection.h"
#include "store/detail/FileCheck.h"
#include "store/detail/LockWait.h"
#include "store/detail/RecordsetState.h"

namespace lexitor::store {

DBEngine::DBEngine(EngineSettings settings)
    : settings_(std::make_shared<const EngineSettings>(std::move(settings))) {}

DBEngine& DBEngine::instance() {
    static DBEngine engine;
    return engine;
}

void DBEngine::setSettings(EngineSettings settings) {
    settings_ = std::make_shared<const EngineSettings>(std::move(settings));
}

std::unique_ptr<Database> DBEngine::OpenDatabase(const std::string& given) {
    WordFile file = checkWordFile(given);
    const std::string name = excerptPath(given); // as messages show it
    if (!settings_->readOnly.empty()) {
        file.readOnly = settings_->readOnly;
    }
    std::shared_ptr<Connection> connection;
    try {
        const LockWait notices(settings_);
        ConnectionOptions options{file.readOnly, settings_, file.descriptor, {}};
        std::string path = file.path;
        if (auto copy = checkCompanions(file, name, notices)) {
            path = copy->path;
            options = {copy->why, settings_, nullptr, copy->folder};
        }
        connection = std::make_shared<Connection>(path, name, std::move(options));
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
