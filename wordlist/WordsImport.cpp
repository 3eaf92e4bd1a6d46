#include "wordlist/WordsImport.h"

#include "store/IndexKey.h"
#include "wordlist/CommandLine.h"
#include "wordlist/Progress.h"
#include "wordlist/formats/Utf8Check.h"
#include "wordlist/vocabulary/WordListEntries.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace lexitor::wordlist {
namespace {

using namespace vocabulary;

// The lines that decide whether a file is a bare list.
constexpr int kLinesJudged = 200;

struct ListedWord {
    int line = 0;
    int item = 0;
    QString word;
};

QString withoutSurroundingPunctuation(const QString& token) {
    qsizetype first = 0;
    qsizetype last = token.size();
    while (first < last && !token[first].isLetterOrNumber())
        ++first;
    while (last > first && !token[last - 1].isLetterOrNumber())
        --last;
    return token.sliced(first, last - first);
}

// Tokens without a letter are list numbers, bullets and dashes, not words.
QStringList wordsOfLine(const QString& line) {
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    QStringList words;
    for (const QString& token : line.split(separators, Qt::SkipEmptyParts)) {
        QString word = withoutSurroundingPunctuation(token);
        if (std::any_of(word.begin(), word.end(), [](QChar c) { return c.isLetter(); }))
            words.append(std::move(word));
    }
    return words;
}

// Words separated by blanks, or one word between each two tabs, commas or
// semicolons: a row of a list with meanings (and no header) holds texts of
// several words between its separators.
bool isWordLine(const QString& line) {
    static const QRegularExpression fieldSeparators(QStringLiteral("[\t,;]"));
    const QStringList fields = line.split(fieldSeparators);
    return fields.size() == 1 || std::all_of(fields.begin(), fields.end(), [](const QString& f) {
               return wordsOfLine(f).size() <= 1;
           });
}

QString shown(const store::FieldValue& value) {
    return QString::fromStdString(value.value_or(std::string()));
}

QByteArray keyOf(const std::string& word) {
    return QByteArray::fromStdString(store::indexKey(word).folded);
}

// The words of the list in order, or nothing when it holds more than kMaxBareWords.
std::optional<std::vector<ListedWord>> listedWords(QByteArrayView text) {
    std::vector<ListedWord> words;
    int line = 0;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf('\n', start);
        end = end < 0 ? text.size() : end;
        ++line;
        int item = 0;
        for (QString& word : wordsOfLine(QString::fromUtf8(text.sliced(start, end - start)))) {
            if (qsizetype(words.size()) == kMaxBareWords)
                return std::nullopt;
            words.push_back({line, ++item, std::move(word)});
        }
        start = end + 1;
    }
    return words;
}

// The group a problem of a bare list is counted in, by its text.
QString groupOf(const QString& reason) {
    static const std::pair<const char*, const char*> kGroups[] = {
        {"is not in WordNet", "not in WordNet"},
        {"which WordNet does not hold", "of a word class WordNet does not hold"},
        {"is left out as offensive", "offensive"},
        {"has no usable meaning", "without a usable meaning"},
        {"is already in level", "already in a level"},
        {"is already on line", "repeated in the list"}};
    for (const auto& [text, group] : kGroups)
        if (reason.contains(QLatin1StringView(text)))
            return QString::fromLatin1(group);
    return QStringLiteral("other problems");
}

} // namespace

bool isBareWordList(QByteArrayView bytes) {
    std::vector<ListIssue> notUtf8;
    const std::optional<QByteArrayView> text = listText(bytes, notUtf8);
    if (!text)
        return false;
    bool first = true;
    int judged = 0;
    for (qsizetype start = 0; start < text->size() && judged < kLinesJudged; ++judged) {
        qsizetype end = text->indexOf('\n', start);
        end = end < 0 ? text->size() : end;
        const QString line = QString::fromUtf8(text->sliced(start, end - start));
        start = end + 1;
        const QStringList words = wordsOfLine(line);
        // A list with meanings has its header where the first words are.
        if (!isWordLine(line) ||
            (first && words.join(u' ').toLower() == QStringLiteral("word ans c1 c2 c3 ref")))
            return false;
        first = first && words.isEmpty();
    }
    return !first;
}

