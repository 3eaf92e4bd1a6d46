#include "screens/pictures/Pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <array>
#include <cstdint>

namespace lexitor::screens {
namespace {

// The icons keep to the classic sixteen-colour palette.
namespace pal {
constexpr QColor black{0x00, 0x00, 0x00};
constexpr QColor maroon{0x80, 0x00, 0x00};
constexpr QColor green{0x00, 0x80, 0x00};
constexpr QColor navy{0x00, 0x00, 0x80};
constexpr QColor teal{0x00, 0x80, 0x80};
constexpr QColor silver{0xC0, 0xC0, 0xC0};
constexpr QColor grey{0x80, 0x80, 0x80};
constexpr QColor red{0xFF, 0x00, 0x00};
constexpr QColor lime{0x00, 0xFF, 0x00};
constexpr QColor yellow{0xFF, 0xFF, 0x00};
constexpr QColor white{0xFF, 0xFF, 0xFF};
} // namespace pal

// An image of `size` device-independent pixels at `ratio` device pixels to
// each: a painter on it draws in device-independent pixels, in full detail.
QImage blankImage(QSize size, QColor fill = Qt::transparent, qreal ratio = 1) {
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(fill);
    return image;
}

QFont pixelFont(const QString& family, qreal pixelSize, int weight = QFont::Bold) {
    QFont font(family);
    font.setStyleHint(family.contains(QLatin1String("Serif")) ? QFont::Serif : QFont::SansSerif);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setWeight(QFont::Weight(weight));
    return font;
}

// Largest sans font up to maxPixels whose rendering of text fits width.
QFont fittingFont(const QString& text, qreal width, int maxPixels) {
    for (int px = maxPixels; px > 7; --px) {
        QFont font = pixelFont(QStringLiteral("DejaVu Sans"), px);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width)
            return font;
    }
    return pixelFont(QStringLiteral("DejaVu Sans"), 7);
}

// --- main menu background ------------------------------------------------

void drawOpenBook(QPainter& p, QRectF box, QColor cover, QColor page, QColor ink, bool letters);

void drawBackdropLetters(QPainter& p, QSize size) {
    // A fixed sequence, so the backdrop is the same on every start.
    std::uint32_t seed = 20240611u;
    auto next = [&seed](int range) {
        seed = seed * 1664525u + 1013904223u;
        return int((seed >> 8) % std::uint32_t(range));
    };
    const QString letters = QStringLiteral("AaBbCcDdEeFfGgHhKkLlMmNnPpQqRrSsTtWwXxYyZz");
    const QRectF titleBand(50, 90, 260, 70);
    for (int i = 0; i < 46; ++i) {
        const int px = 12 + next(26);
        const int alpha = 16 + next(22);
        const QPointF at(next(size.width()), 10 + next(size.height()));
        const QChar letter = letters.at(next(int(letters.size())));
        if (titleBand.contains(at))
            continue; // keep the title clean
        p.setFont(pixelFont(QStringLiteral("DejaVu Serif"), px, QFont::Normal));
        p.setPen(QColor(150, 180, 255, alpha));
        p.drawText(at, letter);
    }
}

void drawTitle(QPainter& p, qreal centreX, qreal baseline) {
    const QString title = QStringLiteral("Lexitor");
    const QFont font = pixelFont(QStringLiteral("DejaVu Serif"), 38, QFont::Bold);
    const qreal width = QFontMetricsF(font).horizontalAdvance(title);
    const QPointF origin(centreX - width / 2 + 14, baseline);

    QPainterPath path;
    path.addText(origin, font, title);
    p.fillPath(path.translated(2, 2), QColor(0, 0, 0, 150));
    QLinearGradient gold(0, baseline - 30, 0, baseline + 4);
    gold.setColorAt(0, QColor(0xFF, 0xEC, 0xA0));
    gold.setColorAt(0.55, QColor(0xF0, 0xC0, 0x48));
    gold.setColorAt(1, QColor(0xB8, 0x80, 0x20));
    p.fillPath(path, gold);

    drawOpenBook(p, QRectF(origin.x() - 40, baseline - 29, 32, 30), QColor(0x30, 0x58, 0xC8),
                 QColor(0xFA, 0xF6, 0xE8), QColor(0x60, 0x60, 0x78), false);

    p.setFont(pixelFont(QStringLiteral("DejaVu Sans"), 11, QFont::Normal));
    p.setPen(QColor(0xB8, 0xC8, 0xF0));
    p.drawText(QRectF(centreX - 120, baseline + 4, 240, 14), Qt::AlignCenter,
               QStringLiteral("learn a word a day"));
}

// --- shared icon art -----------------------------------------------------

void drawOpenBook(QPainter& p, QRectF box, QColor cover, QColor page, QColor ink, bool letters) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 16.0, box.height() / 16.0);
    const qreal line = 16.0 / qMax<qreal>(16.0, box.width()) + 0.05;

    p.setPen(Qt::NoPen);
    p.setBrush(cover);
    p.drawPolygon(QPolygonF({{0, 4}, {8, 5}, {16, 4}, {16, 15}, {8, 16}, {0, 15}}));

    p.setPen(QPen(pal::black, line));
    p.setBrush(page);
    p.drawPolygon(QPolygonF({{1, 2}, {7.6, 3.4}, {7.6, 14}, {1, 12.8}}));
    p.drawPolygon(QPolygonF({{8.4, 3.4}, {15, 2}, {15, 12.8}, {8.4, 14}}));

    p.setPen(QPen(ink, line));
    for (qreal y : {6.0, 8.0, 10.0}) {
        if (!letters || y > 6.0) {
            p.drawLine(QPointF(2.4, y), QPointF(6.4, y + 0.7));
            p.drawLine(QPointF(9.6, y + 0.7), QPointF(13.6, y));
        }
    }
    if (letters) {
        p.setFont(pixelFont(QStringLiteral("DejaVu Serif"), 4.5, QFont::Bold));
        p.setPen(pal::maroon);
        p.drawText(QRectF(2, 2.4, 5, 5), Qt::AlignCenter, QStringLiteral("A"));
        p.setPen(pal::navy);
        p.drawText(QRectF(9, 2.4, 5, 5), Qt::AlignCenter, QStringLiteral("z"));
    }
    // Ribbon bookmark hanging from the spine.
    p.setPen(Qt::NoPen);
    p.setBrush(pal::red);
    p.drawPolygon(QPolygonF({{7.6, 13}, {9, 13}, {9, 16}, {8.3, 15.2}, {7.6, 16}}));
    p.restore();
}

