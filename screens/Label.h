#pragma once
// A label that can size itself to its text, as the catalogue's AutoSize and
// WordWrap roles ask. Texts are always plain: data never turns into markup.
// It draws its text itself rather than being a QLabel, so that setText, which
// refits and announces, is the only way to change it.
// A wrapping label grows only into room no other shown control takes; a
// text that does not fit there in the label's face is shown in the face's
// narrow variant, at the same size, and only what does not fit even so is
// cut with an ellipsis, its whole text in the tooltip and the accessible
// description.

#include "screens/WrappedText.h"

#include <QPointer>
#include <QWidget>

namespace lexitor::screens {

class Label : public QWidget {
    Q_OBJECT
public:
    Label(unsigned roles, QWidget* parent);

    QString text() const { return text_; }
    // Every change refits an autosized label and announces a live one.
    void setText(const QString& text);
    // The caption given when the screen is built: an autosized label fits
    // it when first drawn, in the face actually used (which may stand in
    // for the designed one). Measuring it any earlier would load the fonts
    // before the first screen can appear.
    void setDesignCaption(const QString& text);

    // The larger box, from its place as built, that a text which does not
    // fit there may take.
    void setRoom(const QRect& room);
    // What the label is to assistive technology, where its text does not say.
    void setPurpose(const QString& purpose) { purpose_ = purpose; }
    bool isLive() const { return live_; }
    // Its name to assistive technology: a label that shows data (it has no
    // caption of its own) is named by its purpose and the data.
    QString accessibleText() const;
    // Shows the label and has assistive technology announce it, also when
    // it was shown already: the same result given twice is heard twice.
    void announce();

    // The control its access key leads to; its "&" is then drawn as the
    // underline of that key.
    void setBuddy(QWidget* buddy);
    QWidget* buddy() const { return buddy_; }

    // The lines a wrapping label shows, as last fitted.
    const WrappedText& shownText() const { return shown_; }
    // The size of its text on one line.
    QSize sizeHint() const override;

signals:
    void announced();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int kGap = 2;

    void fit();
    int drawingFlags() const;
    QRect fitIn(const QFont& face);
    QRect fitFrom(QPoint place, const QRect& room, int width, const QFont& face);
    int widestWord(const QFont& face) const;
    QRect roomToGrow(QPoint place) const;

    QString text_;
    QPointer<QWidget> buddy_;
    WrappedText shown_;
    QPoint home_;
    QRect room_;
    QString purpose_;
    bool showsData_ = true;
    bool fitWhenDrawn_ = false;
    bool autoSize_ = false;
    bool wordWrap_ = false;
    bool live_ = false;
};

} // namespace lexitor::screens
