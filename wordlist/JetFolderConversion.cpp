#include "wordlist/JetFolderConversion.h"

#include "store/FileKind.h"
#include "store/IndexKey.h"
#include "store/MessageText.h"
#include "store/Recordset.h"
#include "store/WordRecord.h"
#include "store/WordRules.h"
#include "wordlist/JetFolderConversionFiles.h"
#include "wordlist/JetFolderConversionState.h"
#include "wordlist/LevelWriter.h"
#include "wordlist/formats/RowChecks.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <chrono>
#include <optional>
#include <utility>

namespace lexitor::wordlist {

namespace {

using conversion::FileError;
using LevelWords = std::array<std::optional<JetWords>, store::kLevelCount>;

QString sentence(const QString& text) {
    return QString::fromStdString(store::sentence(text.toStdString()));
}

QString levelPath(const QString& folder, int level) {
    const auto file = store::levelDatabase(level).file;
    return QDir(folder).filePath(QString::fromLatin1(file.data(), qsizetype(file.size())));
}

QString fileName(int level) {
    return conversion::levelFileName(level);
}

QString convertingPath(const QString& path) {
    return path + QStringLiteral(".converting");
}

// Writes the level's new file beside the Jet file, where it waits for its
// swap, and keeps the original by a second name.
ConvertedFile prepareFile(const QString& folder, int level, const JetWords& words) {
    const QString path = levelPath(folder, level);
    const QString temporary = convertingPath(path);
    conversion::removeLeftovers(temporary); // from a run that was killed
    try {
        writeLevelFile(temporary, level, words.rows);
        for (const char* journal : {"-wal", "-journal"}) {
            if (QFileInfo(temporary + QLatin1String(journal)).size() > 0)
                throw FileError(QStringLiteral("the new file could not be completed"));
        }
        conversion::syncToDisk(temporary, false);
        const QString kept = conversion::keepOriginal(path);
        return {level, QFileInfo(kept).fileName(), words.rows.size(), words.otherFields};
    } catch (...) {
        conversion::removeLeftovers(temporary);
        throw;
    }
}

void swapFile(const QString& folder, int level) {
    const QString path = levelPath(folder, level);
    conversion::replaceFile(convertingPath(path), path);
    try {
        conversion::syncToDisk(folder, true);
    } catch (const FileError&) {
        // The file is converted; the next sync of the folder records its name.
    }
}

// The words of a level already in Lexitor's format, in table order; none,
// with the reason in `unchecked`, when the file cannot be read. A level
// that is missing, or still a Jet file, was told of already.
std::vector<store::FieldValue> storedWords(const QString& path, int level, QStringList& unchecked) {
    std::vector<store::FieldValue> words;
    if (store::fileKind(QFile::encodeName(path).toStdString()) != store::FileKind::Regular ||
        isJetFile(path))
        return words;
    try {
        auto database = store::DBEngine::instance().OpenDatabase(path.toStdString());
        auto table = database->OpenRecordset(std::string(store::levelDatabase(level).table));
        if (table->RecordCount() > 0) {
            for (table->MoveFirst(); !table->Eof(); table->MoveNext())
                words.push_back(table->Field("word"));
        }
    } catch (const store::EngineError& error) {
        unchecked.append(QStringLiteral("The converted words were not compared with those of "
                                        "%1, which cannot be read: %2")
                             .arg(fileName(level), sentence(QString::fromUtf8(error.what()))));
        words.clear();
    }
    return words;
}

QStringList flaggedRows(const QString& folder,
                        const std::array<std::optional<JetWords>, store::kLevelCount>& converted,
                        QStringList& unchecked) {
    struct Place {
        int level = 0;
        int row = 0;
    };
    std::array<std::vector<store::FieldValue>, store::kLevelCount> words;
    QHash<QByteArray, QList<Place>> placesOf;
    for (int level = 0; level < store::kLevelCount; ++level) {
        if (converted[level]) {
            for (const store::WordRecord& r : converted[level]->rows)
                words[level].push_back(r.word);
        } else {
            words[level] = storedWords(levelPath(folder, level), level, unchecked);
        }
        for (std::size_t i = 0; i < words[level].size(); ++i) {
            if (isLongEnough(words[level][i], store::kShortestWord))
                placesOf[QByteArray::fromStdString(store::indexKey(words[level][i]).folded)].append(
                    {level, int(i) + 1});
        }
    }
    QStringList lines;
    for (int level = 0; level < store::kLevelCount; ++level) {
        if (!converted[level])
            continue;
        const std::vector<store::WordRecord>& rows = converted[level]->rows;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int row = int(i) + 1;
            QStringList problems = rowProblems(rows[i]);
            const auto places =
                placesOf.value(QByteArray::fromStdString(store::indexKey(rows[i].word).folded));
            for (const Place& other : places) {
                if (other.level == level && other.row < row) {
                    problems.append(QStringLiteral("the word is also on row %1").arg(other.row));
                    break;
                }
            }
            for (const Place& other : places) {
                if (other.level != level) {
                    problems.append(QStringLiteral("the word is also in level %1 (%2 row %3)")
                                        .arg(other.level)
                                        .arg(fileName(other.level))
                                        .arg(other.row));
                    break;
                }
            }
            if (problems.isEmpty())
                continue;
            const QString word =
                rows[i].word ? QString::fromStdString(store::excerpt(searchWord(*rows[i].word)))
                             : QString();
            lines.append(QStringLiteral("%1 row %2 \"%3\": %4")
                             .arg(fileName(level))
                             .arg(row)
                             .arg(word, problems.join(QStringLiteral("; "))));
        }
    }
    return lines;
}

// Whether the new file of an interrupted run can take its place: the Jet
// file there is still the one it was made from.
bool canFinish(const QString& folder, const ConvertedFile& file) {
    const QString path = levelPath(folder, file.level);
    return !isJetFile(path) || (QFileInfo(convertingPath(path)).isFile() &&
                                conversion::sameBytes(path, QDir(folder).filePath(file.keptAs)));
}

void dropLevel(FolderConversion& conversion, int level) {
    std::erase_if(conversion.converted,
                  [level](const ConvertedFile& f) { return f.level == level; });
    conversion.flagged.removeIf([level](const QString& line) {
        return line.startsWith(fileName(level) + QStringLiteral(" row "));
    });
}

RefusedFile notConverted(int level, const QString& why) {
    return {level,
            QStringLiteral("'%1' could not be converted: %2").arg(fileName(level), sentence(why))};
}

QString readOnlyText(const QString& folder, int level, const QString& why) {
    return QStringLiteral("'%1' is in the Jet format, which Lexitor must bring across to its own "
                          "format before it can use the words, but %2. To quiz these words, "
                          "copy the folder to one you may write to and start Lexitor there, or "
                          "have the folder's owner run: lexitor-words convert --dir \"%3\"")
        .arg(fileName(level), why, folder);
}

} // namespace

