#include "wordlist/formats/KvtmlWriter.h"

#include <QXmlStreamWriter>

namespace lexitor::wordlist {

namespace {

bool xmlCanHold(const QString& text) {
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0xFFFE || u == 0xFFFF;
    });
}

// A carriage return is written as a character reference: a reader turns a
// literal one into a line feed.
void writeText(QXmlStreamWriter& xml, const QString& element, const store::FieldValue& value) {
    xml.writeStartElement(element);
    const QStringList parts = QString::fromStdString(value.value_or(std::string())).split(u'\r');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            xml.writeEntityReference(QStringLiteral("#13"));
        xml.writeCharacters(parts[i]);
    }
    xml.writeEndElement();
}

bool isBlank(const store::FieldValue& value) {
    return !value || QString::fromStdString(*value).trimmed().isEmpty();
}

} // namespace

std::optional<WriteProblem> writeKvtml(const std::vector<Fields>& rows, int level,
                                       QByteArray& out) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t f = 0; f < rows[r].size(); ++f) {
            if (rows[r][f] && !xmlCanHold(QString::fromStdString(*rows[r][f])))
                return WriteProblem{r, f, QStringLiteral("holds a control character")};
        }
    }
    const QString lesson = QStringLiteral("Level %1").arg(level);
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral(
        "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">"));
    xml.writeStartElement(QStringLiteral("kvtml"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    xml.writeStartElement(QStringLiteral("information"));
    xml.writeTextElement(QStringLiteral("generator"), QStringLiteral("lexitor-words"));
    xml.writeTextElement(QStringLiteral("title"), lesson);
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("identifiers"));
    int id = 0;
    for (const char* name : {"word", "meaning"}) {
        xml.writeStartElement(QStringLiteral("identifier"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(id++));
        xml.writeTextElement(QStringLiteral("name"), QLatin1String(name));
        xml.writeEndElement();
    }
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("entries"));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const Fields& f = rows[r];
        xml.writeStartElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(r));
        xml.writeStartElement(QStringLiteral("translation"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("0"));
        writeText(xml, QStringLiteral("text"), f[0]);
        if (f[5])
            writeText(xml, QStringLiteral("example"), f[5]);
        xml.writeEndElement();
        xml.writeStartElement(QStringLiteral("translation"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("1"));
        writeText(xml, QStringLiteral("text"), f[1]);
        if (!isBlank(f[2]) || !isBlank(f[3]) || !isBlank(f[4])) {
            xml.writeStartElement(QStringLiteral("multiplechoice"));
            for (std::size_t c = 2; c < 5; ++c) {
                if (!isBlank(f[c]))
                    writeText(xml, QStringLiteral("choice"), f[c]);
            }
            xml.writeEndElement();
        }
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("lessons"));
    xml.writeStartElement(QStringLiteral("container"));
    xml.writeTextElement(QStringLiteral("name"), lesson);
    xml.writeTextElement(QStringLiteral("inpractice"), QStringLiteral("true"));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        xml.writeEmptyElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(r));
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return std::nullopt;
}

} // namespace lexitor::wordlist
