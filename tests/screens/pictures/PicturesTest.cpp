// The drawn pictures: transparency where the button pictures' grey was,
// the title clear of the menu's controls, icons drawn at
// their sizes, the help cursor's hot spot, and every picture drawn for the
// pixel ratio in use.

#include "screens/pictures/Pictures.h"
#include "screens/Twips.h"
#include "screens/tables/Form2Table.h"

#include <QRect>
#include <QTest>

#include <array>

using namespace lexitor::screens;

namespace {

constexpr std::array kButtons{MenuButton::AddWords, MenuButton::EditWords, MenuButton::TakeTest,
                              MenuButton::Exit};

QImage argb(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

int lightness(QRgb px) {
    return (qRed(px) * 299 + qGreen(px) * 587 + qBlue(px) * 114) / 1000;
}

// How sharp a picture's edges are: squared steps between neighbours, per
// pixel. A picture scaled up smoothly spreads each edge over more pixels.
double sharpness(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x) {
            const int step = lightness(image.pixel(x, y)) - lightness(image.pixel(x + 1, y));
            sum += double(step) * step;
        }
    return sum / (image.width() * image.height());
}

// The share of aligned two-by-two blocks of one colour: all of them in a
// picture scaled up by repeating pixels.
double flatBlocks(const QImage& image) {
    int flat = 0, all = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2, ++all) {
            const QRgb p = image.pixel(x, y);
            flat += p == image.pixel(x + 1, y) && p == image.pixel(x, y + 1) &&
                    p == image.pixel(x + 1, y + 1);
        }
    return double(flat) / all;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void buttonPicturesHaveTheirSizesAndTransparency() {
        for (MenuButton which : kButtons) {
            const QPixmap picture = menuButtonPicture(which);
            QCOMPARE(picture.size(), menuButtonPictureSize(which));
            QVERIFY(picture.hasAlphaChannel());

            const QImage image = argb(picture);
            // The grey it was drawn on shows in the corners; there it is gone.
            const int w = image.width(), h = image.height();
            for (QPoint corner :
                 {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
                QCOMPARE(qAlpha(image.pixel(corner)), 0);
            QCOMPARE(qAlpha(image.pixel(w / 2, h / 2)), 255);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    QVERIFY2(image.pixel(x, y) != kTransparentGrey, "grey left opaque");
        }
    }

    void backgroundShowsTitleClearOfTheButtons() {
        const QImage image = argb(menuBackground());
        QCOMPARE(image, argb(menuBackground())); // the same on every start
        const auto& menu = form2Table().layout();
        QList<QRect> controls;
        for (const BuildRow& row : menu.controls)
            controls.append(twipsRect(row.design.place.left, row.design.place.top,
                                      row.design.place.width, row.design.place.height));
        const int visibleWidth = twipsToPixels(menu.window.clientWidth);

        int gold = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                QCOMPARE(qAlpha(p), 255);
                if (qRed(p) > 200 && qGreen(p) > 150 && qBlue(p) < 160) {
                    ++gold;
                    for (const QRect& control : controls)
                        QVERIFY2(!control.contains(x, y), "title hidden under a control");
                    QVERIFY2(x < visibleWidth, "title outside the visible window");
                }
            }
        }
        QVERIFY2(gold > 300, qPrintable(QStringLiteral("title pixels: %1").arg(gold)));
        // The bottom edge meets the window's black without a seam.
        for (int x = 0; x < image.width(); x += 7)
            QVERIFY(lightness(image.pixel(x, image.height() - 1)) < 24);
    }

    // Every size an icon offers is a real drawing of that size, not an empty frame.
    void iconsCarryTheirSizes() {
        for (const QIcon& icon :
             {menuIcon(), addRecordsIcon(), editIcon(), chooserIcon(), applicationIcon()}) {
            QVERIFY(!icon.availableSizes().isEmpty());
            for (const QSize size : icon.availableSizes()) {
                const QImage image = argb(icon.pixmap(size));
                QCOMPARE(image.size(), size);
                int opaque = 0;
                for (int y = 0; y < size.height(); ++y)
                    for (int x = 0; x < size.width(); ++x)
                        opaque += qAlpha(image.pixel(x, y)) == 255;
                QVERIFY(opaque > size.width() * size.height() / 4);
            }
        }
        for (int s : {16, 256})
            QCOMPARE(applicationIconImage(s).size(), QSize(s, s));
    }

    // The pointer is drawn where it clicks, and not over the whole square.
    void helpCursorPointsWithItsFingertip() {
        const QCursor cursor = helpCursor();
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        const QImage image = argb(cursor.pixmap());
        QVERIFY(qAlpha(image.pixel(cursor.hotSpot())) > 0);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0);
    }

    // Every picture drawn at the ratio in use has its pixels, in full detail:
    // neither the picture at one to one nor that picture scaled up.
    void drawnForThePixelRatio() {
        QFETCH(qreal, ratio);
        QList<std::pair<QPixmap, QPixmap>> pictures{
            {menuBackground(), menuBackground(ratio)},
            {helpCursor().pixmap(), helpCursor(ratio).pixmap()}};
        for (MenuButton which : kButtons)
            pictures.append({menuButtonPicture(which), menuButtonPicture(which, ratio)});
        for (const auto& [atOne, drawn] : pictures) {
            QCOMPARE(drawn.devicePixelRatio(), ratio);
            QCOMPARE(drawn.size(), (QSizeF(atOne.size()) * ratio).toSize());
            const QImage scaled =
                argb(atOne).scaled(drawn.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QVERIFY(sharpness(argb(drawn)) > 1.25 * sharpness(scaled));
            if (ratio == 2)
                QVERIFY(flatBlocks(argb(drawn)) < 0.9);
        }
        QCOMPARE(helpCursor(ratio).hotSpot(), helpCursor().hotSpot());
        QVERIFY(menuIcon(ratio).availableSizes().contains(QSize(32, 32) * ratio));
    }

    void drawnForThePixelRatio_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
    }
};

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
