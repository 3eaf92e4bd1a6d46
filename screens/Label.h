#pragma once
// A label that can size itself to its text, as the catalogue's AutoSize and
// WordWrap roles ask. Texts are always plain: data never turns into markup.

#include <QLabel>

namespace lexitor::screens {

class Label : public QLabel {
    Q_OBJECT
public:
    Label(unsigned roles, QWidget* parent);

    // Hides QLabel::setText so that every change refits an autosized label.
    void setText(const QString& text);

private:
    void fit();
    bool autoSize_ = false;
    bool wordWrap_ = false;
};

} // namespace lexitor::screens
