#include "wordlist/formats/KvtmlReader.h"

#include "wordlist/formats/QuestionRows.h"
#include "wordlist/formats/RowChecks.h"

#include <QXmlStreamReader>

#include <map>

namespace lexitor::wordlist {

namespace {

struct Translation {
    store::FieldValue text, comment;
    std::vector<std::string> choices;
};

struct Entry {
    int id = 0;
    int line = 0;
    std::map<int, Translation> translations;
    store::FieldValue example; // the first in the entry
};

class Parser {
public:
    explicit Parser(QByteArrayView bytes) : xml_(bytes.toByteArray()) {}

    // Empty when the file was read; else why it is refused.
    QString parse() {
        if (!xml_.readNextStartElement() || xml_.name() != u"kvtml")
            return xml_.hasError() ? QString() : QStringLiteral("the file is not a KVTML file");
        if (!xml_.attributes().value(QLatin1String("version")).startsWith(u"2"))
            return QStringLiteral("only KVTML 2.0 files are read; this is an older KVTML "
                                  "file (KDE's Parley saves it as KVTML 2.0)");
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"identifiers")
                identifiers = countChildren(u"identifier");
            else if (xml_.name() == u"entries")
                readEntries();
            else if (xml_.name() == u"lessons")
                readContainers(lessonOf);
            else if (xml_.name() == u"wordtypes")
                readContainers(wordTypeOf);
            else
                xml_.skipCurrentElement();
        }
        return QString();
    }

    bool failed() const { return xml_.hasError(); }
    QString error() const { return xml_.errorString(); }
    int line() const { return int(xml_.lineNumber()); }

    int identifiers = 0;
    std::vector<Entry> entries;
    std::map<int, int> lessonOf, wordTypeOf; // entry id -> innermost container

private:
    int countChildren(QStringView name) {
        int count = 0;
        while (xml_.readNextStartElement()) {
            count += xml_.name() == name;
            xml_.skipCurrentElement();
        }
        return count;
    }

    std::optional<int> id() {
        bool ok = false;
        const int value = xml_.attributes().value(QLatin1String("id")).toInt(&ok);
        return ok ? std::optional<int>(value) : std::nullopt;
    }

    std::string text() {
        return xml_.readElementText(QXmlStreamReader::IncludeChildElements).toStdString();
    }

    void readEntries() {
        while (xml_.readNextStartElement()) {
            if (xml_.name() != u"entry") {
                xml_.skipCurrentElement();
                continue;
            }
            Entry& entry = entries.emplace_back();
            entry.line = line();
            entry.id = id().value_or(kWholeFile);
            while (xml_.readNextStartElement()) {
                const std::optional<int> translation = id();
                if (xml_.name() == u"translation" && translation)
                    readTranslation(entry, entry.translations[*translation]);
                else
                    xml_.skipCurrentElement();
            }
        }
    }

    void readTranslation(Entry& entry, Translation& t) {
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"text") {
                t.text = text();
            } else if (xml_.name() == u"comment") {
                t.comment = text();
            } else if (xml_.name() == u"example") {
                std::string example = text();
                if (!entry.example)
                    entry.example = std::move(example);
            } else if (xml_.name() == u"multiplechoice") {
                while (xml_.readNextStartElement()) {
                    if (xml_.name() == u"choice")
                        t.choices.push_back(text());
                    else
                        xml_.skipCurrentElement();
                }
            } else {
                xml_.skipCurrentElement();
            }
        }
    }

    // Containers nest; an entry belongs to the innermost one that names it
    // first.
    void readContainers(std::map<int, int>& groupOf) {
        const int group = nextGroup_++;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"container") {
                readContainers(groupOf);
            } else if (xml_.name() == u"entry") {
                if (const std::optional<int> entry = id())
                    groupOf.emplace(*entry, group);
                xml_.skipCurrentElement();
            } else {
                xml_.skipCurrentElement();
            }
        }
    }

    QXmlStreamReader xml_;
    int nextGroup_ = 0;
};

int groupOf(const std::map<int, int>& groups, int id) {
    const auto found = groups.find(id);
    return found == groups.end() ? -1 : found->second;
}

} // namespace

ReadList readKvtml(QByteArrayView bytes, const KvtmlOptions& options, OptionJudge* judge) {
    ReadList result;
    result.place = Place::Entry;
    Parser parser(bytes);
    const QString refused = parser.parse();
    if (parser.failed() || !refused.isEmpty()) {
        result.place = Place::Line;
        result.issues.push_back(
            {parser.failed() ? parser.line() : kWholeFile,
             parser.failed() ? QStringLiteral("not well-formed XML: %1").arg(parser.error())
                             : refused});
        return result;
    }
    const bool oneLanguage = parser.identifiers < 2 && !options.to;
    const int to = options.to.value_or(1);
    for (const int translation : {options.from, to}) {
        if (parser.identifiers > 0 && translation >= parser.identifiers &&
            (translation == options.from || !oneLanguage)) {
            result.issues.push_back(
                {kWholeFile, QStringLiteral("the file has %1 translations (0 to %2); there is no "
                                            "translation %3")
                                 .arg(parser.identifiers)
                                 .arg(parser.identifiers - 1)
                                 .arg(translation)});
            return result;
        }
    }

    std::vector<Question> questions;
    std::map<int, int> seen;
    for (const Entry& entry : parser.entries) {
        if (entry.id == kWholeFile || !seen.emplace(entry.id, entry.line).second) {
            result.issues.push_back(
                {kWholeFile, QStringLiteral("the entry on line %1 has no id, or the id of the "
                                            "entry on line %2")
                                 .arg(entry.line)
                                 .arg(seen.count(entry.id) ? seen[entry.id] : entry.line)});
            continue;
        }
        const auto translation = [&entry](int id) {
            const auto found = entry.translations.find(id);
            return found == entry.translations.end() ? Translation() : found->second;
        };
        const Translation word = translation(options.from);
        const Translation answer = oneLanguage ? word : translation(to);
        questions.push_back({entry.id, word.text, oneLanguage ? word.comment : answer.text,
                             entry.example, answer.choices, groupOf(parser.lessonOf, entry.id),
                             groupOf(parser.wordTypeOf, entry.id)});
    }
    result.rows = questionRows(questions, judge);
    checkRows(result.rows, result.place, result.issues);
    return result;
}

} // namespace lexitor::wordlist
