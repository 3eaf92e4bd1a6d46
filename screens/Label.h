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
    // The caption given when the screen is built: an autosized label fits
    // it when first drawn, in the face actually used (which may stand in
    // for the designed one). Measuring it any earlier would load the fonts
    // before the first screen can appear.
    void setDesignCaption(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr qreal kSmallestPoints = 6;
    static constexpr int kEdge = 4;

    void fit();
    int widestWord(const QFont& font) const;
    int heightFor(const QFont& font, int width) const;
    QRect roomToGrow() const;

    std::optional<QFont> designFont_;
    bool fitWhenDrawn_ = false;
    bool autoSize_ = false;
    bool wordWrap_ = false;
};

} // namespace lexitor::screens