// A card with ruled lines, used by the entry and editor icons.
void drawCard(QPainter& p) {
    p.setPen(QPen(pal::black, 1));
    p.setBrush(pal::white);
    p.drawRect(QRectF(1.5, 2.5, 11, 12));
    p.setPen(QPen(pal::teal, 1));
    for (qreal y : {5.5, 8.5, 11.5})
        p.drawLine(QPointF(3, y), QPointF(11, y));
    p.setPen(QPen(pal::red, 1));
    p.drawLine(QPointF(4.5, 3), QPointF(4.5, 14));
}

void drawPencil(QPainter& p, QColor body) {
    p.save();
    p.translate(9.5, 8.5);
    p.rotate(45);
    p.setPen(QPen(pal::black, 0.9));
    p.setBrush(body);
    p.drawRect(QRectF(-1.6, -6, 3.2, 7.5));
    p.setBrush(pal::silver);
    p.drawRect(QRectF(-1.6, -7.5, 3.2, 1.5));
    p.setBrush(QColor(0xFF, 0xC8, 0x90));
    p.drawPolygon(QPolygonF({{-1.6, 1.5}, {1.6, 1.5}, {0, 5.5}}));
    p.setBrush(pal::black);
    p.drawPolygon(QPolygonF({{-0.6, 4}, {0.6, 4}, {0, 5.5}}));
    p.restore();
}

