#include "screens/Label.h"

#include "screens/ScreenTable.h"

#include <QRegularExpression>

#include <algorithm>

namespace lexitor::screens {

Label::Label(unsigned roles, QWidget* parent)
    : QLabel(parent), autoSize_(roles & AutoSize), wordWrap_((roles & AutoSize) && (roles & WordWrap)) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(wordWrap_);
}

void Label::setText(const QString& text) {
    QLabel::setText(text);
    fit();
}

void Label::fit() {
    if (!autoSize_)
        return;
    if (!wordWrap_) {
        resize(sizeHint());
        return;
    }
    // Keep the width and grow downwards; only a single word wider than the
    // label widens it.
    const QFontMetrics metrics(font());
    int widest = 0;
    const auto words = text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString& word : words)
        widest = std::max(widest, metrics.horizontalAdvance(word));
    const int width = std::max(this->width(), widest + 2 * margin() + 2);
    resize(width, std::max(heightForWidth(width), metrics.height()));
}

} // namespace lexitor::screens
