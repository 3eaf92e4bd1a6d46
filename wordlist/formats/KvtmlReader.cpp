#include "wordlist/formats/KvtmlReader.h"

#include "wordlist/formats/Utf8Check.h"

#include <QRegularExpression>

#include <algorithm>
#include <climits>
#include <functional>

namespace lexitor::wordlist {

namespace {

// What a walk hands on, to functions.
struct Visit final : KvtmlVisitor {
    std::function<void(int)> onIdentifiers;
    std::function<void(const KvtmlEntry&)> onEntry;
    std::function<void(bool, int, int)> onMember;
    void identifiers(int count) override {
        if (onIdentifiers)
            onIdentifiers(count);
    }
    void entry(const KvtmlEntry& entry) override {
        if (onEntry)
            onEntry(entry);
    }
    void member(bool lesson, int group, int entryId) override {
        if (onMember)
            onMember(lesson, group, entryId);
    }
};

// Sorted by id, each id once, as it came first.
template <class T, class Id>
void firstOfEachId(std::vector<T>& all, Id id) {
    std::stable_sort(all.begin(), all.end(),
                     [&id](const T& a, const T& b) { return id(a) < id(b); });
    all.erase(std::unique(all.begin(), all.end(),
                          [&id](const T& a, const T& b) { return id(a) == id(b); }),
              all.end());
    all.shrink_to_fit();
}

// Whether the document is UTF-8, as XML is unless a byte order mark or its
// declaration tells another encoding.
bool isUtf8Document(QIODevice& device) {
    device.seek(0);
    const QByteArray start = device.peek(256);
    if (start.startsWith("\xFF\xFE") || start.startsWith("\xFE\xFF"))
        return false;
    static const QRegularExpression declared(
        QStringLiteral("^(\\xEF\\xBB\\xBF)?<\\?xml[^>]*encoding\\s*=\\s*[\"']([^\"']*)"));
    const QRegularExpressionMatch match = declared.match(QString::fromLatin1(start));
    return !match.hasMatch() ||
           match.captured(2).compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0;
}

int groupOf(const std::vector<std::pair<int, int>>& groups, int id) {
    const auto found = std::lower_bound(groups.begin(), groups.end(), std::pair{id, INT_MIN});
    return found == groups.end() || found->first != id ? -1 : found->second;
}

} // namespace

KvtmlSource::KvtmlSource(std::unique_ptr<QIODevice> device, KvtmlOptions options,
                         OptionJudge* judge)
    : device_(std::move(device)), options_(options), questions_(judge) {}

const KvtmlSource::FirstEntry* KvtmlSource::firstWithId(int id) const {
    const auto found = std::lower_bound(firstEntries_.begin(), firstEntries_.end(), id,
                                        [](const FirstEntry& e, int id) { return e.id < id; });
    return found == firstEntries_.end() || found->id != id ? nullptr : &*found;
}

std::optional<Question> KvtmlSource::question(const KvtmlEntry& entry, int ordinal) const {
    const FirstEntry* first = entry.id ? firstWithId(*entry.id) : nullptr;
    if (!first || first->ordinal != ordinal)
        return std::nullopt;
    const KvtmlTranslation& answer = oneLanguage_ ? entry.word : entry.answer;
    return Question{*entry.id,
                    entry.word.text,
                    oneLanguage_ ? entry.word.comment : entry.answer.text,
                    entry.example,
                    answer.choices,
                    groupOf(lessonOf_, *entry.id),
                    groupOf(wordTypeOf_, *entry.id)};
}

// The structure first (languages, ids, lessons, word types), then every
// entry's meaning, so that each row can be made as its entry comes again.
void KvtmlSource::prepare() {
    prepared_ = true;
    int identifiers = 0;
    int ordinal = 0;
    Visit structure;
    structure.onIdentifiers = [&](int count) { identifiers = count; };
    structure.onEntry = [&](const KvtmlEntry& e) {
        if (e.id)
            firstEntries_.push_back({*e.id, ordinal, e.line});
        ++ordinal;
    };
    structure.onMember = [this](bool lesson, int group, int entry) {
        (lesson ? lessonOf_ : wordTypeOf_).push_back({entry, group});
    };
    const int to = options_.to.value_or(1);
    // A bad byte is told by its line and place, which the XML reader,
    // decoding ahead, cannot tell.
    if (isUtf8Document(*device_))
        refused_ = notUtf8(*device_);
    if (!refused_)
        refused_ = walkKvtml(*device_, options_.from, to, structure);
    if (refused_)
        return;
    firstOfEachId(firstEntries_, [](const FirstEntry& e) { return e.id; });
    firstOfEachId(lessonOf_, [](const auto& member) { return member.first; });
    firstOfEachId(wordTypeOf_, [](const auto& member) { return member.first; });

    oneLanguage_ = identifiers < 2 && !options_.to;
    for (const int translation : {options_.from, to}) {
        if (identifiers > 0 && translation >= identifiers &&
            (translation == options_.from || !oneLanguage_)) {
            refused_ = {kWholeFile, QStringLiteral("the file has %1 translations (0 to %2); "
                                                   "there is no translation %3")
                                        .arg(identifiers)
                                        .arg(identifiers - 1)
                                        .arg(translation)};
            return;
        }
    }

    ordinal = 0;
    Visit meanings;
    meanings.onEntry = [&](const KvtmlEntry& e) {
        if (const std::optional<Question> q = question(e, ordinal++))
            questions_.add(*q);
    };
    refused_ = walkKvtml(*device_, options_.from, to, meanings);
}

void KvtmlSource::read(RowSink& sink) {
    if (!prepared_)
        prepare();
    if (refused_) {
        sink.refuse(*refused_);
        return;
    }
    questions_.start();
    int ordinal = 0;
    Visit rows;
    rows.onEntry = [&](const KvtmlEntry& e) {
        if (const std::optional<Question> q = question(e, ordinal++)) {
            sink.take(questions_.row(*q));
            return;
        }
        const FirstEntry* first = e.id ? firstWithId(*e.id) : nullptr;
        sink.refuse({kWholeFile, QStringLiteral("the entry on line %1 has no id, or the id of "
                                                "the entry on line %2")
                                     .arg(e.line)
                                     .arg(first ? first->line : e.line)});
    };
    if (std::optional<ListIssue> changed = walkKvtml(*device_, options_.from,
                                                     options_.to.value_or(1), rows))
        sink.refuse(*changed);
}

} // namespace lexitor::wordlist
