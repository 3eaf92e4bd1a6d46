#include "wordlist/formats/RowStream.h"

#include <QBuffer>

#include <algorithm>

namespace lexitor::wordlist {

ListSource::ListSource(ReadList list) : list_(std::move(list)) {
    std::stable_sort(list_.issues.begin(), list_.issues.end(),
                     [](const ListIssue& a, const ListIssue& b) {
                         return std::pair(a.line, a.item) < std::pair(b.line, b.item);
                     });
}

void ListSource::read(RowSink& sink) {
    for (const ListIssue& note : list_.notes)
        sink.note(note);
    auto issue = list_.issues.cbegin();
    for (const ListRow& row : list_.rows) {
        for (; issue != list_.issues.cend() &&
               std::pair(issue->line, issue->item) <= std::pair(row.line, row.item);
             ++issue)
            sink.refuse(*issue);
        sink.take(row);
    }
    for (; issue != list_.issues.cend(); ++issue)
        sink.refuse(*issue);
}

std::unique_ptr<QIODevice> memoryDevice(const QByteArray& bytes) {
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return buffer;
}

} // namespace lexitor::wordlist
