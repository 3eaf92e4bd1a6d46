#pragma once
// A straight horizontal or vertical line between two points of a screen.

#include <QColor>
#include <QWidget>

namespace lexitor::screens {

class Line : public QWidget {
    Q_OBJECT
public:
    Line(QPoint from, QPoint to, QColor colour, int width, QWidget* parent);

    QPoint from() const { return from_; }
    QPoint to() const { return to_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_, to_;
    QColor colour_;
};

} // namespace lexitor::screens