ReadList readBareWords(QByteArrayView bytes, const WordSources& sources) {
    ReadList result;
    const std::optional<QByteArrayView> text = listText(bytes, result.issues);
    if (!text)
        return result;
    const std::optional<std::vector<ListedWord>> words = listedWords(*text);
    if (!words) {
        result.issues.push_back(
            {kWholeFile, QStringLiteral("a bare list of words may hold at most %1 words, and this "
                                        "one holds more; split it into shorter lists")
                             .arg(kMaxBareWords)});
        return result;
    }
    WordNet wn;
    ScowlWords scowl;
    try {
        wn = loadWordNet(sources.wordnet.toStdString());
        scowl = loadScowl(sources.scowl.toStdString());
    } catch (const VocabularyError& error) {
        result.issues.push_back({kWholeFile, QString::fromStdString(error.what())});
        return result;
    }
    DropCounts dropped;
    const LevelCandidates candidates = buildCandidates(wn, scowl, dropped);
    EntryMaker maker(wn, candidates, scowl);
    const std::optional<int> level =
        sources.level >= 0 ? std::optional(sources.level) : std::nullopt;

    Progress progress(QStringLiteral("Looking up"), qsizetype(words->size()));
    QHash<QByteArray, int> firstLineOf; // by the word as listed and as stored
    std::size_t done = 0;
    for (const ListedWord& listed : *words) {
        progress.update(qsizetype(++done));
        const std::string word = listed.word.toStdString();
        const auto issue = [&](const QString& reason) {
            result.issues.push_back({listed.line, reason, listed.item});
        };
        if (const auto seen = firstLineOf.constFind(keyOf(word)); seen != firstLineOf.cend()) {
            issue(QStringLiteral("the word \"%1\" is already on line %2")
                      .arg(listed.word, QString::number(*seen)));
            continue;
        }
        firstLineOf.insert(keyOf(word), listed.line);
        auto made = maker.make(word, level);
        if (const auto* refused = std::get_if<Refused>(&made)) {
            issue(QStringLiteral("\"%1\" %2")
                      .arg(listed.word, QString::fromStdString(refused->reason)));
            continue;
        }
        MadeEntry& entry = std::get<MadeEntry>(made);
        const QString stored = shown(entry.record.word);
        if (entry.inflected) {
            if (const auto seen = firstLineOf.constFind(keyOf(*entry.record.word));
                seen != firstLineOf.cend()) {
                issue(QStringLiteral("the word \"%1\" (listed as \"%2\") is already on line %3")
                          .arg(stored, listed.word, QString::number(*seen)));
                continue;
            }
            firstLineOf.insert(keyOf(*entry.record.word), listed.line);
            result.notes.push_back({listed.line,
                                    QStringLiteral("%1 \u2192 %2").arg(listed.word, stored),
                                    listed.item});
        }
        if (entry.warning)
            result.notes.push_back(
                {listed.line,
                 QStringLiteral("\"%1\" %2").arg(stored, QString::fromStdString(*entry.warning)),
                 listed.item});
        result.rows.push_back({listed.line, std::move(entry.record), listed.item});
    }
    return result;
}

QString wordsLeftOut(const std::vector<ListIssue>& issues) {
    if (issues.empty())
        return {};
    std::map<QString, int> groups;
    for (const ListIssue& issue : issues)
        ++groups[groupOf(issue.reason)];
    QStringList counts;
    for (const auto& [group, count] : groups)
        counts.append(QStringLiteral("%1 %2").arg(count).arg(group));
    return QStringLiteral(" %1 %2 left out (listed above): %3.")
        .arg(issues.size())
        .arg(issues.size() == 1 ? QStringLiteral("word was") : QStringLiteral("words were"),
             counts.join(QStringLiteral(", ")));
}

void printEntries(const std::vector<ListRow>& rows) {
    for (const ListRow& row : rows) {
        const store::WordRecord& r = row.record;
        printLine(QStringLiteral("%1: %2 = %3")
                      .arg(QString::number(row.line), shown(r.word), shown(r.ans)));
        printLine(
            QStringLiteral("    wrong: %1 | %2 | %3").arg(shown(r.c1), shown(r.c2), shown(r.c3)));
    }
}

} // namespace lexitor::wordlist
