#include "wordlist/formats/KvtmlWalk.h"

#include <QXmlStreamReader>

namespace lexitor::wordlist {

namespace {

// QXmlStreamReader with the nesting counted on every token, and the reading
// of an element's text and the skipping of an element done in loops.
class Xml {
public:
    explicit Xml(QIODevice& device) : xml_(&device) {}

    // The next child of the current element; false at the element's end.
    bool nextChild() {
        while (next()) {
            if (xml_.isEndElement() || xml_.isEndDocument())
                return false;
            if (xml_.isStartElement())
                return true;
        }
        return false;
    }

    void skip() {
        for (int depth = 1; depth > 0 && next();)
            depth += xml_.isStartElement() ? 1 : xml_.isEndElement() ? -1 : 0;
    }

    // The text of the current element, its children's included.
    std::string text() {
        QString all;
        for (int depth = 1; depth > 0 && next();) {
            if (xml_.isCharacters() || xml_.isEntityReference())
                all += xml_.text();
            else
                depth += xml_.isStartElement() ? 1 : xml_.isEndElement() ? -1 : 0;
        }
        return all.toStdString();
    }

    QStringView name() const { return xml_.name(); }
    int line() const { return int(xml_.lineNumber()); }
    QStringView attribute(const char* name) const {
        return xml_.attributes().value(QLatin1String(name));
    }
    std::optional<int> id() const {
        bool ok = false;
        const int value = attribute("id").toInt(&ok);
        return ok ? std::optional<int>(value) : std::nullopt;
    }

    std::optional<ListIssue> failure() const {
        if (!xml_.hasError())
            return std::nullopt;
        const QString reason =
            xml_.error() == QXmlStreamReader::CustomError
                ? xml_.errorString()
                : QStringLiteral("not well-formed XML: %1").arg(xml_.errorString());
        return ListIssue{line(), reason, 0, Place::Line};
    }

private:
    bool next() {
        xml_.readNext();
        if (xml_.isStartElement() && ++depth_ > kDeepestKvtml)
            xml_.raiseError(QStringLiteral("the elements are nested more than %1 deep, "
                                           "deeper than any vocabulary collection")
                                .arg(kDeepestKvtml));
        else if (xml_.isEndElement())
            --depth_;
        return !xml_.hasError();
    }

    QXmlStreamReader xml_;
    int depth_ = 0;
};

class Walk {
public:
    Walk(QIODevice& device, int word, int answer, KvtmlVisitor& visitor)
        : xml_(device), word_(word), answer_(answer), visitor_(visitor) {}

    // Empty when the document was read; else why it is refused.
    QString run() {
        if (!xml_.nextChild() || xml_.name() != u"kvtml")
            return QStringLiteral("the file is not a KVTML file");
        if (!xml_.attribute("version").startsWith(u"2"))
            return QStringLiteral("only KVTML 2.0 files are read; this is an older KVTML "
                                  "file (KDE's Parley saves it as KVTML 2.0)");
        while (xml_.nextChild()) {
            if (xml_.name() == u"identifiers")
                visitor_.identifiers(countChildren(u"identifier"));
            else if (xml_.name() == u"entries")
                readEntries();
            else if (xml_.name() == u"lessons")
                readContainers(true);
            else if (xml_.name() == u"wordtypes")
                readContainers(false);
            else
                xml_.skip();
        }
        return QString();
    }

    Xml xml_;

private:
    int countChildren(QStringView name) {
        int count = 0;
        while (xml_.nextChild()) {
            count += xml_.name() == name;
            xml_.skip();
        }
        return count;
    }

    void readEntries() {
        while (xml_.nextChild()) {
            if (xml_.name() != u"entry") {
                xml_.skip();
                continue;
            }
            KvtmlEntry entry;
            entry.line = xml_.line();
            entry.id = xml_.id();
            while (xml_.nextChild()) {
                const std::optional<int> translation = xml_.id();
                if (xml_.name() == u"translation" && translation)
                    readTranslation(entry, *translation);
                else
                    xml_.skip();
            }
            visitor_.entry(entry);
        }
    }

    // A translation asked for fills its place in the entry (both, when the
    // word and the answer are the same translation); of the others only
    // the examples count.
    void readTranslation(KvtmlEntry& entry, int id) {
        KvtmlTranslation other;
        KvtmlTranslation& first = id == word_ ? entry.word : id == answer_ ? entry.answer : other;
        KvtmlTranslation* second = id == word_ && id == answer_ ? &entry.answer : nullptr;
        while (xml_.nextChild()) {
            if (xml_.name() == u"text") {
                first.text = xml_.text();
            } else if (xml_.name() == u"comment") {
                first.comment = xml_.text();
            } else if (xml_.name() == u"example") {
                std::string example = xml_.text();
                if (!entry.example)
                    entry.example = std::move(example);
            } else if (xml_.name() == u"multiplechoice") {
                while (xml_.nextChild()) {
                    if (xml_.name() == u"choice")
                        first.choices.push_back(xml_.text());
                    else
                        xml_.skip();
                }
            } else {
                xml_.skip();
            }
        }
        if (second)
            *second = first;
    }

    // Containers nest; the stack holds the group of each open one.
    void readContainers(bool lessons) {
        std::vector<int> open{nextGroup_++};
        while (!open.empty()) {
            if (!xml_.nextChild()) {
                open.pop_back();
            } else if (xml_.name() == u"container") {
                open.push_back(nextGroup_++);
            } else {
                const std::optional<int> entry = xml_.id();
                if (xml_.name() == u"entry" && entry)
                    visitor_.member(lessons, open.back(), *entry);
                xml_.skip();
            }
        }
    }

    int word_, answer_;
    KvtmlVisitor& visitor_;
    int nextGroup_ = 0;
};

} // namespace

std::optional<ListIssue> walkKvtml(QIODevice& device, int word, int answer,
                                   KvtmlVisitor& visitor) {
    device.seek(0);
    Walk walk(device, word, answer, visitor);
    const QString refused = walk.run();
    if (std::optional<ListIssue> failure = walk.xml_.failure())
        return failure;
    if (!refused.isEmpty())
        return ListIssue{kWholeFile, refused};
    return std::nullopt;
}

} // namespace lexitor::wordlist
