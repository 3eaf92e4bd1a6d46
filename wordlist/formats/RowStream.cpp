#include "wordlist/formats/RowStream.h"

#include <QBuffer>

#include <algorithm>

namespace lexitor::wordlist {

ListSource::ListSource(ReadList list) : list_(std::move(list)) {
    std::stable_sort(list_.issues.begin(), list_.issues.end(),
                     [](const ListIssue& a, const ListIssue& b) { return a.line < b.line; });
}

void ListSource::read(RowSink& sink) {
    auto issue = list_.issues.cbegin();
    for (const ListRow& row : list_.rows) {
        for (; issue != list_.issues.cend() && issue->line <= row.line; ++issue)
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
