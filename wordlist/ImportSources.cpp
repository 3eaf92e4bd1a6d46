#include "wordlist/ImportSources.h"

#include "store/FileKind.h"
#include "wordlist/WordsImport.h"
#include "wordlist/formats/JetReader.h"
#include "wordlist/formats/PairsReader.h"
#include "wordlist/formats/WordListReader.h"
#include "wordlist/vocabulary/QuestionJudge.h"

#include <QFile>

#include <unistd.h>

namespace lexitor::wordlist {

namespace {

// How much of a file tells whether it is a bare list of words: its first
// lines decide, and a list of words is never refused for what comes later.
constexpr qint64 kSniffBytes = 1 << 20;

std::unique_ptr<RowSource> refusal(const QString& reason) {
    ReadList list;
    list.issues.push_back({kWholeFile, reason});
    return std::make_unique<ListSource>(std::move(list));
}

// The file, opened only when it is a regular one, without waiting on what
// stands at the path; nullptr, with the reason, when it cannot be read.
std::unique_ptr<QFile> openFile(const QString& path, QString& why) {
    std::string reason;
    const int fd = store::openRegularFile(QFile::encodeName(path).toStdString(), reason);
    auto file = std::make_unique<QFile>();
    if (fd < 0 || !file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        why = fd < 0 ? QString::fromStdString(reason) : QStringLiteral("cannot read the file");
        return nullptr;
    }
    return file;
}

std::unique_ptr<RowSource> jetSource(const ImportRequest& request) {
    ReadList list;
    list.place = Place::Row;
    try {
        JetWords words = readJetWords(request.path, request.table);
        auto damaged = words.damaged.begin();
        for (std::size_t i = 0; i < words.rows.size(); ++i) {
            const int row = int(i) + 1;
            if (damaged != words.damaged.end() && damaged->row == row) {
                list.issues.push_back({row, QStringLiteral("the row is damaged: field %1 %2")
                                                .arg(damaged->field, damaged->what)});
                ++damaged;
                continue;
            }
            list.rows.push_back({row, std::move(words.rows[i])});
        }
    } catch (const JetError& error) {
        list.issues.push_back({kWholeFile, QString::fromStdString(error.what())});
    }
    return std::make_unique<ListSource>(std::move(list));
}

// WordNet, where it is installed, at the side of a source: its judge
// chooses the wrong options of two-column lists and KVTML, and a word a
// class may be better without is noted. Without WordNet, wrong options are
// chosen without regard to kind and no word is looked at for offence.
class WordNetSource final : public RowSource {
public:
    explicit WordNetSource(const WordSources& sources) {
        try {
            wn_ = std::make_unique<vocabulary::WordNet>(
                vocabulary::loadWordNet(sources.wordnet.toStdString()));
            judge_.emplace(*wn_);
        } catch (const vocabulary::VocabularyError&) {
        }
    }
    OptionJudge* judge() { return judge_ ? &*judge_ : nullptr; }
    void wrap(std::unique_ptr<RowSource> source) { source_ = std::move(source); }

    Place place() const override { return source_->place(); }
    void read(RowSink& sink) override {
        if (!wn_)
            return source_->read(sink);
        Noting noting(*wn_, sink);
        source_->read(noting);
    }

private:
    class Noting final : public RowSink {
    public:
        Noting(const vocabulary::WordNet& wn, RowSink& sink) : wn_(wn), sink_(sink) {}
        void take(ListRow row) override {
            for (const ListIssue& note : vocabulary::offensiveWordNotes(wn_, {row}))
                sink_.note(note);
            sink_.take(std::move(row));
        }
        void refuse(ListIssue issue) override { sink_.refuse(std::move(issue)); }
        void note(const ListIssue& note) override { sink_.note(note); }

    private:
        const vocabulary::WordNet& wn_;
        RowSink& sink_;
    };

    std::unique_ptr<vocabulary::WordNet> wn_;
    std::optional<vocabulary::WordNetJudge> judge_;
    std::unique_ptr<RowSource> source_;
};

} // namespace

std::optional<Format> importFormat(const QString& path, std::optional<Format> given) {
    if (given)
        return given;
    if (isJetFile(path))
        return Format::Jet;
    const std::optional<Format> byName = formatFromFileName(path);
    if (byName == Format::Kvtml)
        return byName;
    QString why;
    if (const std::unique_ptr<QFile> file = openFile(path, why)) {
        QByteArray start = file->read(kSniffBytes);
        if (!file->atEnd())
            start.truncate(start.lastIndexOf('\n') + 1);
        if (isBareWordList(start))
            return Format::Words;
    }
    return byName;
}

namespace {

std::unique_ptr<RowSource> fileSource(const ImportRequest& request, OptionJudge* judge) {
    if (request.format == Format::Jet)
        return jetSource(request);
    QString why;
    std::unique_ptr<QFile> file = openFile(request.path, why);
    if (!file)
        return refusal(why);
    switch (request.format) {
    case Format::Pairs: {
        const Format codec = pairsCodec(request.path, file->peek(kSniffBytes));
        return std::make_unique<PairsSource>(std::move(file), codec, judge);
    }
    case Format::Kvtml:
        return std::make_unique<KvtmlSource>(std::move(file), request.translations, judge);
    default:
        return std::make_unique<WordListSource>(std::move(file), request.format);
    }
}

} // namespace

std::unique_ptr<RowSource> openImportSource(const ImportRequest& request) {
    if (request.format == Format::Words) {
        // Bare words are made from WordNet already, and judged as they are made.
        QString why;
        std::unique_ptr<QFile> file = openFile(request.path, why);
        if (!file)
            return refusal(why);
        return std::make_unique<ListSource>(readBareWords(file->readAll(), request.words));
    }
    auto source = std::make_unique<WordNetSource>(request.words);
    source->wrap(fileSource(request, source->judge()));
    return source;
}

} // namespace lexitor::wordlist
