#include "wordlist/ImportSources.h"

#include "wordlist/WordsImport.h"
#include "wordlist/formats/JetReader.h"
#include "wordlist/formats/PairsReader.h"
#include "wordlist/formats/RowChecks.h"
#include "wordlist/vocabulary/QuestionJudge.h"

#include <QFile>
#include <QFileInfo>

namespace lexitor::wordlist {

namespace {

ReadList readJet(const ImportRequest& request) {
    ReadList result;
    result.place = Place::Row;
    try {
        const JetWords words = readJetWords(request.path, request.table);
        auto damaged = words.damaged.begin();
        for (std::size_t i = 0; i < words.rows.size(); ++i) {
            const int row = int(i) + 1;
            if (damaged != words.damaged.end() && damaged->row == row) {
                result.issues.push_back(
                    {row, QStringLiteral("the row is damaged: field %1 %2")
                              .arg(damaged->field, damaged->what)});
                ++damaged;
                continue;
            }
            result.rows.push_back({row, words.rows[i]});
        }
        checkRows(result.rows, result.place, result.issues);
    } catch (const JetError& error) {
        result.issues.push_back({kWholeFile, QString::fromStdString(error.what())});
    }
    return result;
}

// WordNet where it is installed: without it, wrong options are chosen
// without regard to kind and no word is looked at for offence.
std::optional<vocabulary::WordNet> wordNetIfInstalled(const WordSources& sources) {
    try {
        return vocabulary::loadWordNet(sources.wordnet.toStdString());
    } catch (const vocabulary::VocabularyError&) {
        return std::nullopt;
    }
}

ReadList readWithWordNet(const ImportRequest& request, const QByteArray& bytes) {
    const std::optional<vocabulary::WordNet> wn = wordNetIfInstalled(request.words);
    std::optional<vocabulary::WordNetJudge> judge;
    if (wn)
        judge.emplace(*wn);
    OptionJudge* judging = judge ? &*judge : nullptr;
    ReadList list;
    switch (request.format) {
    case Format::Jet:
        list = readJet(request);
        break;
    case Format::Pairs:
        list = readPairs(bytes, pairsCodec(request.path, bytes), judging);
        break;
    case Format::Kvtml:
        list = readKvtml(bytes, request.translations, judging);
        break;
    default:
        list = readWordList(bytes, request.format);
        break;
    }
    if (wn)
        for (ListIssue& note : vocabulary::offensiveWordNotes(*wn, list.rows))
            list.notes.push_back(std::move(note));
    return list;
}

} // namespace

std::optional<Format> importFormat(const QString& path, std::optional<Format> given) {
    if (given)
        return given;
    if (isJetFile(path))
        return Format::Jet;
    const std::optional<Format> byName = formatFromFileName(path);
    if (byName == Format::Kvtml)
        return byName;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && isBareWordList(file.readAll()))
        return Format::Words;
    return byName;
}

ReadList readImportFile(const ImportRequest& request) {
    if (request.format == Format::Jet)
        return readWithWordNet(request, {});
    QFile file(request.path);
    if (!QFileInfo(request.path).isFile() || !file.open(QIODevice::ReadOnly)) {
        ReadList unreadable;
        unreadable.issues.push_back({kWholeFile, QStringLiteral("cannot read the file")});
        return unreadable;
    }
    const QByteArray bytes = file.readAll();
    if (request.format == Format::Words)
        return readBareWords(bytes, request.words);
    return readWithWordNet(request, bytes);
}

} // namespace lexitor::wordlist