void drawPlusBadge(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(QPen(pal::black, 1));
    p.setBrush(pal::green);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(pal::white, radius * 0.45, Qt::SolidLine, Qt::FlatCap));
    const qreal arm = radius * 0.6;
    p.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    p.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
}

using Art = void (*)(QPainter&);

// Draws art, laid out on a 16-unit grid, at size pixels. The 16-pixel
// version stays unsmoothed so its edges keep crisp.
QImage renderArt(Art art, int size) {
    QImage image = blankImage(QSize(size, size));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, size > 16);
    p.setRenderHint(QPainter::TextAntialiasing, size > 16);
    p.scale(size / 16.0, size / 16.0);
    art(p);
    return image;
}

QIcon iconOf(Art art, std::initializer_list<int> sizes, qreal ratio) {
    QIcon icon;
    for (int size : sizes) {
        icon.addPixmap(QPixmap::fromImage(renderArt(art, size)));
        if (ratio != 1)
            icon.addPixmap(QPixmap::fromImage(renderArt(art, qRound(size * ratio))));
    }
    return icon;
}

void menuArt(QPainter& p) {
    drawOpenBook(p, QRectF(0, 0, 16, 16), pal::navy, pal::white, pal::grey,
                 p.device()->width() >= 32);
}

void addRecordsArt(QPainter& p) {
    drawCard(p);
    drawPlusBadge(p, QPointF(11.5, 11.5), 4);
}

void editArt(QPainter& p) {
    drawCard(p);
    drawPencil(p, pal::yellow);
}

void chooserArt(QPainter& p) {
    // Three steps, one per level, rising with difficulty.
    const std::array<QColor, 3> colours{pal::lime, pal::yellow, pal::red};
    p.setPen(QPen(pal::black, 0.5));
    for (int level = 0; level < 3; ++level) {
        const qreal height = 5 + 4.5 * level;
        p.setBrush(colours[std::size_t(level)]);
        p.drawRect(QRectF(1.25 + 4.75 * level, 15 - height, 4.25, height));
    }
    p.setFont(pixelFont(QStringLiteral("DejaVu Sans"), 4, QFont::Bold));
    p.setPen(pal::black);
    for (int level = 0; level < 3; ++level)
        p.drawText(QRectF(1.25 + 4.75 * level, 10, 4.25, 5), Qt::AlignCenter,
                   QString::number(level));
}

// --- menu button glyphs --------------------------------------------------

QColor accentOf(MenuButton which) {
    switch (which) {
    case MenuButton::AddWords:
        return {0x1E, 0x8C, 0x3C};
    case MenuButton::EditWords:
        return {0xD0, 0x78, 0x10};
    case MenuButton::TakeTest:
        return {0x20, 0x5C, 0xC8};
    case MenuButton::Exit:
        return {0xC0, 0x28, 0x28};
    }
    return pal::grey;
}

// The button each picture sits on, centred.
QSize buttonSizeOf(MenuButton which) {
    return which == MenuButton::Exit ? QSize(153, 33) : QSize(145, 33);
}

QString captionOf(MenuButton which) {
    switch (which) {
    case MenuButton::AddWords:
        return QStringLiteral("Add words");
    case MenuButton::EditWords:
        return QStringLiteral("Edit words");
    case MenuButton::TakeTest:
        return QStringLiteral("Take the test");
    case MenuButton::Exit:
        return QStringLiteral("Exit");
    }
    return {};
}

