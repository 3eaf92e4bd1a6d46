#include "StoreFixtures.h"

#include "store/detail/Connection.h"
#include "support/WordFiles.h"

namespace lexitor::testing {

std::string firstValue(const QString& path, const std::string& sql) {
    Connection connection(path.toStdString(), "check");
    Query query(connection.statement(sql));
    return query->step() ? query->text(0).value_or("") : "";
}

std::unique_ptr<Database> openDb(const QString& path, DBEngine& engine) {
    return engine.OpenDatabase(path.toStdString());
}

WordRecord sampleRecord(const std::string& word) {
    return {word, word + "-ans", word + "-c1", word + "-c2", word + "-c3", word + "-ref"};
}

void makeLevelFile(const QString& path, int level, const std::vector<std::string>& words) {
    createLevelDatabase(path.toStdString(), level);
    std::vector<WordRecord> rows;
    for (const auto& word : words)
        rows.push_back(sampleRecord(word));
    addRows(path, level, rows);
}

std::vector<std::string> walk(Recordset& rs) {
    std::vector<std::string> words;
    if (rs.RecordCount() == 0)
        return words;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        words.push_back(rs.Field("word").value_or("<null>"));
    return words;
}

std::string errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const RecoverableError& error) {
        static const char* const kinds[] = {"RowChanged", "RowGone", "Busy", "ReadOnly",
                                            "DiskFull"};
        return std::string(kinds[static_cast<int>(error.kind())]) + ": " + error.what();
    } catch (const EngineError& error) {
        return error.what();
    }
    return {};
}

} // namespace lexitor::testing
