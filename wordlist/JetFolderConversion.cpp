#include "wordlist/JetFolderConversion.h"

#include "store/LevelWords.h"
#include "store/Recordset.h"
#include "store/WordRecord.h"
#include "store/WordRules.h"
#include "wordlist/LevelFiles.h"
#include "wordlist/LevelWriter.h"
#include "wordlist/formats/JetReader.h"
#include "wordlist/formats/RowChecks.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>

namespace lexitor::wordlist {

namespace {

class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// Tests stop the conversion at a named step exactly as a kill would.
void stopHereInTests(const char* step) {
    static const QByteArray wanted = qgetenv("LEXITOR_TEST_STOP_CONVERSION_AT");
    if (wanted == step)
        std::raise(SIGKILL);
}

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

QString systemError(const QString& what, const QString& path) {
    return QStringLiteral("%1 '%2': %3")
        .arg(what, QFileInfo(path).fileName(), QString::fromLocal8Bit(std::strerror(errno)));
}

void syncToDisk(const QString& path, bool directory) {
    const int fd =
        ::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC | (directory ? O_DIRECTORY : 0));
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    errno = error;
    if (!synced)
        throw ConversionError(systemError(QStringLiteral("cannot write to disk"), path));
}

bool sameBytes(const QString& a, const QString& b) {
    struct stat sa {
    }, sb{};
    if (::stat(nativePath(a).constData(), &sa) != 0 || ::stat(nativePath(b).constData(), &sb) != 0)
        return false;
    if (sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino)
        return true;
    QFile fa(a), fb(b);
    if (sa.st_size != sb.st_size || !fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly))
        return false;
    while (!fa.atEnd()) {
        if (fa.read(1 << 16) != fb.read(1 << 16))
            return false;
    }
    return true;
}

// Keeps the original under a name of its own beside it: word1.mdb.jet, or
// word1.mdb.2.jet ... when that name holds another file, which is never
// replaced. A name that already holds the same bytes was kept by an earlier,
// interrupted run.
QString keepOriginal(const QString& path) {
    for (int n = 1; n < 100; ++n) {
        const QString kept =
            n == 1 ? path + QStringLiteral(".jet") : QStringLiteral("%1.%2.jet").arg(path).arg(n);
        if (QFileInfo::exists(kept) || QFileInfo(kept).isSymLink()) {
            if (sameBytes(path, kept))
                return kept;
            continue;
        }
        if (::link(nativePath(path).constData(), nativePath(kept).constData()) == 0)
            return kept;
        if (errno == EEXIST) {
            --n; // someone took the name meanwhile: look at it again
            continue;
        }
        // A file system without hard links: a copy, complete before it
        // takes the name.
        const QString copy = kept + QStringLiteral(".tmp");
        QFile::remove(copy);
        if (!QFile::copy(path, copy))
            throw ConversionError(systemError(QStringLiteral("cannot keep a copy of"), path));
        syncToDisk(copy, false);
        if (::rename(nativePath(copy).constData(), nativePath(kept).constData()) != 0)
            throw ConversionError(systemError(QStringLiteral("cannot keep a copy of"), path));
        return kept;
    }
    throw ConversionError(QStringLiteral("there are too many kept originals of '%1'")
                              .arg(QFileInfo(path).fileName()));
}

void removeLeftovers(const QString& temporary) {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(temporary + QLatin1String(suffix));
}

