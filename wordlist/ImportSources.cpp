#include "wordlist/ImportSources.h"

#include "wordlist/WordsImport.h"
#include "wordlist/formats/JetReader.h"
#include "wordlist/formats/PairsReader.h"
#include "wordlist/formats/RowChecks.h"

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
        return readJet(request);
    QFile file(request.path);
    if (!QFileInfo(request.path).isFile() || !file.open(QIODevice::ReadOnly)) {
        ReadList unreadable;
        unreadable.issues.push_back({kWholeFile, QStringLiteral("cannot read the file")});
        return unreadable;
    }
    const QByteArray bytes = file.readAll();
    switch (request.format) {
    case Format::Pairs:
        return readPairs(bytes, pairsCodec(request.path, bytes));
    case Format::Kvtml:
        return readKvtml(bytes, request.translations);
    case Format::Words:
        return readBareWords(bytes, request.words);
    default:
        return readWordList(bytes, request.format);
    }
}

} // namespace lexitor::wordlist
