#include "wordlist/WordsImport.h"

#include "wordlist/CommandLine.h"
#include "wordlist/Progress.h"
#include "wordlist/formats/RowChecks.h"
#include "wordlist/formats/Utf8Check.h"
#include "wordlist/vocabulary/WordListEntries.h"

#include <QRegularExpression>

#include <algorithm>

namespace lexitor::wordlist {
namespace {

using namespace vocabulary;

struct ListedWord {
    int line = 0;
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

} // namespace

bool isBareWordList(QByteArrayView bytes) {
    std::vector<ListIssue> notUtf8;
    const std::optional<QByteArrayView> text = listText(bytes, notUtf8);
    if (!text)
        return false;
    bool first = true;
    for (const QString& line : QString::fromUtf8(*text).split(u'\n')) {
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
    EntryMaker maker(wn, candidates, std::size_t(sources.level));

    std::vector<ListedWord> words;
    const QStringList lines = QString::fromUtf8(*text).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i)
        for (QString& word : wordsOfLine(lines[i]))
            words.push_back({int(i + 1), std::move(word)});
    Progress progress(QStringLiteral("Looking up"), qsizetype(words.size()));
    FirstPlaces firstLineOf;
    for (const ListedWord& listed : words) {
        const std::string word = listed.word.toStdString();
        if (const std::optional<int> seen = firstLineOf.firstOf(word, listed.line)) {
            result.issues.push_back(
                {listed.line, QStringLiteral("the word \"%1\" is already on line %2")
                                  .arg(listed.word, QString::number(*seen))});
            continue;
        }
        auto made = maker.make(word);
        if (auto* record = std::get_if<store::WordRecord>(&made))
            result.rows.push_back({listed.line, std::move(*record)});
        else
            result.issues.push_back(
                {listed.line,
                 QStringLiteral("\"%1\" %2")
                     .arg(listed.word, QString::fromStdString(std::get<std::string>(made)))});
        progress.update(qsizetype(result.rows.size() + result.issues.size()));
    }
    return result;
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