JetFolderConversion::JetFolderConversion(const QString& folder) {
    result_.folder = QDir(folder).absolutePath();
    earlier_ = conversion::loadFindings(result_.folder);
    std::array<bool, store::kLevelCount> finishing{};
    if (earlier_) {
        for (const ConvertedFile& file : std::vector(earlier_->converted)) {
            if (canFinish(result_.folder, file))
                finishing[file.level] = true;
            else
                dropLevel(*earlier_, file.level);
            dropped_[file.level] = !finishing[file.level];
        }
    }
    const std::optional<QString> readOnly = conversion::folderReadOnly(result_.folder);
    for (const store::LevelDatabase& level : store::kLevels) {
        const QString path = levelPath(result_.folder, level.level);
        const QByteArray native = QFile::encodeName(path);
        if (auto refusal = store::notARegularFile(native.toStdString())) {
            QString text = QString::fromStdString(*refusal);
            text.replace(QString::fromUtf8(native), fileName(level.level));
            result_.refused.push_back({level.level, text, false});
            continue;
        }
        if (finishing[level.level] || !isJetFile(path))
            continue;
        if (readOnly) {
            result_.refused.push_back(
                {level.level, readOnlyText(result_.folder, level.level, *readOnly)});
            continue;
        }
        try {
            readers_[level.level] = std::make_unique<JetReading>(
                path, QString::fromLatin1(level.table.data(), qsizetype(level.table.size())),
                jetLimits(QFileInfo(path).size()));
        } catch (const JetError& error) {
            result_.refused.push_back({level.level, QString::fromUtf8(error.what())});
        }
    }
}

JetFolderConversion::~JetFolderConversion() = default;

QStringList JetFolderConversion::reading() const {
    QStringList names;
    for (int level = 0; level < store::kLevelCount; ++level) {
        if (readers_[level])
            names.append(fileName(level));
    }
    return names;
}

void JetFolderConversion::readAll(const std::function<bool()>& keepWaiting) {
    using namespace std::chrono_literals;
    for (bool running = true; running;) {
        running = false;
        for (const auto& reader : readers_)
            running = (reader && !reader->wait(20ms)) || running;
        if (running && keepWaiting && !keepWaiting()) {
            for (const auto& reader : readers_) {
                if (reader)
                    reader->cancel();
            }
            running = false;
        }
    }
    for (int level = 0; level < store::kLevelCount; ++level) {
        if (!readers_[level])
            continue;
        try {
            JetWords words = readers_[level]->words();
            if (words.damaged.empty())
                read_[level] = std::move(words);
            else
                result_.refused.push_back(
                    {level, QStringLiteral("'%1' is damaged: %2 of its rows cannot be read (%3), "
                                           "so none was taken from it.")
                                .arg(fileName(level))
                                .arg(words.damaged.size())
                                .arg(damageText(words.damaged))});
        } catch (const JetError& error) {
            result_.refused.push_back({level, QString::fromUtf8(error.what())});
        }
        readers_[level].reset();
    }
}

