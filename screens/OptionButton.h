#pragma once
// An option button whose caption wraps inside its box. The caption is shown
// as it stands: an "&" in a word's meaning is text, not an access key.

#include <QRadioButton>

namespace lexitor::screens {

class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(int index, QWidget* parent);

    int index() const { return index_; }
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    static constexpr qreal kSmallestPoints = 6;
    QFont fittingFont(const QRect& box) const;

    int index_;
    QString caption_;
};

} // namespace lexitor::screens
