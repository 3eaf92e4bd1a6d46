// Writes the screens' pictures, icons and cursor as raw pixel files, which
// the build compiles into the program uncompressed: drawing them, or even
// decoding PNGs, would take longer than the rest of start-up, while raw
// pixels are used where they lie. Runs at build time on the offscreen
// platform. The format is screens/RawPicture.h's.

#include "screens/Pictures.h"
#include "screens/RawPicture.h"

#include <QFile>

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

using namespace lexitor::screens;

namespace {

bool save(const QString& dir, const QString& name, const QPixmap& pixmap) {
    const QString path = dir + QLatin1Char('/') + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(encodeRawPicture(pixmap.toImage())) > 0)
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool saveIcon(const QString& dir, const QString& name, const QIcon& icon, std::initializer_list<int> sizes) {
    for (int size : sizes)
        if (!save(dir, QStringLiteral("%1-%2.raw").arg(name).arg(size), icon.pixmap(QSize(size, size))))
            return false;
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    const bool written =
        save(dir, "menu-background.raw", menuBackground()) &&
        save(dir, "menu-add-words.raw", menuButtonPicture(MenuButton::AddWords)) &&
        save(dir, "menu-edit-words.raw", menuButtonPicture(MenuButton::EditWords)) &&
        save(dir, "menu-take-test.raw", menuButtonPicture(MenuButton::TakeTest)) &&
        save(dir, "menu-exit.raw", menuButtonPicture(MenuButton::Exit)) &&
        save(dir, "help-cursor.raw", helpCursor().pixmap()) &&
        saveIcon(dir, "icon-menu", menuIcon(), {16, 32}) &&
        saveIcon(dir, "icon-add-records", addRecordsIcon(), {16, 32}) &&
        saveIcon(dir, "icon-edit", editIcon(), {16, 32}) &&
        saveIcon(dir, "icon-chooser", chooserIcon(), {32});
    return written ? 0 : 1;
}
