#include "wordlist/formats/RowChecks.h"

#include "store/MessageText.h"
#include "store/WordRules.h"
#include "wordlist/formats/Utf8Check.h"

#include <functional>

namespace lexitor::wordlist {

namespace {

// The first control character in UTF-8 `text` other than tab and line
// breaks (which quoted CSV fields and KVTML texts hold): C0, DEL and C1.
std::optional<char32_t> controlCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F)
            return c;
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0)
            return static_cast<unsigned char>(text[i + 1]); // U+0080..U+009F
    }
    return std::nullopt;
}

QString nullSpelled(Format format) {
    if (format == Format::Tsv || format == Format::Csv)
        return QStringLiteral(" (%1)").arg(nullSpelling(format));
    return {};
}

} // namespace

bool isLongEnough(const store::FieldValue& text, int minimum) {
    return text && store::isLongEnough(*text, minimum);
}

std::size_t FirstPlaces::slotOf(std::string_view key) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = std::hash<std::string_view>{}(key) & mask;; i = (i + 1) & mask) {
        const std::uint32_t slot = slots_[i];
        if (slot == 0 || keys_.at(entries_[slot - 1].key) == key)
            return i;
    }
}

void FirstPlaces::grow() {
    std::vector<std::uint32_t> old(std::max<std::size_t>(64, slots_.size() * 2), 0);
    old.swap(slots_);
    for (std::uint32_t slot : old) {
        if (slot != 0)
            slots_[slotOf(keys_.at(entries_[slot - 1].key))] = slot;
    }
}

std::optional<int> FirstPlaces::firstOf(std::string_view word, int place) {
    if ((entries_.size() + 1) * 4 > slots_.size() * 3)
        grow();
    const std::string key = store::wordKey(word);
    const std::size_t slot = slotOf(key);
    if (slots_[slot] != 0)
        return entries_[slots_[slot] - 1].place;
    entries_.push_back({keys_.add(key), place});
    slots_[slot] = std::uint32_t(entries_.size());
    return std::nullopt;
}

QStringList rowProblems(const store::WordRecord& r, Format format) {
    QStringList problems;
    if (!isLongEnough(r.word, store::kShortestWord))
        problems.append(QStringLiteral("the word is missing or shorter than 2 characters"));
    if (!isLongEnough(r.ans, store::kShortestAnswer))
        problems.append(QStringLiteral("the answer (ans) is missing or shorter than 2 characters"));
    for (const store::WordField& field : store::kWordFields) {
        const store::FieldValue& value = r.*field.member;
        const QLatin1StringView name(field.name.data(), qsizetype(field.name.size()));
        const bool wrongMeaning = field.name[0] == 'c';
        if (wrongMeaning && !value)
            problems.append(
                QStringLiteral("%1 is null%2; only ref may be null").arg(name, nullSpelled(format)));
        if (!value)
            continue;
        if (firstInvalidUtf8(QByteArrayView(value->data(), qsizetype(value->size()))))
            problems.append(QStringLiteral("%1 is not UTF-8 text").arg(name));
        else if (value->find('\0') != std::string::npos)
            problems.append(QStringLiteral("%1 holds a NUL character").arg(name));
        else if (const auto control = controlCharacter(*value))
            problems.append(QStringLiteral("%1 holds the control character U+%2")
                                .arg(name)
                                .arg(QString::number(uint(*control), 16).toUpper().rightJustified(4, u'0')));
    }
    return problems;
}

std::vector<ListIssue> RowChecks::check(const ListRow& row) {
    std::vector<ListIssue> issues;
    for (QString& problem : rowProblems(row.record, format_))
        issues.push_back({row.line, std::move(problem)});
    if (!issues.empty())
        return issues;
    if (const auto first = firstPlaces_.firstOf(*row.record.word, row.line))
        issues.push_back({row.line, QStringLiteral("the word \"%1\" is already on %2")
                                        .arg(QString::fromStdString(store::excerpt(
                                                 store::searchWord(*row.record.word))),
                                             placeName(place_, *first))});
    return issues;
}

} // namespace lexitor::wordlist
