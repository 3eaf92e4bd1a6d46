#include "screens/WrappedText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace lexitor::screens {

WrappedText wrapText(const QString& text, const QFont& font, int width, int height) {
    const QFontMetrics metrics(font);
    WrappedText wrapped;
    wrapped.font = font;
    wrapped.lineHeight = metrics.lineSpacing();
    const qsizetype maxLines = std::max(1, height / wrapped.lineHeight);
    // A line break in the data starts a new line, as it would in a text box.
    QString flat = text;
    flat.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    flat.replace(QLatin1Char('\n'), QChar::LineSeparator);

    QTextLayout layout(flat, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qsizetype lastStart = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(1, width));
        if (wrapped.lines.size() == maxLines) {
            wrapped.cut = true;
            break;
        }
        lastStart = line.textStart();
        QString shown = flat.mid(line.textStart(), line.textLength());
        while (!shown.isEmpty() && (shown.back().isSpace() || shown.back() == QChar::LineSeparator))
            shown.chop(1);
        wrapped.lines.append(shown);
    }
    layout.endLayout();
    if (wrapped.lines.isEmpty())
        wrapped.lines.append(QString());
    if (wrapped.cut) {
        QString rest = flat.mid(lastStart);
        rest.replace(QChar::LineSeparator, QLatin1Char(' '));
        // The ellipsis itself must show, even where no letter fits before it.
        wrapped.lines.last() = metrics.elidedText(rest, Qt::ElideRight, std::max(width, 1));
        if (wrapped.lines.last().isEmpty())
            wrapped.lines.last() = QString(QChar(0x2026));
    }
    return wrapped;
}

void drawWrapped(QPainter& painter, const WrappedText& text, const QRect& box, bool centred) {
    painter.setFont(text.font);
    const QFontMetrics metrics(text.font);
    int top = box.top();
    if (centred)
        top += (box.height() - text.height()) / 2;
    for (const QString& line : text.lines) {
        painter.drawText(QPoint(box.left(), top + metrics.ascent()), line);
        top += text.lineHeight;
    }
}

} // namespace lexitor::screens