ConvertedFile convertFile(const QString& folder, int level, const JetWords& words) {
    const QString path = levelFilePath(folder, level);
    const QString temporary = path + QStringLiteral(".converting");
    removeLeftovers(temporary); // from a run that was killed
    try {
        writeLevelFile(temporary, level, words.rows, [] { stopHereInTests("writing"); });
        for (const char* journal : {"-wal", "-journal"}) {
            if (QFileInfo(temporary + QLatin1String(journal)).size() > 0)
                throw ConversionError(QStringLiteral("the new file could not be completed"));
        }
        syncToDisk(temporary, false);
        stopHereInTests("written");
        const QString kept = keepOriginal(path);
        syncToDisk(folder, true);
        stopHereInTests("kept");
        if (::rename(nativePath(temporary).constData(), nativePath(path).constData()) != 0)
            throw ConversionError(systemError(QStringLiteral("cannot replace"), path));
        stopHereInTests("swapped");
        try {
            syncToDisk(folder, true);
        } catch (const ConversionError&) {
            // The file is converted; the next sync of the folder records its name.
        }
        return {level, QFileInfo(kept).fileName(), words.rows.size(), words.otherFields};
    } catch (...) {
        removeLeftovers(temporary);
        throw;
    }
}

QString fileName(int level) {
    return QFileInfo(levelFilePath({}, level)).fileName();
}

// The levels of the folder in Lexitor's format, with the place of each row
// in its table, so that a row the index finds can be named.
struct StoredLevels {
    std::array<std::unique_ptr<store::Database>, store::kLevelCount> databases;
    std::array<std::unique_ptr<store::Recordset>, store::kLevelCount> tables; // closed first
    std::array<QHash<long long, int>, store::kLevelCount> rowOf;              // by rowid
};

void openStoredLevels(const QString& folder, StoredLevels& levels) {
    for (const store::LevelDatabase& level : store::kLevels) {
        const QString path = levelFilePath(folder, level.level);
        if (!QFileInfo::exists(path))
            continue;
        try {
            auto database = store::DBEngine::instance().OpenDatabase(path.toStdString());
            auto table = database->OpenRecordset(std::string(level.table));
            int row = 0;
            if (table->RecordCount() > 0) {
                for (table->MoveFirst(); !table->Eof(); table->MoveNext())
                    levels.rowOf[level.level].insert(table->Bookmark().rowId, ++row);
            }
            levels.databases[level.level] = std::move(database);
            levels.tables[level.level] = std::move(table);
        } catch (const store::EngineError&) {
            // A level that cannot be read holds no words to compare with here.
        }
    }
}

QStringList flaggedRows(const QString& folder,
                        const std::array<std::optional<JetWords>, store::kLevelCount>& converted) {
    StoredLevels stored;
    openStoredLevels(folder, stored);
    QStringList lines;
    for (int level = 0; level < store::kLevelCount; ++level) {
        if (!converted[level])
            continue;
        FirstPlaces earlier;
        store::LevelTables others{};
        for (int other = 0; other < store::kLevelCount; ++other)
            others[other] = other == level ? nullptr : stored.tables[other].get();
        const std::vector<store::WordRecord>& rows = converted[level]->rows;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int row = int(i) + 1;
            QStringList problems = rowProblems(rows[i]);
            if (isLongEnough(rows[i].word, store::kShortestWord)) {
                if (const std::optional<int> first = earlier.firstOf(*rows[i].word, row))
                    problems.append(QStringLiteral("the word is also on row %1").arg(*first));
                if (const std::optional<int> other = store::levelHolding(others, *rows[i].word))
                    problems.append(QStringLiteral("the word is also in level %1 (%2 row %3)")
                                        .arg(*other)
                                        .arg(fileName(*other))
                                        .arg(stored.rowOf[*other].value(
                                            others[*other]->Bookmark().rowId)));
            }
            const QString word =
                rows[i].word ? QString::fromStdString(searchWord(*rows[i].word)) : QString();
            if (!problems.isEmpty())
                lines.append(QStringLiteral("%1 row %2 \"%3\": %4")
                                 .arg(fileName(level))
                                 .arg(row)
                                 .arg(word, problems.join(QStringLiteral("; "))));
        }
    }
    return lines;
}

