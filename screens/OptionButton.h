#pragma once
// An option button whose caption wraps inside its box. The caption is shown
// as it stands: an "&" in a word's meaning is text, not an access key. A
// caption too long for the designed box takes the option's larger room,
// and what does not fit even there is cut with an ellipsis, its whole text
// in the tooltip and the accessible description.

#include "screens/WrappedText.h"

#include <QRadioButton>

namespace lexitor::screens {

class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    // The designed box, and the room a long caption may take (none: only the box).
    void setBoxes(const QRect& designed, const QRect& room);

    const WrappedText& shownText() const { return shown_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    static constexpr int kTextGap = 3;

    void fit();
    QRect textBox(const QSize& box) const;
    WrappedText wrapIn(const QSize& box) const;

    QString caption_;
    QRect designed_;
    QRect room_;
    WrappedText shown_;
};

} // namespace lexitor::screens
