#pragma once
// What the store harnesses share: a folder of their own for the files they
// write, and a walk over an opened level table that uses every way the
// screens read it.

#include "store/Engine.h"
#include "store/Recordset.h"
#include "store/WordRecord.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace lexitor::fuzz {

// The folder the harness writes its files in, made once per process;
// notices about set-aside journals are dropped and no lock is waited for.
inline const QTemporaryDir& scratchFolder() {
    static const QTemporaryDir folder = [] {
        store::EngineSettings settings;
        settings.notice = [](const std::string&) {};
        settings.lockWaitLimit = std::chrono::milliseconds(0);
        store::DBEngine::instance().setSettings(std::move(settings));
        return QTemporaryDir();
    }();
    return folder;
}

inline void writeBytes(const QString& path, const std::uint8_t* data, std::size_t size) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
}

// Removes the word file and every file SQLite or the store may leave beside it.
inline void removeWordFile(const QString& path) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm", "-journal.foreign", "-wal.foreign"})
        QFile::remove(path + QLatin1String(suffix));
}

// Opens `path` as the level-1 word file and reads it every way the screens
// do; a file the store refuses is an EngineError, which is fine.
inline void openAndWalk(const QString& path) {
    try {
        auto database = store::DBEngine::instance().OpenDatabase(path.toStdString());
        auto table = database->OpenRecordset("word1");
        const int count = table->RecordCount();
        if (count > 0) {
            for (table->MoveFirst(); !table->Eof(); table->MoveNext())
                store::currentRecord(*table);
            table->MoveLast();
            table->Move(-count / 2);
            table->MovePrevious();
        }
        table->Index("wrd1in");
        table->Seek(">=", "m");
        if (!table->NoMatch()) {
            store::currentRecord(*table);
            table->MoveNext();
        }
        table->Seek("=", "apple");
        table->Close();
        database->Close();
    } catch (const store::EngineError&) {
    }
}

} // namespace lexitor::fuzz
