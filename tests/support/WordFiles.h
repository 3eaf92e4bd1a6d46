#pragma once
// A temporary working directory holding the three level databases, made
// with the store itself, for screen tests.

#include "store/Recordset.h"
#include "store/Transaction.h"
#include "store/WordRecord.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <vector>

namespace lexitor::testing {

inline store::WordRecord wordRow(const char* word, const char* ans, const char* c1 = "first wrong",
                                 const char* c2 = "second wrong", const char* c3 = "third wrong",
                                 std::optional<std::string> ref = std::nullopt) {
    return {word, ans, c1, c2, c3, std::move(ref)};
}

// The words of `rows` in order, "<null>" for a row without one.
inline std::vector<std::string> wordsOf(const std::vector<store::WordRecord>& rows) {
    std::vector<std::string> words;
    for (const auto& row : rows)
        words.push_back(row.word.value_or("<null>"));
    return words;
}

// Every row of the level database `file` in table order.
inline std::vector<store::WordRecord> levelRows(const QString& file, int level) {
    std::vector<store::WordRecord> all;
    auto db = store::DBEngine::instance().OpenDatabase(file.toStdString());
    auto rs = db->OpenRecordset(std::string(store::levelDatabase(level).table));
    if (rs->RecordCount() > 0) {
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
            all.push_back(store::currentRecord(*rs));
    }
    return all;
}

// Adds `rows` to the level database `file` in one commit, so that large
// tables are quick to make.
inline void addRows(const QString& file, int level, const std::vector<store::WordRecord>& rows) {
    auto db = store::DBEngine::instance().OpenDatabase(file.toStdString());
    auto rs = db->OpenRecordset(std::string(store::levelDatabase(level).table));
    store::Transaction transaction(*db);
    for (const auto& row : rows)
        store::appendRecord(*rs, row);
    transaction.commit();
}

// Makes the working directory the temporary one for its lifetime.
class WordFiles {
public:
    WordFiles() : previous_(QDir::currentPath()) {
        for (const auto& level : store::kLevels)
            store::createLevelDatabase(path(level.level).toStdString(), level.level);
        QDir::setCurrent(dir_.path());
    }
    ~WordFiles() { QDir::setCurrent(previous_); }
    WordFiles(const WordFiles&) = delete;
    WordFiles& operator=(const WordFiles&) = delete;

    QString path(int level) const {
        return dir_.filePath(QString::fromUtf8(store::levelDatabase(level).file.data(),
                                               store::levelDatabase(level).file.size()));
    }
    void add(int level, const std::vector<store::WordRecord>& rows) const {
        addRows(path(level), level, rows);
    }
    // Every row of a level in table order.
    std::vector<store::WordRecord> rows(int level) const { return levelRows(path(level), level); }
    QString dir() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

} // namespace lexitor::testing
