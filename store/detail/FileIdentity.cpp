#include "store/detail/FileIdentity.h"

#include "store/detail/Connection.h"

#include <QUuid>

namespace lexitor::store {

namespace {

bool hasTable(Connection& connection) {
    Query query(connection.statement(
        "SELECT 1 FROM sqlite_schema WHERE type='table' AND name='lexitor_file'"));
    return query->step();
}

} // namespace

std::optional<FileIdentity> readIdentity(Connection& connection) {
    try {
        if (!hasTable(connection))
            return std::nullopt;
        Query query(connection.statement("SELECT id, changes, journal FROM lexitor_file"));
        if (!query->step())
            return std::nullopt;
        return FileIdentity{query->text(0).value_or(""), query->integer(1), query->integer(2)};
    } catch (const EngineError&) {
        return std::nullopt;
    }
}

long long identityPage(Connection& connection) {
    Query query(connection.statement(
        "SELECT rootpage FROM sqlite_schema WHERE type='table' AND name='lexitor_file'"));
    return query->step() ? query->integer(0) : 0;
}

void makeIdentity(Connection& connection) {
    connection.exec("CREATE TABLE IF NOT EXISTS lexitor_file (id TEXT NOT NULL, "
                    "changes INTEGER NOT NULL, journal INTEGER NOT NULL)");
    Query query(connection.statement(
        "INSERT INTO lexitor_file (id, changes, journal) SELECT ?, 0, 0 "
        "WHERE NOT EXISTS (SELECT 1 FROM lexitor_file)"));
    query->bind(1, QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString());
    query->step();
}

void stampChange(Connection& connection) {
    {
        Query count(connection.statement("UPDATE lexitor_file SET changes = changes + 1"));
        count->step();
    }
    if (connection.changes() == 0) // emptied by another program
        makeIdentity(connection);
    // The first page written has opened the journal and given it its nonce.
    Query mark(connection.statement("UPDATE lexitor_file SET journal = ?"));
    mark->bind(1, static_cast<long long>(connection.journalNonce()));
    mark->step();
}

} // namespace lexitor::store