// White symbol inside the coloured disc of a button picture.
void drawGlyph(QPainter& p, MenuButton which, QPointF c, qreal r) {
    p.setPen(QPen(Qt::white, r * 0.32, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const qreal a = r * 0.55;
    switch (which) {
    case MenuButton::AddWords:
        p.drawLine(c - QPointF(a, 0), c + QPointF(a, 0));
        p.drawLine(c - QPointF(0, a), c + QPointF(0, a));
        break;
    case MenuButton::EditWords:
        // A pencil pointing down to the left.
        p.save();
        p.translate(c);
        p.rotate(45);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(-r * 0.24, -r * 0.85, r * 0.48, r * 1.05));
        p.drawPolygon(QPolygonF({{-r * 0.24, r * 0.32}, {r * 0.24, r * 0.32}, {0, r * 0.8}}));
        p.restore();
        break;
    case MenuButton::TakeTest:
        p.drawPolyline(QPolygonF(
            {c + QPointF(-a, 0), c + QPointF(-a * 0.25, a * 0.7), c + QPointF(a, -a * 0.65)}));
        break;
    case MenuButton::Exit:
        // A door frame with an arrow leaving it.
        p.setPen(QPen(Qt::white, r * 0.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawPolyline(QPolygonF({c + QPointF(-a * 0.1, -a), c + QPointF(-a, -a),
                                  c + QPointF(-a, a), c + QPointF(-a * 0.1, a)}));
        p.setPen(QPen(Qt::white, r * 0.26, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(c + QPointF(-a * 0.45, 0), c + QPointF(a, 0));
        p.drawPolyline(QPolygonF({c + QPointF(a * 0.45, -a * 0.55), c + QPointF(a * 1.05, 0),
                                  c + QPointF(a * 0.45, a * 0.55)}));
        break;
    }
}

void clearColour(QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == colour)
                line[x] = 0;
        }
    }
}

} // namespace

QPixmap menuBackground(qreal ratio) {
    const QSize size(366, 240);
    QImage image = blankImage(size, Qt::black, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Deep blue fading into the window's black at the bottom edge.
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0x14, 0x22, 0x4C));
    sky.setColorAt(0.55, QColor(0x0A, 0x12, 0x2C));
    sky.setColorAt(1, Qt::black);
    p.fillRect(QRect(QPoint(), size), sky);
    QRadialGradient glow(QPointF(172, 120), 150);
    glow.setColorAt(0, QColor(0x40, 0x60, 0xC0, 70));
    glow.setColorAt(1, QColor(0x40, 0x60, 0xC0, 0));
    p.fillRect(QRect(QPoint(), size), glow);

    drawBackdropLetters(p, size);

    // Thin rules above and below the title band, like a page's margins.
    p.setPen(QPen(QColor(0xF0, 0xC0, 0x48, 110), 1));
    p.drawLine(QPointF(40, 93.5), QPointF(305, 93.5));
    p.drawLine(QPointF(40, 147.5), QPointF(305, 147.5));
    // The visible window is 345 pixels wide; centre the title in that.
    drawTitle(p, 172, 128);
    return QPixmap::fromImage(image);
}

QSize menuButtonPictureSize(MenuButton which) {
    switch (which) {
    case MenuButton::AddWords:
        return {130, 29};
    case MenuButton::EditWords:
        return {146, 29};
    case MenuButton::TakeTest:
        return {97, 28};
    case MenuButton::Exit:
        return {160, 35};
    }
    return {};
}

QPixmap menuButtonPicture(MenuButton which, qreal ratio) {
    const QSize size = menuButtonPictureSize(which);
    QImage image = blankImage(size, QColor::fromRgb(kTransparentGrey), ratio);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        const QColor accent = accentOf(which);
        // Some pictures are larger than their buttons; the face keeps inside
        // the button so its outline is never cut off.
        const QSize limit = buttonSizeOf(which) - QSize(6, 6);
        QRectF face(QPointF(0, 0), size.boundedTo(limit + QSize(2, 2)) - QSize(2, 2));
        face.moveCenter(QRectF(QPointF(), size).center());
        const qreal radius = face.height() / 2;

        QLinearGradient fill(0, face.top(), 0, face.bottom());
        fill.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
        fill.setColorAt(1, accent.lighter(190));
        p.setPen(QPen(accent, 1.5));
        p.setBrush(fill);
        p.drawRoundedRect(face, radius, radius);

        const qreal discR = face.height() / 2 - 3;
        const QPointF discC(face.left() + 3 + discR, face.center().y());
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawEllipse(discC, discR, discR);
        drawGlyph(p, which, discC, discR);

        const QString text = captionOf(which);
        const qreal textLeft = discC.x() + discR + 4;
        const QRectF textBox(textLeft, face.top(), face.right() - radius * 0.6 - textLeft,
                             face.height());
        p.setFont(fittingFont(text, textBox.width(), int(face.height() * 0.5)));
        p.setPen(QColor(0x1A, 0x1A, 0x24));
        p.drawText(textBox, Qt::AlignCenter, text);
    }
    clearColour(image, kTransparentGrey);
    return QPixmap::fromImage(image);
}