// Keeps this run's findings for a rerun, or forgets them when nothing is
// converted; why that failed.
std::optional<QString> JetFolderConversion::keepFindings() {
    try {
        if (result_.converted.empty())
            conversion::forgetFindings(result_.folder);
        else
            conversion::saveFindings(result_);
    } catch (const FileError& error) {
        return QString::fromUtf8(error.what());
    }
    return std::nullopt;
}

// Puts the new files of an interrupted run in place; its findings become
// this run's. A level it can no longer finish is read afresh, and is out of
// the kept findings before anything new of it is written.
void JetFolderConversion::finishEarlierRun() {
    if (!earlier_)
        return;
    bool changed = std::find(dropped_.begin(), dropped_.end(), true) != dropped_.end();
    for (const ConvertedFile& file : std::vector(earlier_->converted)) {
        if (!isJetFile(levelPath(result_.folder, file.level)))
            continue;
        try {
            swapFile(result_.folder, file.level);
        } catch (const FileError& error) {
            dropLevel(*earlier_, file.level);
            result_.refused.push_back(notConverted(file.level, QString::fromUtf8(error.what())));
            changed = true;
        }
    }
    result_.started = earlier_->started;
    result_.converted = earlier_->converted;
    result_.flagged = earlier_->flagged;
    result_.unchecked = earlier_->unchecked;
    const std::optional<QString> failure = changed ? keepFindings() : std::nullopt;
    for (int level = 0; failure && level < store::kLevelCount; ++level) {
        if (dropped_[level] && readers_[level]) {
            readers_[level].reset();
            result_.refused.push_back(notConverted(level, *failure));
        }
    }
}

FolderConversion JetFolderConversion::finish(const std::function<bool()>& keepWaiting) {
    finishEarlierRun();
    readAll(keepWaiting);
    LevelWords prepared;
    std::vector<ConvertedFile> fresh;
    for (int level = 0; level < store::kLevelCount; ++level) {
        if (!read_[level])
            continue;
        try {
            fresh.push_back(prepareFile(result_.folder, level, *read_[level]));
            prepared[level] = std::move(read_[level]);
        } catch (const std::exception& error) {
            result_.refused.push_back(notConverted(level, QString::fromUtf8(error.what())));
        }
    }
    if (!fresh.empty()) {
        if (result_.started.isEmpty())
            result_.started = QDateTime::currentDateTime().toString(Qt::ISODate);
        result_.flagged += flaggedRows(result_.folder, prepared, result_.unchecked);
        std::stable_sort(result_.flagged.begin(), result_.flagged.end(),
                         [](const QString& a, const QString& b) { return a.left(9) < b.left(9); });
        result_.converted.insert(result_.converted.end(), fresh.begin(), fresh.end());
        std::sort(result_.converted.begin(), result_.converted.end(),
                  [](const ConvertedFile& a, const ConvertedFile& b) { return a.level < b.level; });
        // Before the first swap: a kill from here on is still reported.
        if (const std::optional<QString> failure = keepFindings()) {
            for (const ConvertedFile& file : std::exchange(fresh, {})) {
                conversion::removeLeftovers(convertingPath(levelPath(result_.folder, file.level)));
                dropLevel(result_, file.level);
                result_.refused.push_back(notConverted(file.level, *failure));
            }
        }
    }
    for (const ConvertedFile& file : fresh) {
        try {
            swapFile(result_.folder, file.level);
        } catch (const FileError& error) {
            conversion::removeLeftovers(convertingPath(levelPath(result_.folder, file.level)));
            dropLevel(result_, file.level);
            result_.refused.push_back(notConverted(file.level, QString::fromUtf8(error.what())));
            keepFindings();
        }
    }
    if (!result_.converted.empty())
        result_.reportFailure = conversion::writeReport(result_).value_or(QString());
    std::sort(result_.refused.begin(), result_.refused.end(),
              [](const RefusedFile& a, const RefusedFile& b) { return a.level < b.level; });
    return result_;
}

FolderConversion convertJetFolder(const QString& folder) {
    return JetFolderConversion(folder).finish();
}

void conversionReported(const FolderConversion& conversion) {
    if (!conversion.converted.empty())
        conversion::forgetFindings(conversion.folder);
}

} // namespace lexitor::wordlist
