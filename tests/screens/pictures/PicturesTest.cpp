// The drawn pictures: exact sizes, transparency where the button pictures'
// grey was, legible content, icon sizes and the help cursor's hot spot.

#include "screens/pictures/Pictures.h"

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

// Twips places of the main menu's buttons and "?" label, in pixels.
QRect px(int l, int t, int w, int h) {
    return QRect(l / 15, t / 15, w / 15, h / 15);
}
const std::array kMenuControls{px(2400, 240, 2175, 495), px(120, 840, 2175, 495),
                               px(2400, 2280, 2175, 495), px(240, 2880, 2295, 495),
                               px(4680, 3000, 180, 435)};

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void buttonPicturesHaveTheirSizesAndTransparency();
    void buttonPicturesAreLegible();
    void backgroundShowsTitleClearOfTheButtons();
    void iconsCarryTheirSizes();
    void helpCursorPointsWithItsFingertip();
    void drawnForThePixelRatio();
    void drawnForThePixelRatio_data();
};

void PicturesTest::buttonPicturesHaveTheirSizesAndTransparency() {
    const std::array<QSize, 4> expected{QSize(130, 29), QSize(146, 29), QSize(97, 28),
                                        QSize(160, 35)};
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        const QPixmap picture = menuButtonPicture(kButtons[i]);
        QCOMPARE(picture.size(), expected[i]);
        QCOMPARE(menuButtonPictureSize(kButtons[i]), expected[i]);
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

void PicturesTest::buttonPicturesAreLegible() {
    for (MenuButton which : kButtons) {
        const QImage image = argb(menuButtonPicture(which));
        int dark = 0, light = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qAlpha(p) < 255)
                    continue;
                dark += lightness(p) < 80;
                light += lightness(p) > 220;
            }
        }
        // Text strokes against a mostly light face.
        QVERIFY2(dark > 60, qPrintable(QStringLiteral("dark pixels: %1").arg(dark)));
        QVERIFY2(light > image.width() * image.height() / 4,
                 qPrintable(QStringLiteral("light pixels: %1").arg(light)));
    }
    // Each picture is its own: Add and Edit are not the same drawing.
    QVERIFY(argb(menuButtonPicture(MenuButton::AddWords)) !=
            argb(menuButtonPicture(MenuButton::EditWords)).copy(0, 0, 130, 29));
}

void PicturesTest::backgroundShowsTitleClearOfTheButtons() {
    const QPixmap background = menuBackground();
    QCOMPARE(background.size(), QSize(366, 240));
    const QImage image = argb(background);
    QCOMPARE(image, argb(menuBackground())); // the same on every start

    int gold = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            QCOMPARE(qAlpha(p), 255);
            if (qRed(p) > 200 && qGreen(p) > 150 && qBlue(p) < 160) {
                ++gold;
                for (const QRect& control : kMenuControls)
                    QVERIFY2(!control.contains(x, y), "title hidden under a control");
                QVERIFY2(x < 345, "title outside the visible window");
            }
        }
    }
    QVERIFY2(gold > 300, qPrintable(QStringLiteral("title pixels: %1").arg(gold)));
    // The bottom edge meets the window's black without a seam.
    for (int x = 0; x < image.width(); x += 7)
        QVERIFY(lightness(image.pixel(x, image.height() - 1)) < 24);
}

void PicturesTest::iconsCarryTheirSizes() {
    struct Case {
        const char* name;
        QIcon icon;
        QList<int> sizes;
    };
    const QList<Case> cases{{"menu", menuIcon(), {16, 32}},
                            {"add records", addRecordsIcon(), {16, 32}},
                            {"edit", editIcon(), {16, 32}},
                            {"chooser", chooserIcon(), {32}},
                            {"application", applicationIcon(), {16, 22, 24, 32, 48, 64, 128, 256}}};
    for (const Case& c : cases) {
        QList<QSize> expected;
        for (int s : c.sizes)
            expected.append(QSize(s, s));
        QCOMPARE(c.icon.availableSizes(), expected);
        for (int s : c.sizes) {
            const QImage image = argb(c.icon.pixmap(QSize(s, s)));
            QCOMPARE(image.size(), QSize(s, s));
            int opaque = 0;
            for (int y = 0; y < s; ++y)
                for (int x = 0; x < s; ++x)
                    opaque += qAlpha(image.pixel(x, y)) == 255;
            QVERIFY2(opaque > s * s / 4, c.name); // a real drawing, not an empty frame
        }
    }
    for (int s : {16, 48, 128, 256})
        QCOMPARE(applicationIconImage(s).size(), QSize(s, s));
}

void PicturesTest::helpCursorPointsWithItsFingertip() {
    const QCursor cursor = helpCursor();
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(12, 1));
    const QImage image = argb(cursor.pixmap());
    QCOMPARE(image.size(), QSize(32, 32));
    // The pointer is drawn where it clicks, and not over the whole square.
    QVERIFY(qAlpha(image.pixel(12, 1)) > 0);
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(31, 31)), 0);
}

// Every picture drawn at the ratio in use has its pixels, in full detail:
// neither the picture at one to one nor that picture scaled up.
void PicturesTest::drawnForThePixelRatio() {
    QFETCH(qreal, ratio);
    const QList<std::pair<QPixmap, QPixmap>> pictures{
        {menuBackground(), menuBackground(ratio)},
        {menuButtonPicture(MenuButton::AddWords), menuButtonPicture(MenuButton::AddWords, ratio)},
        {menuButtonPicture(MenuButton::EditWords), menuButtonPicture(MenuButton::EditWords, ratio)},
        {menuButtonPicture(MenuButton::TakeTest), menuButtonPicture(MenuButton::TakeTest, ratio)},
        {menuButtonPicture(MenuButton::Exit), menuButtonPicture(MenuButton::Exit, ratio)},
        {helpCursor().pixmap(), helpCursor(ratio).pixmap()}};
    for (const auto& [atOne, drawn] : pictures) {
        QCOMPARE(drawn.devicePixelRatio(), ratio);
        QCOMPARE(drawn.size(), (QSizeF(atOne.size()) * ratio).toSize());
        const QImage scaled =
            argb(atOne).scaled(drawn.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(sharpness(argb(drawn)) > 1.25 * sharpness(scaled));
        if (ratio == 2)
            QVERIFY(flatBlocks(argb(drawn)) < 0.9);
    }
    QCOMPARE(helpCursor(ratio).hotSpot(), QPoint(12, 1));
    QVERIFY(menuIcon(ratio).availableSizes().contains(QSize(32, 32) * ratio));
}

void PicturesTest::drawnForThePixelRatio_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2") << 2.0;
}

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
