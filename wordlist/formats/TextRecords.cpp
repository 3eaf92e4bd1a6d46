#include "wordlist/formats/TextRecords.h"

#include "wordlist/formats/CsvCodec.h"
#include "wordlist/formats/TsvCodec.h"

namespace lexitor::wordlist {

namespace {

// Enough lines at a time that the parsing is cheap, few enough that
// memory stays small.
constexpr qsizetype kBlockBytes = 256 * 1024;

} // namespace

void rewindText(QIODevice& device) {
    device.seek(0);
    if (device.peek(3) == "\xEF\xBB\xBF")
        device.skip(3);
}

TextRecords::TextRecords(QIODevice& device, Format codec) : device_(device), codec_(codec) {
    rewindText(device_);
}

bool TextRecords::next(ParsedList& block) {
    QByteArray text;
    qsizetype quotes = 0;
    while (!device_.atEnd() && (text.size() < kBlockBytes || quotes % 2 != 0)) {
        const QByteArray line = device_.readLine();
        if (line.isEmpty())
            break;
        if (codec_ == Format::Csv)
            quotes += line.count('"');
        text += line;
    }
    if (text.isEmpty())
        return false;
    block = codec_ == Format::Csv ? parseCsv(text, line_) : parseTsv(text, line_);
    line_ += int(text.count('\n'));
    return true;
}

} // namespace lexitor::wordlist
