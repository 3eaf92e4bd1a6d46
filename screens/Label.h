#pragma once
// A label that can size itself to its text, as the catalogue's AutoSize and
// WordWrap roles ask. Texts are always plain: data never turns into markup.

#include <QLabel>

#include <optional>

namespace lexitor::screens {

class Label : public QLabel {
    Q_OBJECT
public:
    Label(unsigned roles, QWidget* parent);

    // Hides QLabel::setText so that every change refits an autosized label.
    void setText(const QString& text);

private:
    static constexpr qreal kSmallestPoints = 6;
    static constexpr int kEdge = 4;

    void fit();
    int widestWord(const QFont& font) const;
    int heightFor(const QFont& font, int width) const;
    QRect roomToGrow() const;

    std::optional<QFont> designFont_;
    bool autoSize_ = false;
    bool wordWrap_ = false;
};

} // namespace lexitor::screens