QIcon menuIcon(qreal ratio) {
    return iconOf(menuArt, {16, 32}, ratio);
}
QIcon addRecordsIcon(qreal ratio) {
    return iconOf(addRecordsArt, {16, 32}, ratio);
}
QIcon editIcon(qreal ratio) {
    return iconOf(editArt, {16, 32}, ratio);
}
QIcon chooserIcon(qreal ratio) {
    return iconOf(chooserArt, {32}, ratio);
}

QImage applicationIconImage(int size) {
    QImage image = blankImage(QSize(size, size));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, size > 16);
    p.setRenderHint(QPainter::TextAntialiasing, size > 16);
    if (size <= 16) {
        p.scale(size / 16.0, size / 16.0);
        menuArt(p);
        return image;
    }
    // A rounded tile behind the book, as desktop launchers expect.
    const qreal s = size;
    const QRectF tile(s * 0.03, s * 0.03, s * 0.94, s * 0.94);
    QLinearGradient tileFill(0, tile.top(), 0, tile.bottom());
    tileFill.setColorAt(0, QColor(0x2A, 0x4C, 0xB0));
    tileFill.setColorAt(1, QColor(0x0C, 0x18, 0x48));
    p.setPen(QPen(QColor(0x06, 0x0C, 0x28), qMax(1.0, s / 64)));
    p.setBrush(tileFill);
    p.drawRoundedRect(tile, s * 0.18, s * 0.18);
    drawOpenBook(p, QRectF(s * 0.14, s * 0.16, s * 0.72, s * 0.70), QColor(0xF0, 0xC0, 0x48),
                 pal::white, pal::grey, true);
    return image;
}

QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(applicationIconImage(size)));
    return icon;
}

QCursor helpCursor(qreal ratio) {
    QImage image = blankImage(QSize(32, 32), Qt::transparent, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // A pointing hand whose index fingertip is the hot spot.
    QPainterPath hand;
    hand.addRoundedRect(QRectF(9.5, 0.5, 5.5, 18), 2.75, 2.75);
    hand.addRoundedRect(QRectF(14.5, 9.5, 4.5, 9), 2.2, 2.2);
    hand.addRoundedRect(QRectF(18.5, 10.5, 4.5, 8), 2.2, 2.2);
    hand.addRoundedRect(QRectF(22.5, 12, 4.2, 7), 2.1, 2.1);
    hand.addRoundedRect(QRectF(9.5, 13, 17.2, 15.5), 4, 4);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-2.2, -2.2, 9.5, 4.4), 2.2, 2.2);
    hand = hand.united(QTransform().translate(5.5, 17).rotate(50).map(thumb)).simplified();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(Qt::black, 0.9));
    p.drawLine(QPointF(15, 14), QPointF(15, 18));
    p.drawLine(QPointF(19, 14), QPointF(19, 18));
    p.drawLine(QPointF(23, 15), QPointF(23, 18.5));

    // Question-mark badge in the free corner.
    const QPointF c(24.5, 5.5);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(QColor(0x20, 0x5C, 0xC8));
    p.drawEllipse(c, 5.2, 5.2);
    p.setFont(pixelFont(QStringLiteral("DejaVu Sans"), 9, QFont::Bold));
    p.drawText(QRectF(c.x() - 5, c.y() - 5, 10, 10), Qt::AlignCenter, QStringLiteral("?"));
    p.end();
    return QCursor(QPixmap::fromImage(image), 12, 1);
}

} // namespace lexitor::screens