// Adds a section to the report beside the files; a report that cannot be
// written costs nothing but the list, so its failure is not the conversion's.
void writeReport(const FolderConversion& conversion) {
    QFile report(QDir(conversion.folder).filePath(kConversionReportName));
    if (!report.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    QString text = QStringLiteral("Word files brought across from the Jet format on %1:\n")
                       .arg(QDateTime::currentDateTime().toString(Qt::ISODate));
    for (const ConvertedFile& file : conversion.converted)
        text += QStringLiteral("  %1: %2 rows; the original is kept as %3\n")
                    .arg(fileName(file.level))
                    .arg(file.rows)
                    .arg(file.keptAs);
    text += QStringLiteral("Rows carried over that Lexitor's checks would refuse today:\n");
    for (const QString& line : conversion.flagged)
        text += QStringLiteral("  ") + line + QLatin1Char('\n');
    report.write((text + QLatin1Char('\n')).toUtf8());
    report.flush();
    ::fsync(report.handle());
}

} // namespace

FolderConversion convertJetFolder(const QString& folder) {
    FolderConversion result;
    result.folder = QDir(folder).absolutePath();
    std::array<std::optional<JetWords>, store::kLevelCount> read;
    for (const store::LevelDatabase& level : store::kLevels) {
        const QString path = levelFilePath(result.folder, level.level);
        if (!isJetFile(path))
            continue;
        try {
            read[level.level] =
                readJetWords(path, QString::fromLatin1(level.table.data(), level.table.size()));
        } catch (const JetError& error) {
            result.refused.push_back({level.level, QString::fromStdString(error.what())});
        }
    }
    for (int level = 0; level < store::kLevelCount; ++level) {
        if (!read[level])
            continue;
        try {
            result.converted.push_back(convertFile(result.folder, level, *read[level]));
        } catch (const std::exception& error) {
            result.refused.push_back(
                {level, QStringLiteral("'%1' could not be converted: %2")
                            .arg(fileName(level), QString::fromStdString(error.what()))});
            read[level].reset();
        }
    }
    if (!result.converted.empty()) {
        result.flagged = flaggedRows(result.folder, read);
        if (!result.flagged.isEmpty())
            writeReport(result);
    }
    return result;
}

QString conversionMessage(const FolderConversion& conversion) {
    QStringList paragraphs;
    if (!conversion.converted.empty()) {
        QStringList files, kept, unused;
        for (const ConvertedFile& file : conversion.converted) {
            files.append(QStringLiteral("%1 (%2 words)").arg(fileName(file.level)).arg(file.rows));
            kept.append(file.keptAs);
            if (!file.otherFields.isEmpty())
                unused.append(
                    QStringLiteral("%1 of %2")
                        .arg(file.otherFields.join(QStringLiteral(", ")), fileName(file.level)));
        }
        paragraphs.append(QStringLiteral("These word files were brought across from the Jet "
                                         "format: %1. The original files are kept unchanged "
                                         "beside them in %2, as %3.")
                              .arg(files.join(QStringLiteral(", ")), conversion.folder,
                                   kept.join(QStringLiteral(", "))));
        if (!unused.isEmpty())
            paragraphs.append(QStringLiteral("Lexitor has no use for the fields %1; they stay "
                                             "in the kept originals.")
                                  .arg(unused.join(QStringLiteral("; "))));
        if (!conversion.flagged.isEmpty())
            paragraphs.append(QStringLiteral("%1 of the rows carried over would not pass "
                                             "Lexitor's checks today (a word in two places, a "
                                             "short word or a missing meaning). They were "
                                             "kept all the same and are listed in %2.")
                                  .arg(conversion.flagged.size())
                                  .arg(QDir(conversion.folder).filePath(kConversionReportName)));
    }
    for (const RefusedFile& file : conversion.refused)
        paragraphs.append(file.reason + QStringLiteral(". The file was left as it is."));
    return paragraphs.join(QStringLiteral("\n\n"));
}

} // namespace lexitor::wordlist
